#pragma once

#include "reports/ReportTable.h"

#include <QDate>
#include <QDateTime>
#include <QPageLayout>
#include <QString>

#include <functional>

class QPagedPaintDevice;
class QPainter;

namespace reports {

// What stands at the top of every printed page.
struct PrintHeading
{
    QString schoolName; // kept in the register; may be empty
    QString view; // "Summary", "Register Sheet", ...
    QString scope; // the class, or "All Classes"
    QString range; // the days the report covers, as the user reads them
    QDateTime printedAt;
};

// A report laid out on A4 pages for the printer and for PDF files alike: the heading on every
// page, the table's column headers repeated on every page, columns that do not fit the width
// continued on further pages beside the student's name again, the footnotes after the table,
// and "Page x of y" under each page. Built once, painted on whichever device is asked.
class PrintedReport
{
public:
    using Picture = std::function<void(QPainter& painter, const QRectF& area)>;
    // Tells how far painting got; returning false stops it.
    using Progress = std::function<bool(int page, int pages)>;

    PrintedReport(PrintHeading heading, ReportTable table, QPageLayout::Orientation orientation);
    // A picture (the chart) filling one page under the heading.
    PrintedReport(PrintHeading heading, Picture picture);

    QPageLayout::Orientation orientation() const { return m_orientation; }
    // A4 in the report's orientation, with the report's margins.
    QPageLayout pageLayout() const;

    // The number of pages on the device (its page layout as it is set).
    int pageCount(QPagedPaintDevice& device) const;
    // Paints every page; false when the progress function stopped it or the device refused.
    bool paint(QPagedPaintDevice& device, const Progress& progress = {}) const;

    // The report as a PDF file's bytes; empty when the progress function stopped it.
    QByteArray pdf(const Progress& progress = {}) const;

private:
    struct Page;
    struct Layout;
    Layout layout(QPagedPaintDevice& device) const;

    PrintHeading m_heading;
    ReportTable m_table;
    Picture m_picture;
    QPageLayout::Orientation m_orientation;
};

} // namespace reports
