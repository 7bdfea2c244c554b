#pragma once

#include "reports/ReportQueries.h"
#include "reports/ReportTable.h"

#include <QPair>

// The report's views as tables, from the figures the register gives.
namespace reports {

// The students the Alerts view names: attendance at or below a threshold (missing its rest or
// more: at 90 %, persistent absence; at half, severe absence), or absent for some days running up
// to the last marked day. The Reason column names the rule.
struct AlertThresholds
{
    double belowPercent = 90.0; // missing 10 % or more: the common measure of persistent absence
    int runDays = 3;
};

// With a school calendar the summary shows each student's school days and the days of them
// without a mark, and says in a footnote which calendar counted them.
ReportTable summaryTable(
    const QList<reports::SummaryRow>& rows, const std::optional<reports::CountedDays>& counted = std::nullopt);
// "School days per the calendar 2026–27: 68".
QString countedDaysText(const reports::CountedDays& counted);
QList<reports::SummaryRow> alertRows(const QList<reports::SummaryRow>& rows, const AlertThresholds& thresholds);
ReportTable alertsTable(const QList<reports::SummaryRow>& rows, const AlertThresholds& thresholds);
ReportTable missingTable(
    const QList<reports::MissingRegister>& missing, const std::optional<reports::CountedDays>& counted = std::nullopt);
ReportTable historyTable(const QList<reports::ReportHistoryRow>& rows);
// One row per student in the shape a school files for its census: the possible sessions, the
// attended, authorised and unauthorised ones, and how many of each code, in the book's order.
ReportTable censusTable(const QList<reports::SummaryRow>& rows);
ReportTable dailyTable(const QList<reports::DayCounts>& days);
// One row per student, one column per day, a totals row; the days' notes as footnotes.
ReportTable sheetTable(const reports::Sheet& sheet, bool withClass);
// The sheet as one CSV record per student and day, with a header record.
QList<QStringList> sheetLongForm(const reports::Sheet& sheet);

// Per day of the sheet: how many students attended (present, late or on an approved activity)
// and how many marks made a possible session.
QList<QPair<int, int>> sheetDayTotals(const reports::Sheet& sheet);
QString dayTotalText(const QPair<int, int>& total);
// A sheet column's header: the weekday over the day.
QString sheetDayHeader(const QDate& day, db::Session session = db::Session::Morning, bool twoSessions = false);
// The name of a session as the sheet and its file show it: "AM" or "PM".
QString sessionName(db::Session session);
// The notes of a day, one line per class when the sheet shows several.
QString dayNotesText(const QMap<QString, QString>& notes, bool withClass);
// A mark's letter on the sheet, with its minutes late when there are some ("L12").
QString lateText(const QString& letter, int minutes);
// A mark's tooltip: the word as the user reads it, and the remark.
QString markToolTip(const QString& status, const QString& remark, bool amended = false);
// A mark changed after it was first saved carries this after its letter.
inline constexpr QChar kAmendedSign = u'*';
// How a report shows a date.
QString dateText(const QDate& day);

} // namespace reports
