#pragma once

#include <QDateTime>
#include <QString>

// The user's short date form with the year in full. A register is kept for years: "09.03.26"
// leaves the century to guesswork when read in a report or typed into a date box.
QString shortDateFormat();
QString shortDateText(const QDate& date);
// The short date in full and the time to the minute.
QString shortDateTimeText(const QDateTime& at);
