// Registers that other programs, other users and older or newer versions left behind: what the
// data layer opens, refuses, upgrades and never overwrites unseen.
#include "TestSupport.h"

#include "core/Failure.h"
#include "register/Database.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// A second program's connection to the same file.
class OtherConnection
{
public:
    explicit OtherConnection(const QString& path)
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kName);
        database.setDatabaseName(path);
        database.open();
    }
    ~OtherConnection()
    {
        QSqlDatabase::database(kName, false).close();
        QSqlDatabase::removeDatabase(kName);
    }
    void exec(const QString& sql)
    {
        QSqlQuery query(QSqlDatabase::database(kName, false));
        QVERIFY2(query.exec(sql), qPrintable(sql));
    }

private:
    static constexpr auto kName = "OtherProgram";
};

// A register as an older version of the program, or another tool, wrote it.
void writeRegister(const QString& path, const QStringList& statements)
{
    OtherConnection other(path);
    for (const QString& statement : statements)
        other.exec(statement);
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

qint64 count(const QString& sql)
{
    QSqlQuery query(db::connection());
    if (!query.exec(sql) || !query.next())
        return -1;
    return query.value(0).toLongLong();
}

QString refusal(const QString& path)
{
    try {
        db::open(path);
    } catch (const Failure& failure) {
        return failure.description();
    }
    return QString();
}

} // namespace

class RegisterGuards : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aRegisterOfSchemaTwoIsUpgradedKeepingEveryRow()
    {
        TestEnvironment env;
        const QString path = env.root() + QStringLiteral("/v2.mdb");
        // The tables exactly as the program wrote them at schema version 2.
        writeRegister(path,
            {QStringLiteral("CREATE TABLE tblClassName (id INTEGER PRIMARY KEY, ClassName TEXT NOT NULL DEFAULT '')"),
                QStringLiteral(
                    "CREATE TABLE tblStudents (id INTEGER PRIMARY KEY, StudentName TEXT NOT NULL DEFAULT '', "
                    "ClassID INTEGER NOT NULL DEFAULT 0, Image BLOB NOT NULL DEFAULT x'')"),
                QStringLiteral("CREATE TABLE tblAttendance (StudentID INTEGER NOT NULL, \"Date\" TEXT NOT NULL, "
                               "\"Status\" TEXT NOT NULL DEFAULT '', Notes TEXT NOT NULL DEFAULT '')"),
                QStringLiteral("CREATE INDEX ixStudentsClass ON tblStudents (ClassID, StudentName COLLATE NOCASE, "
                               "StudentName)"),
                QStringLiteral("CREATE UNIQUE INDEX ixAttendanceKey ON tblAttendance (StudentID, \"Date\")"),
                QStringLiteral("PRAGMA user_version = 2"), QStringLiteral("INSERT INTO tblClassName VALUES (7, '7B')"),
                QStringLiteral("INSERT INTO tblStudents VALUES (40, 'Ann', 7, x'424d00')"),
                QStringLiteral("INSERT INTO tblAttendance VALUES (40, '2026-11-30', 'Late', 'trip'), "
                               "(40, '2026-12-01', 'Absent', '')")});

        db::open(path);
        QCOMPARE(db::openedSchemaVersion(), db::kSchemaVersion);
        QCOMPARE(count(QStringLiteral("PRAGMA user_version")), db::kSchemaVersion);
        QCOMPARE(count(QStringLiteral("SELECT count(*) FROM tblAttendance")), 2);
        const db::Mark mark = *db::mark(40, QDate(2026, 11, 30));
        QCOMPARE(mark.status, QStringLiteral("Late"));
        QCOMPARE(mark.notes, QStringLiteral("trip"));
        QVERIFY(mark.remark.isEmpty());
        QCOMPARE(count(QStringLiteral("SELECT count(*) FROM tblAttendance WHERE Remark = '' AND ChangedAt = ''")), 2);
        QCOMPARE(db::student(40)->image, QByteArray("BM\0", 3));

        // The new columns are used at once: a save records its author and its history.
        db::saveMarks(QDate(2026, 11, 30), {{40, QStringLiteral("Present"), QStringLiteral("doctor's note")}},
            QStringLiteral("trip"), {QStringLiteral("jsmith"), QStringLiteral("OFFICE-2"), QStringLiteral("x"), {}});
        QCOMPARE(db::mark(40, QDate(2026, 11, 30))->changedBy, QStringLiteral("jsmith"));
        const QList<db::HistoryRow> history = db::history(40, QDate(2026, 11, 30));
        QCOMPARE(history.size(), 1);
        QCOMPARE(history.first().oldStatus, QStringLiteral("Late"));
        QCOMPARE(history.first().newRemark, QStringLiteral("doctor's note"));
    }

    void aRegisterWhoseColumnsWouldRefuseEverySaveIsOnlyReadAndLeftAsItIs()
    {
        TestEnvironment env;
        const QString path = env.root() + QStringLiteral("/other-tool.mdb");
        // Schema 2 as the program wrote it, but another tool gave the marks a column that every
        // new row must fill.
        writeRegister(path,
            {QStringLiteral("CREATE TABLE tblClassName (id INTEGER PRIMARY KEY, ClassName TEXT NOT NULL DEFAULT '')"),
                QStringLiteral(
                    "CREATE TABLE tblStudents (id INTEGER PRIMARY KEY, StudentName TEXT NOT NULL DEFAULT '', "
                    "ClassID INTEGER NOT NULL DEFAULT 0, Image BLOB NOT NULL DEFAULT x'')"),
                QStringLiteral("CREATE TABLE tblAttendance (StudentID INTEGER NOT NULL, \"Date\" TEXT NOT NULL, "
                               "\"Status\" TEXT NOT NULL DEFAULT '', Notes TEXT NOT NULL DEFAULT '', Term INTEGER "
                               "NOT NULL)"),
                QStringLiteral("PRAGMA user_version = 2"), QStringLiteral("INSERT INTO tblClassName VALUES (7, '7B')"),
                QStringLiteral("INSERT INTO tblStudents VALUES (40, 'Ann', 7, x'')"),
                QStringLiteral("INSERT INTO tblAttendance VALUES (40, '2026-11-30', 'Late', '', 1)")});
        const QByteArray before = contentOf(path);

        db::open(path);
        QVERIFY(db::isOpen());
        QVERIFY2(db::writesRefusedReason().contains(QStringLiteral("Term in tblAttendance")),
            qPrintable(db::writesRefusedReason()));
        QCOMPARE(db::mark(40, QDate(2026, 11, 30))->status, QStringLiteral("Late"));
        try {
            db::saveMarks(QDate(2026, 11, 30), {{40, QStringLiteral("Present")}}, QString());
            QFAIL("a save went to a register whose columns refuse it");
        } catch (const Failure& failure) {
            QVERIFY2(failure.description().contains(QStringLiteral("Term in tblAttendance")),
                qPrintable(failure.description()));
        }
        db::close();
        QCOMPARE(contentOf(path), before);
    }

    void marksStoredTwiceAreCountedAndTheNewestKeptWithTheOthersInTheHistory()
    {
        TestEnvironment env;
        const QString path = env.root() + QStringLiteral("/twice.mdb");
        writeRegister(path,
            {QStringLiteral("CREATE TABLE tblClassName (id INTEGER PRIMARY KEY, ClassName TEXT NOT NULL DEFAULT '')"),
                QStringLiteral(
                    "CREATE TABLE tblStudents (id INTEGER PRIMARY KEY, StudentName TEXT NOT NULL DEFAULT '', "
                    "ClassID INTEGER NOT NULL DEFAULT 0, Image BLOB NOT NULL DEFAULT x'')"),
                QStringLiteral("CREATE TABLE tblAttendance (StudentID INTEGER NOT NULL, \"Date\" TEXT NOT NULL, "
                               "\"Status\" TEXT NOT NULL DEFAULT '', Notes TEXT NOT NULL DEFAULT '')"),
                QStringLiteral("PRAGMA user_version = 2"), QStringLiteral("INSERT INTO tblClassName VALUES (7, '7B')"),
                QStringLiteral("INSERT INTO tblStudents VALUES (40, 'Ann', 7, x''), (41, 'Ben', 7, x'')"),
                QStringLiteral("INSERT INTO tblAttendance VALUES (40, '2026-11-30', 'Absent', 'first'), "
                               "(40, '2026-11-30', 'Late', 'second'), (41, '2026-11-30', 'Present', '')")});
        db::open(path);
        QCOMPARE(db::duplicateMarkCount(), 1);
        QCOMPARE(
            db::mergeDuplicateMarks({QStringLiteral("office"), QStringLiteral("OFFICE-1"), QStringLiteral("x"), {}}),
            1);
        QCOMPARE(db::duplicateMarkCount(), 0);
        // Equally recent: the later written stays; the other is in the history.
        QCOMPARE(db::mark(40, QDate(2026, 11, 30))->status, QStringLiteral("Late"));
        const QList<db::HistoryRow> history = db::history(40, QDate(2026, 11, 30));
        QCOMPARE(history.size(), 1);
        QCOMPARE(history.first().oldStatus, QStringLiteral("Absent"));
        QCOMPARE(history.first().oldNotes, QStringLiteral("first"));
        QCOMPARE(history.first().changedBy, QStringLiteral("office"));
        // From now on one mark per student and day, whatever writes.
        QVERIFY(
            !QSqlQuery(db::connection())
                 .exec(QStringLiteral("INSERT INTO tblAttendance (StudentID, \"Date\") VALUES (41, '2026-11-30')")));
        QCOMPARE(count(QStringLiteral("SELECT count(*) FROM tblAttendance")), 2);
    }

    void aNewerRegisterIsRefusedAndLeftAsItIs()
    {
        TestEnvironment env;
        env.openRegister();
        db::addClass(QStringLiteral("Kept"));
        QSqlQuery(db::connection()).exec(QStringLiteral("PRAGMA user_version = %1").arg(db::kSchemaVersion + 1));
        db::close();
        const QByteArray before = contentOf(env.livePath());

        QCOMPARE(refusal(env.livePath()),
            QStringLiteral("This register was made by a newer version of Rollvane (schema %1); this version knows "
                           "schema %2. Install the newer version to use it.")
                .arg(db::kSchemaVersion + 1)
                .arg(db::kSchemaVersion));
        QVERIFY(!db::isOpen());
        // Read-only opening refuses it too: its tables may mean something this version does not know.
        QVERIFY_THROWS_EXCEPTION(Failure, db::openReadOnly(env.livePath()));
        QCOMPARE(contentOf(env.livePath()), before);
    }

    void aPathThatIsNoRegularFileIsRefusedWithoutWaiting()
    {
        TestEnvironment env;
        const QString fifo = env.root() + QStringLiteral("/fifo.mdb");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        // Opening a pipe for reading waits for a writer: refusing it at once is the point.
        QVERIFY(refusal(fifo).contains(QStringLiteral("not a regular file")));
        QVERIFY(refusal(fifo).contains(fifo));

        const QString socketPath = env.root() + QStringLiteral("/socket.mdb");
        const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address = {};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, QFile::encodeName(socketPath).constData(), sizeof address.sun_path);
        QCOMPARE(::bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
        QCOMPARE(::listen(listener, 1), 0);
        QVERIFY(refusal(socketPath).contains(QStringLiteral("not a regular file")));
        ::close(listener);

        const QString device = env.root() + QStringLiteral("/device.mdb");
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), device));
        QVERIFY(refusal(device).contains(QStringLiteral("not a regular file")));
        QVERIFY(!db::isOpen());
    }

    void missingTextsOfOtherToolsReadAsMarkable()
    {
        TestEnvironment env;
        const QString path = env.root() + QStringLiteral("/tool.mdb");
        // Another tool's tables, with nothing required.
        writeRegister(path,
            {QStringLiteral("CREATE TABLE tblClassName (id INTEGER PRIMARY KEY, ClassName TEXT)"),
                QStringLiteral("CREATE TABLE tblStudents (id INTEGER PRIMARY KEY, StudentName TEXT, ClassID INTEGER, "
                               "Image BLOB)"),
                QStringLiteral("CREATE TABLE tblAttendance (StudentID INTEGER, \"Date\" TEXT, \"Status\" TEXT, Notes "
                               "TEXT)"),
                QStringLiteral("INSERT INTO tblClassName VALUES (1, NULL)"),
                QStringLiteral("INSERT INTO tblStudents VALUES (1, NULL, 1, NULL), (2, 'Bo', 1, NULL)"),
                QStringLiteral("INSERT INTO tblAttendance VALUES (1, '2026-12-08', NULL, NULL), "
                               "(2, '2026-12-08', '', 'hall')")});
        db::open(path);
        QCOMPARE(db::classes().first().name, QString());
        QCOMPARE(db::studentsOfClass(1, true).first().name, QString());
        const db::DayMarks marks = db::marks({1, 2}, QDate(2026, 12, 8));
        QCOMPARE(marks.value(1).status, QStringLiteral("Present"));
        QCOMPARE(marks.value(1).notes, QString());
        QCOMPARE(marks.value(2).status, QStringLiteral("Present"));
        QCOMPARE(marks.value(2).notes, QStringLiteral("hall"));
    }

    void marksOfUnreadableDatesAreNeverMatchedAndAreCountedFromTheirIndex()
    {
        TestEnvironment env;
        env.openRegister();
        const qint64 cls = db::addClass(QStringLiteral("7B"));
        const qint64 ann = db::addStudent(QStringLiteral("Ann"), cls, std::nullopt);
        const qint64 bo = db::addStudent(QStringLiteral("Bo"), cls, std::nullopt);
        QCOMPARE(db::unplacedMarkCount(), 0);
        {
            QSqlQuery query(db::connection());
            for (const QString& date : {QStringLiteral("'2026-12-08 00:00:00'"), QStringLiteral("'08/12/2026'"),
                     QStringLiteral("46364"), QStringLiteral("'2026-12-08T09:00'")})
                QVERIFY(query.exec(QStringLiteral(
                    "INSERT INTO tblAttendance (StudentID, \"Date\", \"Status\") VALUES (%1, %2, 'Absent')")
                                       .arg(date.startsWith(QLatin1String("'08")) ? bo : ann)
                                       .arg(date)));
        }
        // The count is made from an index of these marks alone (the engine names it, so a
        // register without it fails loudly instead of scanning millions of rows).
        QCOMPARE(db::unplacedMarkCount(), 4);

        // None of them is taken for the day they may have meant; a save adds the one ISO row.
        const QDate day(2026, 12, 8);
        QVERIFY(db::marks({ann, bo}, day).isEmpty());
        QVERIFY(!db::previousMarkedDay({ann, bo}, day.addDays(1)));
        db::saveMarks(day, {{ann, QStringLiteral("Late")}, {bo, QStringLiteral("Late")}}, QString());
        db::saveMarks(day, {{ann, QStringLiteral("Late")}, {bo, QStringLiteral("Absent")}}, QString());
        QCOMPARE(count(QStringLiteral("SELECT count(*) FROM tblAttendance WHERE \"Date\" = '2026-12-08'")), 2);
        QCOMPARE(count(QStringLiteral("SELECT count(*) FROM tblAttendance")), 6);
        QCOMPARE(*db::previousMarkedDay({ann, bo}, day.addDays(1)), day);
    }

    void aSaveOverStaleMarksWritesNothingUntilTheUserHasSeenWhatIsStored()
    {
        TestEnvironment env;
        env.openRegister();
        const qint64 cls = db::addClass(QStringLiteral("7B"));
        const qint64 ann = db::addStudent(QStringLiteral("Ann"), cls, std::nullopt);
        const qint64 bo = db::addStudent(QStringLiteral("Bo"), cls, std::nullopt);
        const QDate day(2026, 12, 8);
        const QList<db::CardMark> mine = {{ann, QStringLiteral("Absent")}, {bo, QStringLiteral("Present")}};

        // Nothing stored when the cards were loaded; another program marks Bo meanwhile.
        const db::DayMarks loaded = db::marks({ann, bo}, day);
        {
            OtherConnection other(env.livePath());
            other.exec(QStringLiteral("INSERT INTO tblAttendance (StudentID, \"Date\", \"Status\", Notes, ChangedAt, "
                                      "ChangedBy, ChangedOn) VALUES (%1, '2026-12-08', 'Late', 'b', "
                                      "'2026-12-08T09:14:00.000Z', 'jsmith', 'OFFICE-2')")
                           .arg(bo));
        }
        const db::SaveResult refused = db::saveMarksIfUnchanged(day, mine, QStringLiteral("a"), loaded);
        QVERIFY(refused.conflict);
        QCOMPARE(refused.conflict->students, QList<qint64> {bo});
        QCOMPARE(refused.conflict->latest.changedBy, QStringLiteral("jsmith"));
        QCOMPARE(refused.conflict->latest.changedOn, QStringLiteral("OFFICE-2"));
        QCOMPARE(refused.conflict->stored.value(bo).status, QStringLiteral("Late"));
        QVERIFY(!db::mark(ann, day));

        // A third writer between the question and the answer is caught as well.
        {
            OtherConnection other(env.livePath());
            other.exec(QStringLiteral("UPDATE tblAttendance SET \"Status\" = 'Absent', ChangedBy = 'kdoe' WHERE "
                                      "StudentID = %1")
                           .arg(bo));
        }
        const db::SaveResult again = db::saveMarksIfUnchanged(day, mine, QStringLiteral("a"), refused.conflict->stored);
        QVERIFY(again.conflict);
        QCOMPARE(again.conflict->latest.changedBy, QStringLiteral("kdoe"));

        // Overwriting what was shown writes every card, with their author and history.
        const db::SaveResult saved = db::saveMarksIfUnchanged(day, mine, QStringLiteral("a"), again.conflict->stored);
        QVERIFY(!saved.conflict);
        QCOMPARE(db::mark(bo, day)->status, QStringLiteral("Present"));
        QCOMPARE(db::mark(bo, day)->changedBy, db::Author::current().user);
        QCOMPARE(db::history(bo, day).first().oldStatus, QStringLiteral("Absent"));
        // What the save returns is what a later save compares with: saving again asks nothing.
        QVERIFY(!db::saveMarksIfUnchanged(day, mine, QStringLiteral("a"), saved.stored).conflict);
    }
};

QTEST_MAIN(RegisterGuards)
#include "tst_registerguards.moc"
