#include "reports/ReportQueries.h"

#include "core/Names.h"
#include "core/StatusWords.h"

#include "register/Sql.h"

#include <QHash>
#include <QSet>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <array>
#include <numeric>

namespace reports {
using namespace db;
namespace {

// The letter of each mark, as the database works it out: the four words as constants, every
// other code's word bound, each lowered by the engine itself on both sides so that the engine's
// idea of case is the only one in play. A code other than the four gets a character of its own
// (from the private-use range), so that one pass both counts each code and reads the runs; a
// word no code names is 'o'.
struct Letters
{
    QString sql;
    QVariantList values;
    QList<status::Code> codes; // by the character after kFirstCode that stands for each

    static constexpr char16_t kFirstCode = 0xE000;
    // The code a character stands for, if it stands for one.
    const status::Code* codeOf(QChar letter) const
    {
        const qsizetype index = qsizetype(letter.unicode()) - kFirstCode;
        return index >= 0 && index < codes.size() ? &codes.at(index) : nullptr;
    }
};

QChar categoryLetter(status::Category category)
{
    switch (category) {
    case status::Category::Present:
        return QLatin1Char('p');
    case status::Category::Late:
        return QLatin1Char('l');
    case status::Category::Approved:
        return QLatin1Char('v');
    case status::Category::Authorised:
        return QLatin1Char('h');
    case status::Category::Unauthorised:
        return QLatin1Char('u');
    case status::Category::NotCounted:
        return QLatin1Char('x');
    case status::Category::Unknown:
        break;
    }
    return QLatin1Char('o');
}

bool isOneOfTheFour(const QString& word)
{
    return word.isEmpty() || status::known().contains(word, Qt::CaseInsensitive);
}

Letters markLetters()
{
    Letters letters;
    letters.sql = QStringLiteral("CASE lower(coalesce(a.\"Status\", '')) WHEN '' THEN 'P' WHEN 'present' THEN 'P' "
                                 "WHEN 'late' THEN 'L' WHEN 'absent' THEN 'A' WHEN 'excused' THEN 'E'");
    for (const status::Code& code : status::book().codes()) {
        if (isOneOfTheFour(code.word))
            continue;
        letters.sql += QStringLiteral(" WHEN lower(?) THEN '%1'")
                           .arg(QChar(char16_t(Letters::kFirstCode + letters.codes.size())));
        letters.values << code.word;
        letters.codes << code;
    }
    letters.sql += QStringLiteral(" ELSE 'o' END");
    return letters;
}

// A column an older register opened read-only may not have yet reads as empty text.
QString column(const QString& qualified, int since)
{
    return openedSchemaVersion() >= since ? qualified : QStringLiteral("''");
}

// How late a mark came, in minutes; nothing on a register older than the column.
QString lateMinutesColumn()
{
    return openedSchemaVersion() >= 11 ? QStringLiteral("a.LateMinutes") : QStringLiteral("CAST(NULL AS INTEGER)");
}

// The session of a mark: the morning's on a register older than the column.
QString sessionColumn()
{
    return openedSchemaVersion() >= 12 ? QStringLiteral("a.Session") : QStringLiteral("0");
}

// A student's marks in the order they were taken: by day, the morning's before the afternoon's.
QString takenOrder()
{
    return openedSchemaVersion() >= 12 ? QStringLiteral("a.\"Date\", a.Session") : QStringLiteral("a.\"Date\"");
}

// Marks whose date is not yyyy-MM-dd text may still sort between two ISO dates ("2025-3-9",
// "2025-03-9 ");
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

// A class's marks are those of the students listed for it (its students over the range, those
// who moved out included); every class's, those of every student that still has a row.
MarkFilter markFilter(const ReportScope& scope, const QList<qint64>& classStudents = {})
{
    MarkFilter filter;
    if (scope.classId) {
        filter.sql = classStudents.isEmpty()
            ? QStringLiteral("a.StudentID IS NULL")
            : QStringLiteral("a.StudentID IN (%1)")
                  .arg(QStringList(classStudents.size(), QStringLiteral("?")).join(QLatin1Char(',')));
        for (qint64 id : classStudents)
            filter.values << id;
    } else {
        filter.sql = QStringLiteral("a.StudentID IN (SELECT id FROM tblStudents)");
    }
    filter.sql += QStringLiteral(" AND a.\"Date\" >= ? AND a.\"Date\" <= ?");
    filter.values << dateKey(scope.from) << dateKey(scope.to);
    if (needsDateCheck())
        filter.sql += QStringLiteral(" AND ") + placedDateCondition(QStringLiteral("a.\"Date\""));
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

// Who was in which class when, as a table of (sid, cid, f, t): every enrolment of a student that
// still has a row, and for a student with none the class the row names, on every day.
QString roll()
{
    if (openedSchemaVersion() < 10)
        return QStringLiteral("(SELECT id AS sid, ClassID AS cid, '' AS f, '9999-12-31' AS t FROM tblStudents)");
    return QStringLiteral("(SELECT e.StudentID AS sid, e.ClassID AS cid, e.FromDate AS f, e.ToDate AS t FROM "
                          "tblEnrolment e JOIN tblStudents st ON st.id = e.StudentID UNION ALL SELECT m.id, m.ClassID, "
                          "'', '9999-12-31' FROM tblStudents m WHERE NOT EXISTS (SELECT 1 FROM tblEnrolment x WHERE "
                          "x.StudentID = m.id))");
}

// Listing order: class name and student name in the user's language, numbers by value, then as
// written, then id.
int compareNames(const QString& a, const QString& b)
{
    return names::compare(a, b);
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

// A student's time in one class within the scope's range: the days of an enrolment, cut to the
// range.
struct Span
{
    SheetStudent student;
    QDate from;
    QDate to;
    bool holds(const QDate& day) const { return from <= day && day <= to; }
};

// Every student's spans within the range, in every class: the enrolments that overlap it, and for
// a student without any (another tool's row, or an older register) the class the row names over
// the whole range. Deleted students have none.
QList<Span> spansOf(const ReportScope& scope)
{
    // For one class: every span of the students who had one in it (they may have moved), read
    // through the class's index rather than the whole school's enrolments.
    const QString ofClass = scope.classId
        ? QStringLiteral(" AND StudentID IN (SELECT StudentID FROM tblEnrolment WHERE ClassID = ? AND FromDate <= ? "
                         "AND ToDate >= ?)")
        : QString();
    QSqlQuery query = sql::reading(openedSchemaVersion() >= 10
            ? QStringLiteral("SELECT x.StudentID, s.StudentName, x.ClassID, c.ClassName, x.FromDate, x.ToDate FROM "
                             "(SELECT StudentID, ClassID, FromDate, ToDate FROM tblEnrolment WHERE FromDate <= ? AND "
                             "ToDate >= ?%1 UNION ALL SELECT m.id, m.ClassID, '', '' FROM tblStudents m WHERE %2NOT "
                             "EXISTS (SELECT 1 FROM tblEnrolment e WHERE e.StudentID = m.id)) x JOIN tblStudents s ON "
                             "s.id = x.StudentID LEFT JOIN tblClassName c ON c.id = x.ClassID")
                  .arg(ofClass, scope.classId ? QStringLiteral("m.ClassID = ? AND ") : QString())
            : QStringLiteral("SELECT s.id, s.StudentName, s.ClassID, c.ClassName, '', '' FROM tblStudents s LEFT JOIN "
                             "tblClassName c ON c.id = s.ClassID%1")
                  .arg(scope.classId ? QStringLiteral(" WHERE s.ClassID = ?") : QString()));
    if (openedSchemaVersion() >= 10) {
        query.addBindValue(dateKey(scope.to));
        query.addBindValue(dateKey(scope.from));
        if (scope.classId) {
            query.addBindValue(*scope.classId);
            query.addBindValue(dateKey(scope.to));
            query.addBindValue(dateKey(scope.from));
        }
    }
    if (scope.classId)
        query.addBindValue(*scope.classId);
    sql::run(query);
    QList<Span> spans;
    while (query.next()) {
        const QDate from = QDate::fromString(query.value(4).toString(), Qt::ISODate);
        const QDate to = QDate::fromString(query.value(5).toString(), Qt::ISODate);
        spans.append({{query.value(0).toLongLong(), query.value(1).toString(), query.value(2).toLongLong(),
                          query.value(3).toString()},
            from.isValid() ? std::max(from, scope.from) : scope.from,
            to.isValid() ? std::min(to, scope.to) : scope.to});
    }
    return spans;
}

// The students a report lists: one row for each student and class of the scope with a span in
// the range, in class and name order.
QList<SheetStudent> studentsOf(const QList<Span>& spans, std::optional<qint64> classId)
{
    QList<SheetStudent> students;
    QSet<std::pair<qint64, qint64>> seen;
    for (const Span& span : spans) {
        if (classId && span.student.classId != *classId)
            continue;
        if (!seen.contains({span.student.id, span.student.classId})) {
            seen.insert({span.student.id, span.student.classId});
            students.append(span.student);
        }
    }
    std::sort(students.begin(), students.end(), listedBefore);
    return students;
}

// The students with more than one span in the range: their marks are divided between their
// classes by date. Everyone else's marks in the range belong to their one row.
QHash<qint64, QList<Span>> movedStudents(const QList<Span>& spans)
{
    QHash<qint64, QList<Span>> byStudent;
    for (const Span& span : spans)
        byStudent[span.student.id].append(span);
    for (auto it = byStudent.begin(); it != byStudent.end();) {
        if (it->size() < 2) {
            it = byStudent.erase(it);
        } else {
            std::sort(it->begin(), it->end(), [](const Span& a, const Span& b) { return a.from < b.from; });
            ++it;
        }
    }
    return byStudent;
}

// The counts and runs of a student's marks, given one letter per mark in the order taken. A
// code's own character counts as its category and under its word; true when some word no code
// names is among them.
bool readLetters(const QString& marks, const Letters& letters, SummaryRow& row)
{
    int run = 0;
    bool unnamed = false;
    for (QChar day : marks) {
        if (const status::Code* code = letters.codeOf(day)) {
            ++row.otherWords[code->word];
            day = categoryLetter(code->category);
        }
        unnamed = unnamed || day == u'o';
        row.add(day);
        if (notCountedLetter(day))
            continue;
        run = missedLetter(day) ? run + 1 : 0;
        row.longestAbsenceRun = std::max(row.longestAbsenceRun, run);
    }
    row.currentAbsenceRun = run;
    return unnamed;
}

// The words that no code names, for the few students that have any; the codes' own words are
// counted from their characters already.
void readOtherWords(const QList<qint64>& studentIds, const ReportScope& scope, QHash<qint64, SummaryRow*>& rows,
    const calendar::SchoolCalendar& calendar)
{
    constexpr qsizetype batch = 200;
    MarkFilter days;
    days.sql = QStringLiteral("a.\"Date\" >= ? AND a.\"Date\" <= ?");
    days.values << dateKey(scope.from) << dateKey(scope.to);
    if (needsDateCheck())
        days.sql += QStringLiteral(" AND ") + placedDateCondition(QStringLiteral("a.\"Date\""));
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
            if (isOneOfTheFour(word) || status::book().find(word))
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

QChar markLetter(const QString& word)
{
    if (word.isEmpty() || word.compare(QLatin1String(status::kPresent), Qt::CaseInsensitive) == 0)
        return QLatin1Char('P');
    if (word.compare(QLatin1String(status::kLate), Qt::CaseInsensitive) == 0)
        return QLatin1Char('L');
    if (word.compare(QLatin1String(status::kAbsent), Qt::CaseInsensitive) == 0)
        return QLatin1Char('A');
    if (word.compare(QLatin1String(status::kExcused), Qt::CaseInsensitive) == 0)
        return QLatin1Char('E');
    return categoryLetter(status::book().categoryOf(word));
}

bool missedLetter(QChar letter)
{
    return letter == QLatin1Char('A') || letter == QLatin1Char('E') || letter == QLatin1Char('h')
        || letter == QLatin1Char('u');
}

bool notCountedLetter(QChar letter)
{
    return letter == QLatin1Char('x');
}

void Tally::add(QChar letter)
{
    ++daysMarked;
    switch (letter.unicode()) {
    case 'P':
        ++present;
        ++attended;
        return;
    case 'L':
        ++late;
        ++attended;
        return;
    case 'A':
        ++absent;
        ++unauthorised;
        return;
    case 'E':
        ++excused;
        ++authorised;
        return;
    default:
        break;
    }
    ++other;
    switch (letter.unicode()) {
    case 'p':
    case 'l':
        ++attended;
        break;
    case 'v':
        ++approved;
        ++attended;
        break;
    case 'h':
        ++authorised;
        break;
    case 'u':
        ++unauthorised;
        break;
    case 'x':
        ++notCounted;
        break;
    default:
        break;
    }
}

void Tally::add(const Tally& more)
{
    daysMarked += more.daysMarked;
    present += more.present;
    late += more.late;
    absent += more.absent;
    excused += more.excused;
    other += more.other;
    for (auto it = more.otherWords.constBegin(); it != more.otherWords.constEnd(); ++it)
        otherWords[it.key()] += it.value();
    attended += more.attended;
    approved += more.approved;
    authorised += more.authorised;
    unauthorised += more.unauthorised;
    notCounted += more.notCounted;
    lateMinutes += more.lateMinutes;
}

std::optional<double> Tally::attendancePercent() const
{
    if (possible() <= 0)
        return std::nullopt;
    return 100.0 * double(attended) / double(possible());
}

namespace {

QList<qint64> idsOf(const QList<SheetStudent>& students)
{
    QList<qint64> ids;
    for (const SheetStudent& student : students)
        ids.append(student.id);
    return ids;
}

// The figures of a student who moved, class by class: their marks read one span at a time (a
// few students), each counted in the class the student was in that day.
void countMoved(const QList<Span>& spans, const calendar::SchoolCalendar& calendar,
    QHash<std::pair<qint64, qint64>, SummaryRow*>& rows)
{
    QHash<SummaryRow*, QString> letters;
    for (const Span& span : spans) {
        SummaryRow* row = rows.value({span.student.id, span.student.classId});
        if (!row || span.from > span.to)
            continue;
        const ReportScope part {span.student.classId, span.from, span.to};
        MarkFilter filter = markFilter(part, {span.student.id});
        leaveOutFreeDays(filter, calendar, part);
        QSqlQuery query
            = sql::reading(QStringLiteral("SELECT a.\"Status\", %2 FROM tblAttendance a WHERE %1 ORDER BY %3")
                               .arg(filter.sql, lateMinutesColumn(), takenOrder()));
        bind(query, filter.values);
        sql::run(query);
        QString& days = letters[row];
        while (query.next()) {
            const QString word = query.value(0).toString();
            const QChar letter = markLetter(word);
            days += letter;
            row->lateMinutes += std::max(0, query.value(1).toInt());
            // Under the code's own word, whatever case it was stored in, as the aggregate counts.
            if (!isOneOfTheFour(word)) {
                const status::Code* code = status::book().find(word);
                ++row->otherWords[code ? code->word : word];
            }
        }
    }
    for (auto it = letters.constBegin(); it != letters.constEnd(); ++it)
        readLetters(it.value(), Letters {}, *it.key());
}

} // namespace

QList<SummaryRow> summary(const ReportScope& scope)
{
    const bool validRange = scope.from.isValid() && scope.to.isValid() && scope.from <= scope.to;
    const QList<Span> spans
        = validRange ? spansOf(scope) : spansOf({scope.classId, QDate::currentDate(), QDate::currentDate()});
    const QList<SheetStudent> students = studentsOf(spans, scope.classId);
    QList<SummaryRow> rows;
    rows.reserve(students.size());
    QHash<std::pair<qint64, qint64>, SummaryRow*> byStudentAndClass;
    for (const SheetStudent& student : students) {
        SummaryRow row;
        row.studentId = student.id;
        row.studentName = student.name;
        row.classId = student.classId;
        row.className = student.className;
        rows.append(row);
    }
    for (SummaryRow& row : rows)
        byStudentAndClass.insert({row.studentId, row.classId}, &row);
    if (!validRange)
        return rows;
    const QHash<qint64, QList<Span>> moved = movedStudents(spans);
    // The aggregate counts the students who stayed in one class; those who moved are counted
    // span by span below.
    QHash<qint64, SummaryRow*> byId;
    for (SummaryRow& row : rows) {
        if (!moved.contains(row.studentId))
            byId.insert(row.studentId, &row);
    }

    // One pass over the key index: the counts, and the days in order as one letter each, from
    // which the runs are read. Window functions would give the runs too, at three times the
    // cost of the pass itself.
    const calendar::SchoolCalendar calendar = schoolCalendar();
    MarkFilter filter = markFilter(scope, idsOf(students));
    leaveOutFreeDays(filter, calendar, scope);
    const Letters letters = markLetters();
    QSqlQuery query = sql::reading(
        QStringLiteral("SELECT a.StudentID, %1, sum(%3) FROM tblAttendance a WHERE %2 GROUP BY a.StudentID")
            .arg(db::orderedConcatenation(letters.sql, takenOrder()), filter.sql, lateMinutesColumn()));
    bind(query, letters.values);
    bind(query, filter.values);
    sql::run(query);
    QList<qint64> withOtherWords;
    while (query.next()) {
        SummaryRow* row = byId.value(query.value(0).toLongLong());
        if (!row)
            continue;
        if (readLetters(query.value(1).toString(), letters, *row))
            withOtherWords.append(row->studentId);
        row->lateMinutes = std::max(0, query.value(2).toInt());
    }
    query.finish();
    if (!withOtherWords.isEmpty())
        readOtherWords(withOtherWords, scope, byId, calendar);
    for (auto it = moved.constBegin(); it != moved.constEnd(); ++it)
        countMoved(it.value(), calendar, byStudentAndClass);

    // Each student's school days are those of their time in the class.
    if (!calendar.isEmpty()) {
        const QDate until = countedUntil(scope);
        const int sessions = db::sessionsPerDay();
        for (const Span& span : spans) {
            SummaryRow* row = byStudentAndClass.value({span.student.id, span.student.classId});
            if (!row)
                continue;
            row->schoolDays
                = row->schoolDays.value_or(0) + sessions * calendar.schoolDayCount(span.from, std::min(span.to, until));
        }
        for (SummaryRow& row : rows) {
            row.schoolDays = row.schoolDays.value_or(0);
            row.notRecorded = std::max(0, *row.schoolDays - row.daysMarked);
        }
    }
    return rows;
}

std::optional<CountedDays> countedDays(const ReportScope& scope)
{
    const calendar::SchoolCalendar calendar = schoolCalendar();
    if (calendar.isEmpty() || !scope.from.isValid() || !scope.to.isValid() || scope.from > scope.to)
        return std::nullopt;
    return CountedDays {calendar.schoolDayCount(scope.from, countedUntil(scope)),
        calendar.yearsOverlapping(scope.from, scope.to), db::sessionsPerDay()};
}

Sheet sheet(const ReportScope& scope)
{
    Sheet result;
    const bool validRange = scope.from.isValid() && scope.to.isValid() && scope.from <= scope.to;
    const QList<Span> spans
        = validRange ? spansOf(scope) : spansOf({scope.classId, QDate::currentDate(), QDate::currentDate()});
    result.students = studentsOf(spans, scope.classId);
    if (!validRange)
        return result;
    QHash<qint64, int> studentIndex;
    QHash<std::pair<qint64, qint64>, int> rowOfClass;
    for (qsizetype i = 0; i < result.students.size(); ++i) {
        studentIndex.insert(result.students.at(i).id, int(i));
        rowOfClass.insert({result.students.at(i).id, result.students.at(i).classId}, int(i));
    }
    // A student who moved has a row for each class; each mark goes to the class the student was
    // in that day, and a class's sheet shows only its own days of them.
    const QHash<qint64, QList<Span>> moved = movedStudents(spans);
    const auto rowOn = [&](qint64 id, const QString& text) {
        const QDate day = QDate::fromString(text, Qt::ISODate);
        for (const Span& span : moved.value(id)) {
            if (span.holds(day))
                return rowOfClass.value({id, span.student.classId}, -1);
        }
        // A day none of the spans holds (another tool's mark) stays with the student on a sheet
        // of every class, as it always did.
        return scope.classId ? -1 : studentIndex.value(id, -1);
    };

    const MarkFilter filter = markFilter(scope, idsOf(result.students));
    QSqlQuery query
        = sql::reading(QStringLiteral("SELECT a.StudentID, a.\"Date\", a.\"Status\", a.Notes, %1, %3, %4 FROM "
                                      "tblAttendance a WHERE %2 ORDER BY a.StudentID, %5")
                           .arg(column(QStringLiteral("a.Remark"), 4), filter.sql, lateMinutesColumn(), sessionColumn(),
                               takenOrder()));
    bind(query, filter.values);
    sql::run(query);

    // Days are collected as the text the register stores, then numbered in date order. The rows
    // come by student and day, so each student's marks are already in order: they only need
    // putting in the students' listing order.
    // One table of day texts per session, so that no key has to be built for each mark.
    std::array<QHash<QString, int>, 2> dayOfText;
    QList<QString> dayTexts;
    QList<QList<SheetMark>> byStudent(result.students.size());
    qsizetype count = 0;
    Words words;
    qint64 lastId = -1;
    int student = -1;
    while (query.next()) {
        // A student's rows come together: one lookup per student, not per mark.
        const qint64 id = query.value(0).toLongLong();
        if (id != lastId) {
            lastId = id;
            student = studentIndex.value(id, -1);
        }
        const QString day = query.value(1).toString();
        const int session = std::clamp(query.value(6).toInt(), 0, 1);
        if (student >= 0 && moved.contains(id))
            student = rowOn(id, day);
        if (student < 0) {
            student = moved.contains(id) ? studentIndex.value(id, -1) : -1;
            continue;
        }
        QHash<QString, int>& days = dayOfText[size_t(session)];
        auto found = days.constFind(day);
        if (found == days.constEnd()) {
            found = days.insert(day, int(dayTexts.size()));
            // A column per register: the day's text and its session, which sorts the morning's first.
            dayTexts.append(day + QChar(u'0' + session));
        }
        QString status = query.value(2).toString();
        if (status.isEmpty())
            status = QStringLiteral("Present");
        byStudent[student].append({student, *found, words.shared(status), query.value(4).toString(),
            words.shared(query.value(3).toString()), std::max(0, query.value(5).toInt())});
        ++count;
    }
    query.finish();

    QList<int> order(dayTexts.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](int a, int b) { return dayTexts.at(a) < dayTexts.at(b); });
    QList<int> renumbered(dayTexts.size());
    for (qsizetype i = 0; i < order.size(); ++i) {
        renumbered[order.at(i)] = int(i);
        const QString& text = dayTexts.at(order.at(i));
        result.days.append(QDate::fromString(text.chopped(1), Qt::ISODate));
        result.sessions.append(text.back() == u'1' ? db::Session::Afternoon : db::Session::Morning);
        result.twoSessions = result.twoSessions || result.sessions.back() == db::Session::Afternoon;
    }
    // Marks changed after they were first saved, as their history tells: one read of the range
    // through the history's index of days.
    QSet<QString> amended;
    if (openedSchemaVersion() >= 5 && count > 0) {
        QSqlQuery changes
            = sql::reading(QStringLiteral(
                "SELECT h.StudentID, h.\"Date\", %1 FROM tblHistory h WHERE h.\"Date\" >= ? AND h.\"Date\" <= "
                "? AND h.OldStatus <> '' AND (h.OldStatus <> h.NewStatus OR h.OldRemark <> h.NewRemark)")
                               .arg(openedSchemaVersion() >= 12 ? QStringLiteral("h.Session") : QStringLiteral("0")));
        // The day texts end in their session's digit, which the history's days do not have.
        changes.addBindValue(std::min_element(dayTexts.cbegin(), dayTexts.cend())->chopped(1));
        changes.addBindValue(std::max_element(dayTexts.cbegin(), dayTexts.cend())->chopped(1));
        sql::run(changes);
        while (changes.next()) {
            amended.insert(QStringLiteral("%1 %2%3")
                               .arg(changes.value(0).toLongLong())
                               .arg(changes.value(1).toString())
                               .arg(std::clamp(changes.value(2).toInt(), 0, 1)));
        }
    }
    // The notes are the class's for the day; the first student listed with notes speaks for the
    // class, as the first card does.
    result.dayNotes.resize(result.days.size());
    result.marks.reserve(count);
    for (QList<SheetMark>& marks : byStudent) {
        for (SheetMark& mark : marks) {
            if (!amended.isEmpty()) {
                mark.amended = amended.contains(
                    QStringLiteral("%1 %2").arg(result.students.at(mark.student).id).arg(dayTexts.at(mark.day)));
            }
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
    // One statement: per class and register of the day (two where the school keeps two), its
    // students that day through the class's own index, and one indexed lookup of a mark each
    // until one is found.
    const bool sessions = openedSchemaVersion() >= 12;
    const int registers = sessions ? db::sessionsPerDay() : 1;
    const QString key = dateKey(day);
    QSqlQuery query = sql::reading(openedSchemaVersion() >= 10
            ? QStringLiteral(
                "SELECT id, ClassName, n, s FROM (SELECT c.id, c.ClassName, %3 AS s, (SELECT count(*) FROM "
                "tblEnrolment e JOIN tblStudents st ON st.id = e.StudentID WHERE e.ClassID = c.id AND e.FromDate <= "
                "? AND e.ToDate >= ?) + (SELECT count(*) FROM tblStudents m WHERE m.ClassID = c.id AND NOT EXISTS "
                "(SELECT 1 FROM tblEnrolment x WHERE x.StudentID = m.id)) AS n FROM tblClassName c%4 WHERE NOT "
                "EXISTS (SELECT 1 FROM tblEnrolment e JOIN tblAttendance a ON a.StudentID = e.StudentID AND "
                "a.\"Date\" = ?%2 WHERE e.ClassID = c.id AND e.FromDate <= ? AND e.ToDate >= ?) AND NOT EXISTS "
                "(SELECT 1 FROM tblStudents m JOIN tblAttendance a ON a.StudentID = m.id AND a.\"Date\" = ?%2 WHERE "
                "m.ClassID = c.id AND NOT EXISTS (SELECT 1 FROM tblEnrolment x WHERE x.StudentID = m.id))%1) AS "
                "taught WHERE n > 0")
                  .arg(classId ? QStringLiteral(" AND c.id = ?") : QString(),
                      sessions ? QStringLiteral(" AND a.Session = r.s") : QString(),
                      sessions ? QStringLiteral("r.s") : QStringLiteral("0"),
                      sessions
                          ? QStringLiteral(" JOIN (SELECT 0 AS s UNION ALL SELECT 1 AS s) r ON r.s < %1").arg(registers)
                          : QString())
            : QStringLiteral("SELECT c.id, c.ClassName, count(*), 0 FROM tblClassName c JOIN tblStudents s ON "
                             "s.ClassID = c.id WHERE NOT EXISTS (SELECT 1 FROM tblStudents m JOIN tblAttendance a ON "
                             "a.StudentID = m.id AND a.\"Date\" = ? WHERE m.ClassID = c.id)%1 GROUP BY c.id, "
                             "c.ClassName")
                  .arg(classId ? QStringLiteral(" AND c.id = ?") : QString()));
    const int days = openedSchemaVersion() >= 10 ? 6 : 1;
    for (int i = 0; i < days; ++i)
        query.addBindValue(key);
    if (classId)
        query.addBindValue(*classId);
    sql::run(query);
    QList<MissingRegister> missing;
    while (query.next()) {
        missing.append({query.value(0).toLongLong(), query.value(1).toString(), day, query.value(2).toInt(),
            registers == 2 ? std::optional(query.value(3).toInt() == 1 ? db::Session::Afternoon : db::Session::Morning)
                           : std::nullopt});
    }
    std::sort(missing.begin(), missing.end(), [](const MissingRegister& a, const MissingRegister& b) {
        const int byName = compareNames(a.className, b.className);
        if (byName != 0)
            return byName < 0;
        return a.classId != b.classId ? a.classId < b.classId : a.session < b.session;
    });
    return missing;
}

QList<MissingRegister> missingBetween(const ReportScope& scope)
{
    QList<MissingRegister> missing;
    if (!scope.from.isValid() || !scope.to.isValid() || scope.from > scope.to)
        return missing;
    // The classes that had students in the range, and on which days each had them.
    QHash<qint64, QList<Span>> spansOfClass;
    QList<MissingRegister> taught;
    // Whether the school was open is a question about every class (below), so every class's
    // students are read even when one class is asked for.
    ReportScope allClasses = scope;
    allClasses.classId.reset();
    for (const Span& span : spansOf(allClasses)) {
        if (span.student.className.isNull() && span.student.classId == 0)
            continue;
        QList<Span>& spans = spansOfClass[span.student.classId];
        if (spans.isEmpty())
            taught.append({span.student.classId, span.student.className, {}, 0, {}});
        spans.append(span);
    }
    // A class deleted since has no name, and no register to take.
    taught.removeIf([](const MissingRegister& entry) { return entry.className.isNull(); });

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
    // Where the school keeps two registers a day, each is a register to take.
    const bool twoSessions = openedSchemaVersion() >= 12 && db::sessionsPerDay() == 2;
    QSqlQuery marked
        = sql::reading(QStringLiteral(
            "SELECT r.cid, a.\"Date\", %3 FROM tblAttendance a JOIN %1 r ON r.sid = a.StudentID AND a.\"Date\" >= "
            "r.f AND a.\"Date\" <= r.t WHERE %2 GROUP BY r.cid, a.\"Date\"%4")
                           .arg(roll(), filter.sql, twoSessions ? QStringLiteral("a.Session") : QStringLiteral("0"),
                               twoSessions ? QStringLiteral(", a.Session") : QString()));
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
        taken.insert({classId, day + QChar(u'0' + std::clamp(marked.value(2).toInt(), 0, 1))});
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
        const QList<Span>& spans = spansOfClass.value(entry.classId);
        for (const QDate& day : std::as_const(days)) {
            const int students = int(
                std::count_if(spans.cbegin(), spans.cend(), [&day](const Span& span) { return span.holds(day); }));
            if (students <= 0)
                continue;
            if (!twoSessions && !taken.contains({entry.classId, dateKey(day) + u'0'})) {
                missing.append({entry.classId, entry.className, day, students, {}});
                continue;
            }
            for (const db::Session session : {db::Session::Morning, db::Session::Afternoon}) {
                if (twoSessions && !taken.contains({entry.classId, dateKey(day) + QChar(u'0' + int(session))}))
                    missing.append({entry.classId, entry.className, day, students, session});
            }
        }
    }
    return missing;
}

QList<DayCounts> dailyCounts(const ReportScope& scope)
{
    QList<DayCounts> days;
    if (!scope.from.isValid() || !scope.to.isValid() || scope.from > scope.to)
        return days;
    const MarkFilter filter = markFilter(scope, idsOf(studentsOf(spansOf(scope), scope.classId)));
    const Letters letters = markLetters();
    QSqlQuery query = sql::reading(QStringLiteral("SELECT a.\"Date\", %1, count(*) FROM tblAttendance a WHERE %2 "
                                                  "GROUP BY 1, 2 ORDER BY 1")
                                       .arg(letters.sql, filter.sql));
    bind(query, letters.values);
    bind(query, filter.values);
    sql::run(query);
    while (query.next()) {
        const QDate date = QDate::fromString(query.value(0).toString(), Qt::ISODate);
        if (!date.isValid())
            continue;
        if (days.isEmpty() || days.last().date != date) {
            days.append(DayCounts {});
            days.last().date = date;
        }
        const QString letter = query.value(1).toString();
        if (letter.isEmpty())
            continue;
        const status::Code* code = letters.codeOf(letter.at(0));
        const QChar counted = code ? categoryLetter(code->category) : letter.at(0);
        for (int n = query.value(2).toInt(); n > 0; --n)
            days.last().add(counted);
    }
    return days;
}

QList<ReportHistoryRow> historyOf(const ReportScope& scope)
{
    QList<ReportHistoryRow> rows;
    if (openedSchemaVersion() < 5 || !scope.from.isValid() || !scope.to.isValid() || scope.from > scope.to)
        return rows;
    // A change belongs to the class the student was in on its day, as its mark does.
    QMultiHash<qint64, Span> spansByStudent;
    for (const Span& span : spansOf(scope))
        spansByStudent.insert(span.student.id, span);
    const QString ofClass = !scope.classId ? QString()
        : openedSchemaVersion() >= 10      ? QStringLiteral(
                   " AND (s.ClassID = ? OR h.StudentID IN (SELECT StudentID FROM tblEnrolment WHERE ClassID = ?))")
                                      : QStringLiteral(" AND s.ClassID = ?");
    QSqlQuery query = sql::reading(
        QStringLiteral("SELECT h.StudentID, h.\"Date\", h.OldStatus, h.NewStatus, h.OldRemark, h.NewRemark, "
                       "h.ChangedBy, h.ChangedOn, h.ChangedAt, s.StudentName, c.ClassName, %1, %2, s.ClassID, %4, %5 "
                       "FROM tblHistory h JOIN tblStudents s ON s.id = h.StudentID LEFT JOIN tblClassName c ON c.id = "
                       "s.ClassID WHERE h.\"Date\" >= ? AND h.\"Date\" <= ?%3 ORDER BY h.\"Date\", h.id")
            .arg(column(QStringLiteral("h.OldNotes"), 7), column(QStringLiteral("h.NewNotes"), 7), ofClass,
                column(QStringLiteral("h.Reason"), 11),
                openedSchemaVersion() >= 12 ? QStringLiteral("h.Session") : QStringLiteral("0")));
    query.addBindValue(dateKey(scope.from));
    query.addBindValue(dateKey(scope.to));
    if (scope.classId) {
        query.addBindValue(*scope.classId);
        if (openedSchemaVersion() >= 10)
            query.addBindValue(*scope.classId);
    }
    sql::run(query);
    while (query.next()) {
        const QDate day = QDate::fromString(query.value(1).toString(), Qt::ISODate);
        if (!day.isValid())
            continue;
        const qint64 studentId = query.value(0).toLongLong();
        // Without an enrolment holding the day (a mark written before a move was dated back),
        // the change stays with the class the row names.
        qint64 classId = query.value(13).toLongLong();
        QString className = query.value(10).toString();
        const auto spans = spansByStudent.equal_range(studentId);
        for (auto span = spans.first; span != spans.second; ++span) {
            if (span->holds(day)) {
                classId = span->student.classId;
                className = span->student.className;
                break;
            }
        }
        if (scope.classId && classId != *scope.classId)
            continue;
        rows.append({{studentId, day, query.value(2).toString(), query.value(3).toString(), query.value(4).toString(),
                         query.value(5).toString(), query.value(6).toString(), query.value(7).toString(),
                         query.value(8).toString(), query.value(11).toString(), query.value(12).toString(),
                         query.value(14).toString(),
                         query.value(15).toInt() == 1 ? db::Session::Afternoon : db::Session::Morning},
            query.value(9).toString(), className});
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
