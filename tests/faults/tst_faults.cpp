// The register under the faults it meets in an office: the program killed mid-save, a full
// disk, a read-only file or folder, a damaged file, two users saving at once, a lock that is
// not let go, hostile text and broken photos. Each case checks that no saved mark is lost, no
// class is left half saved and the user is told plainly what happened.
#include "FaultProtocol.h"
#include "TestSupport.h"

#include "app/Failure.h"
#include "app/SharedRoutines.h"
#include "attendance/MainWindow.h"
#include "attendance/StudentCard.h"
#include "backup/InstanceLock.h"
#include "data/Database.h"
#include "data/Photo.h"
#include "data/PhotoCache.h"
#include "roster/ManageClassesWindow.h"
#include "roster/StudentEditor.h"

#include <QBuffer>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDataStream>
#include <QDateEdit>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QtTest>

#include <cstdio>
#include <functional>

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

// What the suite tried, for its closing line.
struct Tally
{
    int faults = 0;
    int saves = 0;
    int marksLost = 0;
};
Tally tally;

int envNumber(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

QString helperPath()
{
    return QStringLiteral(ROLLVANE_BIN_DIR "/") + QLatin1String(faults::kHelperName);
}

// How a helper process is told which register to use: the file's path, or "-" for the one the
// settings file names (the server's database in the server variant).
QString registerArgument(const TestEnvironment& env)
{
    return env.serverRegister() ? QStringLiteral("-") : env.livePath();
}

struct TestClass
{
    qint64 id = 0;
    QList<qint64> students; // in the order the register lists them
};

TestClass addClassOf(const QString& name, int size)
{
    TestClass added;
    added.id = db::addClass(name);
    for (int i = 1; i <= size; ++i)
        db::addStudent(QStringLiteral("Student %1").arg(i, 2, 10, QLatin1Char('0')), added.id, std::nullopt);
    for (const db::StudentRow& row : db::studentsOfClass(added.id, false))
        added.students << row.id;
    return added;
}

QList<db::CardMark> cardsFor(const TestClass& group, const QString& letters)
{
    QList<db::CardMark> cards;
    for (int i = 0; i < group.students.size(); ++i)
        cards.append({group.students.at(i), faults::statusWord(letters.at(i))});
    return cards;
}

// What the register holds for a class on a day, read through a connection of its own.
struct Stored
{
    int rows = 0;
    QString letters; // one letter per student in class order, '-' where there is no row
    QStringList notes; // of the rows found
};

Stored storedOn(const TestClass& group, const QDate& date)
{
    const QHash<qint64, db::Mark> found = db::marks(group.students, date);
    Stored stored;
    for (qint64 id : group.students) {
        const auto mark = found.constFind(id);
        if (mark == found.constEnd()) {
            stored.letters += QLatin1Char('-');
            continue;
        }
        ++stored.rows;
        stored.letters += faults::statusLetter(mark->status);
        stored.notes << mark->notes;
    }
    return stored;
}

QString integrity()
{
    // A server keeps its own pages whole; what the suite checks there is the rows.
    if (onServer())
        return QStringLiteral("ok");
    QSqlQuery query(db::connection());
    if (!query.exec(QStringLiteral("PRAGMA integrity_check")))
        return query.lastError().text();
    QStringList lines;
    while (query.next())
        lines << query.value(0).toString();
    return lines.join(QLatin1Char('\n'));
}

int duplicateMarks()
{
    QSqlQuery query(db::connection());
    query.exec(QStringLiteral("SELECT COUNT(*) FROM (SELECT 1 FROM tblAttendance GROUP BY StudentID, \"Date\" "
                              "HAVING COUNT(*) > 1) AS twice"));
    return query.next() ? query.value(0).toInt() : -1;
}

QVariant pragma(const QString& name)
{
    QSqlQuery query(db::connection());
    if (!query.exec(QStringLiteral("PRAGMA ") + name) || !query.next())
        return QVariant();
    return query.value(0);
}

// The failure a call throws, as the user would read it; empty when it did not fail.
QString failureOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const Failure& failure) {
        return failure.description().isEmpty() ? QStringLiteral("(a failure without words)") : failure.description();
    }
    return QString();
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What lies in a folder, leaving out the lock every running program holds beside the register.
QStringList folderListing(const QString& path)
{
    QStringList names
        = QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    names.removeAll(QFileInfo(backup::InstanceLock::lockPath()).fileName());
    return names;
}

// One helper process and the lines it has said so far.
class Worker
{
public:
    explicit Worker(const QStringList& args)
    {
        m_process.setProgram(helperPath());
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
    Worker(const Worker&) = delete;
    Worker& operator=(const Worker&) = delete;

    QProcess& process() { return m_process; }

    // Waits for a line starting with the given word; false on timeout or exit.
    bool waitFor(const QString& word, int timeoutMs = 20000)
    {
        QElapsedTimer clock;
        clock.start();
        while (true) {
            collect();
            for (const QString& line : std::as_const(m_lines)) {
                if (line.section(QLatin1Char(' '), 0, 0) == word)
                    return true;
            }
            if (clock.elapsed() > timeoutMs || m_process.state() == QProcess::NotRunning)
                return false;
            m_process.waitForReadyRead(50);
        }
    }
    void send(const QByteArray& line) { m_process.write(line + '\n'); }
    bool finish(int timeoutMs = 60000)
    {
        const bool finished = m_process.waitForFinished(timeoutMs);
        collect();
        return finished;
    }
    // Waits until the worker has said at least count lines starting with the given word.
    bool waitForCount(const QString& word, int count, int timeoutMs = 20000)
    {
        QElapsedTimer clock;
        clock.start();
        while (true) {
            collect();
            int seen = 0;
            for (const QString& line : std::as_const(m_lines))
                seen += line.section(QLatin1Char(' '), 0, 0) == word ? 1 : 0;
            if (seen >= count)
                return true;
            if (clock.elapsed() > timeoutMs || m_process.state() == QProcess::NotRunning)
                return false;
            m_process.waitForReadyRead(20);
        }
    }
    void killNow()
    {
        m_process.kill();
        m_process.waitForFinished(10000);
        collect();
    }
    const QStringList& lines()
    {
        collect();
        return m_lines;
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
        // A line without its end was cut by the kill: it never happened as far as anyone knows.
    }

    QProcess m_process;
    QByteArray m_pending;
    QStringList m_lines;
};

struct SaveLine
{
    QString label;
    qint64 classId = 0;
    QDate date;
    QString letters;
};

SaveLine parseBegin(const QString& line)
{
    const QStringList parts = line.split(QLatin1Char(' '));
    if (parts.size() != 5)
        return {};
    return {parts.at(1), parts.at(2).toLongLong(), QDate::fromString(parts.at(3), Qt::ISODate), parts.at(4)};
}

// Acts as the "nobody" user for as long as it lives, so file permissions count again when the
// suite runs as root. The effective ids are switched only, and given back at the end.
class ActAsNobody
{
public:
    ActAsNobody()
    {
        if (geteuid() != 0) {
            m_active = true; // already an ordinary user
            return;
        }
        const passwd* nobody = getpwnam("nobody");
        const uid_t uid = nobody ? nobody->pw_uid : 65534;
        const gid_t gid = nobody ? nobody->pw_gid : 65534;
        m_groups.resize(getgroups(0, nullptr));
        m_groups.resize(std::max(0, getgroups(int(m_groups.size()), m_groups.data())));
        if (setgroups(0, nullptr) != 0 || setegid(gid) != 0 || seteuid(uid) != 0) {
            restore();
            return;
        }
        m_switched = true;
        m_active = true;
    }
    ~ActAsNobody() { restore(); }
    ActAsNobody(const ActAsNobody&) = delete;
    ActAsNobody& operator=(const ActAsNobody&) = delete;

    bool active() const { return m_active; }

private:
    void restore()
    {
        if (geteuid() == 0 && !m_switched)
            return;
        if (m_switched) {
            if (seteuid(0) != 0 || setegid(0) != 0 || setgroups(m_groups.size(), m_groups.data()) != 0)
                qFatal("could not return to the original user");
            m_switched = false;
        }
    }

    QList<gid_t> m_groups;
    bool m_switched = false;
    bool m_active = false;
};

// A small file system of its own for the register's folder, when this machine lets the suite
// mount one; unmounted when it goes.
class SmallDisk
{
public:
    SmallDisk(const QString& folder, int kilobytes)
        : m_folder(folder)
    {
        QDir().mkpath(folder);
        const QByteArray options = QByteArray("size=") + QByteArray::number(kilobytes) + "k,mode=0755";
        m_mounted = ::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                        options.constData())
            == 0;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_folder).constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return m_mounted; }

    // Fills what is left with one file, then gives back the given number of bytes.
    void fillLeaving(const QString& filler, qint64 freeBytes)
    {
        const int fd = ::open(QFile::encodeName(filler).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        QVERIFY(fd >= 0);
        const QByteArray block(4096, 'f');
        qint64 written = 0;
        while (true) {
            const auto n = ::write(fd, block.constData(), size_t(block.size()));
            if (n <= 0)
                break;
            written += n;
        }
        const qint64 kept = qMax<qint64>(0, written - freeBytes);
        QVERIFY(::ftruncate(fd, kept) == 0);
        ::close(fd);
    }

private:
    QString m_folder;
    bool m_mounted = false;
};

// Bytes of a BMP file whose header claims the given size, with a few pixels after it.
QByteArray bmpHeader(qint32 width, qint32 height, quint16 bitsPerPixel, quint32 dataOffset = 54)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("BM", 2);
    out << quint32(54 + 64) << quint16(0) << quint16(0) << dataOffset;
    out << quint32(40) << width << height << quint16(1) << bitsPerPixel << quint32(0) << quint32(0) << qint32(2835)
        << qint32(2835) << quint32(0) << quint32(0);
    bytes.append(64, '\x7f');
    return bytes;
}

quint32 crc32(const QByteArray& data)
{
    quint32 crc = 0xffffffffu;
    for (char c : data) {
        crc ^= quint8(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// A PNG whose header claims the given size, followed by a scrap of pixel data.
QByteArray pngHeader(quint32 width, quint32 height)
{
    QByteArray bytes("\x89PNG\r\n\x1a\n", 8);
    auto chunk = [&bytes](const char* type, const QByteArray& data) {
        const QByteArray body = QByteArray(type, 4) + data;
        QDataStream out(&bytes, QIODevice::Append);
        out.setByteOrder(QDataStream::BigEndian);
        out << quint32(data.size());
        out.writeRawData(body.constData(), int(body.size()));
        out << crc32(body);
    };
    QByteArray header;
    QDataStream out(&header, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::BigEndian);
    out << width << height << quint8(8) << quint8(2) << quint8(0) << quint8(0) << quint8(0);
    chunk("IHDR", header);
    chunk("IDAT", QByteArray("\x78\x9c\x63\x00\x00\x00\x01\x00\x01", 9));
    chunk("IEND", QByteArray());
    return bytes;
}

QByteArray gifHeader(quint16 width, quint16 height)
{
    QByteArray bytes("GIF89a");
    bytes.append(char(width & 0xff)).append(char(width >> 8)).append(char(height & 0xff)).append(char(height >> 8));
    bytes.append("\x00\x00\x00", 3);
    bytes.append(",\x00\x00\x00\x00", 5);
    bytes.append(char(width & 0xff)).append(char(width >> 8)).append(char(height & 0xff)).append(char(height >> 8));
    bytes.append("\x00\x02\x02\x44\x01\x00;", 7);
    return bytes;
}

QByteArray randomBytes(int size, quint32 start)
{
    QRandomGenerator random(start);
    QByteArray bytes(size, '\0');
    for (char& c : bytes)
        c = char(random.bounded(256));
    return bytes;
}

// The main window as a user meets it: started on the register, then a class and a day
// picked, cards clicked, Save pressed.
class WindowUser
{
public:
    WindowUser()
    {
        m_window.setProgramEnd([] {});
        m_window.load();
        m_window.show();
    }

    MainWindow& window() { return m_window; }
    QPlainTextEdit* notes() { return m_window.findChild<QPlainTextEdit*>(QStringLiteral("Text1")); }
    QComboBox* classList() { return m_window.findChild<QComboBox*>(QStringLiteral("Combo1")); }

    QDateEdit* picker() { return m_window.findChild<QDateEdit*>(QStringLiteral("DateTimePicker1")); }

    bool pick(qint64 classId, const QDate& date)
    {
        picker()->setDate(date);
        classList()->setCurrentIndex(int(m_window.classIds().indexOf(classId)));
        return settle();
    }
    // Waits for the rebuild a change of class or day starts.
    bool settle()
    {
        auto* timer = m_window.findChild<QTimer*>(QStringLiteral("Timer1"));
        return QTest::qWaitFor([timer] { return !timer->isActive(); }, 10000);
    }
    void clickCard(int i) { QTest::mouseClick(m_window.listedCards().at(i)->statusLabel(), Qt::LeftButton); }
    void clickAll()
    {
        for (int i = 0; i < m_window.listedCards().size(); ++i)
            clickCard(i);
    }
    void save() { QTest::mouseClick(m_window.findChild<QPushButton*>(QStringLiteral("PushButton2")), Qt::LeftButton); }

    // The statuses on screen, one letter per card.
    QString letters()
    {
        QString shown;
        for (const StudentCard* card : m_window.listedCards())
            shown += faults::statusLetter(card->status());
        return shown;
    }

private:
    MainWindow m_window;
};

struct BadPhoto
{
    const char* name;
    QByteArray bytes;
    bool mayDecode;
};

QList<BadPhoto> badPhotos()
{
    const QByteArray bmp = StorePhoto(samplePicture(120, 90, Qt::blue));
    return {
        {"truncated", bmp.left(bmp.size() / 2), true},
        {"header only", bmp.left(54), true},
        {"cut in the header", bmp.left(20), false},
        {"random", randomBytes(3000, 99), false},
        {"random after BM", QByteArray("BM") + randomBytes(3000, 98), true},
        {"BMP claiming 60000 x 60000", bmpHeader(60000, 60000, 24), false},
        {"BMP claiming 2^31 x 2^31", bmpHeader(0x7fffffff, -0x7fffffff, 32), false},
        {"BMP claiming 4000 x 4000 without pixels", bmpHeader(4000, 4000, 24), true},
        {"BMP with zero width", bmpHeader(0, 100, 24), false},
        {"BMP with 7 bits a pixel", bmpHeader(10, 10, 7), false},
        {"BMP pixels past its end", bmpHeader(10, 10, 24, 0x7ffffff0), true},
        {"PNG claiming 100000 x 100000", pngHeader(100000, 100000), false},
        {"PNG claiming 2^31 x 1", pngHeader(0x80000000u, 1), false},
        {"GIF claiming 65535 x 65535", gifHeader(65535, 65535), true},
        {"JPEG start only", QByteArray("\xff\xd8\xff\xe0", 4), false},
    };
}

// What a save loop's worker said, checked against what the register holds: every class and day
// shows one save whole (all its rows, its letters, its notes), and that save is the last one
// reported done there, or one that failed after it (a save cut off may have landed whole). The
// marks of a reported save that are missing or older count as lost.
void checkSavesLanded(const QStringList& lines, const QList<TestClass>& groups)
{
    QHash<QString, SaveLine> saves;
    QHash<QPair<qint64, QDate>, QStringList> order; // labels begun on each class and day, in order
    QSet<QString> done;
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1String("begin "))) {
            const SaveLine save = parseBegin(line);
            saves.insert(save.label, save);
            order[{save.classId, save.date}] << save.label;
        } else if (line.startsWith(QLatin1String("done "))) {
            done.insert(line.mid(5));
        }
    }
    QCOMPARE(duplicateMarks(), 0);
    for (const TestClass& group : groups) {
        for (int day = 0; day < faults::kDays; ++day) {
            const QDate date = faults::firstDay().addDays(day);
            const QStringList begun = order.value({group.id, date});
            qsizetype lastDone = -1;
            for (qsizetype i = 0; i < begun.size(); ++i) {
                if (done.contains(begun.at(i)))
                    lastDone = i;
            }
            const Stored stored = storedOn(group, date);
            if (stored.rows == 0) {
                if (lastDone >= 0)
                    tally.marksLost += int(group.students.size());
                QVERIFY2(lastDone < 0, qPrintable(QStringLiteral("the save %1 is gone").arg(begun.value(lastDone))));
                continue;
            }
            QCOMPARE(stored.rows, int(group.students.size())); // never half a class
            const QString label = faults::labelOf(stored.notes.first());
            for (const QString& notes : stored.notes)
                QCOMPARE(notes, faults::notesFor(label));
            QCOMPARE(stored.letters, saves.value(label).letters);
            const qsizetype at = begun.indexOf(label);
            QVERIFY2(at >= 0, qPrintable(label));
            if (at < lastDone)
                tally.marksLost += int(group.students.size());
            QVERIFY2(at >= lastDone,
                qPrintable(QStringLiteral("%1 overwrote the reported save %2").arg(label, begun.value(lastDone))));
        }
    }
}

int countLines(const QStringList& lines, const QString& word)
{
    int count = 0;
    for (const QString& line : lines)
        count += line.section(QLatin1Char(' '), 0, 0) == word ? 1 : 0;
    return count;
}

} // namespace

class FaultSuite : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();

    void registerIsSetUpForASharedFile();
    void killedMidSaveLosesNoReportedSave();
    void fullRegisterRollsBackTheWholeSave();
    void fullDiskRollsBackTheWholeSave();
    void readOnlyRegisterStillShowsItsMarks_data();
    void readOnlyRegisterStillShowsItsMarks();
    void badFileAtStartUpIsReportedAndLeftAlone_data();
    void badFileAtStartUpIsReportedAndLeftAlone();
    void twoWritersQueueAndOneSaveWinsWhole();
    void laterSaveWaitsForTheEarlierAndWinsWhole();
    void lockHeldPastTheTimeoutSaysTryAgain();
    void hostileTextIsStoredExactly();
    void badPhotoBytesFailCleanly_data();
    void badPhotoBytesFailCleanly();
    void oversizedChosenPicturesAreRefused();
    void windowKeepsAnUnfittingSaveOnScreen_data();
    void windowKeepsAnUnfittingSaveOnScreen();
    void windowOnReadOnlyRegisterShowsMarksAndSaysWhy_data();
    void windowOnReadOnlyRegisterShowsMarksAndSaysWhy();
    void windowWaitsOutAnotherUsersSave();
    void windowListsEveryStudentDespiteBadPhotos();
    void hostileTextThroughTheWindows();
    void secondWriterOfTheSameDayIsAsked();
    void twoSaversOfTheSameNewDayCannotBothPass();
    void serverStoppedMidSavesLosesNothing();
    void sessionsEndedMidSavesLoseNothing();
    void windowOutlivesTheServerGoingAway();
};

void FaultSuite::initTestCase()
{
    REQUIRE_TEST_ENGINE();
    QVERIFY2(QFileInfo(helperPath()).isExecutable(), qPrintable(helperPath() + QStringLiteral(" is missing")));
}

void FaultSuite::cleanupTestCase()
{
    std::printf("fault suite: %d faults injected, %d saves verified, %d marks lost\n", tally.faults, tally.saves,
        tally.marksLost);
    std::fflush(stdout);
}

void FaultSuite::registerIsSetUpForASharedFile()
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

void FaultSuite::killedMidSaveLosesNoReportedSave()
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

void FaultSuite::fullRegisterRollsBackTheWholeSave()
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

void FaultSuite::fullDiskRollsBackTheWholeSave()
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

void FaultSuite::readOnlyRegisterStillShowsItsMarks_data()
{
    QTest::addColumn<bool>("folderWritable");
    QTest::addColumn<bool>("fileWritable");
    QTest::newRow("read-only file") << true << false;
    QTest::newRow("read-only folder") << false << true;
}

void FaultSuite::readOnlyRegisterStillShowsItsMarks()
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

void FaultSuite::badFileAtStartUpIsReportedAndLeftAlone_data()
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

void FaultSuite::badFileAtStartUpIsReportedAndLeftAlone()
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

void FaultSuite::twoWritersQueueAndOneSaveWinsWhole()
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

void FaultSuite::laterSaveWaitsForTheEarlierAndWinsWhole()
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

void FaultSuite::lockHeldPastTheTimeoutSaysTryAgain()
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

void FaultSuite::hostileTextIsStoredExactly()
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

void FaultSuite::badPhotoBytesFailCleanly_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("mayDecode"); // partial pictures are fine; a crash or a hang is not
    for (const BadPhoto& photo : badPhotos())
        QTest::newRow(photo.name) << photo.bytes << photo.mayDecode;
}

void FaultSuite::badPhotoBytesFailCleanly()
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

void FaultSuite::oversizedChosenPicturesAreRefused()
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

void FaultSuite::windowKeepsAnUnfittingSaveOnScreen_data()
{
    QTest::addColumn<bool>("smallDisk");
    QTest::newRow("page limit") << false;
    QTest::newRow("small disk") << true;
}

void FaultSuite::windowKeepsAnUnfittingSaveOnScreen()
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

void FaultSuite::windowOnReadOnlyRegisterShowsMarksAndSaysWhy_data()
{
    readOnlyRegisterStillShowsItsMarks_data();
}

void FaultSuite::windowOnReadOnlyRegisterShowsMarksAndSaysWhy()
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

void FaultSuite::windowWaitsOutAnotherUsersSave()
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

void FaultSuite::windowListsEveryStudentDespiteBadPhotos()
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

void FaultSuite::hostileTextThroughTheWindows()
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
    QCOMPARE(students, sorted);
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
        QCOMPARE(names, sorted);
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

void FaultSuite::secondWriterOfTheSameDayIsAsked()
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

void FaultSuite::twoSaversOfTheSameNewDayCannotBothPass()
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

void FaultSuite::serverStoppedMidSavesLosesNothing()
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

void FaultSuite::sessionsEndedMidSavesLoseNothing()
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

void FaultSuite::windowOutlivesTheServerGoingAway()
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

    // Back again: the next action finds it, without a restart.
    QVERIFY2(server.start(), qPrintable(server.error()));
    env.dialogs().clear();
    QTest::mouseClick(user.window().findChild<QPushButton*>(QStringLiteral("PushButton1")), Qt::LeftButton);
    delete ManageClassesWindow::instance();
    QCOMPARE(user.window().classIds(), QList<qint64> {group.id});
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

QTEST_MAIN(FaultSuite)
#include "tst_faults.moc"
