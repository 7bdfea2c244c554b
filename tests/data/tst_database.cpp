#include "TestSupport.h"

#include "app/Failure.h"
#include "data/Database.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

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

} // namespace

class DatabaseTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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
        QSqlQuery(db::connection())
            .exec(QStringLiteral("CREATE TRIGGER refuse BEFORE DELETE ON tblStudents BEGIN "
                                 "SELECT RAISE(ABORT, 'refused'); END"));
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
        QSqlQuery(db::connection())
            .exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON tblAttendance WHEN NEW.StudentID = %1 "
                                 "BEGIN SELECT RAISE(ABORT, 'refused'); END")
                      .arg(ids[3]));
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

    void olderRegisterGetsItsIndexesAndKeepsItsData()
    {
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

    void lookupsUseIndexes()
    {
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

QTEST_MAIN(DatabaseTest)
#include "tst_database.moc"
