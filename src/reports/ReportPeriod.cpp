#include "reports/ReportPeriod.h"

#include <QCoreApplication>

namespace reports {

QDate schoolYearStart(const QDate& day)
{
    const QDate thisYear(day.year(), 9, 1);
    return day >= thisYear ? thisYear : QDate(day.year() - 1, 9, 1);
}

namespace {

// The term holding today, or the latest that began before it (in a holiday, the term just
// ended); and the one before that.
std::optional<calendar::Entry> termBefore(const calendar::SchoolCalendar& school, const QDate& today, int back)
{
    const QList<calendar::Entry> terms = school.terms();
    qsizetype current = -1;
    for (qsizetype i = 0; i < terms.size(); ++i) {
        if (terms.at(i).from <= today)
            current = i;
    }
    if (current - back < 0)
        return std::nullopt;
    return terms.at(current - back);
}

} // namespace

std::pair<QDate, QDate> periodRange(Period period, const QDate& today, const calendar::SchoolCalendar& school)
{
    switch (period) {
    case Period::ThisWeek:
        return {today.addDays(1 - today.dayOfWeek()), today};
    case Period::LastWeek: {
        const QDate monday = today.addDays(1 - today.dayOfWeek()).addDays(-7);
        return {monday, monday.addDays(6)};
    }
    case Period::ThisMonth:
        return {QDate(today.year(), today.month(), 1), today};
    case Period::LastMonth: {
        const QDate first = QDate(today.year(), today.month(), 1).addMonths(-1);
        return {first, first.addDays(first.daysInMonth() - 1)};
    }
    case Period::Last30Days:
        return {today.addDays(-29), today};
    case Period::ThisTerm:
    case Period::LastTerm:
        if (const auto term = termBefore(school, today, period == Period::LastTerm ? 1 : 0))
            return {term->from, std::min(term->to, today)};
        break;
    case Period::SchoolYear:
        for (const calendar::Entry& entry : school.entries()) {
            if (entry.kind == calendar::Kind::Year && entry.from <= today && today <= entry.to)
                return {entry.from, today};
        }
        return {schoolYearStart(today), today};
    case Period::Custom:
        break;
    }
    return {today, today};
}

bool periodKnown(Period period, const calendar::SchoolCalendar& school)
{
    if (period == Period::ThisTerm || period == Period::LastTerm)
        return termBefore(school, QDate::currentDate(), period == Period::LastTerm ? 1 : 0).has_value();
    return true;
}

QString periodName(Period period)
{
    switch (period) {
    case Period::ThisWeek:
        return QCoreApplication::translate("Reports", "This Week");
    case Period::LastWeek:
        return QCoreApplication::translate("Reports", "Last Week");
    case Period::ThisMonth:
        return QCoreApplication::translate("Reports", "This Month");
    case Period::LastMonth:
        return QCoreApplication::translate("Reports", "Last Month");
    case Period::ThisTerm:
        return QCoreApplication::translate("Reports", "This Term");
    case Period::LastTerm:
        return QCoreApplication::translate("Reports", "Last Term");
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
