// A register file that is not what it should be: a shared file set up right, a read-only
// register or folder, a damaged or foreign file at start-up, hostile text and broken photos,
// through the data layer and through the windows.
#include "FaultSupport.h"

using namespace faults;

class FaultFilesSuite : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();

    void registerIsSetUpForASharedFile();
    void readOnlyRegisterStillShowsItsMarks_data();
    void readOnlyRegisterStillShowsItsMarks();
    void badFileAtStartUpIsReportedAndLeftAlone_data();
    void badFileAtStartUpIsReportedAndLeftAlone();
    void hostileTextIsStoredExactly();
    void badPhotoBytesFailCleanly_data();
    void badPhotoBytesFailCleanly();
    void oversizedChosenPicturesAreRefused();
    void windowOnReadOnlyRegisterShowsMarksAndSaysWhy_data();
    void windowOnReadOnlyRegisterShowsMarksAndSaysWhy();
    void windowListsEveryStudentDespiteBadPhotos();
    void hostileTextThroughTheWindows();
};

void FaultFilesSuite::initTestCase()
{
    REQUIRE_TEST_ENGINE();
    QVERIFY2(QFileInfo(helperPath()).isExecutable(), qPrintable(helperPath() + QStringLiteral(" is missing")));
}

void FaultFilesSuite::cleanupTestCase()
{
    std::printf("fault suite (files): %d faults injected, %d saves verified, %d marks lost\n", tally.faults,
        tally.saves, tally.marksLost);
    std::fflush(stdout);
}

void FaultFilesSuite::registerIsSetUpForASharedFile()
{
    SQLITE_ONLY("the journal and the sync settings are the file's");
    TestEnvironment env;
    env.openRegister();
    QCOMPARE(pragma(QStringLiteral("journal_mode")).toString(), QStringLiteral("delete"));
    QCOMPARE(pragma(QStringLiteral("synchronous")).toInt(), 2); // FULL
    QCOMPARE(pragma(QStringLiteral("busy_timeout")).toInt(), 5000);
    db::close();

    // A register another tool switched to WAL is put back on a rollback journal, whose side
    // file does not outlive the save that made it.
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("OtherTool"));
        other.setDatabaseName(env.livePath());
        QVERIFY(other.open());
        QSqlQuery query(other);
        QVERIFY(query.exec(QStringLiteral("PRAGMA journal_mode=WAL")));
        QVERIFY(query.exec(QStringLiteral("INSERT INTO tblClassName (ClassName) VALUES ('Left by another tool')")));
        query.finish();
        other.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("OtherTool"));
    ++tally.faults;
    db::open(env.livePath());
    QCOMPARE(pragma(QStringLiteral("journal_mode")).toString(), QStringLiteral("delete"));
    QCOMPARE(db::classes().size(), 1);
    QVERIFY(!QFileInfo::exists(env.livePath() + QStringLiteral("-wal")));
}

void FaultFilesSuite::readOnlyRegisterStillShowsItsMarks_data()
{
    QTest::addColumn<bool>("folderWritable");
    QTest::addColumn<bool>("fileWritable");
    QTest::newRow("read-only file") << true << false;
    QTest::newRow("read-only folder") << false << true;
}

void FaultFilesSuite::readOnlyRegisterStillShowsItsMarks()
{
    SQLITE_ONLY("file permissions; the server's own rights are the administrator's");
    QFETCH(bool, folderWritable);
    QFETCH(bool, fileWritable);
    TestEnvironment env;
    env.openRegister();
    const TestClass group = addClassOf(QStringLiteral("Read only"), 40);
    const QDate day(2026, 4, 20);
    const QString letters = QStringLiteral("PLA").repeated(14).left(40);
    db::saveMarks(day, cardsFor(group, letters), QStringLiteral("as saved"));
    db::close();

    // The other user can reach the folder but, as asked, not write the file or the folder.
    for (QString folder = DataFolder(); folder.startsWith(env.root()); folder = QFileInfo(folder).path())
        QFile::setPermissions(folder, QFile::permissions(folder) | QFile::ExeOther | QFile::ReadOther);
    const auto all
        = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    QFile::setPermissions(
        DataFolder(), folderWritable ? all | QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther : all);
    const auto readable = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    QFile::setPermissions(
        env.livePath(), fileWritable ? readable | QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther : readable);
    const QByteArray before = fileBytes(env.livePath());
    // An ordinary user running the suite could not clean up a read-only folder.
    const auto writableAgain = qScopeGuard([&] {
        QFile::setPermissions(DataFolder(), all | QFile::WriteOwner);
        QFile::setPermissions(env.livePath(), readable | QFile::WriteOwner);
    });

    {
        ActAsNobody other;
        if (!other.active())
            QSKIP("cannot act as an ordinary user here, so file permissions would not apply");
        db::open(env.livePath());
        const Stored stored = storedOn(group, day);
        QCOMPARE(stored.letters, letters);
        QCOMPARE(stored.notes.value(0), QStringLiteral("as saved"));

        const QString saving = failureOf(
            [&] { db::saveMarks(day, cardsFor(group, QString(40, QLatin1Char('A'))), QStringLiteral("x")); });
        QVERIFY2(saving.contains(QStringLiteral("read-only")), qPrintable(saving));
        QVERIFY2(saving.contains(QStringLiteral("Nothing was changed")), qPrintable(saving));
        const QString adding = failureOf([] { db::addClass(QStringLiteral("Nope")); });
        QVERIFY2(adding.contains(QStringLiteral("read-only")), qPrintable(adding));
        const QString deleting = failureOf([&] { db::deleteClass(group.id); });
        QVERIFY2(deleting.contains(QStringLiteral("read-only")), qPrintable(deleting));
        QCOMPARE(storedOn(group, day).letters, letters);
        db::close();
        tally.faults += 3;
    }
    QCOMPARE(fileBytes(env.livePath()), before);
}

void FaultFilesSuite::badFileAtStartUpIsReportedAndLeftAlone_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("folder");

    QByteArray png;
    {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        samplePicture(64, 48, Qt::red).save(&buffer, "PNG");
    }
    const QByteArray blank = fileBytes(QStringLiteral(ROLLVANE_TEMPLATE_PATH));
    QByteArray damaged = blank;
    for (qsizetype i = 4096; i < damaged.size(); ++i)
        damaged[i] = char(0xa5 ^ (i & 0xff));
    QByteArray foreignDatabase;
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("other.db"));
        {
            QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("Foreign"));
            other.setDatabaseName(path);
            other.open();
            QSqlQuery(other).exec(QStringLiteral("CREATE TABLE invoices (id INTEGER PRIMARY KEY, total REAL)"));
            other.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("Foreign"));
        foreignDatabase = fileBytes(path);
    }

    QTest::newRow("zero-length") << QByteArray() << false;
    QTest::newRow("garbage") << randomBytes(5000, 15) << false;
    QTest::newRow("15 bytes") << QByteArray("SQLite format 3") << false;
    QTest::newRow("text") << QByteArray("Class;Student\r\nMath;O'Neil\r\n") << false;
    QTest::newRow("picture renamed") << png << false;
    QTest::newRow("truncated register") << blank.left(1000) << false;
    QTest::newRow("damaged register") << damaged << false;
    QTest::newRow("another program's database") << foreignDatabase << false;
    QTest::newRow("folder in its place") << QByteArray() << true;
}

void FaultFilesSuite::badFileAtStartUpIsReportedAndLeftAlone()
{
    SQLITE_ONLY("these are damaged files");
    QFETCH(QByteArray, content);
    QFETCH(bool, folder);
    TestEnvironment env;
    QVERIFY(QDir().mkpath(DataFolder()));
    if (folder) {
        QVERIFY(QDir().mkdir(env.livePath()));
    } else {
        QFile file(env.livePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    const QDateTime modified = QFileInfo(env.livePath()).lastModified();
    const QStringList listing = folderListing(DataFolder());

    {
        MainWindow window;
        window.setProgramEnd([] {});
        window.load();
        window.show();
        QTest::qWait(200); // the first timer tick
        window.close();
    }
    ++tally.faults;

    const QStringList reports = env.dialogs().messages();
    QVERIFY2(!reports.isEmpty(), "a bad register was opened without a word");
    const QString all = reports.join(QLatin1Char('\n'));
    QVERIFY2(all.contains(QStringLiteral("dbAttendance.mdb")), qPrintable(all));
    QVERIFY2(all.contains(QStringLiteral("not a Rollvane register")) || all.contains(QStringLiteral("damaged"))
            || all.contains(QStringLiteral("cannot be used as the register"))
            || all.contains(QStringLiteral("is a folder")),
        qPrintable(all));
    QVERIFY2(!all.contains(QStringLiteral("Unknown error")), qPrintable(all));

    QCOMPARE(folderListing(DataFolder()), listing);
    if (folder) {
        QVERIFY(QFileInfo(env.livePath()).isDir());
        QVERIFY(folderListing(env.livePath()).isEmpty());
    } else {
        QCOMPARE(fileBytes(env.livePath()), content);
        QCOMPARE(QFileInfo(env.livePath()).lastModified(), modified);
    }
}

void FaultFilesSuite::hostileTextIsStoredExactly()
{
    TestEnvironment env;
    env.openRegister();
    const QStringList hostile = {
        QStringLiteral("Mr O'Neil's class"),
        QStringLiteral("\"quoted\" and 'single'"),
        QStringLiteral("x'); DROP TABLE tblStudents; --"),
        QStringLiteral("100% _under_ \\back\\slash\\"),
        QStringLiteral("\U0001F469\u200D\U0001F393 \U0001F1EB\U0001F1F7 emoji"),
        QStringLiteral("\u05DB\u05D9\u05EA\u05D4 \u05D0 \u0627\u0644\u0635\u0641 \u202Eevil"),
        QStringLiteral("  spaced  "),
        QStringLiteral("line\r\nbreak\ttab"),
        QStringLiteral("e\u0301 combining, \u00C5ngstr\u00F6m"),
        QString(10000, QLatin1Char('W')),
        QString(),
    };

    QList<qint64> classIds;
    for (const QString& name : hostile)
        classIds << db::addClass(name);
    QHash<qint64, QString> classNames;
    for (const db::ClassRow& row : db::classes())
        classNames.insert(row.id, row.name);
    QCOMPARE(classNames.size(), hostile.size());
    for (int i = 0; i < hostile.size(); ++i)
        QCOMPARE(classNames.value(classIds.at(i)), hostile.at(i));

    const qint64 classId = classIds.first();
    QHash<qint64, QString> studentNames;
    for (const QString& name : hostile)
        studentNames.insert(db::addStudent(name, classId, std::nullopt), name);
    const QList<db::StudentRow> listed = db::studentsOfClass(classId, true);
    QCOMPARE(listed.size(), hostile.size());
    for (const db::StudentRow& row : listed) {
        QCOMPARE(row.name, studentNames.value(row.id));
        QCOMPARE(db::student(row.id)->name, row.name);
    }

    QList<qint64> ids = studentNames.keys();
    std::sort(ids.begin(), ids.end());
    QList<db::CardMark> cards;
    for (qint64 id : ids)
        cards.append({id, QStringLiteral("Late")});
    QStringList notes = hostile;
    notes << hostile.join(QLatin1Char('\n')).repeated(4000).left(1024 * 1024); // a 1 MB note
    QDate day(2026, 10, 1);
    for (const QString& note : std::as_const(notes)) {
        db::saveMarks(day, cards, note);
        const QHash<qint64, db::Mark> found = db::marks(ids, day);
        QCOMPARE(found.size(), ids.size());
        for (qint64 id : ids) {
            QCOMPARE(found.value(id).notes, note);
            QCOMPARE(found.value(id).status, QStringLiteral("Late"));
        }
        QCOMPARE(db::mark(ids.first(), day)->notes, note);
        ++tally.faults;
        ++tally.saves;
        day = day.addDays(1);
    }
    QCOMPARE(db::studentsOfClass(classId, false).size(), hostile.size());
    QCOMPARE(integrity(), QStringLiteral("ok"));
}

void FaultFilesSuite::badPhotoBytesFailCleanly_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("mayDecode"); // partial pictures are fine; a crash or a hang is not
    for (const BadPhoto& photo : badPhotos())
        QTest::newRow(photo.name) << photo.bytes << photo.mayDecode;
}

void FaultFilesSuite::badPhotoBytesFailCleanly()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, mayDecode);
    ++tally.faults;

    QImage picture;
    const QString fetching = failureOf([&] { picture = FetchPhoto(bytes); });
    if (fetching.isEmpty()) {
        QVERIFY2(mayDecode, "undecodable bytes were taken for a photo");
        QVERIFY(!picture.isNull());
        QVERIFY(qint64(picture.width()) * picture.height() <= kMaxPicturePixels);
    }

    db::StudentRow student;
    student.id = 1;
    student.name = QStringLiteral("Broken photo");
    student.image = bytes;
    QPixmap card;
    const QString showing = failureOf([&] { card = cardPicture(student, QSize(80, 96)); });
    if (showing.isEmpty())
        QVERIFY(card.isNull() || card.size() == QSize(80, 96));
    QCOMPARE(showing.isEmpty(), fetching.isEmpty());

    // No photo at all is not a fault: there is just nothing to show.
    QVERIFY(FetchPhoto(QByteArray()).isNull());
    QVERIFY(cardPicture(db::StudentRow(), QSize(80, 96)).isNull());
}

void FaultFilesSuite::oversizedChosenPicturesAreRefused()
{
    QTemporaryDir dir;
    auto write = [&](const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return path;
    };

    // Over 50 MB on disk: refused before a byte of it is decoded.
    const QString huge = write(QStringLiteral("huge.bmp"), bmpHeader(100, 100, 24));
    QVERIFY(QFile(huge).resize(kMaxPictureFileBytes + 1));
    QString refusal = failureOf([&] { loadChosenPicture(huge); });
    QVERIFY2(refusal.contains(QStringLiteral("too large")), qPrintable(refusal));

    // Over 20 megapixels by its own header.
    for (const QByteArray& bytes : {bmpHeader(6000, 4000, 24), pngHeader(5000, 4001), gifHeader(65535, 65535)}) {
        refusal = failureOf([&] { loadChosenPicture(write(QStringLiteral("wide.img"), bytes)); });
        QVERIFY2(refusal.contains(QStringLiteral("too large")), qPrintable(refusal));
        ++tally.faults;
    }

    refusal = failureOf([&] { loadChosenPicture(write(QStringLiteral("empty.jpg"), QByteArray())); });
    QVERIFY2(!refusal.isEmpty(), "an empty file was taken for a picture");
    refusal = failureOf([&] { loadChosenPicture(write(QStringLiteral("random.gif"), randomBytes(2000, 5))); });
    QVERIFY2(!refusal.isEmpty(), "random bytes were taken for a picture");
    tally.faults += 3;

    // A sensible picture under a misleading name still loads.
    const QString png = writePicture(dir.path(), QStringLiteral("photo.jpg"), samplePicture(40, 30, Qt::green), "png");
    QCOMPARE(loadChosenPicture(png).size(), QSize(40, 30));

    // In the student editor the refusal is said, and the student is stored without the picture.
    TestEnvironment env;
    env.openRegister();
    const qint64 classId = db::addClass(QStringLiteral("Pictures"));
    {
        StudentEditor editor;
        editor.setClassId(classId);
        editor.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("Big picture"));
        env.dialogs().answerFile(huge);
        editor.PushButton3_Click();
        env.dialogs().answerFile(write(QStringLiteral("wide.bmp"), bmpHeader(6000, 4000, 24)));
        editor.PushButton3_Click();
        const QString said = env.dialogs().messages().join(QLatin1Char('\n'));
        QCOMPARE(env.dialogs().messages().size(), 2);
        QVERIFY2(said.count(QStringLiteral("too large")) == 2, qPrintable(said));
        editor.PushButton1_Click();
        tally.faults += 2;
    }
    const QList<db::StudentRow> stored = db::studentsOfClass(classId, true);
    QCOMPARE(stored.size(), 1);
    QVERIFY(stored.first().image.isEmpty());
}

void FaultFilesSuite::windowOnReadOnlyRegisterShowsMarksAndSaysWhy_data()
{
    readOnlyRegisterStillShowsItsMarks_data();
}

void FaultFilesSuite::windowOnReadOnlyRegisterShowsMarksAndSaysWhy()
{
    SQLITE_ONLY("file permissions");
    QFETCH(bool, folderWritable);
    QFETCH(bool, fileWritable);
    TestEnvironment env;
    env.openRegister();
    const TestClass group = addClassOf(QStringLiteral("Read only"), 8);
    const QDate day(2026, 4, 21);
    const QString letters = QStringLiteral("PLAPLAPL");
    db::saveMarks(day, cardsFor(group, letters), QStringLiteral("as saved"));
    db::close();
    for (QString folder = DataFolder(); folder.startsWith(env.root()); folder = QFileInfo(folder).path())
        QFile::setPermissions(folder, QFile::permissions(folder) | QFile::ExeOther | QFile::ReadOther);
    const auto all
        = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    QFile::setPermissions(
        DataFolder(), folderWritable ? all | QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther : all);
    const auto readable = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    QFile::setPermissions(
        env.livePath(), fileWritable ? readable | QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther : readable);
    const QByteArray before = fileBytes(env.livePath());
    // An ordinary user running the suite could not clean up a read-only folder.
    const auto writableAgain = qScopeGuard([&] {
        QFile::setPermissions(DataFolder(), all | QFile::WriteOwner);
        QFile::setPermissions(env.livePath(), readable | QFile::WriteOwner);
    });

    {
        ActAsNobody other;
        if (!other.active())
            QSKIP("cannot act as an ordinary user here, so file permissions would not apply");
        {
            WindowUser user;
            QCOMPARE(env.dialogs().messages(), QStringList());
            QVERIFY(user.pick(group.id, day));
            QCOMPARE(user.letters(), letters);
            QCOMPARE(user.notes()->toPlainText(), QStringLiteral("as saved"));

            user.clickCard(0);
            user.save();
            ++tally.faults;
            const QString said = env.dialogs().messages().join(QLatin1Char('\n'));
            QVERIFY2(said.contains(QStringLiteral("read-only")), qPrintable(said));
            QVERIFY2(!said.contains(QStringLiteral("Done Saved")), qPrintable(said));
            QVERIFY(user.window().isChanged());
            QCOMPARE(user.letters(), QStringLiteral("LLAPLAPL"));

            // The class commands say why as well, and change nothing.
            ManageClassesWindow* manage = ManageClassesWindow::showShared();
            env.dialogs().clear();
            env.dialogs().answerText(QStringLiteral("New class"));
            manage->PushButton1_Click();
            QVERIFY2(env.dialogs().messages().join(QLatin1Char('\n')).contains(QStringLiteral("read-only")),
                qPrintable(env.dialogs().messages().join(QLatin1Char('\n'))));
            QCOMPARE(db::classes().size(), 1);
            QCOMPARE(db::studentsOfClass(group.id, false).size(), 8);
            delete ManageClassesWindow::instance();
            ++tally.faults;
        }
        db::close();
    }
    QCOMPARE(fileBytes(env.livePath()), before);
}

void FaultFilesSuite::windowListsEveryStudentDespiteBadPhotos()
{
    TestEnvironment env;
    env.openRegister();
    const qint64 classId = db::addClass(QStringLiteral("Photos"));
    const QList<BadPhoto> photos = badPhotos();
    QHash<qint64, bool> shouldShow;
    shouldShow.insert(
        db::addStudent(QStringLiteral("A good photo"), classId, StorePhoto(samplePicture(40, 40, Qt::darkGreen))),
        true);
    shouldShow.insert(db::addStudent(QStringLiteral("No photo"), classId, std::nullopt), false);
    for (const BadPhoto& photo : photos)
        shouldShow.insert(db::addStudent(QString::fromLatin1(photo.name), classId, photo.bytes), photo.mayDecode);
    db::close();

    WindowUser user;
    QVERIFY(user.pick(classId, QDate(2026, 11, 4)));
    tally.faults += int(photos.size());
    QCOMPARE(user.window().listedCards().size(), shouldShow.size());
    for (const StudentCard* card : user.window().listedCards()) {
        // Bytes no reader accepts leave the photo area empty; a partly readable picture may show.
        if (!shouldShow.value(card->studentId()))
            QVERIFY2(!card->hasPhoto(), qPrintable(card->studentName()));
        if (card->studentName() == QLatin1String("A good photo"))
            QVERIFY(card->hasPhoto());
    }
    const QString said = env.dialogs().messages().join(QLatin1Char('\n'));
    QVERIFY2(said.contains(QStringLiteral("could not be shown")), qPrintable(said));

    // The register of the class is still taken.
    user.clickAll();
    env.dialogs().clear();
    user.save();
    QCOMPARE(env.dialogs().messages(), QStringList(QStringLiteral("Done Saved")));
    QList<qint64> ids = shouldShow.keys();
    QCOMPARE(db::marks(ids, QDate(2026, 11, 4)).size(), ids.size());
    ++tally.saves;
}

void FaultFilesSuite::hostileTextThroughTheWindows()
{
    TestEnvironment env;
    env.openRegister();
    const QStringList hostile = {
        QStringLiteral("Mr O'Neil's class"),
        QStringLiteral("\"quoted\" and 'single'"),
        QStringLiteral("x'); DROP TABLE tblStudents; --"),
        QStringLiteral("100% _under_ \\back\\slash\\"),
        QStringLiteral("\U0001F469\u200D\U0001F393 \U0001F1EB\U0001F1F7 emoji"),
        QStringLiteral("\u05DB\u05D9\u05EA\u05D4 \u05D0 \u0627\u0644\u0635\u0641 \u202Eevil"),
        QStringLiteral("  spaced  "),
    };

    // Classes typed into Add New Class, students into the editor.
    ManageClassesWindow* manage = ManageClassesWindow::showShared();
    for (const QString& name : hostile) {
        env.dialogs().answerText(name);
        manage->PushButton1_Click();
    }
    QCOMPARE(env.dialogs().messages(), QStringList());
    QStringList stored;
    qint64 classId = 0;
    for (const db::ClassRow& row : db::classes()) {
        stored << row.name;
        if (row.name == hostile.first())
            classId = row.id;
    }
    QStringList sorted = hostile;
    sorted.sort();
    stored.sort();
    QCOMPARE(stored, sorted);
    for (const QString& name : hostile) {
        StudentEditor editor;
        editor.setClassId(classId);
        editor.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(name);
        editor.PushButton1_Click();
    }
    delete ManageClassesWindow::instance();
    QStringList students;
    for (const db::StudentRow& row : db::studentsOfClass(classId, false))
        students << row.name;
    students.sort();
    // Right-to-left scripts are names like any other; the override that reverses what follows
    // it (U+202E) would make a name show as another, and the editor refuses it, saying why.
    QStringList expected = sorted;
    expected.removeAll(hostile.at(5));
    QCOMPARE(students, expected);
    QCOMPARE(env.dialogs().messages().size(), 1);
    QVERIFY2(env.dialogs().messages().first().contains(QStringLiteral("U+202E")),
        qPrintable(env.dialogs().messages().first()));
    env.dialogs().clear();
    tally.faults += int(2 * hostile.size());

    // The main window shows them as typed and keeps a hostile 1 MB note exactly.
    const QDate day(2026, 11, 5);
    QString note = hostile.join(QLatin1Char('\n'));
    note = note.repeated(1024 * 1024 / note.size() + 1).left(1024 * 1024);
    {
        WindowUser user;
        QStringList listed;
        for (int i = 0; i < user.classList()->count(); ++i)
            listed << user.classList()->itemText(i);
        listed.sort();
        QCOMPARE(listed, sorted);
        QVERIFY(user.pick(classId, day));
        QStringList names;
        for (const StudentCard* card : user.window().listedCards())
            names << card->studentName();
        names.sort();
        QCOMPARE(names, expected);
        user.notes()->setPlainText(note);
        user.save();
        QCOMPARE(env.dialogs().messages(), QStringList(QStringLiteral("Done Saved")));
        ++tally.saves;
        ++tally.faults;
    }
    QList<qint64> ids;
    for (const db::StudentRow& row : db::studentsOfClass(classId, false))
        ids << row.id;
    const QHash<qint64, db::Mark> saved = db::marks(ids, day);
    QCOMPARE(saved.size(), ids.size());
    for (const db::Mark& mark : saved)
        QVERIFY(mark.notes == note); // QCOMPARE would print a megabyte
    db::close();
    {
        WindowUser user;
        QVERIFY(user.pick(classId, day));
        QVERIFY(user.notes()->toPlainText() == note);
        QVERIFY(!user.window().isChanged());
    }
}

QTEST_MAIN(FaultFilesSuite)
#include "tst_faults_files.moc"
