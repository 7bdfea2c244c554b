// Copies and checks of the register as a SQLite file, and its copy into a new SQLite file.
#include "register/RegisterFiles.h"

#include "register/RegisterEvents.h"

#include "register/CopyRegister.h"

#include "register/Database.h"
#include "register/Engine.h"
#include "register/Sql.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QUrl>
#include <QVariant>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

namespace db {
namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(Backup)
};

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// A thousand 4 KiB pages a step: long enough to copy quickly, short enough that a save from
// another user only waits a moment for it.
constexpr int kPagesPerStep = 1024;
// After this many fresh starts the copy is taken in one step.
constexpr int kRestartsBeforeOneStep = 2;
// How long a copy waits, in all, for other users' saves to let go of the register, and how
// often it tries meanwhile.
constexpr int kBusyLimitMs = 60000;
constexpr int kBusyTryMs = 5;

sqlite3* handleOf(const QSqlDatabase& database)
{
    const QVariant handle = database.driver()->handle();
    if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0)
        return *static_cast<sqlite3* const*>(handle.constData());
    return nullptr;
}

QString uniqueConnectionName(const char* purpose)
{
    static std::atomic<quint64> counter {0};
    return QStringLiteral("%1-%2").arg(QLatin1String(purpose)).arg(++counter);
}

// The failure of writing a copy, in words about the copy (the engine's words speak of the
// register itself).
Failure copyFailure(int code, const QString& written, const QString& detail)
{
    // A copy is written under a hidden name first; the user knows the folder, not that name.
    const QFileInfo info(written);
    const QString target
        = info.fileName().startsWith(QLatin1Char('.')) && info.fileName().contains(QLatin1String(".part-"))
        ? info.absolutePath()
        : written;
    switch (code & 0xff) {
    case SQLITE_FULL:
        return Failure(Text::tr("The disk holding %1 is full, so the copy could not be written.").arg(native(target)));
    case SQLITE_READONLY:
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
        return Failure(
            Text::tr("The copy %1 could not be written: its folder is read-only or not there.").arg(native(target)));
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return Failure(
            Text::tr("The register stayed in use by another user for too long, so no copy was made. Please try "
                     "again in a moment."));
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return Failure(
            Text::tr("The register's file is damaged, so no copy was made (%1). Use Check Register to find out "
                     "more.")
                .arg(detail));
    default:
        return Failure(Text::tr("The copy %1 could not be written: %2").arg(native(target), detail));
    }
}

// A connection of its own on one file, removed again when it goes; usable on any thread, as
// long as it stays on the thread that made it.
class FileConnection
{
public:
    explicit FileConnection(const char* purpose)
        : m_name(uniqueConnectionName(purpose))
    {
        m_database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    }
    FileConnection(const FileConnection&) = delete;
    FileConnection& operator=(const FileConnection&) = delete;
    ~FileConnection()
    {
        m_database.close();
        m_database = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
    }

    // Opens a register file for reading with every check the program makes before it reads a
    // register: a regular file, a database, not of a newer schema, with the register's tables.
    void openRegister(const QString& path)
    {
        m_engine = sqliteEngine(path);
        m_engine->open(m_database, true);
        checkSchema(m_database, *m_engine);
    }

    // Opens the live register for a copy, read-only, with no check of its own (the copy is
    // checked instead), waiting as long as a copy may wait for other users' saves to let go.
    void openForCopy(const QString& path)
    {
        m_database.setDatabaseName(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded)
            + QStringLiteral("?mode=ro"));
        m_database.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI"));
        if (!m_database.open())
            throw copyFailure(m_database.lastError().nativeErrorCode().toInt(), path, m_database.lastError().text());
        // Short, frequent tries: a user who saves again and again still leaves moments between
        // saves in which the register can be read.
        sqlite3_busy_handler(
            handle(),
            [](void*, int tries) {
                QThread::msleep(kBusyTryMs);
                return tries * kBusyTryMs < kBusyLimitMs ? 1 : 0;
            },
            nullptr);
    }

    QSqlDatabase& database() { return m_database; }
    const QString& name() const { return m_name; }
    sqlite3* handle() const { return handleOf(m_database); }
    Failure failure(const QSqlError& error) const
    {
        return m_engine ? m_engine->failure(error) : Failure(error.text());
    }

private:
    QString m_name;
    QSqlDatabase m_database;
    std::unique_ptr<Engine> m_engine;
};

void execOn(QSqlDatabase& database, const QString& statement)
{
    QSqlQuery query(database);
    if (!query.exec(statement))
        throw Failure(query.lastError().text());
}

// Makes a written file durable: the data first, then its entry in the folder.
void syncToDisk(const QString& path)
{
    const QByteArray local = QFile::encodeName(path);
    const int fd = ::open(local.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 || ::fsync(fd) != 0) {
        const int error = errno;
        if (fd >= 0)
            ::close(fd);
        throw Failure(Text::tr("%1 could not be written to the disk: %2")
                          .arg(native(path), QString::fromLocal8Bit(std::strerror(error))));
    }
    ::close(fd);
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int dir = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

void removeWithSideFiles(const QString& path)
{
    QFile::remove(path);
    QFile::remove(path + QStringLiteral("-journal"));
}

// A name beside `path` that nothing else uses and that no one takes for a register.
QString partName(const QString& path)
{
    const QFileInfo info(path);
    return info.absolutePath() + QStringLiteral("/.") + info.fileName()
        + QStringLiteral(".part-%1").arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
}

qint64 countOf(QSqlDatabase& database, const char* table, const FileConnection& connection)
{
    QSqlQuery query(database);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT count(*) FROM %1").arg(QLatin1String(table))) || !query.next())
        throw connection.failure(query.lastError());
    return query.value(0).toLongLong();
}

// Opens the register again after a replace that did not happen; the failure that stopped the
// replace is the one the user hears of.
void reopenAfterFailure(const QString& livePath)
{
    try {
        open(livePath);
    } catch (...) { }
}

} // namespace

bool registerIsAFile()
{
    try {
        return engine().registerIsAFile();
    } catch (const Failure&) {
        // Nothing opened yet: the register the program opens by itself is its file.
        return true;
    }
}

void Interruption::request()
{
    QMutexLocker lock(&m_mutex);
    m_requested = true;
    if (m_handle)
        sqlite3_interrupt(m_handle);
}

void Interruption::attach(sqlite3* handle)
{
    QMutexLocker lock(&m_mutex);
    m_handle = handle;
    if (m_requested && m_handle)
        sqlite3_interrupt(m_handle);
}

void Interruption::detach()
{
    QMutexLocker lock(&m_mutex);
    m_handle = nullptr;
}

void backupRegisterFile(const QString& from, const QString& to, const Progress& progress, Interruption* interruption)
{
    if (QFileInfo::exists(to))
        throw Failure(Text::tr("%1 already exists; it was left as it is.").arg(native(to)));
    FileConnection source("RegisterCopySource");
    source.openForCopy(from);
    bool written = false;
    try {
        FileConnection target("RegisterCopyTarget");
        target.database().setDatabaseName(to);
        if (!target.database().open())
            throw copyFailure(
                target.database().lastError().nativeErrorCode().toInt(), to, target.database().lastError().text());
        written = true;
        // The copy is a new file under a name no one uses yet: it needs no journal, and it is
        // made durable once, at the end, rather than at every step.
        execOn(target.database(), QStringLiteral("PRAGMA journal_mode=OFF"));
        execOn(target.database(), QStringLiteral("PRAGMA synchronous=OFF"));

        sqlite3* targetHandle = target.handle();
        sqlite3_backup* copy = sqlite3_backup_init(targetHandle, "main", source.handle(), "main");
        if (!copy)
            throw copyFailure(
                sqlite3_extended_errcode(targetHandle), to, QString::fromUtf8(sqlite3_errmsg(targetHandle)));
        // The kernel is asked to start writing the copy to the disk as it grows, so that making it
        // durable at the end has little left to do.
        const int writeback = ::open(QFile::encodeName(to).constData(), O_RDONLY | O_CLOEXEC);
        const auto closeWriteback = qScopeGuard([writeback] {
            if (writeback >= 0)
                ::close(writeback);
        });
        int restarts = 0;
        int lastRemaining = -1;
        QElapsedTimer waiting;
        int result = SQLITE_OK;
        bool stopped = false;
        for (;;) {
            if (interruption && interruption->requested()) {
                stopped = true;
                break;
            }
            result = sqlite3_backup_step(copy, restarts >= kRestartsBeforeOneStep ? -1 : kPagesPerStep);
            if (result == SQLITE_DONE)
                break;
            if (result == SQLITE_BUSY || result == SQLITE_LOCKED) {
                if (!waiting.isValid())
                    waiting.start();
                if (waiting.elapsed() > kBusyLimitMs)
                    break;
                QThread::msleep(20);
                continue;
            }
            if (result != SQLITE_OK)
                break;
            if (writeback >= 0)
                ::sync_file_range(writeback, 0, 0, SYNC_FILE_RANGE_WRITE);
            waiting.invalidate();
            const int remaining = sqlite3_backup_remaining(copy);
            const int total = sqlite3_backup_pagecount(copy);
            // Someone saved since the last step: the copy has begun again from the first page.
            if (lastRemaining >= 0 && remaining > lastRemaining)
                ++restarts;
            lastRemaining = remaining;
            if (progress && !progress(total - remaining, total)) {
                stopped = true;
                break;
            }
        }
        sqlite3_backup_finish(copy);
        if (stopped)
            throw Cancelled(Text::tr("The copy was stopped; nothing was kept of it."));
        if (result != SQLITE_DONE)
            throw copyFailure(result, to, QString::fromUtf8(sqlite3_errstr(result)));
    } catch (...) {
        if (written)
            removeWithSideFiles(to);
        throw;
    }
    try {
        syncToDisk(to);
        // The copy passes the checks any register passes before it is read.
        FileConnection check("RegisterCopyCheck");
        check.openRegister(to);
    } catch (...) {
        removeWithSideFiles(to);
        throw;
    }
}

IntegrityReport checkRegisterFile(const QString& path, Interruption* interruption)
{
    FileConnection connection("RegisterCheck");
    connection.openRegister(path);
    IntegrityReport report;
    if (interruption)
        interruption->attach(connection.handle());
    QSqlQuery query(connection.database());
    query.setForwardOnly(true);
    const bool ran = query.exec(QStringLiteral("PRAGMA integrity_check(100)"));
    QStringList rows;
    while (ran && query.next())
        rows << query.value(0).toString();
    const QSqlError error = query.lastError();
    query.finish();
    if (interruption)
        interruption->detach();
    if (interruption && interruption->requested())
        throw Cancelled(Text::tr("The check was stopped before it finished."));
    const int code = error.nativeErrorCode().toInt() & 0xff;
    if (!ran || error.isValid()) {
        // Damage bad enough to stop the check is its answer, not a failure of the check.
        if (code == SQLITE_CORRUPT || code == SQLITE_NOTADB) {
            report.problems << error.text();
            return report;
        }
        throw connection.failure(error);
    }
    report.sound = rows == QStringList {QStringLiteral("ok")};
    if (!report.sound)
        report.problems = rows;
    return report;
}

RegisterCounts registerFileCounts(const QString& path)
{
    FileConnection connection("RegisterCounts");
    connection.openRegister(path);
    RegisterCounts counts;
    counts.classes = countOf(connection.database(), "tblClassName", connection);
    counts.students = countOf(connection.database(), "tblStudents", connection);
    counts.marks = countOf(connection.database(), "tblAttendance", connection);
    return counts;
}

void replaceRegisterFile(const QString& livePath, const QString& replacement, const Progress& progress)
{
    struct stat live = {};
    const QByteArray liveLocal = QFile::encodeName(livePath);
    if (::stat(liveLocal.constData(), &live) != 0 || !S_ISREG(live.st_mode))
        throw Failure(Text::tr("The register %1 was not found, so it was not replaced.").arg(native(livePath)));

    // 1. The copy, beside the live file so that one rename within the folder puts it in place.
    const QString part = partName(livePath);
    QFile from(replacement);
    QFile to(part);
    if (!from.open(QIODevice::ReadOnly))
        throw Failure(Text::tr("The backup %1 could not be read: %2").arg(native(replacement), from.errorString()));
    if (!to.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        throw Failure(Text::tr("The register's folder cannot be written, so the register was not replaced: %1")
                          .arg(to.errorString()));
    const qint64 total = from.size();
    qint64 done = 0;
    QByteArray buffer;
    try {
        while (!from.atEnd()) {
            buffer = from.read(4 * 1024 * 1024);
            if (buffer.isEmpty() && from.error() != QFile::NoError)
                throw Failure(
                    Text::tr("The backup %1 could not be read: %2").arg(native(replacement), from.errorString()));
            if (to.write(buffer) != buffer.size())
                throw Failure(Text::tr("The register's copy could not be written, so the register was not replaced: %1")
                                  .arg(to.errorString()));
            done += buffer.size();
            if (progress && !progress(done, total))
                throw Cancelled(Text::tr("The restore was stopped; the register was left as it is."));
        }
        to.close();
        // The register keeps the group and mode that share it between the users of the machine.
        const QByteArray partLocal = QFile::encodeName(part);
        if (::chown(partLocal.constData(), uid_t(-1), live.st_gid) != 0) {
            // Not a member of the register's group: the folder hands its own group on.
        }
        ::chmod(partLocal.constData(), live.st_mode & 07777);
        syncToDisk(part);
        registerFileCounts(part);
    } catch (...) {
        to.close();
        QFile::remove(part);
        throw;
    }

    // 2. No one may be in the middle of a save when the file changes under them. Taking the
    // write lock also rolls back what a save cut short left behind in the journal, which would
    // otherwise be played into the new file.
    close();
    try {
        FileConnection check("RegisterReplace");
        check.database().setDatabaseName(livePath);
        check.database().setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        if (!check.database().open())
            throw Failure(check.database().lastError().text());
        QSqlQuery exclusive(check.database());
        if (!exclusive.exec(QStringLiteral("BEGIN EXCLUSIVE")))
            throw Failure(
                Text::tr("Another user is saving to the register just now, so it was not replaced. Please try "
                         "again in a moment."));
        exclusive.exec(QStringLiteral("ROLLBACK"));
        exclusive.finish();

        // 3. The rename: the register is the old file or the new one, never a mixture.
        if (::rename(QFile::encodeName(part).constData(), liveLocal.constData()) != 0)
            throw Failure(
                Text::tr("The register could not be replaced: %1").arg(QString::fromLocal8Bit(std::strerror(errno))));
    } catch (...) {
        QFile::remove(part);
        reopenAfterFailure(livePath);
        throw;
    }
    syncToDisk(livePath);
    open(livePath);
    Q_EMIT RegisterEvents::instance().registerReplaced();
}

QList<UnplacedMark> unplacedMarks(int limit)
{
    QList<UnplacedMark> marks;
    if (!registerIsAFile() || openedSchemaVersion() < 3)
        return marks;
    QSqlQuery query = sql::reading(
        QStringLiteral("SELECT StudentID, (SELECT s.StudentName FROM tblStudents s WHERE s.id = StudentID), \"Date\", "
                       "\"Status\" FROM tblAttendance WHERE %1 ORDER BY StudentID LIMIT ?")
            .arg(sqliteUnplacedCondition()));
    query.addBindValue(limit);
    sql::run(query);
    while (query.next()) {
        UnplacedMark mark;
        mark.studentId = query.value(0).toLongLong();
        mark.studentName = query.value(1).toString();
        mark.dateMissing = query.value(2).isNull();
        mark.storedDate = query.value(2).toString();
        mark.status = query.value(3).toString();
        marks.append(mark);
    }
    return marks;
}

void exportRegisterToFile(const QString& sqlitePath, const Progress& progress)
{
    // Written under a name of its own, then renamed: a copy cut short never carries the chosen
    // name, and a file the user chose to replace stays whole until the copy is.
    const QString part = partName(sqlitePath);
    try {
        const CopyReport report = copyOpenRegisterToFile(part, progress);
        if (!report.matches())
            throw Failure(Text::tr("The export does not match the register; no file was written."));
        syncToDisk(part);
        if (::rename(QFile::encodeName(part).constData(), QFile::encodeName(sqlitePath).constData()) != 0)
            throw Failure(Text::tr("The export could not be saved as %1: %2")
                              .arg(native(sqlitePath), QString::fromLocal8Bit(std::strerror(errno))));
    } catch (const Cancelled&) {
        removeWithSideFiles(part);
        throw Cancelled(Text::tr("The export was stopped; no file was written."));
    } catch (...) {
        removeWithSideFiles(part);
        throw;
    }
}

} // namespace db
