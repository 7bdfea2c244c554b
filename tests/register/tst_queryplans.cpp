#include "TestSupport.h"

#include "../../bench/StatementTrace.h"

#include "attendance/MainWindow.h"
#include "attendance/PhotoCache.h"
#include "attendance/StudentCard.h"
#include "core/Photo.h"
#include "register/Database.h"
#include "roster/ManageClassesWindow.h"

#include <QComboBox>
#include <QDateEdit>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

#include <algorithm>

// Every statement that runs once per card or once per save must find its rows through an index:
// with millions of marks a single scan of tblAttendance costs more than the whole listing. The
// statements are not listed here; they are taken from the engine while the windows list, load
// and save a class, so a statement added later is checked too.
class TestQueryPlans : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void theCheckSeesAScan();
    void everyStatementPerCardAndPerSaveUsesAnIndex();
    void theStartUpCountOfUnplacedMarksReadsOnlyItsIndex();
};

namespace {

QStringList scans(const QString& statement)
{
    return tableScans(db::connection(), statement);
}

void fillMarks(int days)
{
    // Many days of marks for every student, so that the planner's figures look like a school's.
    QSqlQuery query(db::connection());
    QVERIFY(query.exec(QStringLiteral("BEGIN")));
    QVERIFY(query.exec(
        QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                       "INSERT INTO tblAttendance (StudentID, \"Date\", \"Status\", Notes) "
                       "SELECT s.id, date('2020-01-01', '+' || n.i || ' days'), 'Present', '' FROM tblStudents s, n")
            .arg(days - 1)));
    QVERIFY(query.exec(QStringLiteral("COMMIT")));
    QVERIFY(query.exec(QStringLiteral("ANALYZE")));
}

} // namespace

void TestQueryPlans::theCheckSeesAScan()
{
    TestEnvironment env;
    env.openRegister();
    // The literal design's lookup on a file without the index.
    QSqlQuery drop(db::connection());
    QVERIFY(drop.exec(QStringLiteral("DROP INDEX ixAttendanceKey")));
    QVERIFY(!scans(QStringLiteral("select * from tblAttendance where StudentID=1 and [Date]='2024-01-01'")).isEmpty());
    QVERIFY(scans(QStringLiteral("select * from tblStudents where id=1")).isEmpty());
}

void TestQueryPlans::everyStatementPerCardAndPerSaveUsesAnIndex()
{
    TestEnvironment env;
    env.openRegister();
    QList<qint64> classes;
    for (int c = 0; c < 4; ++c) {
        const qint64 classId = db::addClass(QStringLiteral("Class %1").arg(c));
        classes << classId;
        for (int s = 0; s < 12; ++s)
            db::addStudent(QStringLiteral("Student %1").arg(s, 2, 10, QLatin1Char('0')), classId,
                s % 3 ? std::optional<QByteArray>(StorePhoto(samplePicture(120, 90, QColor(20 * s, 80, 160))))
                      : std::nullopt);
    }
    fillMarks(400);

    StatementTrace trace(db::connection());
    if (!trace.available())
        QSKIP("The SQL driver does not use the system's SQLite library here, so its statements cannot be traced.");

    MainWindow window;
    window.LoadClassList();
    ManageClassesWindow manage;
    manage.load();
    PhotoCache::shared().clear();

    trace.start();
    auto* combo = window.findChild<QComboBox*>(QStringLiteral("Combo1"));
    auto* picker = window.findChild<QDateEdit*>(QStringLiteral("DateTimePicker1"));
    for (const QDate& day : {QDate(2020, 6, 1), QDate(2031, 1, 1)}) {
        {
            const QSignalBlocker quietCombo(combo);
            const QSignalBlocker quietPicker(picker);
            combo->setCurrentIndex(1);
            picker->setDate(day);
        }
        // A first visit, a repeat visit, a first save and a save again.
        window.ClearCards();
        window.ListStudent();
        window.ClearCards();
        window.ListStudent();
        QCOMPARE(window.listedCards().size(), 12);
        window.listedCards().first()->setStatus(QStringLiteral("Late"));
        window.SaveAttendance();
        window.SaveAttendance();
    }
    auto* manageCombo = manage.findChild<QComboBox*>(QStringLiteral("Combo1"));
    manageCombo->setCurrentIndex(2);
    manage.FillStudentList();
    trace.stop();

    const QStringList checked = trace.statements();
    QStringList failures;
    for (const QString& statement : checked) {
        for (const QString& scan : scans(statement))
            failures << statement + QStringLiteral("  ->  ") + scan;
    }
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
    // The trace saw the lookups and writes of the marks and the listing of the students.
    const auto mentions = [&checked](const char* table) {
        return std::any_of(checked.cbegin(), checked.cend(),
            [table](const QString& statement) { return statement.contains(QLatin1String(table)); });
    };
    QVERIFY2(mentions("tblAttendance") && mentions("tblStudents"), qPrintable(checked.join(QLatin1Char('\n'))));
}

void TestQueryPlans::theStartUpCountOfUnplacedMarksReadsOnlyItsIndex()
{
    // Asked at every start: on a register of millions of marks a scan is seconds of waiting.
    TestEnvironment env;
    env.openRegister();
    const qint64 classId = db::addClass(QStringLiteral("Class"));
    for (int s = 0; s < 12; ++s)
        db::addStudent(QStringLiteral("Student %1").arg(s), classId, std::nullopt);
    fillMarks(400);
    StatementTrace trace(db::connection());
    if (!trace.available())
        QSKIP("The SQL driver does not use the system's SQLite library here, so its statements cannot be traced.");
    trace.start();
    QCOMPARE(db::unplacedMarkCount(), 0);
    trace.stop();
    QCOMPARE(trace.statements().size(), 1);
    const QString count = trace.statements().first();
    const QStringList plan = scans(count);
    QVERIFY2(std::all_of(plan.cbegin(), plan.cend(),
                 [](const QString& line) { return line.contains(QLatin1String("ixAttendanceUnplaced")); }),
        qPrintable(count + QStringLiteral("  ->  ") + plan.join(QLatin1Char(';'))));
}

QTEST_MAIN(TestQueryPlans)
#include "tst_queryplans.moc"
