#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// When school happens: the school's years and terms, and the days within them on which there is
// no school (holidays, closures, training days), each with a name. Kept in the register and
// shared by every computer; this is the plain value the program reasons with.
//
// A calendar governs the days it speaks of and no others. With no entries, every weekday is a
// school day, as it always was. Terms (or, without terms, years) frame the school days: a
// weekday between the first and the last of them that none of them holds is a holiday, and a
// weekday before the first or after the last is a school day as before, so that registers kept
// before a calendar was entered keep their figures.
namespace calendar {

enum class Kind {
    Year,
    Term,
    Holiday,
    Closure, // the school shut for a day it would have been open (snow, an election)
    Training, // a staff training day: no pupils
};

// The word each kind is stored as ("Year", "Term", "Holiday", "Closure", "Training"); a word the
// program does not know reads as a holiday, so that another tool's entry keeps its day free.
QString storedWord(Kind kind);
Kind kindOfWord(const QString& word);
// The kind's name as shown to the user, in the user's language.
QString displayName(Kind kind);

struct Entry
{
    qint64 id = 0; // 0 for an entry not stored yet
    Kind kind = Kind::Holiday;
    QDate from;
    QDate to; // the last day, included
    QString name;
    bool operator==(const Entry&) const = default;
    bool covers(const QDate& day) const { return from <= day && day <= to; }
};

// What a day is, for the date picker and the month grid.
enum class DayKind { SchoolDay, Weekend, Holiday, Closure, Training };

struct DayInfo
{
    DayKind kind = DayKind::SchoolDay;
    QString name; // the entry's name ("Half-term holiday"), "Weekend", or "No term" between terms
    bool isSchoolDay() const { return kind == DayKind::SchoolDay; }
};

class SchoolCalendar
{
public:
    SchoolCalendar() = default;
    explicit SchoolCalendar(QList<Entry> entries);

    const QList<Entry>& entries() const { return m_entries; }
    bool isEmpty() const { return m_entries.isEmpty(); }

    DayInfo day(const QDate& date) const;
    bool isSchoolDay(const QDate& date) const { return day(date).isSchoolDay(); }
    // The nearest school day in the direction (+1 or -1) after `from`, stepping over weekends
    // and every day the calendar keeps free; `from` itself when none lies within a year of it.
    QDate nextSchoolDay(const QDate& from, int direction) const;
    // The school days from `from` to `to`, both included, in order.
    QList<QDate> schoolDays(const QDate& from, const QDate& to) const;
    // How many there are, without listing them.
    int schoolDayCount(const QDate& from, const QDate& to) const;
    // The days of the range that are not school days, in order: what reports leave out.
    QList<QDate> freeDays(const QDate& from, const QDate& to) const;
    // The years (by name) that overlap the range, in order.
    QStringList yearsOverlapping(const QDate& from, const QDate& to) const;
    // The year or term that holds the day, if any.
    std::optional<Entry> yearOf(const QDate& date) const;
    // The terms in date order.
    QList<Entry> terms() const;

private:
    QList<Entry> m_entries;
    QList<Entry> m_frames; // terms, or years when there are no terms; by date
    QList<Entry> m_free; // holidays, closures and training days
    QDate m_framedFrom;
    QDate m_framedTo;
};

} // namespace calendar
