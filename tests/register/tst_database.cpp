#include "TestSupport.h"

#include "attendance/PhotoCache.h"
#include "backup/PhotoCompaction.h"
#include "core/Failure.h"
#include "core/MachineSettings.h"
#include "core/Photo.h"
#include "register/Database.h"
#include "register/RegisterEvents.h"
#include "reports/ReportQueries.h"
#include "reports/ReportTables.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

#include <unistd.h>

namespace {

qint64 count(const QString& sql)
{
    QSqlQuery query(db::connection());
    if (!query.exec(sql) || !query.next())
        return -1;
    return query.value(0).toLongLong();
}

QList<db::CardMark> present(const QList<qint64>& ids)
{
    QList<db::CardMark> cards;
    for (qint64 id : ids)
        cards.append({id, QStringLiteral("Present")});
    return cards;
}

QString failureOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const Failure& failure) {
        return failure.description();
    }
    return QString();
}

// Ends the shared connection's session on the server, as an administrator or a restart would.
void endOwnSession(TestEnvironment& env)
{
    QSqlQuery own(db::connection());
    QVERIFY(own.exec(QStringLiteral("SELECT pg_backend_pid()")) && own.next());
    const qint64 pid = own.value(0).toLongLong();
    own.finish();
    {
        QSqlDatabase other = env.otherConnection(QStringLiteral("Terminator"));
        QSqlQuery end(other);
        QVERIFY2(end.exec(QStringLiteral("SELECT pg_terminate_backend(%1, 5000)").arg(pid)),
            qPrintable(end.lastError().text()));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("Terminator"));
}

qint64 otherCount(TestEnvironment& env, const QString& sql)
{
    qint64 found = -1;
    {
        QSqlDatabase other = env.otherConnection(QStringLiteral("Counter"));
        QSqlQuery query(other);
        if (query.exec(sql) && query.next())
            found = query.value(0).toLongLong();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("Counter"));
    return found;
}

} // namespace

class DatabaseTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { REQUIRE_TEST_ENGINE(); }

    void quotesInNamesAndNotesAreStoredAsTyped()
    {
        TestEnvironment env;
        env.openRegister();
        const QString className = QStringLiteral("Mr O'Neil's class");
        const qint64 classId = db::addClass(className);
        const qint64 student = db::addStudent(QStringLiteral("D'Arcy \"Dee\" O'Brien"), classId, std::nullopt);
        QCOMPARE(db::classes().first().name, className);
        QCOMPARE(db::studentsOfClass(classId, false).first().name, QStringLiteral("D'Arcy \"Dee\" O'Brien"));

        const QDate day(2026, 3, 9);
        const QString notes = QStringLiteral("Trip to the museum; it's Year 7's turn -- don't forget");
        db::saveMarks(day, {{student, QStringLiteral("Late's")}}, notes);
        const std::optional<db::Mark> mark = db::mark(student, day);
        QVERIFY(mark);
        QCOMPARE(mark->status, QStringLiteral("Late's"));
        QCOMPARE(mark->notes, notes);
    }

    // The calendar is the register's: another computer sees an import at once, the same file
    // imported twice adds nothing, and every change is announced.
    void theCalendarIsKeptAndSharedWithoutDuplicates()
    {
        TestEnvironment env;
        env.openRegister();
        QSignalSpy changed(&db::RegisterEvents::instance(), &db::RegisterEvents::calendarChanged);
        const QList<calendar::Entry> imported
            = {{0, calendar::Kind::Holiday, QDate(2026, 10, 26), QDate(2026, 10, 30), QStringLiteral("Half-term")},
                {0, calendar::Kind::Term, QDate(2026, 9, 2), QDate(2026, 12, 18), QStringLiteral("Autumn")}};
        QCOMPARE(db::addCalendarEntries(imported), 2);
        QCOMPARE(db::addCalendarEntries(imported), 0);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(otherCount(env, QStringLiteral("SELECT count(*) FROM tblCalendar")), 2);

        calendar::Entry halfTerm = db::schoolCalendar().entries().at(1);
        QCOMPARE(halfTerm.name, QStringLiteral("Half-term"));
        halfTerm.to = QDate(2026, 11, 2);
        halfTerm.kind = calendar::Kind::Closure;
        QVERIFY(db::updateCalendarEntry(halfTerm));
        QCOMPARE(db::schoolCalendar().day(QDate(2026, 11, 2)).kind, calendar::DayKind::Closure);
        db::removeCalendarEntry(halfTerm.id);
        QVERIFY(!db::updateCalendarEntry(halfTerm));
        QVERIFY(db::schoolCalendar().isSchoolDay(QDate(2026, 11, 2)));
        QCOMPARE(changed.size(), 4);
    }

    // What a mark means decides the figures, on both engines alike: words in any case, codes of
    // each category, a word without a meaning, and a day the month does not have.
    void codesGiveTheMarksTheirMeaning()
    {
        TestEnvironment env;
        env.openRegister();
        QSignalSpy changed(&db::RegisterEvents::instance(), &db::RegisterEvents::codesChanged);
        db::saveAttendanceCodes(status::CodeBook::england());
        QCOMPARE(changed.size(), 1);
        const qint64 classId = db::addClass(QStringLiteral("7A"));
        const qint64 kim = db::addStudent(QStringLiteral("Kim"), classId, std::nullopt);
        const QStringList words {"Present", "absent", "ILLNESS", "Planned school closure", "Illness",
            "Educational visit or trip", "Holiday", "Late"};
        QDate day(2025, 9, 1);
        for (const QString& word : words) {
            db::saveMarks(day, {{kim, word}}, QString());
            day = day.addDays(day.dayOfWeek() == 5 ? 3 : 1);
        }
        QSqlQuery odd(db::connection());
        QVERIFY(odd.exec(QStringLiteral("INSERT INTO tblAttendance (StudentID, \"Date\", \"Status\") VALUES (%1, "
                                        "'2025-09-31', 'Absent')")
                             .arg(kim)));
        QCOMPARE(db::unplacedMarkCount(), 1);

        db::close();
        status::setBook(status::CodeBook());
        env.reopenRegister();
        QCOMPARE(status::book().categoryOf(QStringLiteral("illness")), status::Category::Authorised);
        QCOMPARE(status::letter(QStringLiteral("Planned school closure")), QStringLiteral("#"));

        const reports::ReportScope september {classId, QDate(2025, 9, 1), QDate(2025, 9, 30)};
        const QList<reports::SummaryRow> rows = reports::summary(september);
        QCOMPARE(rows.size(), 1);
        const reports::SummaryRow& row = rows.first();
        QCOMPARE(QList<int>({row.daysMarked, row.present, row.late, row.absent, row.excused, row.other}),
            QList<int>({8, 1, 1, 1, 0, 5}));
        QCOMPARE(
            QList<int>({row.possible(), row.attended, row.approved, row.authorised, row.unauthorised, row.notCounted}),
            QList<int>({7, 3, 1, 2, 1, 1}));
        QCOMPARE(row.otherWords.value(QStringLiteral("Holiday")), 1);
        // absent, ILLNESS, (closure: no session), Illness: three missed sessions running.
        QCOMPARE(row.longestAbsenceRun, 3);
        QCOMPARE(row.currentAbsenceRun, 0);
        QCOMPARE(row.attendancePercent().value_or(-1), 300.0 / 7.0);
        // The census counts each code once, whatever case its word was stored in.
        const reports::ReportTable census = reports::censusTable(rows);
        const auto codeCount = [&census](const QString& code) {
            for (qsizetype c = 0; c < census.columns.size(); ++c) {
                if (census.columns.at(c).header == code)
                    return census.rows.first().at(c).text;
            }
            return QStringLiteral("no column");
        };
        QCOMPARE(QStringList({codeCount("I"), codeCount("A"), codeCount("#"), codeCount("V"), codeCount("Other")}),
            QStringList({"2", "1", "1", "1", "1"}));
        reports::Tally days;
        for (const reports::DayCounts& counts : reports::dailyCounts(september))
            days.add(counts);
        QCOMPARE(QList<int>({days.daysMarked, days.possible(), days.attended, days.authorised, days.unauthorised}),
            QList<int>({8, 7, 3, 2, 1}));
    }

    // A term of two registers a day, figured by hand: every figure counts sessions, a run goes on
    // from the morning into the afternoon, and an afternoon not taken is not recorded.
    void twoRegistersADayCountSessions()
    {
        TestEnvironment env;
        env.openRegister();
        db::saveAttendanceCodes(status::CodeBook::england());
        db::setSessionsPerDay(2);
        const qint64 classId = db::addClass(QStringLiteral("8B"));
        const qint64 ana = db::addStudent(QStringLiteral("Ana"), classId, std::nullopt);
        const qint64 ben = db::addStudent(QStringLiteral("Ben"), classId, std::nullopt);
        const qint64 cal = db::addStudent(QStringLiteral("Cal"), classId, std::nullopt);
        // Two weeks of term; Friday 9 January is a closure.
        db::addCalendarEntries({{0, calendar::Kind::Term, QDate(2026, 1, 5), QDate(2026, 1, 23), "Spring"},
            {0, calendar::Kind::Holiday, QDate(2026, 1, 9), QDate(2026, 1, 9), "Closure"}});
        const QList<QDate> days {QDate(2026, 1, 5), QDate(2026, 1, 6), QDate(2026, 1, 7), QDate(2026, 1, 8),
            QDate(2026, 1, 12), QDate(2026, 1, 13), QDate(2026, 1, 14), QDate(2026, 1, 15), QDate(2026, 1, 16)};
        // Ben's morning and afternoon of each day.
        const QStringList benMornings {"Present", "Absent", "Late", "Illness", "Present", "Present",
            "Planned school closure", "Present", "Present"};
        const QStringList benAfternoons {"Absent", "Absent", "Present", "Illness", "Present",
            "Educational visit or trip", "Present", "Present", "Excused"};
        for (qsizetype d = 0; d < days.size(); ++d) {
            db::CardMark late {ben, benMornings.at(d)};
            late.lateMinutes = benMornings.at(d) == QLatin1String("Late") ? 12 : 0;
            db::saveMarks(days.at(d), {{ana, "Present"}, late, {cal, "Present"}}, QStringLiteral("AM notes"));
            db::saveMarks(days.at(d), {{ana, "Present"}, {ben, benAfternoons.at(d)}}, QStringLiteral("PM notes"),
                db::Author::current(), db::Session::Afternoon);
        }
        // The two registers of a day are apart: marks, notes and history.
        QCOMPARE(db::mark(ben, days.at(0))->status, QStringLiteral("Present"));
        QCOMPARE(db::mark(ben, days.at(0), db::Session::Afternoon)->notes, QStringLiteral("PM notes"));
        QVERIFY(!db::mark(cal, days.at(0), db::Session::Afternoon));
        QCOMPARE(db::history(ben, days.at(0), db::Session::Afternoon).first().newStatus, QStringLiteral("Absent"));
        QCOMPARE(db::history(ben, days.at(0)).size(), 1);
        QCOMPARE(db::classesTakenOn(days.at(0), db::Session::Afternoon), QSet<qint64>({classId}));
        QVERIFY(db::classesTakenOn(QDate(2026, 1, 19), db::Session::Afternoon).isEmpty());

        const reports::ReportScope term {classId, QDate(2026, 1, 5), QDate(2026, 1, 16)};
        const QList<reports::SummaryRow> rows = reports::summary(term);
        QCOMPARE(rows.size(), 3);
        const auto figures = [](const reports::SummaryRow& row) {
            return QList<int>({row.daysMarked, row.possible(), row.attended, row.approved, row.authorised,
                row.unauthorised, row.notCounted, row.lateMinutes, row.longestAbsenceRun, row.currentAbsenceRun,
                row.schoolDays.value_or(-1), row.notRecorded.value_or(-1)});
        };
        // marked, possible, attended, approved, authorised, unauthorised, not counted, minutes,
        // longest run, current run, school sessions, not recorded.
        QCOMPARE(figures(rows.at(0)), QList<int>({18, 18, 18, 0, 0, 0, 0, 0, 0, 0, 18, 0}));
        // Absent Monday afternoon and all Tuesday: one run of three sessions; ill all Thursday: two;
        // excused on the last afternoon: the current run.
        QCOMPARE(figures(rows.at(1)), QList<int>({18, 17, 11, 1, 3, 3, 1, 12, 3, 1, 18, 0}));
        QCOMPARE(figures(rows.at(2)), QList<int>({9, 9, 9, 0, 0, 0, 0, 0, 0, 0, 18, 9}));
        QCOMPARE(rows.at(1).attendancePercent().value_or(-1), 1100.0 / 17.0);
        const reports::ReportTable table = reports::summaryTable(rows, reports::countedDays(term));
        QCOMPARE(table.columns.at(2).header, QStringLiteral("School\nSessions"));

        // The sheet has a column per register, the morning's first.
        const reports::Sheet sheet = reports::sheet(term);
        QVERIFY(sheet.twoSessions);
        QCOMPARE(sheet.days.size(), 18);
        QCOMPARE(sheet.days.at(11), QDate(2026, 1, 13));
        QCOMPARE(sheet.sessions.at(11), db::Session::Afternoon);
        const reports::ReportTable printed = reports::sheetTable(sheet, false);
        QCOMPARE(printed.rows.at(1).at(1 + 11).text, QStringLiteral("V"));
        QCOMPARE(printed.rows.at(1).at(1 + 4).text, QStringLiteral("L12"));
        QVERIFY(printed.columns.at(1 + 11).header.endsWith(QStringLiteral("PM")));

        // A register not taken is one session's: the afternoon of a day whose morning was taken.
        db::saveMarks(QDate(2026, 1, 19), {{ana, "Present"}, {ben, "Present"}, {cal, "Present"}}, QString());
        const QList<reports::MissingRegister> notTaken = reports::missingOn(QDate(2026, 1, 19));
        QCOMPARE(notTaken.size(), 1);
        QCOMPARE(notTaken.first().session, std::optional(db::Session::Afternoon));
        QCOMPARE(reports::missingBetween({classId, QDate(2026, 1, 19), QDate(2026, 1, 20)}).size(), 3);
    }

    // A register closes some school days after its day: then only the named accounts can change
    // it, and a refused save writes nothing.
    void aClosedRegisterTakesChangesFromTheNamedAccountsOnly()
    {
        TestEnvironment env;
        env.openRegister();
        const qint64 classId = db::addClass(QStringLiteral("7A"));
        const qint64 kim = db::addStudent(QStringLiteral("Kim"), classId, std::nullopt);
        // Three weeks ago is more than five school days, with or without a calendar.
        const QDate past = QDate::currentDate().addDays(-21);
        db::Author teacher = db::Author::current();
        teacher.user = QStringLiteral("teacher");
        db::saveMarks(past, {{kim, "Absent"}}, QString(), teacher);
        db::setRegisterClosing({5, {QStringLiteral("head"), QStringLiteral("office")}});
        QCOMPARE(db::registerClosing().accounts, QStringList({"head", "office"}));

        teacher.reason = QStringLiteral("Came in late");
        QVERIFY_THROWS_EXCEPTION(Failure, db::saveMarks(past, {{kim, "Late"}}, QString(), teacher));
        QVERIFY(db::closedToUser(past, QStringLiteral("teacher"), db::registerClosing())
                    .contains(QStringLiteral("head, office")));
        QCOMPARE(db::mark(kim, past)->status, QStringLiteral("Absent"));
        db::saveMarks(QDate::currentDate(), {{kim, "Present"}}, QString(), teacher);
        db::Author head = teacher;
        head.user = QStringLiteral("Head");
        const db::SaveResult saved
            = db::saveMarksIfUnchanged(past, {{kim, "Late"}}, QString(), db::marks({kim}, past), head);
        QVERIFY(!saved.conflict);
        QCOMPARE(db::mark(kim, past)->status, QStringLiteral("Late"));
        db::setRegisterClosing({});
        db::saveMarks(past, {{kim, "Excused"}}, QString(), teacher);
        QCOMPARE(db::mark(kim, past)->status, QStringLiteral("Excused"));
    }

    // Every class up one year from the first day, the top year out, a class without a year left
    // alone; the year before keeps its classes, and nobody goes up twice.
    void aNewSchoolYearMovesEveryClassUpInOneGo()
    {
        TestEnvironment env;
        env.openRegister();
        const qint64 seven = db::addClass(QStringLiteral("7A"));
        const qint64 eight = db::addClass(QStringLiteral("8A"));
        const qint64 top = db::addClass(QStringLiteral("11A"));
        const qint64 staff = db::addClass(QStringLiteral("Staff"));
        db::addStudent(QStringLiteral("Ann"), seven, std::nullopt);
        db::addStudent(QStringLiteral("Ben"), seven, std::nullopt);
        db::addStudent(QStringLiteral("Cy"), eight, std::nullopt);
        const qint64 dee = db::addStudent(QStringLiteral("Dee"), top, std::nullopt);
        db::addStudent(QStringLiteral("Eve"), staff, std::nullopt);
        QCOMPARE(db::nextClassName(QStringLiteral("Year 9 (North)")), std::optional<QString>("Year 10 (North)"));

        const QDate first(2027, 9, 1);
        QStringList planned;
        for (const db::YearEndStep& step : db::planNewSchoolYear(first))
            planned << QStringLiteral("%1 %2 %3%4")
                           .arg(step.className)
                           .arg(step.students)
                           .arg(step.leaving        ? QStringLiteral("leave")
                                   : step.unchanged ? QStringLiteral("stay")
                                                    : step.toName)
                           .arg(step.toClassId == 0 && !step.leaving && !step.unchanged ? QStringLiteral(" new")
                                                                                        : QString());
        QCOMPARE(planned, QStringList({"7A 2 8A", "8A 1 9A new", "11A 1 leave", "Staff 1 stay"}));

        const db::YearEndDone done = db::startNewSchoolYear(first);
        QCOMPARE(done.moved, 3);
        QCOMPARE(done.left, 1);
        QCOMPARE(done.classesAdded, 1);
        QCOMPARE(db::cardsOfClass(eight, first).size(), 2);
        QCOMPARE(db::cardsOfClass(seven, first).size(), 0);
        QCOMPARE(db::cardsOfClass(top, first).size(), 0);
        QCOMPARE(db::cardsOfClass(staff, first).size(), 1);
        QCOMPARE(db::cardsOfClass(seven, first.addDays(-1)).size(), 2);
        QCOMPARE(db::cardsOfClass(eight, first.addDays(-1)).first().name, QStringLiteral("Cy"));
        QCOMPARE(db::cardsOfClass(top, first.addDays(-1)).first().id, dee);
    }

    // Names in the language's order, without regard to case and with numbers by value; the
    // first cards' pictures are those of the first cards in that order, not the engine's.
    void namesAreListedInTheLanguagesOrder()
    {
        TestEnvironment env;
        env.openRegister();
        for (const char* name : {"Year 10", "10B", "7A", "Year 9"})
            db::addClass(QString::fromUtf8(name));
        QStringList classNames;
        for (const db::ClassRow& row : db::classes())
            classNames << row.name;
        QCOMPARE(classNames, QStringList({"7A", "10B", "Year 9", "Year 10"}));

        const qint64 cls = db::classes().first().id;
        for (const char* name : {"Zoe", "Fred", "emma"})
            db::addStudent(QString::fromUtf8(name), cls, std::nullopt);
        db::addStudent(QStringLiteral("Élodie"), cls, StorePhoto(samplePicture(40, 40, Qt::red)));
        const QList<db::StudentRow> cards = db::cardsOfClass(cls, QDate(), 1);
        QStringList cardNames;
        for (const db::StudentRow& row : cards)
            cardNames << row.name;
        QCOMPARE(cardNames, QStringList({"Élodie", "emma", "Fred", "Zoe"}));
        QVERIFY(!cards.first().cardPicture.isEmpty());
        QCOMPARE(db::studentsOfClass(cls, false).first().name, QStringLiteral("Élodie"));
    }

    void emptyNotesAreEmptyTextAndDatesAreIso()
    {
        TestEnvironment env;
        env.openRegister();
        const qint64 classId = db::addClass(QStringLiteral("7B"));
        const qint64 student = db::addStudent(QStringLiteral("Ann"), classId, std::nullopt);
        db::saveMarks(QDate(2026, 12, 7), present({student}), QString());
        QCOMPARE(count(QStringLiteral("SELECT count(*) FROM tblAttendance WHERE Notes = '' AND Notes IS NOT NULL")), 1);
        QCOMPARE(count(QStringLiteral("SELECT count(*) FROM tblAttendance WHERE \"Date\" = '2026-12-07'")), 1);
        // A student added without a photo has empty, not missing, photo bytes.
        QCOMPARE(
            count(QStringLiteral("SELECT count(*) FROM tblStudents WHERE length(Image) = 0 AND Image IS NOT NULL")), 1);
    }

    void savingTwiceKeepsOneRowPerStudentAndDay()
    {
        TestEnvironment env;
        env.openRegister();
        const qint64 classId = db::addClass(QStringLiteral("8A"));
        QList<qint64> ids;
        for (const char* name : {"Cara", "Ben", "Abe"})
            ids << db::addStudent(QString::fromLatin1(name), classId, std::nullopt);
        const QDate day(2026, 9, 1);
        db::saveMarks(day, present(ids), QStringLiteral("first"));
        QList<db::CardMark> second = present(ids);
        second[1].status = QStringLiteral("Absent");
        db::saveMarks(day, second, QStringLiteral("second"));
        db::saveMarks(day.addDays(1), present(ids), QString());
        QCOMPARE(count(QStringLiteral("SELECT count(*) FROM tblAttendance")), 6);
        const QHash<qint64, db::Mark> marks = db::marks(ids, day);
        QCOMPARE(marks.size(), 3);
        QCOMPARE(marks.value(ids[1]).status, QStringLiteral("Absent"));
        QCOMPARE(marks.value(ids[0]).notes, QStringLiteral("second"));
        // Students come back in name order.
        const QList<db::StudentRow> students = db::studentsOfClass(classId, false);
        QCOMPARE(students.at(0).name, QStringLiteral("Abe"));
        QCOMPARE(students.at(2).name, QStringLiteral("Cara"));
    }

    void deletingAClassTakesItsStudentsAndKeepsTheirMarks()
    {
        TestEnvironment env;
        env.openRegister();
        const qint64 doomed = db::addClass(QStringLiteral("Doomed"));
        const qint64 kept = db::addClass(QStringLiteral("Kept"));
        const qint64 a = db::addStudent(QStringLiteral("A"), doomed, std::nullopt);
        const qint64 b = db::addStudent(QStringLiteral("B"), kept, std::nullopt);
        db::saveMarks(QDate(2026, 1, 5), present({a}), QString());
        db::deleteClass(doomed);
        QCOMPARE(db::classes().size(), 1);
        QVERIFY(!db::student(a));
        QVERIFY(db::student(b));
        QCOMPARE(count(QStringLiteral("SELECT count(*) FROM tblAttendance WHERE StudentID = %1").arg(a)), 1);

        db::deleteStudent(b);
        QVERIFY(!db::student(b));
    }

    void aFailedClassDeleteKeepsItsStudents()
    {
        TestEnvironment env;
        env.openRegister();
        const qint64 classId = db::addClass(QStringLiteral("Held"));
        db::addStudent(QStringLiteral("Kim"), classId, std::nullopt);
        // A trigger stands in for any failure of the second statement.
        env.refuseWrites(QStringLiteral("tblStudents"), QStringLiteral("DELETE"));
        QVERIFY_THROWS_EXCEPTION(Failure, db::deleteClass(classId));
        QCOMPARE(db::classes().size(), 1);
        QCOMPARE(db::studentsOfClass(classId, false).size(), 1);
    }

    void aFailedSaveWritesNothing()
    {
        TestEnvironment env;
        env.openRegister();
        const qint64 classId = db::addClass(QStringLiteral("9C"));
        QList<qint64> ids;
        for (int i = 0; i < 5; ++i)
            ids << db::addStudent(QStringLiteral("S%1").arg(i), classId, std::nullopt);
        env.refuseWrites(QStringLiteral("tblAttendance"), QStringLiteral("INSERT"),
            QStringLiteral("NEW.StudentID = %1").arg(ids[3]));
        QVERIFY_THROWS_EXCEPTION(Failure, db::saveMarks(QDate(2026, 2, 2), present(ids), QString()));
        QCOMPARE(count(QStringLiteral("SELECT count(*) FROM tblAttendance")), 0);
    }

    void updatingAStudentKeepsThePhotoUnlessGiven()
    {
        TestEnvironment env;
        env.openRegister();
        const qint64 first = db::addClass(QStringLiteral("One"));
        const QByteArray photo("BMfake-bytes");
        const qint64 id = db::addStudent(QStringLiteral("Lee"), first, photo);
        QVERIFY(db::updateStudent(id, QStringLiteral("Leigh"), first, std::nullopt));
        QCOMPARE(db::student(id)->image, photo);
        QCOMPARE(db::student(id)->name, QStringLiteral("Leigh"));
        QVERIFY(db::updateStudent(id, QStringLiteral("Leigh"), first, QByteArray("BMnew")));
        QCOMPARE(db::student(id)->image, QByteArray("BMnew"));
        QVERIFY(!db::updateStudent(id + 100, QStringLiteral("Nobody"), first, std::nullopt));
        // Ids beyond 16 bits are ordinary.
        QSqlQuery(db::connection())
            .exec(QStringLiteral("INSERT INTO tblClassName (id, ClassName) VALUES (40000, 'Big')"));
        const qint64 big = db::addStudent(QStringLiteral("Max"), 40000, std::nullopt);
        QCOMPARE(db::student(big)->classId, 40000);
    }

    // A register of the version before enrolments: each student is enrolled in the class the row
    // names, from the first mark (or from the beginning), so every mark shows where it did.
    void anUpgradeEnrolsEveryStudentWhereTheirMarksWere()
    {
        SQLITE_ONLY("a register on a server is made at the current schema, never by an older program");
        TestEnvironment env;
        env.openRegister();
        const qint64 classId = db::addClass(QStringLiteral("7A"));
        const qint64 marked = db::addStudent(QStringLiteral("Pat"), classId, std::nullopt);
        const qint64 unmarked = db::addStudent(QStringLiteral("Sam"), classId, std::nullopt);
        db::saveMarks(QDate(2025, 9, 8), present({marked}), QString());
        db::saveMarks(QDate(2025, 9, 3), present({marked}), QString());
        QSqlQuery query(db::connection());
        QVERIFY(query.exec(QStringLiteral("DROP TABLE tblEnrolment")));
        QVERIFY(query.exec(QStringLiteral("PRAGMA user_version = 9")));
        query.finish();
        db::close();

        db::open(env.livePath());
        QCOMPARE(count(QStringLiteral("PRAGMA user_version")), db::kSchemaVersion);
        QCOMPARE(db::enrolments(marked).size(), 1);
        QCOMPARE(db::enrolments(marked).first().from, QDate(2025, 9, 3));
        QVERIFY(!db::enrolments(marked).first().to.isValid());
        QVERIFY(!db::enrolments(unmarked).first().from.isValid());
        QCOMPARE(db::cardsOfClass(classId, QDate(2025, 9, 3)).size(), 2);
        QCOMPARE(db::cardsOfClass(classId, QDate(2025, 9, 2)).size(), 1);
        QCOMPARE(db::mark(marked, QDate(2025, 9, 8))->status, QStringLiteral("Present"));

        // A row another tool writes later, without an enrolment, is in its class on every day.
        QVERIFY(
            QSqlQuery(db::connection())
                .exec(
                    QStringLiteral("INSERT INTO tblStudents (StudentName, ClassID) VALUES ('Lou', %1)").arg(classId)));
        QCOMPARE(db::cardsOfClass(classId, QDate(2001, 1, 1)).size(), 2);
    }

    void olderRegisterGetsItsIndexesAndKeepsItsData()
    {
        SQLITE_ONLY("a register on a server is made at the current schema, never by an older program");
        TestEnvironment env;
        env.openRegister();
        const qint64 classId = db::addClass(QStringLiteral("Old"));
        const qint64 id = db::addStudent(QStringLiteral("Pat"), classId, std::nullopt);
        db::saveMarks(QDate(2020, 5, 5), present({id}), QStringLiteral("kept"));
        QSqlQuery query(db::connection());
        QVERIFY(query.exec(QStringLiteral("DROP INDEX ixAttendanceKey")));
        QVERIFY(query.exec(QStringLiteral("DROP INDEX ixStudentsClass")));
        QVERIFY(query.exec(QStringLiteral("PRAGMA user_version = 0")));
        query.finish();
        db::close();

        db::open(env.livePath());
        QCOMPARE(count(QStringLiteral("PRAGMA user_version")), db::kSchemaVersion);
        QCOMPARE(count(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'index' AND name IN "
                                      "('ixAttendanceKey', 'ixStudentsClass')")),
            2);
        QCOMPARE(db::mark(id, QDate(2020, 5, 5))->notes, QStringLiteral("kept"));
    }

    void openingRefusesWhatIsNotARegister()
    {
        SQLITE_ONLY("these are files that are not registers; serverDatabasesThatAreNoRegister has the server's");
        TestEnvironment env;
        QVERIFY_THROWS_EXCEPTION(Failure, db::open(env.root() + QStringLiteral("/missing.mdb")));
        QVERIFY(!QFile::exists(env.root() + QStringLiteral("/missing.mdb")));
        // A database without the register's tables.
        const QString other = env.root() + QStringLiteral("/other.db");
        {
            QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
            database.setDatabaseName(other);
            QVERIFY(database.open());
            QSqlQuery(database).exec(QStringLiteral("CREATE TABLE notes (x)"));
            database.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("other"));
        try {
            db::open(other);
            QFAIL("a database without the register's tables was opened");
        } catch (const Failure& failure) {
            QVERIFY(failure.description().contains(QStringLiteral("cannot be used as the register")));
        }
        QVERIFY(!db::isOpen());
        QVERIFY_THROWS_EXCEPTION(Failure, db::classes());
    }

    void settingsInErrorAreNamedWithTheirLine();
    void serverDatabasesThatAreNoRegister();
    void staffAccountsSaveButNeverRewriteTheHistory();
    void setupMistakesSayWhatIsWrongAndWhoMendsIt();
    void lostConnectionIsMadeAgainWithoutDoingAnythingTwice();
    void photoChangedElsewhereIsShownAnew();
    void photosOfEarlierVersionsShowAndConvertToTheSamePictures();

    void lookupsUseIndexes()
    {
        SQLITE_ONLY("the plans are SQLite's own; the benchmark counts the server's round trips");
        TestEnvironment env;
        env.openRegister();
        const QStringList statements = {
            QStringLiteral("SELECT \"Status\", Notes FROM tblAttendance WHERE StudentID=1 AND \"Date\"='2026-01-01'"),
            QStringLiteral("SELECT id, StudentName FROM tblStudents WHERE ClassID=1 ORDER BY StudentName, id"),
            QStringLiteral("UPDATE tblAttendance SET \"Status\"='x' WHERE StudentID=1 AND \"Date\"='2026-01-01'"),
        };
        for (const QString& statement : statements) {
            QSqlQuery plan(db::connection());
            QVERIFY(plan.exec(QStringLiteral("EXPLAIN QUERY PLAN ") + statement));
            QString details;
            while (plan.next())
                details += plan.value(3).toString() + QLatin1Char(';');
            QVERIFY2(
                details.contains(QStringLiteral("INDEX")), qPrintable(statement + QStringLiteral(" -> ") + details));
        }
    }
};

void DatabaseTest::settingsInErrorAreNamedWithTheirLine()
{
    TestEnvironment env;
    QFile settings(env.settingsPath());
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write("; the school's settings\n[register]\nengine=oracle\n");
    settings.close();
    QString said = failureOf([] { db::openConfigured(); });
    QVERIFY2(said.contains(env.settingsPath()) && said.contains(QStringLiteral("line 3")), qPrintable(said));
    QVERIFY(!db::isOpen());

    QVERIFY(settings.open(QIODevice::WriteOnly | QIODevice::Truncate));
    settings.write("[register]\nengine=postgresql\npassword=secret\n");
    settings.close();
    said = failureOf([] { db::openConfigured(); });
    QVERIFY2(said.contains(QStringLiteral("line 3")) && said.contains(QStringLiteral("never read")), qPrintable(said));

    // One settings file for every teacher: "~" and "%u" name each user's own password file.
    QVERIFY(settings.open(QIODevice::WriteOnly | QIODevice::Truncate));
    settings.write("[register]\nengine=postgresql\nsslmode=verify-full\nsslrootcert=/etc/rollvane/school-ca.crt\n"
                   "passfile=~/rollvane/%u.pgpass\n");
    settings.close();
    const QByteArray user = qgetenv("USER");
    qputenv("USER", "mrs.evans");
    const MachineSettings read = MachineSettings::read();
    qputenv("USER", user);
    QCOMPARE(read.passfile, QDir::homePath() + QStringLiteral("/rollvane/mrs.evans.pgpass"));
    QCOMPARE(read.sslrootcert, QStringLiteral("/etc/rollvane/school-ca.crt"));

    // A settings file named on purpose but missing is an error, not a quiet register of this
    // computer's own.
    QVERIFY(settings.remove());
    said = failureOf([] { db::openConfigured(); });
    QVERIFY2(said.contains(env.settingsPath()) && said.contains(QStringLiteral("does not exist")), qPrintable(said));
    QVERIFY(!db::isOpen());
}

void DatabaseTest::staffAccountsSaveButNeverRewriteTheHistory()
{
    SERVER_ONLY("who may write the history is the server's to enforce");
    TestEnvironment env;
    env.openRegister();
    const qint64 ann = db::addStudent(QStringLiteral("Ann"), db::addClass(QStringLiteral("7A")), std::nullopt);
    const QDate day(2026, 11, 2);
    db::saveMarks(day, {{ann, QStringLiteral("Late")}}, QString());
    db::close();

    // The README's set-up: a group role for the staff with the rights it lists, and a login of
    // each teacher's own in it.
    const QString group = QStringLiteral("rv_staff_%1").arg(::getpid());
    const QString teacher = QStringLiteral("rv_teacher_%1").arg(::getpid());
    QSqlDatabase owner = env.otherConnection(QStringLiteral("owner"));
    const auto as = [](QSqlDatabase& database, const QString& statement) {
        QSqlQuery query(database);
        return query.exec(statement);
    };
    for (const QString& statement : {QStringLiteral("CREATE ROLE %1 NOLOGIN").arg(group),
             QStringLiteral("CREATE ROLE %1 LOGIN IN ROLE %2").arg(teacher, group),
             QStringLiteral("GRANT CONNECT ON DATABASE %1 TO %2").arg(env.databaseName(), group),
             QStringLiteral("GRANT USAGE ON SCHEMA public TO %1").arg(group),
             QStringLiteral("GRANT SELECT ON ALL TABLES IN SCHEMA public TO %1").arg(group),
             QStringLiteral("GRANT USAGE ON ALL SEQUENCES IN SCHEMA public TO %1").arg(group),
             QStringLiteral("GRANT INSERT, UPDATE, DELETE ON tblClassName, tblStudents TO %1").arg(group),
             QStringLiteral("GRANT INSERT, UPDATE ON tblAttendance, tblSettings, tblPhotoChanges TO %1").arg(group)})
        QVERIFY2(as(owner, statement), qPrintable(statement));
    const auto dropRoles = qScopeGuard([&] {
        db::close();
        as(owner, QStringLiteral("DROP OWNED BY %1, %2").arg(teacher, group));
        as(owner, QStringLiteral("DROP ROLE %1").arg(teacher));
        as(owner, QStringLiteral("DROP ROLE %1").arg(group));
    });

    // The teacher saves; the history names the server account that saved, not what the
    // computer claims.
    db::ServerAddress address = env.server();
    address.user = teacher;
    db::openServer(address);
    db::saveMarks(day, {{ann, QStringLiteral("Absent")}}, QStringLiteral("after the trip"),
        db::Author {
            QStringLiteral("someone.else"), QStringLiteral("OFFICE-2"), QStringLiteral("2000-01-01T00:00:00Z"), {}});
    const QList<db::HistoryRow> history = db::history(ann, day);
    QCOMPARE(history.size(), 2);
    QCOMPARE(history.first().newStatus, QStringLiteral("Absent"));
    QCOMPARE(history.first().oldStatus, QStringLiteral("Late"));
    QCOMPARE(history.first().changedBy, teacher);
    QCOMPARE(history.first().changedOn, QStringLiteral("OFFICE-2"));
    QVERIFY2(history.first().changedAt.startsWith(QString::number(QDate::currentDate().year())),
        qPrintable(history.first().changedAt));
    // Saving the same marks again is no change.
    db::saveMarks(day, {{ann, QStringLiteral("Absent")}}, QStringLiteral("after the trip"));
    QCOMPARE(db::history(ann, day).size(), 2);

    // The teacher's account can neither erase nor rewrite the trail, nor lock everyone out.
    QSqlDatabase staff = db::connection();
    for (const char* statement : {"DELETE FROM tblHistory", "UPDATE tblHistory SET NewStatus = 'Present'",
             "INSERT INTO tblHistory (StudentID, \"Date\") VALUES (1, '2026-11-03')",
             "UPDATE tblSchemaVersion SET Version = 99", "DELETE FROM tblSchemaVersion"})
        QVERIFY2(!as(staff, QLatin1String(statement)), statement);
    QCOMPARE(count(QStringLiteral("SELECT count(*) FROM tblHistory")), 2);
    QCOMPARE(count(QStringLiteral("SELECT max(Version) FROM tblSchemaVersion")), db::kSchemaVersion);
}

void DatabaseTest::setupMistakesSayWhatIsWrongAndWhoMendsIt()
{
    SERVER_ONLY("the client library's and the server's refusals");
    TestEnvironment env;
    env.openRegister();
    db::addClass(QStringLiteral("7A"));
    db::close();
    const TestServer shared = TestServer::shared();
    const QString teacher = QStringLiteral("rv_password_%1").arg(::getpid());
    shared.exec(QStringLiteral("DO $$BEGIN CREATE ROLE rollvane_password_login NOLOGIN; "
                               "EXCEPTION WHEN duplicate_object THEN NULL; END$$"));
    QVERIFY(shared.exec(
        QStringLiteral("CREATE ROLE %1 LOGIN PASSWORD 'chalk' IN ROLE rollvane_password_login").arg(teacher)));
    const auto dropRole = qScopeGuard([&] {
        db::close();
        QSqlDatabase::removeDatabase(QStringLiteral("Grants"));
        shared.exec(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(env.databaseName()));
        shared.exec(QStringLiteral("DROP ROLE IF EXISTS %1").arg(teacher));
    });
    {
        QSqlDatabase owner = env.otherConnection(QStringLiteral("Grants"));
        QVERIFY(QSqlQuery(owner).exec(
            QStringLiteral("GRANT SELECT, INSERT, UPDATE ON ALL TABLES IN SCHEMA public TO %1").arg(teacher)));
    }
    const auto mended = [](const QString& said, const QString& words) {
        return said.contains(words) && !said.contains(QStringLiteral("Try again"));
    };

    // A login that needs a password, with none to be found, and then in the password file the
    // settings name, in the README's form.
    db::ServerAddress address = env.server();
    address.user = teacher;
    address.passfile = env.root() + QStringLiteral("/teacher.pgpass");
    QString said = failureOf([&] { db::openServer(address); });
    QVERIFY2(mended(said, QStringLiteral("asks for a password")) && said.contains(address.passfile), qPrintable(said));
    QFile passfile(address.passfile);
    QVERIFY(passfile.open(QIODevice::WriteOnly));
    passfile.write(QStringLiteral("*:*:*:%1:chalk\n").arg(teacher).toUtf8());
    passfile.close();
    passfile.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    db::openServer(address);
    QCOMPARE(db::classes().size(), 1);
    db::close();

    // No such database, no such account: the server's own words, and the setting to check.
    address = env.server();
    address.database = QStringLiteral("rv_no_such_register");
    said = failureOf([&] { db::openServer(address); });
    QVERIFY2(mended(said, QStringLiteral("does not exist")) && said.contains(QStringLiteral("[register]")),
        qPrintable(said));
    address = env.server();
    address.user = QStringLiteral("rv_no_such_teacher");
    said = failureOf([&] { db::openServer(address); });
    QVERIFY2(mended(said, QStringLiteral("does not exist")), qPrintable(said));

    // Encryption, on a server of its own reached over TCP: first without SSL, then with a
    // certificate made for "localhost".
    PrivateServer tcp;
    const int port = 20000 + ::getpid() % 20000;
    QVERIFY2(tcp.start(port), qPrintable(tcp.error()));
    const QString certificate = tcp.address().host + QStringLiteral("/data/server.crt");
    address = db::ServerAddress {};
    address.host = QStringLiteral("127.0.0.1");
    address.port = port;
    address.user = QStringLiteral("postgres");
    address.database = QStringLiteral("postgres");
    address.sslmode = QStringLiteral("require");
    said = failureOf([&] { db::openServer(address); });
    QVERIFY2(mended(said, QStringLiteral("offers no encrypted connection")), qPrintable(said));

    QVERIFY(tcp.address().exec(QStringLiteral("ALTER SYSTEM SET ssl = on")));
    QVERIFY(tcp.address().exec(QStringLiteral("SELECT pg_reload_conf()")));
    address.sslmode = QStringLiteral("verify-full");
    address.sslrootcert = env.root() + QStringLiteral("/school-ca.crt");
    QTRY_VERIFY_WITH_TIMEOUT(
        !(said = failureOf([&] { db::openServer(address); })).contains(QStringLiteral("no encrypted")), 10000);
    QVERIFY2(mended(said, QStringLiteral("sslrootcert=")), qPrintable(said));
    address.sslrootcert = certificate;
    said = failureOf([&] { db::openServer(address); });
    QVERIFY2(mended(said, QStringLiteral("could not be trusted")), qPrintable(said));
    address.host = QStringLiteral("localhost");
    said = failureOf([&] { db::openServer(address); });
    QVERIFY2(said.isEmpty() && db::isOpen(), qPrintable(said));
    db::close();
}

void DatabaseTest::serverDatabasesThatAreNoRegister()
{
    SERVER_ONLY("the schema version of a file is its own header, checked in the SQLite cases");
    TestEnvironment env;
    // An empty database becomes a register at the program's schema, recorded in the database.
    env.openRegister();
    db::addClass(QStringLiteral("Kept"));
    QCOMPARE(count(QStringLiteral("SELECT max(Version) FROM tblSchemaVersion")), db::kSchemaVersion);
    db::close();

    // A newer program's register is refused with the same words as a newer file, and not touched.
    const QString relations
        = QStringLiteral("SELECT count(*) FROM pg_class WHERE relnamespace = 'public'::regnamespace");
    const qint64 before = otherCount(env, relations);
    QVERIFY(otherCount(env, QStringLiteral("UPDATE tblSchemaVersion SET Version = 99 RETURNING Version")) == 99);
    const QString said = failureOf([&] { env.reopenRegister(); });
    QVERIFY2(said.contains(QStringLiteral("newer version of Rollvane (schema 99)")), qPrintable(said));
    QVERIFY(!db::isOpen());
    QCOMPARE(otherCount(env, QStringLiteral("SELECT max(Version) FROM tblSchemaVersion")), 99);
    QCOMPARE(otherCount(env, relations), before);
    QCOMPARE(otherCount(env, QStringLiteral("SELECT count(*) FROM tblClassName")), 1);

    // A database that holds other tables is refused and gets none of the register's.
    TestEnvironment foreign;
    {
        QSqlDatabase other = foreign.otherConnection(QStringLiteral("Foreign"));
        QVERIFY(QSqlQuery(other).exec(QStringLiteral("CREATE TABLE invoices (id integer, total numeric)")));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("Foreign"));
    const QString refused = failureOf([&] { foreign.openRegister(); });
    QVERIFY2(refused.contains(QStringLiteral("cannot be used as the register")), qPrintable(refused));
    QCOMPARE(otherCount(foreign, relations), 1);
}

void DatabaseTest::lostConnectionIsMadeAgainWithoutDoingAnythingTwice()
{
    SERVER_ONLY("a file's connection cannot be lost");
    TestEnvironment env;
    env.openRegister();
    const qint64 classId = db::addClass(QStringLiteral("7B"));
    const qint64 ann = db::addStudent(QStringLiteral("Ann"), classId, std::nullopt);

    // A read, and a save (which starts with its transaction), go through on a new connection.
    endOwnSession(env);
    QCOMPARE(db::classes().size(), 1);
    endOwnSession(env);
    db::saveMarks(QDate(2026, 3, 2), {{ann, QStringLiteral("Late")}}, QStringLiteral("after"));
    QCOMPARE(db::mark(ann, QDate(2026, 3, 2))->status, QStringLiteral("Late"));

    // A write outside a transaction may have been done before the connection went: it is
    // never repeated, the user is told, and the next call connects again. (Preparing it anew
    // changes nothing, so that much is done again on a new connection.)
    db::addClass(QStringLiteral("Before"));
    endOwnSession(env);
    const QString said = failureOf([] { db::addClass(QStringLiteral("Twice?")); });
    QVERIFY2(
        said.contains(QStringLiteral("The register's server this computer could not be reached")), qPrintable(said));
    QVERIFY(!db::isOpen());
    db::addClass(QStringLiteral("Once"));
    QStringList names;
    for (const db::ClassRow& row : db::classes())
        names << row.name;
    QCOMPARE(names, (QStringList {QStringLiteral("7B"), QStringLiteral("Before"), QStringLiteral("Once")}));
}

void DatabaseTest::photoChangedElsewhereIsShownAnew()
{
    TestEnvironment env;
    env.openRegister();
    const qint64 classId = db::addClass(QStringLiteral("Photos"));
    const qint64 id = db::addStudent(QStringLiteral("Pat"), classId, StorePhoto(samplePicture(40, 40, Qt::red)));
    PhotoCache::shared().clear();
    const auto centre = [&] {
        const QImage picture = cardPicture(id, QSize(20, 20)).toImage();
        return picture.pixelColor(10, 10);
    };
    QCOMPARE_COLOUR(centre(), QColor(Qt::red));
    QCoreApplication::processEvents();
    QCOMPARE_COLOUR(centre(), QColor(Qt::red));
    QCOMPARE(PhotoCache::shared().readCount(), 1); // unchanged: not read again

    // Another computer gives the student a new photo.
    {
        QSqlDatabase other = env.otherConnection(QStringLiteral("OtherComputer"));
        QSqlQuery update(other);
        QVERIFY(update.prepare(QStringLiteral("UPDATE tblStudents SET Image = ? WHERE id = ?")));
        update.addBindValue(StorePhoto(samplePicture(40, 40, Qt::blue)));
        update.addBindValue(id);
        QVERIFY2(update.exec(), qPrintable(update.lastError().text()));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("OtherComputer"));
    QCoreApplication::processEvents();
    QCOMPARE_COLOUR(centre(), QColor(Qt::blue));
    // The card picture written with the red photo went with it: the cards make theirs from the
    // blue one until the photo is written again.
    QVERIFY(db::cardsOfClass(classId).first().photoWithoutCard);
    QVERIFY(db::updateStudent(id, QStringLiteral("Pat"), classId, StorePhoto(samplePicture(40, 40, Qt::green))));
    const db::StudentRow listed = db::cardsOfClass(classId).first();
    QVERIFY(!listed.photoWithoutCard);
    QCOMPARE_COLOUR(FetchPhoto(listed.cardPicture).pixelColor(95, 97), QColor(Qt::green));
}

void DatabaseTest::photosOfEarlierVersionsShowAndConvertToTheSamePictures()
{
    TestEnvironment env;
    env.openRegister();
    const qint64 classId = db::addClass(QStringLiteral("Old photos"));
    // Photos as earlier versions and other tools stored them: whole BMP and PNG files with no
    // card picture, one that no reader takes, and none at all.
    const QList<QColor> colours {Qt::red, Qt::green, Qt::blue};
    {
        QSqlDatabase other = env.otherConnection(QStringLiteral("EarlierVersion"));
        const auto insert = [&other, classId](const QString& name, const QByteArray& image) {
            QSqlQuery query(other);
            query.prepare(QStringLiteral("INSERT INTO tblStudents (StudentName, ClassID, Image) VALUES (?, ?, ?)"));
            query.addBindValue(name);
            query.addBindValue(classId);
            query.addBindValue(image);
            return query.exec();
        };
        for (int i = 0; i < colours.size(); ++i) {
            QByteArray bytes;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            QVERIFY(samplePicture(1000, 700, colours.at(i)).save(&buffer, i == 2 ? "PNG" : "BMP"));
            QVERIFY(insert(QStringLiteral("Student %1").arg(i), bytes));
        }
        QVERIFY(insert(QStringLiteral("Student 3, unreadable"), QByteArray("BM not a picture")));
        QVERIFY(insert(QStringLiteral("Student 4, no photo"), QByteArray("")));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("EarlierVersion"));

    PhotoCache::shared().clear();
    // Renamed in the editor, a student keeps the photo stored as it was.
    const qint64 first = db::cardsOfClass(classId).first().id;
    const QByteArray firstPhoto = db::student(first)->image;
    QVERIFY(db::updateStudent(first, QStringLiteral("Student 0"), classId, std::nullopt));
    QCOMPARE(db::student(first)->image, firstPhoto);
    const QList<db::StudentRow> before = db::studentsOfClass(classId, true);
    for (qsizetype i = 0; i < colours.size(); ++i) {
        const db::StudentRow listed = db::cardsOfClass(classId).at(i);
        QVERIFY(listed.photoWithoutCard && listed.cardPicture.isEmpty());
        QCOMPARE_COLOUR(cardPicture(listed.id, kCardPhotoSize).toImage().pixelColor(47, 48), colours.at(i));
    }

    // Converted in place, after a backup: the same rows, the same pictures within JPEG's error,
    // each with its card picture; what cannot be read is left as it was.
    const backup::CompactionResult result = backup::compactPhotos();
    QVERIFY(QFileInfo::exists(result.backupPath));
    QCOMPARE(result.converted, 3);
    QCOMPARE(result.unreadable, 1);
    if (!onServer())
        QVERIFY2(result.sizeAfter < result.sizeBefore / 4,
            qPrintable(QStringLiteral("%1 -> %2").arg(result.sizeBefore).arg(result.sizeAfter)));
    const QList<db::StudentRow> after = db::studentsOfClass(classId, true);
    QCOMPARE(after.size(), before.size());
    for (qsizetype i = 0; i < after.size(); ++i) {
        QCOMPARE(after.at(i).id, before.at(i).id);
        QCOMPARE(after.at(i).name, before.at(i).name);
        if (i >= colours.size()) {
            QCOMPARE(after.at(i).image, before.at(i).image);
            continue;
        }
        QVERIFY(isCompactPhoto(after.at(i).image));
        const QImage old = FetchPhoto(before.at(i).image);
        const QImage converted = FetchPhoto(after.at(i).image);
        QCOMPARE(converted.size(), QSize(800, 560));
        for (const QPointF& at : {QPointF(0.5, 0.5), QPointF(0.1, 0.1), QPointF(0.35, 0.65), QPointF(0.9, 0.3)}) {
            QCOMPARE_COLOUR(converted.pixelColor(int(at.x() * 800), int(at.y() * 560)),
                old.pixelColor(int(at.x() * 1000), int(at.y() * 700)));
        }
        const db::StudentRow card = db::cardsOfClass(classId).at(i);
        QVERIFY(!card.photoWithoutCard);
        QCOMPARE_COLOUR(FetchPhoto(card.cardPicture).pixelColor(95, 97), colours.at(i));
    }
    // Run again, it finds nothing left to do.
    QCOMPARE(backup::compactPhotos().converted, 0);
}

QTEST_MAIN(DatabaseTest)
#include "tst_database.moc"
