// Moving a register between the file and a server with rollvane-admin, and the copier under it.
#include "TestSupport.h"

#include "core/Failure.h"
#include "register/CopyRegister.h"
#include "register/Database.h"

#include <QCryptographicHash>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QSqlQuery>
#include <QtTest>

namespace {

QByteArray fileHash(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// Everything a user can see of a register, in one comparable text.
QString everything()
{
    QStringList seen;
    for (const db::ClassRow& group : db::classes()) {
        seen << QStringLiteral("class %1 %2").arg(group.id).arg(group.name);
        QList<qint64> ids;
        for (const db::StudentRow& student : db::studentsOfClass(group.id, true)) {
            seen << QStringLiteral("student %1 %2 %3")
                        .arg(student.id)
                        .arg(student.name, QString::fromLatin1(student.image.toHex()));
            ids << student.id;
        }
        for (int day = 0; day < 3; ++day) {
            const QDate date(2026, 3, 2 + day);
            const db::DayMarks marks = db::marks(ids, date);
            for (qint64 id : ids) {
                if (marks.contains(id)) {
                    const db::Mark& mark = marks[id];
                    seen << QStringLiteral("mark %1 %2 %3 %4 %5 %6")
                                .arg(id)
                                .arg(db::dateKey(date), mark.status, mark.notes, mark.remark, mark.changedBy);
                }
                for (const db::HistoryRow& row : db::history(id, date))
                    seen << QStringLiteral("history %1 %2 %3").arg(id).arg(row.oldStatus, row.newStatus);
            }
        }
    }
    seen << QStringLiteral("setting ") + db::setting(QStringLiteral("school"));
    seen << QStringLiteral("unplaced %1").arg(db::unplacedMarkCount());
    return seen.join(QLatin1Char('\n'));
}

struct Admin
{
    int exitCode = -1;
    QString output;
};

Admin runAdmin(const QStringList& arguments)
{
    QProcess admin;
    admin.setProcessChannelMode(QProcess::MergedChannels);
    admin.start(QStringLiteral(ROLLVANE_BIN_DIR "/rollvane-admin"), arguments);
    admin.waitForFinished(120000);
    return {
        admin.exitStatus() == QProcess::NormalExit ? admin.exitCode() : -1, QString::fromLocal8Bit(admin.readAll())};
}

} // namespace

class CopyRegisterTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aRegisterGoesToTheServerAndBackWhole()
    {
        REQUIRE_TEST_SERVER();
        // A file register with all a school puts in it, gaps in its ids and a mark with a date
        // another tool wrote.
        TestEnvironment file;
        file.openRegister();
        const qint64 gone = db::addClass(QStringLiteral("Gone"));
        const qint64 first = db::addClass(QStringLiteral("Mr O'Neil's \"class\" \U0001F469\u200D\U0001F393"));
        db::deleteClass(gone);
        const qint64 ann = db::addStudent(QStringLiteral("Ann"), first, QByteArray("BM\0\x01\xff photo", 12));
        const qint64 bob = db::addStudent(QStringLiteral("Bob \\ back"), first, std::nullopt);
        db::saveMarks(QDate(2026, 3, 2),
            {{ann, QStringLiteral("Late"), QStringLiteral("bus")}, {bob, QStringLiteral("Absent")}},
            QStringLiteral("trip; it's \"on\"\n{a,b}"));
        db::saveMarks(
            QDate(2026, 3, 3), {{ann, QStringLiteral("Present")}, {bob, QStringLiteral("Present")}}, QString());
        db::saveMarks(
            QDate(2026, 3, 3), {{ann, QStringLiteral("Absent")}, {bob, QStringLiteral("Present")}}, QString());
        db::setSetting(QStringLiteral("school"), QStringLiteral("Hill School"));
        QVERIFY(QSqlQuery(db::connection())
                    .exec(QStringLiteral("INSERT INTO tblAttendance (StudentID, \"Date\", \"Status\", Notes) VALUES "
                                         "(%1, '3/4/2026', 'Late', '')")
                              .arg(bob)));
        const QString expected = everything();
        db::close();
        const QString sourcePath = file.livePath();
        const QByteArray sourceBefore = fileHash(sourcePath);

        // To the server named in the settings file, by the account that owns the database and
        // nothing else of the server's: every table the same, the file untouched, and not a
        // word about the server's own catalogues.
        const TestServer shared = TestServer::shared();
        const QString owner = QStringLiteral("rv_copier_%1").arg(QCoreApplication::applicationPid());
        QVERIFY(shared.exec(QStringLiteral("CREATE ROLE %1 LOGIN").arg(owner)));
        const auto dropOwner = qScopeGuard([&] { shared.exec(QStringLiteral("DROP ROLE IF EXISTS %1").arg(owner)); });
        TestEnvironment server(shared);
        QVERIFY(shared.exec(QStringLiteral("ALTER DATABASE %1 OWNER TO %2").arg(server.databaseName(), owner)));
        QFile settings(server.settingsPath());
        QVERIFY(settings.open(QIODevice::ReadWrite));
        const QByteArray asOwner = settings.readAll().replace("user=" + shared.user.toUtf8(), "user=" + owner.toUtf8());
        settings.resize(0);
        settings.write(asOwner);
        settings.close();
        Admin copied = runAdmin({QStringLiteral("copy-register"), QStringLiteral("--to"), QStringLiteral("postgresql"),
            QStringLiteral("--from"), sourcePath});
        QVERIFY2(copied.exitCode == 0, qPrintable(copied.output));
        QVERIFY2(copied.output.contains(QStringLiteral("every table the same")), qPrintable(copied.output));
        QVERIFY2(!copied.output.contains(QStringLiteral("skipping")), qPrintable(copied.output));
        QCOMPARE(fileHash(sourcePath), sourceBefore);

        // A second copy into the now full database is refused, and changes nothing there.
        Admin again = runAdmin({QStringLiteral("copy-register"), QStringLiteral("--to"), QStringLiteral("postgresql"),
            QStringLiteral("--from"), sourcePath});
        QCOMPARE(again.exitCode, 1);
        QVERIFY2(again.output.contains(QStringLiteral("already holds a register")), qPrintable(again.output));

        server.reopenRegister();
        QCOMPARE(everything(), expected);
        // Ids given from now on follow the copied ones.
        QVERIFY(db::addClass(QStringLiteral("New")) > first);
        const QString onServer = everything();
        db::close();

        // And back into a new file, from which the same register reads.
        const QString back = server.root() + QStringLiteral("/back.mdb");
        copied = runAdmin({QStringLiteral("copy-register"), QStringLiteral("--to"), QStringLiteral("sqlite"), back});
        QVERIFY2(copied.exitCode == 0, qPrintable(copied.output));
        db::open(back);
        QCOMPARE(everything(), onServer);
        db::close();

        // Never over an existing file.
        copied = runAdmin({QStringLiteral("copy-register"), QStringLiteral("--to"), QStringLiteral("sqlite"), back});
        QCOMPARE(copied.exitCode, 1);
        QVERIFY2(copied.output.contains(QStringLiteral("already exists")), qPrintable(copied.output));
    }

    void aStoppedExportLeavesNoFile()
    {
        TestEnvironment env;
        env.openRegister();
        const qint64 group = db::addClass(QStringLiteral("Big"));
        QList<db::CardMark> cards;
        for (int i = 0; i < 50; ++i)
            cards.append({db::addStudent(QStringLiteral("S%1").arg(i), group, std::nullopt), QStringLiteral("Late")});
        for (int day = 0; day < 60; ++day)
            db::saveMarks(QDate(2026, 1, 1).addDays(day), cards, QString());
        const QString path = env.root() + QStringLiteral("/export.mdb");
        QVERIFY_THROWS_EXCEPTION(
            Cancelled, db::copyOpenRegisterToFile(path, [](qint64 done, qint64) { return done < 2000; }));
        QVERIFY(!QFile::exists(path));
        QVERIFY(db::isOpen());

        const db::CopyReport whole = db::copyOpenRegisterToFile(path);
        QVERIFY(whole.matches());
        // The class, its students with an enrolment each, their marks and the marks' history.
        QCOMPARE(whole.rows(), 1 + 50 + 50 + 3000 + 3000);
    }
};

QTEST_MAIN(CopyRegisterTest)
#include "tst_copyregister.moc"
