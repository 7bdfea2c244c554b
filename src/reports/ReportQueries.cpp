#include "reports/ReportQueries.h"

#include "core/StatusWords.h"

#include "register/Sql.h"

#include <QHash>
#include <QSet>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <numeric>

namespace reports {
using namespace db;
namespace {

// The counts of a group's marks by status, as four columns: Late, Absent, Excused, and every
// word outside the known ones. A status stored empty or NULL reads as Present, as on the cards.
// The words are those the cards use; they are the program's own constants, never user text.
QString statusCounts()
{
    const auto quoted = [](const char* word) { return QStringLiteral("'%1'").arg(QLatin1String(word)); };
    const auto countOf = [&quoted](const char* word) {
        return QStringLiteral("sum(CASE a.\"Status\" WHEN %1 THEN 1 ELSE 0 END)").arg(quoted(word));
    };
    QString known;
    for (const char* word : {status::kPresent, status::kLate, status::kAbsent, status::kExcused})
        known += QStringLiteral(" WHEN %1 THEN 0").arg(quoted(word));
    return QStringLiteral("%1, %2, %3, sum(CASE coalesce(a.\"Status\", '')%4 WHEN '' THEN 0 ELSE 1 END)")
        .arg(countOf(status::kLate), countOf(status::kAbsent), countOf(status::kExcused), known);
}

// Whether the word is one the reports count apart (an empty status reads as Present).
bool isCountedWord(const QString& word)
{
    return word.isEmpty() || status::isKnown(word);
}

// A column an older register opened read-only may not have yet reads as empty text.
QString column(const QString& qualified, int since)
{
    return openedSchemaVersion() >= since ? qualified : QStringLiteral("''");
}

// Marks whose date is not yyyy-MM-dd text may still sort between two ISO dates ("2025-3-9");
// they belong to no day and are left out. Asking costs one indexed count; the filter itself
// costs a test per mark, so it is only added when there is something to leave out.
bool needsDateCheck()
{
    return openedSchemaVersion() < 3 || unplacedMarkCount() > 0;
}

// The marks of a scope's students in its range, as a condition on tblAttendance a, with the
// values to bind in order.
struct MarkFilter
{
    QString sql;
    QVariantList values;
};

MarkFilter markFilter(const ReportScope& scope)
{
    MarkFilter filter;
    filter.sql = scope.classId ? QStringLiteral("a.StudentID IN (SELECT id FROM tblStudents WHERE ClassID = ?)")
                               : QStringLiteral("a.StudentID IN (SELECT id FROM tblStudents)");
    if (scope.classId)
        filter.values << *scope.classId;
    filter.sql += QStringLiteral(" AND a.\"Date\" >= ? AND a.\"Date\" <= ?");
    filter.values << dateKey(scope.from) << dateKey(scope.to);
    if (needsDateCheck())
        filter.sql += QStringLiteral(" AND length(a.\"Date\") = 10");
    return filter;
}

// Leaves the marks of the days the calendar keeps free out of the filter: they are neither
// counted nor part of a run. The days are bound as a list; a year holds about 150.
void leaveOutFreeDays(MarkFilter& filter, const calendar::SchoolCalendar& calendar, const ReportScope& scope)
{
    if (calendar.isEmpty())
        return;
    const QList<QDate> free = calendar.freeDays(scope.from, scope.to);
    if (free.isEmpty())
        return;
    filter.sql += QStringLiteral(" AND a.\"Date\" NOT IN (%1)")
                      .arg(QStringList(free.size(), QStringLiteral("?")).join(QLatin1Char(',')));
    for (const QDate& day : free)
        filter.values << dateKey(day);
}

// The last day a report counts as a school day: none after today can have been recorded yet.
QDate countedUntil(const ReportScope& scope)
{
    return std::min(scope.to, QDate::currentDate());
}

void bind(QSqlQuery& query, const QVariantList& values)
{
    for (const QVariant& value : values)
        query.addBindValue(value);
}

QString placeholders(qsizetype count)
{
    return QStringList(count, QStringLiteral("?")).join(QLatin1Char(','));
}

// Listing order: class name and student name without regard to case, then as written, then id.
int compareNames(const QString& a, const QString& b)
{
    const int folded = a.compare(b, Qt::CaseInsensitive);
    return folded != 0 ? folded : a.compare(b);
}

bool listedBefore(const SheetStudent& a, const SheetStudent& b)
{
    if (const int byClass = compareNames(a.className, b.className))
        return byClass < 0;
    if (a.classId != b.classId)
        return a.classId < b.classId;
    if (const int byName = compareNames(a.name, b.name))
        return byName < 0;
    return a.id < b.id;
}

QList<SheetStudent> studentsOf(std::optional<qint64> classId)
{
    QSqlQuery query
        = sql::reading(classId ? QStringLiteral("SELECT s.id, s.StudentName, s.ClassID, c.ClassName FROM tblStudents s "
                                                "LEFT JOIN tblClassName c ON c.id = s.ClassID WHERE s.ClassID = ?")
                               : QStringLiteral("SELECT s.id, s.StudentName, s.ClassID, c.ClassName FROM tblStudents s "
                                                "LEFT JOIN tblClassName c ON c.id = s.ClassID"));
    if (classId)
        query.addBindValue(*classId);
    sql::run(query);
    QList<SheetStudent> students;
    while (query.next()) {
        students.append({query.value(0).toLongLong(), query.value(1).toString(), query.value(2).toLongLong(),
            query.value(3).toString()});
    }
    std::sort(students.begin(), students.end(), listedBefore);
    return students;
}

// The runs of a student's days, given one letter per marked day in date order: 'A' for a day
// not attended (Absent or Excused), anything else for a day attended or marked otherwise.
void readRuns(const QString& days, SummaryRow& row)
{
    int run = 0;
    for (const QChar day : days) {
        run = day == QLatin1Char('A') ? run + 1 : 0;
        row.longestAbsenceRun = std::max(row.longestAbsenceRun, run);
    }
    row.currentAbsenceRun = run;
}

// The words outside the four, for the few students that have any.
void readOtherWords(const QList<qint64>& studentIds, const ReportScope& scope, QHash<qint64, SummaryRow*>& rows,
    const calendar::SchoolCalendar& calendar)
{
    constexpr qsizetype batch = 200;
    MarkFilter days;
    days.sql = QStringLiteral("a.\"Date\" >= ? AND a.\"Date\" <= ?");
    days.values << dateKey(scope.from) << dateKey(scope.to);
    if (needsDateCheck())
        days.sql += QStringLiteral(" AND length(a.\"Date\") = 10");
    leaveOutFreeDays(days, calendar, scope);
    for (qsizetype start = 0; start < studentIds.size(); start += batch) {
        const QList<qint64> part = studentIds.mid(start, batch);
        QSqlQuery query
            = sql::reading(QStringLiteral("SELECT a.StudentID, a.\"Status\", count(*) FROM tblAttendance a "
                                          "WHERE a.StudentID IN (%1) AND %2 GROUP BY a.StudentID, a.\"Status\"")
                               .arg(placeholders(part.size()), days.sql));
        for (qint64 id : part)
            query.addBindValue(id);
        bind(query, days.values);
        sql::run(query);
        while (query.next()) {
            const QString word = query.value(1).toString();
            if (isCountedWord(word))
                continue;
            if (SummaryRow* row = rows.value(query.value(0).toLongLong()))
                row->otherWords[word] += query.value(2).toInt();
        }
    }
}

// The statuses shared between the many rows that hold them.
class Words
{
public:
    QString shared(const QString& word)
    {
        const auto found = m_words.constFind(word);
        if (found != m_words.constEnd())
            return *found;
        m_words.insert(word, word);
        return word;
    }

private:
    QHash<QString, QString> m_words;
};

} // namespace

std::optional<double> SummaryRow::attendancePercent() const
{
    if (daysMarked <= 0)
        return std::nullopt;
    return 100.0 * double(present + late) / double(daysMarked);
}

QList<SummaryRow> summary(const ReportScope& scope)
{
    const QList<SheetStudent> students = studentsOf(scope.classId);
    QList<SummaryRow> rows;
    rows.reserve(students.size());
    QHash<qint64, SummaryRow*> byId;
    for (const SheetStudent& student : students) {
        SummaryRow row;
        row.studentId = student.id;
        row.studentName = student.name;
        row.classId = student.classId;
        row.className = student.className;
        rows.append(row);
    }
    for (SummaryRow& row : rows)
        byId.insert(row.studentId, &row);
    if (!scope.from.isValid() || !scope.to.isValid() || scope.from > scope.to)
        return rows;

    // One pass over the key index: the counts, and the days in order as one letter each, from
    // which the runs are read. Window functions would give the runs too, at three times the
    // cost of the pass itself.
    const calendar::SchoolCalendar calendar = schoolCalendar();
    MarkFilter filter = markFilter(scope);
    leaveOutFreeDays(filter, calendar, scope);
    std::optional<int> schoolDays;
    if (!calendar.isEmpty())
        schoolDays = calendar.schoolDayCount(scope.from, countedUntil(scope));
    QSqlQuery query = sql::reading(
        QStringLiteral("SELECT a.StudentID, count(*), %1, %2 "
                       "FROM tblAttendance a WHERE %3 GROUP BY a.StudentID")
            .arg(statusCounts(),
                db::orderedConcatenation(
                    QStringLiteral("CASE a.\"Status\" WHEN '%1' THEN 'A' WHEN '%2' THEN 'A' ELSE '.' END")
                        .arg(QLatin1String(status::kAbsent), QLatin1String(status::kExcused)),
                    QStringLiteral("a.\"Date\"")),
                filter.sql));
    bind(query, filter.values);
    sql::run(query);
    QList<qint64> withOtherWords;
    while (query.next()) {
        SummaryRow* row = byId.value(query.value(0).toLongLong());
        if (!row)
            continue;
        row->daysMarked = query.value(1).toInt();
        row->late = query.value(2).toInt();
        row->absent = query.value(3).toInt();
        row->excused = query.value(4).toInt();
        row->other = query.value(5).toInt();
        row->present = row->daysMarked - row->late - row->absent - row->excused - row->other;
        readRuns(query.value(6).toString(), *row);
        if (row->other > 0)
            withOtherWords.append(row->studentId);
    }
    query.finish();
    if (!withOtherWords.isEmpty())
        readOtherWords(withOtherWords, scope, byId, calendar);
    if (schoolDays) {
        for (SummaryRow& row : rows) {
            row.schoolDays = schoolDays;
            row.notRecorded = std::max(0, *schoolDays - row.daysMarked);
        }
    }
    return rows;
}

std::optional<CountedDays> countedDays(const ReportScope& scope)
{
    const calendar::SchoolCalendar calendar = schoolCalendar();
    if (calendar.isEmpty() || !scope.from.isValid() || !scope.to.isValid() || scope.from > scope.to)
        return std::nullopt;
    return CountedDays {
        calendar.schoolDayCount(scope.from, countedUntil(scope)), calendar.yearsOverlapping(scope.from, scope.to)};
}

Sheet sheet(const ReportScope& scope)
{
    Sheet result;
    result.students = studentsOf(scope.classId);
    if (!scope.from.isValid() || !scope.to.isValid() || scope.from > scope.to)
        return result;
    QHash<qint64, int> studentIndex;
    for (qsizetype i = 0; i < result.students.size(); ++i)
        studentIndex.insert(result.students.at(i).id, int(i));

    const MarkFilter filter = markFilter(scope);
    QSqlQuery query = sql::reading(QStringLiteral("SELECT a.StudentID, a.\"Date\", a.\"Status\", a.Notes, %1 FROM "
                                                  "tblAttendance a WHERE %2 ORDER BY a.StudentID, a.\"Date\"")
                                       .arg(column(QStringLiteral("a.Remark"), 4), filter.sql));
    bind(query, filter.values);
    sql::run(query);

    // Days are collected as the text the register stores, then numbered in date order. The rows
    // come by student and day, so each student's marks are already in order: they only need
    // putting in the students' listing order.
    QHash<QString, int> dayOfText;
    QList<QString> dayTexts;
    QList<QList<SheetMark>> byStudent(result.students.size());
    qsizetype count = 0;
    Words words;
    qint64 lastId = -1;
    int student = -1;
    while (query.next()) {
        // A student's rows come together: one lookup per student, not per mark.
        if (const qint64 id = query.value(0).toLongLong(); id != lastId) {
            lastId = id;
            student = studentIndex.value(id, -1);
        }
        if (student < 0)
            continue;
        const QString text = query.value(1).toString();
        auto found = dayOfText.constFind(text);
        if (found == dayOfText.constEnd()) {
            found = dayOfText.insert(text, int(dayTexts.size()));
            dayTexts.append(text);
        }
        QString status = query.value(2).toString();
        if (status.isEmpty())
            status = QStringLiteral("Present");
        byStudent[student].append({student, *found, words.shared(status), query.value(4).toString(),
            words.shared(query.value(3).toString())});
        ++count;
    }
    query.finish();

    QList<int> order(dayTexts.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](int a, int b) { return dayTexts.at(a) < dayTexts.at(b); });
    QList<int> renumbered(dayTexts.size());
    for (qsizetype i = 0; i < order.size(); ++i) {
        renumbered[order.at(i)] = int(i);
        result.days.append(QDate::fromString(dayTexts.at(order.at(i)), Qt::ISODate));
    }
    // The notes are the class's for the day; the first student listed with notes speaks for the
    // class, as the first card does.
    result.dayNotes.resize(result.days.size());
    result.marks.reserve(count);
    for (QList<SheetMark>& marks : byStudent) {
        for (SheetMark& mark : marks) {
            mark.day = renumbered.at(mark.day);
            if (!mark.notes.isEmpty()) {
                QMap<QString, QString>& notes = result.dayNotes[mark.day];
                const QString& className = result.students.at(mark.student).className;
                if (!notes.contains(className))
                    notes.insert(className, mark.notes);
            }
            result.marks.append(std::move(mark));
        }
    }
    return result;
}

QList<MissingRegister> missingOn(const QDate& day, std::optional<qint64> classId)
{
    if (const calendar::SchoolCalendar calendar = schoolCalendar(); !calendar.isEmpty() && !calendar.isSchoolDay(day))
        return {};
    // One statement: per class, one indexed lookup per student until a mark is found.
    QSqlQuery query = sql::reading(
        QStringLiteral("SELECT c.id, c.ClassName, count(*) FROM tblClassName c JOIN tblStudents s ON s.ClassID = c.id "
                       "WHERE NOT EXISTS (SELECT 1 FROM tblStudents m JOIN tblAttendance a ON a.StudentID = m.id "
                       "AND a.\"Date\" = ? WHERE m.ClassID = c.id)%1 GROUP BY c.id, c.ClassName")
            .arg(classId ? QStringLiteral(" AND c.id = ?") : QString()));
    query.addBindValue(dateKey(day));
    if (classId)
        query.addBindValue(*classId);
    sql::run(query);
    QList<MissingRegister> missing;
    while (query.next())
        missing.append({query.value(0).toLongLong(), query.value(1).toString(), day, query.value(2).toInt()});
    std::sort(missing.begin(), missing.end(), [](const MissingRegister& a, const MissingRegister& b) {
        const int byName = compareNames(a.className, b.className);
        return byName != 0 ? byName < 0 : a.classId < b.classId;
    });
    return missing;
}

QList<MissingRegister> missingBetween(const ReportScope& scope)
{
    QList<MissingRegister> missing;
    if (!scope.from.isValid() || !scope.to.isValid() || scope.from > scope.to)
        return missing;
    QSqlQuery classes = sql::reading(
        QStringLiteral("SELECT c.id, c.ClassName, count(*) FROM tblClassName c JOIN tblStudents s ON s.ClassID = c.id "
                       "GROUP BY c.id, c.ClassName"));
    sql::run(classes);
    QList<MissingRegister> taught;
    while (classes.next())
        taught.append({classes.value(0).toLongLong(), classes.value(1).toString(), {}, classes.value(2).toInt()});
    classes.finish();

    // The days each class has marks: whether the school was open is a question about every
    // class, so this reads all of them even when one class is asked for. A calendar answers
    // that question itself.
    const calendar::SchoolCalendar calendar = schoolCalendar();
    ReportScope everyClass = scope;
    everyClass.classId.reset();
    if (!calendar.isEmpty()) {
        everyClass.to = countedUntil(scope);
        if (everyClass.to < everyClass.from)
            return missing;
    }
    const MarkFilter filter = markFilter(everyClass);
    QSqlQuery marked = sql::reading(
        QStringLiteral("SELECT s.ClassID, a.\"Date\" FROM tblAttendance a JOIN tblStudents s ON s.id = a.StudentID "
                       "WHERE %1 GROUP BY s.ClassID, a.\"Date\"")
            .arg(filter.sql));
    bind(marked, filter.values);
    sql::run(marked);
    QSet<qint64> classIds;
    for (const MissingRegister& entry : std::as_const(taught))
        classIds.insert(entry.classId);
    QSet<QString> schoolDays;
    QSet<std::pair<qint64, QString>> taken;
    while (marked.next()) {
        const qint64 classId = marked.value(0).toLongLong();
        if (!classIds.contains(classId))
            continue;
        const QString day = marked.value(1).toString();
        schoolDays.insert(day);
        taken.insert({classId, day});
    }
    marked.finish();

    QList<QDate> days;
    if (!calendar.isEmpty()) {
        days = calendar.schoolDays(everyClass.from, everyClass.to);
    } else {
        for (const QString& text : std::as_const(schoolDays)) {
            const QDate day = QDate::fromString(text, Qt::ISODate);
            if (day.isValid() && day.dayOfWeek() <= 5)
                days.append(day);
        }
        std::sort(days.begin(), days.end());
    }
    std::sort(taught.begin(), taught.end(), [](const MissingRegister& a, const MissingRegister& b) {
        const int byName = compareNames(a.className, b.className);
        return byName != 0 ? byName < 0 : a.classId < b.classId;
    });
    for (const MissingRegister& entry : std::as_const(taught)) {
        if (scope.classId && entry.classId != *scope.classId)
            continue;
        for (const QDate& day : std::as_const(days)) {
            if (!taken.contains({entry.classId, dateKey(day)}))
                missing.append({entry.classId, entry.className, day, entry.students});
        }
    }
    return missing;
}

QList<DayCounts> dailyCounts(const ReportScope& scope)
{
    QList<DayCounts> days;
    if (!scope.from.isValid() || !scope.to.isValid() || scope.from > scope.to)
        return days;
    const MarkFilter filter = markFilter(scope);
    QSqlQuery query
        = sql::reading(QStringLiteral("SELECT a.\"Date\", count(*), %1 "
                                      "FROM tblAttendance a WHERE %2 GROUP BY a.\"Date\" ORDER BY a.\"Date\"")
                           .arg(statusCounts(), filter.sql));
    bind(query, filter.values);
    sql::run(query);
    while (query.next()) {
        DayCounts day;
        day.date = QDate::fromString(query.value(0).toString(), Qt::ISODate);
        if (!day.date.isValid())
            continue;
        day.marked = query.value(1).toInt();
        day.late = query.value(2).toInt();
        day.absent = query.value(3).toInt();
        day.excused = query.value(4).toInt();
        day.other = query.value(5).toInt();
        day.present = day.marked - day.late - day.absent - day.excused - day.other;
        days.append(day);
    }
    return days;
}

QList<ReportHistoryRow> historyOf(const ReportScope& scope)
{
    QList<ReportHistoryRow> rows;
    if (openedSchemaVersion() < 5 || !scope.from.isValid() || !scope.to.isValid() || scope.from > scope.to)
        return rows;
    QSqlQuery query = sql::reading(
        QStringLiteral("SELECT h.StudentID, h.\"Date\", h.OldStatus, h.NewStatus, h.OldRemark, h.NewRemark, "
                       "h.ChangedBy, h.ChangedOn, h.ChangedAt, s.StudentName, c.ClassName, %1, %2 FROM tblHistory h "
                       "JOIN tblStudents s ON s.id = h.StudentID LEFT JOIN tblClassName c ON c.id = s.ClassID "
                       "WHERE h.\"Date\" >= ? AND h.\"Date\" <= ?%3 ORDER BY h.\"Date\", h.id")
            .arg(column(QStringLiteral("h.OldNotes"), 7), column(QStringLiteral("h.NewNotes"), 7),
                scope.classId ? QStringLiteral(" AND s.ClassID = ?") : QString()));
    query.addBindValue(dateKey(scope.from));
    query.addBindValue(dateKey(scope.to));
    if (scope.classId)
        query.addBindValue(*scope.classId);
    sql::run(query);
    while (query.next()) {
        const QDate day = QDate::fromString(query.value(1).toString(), Qt::ISODate);
        if (!day.isValid())
            continue;
        rows.append({{query.value(0).toLongLong(), day, query.value(2).toString(), query.value(3).toString(),
                         query.value(4).toString(), query.value(5).toString(), query.value(6).toString(),
                         query.value(7).toString(), query.value(8).toString(), query.value(11).toString(),
                         query.value(12).toString()},
            query.value(9).toString(), query.value(10).toString()});
    }
    // Within a day, by class and student; a student's changes stay in the order they were saved.
    std::stable_sort(rows.begin(), rows.end(), [](const ReportHistoryRow& a, const ReportHistoryRow& b) {
        if (a.change.date != b.change.date)
            return a.change.date < b.change.date;
        if (const int byClass = compareNames(a.className, b.className))
            return byClass < 0;
        return compareNames(a.studentName, b.studentName) < 0;
    });
    return rows;
}

} // namespace reports
