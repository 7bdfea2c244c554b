// The register's server going away: stopped in the middle of saves, sessions ended under
// them, a window that outlives it. Nothing saved is lost and the window recovers.
#include "FaultSupport.h"

#include <QAction>

using namespace faults;

class FaultServerSuite : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();

    void serverStoppedMidSavesLosesNothing();
    void sessionsEndedMidSavesLoseNothing();
    void windowOutlivesTheServerGoingAway();
};

void FaultServerSuite::initTestCase()
{
    REQUIRE_TEST_ENGINE();
    QVERIFY2(QFileInfo(helperPath()).isExecutable(), qPrintable(helperPath() + QStringLiteral(" is missing")));
}

void FaultServerSuite::cleanupTestCase()
{
    std::printf("fault suite (server): %d faults injected, %d saves verified, %d marks lost\n", tally.faults,
        tally.saves, tally.marksLost);
    std::fflush(stdout);
}

void FaultServerSuite::serverStoppedMidSavesLosesNothing()
{
    SERVER_ONLY("a file has no server to stop");
    PrivateServer server;
    QVERIFY2(server.start(), qPrintable(server.error()));
    TestEnvironment env(server.address());
    env.openRegister();
    const QList<TestClass> groups
        = {addClassOf(QStringLiteral("Stop A"), 40), addClassOf(QStringLiteral("Stop B"), 40)};
    db::close();

    QStringList lines;
    {
        Worker worker({QStringLiteral("save"), QStringLiteral("-"), QStringLiteral("s"), QStringLiteral("11"),
            QStringLiteral("0"), QStringLiteral("-"), QStringLiteral("0"), QString::number(groups.at(0).id),
            QString::number(groups.at(1).id)});
        QRandomGenerator random(20261208);
        const int stops = 3;
        for (int stop = 0; stop < stops; ++stop) {
            // Saves go on until a random moment, and the server dies under one of them.
            const int doneBefore = countLines(worker.lines(), QStringLiteral("done"));
            QVERIFY2(worker.waitForCount(QStringLiteral("done"), doneBefore + 3, 60000),
                qPrintable(worker.lines().join('\n')));
            QThread::msleep(random.bounded(60));
            QVERIFY2(server.stop(QStringLiteral("immediate")), qPrintable(server.error()));
            ++tally.faults;
            const int failedBefore = countLines(worker.lines(), QStringLiteral("failed"));
            QVERIFY(worker.waitForCount(QStringLiteral("failed"), failedBefore + 1));
            QVERIFY2(server.start(), qPrintable(server.error()));
        }
        // The same worker, never restarted, saves again once the server is back.
        const int done = countLines(worker.lines(), QStringLiteral("done"));
        QVERIFY2(worker.waitForCount(QStringLiteral("done"), done + 3, 60000), qPrintable(worker.lines().join('\n')));
        worker.killNow();
        lines = worker.lines();
    }
    for (const QString& line : std::as_const(lines)) {
        if (line.startsWith(QLatin1String("failed ")))
            QVERIFY2(line.contains(QStringLiteral("could not be reached")), qPrintable(line));
    }
    env.reopenRegister();
    checkSavesLanded(lines, groups);
    tally.saves += countLines(lines, QStringLiteral("done"));
    db::close();
}

void FaultServerSuite::sessionsEndedMidSavesLoseNothing()
{
    SERVER_ONLY("a file has no sessions to end");
    TestEnvironment env;
    env.openRegister();
    const QList<TestClass> groups = {addClassOf(QStringLiteral("End A"), 40), addClassOf(QStringLiteral("End B"), 40)};
    db::close();

    QStringList lines;
    {
        Worker worker({QStringLiteral("save"), QStringLiteral("-"), QStringLiteral("e"), QStringLiteral("12"),
            QStringLiteral("0"), QStringLiteral("-"), QStringLiteral("0"), QString::number(groups.at(0).id),
            QString::number(groups.at(1).id)});
        QVERIFY(worker.waitFor(QStringLiteral("begin")));
        QSqlDatabase admin = env.otherConnection(QStringLiteral("Administrator"));
        QRandomGenerator random(20261209);
        int ended = 0;
        for (int round = 0; round < 12; ++round) {
            QThread::msleep(20 + random.bounded(120));
            QSqlQuery end(admin);
            QVERIFY2(end.exec(QStringLiteral("SELECT count(pg_terminate_backend(pid)) FROM pg_stat_activity WHERE "
                                             "datname = current_database() AND application_name = 'Rollvane'")),
                qPrintable(end.lastError().text()));
            ended += end.next() ? end.value(0).toInt() : 0;
        }
        QVERIFY(ended > 0);
        tally.faults += ended;
        const int done = countLines(worker.lines(), QStringLiteral("done"));
        QVERIFY2(worker.waitForCount(QStringLiteral("done"), done + 3, 60000), qPrintable(worker.lines().join('\n')));
        worker.killNow();
        lines = worker.lines();
        admin.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("Administrator"));
    env.reopenRegister();
    checkSavesLanded(lines, groups);
    tally.saves += countLines(lines, QStringLiteral("done"));
    qInfo("%d saves reported, %d failed with their session", countLines(lines, QStringLiteral("done")),
        countLines(lines, QStringLiteral("failed")));
}

void FaultServerSuite::windowOutlivesTheServerGoingAway()
{
    SERVER_ONLY("a file has no server to lose");
    PrivateServer server;
    QVERIFY2(server.start(), qPrintable(server.error()));
    TestEnvironment env(server.address());
    env.openRegister();
    const TestClass group = addClassOf(QStringLiteral("Away"), 6);
    const QDate day(2026, 12, 9);
    db::close();
    QVERIFY(server.stop());

    // The server is away at start-up: said at step 144, and the window still comes up.
    WindowUser user;
    const QString said = env.dialogs().messages().join(QLatin1Char('\n'));
    QVERIFY2(said.contains(QStringLiteral("The register's server this computer could not be reached"))
            && said.contains(QStringLiteral("at line 144")),
        qPrintable(said));
    QVERIFY(user.window().classIds().isEmpty());

    // Back again: the next action finds it, without a restart. A date change reads the class
    // list again, and so does Register → Reload.
    QVERIFY2(server.start(), qPrintable(server.error()));
    env.dialogs().clear();
    user.picker()->setDate(user.picker()->date().addDays(-1));
    QVERIFY(user.settle());
    QCOMPARE(user.window().classIds(), QList<qint64> {group.id});
    const qint64 later = db::addClass(QStringLiteral("Added elsewhere"));
    user.window().findChild<QAction*>(QStringLiteral("actionReload"))->trigger();
    QVERIFY(user.settle());
    QCOMPARE(user.window().classIds(), (QList<qint64> {later, group.id}));
    QVERIFY(env.dialogs().shown().isEmpty());
    QVERIFY(user.pick(group.id, day));
    user.clickAll();

    // Lost under a save: said so, the marks stay on screen, unsaved.
    QVERIFY(server.stop(QStringLiteral("immediate")));
    env.dialogs().clear();
    user.save();
    ++tally.faults;
    const QString lost = env.dialogs().messages().join(QLatin1Char('\n'));
    QVERIFY2(lost.contains(QStringLiteral("could not be reached")) && !lost.contains(QStringLiteral("Done Saved")),
        qPrintable(lost));
    QVERIFY(user.window().isChanged());
    QCOMPARE(user.letters(), QString(6, QLatin1Char('L')));

    QVERIFY2(server.start(), qPrintable(server.error()));
    env.dialogs().clear();
    user.save();
    QCOMPARE(env.dialogs().messages(), QStringList(QStringLiteral("Done Saved")));
    QCOMPARE(storedOn(group, day).letters, QString(6, QLatin1Char('L')));
    ++tally.saves;
}

QTEST_MAIN(FaultServerSuite)
#include "tst_faults_server.moc"
