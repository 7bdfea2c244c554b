#pragma once

#include "core/SchoolCalendar.h"

#include <QDate>
#include <QString>

#include <utility>

namespace reports {

// The spans of days the report offers at one pick. Those of "this" end today (a later day has
// no marks); those of "last" are whole. The terms are the school calendar's.
enum class Period { Custom, ThisWeek, LastWeek, ThisMonth, LastMonth, Last30Days, ThisTerm, LastTerm, SchoolYear };

// The first and last day of a period, seen from today. Custom, and a term the calendar does not
// have, give today alone. The school year is the calendar's when it has one holding today.
std::pair<QDate, QDate> periodRange(
    Period period, const QDate& today, const calendar::SchoolCalendar& school = calendar::SchoolCalendar());
// Whether the calendar has the period's days (the terms need terms).
bool periodKnown(Period period, const calendar::SchoolCalendar& school);
// The 1 September on or before the day: where the school year that holds it began.
QDate schoolYearStart(const QDate& day);
QString periodName(Period period);

} // namespace reports
