// The disk under a save: the program killed in the middle of one, a register or a disk that
// is full. No reported save is lost and no class is left half saved.
#include "FaultSupport.h"

using namespace faults;

class FaultDiskSuite : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();

    void killedMidSaveLosesNoReportedSave();
    void fullRegisterRollsBackTheWholeSave();
    void fullDiskRollsBackTheWholeSave();
    void windowKeepsAnUnfittingSaveOnScreen_data();
    void windowKeepsAnUnfittingSaveOnScreen();
};

void FaultDiskSuite::initTestCase()
{
    REQUIRE_TEST_ENGINE();
    QVERIFY2(QFileInfo(helperPath()).isExecutable(), qPrintable(helperPath() + QStringLiteral(" is missing")));
}

void FaultDiskSuite::cleanupTestCase()
{
    std::printf("fault suite (disk): %d faults injected, %d saves verified, %d marks lost\n", tally.faults, tally.saves,
        tally.marksLost);
    std::fflush(stdout);
}

void FaultDiskSuite::killedMidSaveLosesNoReportedSave()
{
    TestEnvironment env;
    env.openRegister();
    const QList<TestClass> groups
        = {addClassOf(QStringLiteral("Kill A"), 40), addClassOf(QStringLiteral("Kill B"), 40)};
    db::close();

    // ROLLVANE_FAULT_KILLS asks for a longer run; the sanitizers slow every start, so they get
    // the fewest kills that still make the case.
    const int kills = envNumber("ROLLVANE_FAULT_KILLS", kSanitized ? 30 : 40);
    QRandomGenerator random(20260307);
    QHash<QString, SaveLine> saves; // every save a helper began, by label
    QHash<QPair<qint64, QDate>, QString> expected; // the save each class and day must show
    int midTransaction = 0;
    int reported = 0;

    for (int kill = 0; kill < kills; ++kill) {
        QString inFlight;
        {
            QStringList args = {QStringLiteral("save"), registerArgument(env), QStringLiteral("k%1").arg(kill),
                QString::number(random.generate()), QStringLiteral("0"), QStringLiteral("-"), QStringLiteral("0")};
            for (const TestClass& group : groups)
                args << QString::number(group.id);
            Worker worker(args);
            QVERIFY2(worker.waitFor(QStringLiteral("begin")), qPrintable(worker.lines().join(QLatin1Char('\n'))));
            QThread::msleep(random.bounded(kSanitized ? 400 : 150));
            worker.killNow();
            ++tally.faults;
            for (const QString& line : worker.lines()) {
                if (line.startsWith(QLatin1String("begin "))) {
                    const SaveLine save = parseBegin(line);
                    saves.insert(save.label, save);
                    inFlight = save.label;
                } else if (line.startsWith(QLatin1String("done "))) {
                    const SaveLine& save = saves[line.mid(5)];
                    expected.insert({save.classId, save.date}, save.label);
                    ++reported;
                    inFlight.clear();
                } else if (line != QLatin1String("ready")) {
                    QFAIL(qPrintable(QStringLiteral("the helper said: ") + line));
                }
            }
        }
        if (!env.serverRegister() && QFileInfo::exists(env.livePath() + QStringLiteral("-journal")))
            ++midTransaction;

        env.reopenRegister();
        QCOMPARE(integrity(), QStringLiteral("ok"));
        QCOMPARE(duplicateMarks(), 0);
        for (const TestClass& group : groups) {
            for (int day = 0; day < faults::kDays; ++day) {
                const QDate date = faults::firstDay().addDays(day);
                const Stored stored = storedOn(group, date);
                const QString want = expected.value({group.id, date});
                if (stored.rows == 0) {
                    if (!want.isEmpty())
                        tally.marksLost += int(group.students.size());
                    QVERIFY2(want.isEmpty(), qPrintable(QStringLiteral("the save %1 is gone").arg(want)));
                    continue;
                }
                QCOMPARE(stored.rows, int(group.students.size())); // never half a class
                const QString label = faults::labelOf(stored.notes.first());
                QVERIFY(saves.contains(label));
                for (const QString& notes : stored.notes)
                    QCOMPARE(notes, faults::notesFor(label));
                QCOMPARE(stored.letters, saves.value(label).letters);
                // The save interrupted by the kill may or may not have made it; any other
                // label means a reported save was overwritten by an older one or lost.
                if (label != want && label == inFlight) {
                    expected.insert({group.id, date}, label);
                    continue;
                }
                if (label != want) {
                    const QString wanted = saves.value(want).letters;
                    for (int i = 0; i < stored.letters.size(); ++i)
                        tally.marksLost += i >= wanted.size() || stored.letters.at(i) != wanted.at(i) ? 1 : 0;
                }
                QCOMPARE(label, want);
            }
        }
        db::close();
    }
    tally.saves += reported;
    qInfo("%d kills, %d of them mid-transaction, %d saves reported and verified", kills, midTransaction, reported);
    QVERIFY(reported > 0);
}

void FaultDiskSuite::fullRegisterRollsBackTheWholeSave()
{
    SQLITE_ONLY("the page limit is SQLite's");
    // The register may not grow past a page limit: what a full disk looks like to the engine,
    // without needing a disk of its own.
    TestEnvironment env;
    env.openRegister();
    const TestClass group = addClassOf(QStringLiteral("Full"), 40);
    const QDate kept(2026, 5, 4);
    const QDate refused(2026, 5, 5);
    const QString letters = QString(40, QLatin1Char('L'));
    db::saveMarks(kept, cardsFor(group, letters), QStringLiteral("kept"));
    const int pages = pragma(QStringLiteral("page_count")).toInt();
    const QString bigNotes = QString(4000, QLatin1Char('n')) + faults::hostileTail();

    for (int spare : {0, 1, 4, 16, 30}) {
        pragma(QStringLiteral("max_page_count=%1").arg(pages + spare));
        const QString inserting
            = failureOf([&] { db::saveMarks(refused, cardsFor(group, QString(40, QLatin1Char('A'))), bigNotes); });
        QVERIFY2(inserting.contains(QStringLiteral("full")), qPrintable(inserting));
        QVERIFY2(inserting.contains(QStringLiteral("Nothing was changed")), qPrintable(inserting));
        QCOMPARE(storedOn(group, refused).rows, 0);

        const QString updating
            = failureOf([&] { db::saveMarks(kept, cardsFor(group, QString(40, QLatin1Char('A'))), bigNotes); });
        QVERIFY2(updating.contains(QStringLiteral("full")), qPrintable(updating));
        const Stored stored = storedOn(group, kept);
        QCOMPARE(stored.letters, letters);
        QCOMPARE(stored.notes, QStringList(40, QStringLiteral("kept")));
        tally.faults += 2;
    }

    // Space freed: the same save goes through whole.
    pragma(QStringLiteral("max_page_count=1073741823"));
    db::saveMarks(refused, cardsFor(group, QString(40, QLatin1Char('A'))), bigNotes);
    const Stored stored = storedOn(group, refused);
    QCOMPARE(stored.letters, QString(40, QLatin1Char('A')));
    QCOMPARE(stored.notes, QStringList(40, bigNotes));
    ++tally.saves;
    QCOMPARE(integrity(), QStringLiteral("ok"));
}

void FaultDiskSuite::fullDiskRollsBackTheWholeSave()
{
    SQLITE_ONLY("the disk is the server's, not this computer's");
    TestEnvironment env;
    if (geteuid() != 0)
        QSKIP("a small disk of its own needs root to mount; the page-limit case covers the engine's side");
    SmallDisk disk(env.appDataFolder(), 1024);
    if (!disk.mounted())
        QSKIP("this machine does not let the suite mount a small disk; the page-limit case covers the engine's side");
    env.openRegister();
    const TestClass group = addClassOf(QStringLiteral("Small disk"), 40);
    const QDate kept(2026, 6, 1);
    const QDate refused(2026, 6, 2);
    const QString letters = QString(40, QLatin1Char('L'));
    db::saveMarks(kept, cardsFor(group, letters), QStringLiteral("kept"));
    const QString bigNotes = QString(4000, QLatin1Char('n')) + faults::hostileTail();
    const QString filler = env.appDataFolder() + QStringLiteral("/filler");

    // Both the journal and the register itself run out of room, at different points.
    for (qint64 free : {0, 4096, 16384, 65536, 131072}) {
        disk.fillLeaving(filler, free);
        const QString inserting
            = failureOf([&] { db::saveMarks(refused, cardsFor(group, QString(40, QLatin1Char('A'))), bigNotes); });
        QVERIFY2(!inserting.isEmpty(), "a save that did not fit was reported as done");
        QVERIFY2(inserting.contains(QStringLiteral("full")), qPrintable(inserting));
        QVERIFY2(inserting.contains(QStringLiteral("Nothing was changed")), qPrintable(inserting));
        QCOMPARE(storedOn(group, refused).rows, 0);
        const QString updating
            = failureOf([&] { db::saveMarks(kept, cardsFor(group, QString(40, QLatin1Char('A'))), bigNotes); });
        QVERIFY2(!updating.isEmpty(), "a save that did not fit was reported as done");
        const Stored stored = storedOn(group, kept);
        QCOMPARE(stored.letters, letters);
        QCOMPARE(stored.notes, QStringList(40, QStringLiteral("kept")));
        QCOMPARE(integrity(), QStringLiteral("ok"));
        tally.faults += 2;
    }

    QVERIFY(QFile::remove(filler));
    db::saveMarks(refused, cardsFor(group, QString(40, QLatin1Char('A'))), bigNotes);
    QCOMPARE(storedOn(group, refused).notes, QStringList(40, bigNotes));
    ++tally.saves;
    db::close();
}

void FaultDiskSuite::windowKeepsAnUnfittingSaveOnScreen_data()
{
    QTest::addColumn<bool>("smallDisk");
    QTest::newRow("page limit") << false;
    QTest::newRow("small disk") << true;
}

void FaultDiskSuite::windowKeepsAnUnfittingSaveOnScreen()
{
    SQLITE_ONLY("the page limit and the small disk are the file's");
    QFETCH(bool, smallDisk);
    TestEnvironment env;
    std::unique_ptr<SmallDisk> disk;
    if (smallDisk) {
        if (geteuid() != 0)
            QSKIP("a small disk of its own needs root to mount");
        disk = std::make_unique<SmallDisk>(env.appDataFolder(), 1024);
        if (!disk->mounted())
            QSKIP("this machine does not let the suite mount a small disk");
    }
    env.openRegister();
    const TestClass group = addClassOf(QStringLiteral("Full window"), 40);
    const QDate day(2026, 11, 2);
    db::saveMarks(day, cardsFor(group, QString(40, QLatin1Char('P'))), QStringLiteral("kept"));
    db::close();

    WindowUser user;
    QVERIFY(user.pick(group.id, day));
    user.clickAll();
    const QString bigNotes = QString(4000, QLatin1Char('n')) + faults::hostileTail();
    user.notes()->setPlainText(bigNotes);
    const QString filler = env.appDataFolder() + QStringLiteral("/filler");
    if (disk)
        disk->fillLeaving(filler, 0);
    else
        pragma(QStringLiteral("max_page_count=%1").arg(pragma(QStringLiteral("page_count")).toInt()));
    env.dialogs().clear();

    user.save();
    ++tally.faults;
    const QString said = env.dialogs().messages().join(QLatin1Char('\n'));
    QVERIFY2(said.contains(QStringLiteral("Nothing was changed")), qPrintable(said));
    QVERIFY2(!said.contains(QStringLiteral("Done Saved")), qPrintable(said));
    QVERIFY2(said.contains(QStringLiteral("full")), qPrintable(said));
    QVERIFY(user.window().isChanged());
    QCOMPARE(user.letters(), QString(40, QLatin1Char('L')));
    QCOMPARE(user.notes()->toPlainText(), bigNotes);
    const Stored kept = storedOn(group, day);
    QCOMPARE(kept.letters, QString(40, QLatin1Char('P')));
    QCOMPARE(kept.notes, QStringList(40, QStringLiteral("kept")));

    // Nor does a change of day drop them: the prompted save fails and the cards stay.
    env.dialogs().clear();
    env.dialogs().answerYes();
    user.picker()->setDate(day.addDays(1));
    QVERIFY(user.settle());
    ++tally.faults;
    QVERIFY2(env.dialogs().messages().join(QLatin1Char('\n')).contains(QStringLiteral("full")),
        qPrintable(env.dialogs().messages().join(QLatin1Char('\n'))));
    QVERIFY(user.window().isChanged());
    QCOMPARE(user.letters(), QString(40, QLatin1Char('L')));
    QCOMPARE(user.window().cardsDate(), day);

    // Closing says so too, and the user may keep the window and its marks.
    env.dialogs().clear();
    env.dialogs().answerYes(); // save the changes
    env.dialogs().answerNo(); // do not close without them
    user.window().close();
    ++tally.faults;
    QVERIFY2(env.dialogs().messages().join(QLatin1Char('\n')).contains(QStringLiteral("full")),
        qPrintable(env.dialogs().messages().join(QLatin1Char('\n'))));
    QVERIFY(user.window().isVisible());
    QVERIFY(db::isOpen());
    QVERIFY(user.window().isChanged());
    QCOMPARE(user.letters(), QString(40, QLatin1Char('L')));
    QCOMPARE(storedOn(group, day).letters, QString(40, QLatin1Char('P')));

    // Space freed: the marks still on screen are saved whole.
    if (disk)
        QVERIFY(QFile::remove(filler));
    else
        pragma(QStringLiteral("max_page_count=1073741823"));
    env.dialogs().clear();
    user.save();
    QCOMPARE(env.dialogs().messages(), QStringList(QStringLiteral("Done Saved")));
    QVERIFY(!user.window().isChanged());
    const Stored saved = storedOn(group, day);
    QCOMPARE(saved.letters, QString(40, QLatin1Char('L')));
    QCOMPARE(saved.notes, QStringList(40, bigNotes));
    ++tally.saves;
    QCOMPARE(integrity(), QStringLiteral("ok"));

    if (disk) {
        // Deleting a class needs room for its journal too: on a full disk it is all or nothing.
        disk->fillLeaving(filler, 0);
        const QString deleting = failureOf([&] { db::deleteClass(group.id); });
        QVERIFY2(!deleting.isEmpty(), "a delete that did not fit was reported as done");
        QCOMPARE(db::classes().size(), 1);
        QCOMPARE(db::studentsOfClass(group.id, false).size(), 40);
        ++tally.faults;
    }
    db::close();
}

QTEST_MAIN(FaultDiskSuite)
#include "tst_faults_disk.moc"
