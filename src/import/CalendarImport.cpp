#include "import/CalendarImport.h"

#include "core/Csv.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QSet>

#include <libical/ical.h>

#include <algorithm>
#include <memory>

namespace calendar {
namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(CalendarImport)
};

// How far a recurring event is followed, and how many of its days at most: an authority's
// calendar repeats a bank holiday yearly, with no end.
constexpr int kRecurrenceYears = 5;
constexpr int kMaxOccurrences = 400;

struct ComponentDeleter
{
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};

struct IteratorDeleter
{
    void operator()(icalrecur_iterator* iterator) const { icalrecur_iterator_free(iterator); }
};

// The day a time falls on as the school sees it: a date is itself; a time with its own zone,
// or none, falls on the day written (the publisher's day); a time in UTC on this computer's.
QDate dayOf(const icaltimetype& time)
{
    const QDate written(time.year, time.month, time.day);
    if (time.is_date || !icaltime_is_utc(time))
        return written;
    const QDateTime utc(written, QTime(time.hour, time.minute, time.second), Qt::UTC);
    return utc.toLocalTime().date();
}

// The last day an event holds: the day before an all-day event's end, and the day a timed
// event ends on, unless it ends at midnight.
QDate lastDayOf(const icaltimetype& start, const icaltimetype& end)
{
    const QDate first = dayOf(start);
    if (icaltime_is_null_time(end))
        return first;
    QDate last = dayOf(end);
    if (end.is_date || (end.hour == 0 && end.minute == 0 && end.second == 0 && last > first))
        last = last.addDays(-1);
    return std::max(first, last);
}

void sortAndMerge(QList<Entry>& entries)
{
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        if (a.from != b.from)
            return a.from < b.from;
        if (a.to != b.to)
            return a.to < b.to;
        return a.name < b.name;
    });
    entries.erase(std::unique(entries.begin(), entries.end()), entries.end());
}

void readEvent(icalcomponent* event, ParsedCalendar& parsed)
{
    if (icalcomponent_get_status(event) == ICAL_STATUS_CANCELLED)
        return;
    const QString name = QString::fromUtf8(icalcomponent_get_summary(event)).simplified();
    const icaltimetype start = icalcomponent_get_dtstart(event);
    if (icaltime_is_null_time(start) || !icaltime_is_valid_time(start)) {
        parsed.problems << Text::tr("The event “%1” has no start day and was left out.").arg(name);
        return;
    }
    const QDate first = dayOf(start);
    const int days = int(first.daysTo(lastDayOf(start, icalcomponent_get_dtend(event)))) + 1;
    const std::optional<Kind> kind = guessKind(name, days);
    if (!kind) {
        parsed.problems
            << Text::tr("“%1” names a term but holds only %n day(s); it was left out.", nullptr, days).arg(name);
        return;
    }
    const QString shownName = name.isEmpty() ? displayName(*kind) : name;
    const auto add = [&](const QDate& day) {
        if (day.isValid())
            parsed.entries.append({0, *kind, day, day.addDays(days - 1), shownName});
    };

    icalproperty* rule = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY);
    if (!rule) {
        add(first);
        return;
    }
    QSet<QDate> excluded;
    for (icalproperty* property = icalcomponent_get_first_property(event, ICAL_EXDATE_PROPERTY); property;
         property = icalcomponent_get_next_property(event, ICAL_EXDATE_PROPERTY))
        excluded.insert(dayOf(icalproperty_get_exdate(property)));
    for (icalproperty* property = icalcomponent_get_first_property(event, ICAL_RDATE_PROPERTY); property;
         property = icalcomponent_get_next_property(event, ICAL_RDATE_PROPERTY)) {
        const icaldatetimeperiodtype extra = icalproperty_get_rdate(property);
        if (!icaltime_is_null_time(extra.time))
            add(dayOf(extra.time));
    }
    const QDate until = first.addYears(kRecurrenceYears);
    std::unique_ptr<icalrecur_iterator, IteratorDeleter> iterator(
        icalrecur_iterator_new(icalproperty_get_rrule(rule), start));
    if (!iterator) {
        parsed.problems
            << Text::tr("The repeat rule of “%1” could not be read; only its first day was taken.").arg(name);
        add(first);
        return;
    }
    int count = 0;
    for (icaltimetype next = icalrecur_iterator_next(iterator.get());
         !icaltime_is_null_time(next) && count < kMaxOccurrences; next = icalrecur_iterator_next(iterator.get())) {
        const QDate day = dayOf(next);
        if (day > until)
            break;
        ++count;
        if (!excluded.contains(day))
            add(day);
    }
}

// A date as a spreadsheet holds it: ISO, or day first with slashes, dots or dashes.
QDate readDate(const QString& text)
{
    const QString trimmed = text.trimmed();
    QDate date = QDate::fromString(trimmed, Qt::ISODate);
    if (date.isValid())
        return date;
    static const QRegularExpression dayFirst(QStringLiteral("^(\\d{1,2})[/.\\-](\\d{1,2})[/.\\-](\\d{4})$"));
    const QRegularExpressionMatch match = dayFirst.match(trimmed);
    if (match.hasMatch())
        date = QDate(match.captured(3).toInt(), match.captured(2).toInt(), match.captured(1).toInt());
    return date;
}

std::optional<Kind> kindNamed(const QString& text)
{
    const QString word = text.trimmed();
    if (word.isEmpty())
        return std::nullopt;
    for (Kind kind : {Kind::Year, Kind::Term, Kind::Holiday, Kind::Closure, Kind::Training}) {
        if (word.compare(storedWord(kind), Qt::CaseInsensitive) == 0
            || word.compare(displayName(kind), Qt::CaseInsensitive) == 0)
            return kind;
    }
    return std::nullopt;
}

} // namespace

std::optional<Kind> guessKind(const QString& name, int days)
{
    const auto has = [&name](const char* pattern) {
        return QRegularExpression(QLatin1String(pattern), QRegularExpression::CaseInsensitiveOption)
            .match(name)
            .hasMatch();
    };
    if (has("\\b(inset|training|staff development|professional development|teacher day|pd day)\\b"))
        return Kind::Training;
    if (has("\\b(closure|closed)\\b"))
        return Kind::Closure;
    if (has("\\b(holiday|holidays|break|vacation|half[- ]term|mid[- ]term|bank)\\b"))
        return Kind::Holiday;
    if (has("\\b(school|academic) year\\b"))
        return days >= 150 ? std::optional(Kind::Year) : std::nullopt;
    if (has("\\b(term|semester|trimester)\\b"))
        return days >= 14 ? std::optional(Kind::Term) : std::nullopt;
    return Kind::Holiday;
}

ParsedCalendar parseICalendar(const QByteArray& bytes)
{
    ParsedCalendar parsed;
    icalerror_set_errors_are_fatal(0);
    std::unique_ptr<icalcomponent, ComponentDeleter> root(icalparser_parse_string(bytes.constData()));
    if (!root) {
        parsed.error = Text::tr("The file is not an iCalendar file that can be read.");
        return parsed;
    }
    QList<icalcomponent*> calendars;
    if (icalcomponent_isa(root.get()) == ICAL_VCALENDAR_COMPONENT) {
        calendars << root.get();
    } else {
        for (icalcomponent* child = icalcomponent_get_first_component(root.get(), ICAL_VCALENDAR_COMPONENT); child;
             child = icalcomponent_get_next_component(root.get(), ICAL_VCALENDAR_COMPONENT))
            calendars << child;
    }
    for (icalcomponent* calendar : std::as_const(calendars)) {
        for (icalcomponent* event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); event;
             event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT))
            readEvent(event, parsed);
    }
    sortAndMerge(parsed.entries);
    if (parsed.entries.isEmpty() && parsed.problems.isEmpty())
        parsed.error = Text::tr("The file holds no events.");
    return parsed;
}

ParsedCalendar parseCsv(const QByteArray& bytes)
{
    ParsedCalendar parsed;
    const csv::DecodedText decoded = csv::decodeText(bytes);
    const QList<csv::Record> records = csv::parse(decoded.text, csv::detectSeparator(decoded.text));
    bool first = true;
    for (const csv::Record& record : records) {
        const QStringList& fields = record.fields;
        if (!record.error.isEmpty()) {
            parsed.problems << Text::tr("Line %1 could not be read: %2.").arg(record.line).arg(record.error);
            continue;
        }
        const QDate from = readDate(fields.value(0));
        if (!from.isValid()) {
            // The first line may name the columns.
            if (!first)
                parsed.problems << Text::tr("Line %1: “%2” is not a date.").arg(record.line).arg(fields.value(0));
            first = false;
            continue;
        }
        first = false;
        const QString toText = fields.value(1).trimmed();
        const QDate to = toText.isEmpty() ? from : readDate(toText);
        if (!to.isValid()) {
            parsed.problems << Text::tr("Line %1: “%2” is not a date.").arg(record.line).arg(toText);
            continue;
        }
        if (to < from) {
            parsed.problems << Text::tr("Line %1: the range ends before it begins.").arg(record.line);
            continue;
        }
        const QString name = fields.value(2).simplified();
        const int days = int(from.daysTo(to)) + 1;
        std::optional<Kind> kind = kindNamed(fields.value(3));
        if (!kind)
            kind = guessKind(name, days);
        if (!kind) {
            parsed.problems << Text::tr(
                "Line %1: “%2” names a term but holds only %n day(s); it was left out.", nullptr, days)
                                   .arg(record.line)
                                   .arg(name);
            continue;
        }
        parsed.entries.append({0, *kind, from, to, name.isEmpty() ? displayName(*kind) : name});
    }
    sortAndMerge(parsed.entries);
    if (parsed.entries.isEmpty() && parsed.problems.isEmpty())
        parsed.error = Text::tr("The file holds no dates.");
    return parsed;
}

ParsedCalendar parseCalendarFile(const QByteArray& bytes)
{
    QByteArray start = bytes.left(64).trimmed();
    if (start.startsWith("\xEF\xBB\xBF"))
        start = start.mid(3);
    if (start.toUpper().startsWith("BEGIN:VCALENDAR"))
        return parseICalendar(bytes);
    return parseCsv(bytes);
}

ParsedCalendar readCalendarFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ParsedCalendar parsed;
        parsed.error = Text::tr("%1 could not be read: %2").arg(path, file.errorString());
        return parsed;
    }
    return parseCalendarFile(file.readAll());
}

} // namespace calendar
