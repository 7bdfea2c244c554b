#include "ReportRegister.h"
#include "TestSupport.h"

#include "../../bench/StatementTrace.h"

#include "register/Database.h"
#include "reports/ReportPeriod.h"
#include "reports/ReportQueries.h"
#include "reports/ReportTables.h"

#include <QSqlQuery>
#include <QtTest>

namespace {

const reports::SummaryRow* rowOf(const QList<reports::SummaryRow>& rows, const QString& name)
{
    for (const reports::SummaryRow& row : rows) {
        if (row.studentName == name)
            return &row;
    }
    return nullptr;
}

QStringList missingText(const QList<reports::MissingRegister>& missing)
{
    QStringList text;
    for (const reports::MissingRegister& entry : missing)
        text << QStringLiteral("%1 %2 %3").arg(entry.className, entry.date.toString(Qt::ISODate)).arg(entry.students);
    return text;
}

// The statements a piece of work runs, as the engine saw them.
QStringList traced(const std::function<void()>& work)
{
    StatementTrace trace(db::connection());
    trace.start();
    work();
    trace.stop();
    return trace.statements();
}

QStringList planOf(const QString& statement)
{
    QString text = statement;
    static const QRegularExpression placeholder(QStringLiteral(":\\d+\\b"));
    const qsizetype values = text.count(placeholder);
    text.replace(placeholder, QStringLiteral("?"));
    QSqlQuery plan(db::connection());
    if (!plan.prepare(QStringLiteral("EXPLAIN QUERY PLAN ") + text))
        return {plan.lastError().text()};
    for (qsizetype i = 0; i < values; ++i)
        plan.addBindValue(QStringLiteral("2024-01-01"));
    plan.exec();
    QStringList lines;
    while (plan.next())
        lines << plan.value(3).toString();
    return lines;
}

} // namespace

class ReportsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void summaryCountsEveryWordAndReadsRunsOverMarkedDays()
    {
        TestEnvironment env;
        env.openRegister();
        const ReportRegister r = ReportRegister::build();
        const QList<reports::SummaryRow> rows
            = reports::summary({std::nullopt, ReportRegister::from(), ReportRegister::to()});

        // Deleted students are left out; a student never marked is listed; class, then name.
        QStringList names;
        for (const reports::SummaryRow& row : rows)
            names << row.studentName;
        QCOMPARE(names, QStringList({"Ann", "Ben", "Cleo", "Dev", "Zed", "Eve", "Finn", "Ivy"}));
        struct Expected
        {
            const char* name;
            int days, present, late, absent, excused, other, longest, current;
            double percent;
        };
        // Ann's run of three spans 1 January and the weeks without marks; Finn's spans days on
        // which his class had no register; Dev's other words break no run and count apart.
        const Expected expected[] = {
            {"Ann", 5, 2, 0, 2, 1, 0, 3, 0, 40.0},
            {"Ben", 5, 2, 1, 2, 0, 0, 1, 1, 60.0},
            {"Cleo", 5, 1, 0, 3, 1, 0, 2, 2, 20.0},
            {"Dev", 3, 1, 0, 0, 0, 2, 0, 0, 100.0 / 3},
            {"Eve", 3, 3, 0, 0, 0, 0, 0, 0, 100.0},
            {"Finn", 3, 0, 0, 1, 2, 0, 3, 3, 0.0},
            {"Ivy", 1, 1, 0, 0, 0, 0, 0, 0, 100.0},
        };
        for (const Expected& e : expected) {
            const reports::SummaryRow* row = rowOf(rows, QString::fromLatin1(e.name));
            QVERIFY2(row, e.name);
            const QList<int> got = {row->daysMarked, row->present, row->late, row->absent, row->excused, row->other,
                row->longestAbsenceRun, row->currentAbsenceRun};
            const QList<int> want = {e.days, e.present, e.late, e.absent, e.excused, e.other, e.longest, e.current};
            QVERIFY2(got == want, e.name);
            QVERIFY2(row->attendancePercent() && qFuzzyCompare(*row->attendancePercent(), e.percent), e.name);
        }
        QCOMPARE(rowOf(rows, QStringLiteral("Dev"))->otherWords,
            (QMap<QString, int> {{QStringLiteral("Sick"), 1}, {QStringLiteral("Trip"), 1}}));
        const reports::SummaryRow* zed = rowOf(rows, QStringLiteral("Zed"));
        QCOMPARE(zed->daysMarked, 0);
        QVERIFY(!zed->attendancePercent());
        QCOMPARE(rowOf(rows, QStringLiteral("Ann"))->className, QStringLiteral("7A"));
        Q_UNUSED(r);
    }

    void rangesCutRunsAtTheirEnds()
    {
        TestEnvironment env;
        env.openRegister();
        const ReportRegister r = ReportRegister::build();
        // Across the year end: Ann absent on both marked days, the run is current.
        QList<reports::SummaryRow> rows = reports::summary({r.classA, QDate(2023, 12, 29), QDate(2024, 1, 2)});
        QCOMPARE(rows.size(), 5);
        const reports::SummaryRow* ann = rowOf(rows, QStringLiteral("Ann"));
        QCOMPARE(ann->daysMarked, 2);
        QCOMPARE(ann->currentAbsenceRun, 2);
        QCOMPARE(rowOf(rows, QStringLiteral("Cleo"))->currentAbsenceRun, 0);
        // 29 February alone.
        rows = reports::summary({r.classA, QDate(2024, 2, 29), QDate(2024, 2, 29)});
        QCOMPARE(rowOf(rows, QStringLiteral("Ann"))->excused, 1);
        QCOMPARE(rowOf(rows, QStringLiteral("Dev"))->present, 1);
        QCOMPARE(rowOf(rows, QStringLiteral("Cleo"))->currentAbsenceRun, 1);
        // A range the wrong way round reads nothing and fails nothing.
        rows = reports::summary({r.classA, ReportRegister::to(), ReportRegister::from()});
        QCOMPARE(rowOf(rows, QStringLiteral("Ann"))->daysMarked, 0);
    }

    void sheetHasTheClassDaysAndTheirNotes()
    {
        TestEnvironment env;
        env.openRegister();
        const ReportRegister r = ReportRegister::build();
        const reports::Sheet sheet = reports::sheet({r.classA, ReportRegister::from(), ReportRegister::to()});
        // 1 January had only the deleted student's mark; 30 December belongs to 9C.
        QCOMPARE(sheet.days,
            QList<QDate>(
                {QDate(2023, 12, 28), QDate(2023, 12, 29), QDate(2024, 1, 2), QDate(2024, 2, 29), QDate(2024, 3, 1)}));
        QCOMPARE(sheet.students.size(), 5);
        QCOMPARE(sheet.marks.size(), 18);
        QCOMPARE(sheet.dayNotes.at(0).value(QStringLiteral("7A")), QStringLiteral("Carol service"));
        QVERIFY(sheet.dayNotes.at(1).isEmpty());
        // Marks come by student and day; Dev's first mark is the other tool's word.
        const reports::SheetMark& devFirst = *std::find_if(sheet.marks.begin(), sheet.marks.end(),
            [&](const reports::SheetMark& m) { return sheet.students.at(m.student).name == QLatin1String("Dev"); });
        QCOMPARE(devFirst.day, 2);
        QCOMPARE(devFirst.status, QStringLiteral("Trip"));

        // A status stored empty reads as Present, as on the cards.
        const reports::Sheet eight = reports::sheet({r.classB, ReportRegister::from(), ReportRegister::to()});
        QCOMPARE(eight.days.size(), 3);
        QCOMPARE(eight.marks.at(1).status, QStringLiteral("Present"));
    }

    void missingRegistersLeaveOutDaysWithoutSchool()
    {
        TestEnvironment env;
        env.openRegister();
        const ReportRegister r = ReportRegister::build();
        QCOMPARE(
            missingText(reports::missingOn(QDate(2024, 1, 2))), QStringList({"8B 2024-01-02 2", "9C 2024-01-02 1"}));
        // A deleted student's mark takes no class's register; 10D has nobody to mark.
        QCOMPARE(missingText(reports::missingOn(QDate(2024, 1, 1))),
            QStringList({"7A 2024-01-01 5", "8B 2024-01-01 2", "9C 2024-01-01 1"}));
        QCOMPARE(missingText(reports::missingOn(QDate(2024, 1, 2), r.classB)), QStringList({"8B 2024-01-02 2"}));
        // Over the range: 1 January and the weeks nobody marked were no school; Saturday 30
        // December is a school day for 9C but never a missing register.
        QCOMPARE(missingText(reports::missingBetween({std::nullopt, ReportRegister::from(), ReportRegister::to()})),
            QStringList({"8B 2024-01-02 2", "8B 2024-02-29 2", "9C 2023-12-28 1", "9C 2023-12-29 1", "9C 2024-01-02 1",
                "9C 2024-02-29 1", "9C 2024-03-01 1"}));
        QCOMPARE(missingText(reports::missingBetween({r.classB, ReportRegister::from(), ReportRegister::to()})),
            QStringList({"8B 2024-01-02 2", "8B 2024-02-29 2"}));
    }

    // A closure on 29 December and half-term over 29 February: their marks (taken anyway) are
    // neither counted nor part of a run, and the registers not taken are the calendar's school
    // days, 1 January among them now that no class's marks decide it.
    void aCalendarDecidesWhichDaysCount()
    {
        TestEnvironment env;
        env.openRegister();
        const ReportRegister r = ReportRegister::build();
        db::addCalendarEntries({{0, calendar::Kind::Closure, QDate(2023, 12, 29), QDate(2023, 12, 29), "Snow"},
            {0, calendar::Kind::Holiday, QDate(2024, 2, 26), QDate(2024, 2, 29), "Half-term"}});
        const reports::ReportScope scope {std::nullopt, ReportRegister::from(), ReportRegister::to()};
        const QList<reports::SummaryRow> rows = reports::summary(scope);
        const reports::SummaryRow* ann = rowOf(rows, QStringLiteral("Ann"));
        // Without the calendar: 5 days, P A A E P, a run of three.
        QCOMPARE((QList<int> {ann->daysMarked, ann->present, ann->absent, ann->excused, ann->longestAbsenceRun}),
            (QList<int> {3, 2, 1, 0, 1}));
        const reports::SummaryRow* cleo = rowOf(rows, QStringLiteral("Cleo"));
        QCOMPARE((QList<int> {cleo->daysMarked, cleo->absent, cleo->excused, cleo->currentAbsenceRun}),
            (QList<int> {3, 1, 1, 1}));
        // 47 weekdays from Thursday 28 December to Friday 1 March, five of them kept free.
        QCOMPARE(ann->schoolDays, std::optional<int>(42));
        QCOMPARE(ann->notRecorded, std::optional<int>(39));
        const std::optional<reports::CountedDays> counted = reports::countedDays(scope);
        QVERIFY(counted);
        QCOMPARE(counted->schoolDays, 42);

        QVERIFY(reports::missingOn(QDate(2024, 2, 29)).isEmpty());
        const QStringList missing = missingText(reports::missingBetween({r.classA, scope.from, scope.to}));
        QCOMPARE(missing.size(), 39);
        QVERIFY(missing.contains(QStringLiteral("7A 2024-01-01 5")));
        QVERIFY(!missing.contains(QStringLiteral("7A 2023-12-29 5")));

        // The days left out cost no sorting and no other index.
        const QStringList statements = traced([&] { reports::summary(scope); });
        const auto aggregate = std::find_if(statements.begin(), statements.end(),
            [](const QString& s) { return s.contains(QLatin1String("group_concat")); });
        QVERIFY(aggregate != statements.end());
        const QString plan = planOf(*aggregate).join(QLatin1Char('\n'));
        QVERIFY2(!plan.contains(QLatin1String("TEMP B-TREE")) && plan.contains(QLatin1String("ixAttendanceKey")),
            qPrintable(plan));
    }

    // Mo moves from 7A to 8B on Monday 2 November, after half-term; Ann leaves on 4 November.
    // Each class counts Mo for the days Mo was in it, its sheet shows only those marks, and a
    // day only 7A took (Mo still in it) leaves 8B's register not taken.
    void aStudentWhoMovedCountsInEachClassForItsOwnDays()
    {
        TestEnvironment env;
        env.openRegister();
        const qint64 classA = db::addClass(QStringLiteral("7A"));
        const qint64 classB = db::addClass(QStringLiteral("8B"));
        const qint64 ann = db::addStudent(QStringLiteral("Ann"), classA, std::nullopt);
        const qint64 mo = db::addStudent(QStringLiteral("Mo"), classA, std::nullopt);
        const qint64 bo = db::addStudent(QStringLiteral("Bo"), classB, std::nullopt);
        db::addCalendarEntries({{0, calendar::Kind::Term, QDate(2026, 9, 2), QDate(2026, 12, 18), "Autumn"},
            {0, calendar::Kind::Holiday, QDate(2026, 10, 26), QDate(2026, 10, 30), "Half-term"}});
        const auto take = [](int month, int day, QList<db::CardMark> cards, const QString& notes = QString()) {
            db::saveMarks(QDate(2026, month, day), cards, notes);
        };
        take(10, 21, {{ann, "Present"}, {mo, "Present"}});
        take(10, 22, {{ann, "Present"}, {mo, "Absent"}}, QStringLiteral("7A trip"));
        take(10, 22, {{bo, "Present"}});
        take(10, 23, {{ann, "Present"}, {mo, "Absent"}});
        take(10, 23, {{bo, "Late"}});
        db::moveStudent(mo, classB, QDate(2026, 11, 2));
        take(11, 2, {{ann, "Absent"}});
        take(11, 2, {{bo, "Present"}, {mo, "Present"}});
        take(11, 3, {{ann, "Present"}});
        take(11, 3, {{bo, "Present"}, {mo, "Absent"}});

        QCOMPARE(db::cardsOfClass(classA, QDate(2026, 10, 23)).size(), 2);
        QCOMPARE(db::cardsOfClass(classA, QDate(2026, 11, 3)).size(), 1);
        QCOMPARE(db::cardsOfClass(classB, QDate(2026, 11, 3)).size(), 2);

        // 19 October to 6 November: ten school days, five of them before the move.
        const reports::ReportScope scope {std::nullopt, QDate(2026, 10, 19), QDate(2026, 11, 6)};
        const QList<reports::SummaryRow> rows = reports::summary(scope);
        QStringList got;
        for (const reports::SummaryRow& row : rows)
            got << QStringLiteral("%1 %2: %3 marked %4P %5L %6A, run %7/%8, %9 school days, %10 not recorded")
                       .arg(row.className, row.studentName)
                       .arg(row.daysMarked)
                       .arg(row.present)
                       .arg(row.late)
                       .arg(row.absent)
                       .arg(row.longestAbsenceRun)
                       .arg(row.currentAbsenceRun)
                       .arg(row.schoolDays.value_or(-1))
                       .arg(row.notRecorded.value_or(-1));
        QCOMPARE(got,
            QStringList({"7A Ann: 5 marked 4P 0L 1A, run 1/0, 10 school days, 5 not recorded",
                "7A Mo: 3 marked 1P 0L 2A, run 2/2, 5 school days, 2 not recorded",
                "8B Bo: 4 marked 3P 1L 0A, run 0/0, 10 school days, 6 not recorded",
                "8B Mo: 2 marked 1P 0L 1A, run 1/1, 5 school days, 3 not recorded"}));
        QCOMPARE(reports::summary({classB, scope.from, scope.to}).size(), 2);

        const reports::Sheet sheetB = reports::sheet({classB, scope.from, scope.to});
        QCOMPARE(sheetB.days, (QList<QDate> {{2026, 10, 22}, {2026, 10, 23}, {2026, 11, 2}, {2026, 11, 3}}));
        QVERIFY(!sheetB.dayNotes.at(0).contains(QStringLiteral("7A")));
        QCOMPARE(sheetB.marks.size(), 6);
        const reports::Sheet sheetA = reports::sheet({classA, scope.from, scope.to});
        QCOMPARE(sheetA.marks.size(), 8);
        QCOMPARE(sheetA.dayNotes.at(1).value(QStringLiteral("7A")), QStringLiteral("7A trip"));

        // The history shows each change under the class it was made in.
        QStringList moChanges;
        for (const reports::ReportHistoryRow& row : reports::historyOf(scope)) {
            if (row.studentName == QLatin1String("Mo"))
                moChanges << row.className + row.change.date.toString(QStringLiteral(" d"));
        }
        QCOMPARE(moChanges, QStringList({"7A 21", "7A 22", "7A 23", "8B 2", "8B 3"}));
        QCOMPARE(reports::historyOf({classB, scope.from, scope.to}).size(), 6);

        QCOMPARE(missingText(reports::missingOn(QDate(2026, 10, 21))), QStringList {"8B 2026-10-21 1"});
        QVERIFY(reports::missingOn(QDate(2026, 11, 3)).isEmpty());

        // A leaver is off the cards from the day, and stays in the reports of the days before.
        db::leaveSchool(ann, QDate(2026, 11, 4));
        QCOMPARE(db::cardsOfClass(classA, QDate(2026, 11, 4)).size(), 0);
        QCOMPARE(db::cardsOfClass(classA, QDate(2026, 11, 3)).size(), 1);
        const QList<reports::SummaryRow> afterLeaving = reports::summary({classA, scope.from, scope.to});
        const reports::SummaryRow* left = rowOf(afterLeaving, "Ann");
        QVERIFY(left);
        QCOMPARE(left->daysMarked, 5);
        QCOMPARE(left->schoolDays, std::optional<int>(7));
        QVERIFY(db::studentsOfClass(classA, false).isEmpty());
        QCOMPARE(db::enrolments(mo).size(), 2);
        QCOMPARE(db::enrolments(mo).first().to, QDate(2026, 11, 1));
    }

    void dailyCountsAndHistoryFollowTheStudentsThatRemain()
    {
        TestEnvironment env;
        env.openRegister();
        const ReportRegister r = ReportRegister::build();
        const QList<reports::DayCounts> days = reports::dailyCounts({r.classA, QDate(2024, 1, 1), QDate(2024, 1, 2)});
        QCOMPARE(days.size(), 1);
        QCOMPARE(days.first().daysMarked, 4);
        QCOMPARE(days.first().absent, 2);
        QCOMPARE(days.first().other, 1);

        db::saveMarks(
            QDate(2024, 3, 1), {{r.students.value(QStringLiteral("Ben")), QStringLiteral("Late")}}, QString());
        const QList<reports::ReportHistoryRow> history
            = reports::historyOf({r.classA, QDate(2024, 3, 1), QDate(2024, 3, 1)});
        QStringList lines;
        for (const reports::ReportHistoryRow& row : history)
            lines << row.studentName + QLatin1Char(':') + row.change.oldStatus + QLatin1Char('>')
                    + row.change.newStatus;
        QCOMPARE(lines, QStringList({"Ann:>Present", "Ben:>Absent", "Ben:Absent>Late", "Cleo:>Excused", "Dev:>Sick"}));
    }

    // The runs are read from one letter per day in the order the engine hands the rows to the
    // aggregate; that is the order of the days only while no sorter comes between.
    void summaryAndMissingStayWithinTheirStatements()
    {
        TestEnvironment env;
        env.openRegister();
        const ReportRegister r = ReportRegister::build();
        const QStringList summary = traced([&] {
            reports::summary({std::nullopt, ReportRegister::from(), ReportRegister::to()});
        });
        const auto aggregate = std::find_if(
            summary.begin(), summary.end(), [](const QString& s) { return s.contains(QLatin1String("group_concat")); });
        QVERIFY(aggregate != summary.end());
        const QStringList plan = planOf(*aggregate);
        QVERIFY2(!plan.join(QLatin1Char('\n')).contains(QLatin1String("TEMP B-TREE")), qPrintable(plan.join('\n')));
        QVERIFY2(plan.join(QLatin1Char('\n')).contains(QLatin1String("ixAttendanceKey")), qPrintable(plan.join('\n')));

        // The calendar and the registers a day are read on their own, two small tables; the marks
        // in one statement.
        QStringList missing = traced([&] { reports::missingOn(QDate(2024, 1, 2)); });
        missing.removeIf([](const QString& s) {
            return s.contains(QLatin1String("tblCalendar")) || s.contains(QLatin1String("FROM tblSettings"));
        });
        QCOMPARE(missing.size(), 1);
        Q_UNUSED(r);
    }

    // Every report asks first whether there are marks to leave out; on millions of marks the
    // answer must come from the partial index, not from reading every mark.
    void unplacedMarksAreCountedFromTheirOwnIndex()
    {
        TestEnvironment env;
        env.openRegister();
        const ReportRegister r = ReportRegister::build();
        QSqlQuery odd(db::connection());
        // Ten characters, as an ISO date has, yet none; and a day February does not have.
        for (const char* date : {"2024-01-5", "2024-01-5 ", "2024-02-30"})
            QVERIFY(odd.exec(QStringLiteral("INSERT INTO tblAttendance (StudentID, \"Date\", \"Status\") VALUES (%1, "
                                            "'%2', 'Absent')")
                                 .arg(r.students.value(QStringLiteral("Ann")))
                                 .arg(QLatin1String(date))));
        const QStringList statements = traced([] { QCOMPARE(db::unplacedMarkCount(), 3); });
        QCOMPARE(statements.size(), 1);
        QVERIFY2(planOf(statements.first()).join(' ').contains(QLatin1String("ixAttendanceUnplaced")),
            qPrintable(planOf(statements.first()).join(' ')));
        // Left out of the figures, as on a register that never had the index.
        QCOMPARE(
            rowOf(reports::summary({r.classA, ReportRegister::from(), ReportRegister::to()}), QStringLiteral("Ann"))
                ->daysMarked,
            5);
        QVERIFY(odd.exec(QStringLiteral("DROP INDEX ixAttendanceUnplaced")));
        QCOMPARE(db::unplacedMarkCount(), 3);
    }

    // The alert is judged on the counts, not on the rounded percentage, and says which rule it
    // applies: 224 of 249 shows as 90.0 yet is below 90; exactly 90 has missed 10 %.
    void alertsApplyTheirRuleToTheUnroundedShare()
    {
        const auto row = [](const char* name, int present, int absent, int run = 0) {
            reports::SummaryRow summary;
            summary.studentName = QString::fromLatin1(name);
            summary.present = summary.attended = present;
            summary.absent = summary.unauthorised = absent;
            summary.daysMarked = present + absent;
            summary.currentAbsenceRun = run;
            return summary;
        };
        const QList<reports::SummaryRow> rows {row("Near", 224, 25), row("Exact", 9, 1), row("Fine", 91, 9),
            row("Half", 5, 5), row("Run", 95, 3, 3), row("None", 0, 0)};
        const reports::ReportTable table = reports::alertsTable(rows, {});
        QStringList got;
        for (const QList<reports::ReportCell>& cells : table.rows)
            got << cells.first().text + QStringLiteral(": ") + cells.last().text;
        QCOMPARE(got,
            QStringList({"Near: Persistent absence: missed 10 % or more of the possible sessions",
                "Exact: Persistent absence: missed 10 % or more of the possible sessions",
                "Half: Severe absence: missed half the possible sessions or more",
                "Run: Absent 3 marked days running"}));
        QCOMPARE(reports::alertRows(rows, {75.0, 0}).size(), 1);
    }

    // The periods a report offers, seen from a Wednesday in the half-term holiday: the weeks
    // and months before are whole, "this term" is the one just ended, and the school year is
    // the calendar's.
    void periodsAreWholeWeeksMonthsAndTheCalendarsTerms()
    {
        const calendar::SchoolCalendar school({{0, calendar::Kind::Year, {2026, 9, 1}, {2027, 7, 21}, "2026-27"},
            {0, calendar::Kind::Term, {2026, 4, 13}, {2026, 7, 22}, "Summer"},
            {0, calendar::Kind::Term, {2026, 9, 2}, {2026, 10, 23}, "Autumn 1"},
            {0, calendar::Kind::Term, {2026, 11, 2}, {2026, 12, 18}, "Autumn 2"}});
        const QDate today(2026, 10, 28);
        using reports::Period;
        const auto range = [&](Period period) {
            const auto [from, to] = reports::periodRange(period, today, school);
            return from.toString(Qt::ISODate) + QLatin1Char(' ') + to.toString(Qt::ISODate);
        };
        QCOMPARE(range(Period::LastWeek), QStringLiteral("2026-10-19 2026-10-25"));
        QCOMPARE(range(Period::LastMonth), QStringLiteral("2026-09-01 2026-09-30"));
        QCOMPARE(range(Period::ThisTerm), QStringLiteral("2026-09-02 2026-10-23"));
        QCOMPARE(range(Period::LastTerm), QStringLiteral("2026-04-13 2026-07-22"));
        QCOMPARE(range(Period::SchoolYear), QStringLiteral("2026-09-01 2026-10-28"));
        QCOMPARE(reports::periodRange(Period::LastMonth, QDate(2027, 1, 5)).first, QDate(2026, 12, 1));
        QVERIFY(!reports::periodKnown(Period::ThisTerm, calendar::SchoolCalendar()));
    }

    void anOlderRegisterReadOnlyStillReports()
    {
        TestEnvironment env;
        env.openRegister();
        const ReportRegister r = ReportRegister::build();
        // Back to the first numbered schema: no remarks, no history, no settings.
        QSqlQuery downgrade(db::connection());
        for (const char* statement : {"DROP INDEX ixAttendanceUnplaced", "ALTER TABLE tblAttendance DROP COLUMN Remark",
                 "ALTER TABLE tblAttendance DROP COLUMN ChangedAt", "ALTER TABLE tblAttendance DROP COLUMN ChangedBy",
                 "ALTER TABLE tblAttendance DROP COLUMN ChangedOn", "DROP TABLE tblHistory", "DROP TABLE tblSettings",
                 "INSERT INTO tblAttendance (StudentID, \"Date\", \"Status\", Notes) VALUES (1, '2024-01-5', 'Absent', "
                 "'')",
                 "PRAGMA user_version = 2"})
            QVERIFY2(downgrade.exec(QString::fromLatin1(statement)), statement);
        downgrade.finish();
        db::close();
        db::openReadOnly(env.livePath());
        QCOMPARE(db::openedSchemaVersion(), 2);
        // The mark dated 2024-01-5 sorts inside the range but belongs to no day.
        const QList<reports::SummaryRow> rows
            = reports::summary({r.classA, ReportRegister::from(), ReportRegister::to()});
        QCOMPARE(rowOf(rows, QStringLiteral("Ann"))->daysMarked, 5);
        QCOMPARE(reports::sheet({r.classA, ReportRegister::from(), ReportRegister::to()}).marks.size(), 18);
        QVERIFY(reports::historyOf({r.classA, ReportRegister::from(), ReportRegister::to()}).isEmpty());
    }
};

QTEST_GUILESS_MAIN(ReportsTest)
#include "tst_reports.moc"
