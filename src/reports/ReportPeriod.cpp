#include "reports/ReportPeriod.h"

#include <QCoreApplication>

namespace reports {

QDate schoolYearStart(const QDate& day)
{
    const QDate thisYear(day.year(), 9, 1);
    return day >= thisYear ? thisYear : QDate(day.year() - 1, 9, 1);
}

std::pair<QDate, QDate> periodRange(Period period, const QDate& today)
{
    switch (period) {
    case Period::ThisWeek:
        return {today.addDays(1 - today.dayOfWeek()), today};
    case Period::ThisMonth:
        return {QDate(today.year(), today.month(), 1), today};
    case Period::Last30Days:
        return {today.addDays(-29), today};
    case Period::SchoolYear:
        return {schoolYearStart(today), today};
    case Period::Custom:
        break;
    }
    return {today, today};
}

QString periodName(Period period)
{
    switch (period) {
    case Period::ThisWeek:
        return QCoreApplication::translate("Reports", "This Week");
    case Period::ThisMonth:
        return QCoreApplication::translate("Reports", "This Month");
    case Period::Last30Days:
        return QCoreApplication::translate("Reports", "Last 30 Days");
    case Period::SchoolYear:
        return QCoreApplication::translate("Reports", "This School Year");
    case Period::Custom:
        break;
    }
    return QCoreApplication::translate("Reports", "Custom");
}

} // namespace reports
