// Two users at once: writers that queue, a lock held past the timeout, a second writer of
// the same day, two savers of a new day. One save wins whole and the other user is asked.
#include "FaultSupport.h"

using namespace faults;

class FaultLocksSuite : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();

    void twoWritersQueueAndOneSaveWinsWhole();
    void laterSaveWaitsForTheEarlierAndWinsWhole();
    void lockHeldPastTheTimeoutSaysTryAgain();
    void windowWaitsOutAnotherUsersSave();
    void secondWriterOfTheSameDayIsAsked();
    void twoSaversOfTheSameNewDayCannotBothPass();
};

void FaultLocksSuite::initTestCase()
{
    REQUIRE_TEST_ENGINE();
    QVERIFY2(QFileInfo(helperPath()).isExecutable(), qPrintable(helperPath() + QStringLiteral(" is missing")));
}

void FaultLocksSuite::cleanupTestCase()
{
    std::printf("fault suite (locks): %d faults injected, %d saves verified, %d marks lost\n", tally.faults,
        tally.saves, tally.marksLost);
    std::fflush(stdout);
}

void FaultLocksSuite::twoWritersQueueAndOneSaveWinsWhole()
{
    TestEnvironment env;
    env.openRegister();
    const TestClass group = addClassOf(QStringLiteral("Together"), 40);
    db::close();
    const QString day = QStringLiteral("2026-09-14");
    const int rounds = kSanitized ? 6 : 12;

    auto writerArgs = [&](const QString& name, quint32 start) {
        return QStringList {QStringLiteral("save"), registerArgument(env), name, QString::number(start),
            QString::number(rounds), day, QStringLiteral("1"), QString::number(group.id)};
    };
    Worker first(writerArgs(QStringLiteral("one"), 1));
    Worker second(writerArgs(QStringLiteral("two"), 2));
    QVERIFY(first.waitFor(QStringLiteral("ready")));
    QVERIFY(second.waitFor(QStringLiteral("ready")));
    first.send("go");
    second.send("go");
    QVERIFY(first.finish());
    QVERIFY(second.finish());
    tally.faults += 2 * rounds;

    QHash<QString, SaveLine> saves;
    int done = 0;
    for (Worker* worker : {&first, &second}) {
        for (const QString& line : worker->lines()) {
            QVERIFY2(!line.startsWith(QLatin1String("failed")), qPrintable(line));
            if (line.startsWith(QLatin1String("begin "))) {
                const SaveLine save = parseBegin(line);
                saves.insert(save.label, save);
            }
            done += line.startsWith(QLatin1String("done ")) ? 1 : 0;
        }
        QCOMPARE(worker->process().exitCode(), 0);
    }
    QCOMPARE(done, 2 * rounds);

    env.reopenRegister();
    QCOMPARE(duplicateMarks(), 0);
    const Stored stored = storedOn(group, QDate::fromString(day, Qt::ISODate));
    QCOMPARE(stored.rows, 40);
    const QString label = faults::labelOf(stored.notes.first());
    // Whoever saved last saved its own last round, all of it.
    QVERIFY2(label == QStringLiteral("one-%1").arg(rounds - 1) || label == QStringLiteral("two-%1").arg(rounds - 1),
        qPrintable(label));
    QCOMPARE(stored.notes, QStringList(40, faults::notesFor(label)));
    QCOMPARE(stored.letters, saves.value(label).letters);
    tally.saves += done;
}

void FaultLocksSuite::laterSaveWaitsForTheEarlierAndWinsWhole()
{
    TestEnvironment env;
    env.openRegister();
    const TestClass group = addClassOf(QStringLiteral("Queue"), 40);
    const QDate day(2026, 9, 15);
    db::close();

    // Another user's save has begun and holds the write lock while it writes.
    const QString name = QStringLiteral("EarlierUser");
    {
        QSqlDatabase earlier = env.otherConnection(name);
        QVERIFY(earlier.isOpen());
        QSqlQuery query(earlier);
        QVERIFY(query.exec(env.serverRegister() ? QStringLiteral("BEGIN") : QStringLiteral("BEGIN IMMEDIATE")));
        QVERIFY(query.prepare(QStringLiteral(
            "INSERT INTO tblAttendance (StudentID, \"Date\", \"Status\", Notes) VALUES (?, ?, 'Absent', ?)")));
        for (qint64 id : group.students) {
            query.addBindValue(id);
            query.addBindValue(db::dateKey(day));
            query.addBindValue(faults::notesFor(QStringLiteral("earlier")));
            QVERIFY(query.exec());
        }

        Worker later({QStringLiteral("save"), registerArgument(env), QStringLiteral("later"), QStringLiteral("7"),
            QStringLiteral("1"), db::dateKey(day), QStringLiteral("0"), QString::number(group.id)});
        QVERIFY(later.waitFor(QStringLiteral("begin")));
        QThread::msleep(300); // the later save is now waiting for the lock
        QVERIFY(!later.lines().join(QLatin1Char(' ')).contains(QStringLiteral("done")));
        QVERIFY(query.exec(QStringLiteral("COMMIT")));
        query.finish();
        QVERIFY(later.finish());
        QVERIFY2(later.lines().last().startsWith(QLatin1String("done later-0")),
            qPrintable(later.lines().join(QLatin1Char('\n'))));
        ++tally.faults;

        env.reopenRegister();
        const Stored stored = storedOn(group, day);
        QCOMPARE(stored.notes, QStringList(40, faults::notesFor(QStringLiteral("later-0"))));
        QCOMPARE(stored.letters, parseBegin(later.lines().at(1)).letters);
        QCOMPARE(duplicateMarks(), 0);
        ++tally.saves;
        earlier.close();
    }
    QSqlDatabase::removeDatabase(name);
}

void FaultLocksSuite::lockHeldPastTheTimeoutSaysTryAgain()
{
    TestEnvironment env;
    env.openRegister();
    const TestClass group = addClassOf(QStringLiteral("Stuck"), 40);
    const QDate day(2026, 9, 16);
    db::saveMarks(day, cardsFor(group, QString(40, QLatin1Char('A'))), QStringLiteral("before"));
    db::close();

    Worker holder({QStringLiteral("hold-lock"), registerArgument(env), QStringLiteral("immediate")});
    QVERIFY2(holder.waitFor(QStringLiteral("locked")), qPrintable(holder.lines().join(QLatin1Char('\n'))));
    WindowUser user;
    // Reading goes on while another user holds the write lock.
    QVERIFY(user.pick(group.id, day));
    QCOMPARE(user.letters(), QString(40, QLatin1Char('A')));
    user.clickAll();
    env.dialogs().clear();

    QElapsedTimer frozen;
    frozen.start();
    user.save();
    const qint64 ms = frozen.elapsed();
    ++tally.faults;
    const QString said = env.dialogs().messages().join(QLatin1Char('\n'));
    QVERIFY2(said.contains(QStringLiteral("try again")), qPrintable(said));
    QVERIFY2(!said.contains(QStringLiteral("database is locked")), qPrintable(said));
    QVERIFY2(!said.contains(QStringLiteral("Done Saved")), qPrintable(said));
    // The window waited for the other user as long as the timeout, and no longer.
    QVERIFY2(ms >= 4000 && ms < 15000, qPrintable(QString::number(ms)));
    QVERIFY(user.window().isChanged());
    QCOMPARE(user.letters(), QString(40, QLatin1Char('P')));
    QCOMPARE(storedOn(group, day).letters, QString(40, QLatin1Char('A')));

    holder.send("release");
    QVERIFY(holder.waitFor(QStringLiteral("released")));
    env.dialogs().clear();
    user.save();
    QCOMPARE(env.dialogs().messages(), QStringList(QStringLiteral("Done Saved")));
    QVERIFY(!user.window().isChanged());
    QCOMPARE(storedOn(group, day).letters, QString(40, QLatin1Char('P')));
    ++tally.saves;
}

void FaultLocksSuite::windowWaitsOutAnotherUsersSave()
{
    TestEnvironment env;
    env.openRegister();
    const TestClass group = addClassOf(QStringLiteral("Brief lock"), 40);
    const QDate day(2026, 11, 3);
    db::close();

    WindowUser user;
    QVERIFY(user.pick(group.id, day));
    user.clickAll();
    // Another user's save holds the lock for a while, well inside the timeout.
    Worker holder(
        {QStringLiteral("hold-lock"), registerArgument(env), QStringLiteral("exclusive"), QStringLiteral("1500")});
    QVERIFY(holder.waitFor(QStringLiteral("locked")));
    env.dialogs().clear();
    user.save();
    ++tally.faults;
    QCOMPARE(env.dialogs().messages(), QStringList(QStringLiteral("Done Saved")));
    QVERIFY(holder.waitFor(QStringLiteral("released")));
    QCOMPARE(storedOn(group, day).letters, QString(40, QLatin1Char('L')));
    ++tally.saves;
}

void FaultLocksSuite::secondWriterOfTheSameDayIsAsked()
{
    TestEnvironment env;
    env.openRegister();
    const TestClass group = addClassOf(QStringLiteral("Shared"), 4);
    const QDate day(2026, 12, 8);
    db::close();

    // This window loads the day, then another computer saves it.
    WindowUser mine;
    QVERIFY(mine.pick(group.id, day));
    mine.clickCard(0);
    mine.clickCard(0); // Absent
    {
        Worker other({QStringLiteral("save"), registerArgument(env), QStringLiteral("other"), QStringLiteral("3"),
            QStringLiteral("1"), db::dateKey(day), QStringLiteral("0"), QString::number(group.id)});
        QVERIFY(other.finish());
        QVERIFY2(other.lines().last().startsWith(QLatin1String("done")), qPrintable(other.lines().join('\n')));
    }
    const Stored theirs = storedOn(group, day);
    ++tally.faults;

    // No: nothing is written, the marks stay on screen, and the stored ones are shown.
    env.dialogs().clear();
    env.dialogs().answerNo();
    mine.save();
    QCOMPARE(env.dialogs().shown().size(), 2);
    QCOMPARE(env.dialogs().shown().at(0).kind, ScriptedDialogs::Kind::Question);
    QVERIFY2(env.dialogs().shown().at(0).text.contains(QStringLiteral("after you opened it")),
        qPrintable(env.dialogs().shown().at(0).text));
    QVERIFY(!env.dialogs().messages().contains(QStringLiteral("Done Saved")));
    QCOMPARE(storedOn(group, day).letters, theirs.letters);
    QVERIFY(mine.window().isChanged());
    QCOMPARE(mine.letters(), QStringLiteral("APPP"));

    // Asked again, Yes: the marks on screen are written, and the history has both saves.
    env.dialogs().clear();
    env.dialogs().answerYes();
    mine.save();
    QCOMPARE(env.dialogs().messages(), QStringList(QStringLiteral("Done Saved")));
    QCOMPARE(storedOn(group, day).letters, QStringLiteral("APPP"));
    const QList<db::HistoryRow> history = db::history(group.students.first(), day);
    QCOMPARE(history.size(), 2);
    QCOMPARE(history.at(0).newStatus, QStringLiteral("Absent"));
    QCOMPARE(history.at(0).oldStatus, faults::statusWord(theirs.letters.at(0)));
    QCOMPARE(history.at(1).oldStatus, QString());
    ++tally.saves;
}

void FaultLocksSuite::twoSaversOfTheSameNewDayCannotBothPass()
{
    TestEnvironment env;
    env.openRegister();
    const TestClass group = addClassOf(QStringLiteral("Race"), 40);
    db::close();
    const int rounds = kSanitized ? 6 : 12;
    const QDate first(2026, 10, 5);
    const auto racer = [&](quint32 start) {
        return QStringList {QStringLiteral("race"), registerArgument(env), db::dateKey(first), QString::number(rounds),
            QString::number(start), QString::number(group.id)};
    };
    Worker one(racer(1));
    Worker two(racer(2));
    for (int round = 0; round < rounds; ++round) {
        QVERIFY2(one.waitForCount(QStringLiteral("ready"), round + 1), qPrintable(one.lines().join('\n')));
        QVERIFY2(two.waitForCount(QStringLiteral("ready"), round + 1), qPrintable(two.lines().join('\n')));
        one.send("go");
        two.send("go");
    }
    QVERIFY(one.finish());
    QVERIFY(two.finish());
    QCOMPARE(one.process().exitCode(), 0);
    QCOMPARE(two.process().exitCode(), 0);

    // Both loaded an empty day; exactly one of them may write it, and the day is that one's.
    env.reopenRegister();
    for (int round = 0; round < rounds; ++round) {
        QStringList results;
        QString winner;
        for (Worker* worker : {&one, &two}) {
            for (const QString& line : worker->lines()) {
                const QStringList parts = line.split(QLatin1Char(' '));
                if (parts.size() == 3 && parts.at(1) == QString::number(round)) {
                    results << parts.at(0);
                    if (parts.at(0) == QLatin1String("done"))
                        winner = parts.at(2);
                }
            }
        }
        results.sort();
        QCOMPARE(results, (QStringList {QStringLiteral("conflict"), QStringLiteral("done")}));
        QCOMPARE(storedOn(group, first.addDays(round)).letters, winner);
        tally.faults += 1;
        tally.saves += 1;
    }
}

QTEST_MAIN(FaultLocksSuite)
#include "tst_faults_locks.moc"
