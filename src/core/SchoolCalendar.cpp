#include "core/SchoolCalendar.h"

#include <QCoreApplication>

#include <algorithm>

namespace calendar {
namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(SchoolCalendar)
};

constexpr struct
{
    Kind kind;
    const char* word;
} kWords[] = {
    {Kind::Year, "Year"},
    {Kind::Term, "Term"},
    {Kind::Holiday, "Holiday"},
    {Kind::Closure, "Closure"},
    {Kind::Training, "Training"},
};

bool byDate(const Entry& a, const Entry& b)
{
    return a.from != b.from ? a.from < b.from : a.to < b.to;
}

DayKind dayKindOf(Kind kind)
{
    switch (kind) {
    case Kind::Closure:
        return DayKind::Closure;
    case Kind::Training:
        return DayKind::Training;
    default:
        return DayKind::Holiday;
    }
}

} // namespace

QString storedWord(Kind kind)
{
    for (const auto& entry : kWords) {
        if (entry.kind == kind)
            return QLatin1String(entry.word);
    }
    return QStringLiteral("Holiday");
}

Kind kindOfWord(const QString& word)
{
    for (const auto& entry : kWords) {
        if (word.compare(QLatin1String(entry.word), Qt::CaseInsensitive) == 0)
            return entry.kind;
    }
    return Kind::Holiday;
}

QString displayName(Kind kind)
{
    switch (kind) {
    case Kind::Year:
        return Text::tr("School year");
    case Kind::Term:
        return Text::tr("Term");
    case Kind::Holiday:
        return Text::tr("Holiday");
    case Kind::Closure:
        return Text::tr("Closure");
    case Kind::Training:
        return Text::tr("Training day");
    }
    return {};
}

SchoolCalendar::SchoolCalendar(QList<Entry> entries)
    : m_entries(std::move(entries))
{
    std::sort(m_entries.begin(), m_entries.end(), byDate);
    QList<Entry> years;
    for (const Entry& entry : std::as_const(m_entries)) {
        if (!entry.from.isValid() || !entry.to.isValid() || entry.to < entry.from)
            continue;
        if (entry.kind == Kind::Term)
            m_frames.append(entry);
        else if (entry.kind == Kind::Year)
            years.append(entry);
        else
            m_free.append(entry);
    }
    // The school's days run from the first year or term to the last; within that span a day
    // no term holds (or, without terms, no year) is a holiday.
    for (const QList<Entry>* frames : {&m_frames, &years}) {
        for (const Entry& frame : *frames) {
            if (!m_framedFrom.isValid() || frame.from < m_framedFrom)
                m_framedFrom = frame.from;
            if (!m_framedTo.isValid() || frame.to > m_framedTo)
                m_framedTo = frame.to;
        }
    }
    if (m_frames.isEmpty())
        m_frames = years;
}

DayInfo SchoolCalendar::day(const QDate& date) const
{
    // A holiday's weekend is part of the holiday: the date picker shows half-term as one block.
    for (const Entry& entry : m_free) {
        if (entry.from > date)
            break;
        if (entry.covers(date))
            return {dayKindOf(entry.kind), entry.name};
    }
    if (date.dayOfWeek() > 5)
        return {DayKind::Weekend, Text::tr("Weekend")};
    if (m_framedFrom.isValid() && m_framedFrom <= date && date <= m_framedTo) {
        const bool framed = std::any_of(
            m_frames.cbegin(), m_frames.cend(), [&date](const Entry& frame) { return frame.covers(date); });
        if (!framed) {
            const bool terms = m_frames.constFirst().kind == Kind::Term;
            return {DayKind::Holiday, terms ? Text::tr("Outside the terms") : Text::tr("Between school years")};
        }
    }
    return {};
}

QDate SchoolCalendar::nextSchoolDay(const QDate& from, int direction) const
{
    const int step = direction < 0 ? -1 : 1;
    QDate next = from.addDays(step);
    for (int i = 0; i < 366; ++i, next = next.addDays(step)) {
        if (isSchoolDay(next))
            return next;
    }
    return from;
}

QList<QDate> SchoolCalendar::schoolDays(const QDate& from, const QDate& to) const
{
    QList<QDate> days;
    for (QDate day = from; day.isValid() && day <= to; day = day.addDays(1)) {
        if (isSchoolDay(day))
            days.append(day);
    }
    return days;
}

int SchoolCalendar::schoolDayCount(const QDate& from, const QDate& to) const
{
    int count = 0;
    for (QDate day = from; day.isValid() && day <= to; day = day.addDays(1))
        count += isSchoolDay(day) ? 1 : 0;
    return count;
}

QList<QDate> SchoolCalendar::freeDays(const QDate& from, const QDate& to) const
{
    QList<QDate> days;
    for (QDate day = from; day.isValid() && day <= to; day = day.addDays(1)) {
        if (!isSchoolDay(day))
            days.append(day);
    }
    return days;
}

QStringList SchoolCalendar::yearsOverlapping(const QDate& from, const QDate& to) const
{
    QStringList names;
    for (const Entry& entry : m_entries) {
        if (entry.kind == Kind::Year && entry.from <= to && from <= entry.to && !names.contains(entry.name))
            names.append(entry.name);
    }
    return names;
}

std::optional<Entry> SchoolCalendar::yearOf(const QDate& date) const
{
    for (const Entry& entry : m_entries) {
        if (entry.kind == Kind::Year && entry.covers(date))
            return entry;
    }
    return std::nullopt;
}

QList<Entry> SchoolCalendar::terms() const
{
    QList<Entry> terms;
    for (const Entry& entry : m_entries) {
        if (entry.kind == Kind::Term)
            terms.append(entry);
    }
    return terms;
}

} // namespace calendar
