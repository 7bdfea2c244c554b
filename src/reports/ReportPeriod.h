#pragma once

#include <QDate>
#include <QString>

#include <utility>

namespace reports {

// The spans of days the report offers at one pick. Each ends today: a later day has no marks.
enum class Period { Custom, ThisWeek, ThisMonth, Last30Days, SchoolYear };

// The first and last day of a period that ends on today. Custom gives today alone.
std::pair<QDate, QDate> periodRange(Period period, const QDate& today);
// The 1 September on or before the day: where the school year that holds it began.
QDate schoolYearStart(const QDate& day);
QString periodName(Period period);

} // namespace reports
