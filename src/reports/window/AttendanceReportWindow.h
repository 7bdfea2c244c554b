#pragma once

#include "reports/PrintedReport.h"
#include "reports/ReportBuilder.h"
#include "reports/ReportPeriod.h"

#include <QWidget>

#include <optional>

class QChartView;
class QComboBox;
class QDateEdit;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QTableView;
class QTimer;

namespace reports {
class ReportTableModel;
class SheetModel;
} // namespace reports

// The Attendance Report: the register over a span of days, for one class or every class, as a
// summary, a register sheet, the registers not taken, alerts, a chart and the history of
// changes; printed, saved as PDF or exported as CSV. One window, not modal, resizable; it keeps
// its size and choices while the program runs.
class AttendanceReportWindow : public QWidget
{
    Q_OBJECT

public:
    using View = reports::View;
    using Period = reports::Period;

    // Shows the one window, creating it on first use; a window shown again reads the register
    // again and keeps its choices.
    static AttendanceReportWindow* showShared(QWidget* parent = nullptr);
    static AttendanceReportWindow* instance();

    explicit AttendanceReportWindow(QWidget* parent = nullptr);

    // The choices, as the controls hold them.
    void setClassId(std::optional<qint64> classId);
    std::optional<qint64> classId() const;
    void setPeriod(Period period, const QDate& today = QDate::currentDate());
    void setRange(const QDate& from, const QDate& to);
    void setView(View view);
    View view() const;

    // Reads the class list again, keeping the chosen class while it exists.
    void reloadClasses();
    // Reads the register again for the view shown now.
    void refresh();
    // The report of the view shown now, as it was last read.
    const reports::Report& currentReport() const { return m_report; }

    // The commands of the buttons.
    void printReport();
    void previewReport();
    void exportPdf();
    void exportCsv();

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildLayout();
    // The report as the window shows it: its rows in the order the user sorted them. What is
    // printed and exported is made from this.
    reports::Report shownReport() const;
    reports::PrintedReport printedReport() const;
    // The export's file name without its folder or extension, which a print to a file offers.
    QString printName() const;
    void scheduleRefresh();
    reports::ReportRequest request() const;
    void showReport();
    void showCharts();
    void saveSchoolName();
    QColor tableBackground() const;
    bool rangeIsValid() const;

    QComboBox* m_class = nullptr;
    QComboBox* m_period = nullptr;
    QDateEdit* m_from = nullptr;
    QDateEdit* m_to = nullptr;
    QLineEdit* m_schoolName = nullptr;
    QTabWidget* m_tabs = nullptr;
    QTableView* m_summaryTable = nullptr;
    QTableView* m_sheetTable = nullptr;
    QTableView* m_missingTable = nullptr;
    QTableView* m_alertsTable = nullptr;
    QTableView* m_historyTable = nullptr;
    QTableView* m_censusTable = nullptr;
    QRadioButton* m_missingOnDay = nullptr;
    QRadioButton* m_missingOverRange = nullptr;
    QDateEdit* m_missingDay = nullptr;
    QDoubleSpinBox* m_threshold = nullptr;
    QSpinBox* m_runDays = nullptr;
    QComboBox* m_alertRule = nullptr;
    QChartView* m_dailyChart = nullptr;
    QChartView* m_weeklyChart = nullptr;
    QLabel* m_status = nullptr;
    QPushButton* m_print = nullptr;
    QPushButton* m_exportPdf = nullptr;
    QPushButton* m_preview = nullptr;
    QPushButton* m_exportCsv = nullptr;

    reports::ReportTableModel* m_summaryModel = nullptr;
    reports::SheetModel* m_sheetModel = nullptr;
    reports::ReportTableModel* m_missingModel = nullptr;
    reports::ReportTableModel* m_alertsModel = nullptr;
    reports::ReportTableModel* m_historyModel = nullptr;
    reports::ReportTableModel* m_censusModel = nullptr;

    QTimer* m_refreshTimer = nullptr;
    reports::Report m_report;
    // The summary last read and for which choices, so that new alert thresholds need no reading.
    std::optional<reports::ReportScope> m_summaryScope;
    QList<reports::SummaryRow> m_summaryRows;
    QString m_storedSchoolName;
    bool m_settingPeriod = false;
};
