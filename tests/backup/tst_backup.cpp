// Backups of the register: consistent while another user saves, kept and pruned by the rule,
// restored only from a sound register and never while another program has it open, and the
// register check.
#include "../faults/FaultProtocol.h"
#include "TestSupport.h"

#include "backup/AutomaticBackup.h"
#include "backup/BackupFolder.h"
#include "backup/InstanceLock.h"
#include "backup/window/BackupsWindow.h"
#include "core/Photo.h"
#include "core/SharedRoutines.h"
#include "register/Database.h"
#include "register/RegisterEvents.h"
#include "register/RegisterFiles.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTreeWidget>
#include <QtTest>

#include <sys/stat.h>

namespace {

QString helper(const char* name)
{
    return QStringLiteral(ROLLVANE_BIN_DIR "/") + QLatin1String(name);
}

// A helper process and the lines it has said.
class Worker
{
public:
    Worker(const QString& program, const QStringList& args)
    {
        m_process.setProgram(program);
        m_process.setArguments(args);
        m_process.start();
    }
    ~Worker()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }
    bool waitFor(const QString& word)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 20000 && m_process.state() != QProcess::NotRunning) {
            collect();
            for (const QString& line : std::as_const(m_lines)) {
                if (line.section(QLatin1Char(' '), 0, 0) == word)
                    return true;
            }
            m_process.waitForReadyRead(50);
        }
        return false;
    }
    // Whether a line starting so has been said; a line may still be on its way through the pipe.
    bool hasSaid(const QString& start)
    {
        for (int attempt = 0; attempt < 50; ++attempt) {
            collect();
            if (std::any_of(
                    m_lines.cbegin(), m_lines.cend(), [&start](const QString& line) { return line.startsWith(start); }))
                return true;
            m_process.waitForReadyRead(100);
        }
        return false;
    }
    QStringList lines()
    {
        collect();
        return m_lines;
    }
    void send(const QByteArray& line) { m_process.write(line + '\n'); }
    void stop()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
        collect();
    }

private:
    void collect()
    {
        m_pending += m_process.readAllStandardOutput();
        qsizetype end;
        while ((end = m_pending.indexOf('\n')) >= 0) {
            m_lines << QString::fromUtf8(m_pending.left(end));
            m_pending.remove(0, end + 1);
        }
    }
    QProcess m_process;
    QByteArray m_pending;
    QStringList m_lines;
};

QByteArray hashOf(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// Scribbles over the cells of the page in the middle of a file, as a failing disk would.
void damageMiddlePage(const QString& path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    const qint64 pages = file.size() / 4096;
    QVERIFY(pages > 4);
    file.seek((pages / 2 - 1) * 4096 + 200);
    file.write(QByteArray(1000, char(0xA5)));
}

QStringList classNamesIn(const QString& path)
{
    QStringList names;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("Inspect"));
        database.setDatabaseName(path);
        database.open();
        QSqlQuery query(QStringLiteral("SELECT ClassName FROM tblClassName ORDER BY ClassName"), database);
        while (query.next())
            names << query.value(0).toString();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("Inspect"));
    return names;
}

void addMarks(qint64 classId, int students, int days)
{
    QList<qint64> ids;
    for (int i = 0; i < students; ++i)
        ids << db::addStudent(QStringLiteral("Student %1").arg(i), classId, std::nullopt);
    for (int day = 0; day < days; ++day) {
        QList<db::CardMark> cards;
        for (qint64 id : std::as_const(ids))
            cards.append({id, QStringLiteral("Present"), QStringLiteral("remark of day %1").arg(day)});
        db::saveMarks(QDate(2026, 1, 5).addDays(day), cards, QStringLiteral("notes"));
    }
}

QStringList dailyFiles()
{
    QStringList names;
    for (const backup::BackupFile& file : backup::list()) {
        if (file.daily)
            names << QFileInfo(file.path).fileName();
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

class TestBackup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void backupWhileAnotherUserSavesHoldsOneState();
    void keepRuleOverASchoolYear();
    void automaticBackupOncePerDayAndFailureReportedOnce();
    void restoreRefusesADamagedFileAndANonRegister();
    void restoreRefusesWhileAnotherProgramHasTheRegister();
    void partFilesOfAKilledCopyGoUnlessAnotherProgramMayWriteThem();
    void restoreKeepsWhatItReplacedAndCanBeUndone();
    void checkFindsADamagedPageAndListsUnplacedMarks();
    void exportCopiesEveryRow();
    void photoConversionKilledGoesOnWhereItStopped();

private:
    backup::BackupsWindow* openWindow()
    {
        auto* window = backup::BackupsWindow::showShared(nullptr);
        if (!QTest::qWaitFor([window] { return window->countsComplete(); }, 10000))
            qWarning("the backups were not all counted");
        return window;
    }
    int rowOf(backup::BackupsWindow* window, const QString& fileName)
    {
        for (int i = 0; i < window->backups().size(); ++i) {
            if (QFileInfo(window->backups().at(i).path).fileName() == fileName)
                return i;
        }
        return -1;
    }

    std::unique_ptr<TestEnvironment> m_env;
};

void TestBackup::init()
{
    m_env = std::make_unique<TestEnvironment>();
    m_env->openRegister();
}

void TestBackup::cleanup()
{
    delete backup::BackupsWindow::instance();
    backup::AutomaticBackup::program().wait();
    backup::InstanceLock::program().release();
    m_env.reset();
}

void TestBackup::backupWhileAnotherUserSavesHoldsOneState()
{
    // Three classes that another user saves in a loop, and enough photo bytes besides that the
    // copy takes several steps, between which that user's saves land.
    QHash<qint64, qint64> classOf;
    QStringList classArgs;
    for (int c = 0; c < 3; ++c) {
        const qint64 classId = db::addClass(QStringLiteral("Class %1").arg(c));
        classArgs << QString::number(classId);
        for (int s = 0; s < 8; ++s)
            classOf.insert(db::addStudent(QStringLiteral("S%1").arg(s), classId, std::nullopt), classId);
    }
    const qint64 ballast = db::addClass(QStringLiteral("Photos"));
    QByteArray photo(1024 * 1024, Qt::Uninitialized);
    for (int i = 0; i < 6; ++i) {
        QRandomGenerator(i).fillRange(reinterpret_cast<quint32*>(photo.data()), photo.size() / 4);
        db::addStudent(QStringLiteral("P%1").arg(i), ballast, photo);
    }

    Worker writer(helper(faults::kHelperName),
        QStringList {QStringLiteral("save"), m_env->livePath(), QStringLiteral("w"), QStringLiteral("7"),
            QStringLiteral("0"), QStringLiteral("-"), QStringLiteral("0")}
            + classArgs);
    QVERIFY(writer.waitFor(QStringLiteral("begin")));

    QTemporaryDir copies;
    for (int n = 0; n < 6; ++n) {
        const QString copy = copies.filePath(QStringLiteral("copy-%1.mdb").arg(n));
        db::backupRegisterFile(m_env->livePath(), copy);
        QVERIFY(db::checkRegisterFile(copy).sound);

        // Every save writes a class's day whole, so in a state that existed all the students of
        // a class carry one save's label on a day, or none has a mark.
        QHash<QString, QSet<QString>> labels; // class and day -> labels
        QHash<QString, int> rows;
        {
            QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("Copy"));
            database.setDatabaseName(copy);
            QVERIFY(database.open());
            QSqlQuery query(QStringLiteral("SELECT StudentID, \"Date\", Notes FROM tblAttendance"), database);
            while (query.next()) {
                const QString key = QStringLiteral("%1 %2")
                                        .arg(classOf.value(query.value(0).toLongLong()))
                                        .arg(query.value(1).toString());
                labels[key].insert(faults::labelOf(query.value(2).toString()));
                ++rows[key];
            }
        }
        QSqlDatabase::removeDatabase(QStringLiteral("Copy"));
        for (auto entry = labels.cbegin(); entry != labels.cend(); ++entry) {
            QCOMPARE(entry.value().size(), 1);
            QCOMPARE(rows.value(entry.key()), 8);
            const QString label = *entry.value().cbegin();
            QVERIFY2(writer.hasSaid(QStringLiteral("begin ") + label + QLatin1Char(' ')), qPrintable(label));
        }
    }
    writer.stop();
    QVERIFY(!writer.lines().filter(QStringLiteral("done")).isEmpty());
    QVERIFY(writer.lines().filter(QStringLiteral("failed")).isEmpty());
}

void TestBackup::keepRuleOverASchoolYear()
{
    QDir(backup::folder()).mkpath(QStringLiteral("."));
    QDir(backup::folder()).mkpath(QStringLiteral("dbAttendance-2025-01-01.mdb")); // a folder
    for (const char* name : {"notes.txt", "dbAttendance-2025-02-30.mdb", "dbAttendance-2025-08-01.mdb.old"}) {
        QFile file(backup::folder() + QLatin1Char('/') + QLatin1String(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    const QStringList bystanders = QDir(backup::folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

    // Weekdays of a school year, with three weeks' holiday at the turn of the year.
    const QDate holidayStart(2025, 12, 20);
    const QDate holidayEnd(2026, 1, 11);
    QList<QDate> schoolDays;
    for (QDate day(2025, 9, 1); day <= QDate(2026, 8, 31); day = day.addDays(1)) {
        if (day.dayOfWeek() <= 5 && (day < holidayStart || day > holidayEnd))
            schoolDays << day;
    }
    QString extra;
    for (const QDate& day : std::as_const(schoolDays)) {
        QVERIFY(!backup::takeDailyBackup(day).isEmpty());
        QVERIFY(backup::takeDailyBackup(day).isEmpty()); // at most one a day
        if (day == QDate(2025, 10, 1))
            extra = backup::takeBackup(QDateTime(day, QTime(15, 30)));
        if (day == QDate(2026, 1, 12)) {
            // Back from the holidays: the newest 14 backups reach back before them.
            QVERIFY(QFile::exists(backup::folder() + QStringLiteral("/dbAttendance-2025-12-19.mdb")));
            QVERIFY(QFile::exists(backup::folder() + QStringLiteral("/dbAttendance-2025-12-08.mdb")));
        }
    }

    QSet<QString> expected;
    for (const QDate& day : schoolDays.mid(schoolDays.size() - backup::kDailyBackupsKept))
        expected.insert(backup::dailyName(day));
    for (int month = 0; month < 12; ++month) {
        const QDate first = QDate(2025, 9, 1).addMonths(month);
        expected.insert(backup::dailyName(*std::find_if(schoolDays.cbegin(), schoolDays.cend(),
            [&first](const QDate& day) { return day.month() == first.month() && day.year() == first.year(); })));
    }
    QStringList wanted = expected.values();
    std::sort(wanted.begin(), wanted.end());
    QCOMPARE(dailyFiles(), wanted);
    // Nothing but daily backups is ever removed.
    QVERIFY(QFile::exists(extra));

    // Each backup says why it was taken, and two of one minute differ by their seconds.
    const QDateTime late(QDate(2026, 8, 31), QTime(16, 5, 7));
    const QString restore = backup::takeBackup(late, {}, nullptr, backup::Occasion::BeforeRestore);
    const QString byHand = backup::takeBackup(late.addSecs(2));
    QMap<QString, QString> shown;
    for (const backup::BackupFile& file : backup::list())
        shown.insert(QFileInfo(file.path).fileName(), backup::occasionText(file.occasion));
    QCOMPARE(shown.value(QFileInfo(restore).fileName()), QStringLiteral("before a restore"));
    QCOMPARE(shown.value(QFileInfo(byHand).fileName()), QStringLiteral("taken by hand"));
    QCOMPARE(shown.value(QFileInfo(extra).fileName()), QStringLiteral("taken by hand"));
    QCOMPARE(shown.value(backup::dailyName(schoolDays.last())), QStringLiteral("daily"));
    QCOMPARE(shown.value(backup::dailyName(QDate(2025, 9, 1))), QStringLiteral("monthly"));
    QVERIFY(backup::whenTaken(backup::list().first()).endsWith(QStringLiteral("16:05:09")));
    for (const QString& name : bystanders)
        QVERIFY2(QFileInfo::exists(backup::folder() + QLatin1Char('/') + name), qPrintable(name));
    QCOMPARE(
        QDir(backup::folder()).entryList(QDir::Hidden | QDir::Files).filter(QStringLiteral(".part")), QStringList());
}

void TestBackup::automaticBackupOncePerDayAndFailureReportedOnce()
{
    const QDate today(2026, 3, 2);
    backup::AutomaticBackup automatic;
    QSignalSpy failures(&automatic, &backup::AutomaticBackup::failedFirstTime);
    automatic.afterSuccessfulSave(today);
    automatic.wait();
    const QString first = backup::folder() + QLatin1Char('/') + backup::dailyName(today);
    QVERIFY(QFile::exists(first));
    QCOMPARE(db::registerFileCounts(first).classes, 0);
    db::addClass(QStringLiteral("Later"));
    automatic.afterSuccessfulSave(today);
    automatic.wait();
    QCOMPARE(db::registerFileCounts(first).classes, 0); // the day's first stays
    QCOMPARE(dailyFiles().size(), 1);
    QVERIFY(failures.isEmpty());

    // A backup that cannot be written is told once per run; the saves stand.
    QVERIFY(QDir(backup::folder()).removeRecursively());
    QFile blocker(backup::folder());
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const qint64 classId = db::addClass(QStringLiteral("Saved"));
    const qint64 student = db::addStudent(QStringLiteral("Ann"), classId, std::nullopt);
    for (int day = 1; day <= 2; ++day) {
        db::saveMarks(today.addDays(day), {{student, QStringLiteral("Late")}}, QString());
        automatic.afterSuccessfulSave(today.addDays(day));
        automatic.wait();
        QCOMPARE(db::mark(student, today.addDays(day))->status, QStringLiteral("Late"));
    }
    QCOMPARE(failures.size(), 1);
    const QString failure = failures.first().first().toString();
    QVERIFY2(failure.contains(QStringLiteral("is a file, not a folder")), qPrintable(failure));
    // The backup itself shows nothing: telling the user is the main window's.
    QVERIFY(m_env->dialogs().shown().isEmpty());
}

void TestBackup::restoreRefusesADamagedFileAndANonRegister()
{
    addMarks(db::addClass(QStringLiteral("Big")), 30, 100);
    const QString damaged = backup::takeBackup(QDateTime(QDate(2026, 2, 2), QTime(8, 0)));
    damageMiddlePage(damaged);
    // A database of another program, and a file that is no database at all.
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("Other"));
        other.setDatabaseName(backup::folder() + QStringLiteral("/dbAttendance-2026-02-03.mdb"));
        QVERIFY(other.open());
        QSqlQuery(QStringLiteral("CREATE TABLE recipes (name TEXT)"), other);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("Other"));
    QFile text(backup::folder() + QStringLiteral("/dbAttendance-2026-02-04.mdb"));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("Class,Name\n7A,Ann\n");
    text.close();
    // A backup cut to nothing (a copy lost to a full disk, say).
    QFile empty(backup::folder() + QStringLiteral("/dbAttendance-2026-02-05.mdb"));
    QVERIFY(empty.open(QIODevice::WriteOnly));
    empty.close();

    const QByteArray before = hashOf(m_env->livePath());
    auto* window = openWindow();
    const struct
    {
        const char* file;
        const char* says;
    } cases[] = {
        {"dbAttendance-2026-02-02.mdb", "is damaged"},
        {"dbAttendance-2026-02-03.mdb", "cannot be used as the register"},
        {"dbAttendance-2026-02-04.mdb", "not a Rollvane register"},
        {"dbAttendance-2026-02-05.mdb", "is empty, not a Rollvane register"},
    };
    for (const auto& refused : cases) {
        m_env->dialogs().clear();
        QVERIFY(!window->restore(rowOf(window, QLatin1String(refused.file))));
        const QStringList messages = m_env->dialogs().messages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().contains(QLatin1String(refused.says)), qPrintable(messages.first()));
        QVERIFY(messages.first().contains(QStringLiteral("left as it is")));
        // Plain words, never the database's own ("no such table: … Unable to execute statement").
        QVERIFY2(!messages.first().contains(QStringLiteral("no such table")), qPrintable(messages.first()));
        // A backup is never called "the register", which is only ever the live one.
        QVERIFY2(
            !messages.first().contains(QStringLiteral("The register ") + QDir::toNativeSeparators(backup::folder())),
            qPrintable(messages.first()));
        QCOMPARE(m_env->dialogs().shown().size(), 1); // nothing asked
    }
    QCOMPARE(window->backups().size(), 4); // no backup taken
    QCOMPARE(hashOf(m_env->livePath()), before);
    QCOMPARE(db::classes().size(), 1);
}

void TestBackup::restoreRefusesWhileAnotherProgramHasTheRegister()
{
    QVERIFY(backup::InstanceLock::program().acquireShared());
    db::addClass(QStringLiteral("Kept"));
    backup::takeBackup(QDateTime(QDate(2026, 2, 2), QTime(8, 0)));
    db::addClass(QStringLiteral("Added since"));
    const QByteArray before = hashOf(m_env->livePath());
    auto* window = openWindow();
    {
        Worker other(helper("helper_backup_worker"), {QStringLiteral("hold-instance")});
        QVERIFY(other.waitFor(QStringLiteral("locked")));
        QVERIFY(!window->restore(0));
        const QStringList messages = m_env->dialogs().messages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().contains(QStringLiteral("running elsewhere")), qPrintable(messages.first()));
        QCOMPARE(m_env->dialogs().shown().size(), 1);
        QCOMPARE(hashOf(m_env->livePath()), before);
        // This program's own hold on the register is kept through the refusal.
        QVERIFY(backup::InstanceLock::program().isShared());
        other.send("go");
        QVERIFY(other.waitFor(QStringLiteral("released")));
    }
    // Once the other program is gone, the same restore goes ahead.
    m_env->dialogs().clear();
    m_env->dialogs().answerYes();
    QVERIFY(window->restore(rowOf(window, backup::dailyName(QDate(2026, 2, 2)))));
    QCOMPARE(db::classes().size(), 1);
    QVERIFY(backup::InstanceLock::program().isShared());
}

void TestBackup::partFilesOfAKilledCopyGoUnlessAnotherProgramMayWriteThem()
{
    QVERIFY(backup::InstanceLock::program().acquireShared());
    QVERIFY(QDir().mkpath(backup::folder()));
    const QStringList parts = {backup::folder() + QStringLiteral("/.dbAttendance-2026-03-02.mdb.part-0a1b2c3d"),
        backup::folder() + QStringLiteral("/.dbAttendance-2026-03-02.mdb.part-0a1b2c3d-journal"),
        QFileInfo(m_env->livePath()).absolutePath() + QStringLiteral("/.dbAttendance.mdb.part-deadbeef")};
    // Files that only look alike are someone else's and stay.
    const QStringList bystanders = {backup::folder() + QStringLiteral("/notes.part-0a1b2c3d"),
        backup::folder() + QStringLiteral("/") + backup::dailyName(QDate(2026, 3, 1))};
    for (const QString& path : parts + bystanders) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("half a copy");
    }
    {
        // While another Rollvane runs, any of them may be its copy in the making.
        Worker other(helper("helper_backup_worker"), {QStringLiteral("hold-instance")});
        QVERIFY(other.waitFor(QStringLiteral("locked")));
        QCOMPARE(backup::removeStalePartFiles(), 0);
        for (const QString& path : parts)
            QVERIFY(QFile::exists(path));
        other.send("go");
        QVERIFY(other.waitFor(QStringLiteral("released")));
    }
    // Alone, the next backup clears them first; this program keeps its hold on the register.
    auto* window = openWindow();
    window->backUpNow();
    QCOMPARE(m_env->dialogs().messages().size(), 1);
    QVERIFY2(m_env->dialogs().messages().first().startsWith(QStringLiteral("The register was backed up as")),
        qPrintable(m_env->dialogs().messages().first()));
    for (const QString& path : parts)
        QVERIFY2(!QFile::exists(path), qPrintable(path));
    for (const QString& path : bystanders)
        QVERIFY2(QFile::exists(path), qPrintable(path));
    QVERIFY(backup::InstanceLock::program().isShared());

    // A backup that cannot be written (here: the folder is a file) is one plain sentence and
    // what to do, not the error report of a program fault.
    QVERIFY(QDir(backup::folder()).removeRecursively());
    QFile blocker(backup::folder());
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    m_env->dialogs().clear();
    window->backUpNow();
    const QStringList messages = m_env->dialogs().messages();
    QCOMPARE(messages.size(), 1);
    QVERIFY2(
        messages.first().startsWith(QStringLiteral("The register was not backed up: ")), qPrintable(messages.first()));
    QVERIFY2(!messages.first().contains(QStringLiteral("Please email")), qPrintable(messages.first()));
}

void TestBackup::restoreKeepsWhatItReplacedAndCanBeUndone()
{
    db::addClass(QStringLiteral("Yesterday"));
    const QString yesterday = backup::takeBackup(QDateTime(QDate::currentDate().addDays(-1), QTime(16, 0)));
    db::addClass(QStringLiteral("Today"));
    // Today's daily backup exists already, so the restore's own must not take its name.
    backup::takeBackup(QDateTime::currentDateTime());
    db::addClass(QStringLiteral("This afternoon"));
    ::chmod(QFile::encodeName(m_env->livePath()).constData(), 0660);

    QSignalSpy replaced(&db::RegisterEvents::instance(), &db::RegisterEvents::registerReplaced);
    auto* window = openWindow();
    m_env->dialogs().answerYes();
    QVERIFY(window->restore(rowOf(window, QFileInfo(yesterday).fileName())));
    QCOMPARE(replaced.count(), 1);
    QVERIFY(db::isOpen());
    QCOMPARE(db::classes().size(), 1);
    QCOMPARE(db::classes().first().name, QStringLiteral("Yesterday"));
    QFileInfo live(m_env->livePath());
    QCOMPARE(live.permissions() & (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther),
        QFile::ReadGroup | QFile::WriteGroup);
    const QString question = m_env->dialogs().shown().first().text;
    QVERIFY2(question.contains(QStringLiteral("1 class(es), 0 student(s) and 0 mark(s)")), qPrintable(question));

    // The register as it was before the restore is a backup of its own, and restoring it
    // undoes the restore.
    QTRY_VERIFY(window->countsComplete());
    QCOMPARE(window->backups().size(), 3);
    const int undo = 0;
    QVERIFY(!window->backups().at(undo).daily);
    QCOMPARE(classNamesIn(window->backups().at(undo).path),
        (QStringList {QStringLiteral("This afternoon"), QStringLiteral("Today"), QStringLiteral("Yesterday")}));
    m_env->dialogs().clear();
    m_env->dialogs().answerYes();
    QVERIFY(window->restore(undo));
    QCOMPARE(db::classes().size(), 3);
    QCOMPARE(window->backups().size(), 4);
    db::addClass(QStringLiteral("Writable again"));
}

void TestBackup::checkFindsADamagedPageAndListsUnplacedMarks()
{
    const qint64 classId = db::addClass(QStringLiteral("Big"));
    addMarks(classId, 30, 100);
    const qint64 ann = db::addStudent(QStringLiteral("Ann"), classId, std::nullopt);
    QSqlQuery foreign(db::connection());
    QVERIFY(foreign.exec(QStringLiteral("INSERT INTO tblAttendance (StudentID, \"Date\", \"Status\") VALUES (%1, "
                                        "'03/02/2026', 'Late')")
                             .arg(ann)));
    auto* window = openWindow();
    window->checkRegister();
    QCOMPARE(m_env->dialogs().messages().size(), 1);
    QVERIFY(m_env->dialogs().messages().first().startsWith(QStringLiteral("The register is sound.")));
    auto* unplaced = window->findChild<QTreeWidget*>(QStringLiteral("UnplacedList"));
    QCOMPARE(unplaced->topLevelItemCount(), 1);
    QCOMPARE(unplaced->topLevelItem(0)->text(0), QStringLiteral("Ann"));
    QCOMPARE(unplaced->topLevelItem(0)->text(1), QStringLiteral("03/02/2026"));
    QCOMPARE(unplaced->topLevelItem(0)->text(2), QStringLiteral("Late"));

    // Two marks for one student and day, as another tool without the mark key leaves them: the
    // check offers to keep the newest, and Yes keeps the history of the other.
    QVERIFY(foreign.exec(QStringLiteral("DROP INDEX ixAttendanceKey")));
    QVERIFY(foreign.exec(QStringLiteral("INSERT INTO tblAttendance (StudentID, \"Date\", \"Status\", ChangedAt) VALUES "
                                        "(%1, '2026-03-02', 'Absent', '2026-03-02T08:00:00.000Z'), "
                                        "(%1, '2026-03-02', 'Late', '2026-03-02T09:00:00.000Z')")
                             .arg(ann)));
    m_env->dialogs().clear();
    m_env->dialogs().answerYes();
    window->checkRegister();
    QCOMPARE(m_env->dialogs().shown().first().text,
        QStringLiteral("1 student(s) have more than one mark stored for one day. Keep the most recently changed mark "
                       "of each, and record the others in the history?"));
    QVERIFY2(m_env->dialogs().messages().first().contains(QStringLiteral("stored twice were removed")),
        qPrintable(m_env->dialogs().messages().first()));
    QCOMPARE(db::mark(ann, QDate(2026, 3, 2))->status, QStringLiteral("Late"));
    QCOMPARE(db::history(ann, QDate(2026, 3, 2)).first().oldStatus, QStringLiteral("Absent"));

    backup::takeBackup(QDateTime(QDate(2026, 2, 2), QTime(8, 0)));
    db::close();
    damageMiddlePage(m_env->livePath());
    const db::IntegrityReport report = db::checkRegisterFile(m_env->livePath());
    QVERIFY(!report.sound);
    QVERIFY(!report.problems.isEmpty());
    m_env->dialogs().clear();
    window->checkRegister();
    const QString answer = m_env->dialogs().messages().value(0);
    QVERIFY2(answer.startsWith(QStringLiteral("The register is damaged.")), qPrintable(answer));
    QVERIFY2(answer.contains(QStringLiteral("Restore the newest backup, of 2 February 2026")), qPrintable(answer));
}

void TestBackup::exportCopiesEveryRow()
{
    const qint64 classId = db::addClass(QStringLiteral("O'Neil's class"));
    const QByteArray photo = QByteArray("BM") + QByteArray(5000, 'x');
    const qint64 ann = db::addStudent(QStringLiteral("Ann"), classId, photo);
    const qint64 gone = db::addStudent(QStringLiteral("Gone"), classId, std::nullopt);
    const qint64 ben = db::addStudent(QStringLiteral("Ben"), classId, std::nullopt);
    db::deleteStudent(gone); // the ids keep their gap
    db::saveMarks(QDate(2026, 3, 2),
        {{ann, QStringLiteral("Late"), QStringLiteral("bus")}, {ben, QStringLiteral("Absent")}},
        QStringLiteral("notes"));
    db::saveMarks(QDate(2026, 3, 2), {{ann, QStringLiteral("Present")}, {ben, QStringLiteral("Absent")}}, QString());
    db::setSetting(QStringLiteral("School"), QStringLiteral("Hill School"));

    const QString path = m_env->root() + QStringLiteral("/export.mdb");
    QList<qint64> progress;
    db::exportRegisterToFile(path, [&progress](qint64 done, qint64) {
        progress << done;
        return true;
    });
    QVERIFY(!progress.isEmpty());
    const QList<db::HistoryRow> history = db::history(ann, QDate(2026, 3, 2));
    db::close();
    db::openReadOnly(path);
    QCOMPARE(db::openedSchemaVersion(), db::kSchemaVersion);
    QCOMPARE(db::classes().first().id, classId);
    const std::optional<db::StudentRow> copied = db::student(ann);
    QVERIFY(copied);
    QCOMPARE(copied->image, photo);
    QCOMPARE(db::studentsOfClass(classId, false).last().id, ben);
    QCOMPARE(db::mark(ann, QDate(2026, 3, 2))->status, QStringLiteral("Present"));
    QCOMPARE(db::history(ann, QDate(2026, 3, 2)).size(), history.size());
    QCOMPARE(db::setting(QStringLiteral("School")), QStringLiteral("Hill School"));
}

void TestBackup::photoConversionKilledGoesOnWhereItStopped()
{
    const qint64 classId = db::addClass(QStringLiteral("Whole school"));
    // Photos as an earlier version stored them: whole BMP files, no card pictures.
    constexpr int students = 600;
    {
        QByteArray bmp;
        QBuffer buffer(&bmp);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(samplePicture(200, 150, Qt::red).save(&buffer, "BMP"));
        QSqlQuery insert(db::connection());
        QVERIFY(
            insert.prepare(QStringLiteral("INSERT INTO tblStudents (StudentName, ClassID, Image) VALUES (?, ?, ?)")));
        QVERIFY(db::connection().transaction());
        for (int i = 0; i < students; ++i) {
            insert.addBindValue(QStringLiteral("Student %1").arg(i, 3, 10, QLatin1Char('0')));
            insert.addBindValue(classId);
            insert.addBindValue(bmp);
            QVERIFY(insert.exec());
        }
        QVERIFY(db::connection().commit());
    }
    // How many photos are converted; -1 when one is neither converted nor the one stored.
    const auto compactCount = [classId] {
        int compact = 0;
        for (const db::StudentRow& row : db::studentsOfClass(classId, true)) {
            if (isCompactPhoto(row.image))
                ++compact;
            else if (!nearColour(FetchPhoto(row.image).pixelColor(100, 75), Qt::red))
                return -1;
        }
        return compact;
    };

    // The check says what converting them would save.
    openWindow()->checkRegister();
    QVERIFY2(m_env->dialogs().messages().last().contains(QStringLiteral("600 photo(s) are stored at full size")),
        qPrintable(m_env->dialogs().messages().last()));

    // Killed as soon as it says that the first batch is written.
    QProcess admin;
    admin.start(helper("rollvane-admin"), {QStringLiteral("compact-photos")});
    QVERIFY(admin.waitForStarted());
    QByteArray said;
    while (!said.contains("looked at") && admin.state() == QProcess::Running) {
        admin.waitForReadyRead(100);
        said += admin.readAllStandardOutput();
    }
    admin.kill();
    admin.waitForFinished();
    QVERIFY2(said.contains("looked at"), said.constData() + admin.readAllStandardError());
    const int firstRun = compactCount();
    QVERIFY2(firstRun >= 50, qPrintable(QString::number(firstRun)));

    // Run again, it converts the rest and nothing twice.
    QProcess again;
    again.setProcessChannelMode(QProcess::MergedChannels);
    again.start(helper("rollvane-admin"), {QStringLiteral("compact-photos")});
    QVERIFY(again.waitForFinished(120000));
    const QString output = QString::fromLocal8Bit(again.readAll());
    QVERIFY2(again.exitCode() == 0, qPrintable(output));
    QVERIFY2(output.contains(QStringLiteral("%1 photos converted").arg(students - firstRun)), qPrintable(output));
    QCOMPARE(compactCount(), students);
    QCOMPARE(backup::list().size(), 2); // a backup before each run
}

QTEST_MAIN(TestBackup)
#include "tst_backup.moc"
