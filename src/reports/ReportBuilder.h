#pragma once

#include "reports/PrintedReport.h"
#include "reports/ReportQueries.h"
#include "reports/ReportTable.h"
#include "reports/ReportTables.h"

#include <functional>
#include <optional>

// One report as the user asked for it, read from the register and made into every output the
// window and rollvane-report give: the table, the printed pages, the CSV records.
namespace reports {

enum class View { Summary, Sheet, Missing, Alerts, Chart, History, Census };

// Draws the Chart view's figures into an area of a page.
using ChartPainter = std::function<void(QPainter& painter, const QRectF& area, const QList<DayCounts>& days)>;

QString viewName(View view);

struct ReportRequest
{
    View view = View::Summary;
    reports::ReportScope scope;
    QString scopeName; // the class's name, or "All Classes"
    std::optional<QDate> missingDay; // Registers Not Taken for one day; none: over the range
    AlertThresholds thresholds;
};

struct Report
{
    ReportRequest request;
    ReportTable table;
    reports::Sheet sheet; // the Register Sheet's marks
    QList<reports::DayCounts> days; // the Chart's figures
    QList<reports::SummaryRow> summary; // the Summary's and the Alerts' figures

    // The CSV records of the view: the sheet in its long form, one record per student and day.
    QList<QStringList> csvRecords() const;
    // The pages as printed; the Chart's pages are drawn by chart (the window's charts), and are
    // empty without it.
    PrintedReport printed(const QString& schoolName, const QDateTime& printedAt, const ChartPainter& chart = {}) const;
};

// Reads the register for the request. Alerts from figures already read are made without
// reading again when summary is given.
Report buildReport(const ReportRequest& request, const QList<reports::SummaryRow>* summary = nullptr);

// The days the request covers, as the user reads them.
QString rangeText(const ReportRequest& request);
// A file name for the report: view, class and days, without characters file systems refuse.
QString suggestedFileName(const ReportRequest& request, const QString& extension);

} // namespace reports
