#include "reports/ReportBuilder.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace reports {
namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(Reports)
};

} // namespace

QString viewName(View view)
{
    switch (view) {
    case View::Summary:
        return Text::tr("Summary");
    case View::Sheet:
        return Text::tr("Register Sheet");
    case View::Missing:
        return Text::tr("Registers Not Taken");
    case View::Alerts:
        return Text::tr("Alerts");
    case View::Chart:
        return Text::tr("Chart");
    case View::History:
        return Text::tr("History");
    case View::Census:
        return Text::tr("Census");
    }
    return QString();
}

Report buildReport(const ReportRequest& request, const QList<reports::SummaryRow>* summary)
{
    Report report;
    report.request = request;
    switch (request.view) {
    case View::Summary:
        report.summary = reports::summary(request.scope);
        report.table = summaryTable(report.summary, reports::countedDays(request.scope));
        break;
    case View::Alerts:
        report.summary = summary ? *summary : reports::summary(request.scope);
        report.table = alertsTable(report.summary, request.thresholds);
        break;
    case View::Sheet:
        report.sheet = reports::sheet(request.scope);
        report.table = sheetTable(report.sheet, !request.scope.classId);
        break;
    case View::Missing:
        report.table = request.missingDay
            ? missingTable(reports::missingOn(*request.missingDay, request.scope.classId))
            : missingTable(reports::missingBetween(request.scope), reports::countedDays(request.scope));
        break;
    case View::Chart:
        report.days = reports::dailyCounts(request.scope);
        report.table = dailyTable(report.days);
        break;
    case View::History:
        report.table = historyTable(reports::historyOf(request.scope));
        break;
    case View::Census:
        report.summary = summary ? *summary : reports::summary(request.scope);
        report.table = censusTable(report.summary);
        break;
    }
    return report;
}

QList<QStringList> Report::csvRecords() const
{
    if (request.view == View::Sheet)
        return sheetLongForm(sheet);
    return table.records();
}

PrintedReport Report::printed(const QString& schoolName, const QDateTime& printedAt, const ChartPainter& chart) const
{
    PrintHeading heading {schoolName, viewName(request.view), request.scopeName, rangeText(request), printedAt};
    if (request.view == View::Chart) {
        const QList<reports::DayCounts> figures = days;
        return PrintedReport(heading, [figures, chart](QPainter& painter, const QRectF& area) {
            if (chart)
                chart(painter, area, figures);
        });
    }
    return PrintedReport(
        heading, table, request.view == View::Missing ? QPageLayout::Portrait : QPageLayout::Landscape);
}

QString rangeText(const ReportRequest& request)
{
    if (request.view == View::Missing && request.missingDay)
        return dateText(*request.missingDay);
    return Text::tr("%1 to %2").arg(dateText(request.scope.from), dateText(request.scope.to));
}

QString suggestedFileName(const ReportRequest& request, const QString& extension)
{
    const QString days = request.view == View::Missing && request.missingDay
        ? request.missingDay->toString(Qt::ISODate)
        : Text::tr("%1 to %2").arg(request.scope.from.toString(Qt::ISODate), request.scope.to.toString(Qt::ISODate));
    QString name = QStringLiteral("%1 - %2 - %3").arg(viewName(request.view), request.scopeName, days);
    static const QRegularExpression refused(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1f]"));
    name.replace(refused, QStringLiteral("-"));
    return name.simplified() + QLatin1Char('.') + extension;
}

} // namespace reports
