#pragma once

#include "core/SchoolCalendar.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The dates a local authority publishes, read into calendar entries: an iCalendar file (read by
// libical: all-day and timed events, events of several days, recurring events, time zones) or a
// spreadsheet's CSV of From,To,Name.
namespace calendar {

struct ParsedCalendar
{
    QList<Entry> entries; // in date order
    QStringList problems; // what was left out and why, one sentence each
    QString error; // set when the file could not be read at all
};

// An iCalendar file's events. An all-day event holds its days up to the day before DTEND; a
// timed event holds the days it touches in its own time zone (a time in UTC, on this
// computer's clock). Recurring events are expanded for five years from their first day.
ParsedCalendar parseICalendar(const QByteArray& bytes);
// A CSV of From,To,Name and optionally Kind; a header line is recognised and skipped. Dates as
// yyyy-MM-dd, or day first (31/10/2026, 31.10.2026). An empty To is the From day.
ParsedCalendar parseCsv(const QByteArray& bytes);
// Either, told apart by content.
ParsedCalendar parseCalendarFile(const QByteArray& bytes);
// Reads the file and parses it; a file that cannot be read is an error in the result.
ParsedCalendar readCalendarFile(const QString& path);

// The kind an entry's name suggests, for entries imported without one: a training day, a
// closure, a term (weeks long), a school year, otherwise a holiday. None for what names a term
// but is too short to be one ("First day of term"): that is a school day, not a day off.
std::optional<Kind> guessKind(const QString& name, int days);

} // namespace calendar
