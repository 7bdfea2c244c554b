#pragma once

// What the fault suites share: workers in other processes, a disk that fills, a user without
// rights, broken pictures, a scripted user of the windows, and the tally each suite prints.
// Each suite is one program that includes this once.
#include "FaultProtocol.h"
#include "TestSupport.h"

#include "attendance/MainWindow.h"
#include "attendance/PhotoCache.h"
#include "attendance/StudentCard.h"
#include "backup/InstanceLock.h"
#include "core/Failure.h"
#include "core/Photo.h"
#include "core/SharedRoutines.h"
#include "register/Database.h"
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

namespace faults {

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
        // The faults are met while an earlier day's marks are changed: a reason is always given.
        if (auto* scripted = dynamic_cast<ScriptedDialogs*>(&dialogs()))
            scripted->answerAlways(
                QCoreApplication::translate("MainWindow", "Reason for the Change"), QStringLiteral("Correction"));
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

} // namespace faults
