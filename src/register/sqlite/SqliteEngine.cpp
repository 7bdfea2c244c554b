// The register as one SQLite file shared by every user of the machine.
#include "register/Engine.h"

#include "register/Sql.h"
#include "register/sqlite/GroupAccess.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QVariant>
#include <QtEndian>

#include <optional>

#include <sqlite3.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace db {
namespace {

// The texts of this file, under the context translators find them in.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(Database)
};

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// Marks whose date is no day: not yyyy-MM-dd text, or a day the month does not have
// ("2026-11-31" reads back from date() as "2026-12-01"). The same condition stands in the index
// and in the count, so that SQLite answers the count from the index alone. One term, not an OR
// of two, or the planner cannot see that the index answers the count.
const QString kUnplacedCondition = QStringLiteral("coalesce(date(\"Date\", '+0 days') = \"Date\", 0) = 0");

// A class's students in the order they are listed, names compared without regard to case.
const QString kStudentsIndex = QStringLiteral(
    "CREATE INDEX IF NOT EXISTS ixStudentsClass ON tblStudents (ClassID, StudentName COLLATE NOCASE, StudentName)");

// The header of a SQLite file: the magic text, and the schema version the program records in
// it (PRAGMA user_version, stored big-endian at offset 60).
constexpr int kHeaderSize = 100;
constexpr int kUserVersionOffset = 60;

class SqliteEngine final : public Engine
{
public:
    explicit SqliteEngine(QString path)
        : m_path(std::move(path))
    { }

    QString name() const override { return QStringLiteral("SQLite"); }
    QString location() const override { return m_path; }
    QString registerName() const override { return Text::tr("The file %1").arg(native(m_path)); }
    QString driver() const override { return QStringLiteral("QSQLITE"); }
    qint64 size() override
    {
        const QFileInfo info(m_path);
        return info.isFile() ? info.size() : -1;
    }

    void open(QSqlDatabase& database, bool readOnly) override
    {
        m_idIsRowId.reset();
        checkFile();
        // SQLite would open a file the account may only read for reading, and the first save
        // would fail; an account outside the register's group hears why before it marks a class.
        if (!readOnly)
            refuseOutsideGroup(true);
        database.setDatabaseName(uri(readOnly));
        database.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=5000"));
        if (!database.open()) {
            const Failure cause = failure(database.lastError());
            throw Failure(Text::tr("The register %1 could not be opened: %2").arg(native(m_path), cause.description()));
        }
        // The header read above may be stale if another program wrote in between; the engine's
        // own answer is the one that counts, and it comes before anything is written.
        const int version = storedSchemaVersion(database);
        if (version > kSchemaVersion) {
            database.close();
            throw newerSchema(version);
        }
        QSqlQuery pragmas(database);
        if (!readOnly) {
            // A rollback journal, not WAL: the side files of WAL break when another user of the
            // machine created them. FULL sync so that a power cut cannot lose a committed save.
            pragmas.exec(QStringLiteral("PRAGMA journal_mode=DELETE"));
            pragmas.exec(QStringLiteral("PRAGMA synchronous=FULL"));
        }
        // The file is read through the page cache, never mapped into memory: a mapped file that
        // another program shortens ends the process at the next read, where a read through the
        // cache only reports the damage. A larger cache keeps a class's photos in memory for the
        // program; a register opened to be read (a report from the command line, a copy, a
        // check) passes over its pages once, and growing a large cache would only cost it.
        pragmas.exec(QStringLiteral("PRAGMA mmap_size=0"));
        pragmas.exec(readOnly ? QStringLiteral("PRAGMA cache_size=-2000") : QStringLiteral("PRAGMA cache_size=-16384"));
        // Sorting a listing needs no temporary file.
        pragmas.exec(QStringLiteral("PRAGMA temp_store=MEMORY"));
        pragmas.finish();
    }

    Failure failure(const QSqlError& error) const override
    {
        const int code = error.nativeErrorCode().toInt() & 0xff;
        QString plain;
        // For a lock, a read-only file and a full disk the plain words are the whole story
        // ("database is locked" only alarms); a damaged or unreadable file keeps the engine's
        // words for whoever has to repair it.
        bool plainIsEnough = true;
        switch (code) {
        case 3: // SQLITE_PERM
        case 8: // SQLITE_READONLY
        case 14: // SQLITE_CANTOPEN
            if (const std::optional<QString> reason = notInGroupReason(m_path, true))
                return Failure(*reason);
            break;
        default:
            break;
        }
        switch (code) {
        case 5: // SQLITE_BUSY
        case 6: // SQLITE_LOCKED
            plain = Text::tr("The register is in use by another user of this computer. Nothing was changed; please try "
                             "again in a moment.");
            break;
        case 8: // SQLITE_READONLY
            plain = Text::tr("The register cannot be changed: its file or folder is read-only for you. Nothing was "
                             "changed; ask the administrator to make it writable.");
            break;
        case 13: // SQLITE_FULL
            plain = Text::tr(
                "The disk holding the register is full. Nothing was changed; free some space and try again.");
            break;
        case 10: // SQLITE_IOERR
            plain = Text::tr("The register's file could not be written or read. Nothing was changed.");
            plainIsEnough = false;
            break;
        case 11: // SQLITE_CORRUPT
        case 26: // SQLITE_NOTADB
            plain = Text::tr("The register's file %1 is damaged. It has been left as it is.").arg(native(m_path));
            plainIsEnough = false;
            break;
        default:
            break;
        }
        const QString detail = error.text().trimmed();
        if (plain.isEmpty())
            return Failure(detail.isEmpty() ? Text::tr("The database reported an error.") : detail);
        if (plainIsEnough || detail.isEmpty())
            return Failure(plain);
        return Failure(plain + QStringLiteral(" (") + detail + QStringLiteral(")"));
    }

    QString beginWrite() const override { return QStringLiteral("BEGIN IMMEDIATE"); }
    bool registerIsAFile() const override { return true; }

    // A read transaction holds the file's shared lock, so every table is read as of one moment.
    QString beginSnapshot() const override { return QStringLiteral("BEGIN"); }

    int storedSchemaVersion(QSqlDatabase& database) override
    {
        QSqlQuery query(database);
        if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
            throw failure(query.lastError());
        return query.value(0).toInt();
    }

    void recordSchemaVersion(int version) override
    {
        sql::run(QStringLiteral("PRAGMA user_version = %1").arg(version));
    }

    QStringList baseSchema() const override
    {
        return {
            QStringLiteral("CREATE TABLE tblClassName (id INTEGER PRIMARY KEY, ClassName TEXT NOT NULL DEFAULT '')"),
            QStringLiteral("CREATE TABLE tblStudents (id INTEGER PRIMARY KEY, StudentName TEXT NOT NULL DEFAULT '', "
                           "ClassID INTEGER NOT NULL DEFAULT 0, Image BLOB NOT NULL DEFAULT x'')"),
            QStringLiteral("CREATE TABLE tblAttendance (StudentID INTEGER NOT NULL, \"Date\" TEXT NOT NULL, "
                           "\"Status\" TEXT NOT NULL DEFAULT '', Notes TEXT NOT NULL DEFAULT '')"),
            kStudentsIndex,
            QStringLiteral("CREATE UNIQUE INDEX ixAttendanceKey ON tblAttendance (StudentID, \"Date\")"),
        };
    }

    QString unplacedCondition() const override { return kUnplacedCondition; }

    void upgradeTo(int version) override
    {
        switch (version) {
        case 1:
        case 2:
            // Version 1 ordered names case-sensitively; its index cannot give the listing order.
            sql::run(QStringLiteral("DROP INDEX IF EXISTS ixStudentsClass"));
            sql::run(kStudentsIndex);
            createMarkKey();
            break;
        case 5:
            sql::run(QStringLiteral("CREATE TABLE IF NOT EXISTS tblHistory (id INTEGER PRIMARY KEY, StudentID INTEGER "
                                    "NOT NULL, \"Date\" TEXT NOT NULL, "
                                    "OldStatus TEXT NOT NULL DEFAULT '', NewStatus TEXT NOT NULL DEFAULT '', "
                                    "OldRemark TEXT NOT NULL DEFAULT '', NewRemark TEXT NOT NULL DEFAULT '', "
                                    "ChangedBy TEXT NOT NULL DEFAULT '', ChangedOn TEXT NOT NULL DEFAULT '', "
                                    "ChangedAt TEXT NOT NULL DEFAULT '')"));
            sql::run(
                QStringLiteral("CREATE INDEX IF NOT EXISTS ixHistoryMark ON tblHistory (StudentID, \"Date\", id)"));
            sql::run(QStringLiteral("CREATE INDEX IF NOT EXISTS ixHistoryDate ON tblHistory (\"Date\")"));
            break;
        case 6:
            sql::run(QStringLiteral("CREATE TABLE IF NOT EXISTS tblSettings (Name TEXT NOT NULL PRIMARY KEY, Value "
                                    "TEXT NOT NULL DEFAULT '')"));
            break;
        case 8:
            if (!hasColumn(QStringLiteral("tblStudents"), QStringLiteral("CardPicture")))
                sql::run(QStringLiteral("ALTER TABLE tblStudents ADD COLUMN CardPicture BLOB"));
            // A photo replaced by a tool that knows nothing of card pictures must not keep the
            // old face on its card: the card picture goes, and the program makes one from the
            // photo until it is written again.
            sql::run(QStringLiteral(
                "CREATE TRIGGER IF NOT EXISTS trStudentsCardPicture AFTER UPDATE OF Image ON tblStudents FOR EACH "
                "ROW WHEN NEW.Image IS NOT OLD.Image AND NEW.CardPicture IS OLD.CardPicture BEGIN UPDATE "
                "tblStudents SET CardPicture = NULL WHERE id = NEW.id; END"));
            break;
        case 10:
            sql::run(
                QStringLiteral("CREATE TABLE IF NOT EXISTS tblEnrolment (id INTEGER PRIMARY KEY, StudentID INTEGER "
                               "NOT NULL, ClassID INTEGER NOT NULL, FromDate TEXT NOT NULL DEFAULT '', ToDate TEXT "
                               "NOT NULL DEFAULT '9999-12-31')"));
            break;
        case 11:
            if (!hasColumn(QStringLiteral("tblAttendance"), QStringLiteral("LateMinutes")))
                sql::run(QStringLiteral("ALTER TABLE tblAttendance ADD COLUMN LateMinutes INTEGER"));
            sql::run(QStringLiteral("CREATE TABLE IF NOT EXISTS tblPlannedAbsence (id INTEGER PRIMARY KEY, StudentID "
                                    "INTEGER NOT NULL, FromDate TEXT NOT NULL, ToDate TEXT NOT NULL, \"Status\" TEXT "
                                    "NOT NULL DEFAULT '', Reason TEXT NOT NULL DEFAULT '', CreatedBy TEXT NOT NULL "
                                    "DEFAULT '', CreatedAt TEXT NOT NULL DEFAULT '')"));
            break;
        case 12: {
            if (!hasColumn(QStringLiteral("tblAttendance"), QStringLiteral("Session")))
                sql::run(QStringLiteral("ALTER TABLE tblAttendance ADD COLUMN Session INTEGER NOT NULL DEFAULT 0"));
            if (!hasColumn(QStringLiteral("tblHistory"), QStringLiteral("Session")))
                sql::run(QStringLiteral("ALTER TABLE tblHistory ADD COLUMN Session INTEGER NOT NULL DEFAULT 0"));
            // The key gains the session. A file that holds two marks for one student and day has
            // no unique key to rebuild, only its lookup index, and keeps its marks as they are.
            QSqlQuery unique
                = sql::reading(QStringLiteral("SELECT count(*) FROM pragma_index_list('tblAttendance') WHERE name = "
                                              "'ixAttendanceKey' AND \"unique\" = 1"));
            sql::run(unique);
            const bool hasKey = unique.next() && unique.value(0).toInt() > 0;
            unique.finish();
            sql::run(QStringLiteral("DROP INDEX IF EXISTS ixAttendanceKey"));
            sql::run(QStringLiteral("DROP INDEX IF EXISTS ixAttendanceLookup"));
            sql::run(hasKey ? QStringLiteral("CREATE UNIQUE INDEX ixAttendanceKey ON tblAttendance (StudentID, "
                                             "\"Date\", Session)")
                            : QStringLiteral("CREATE INDEX ixAttendanceLookup ON tblAttendance (StudentID, \"Date\", "
                                             "Session)"));
            break;
        }
        case 9:
            sql::run(
                QStringLiteral("CREATE TABLE IF NOT EXISTS tblCalendar (id INTEGER PRIMARY KEY, Kind TEXT NOT NULL "
                               "DEFAULT 'Holiday', FromDate TEXT NOT NULL, ToDate TEXT NOT NULL, Name TEXT NOT NULL "
                               "DEFAULT '')"));
            break;
        default:
            break;
        }
    }

    qint64 unplacedMarkCount() override
    {
        // Left to itself the planner counts through the covering mark key, every row of it; the
        // index of its own holds only the unplaced marks, none on a sound register. A register
        // that lost that index is still counted, the slow way.
        QSqlQuery query;
        try {
            query = sql::reading(
                QStringLiteral("SELECT count(*) FROM tblAttendance INDEXED BY ixAttendanceUnplaced WHERE ")
                + kUnplacedCondition);
        } catch (const Failure&) {
            query = sql::reading(QStringLiteral("SELECT count(*) FROM tblAttendance WHERE ") + kUnplacedCondition);
        }
        sql::run(query);
        return query.next() ? query.value(0).toLongLong() : 0;
    }

    // SQLite 3.40 has no ORDER BY inside an aggregate. Its group_concat takes the rows in the
    // order they are read, and the reports read marks through the key index on (StudentID,
    // "Date") grouped by its first column, so no sorter comes between: the plan test checks
    // that the order the reports rely on is the order the engine reads.
    QString orderedConcatenation(const QString& expression, const QString&) const override
    {
        return QStringLiteral("group_concat(%1, '')").arg(expression);
    }

    // Another connection's commit moves PRAGMA data_version; the connection's own writes to the
    // students are counted by temporary triggers, which live in the connection's temporary
    // schema so that the register's file is never changed for them.
    PhotoStamp photoStamp() override
    {
        QSqlDatabase connection;
        try {
            connection = db::connection();
        } catch (...) {
            return {};
        }
        const auto read = [&connection]() -> std::optional<PhotoStamp> {
            QSqlQuery query(connection);
            query.setForwardOnly(true);
            if (!query.exec(QStringLiteral(
                    "SELECT w.connection, w.writes, (SELECT count(*) FROM temp.sqlite_master WHERE type='trigger' AND "
                    "name GLOB 'rvPhotoWrites?*'), (SELECT data_version FROM pragma_data_version) FROM "
                    "temp.rvPhotoWrites w"))
                || !query.next() || query.value(2).toInt() != 3)
                return std::nullopt;
            return PhotoStamp {query.value(0).toLongLong(), query.value(1).toLongLong(), query.value(3).toLongLong()};
        };
        if (const std::optional<PhotoStamp> known = read())
            return *known;

        // A connection not seen before, or one whose table was made anew: count its own writes
        // to the students from here on.
        const QStringList install = {
            QStringLiteral("DROP TRIGGER IF EXISTS temp.rvPhotoWritesInsert"),
            QStringLiteral("DROP TRIGGER IF EXISTS temp.rvPhotoWritesUpdate"),
            QStringLiteral("DROP TRIGGER IF EXISTS temp.rvPhotoWritesDelete"),
            QStringLiteral("DROP TABLE IF EXISTS temp.rvPhotoWrites"),
            QStringLiteral("CREATE TEMP TABLE rvPhotoWrites (connection INTEGER NOT NULL, writes INTEGER NOT NULL)"),
            QStringLiteral("INSERT INTO temp.rvPhotoWrites VALUES (%1, 0)").arg(nextConnectionNumber()),
            QStringLiteral("CREATE TEMP TRIGGER rvPhotoWritesInsert AFTER INSERT ON main.tblStudents BEGIN "
                           "UPDATE rvPhotoWrites SET writes = writes + 1; END"),
            QStringLiteral("CREATE TEMP TRIGGER rvPhotoWritesUpdate AFTER UPDATE OF id, Image ON main.tblStudents "
                           "BEGIN UPDATE rvPhotoWrites SET writes = writes + 1; END"),
            QStringLiteral("CREATE TEMP TRIGGER rvPhotoWritesDelete AFTER DELETE ON main.tblStudents BEGIN "
                           "UPDATE rvPhotoWrites SET writes = writes + 1; END"),
        };
        QSqlQuery query(connection);
        for (const QString& statement : install) {
            if (!query.exec(statement))
                return {};
        }
        query.finish();
        return read().value_or(PhotoStamp {});
    }

    // Straight from the row's blob into the caller's buffer: the driver's way copies every photo
    // through a buffer of its own into fresh memory, which for a class of photos costs more than
    // decoding them. Only where the student's id is the table's row id, as in the program's own
    // registers; another tool's table is read the general way.
    bool readPhoto(qint64 studentId, QByteArray& buffer) override
    {
        QSqlDatabase database = db::connection();
        const QVariant handle = database.driver()->handle();
        if (!m_idIsRowId)
            m_idIsRowId = idIsRowId();
        if (!*m_idIsRowId || !handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
            return readPhotoRow(studentId, buffer);
        sqlite3* connection = *static_cast<sqlite3* const*>(handle.constData());
        sqlite3_blob* blob = nullptr;
        // A missing row, or a value that is no blob (NULL, text), goes the general way, which
        // says which it is.
        if (sqlite3_blob_open(connection, "main", "tblStudents", "Image", studentId, 0, &blob) != SQLITE_OK) {
            sqlite3_blob_close(blob);
            return readPhotoRow(studentId, buffer);
        }
        const int size = sqlite3_blob_bytes(blob);
        buffer.resize(size);
        const int result = size > 0 ? sqlite3_blob_read(blob, buffer.data(), size, 0) : SQLITE_OK;
        sqlite3_blob_close(blob);
        if (result != SQLITE_OK) {
            buffer.clear();
            QSqlError error(QString::fromUtf8(sqlite3_errstr(result)), QString(), QSqlError::StatementError,
                QString::number(result));
            throw failure(error);
        }
        return true;
    }

    // total_changes() counts every row this connection changed; it touches no table of the
    // register, so it takes no lock and reads no file.
    std::optional<PhotoStamp> ownWrites() override
    {
        try {
            QSqlQuery query(db::connection());
            query.setForwardOnly(true);
            if (query.exec(QStringLiteral("SELECT connection, total_changes() FROM temp.rvPhotoWrites"))
                && query.next())
                return PhotoStamp {query.value(0).toLongLong(), query.value(1).toLongLong(), 0};
        } catch (...) { }
        return std::nullopt;
    }

private:
    // A register that another tool (or a restored copy) left with the column already there
    // keeps it as it is.
    void addTextColumn(const QString& table, const QString& name) override
    {
        if (!hasColumn(table, name))
            sql::run(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 TEXT NOT NULL DEFAULT ''").arg(table, name));
    }

    static bool hasColumn(const QString& table, const QString& name)
    {
        QSqlQuery columns
            = sql::reading(QStringLiteral("SELECT count(*) FROM pragma_table_info(?) WHERE name = ? COLLATE NOCASE"));
        columns.addBindValue(table);
        columns.addBindValue(name);
        sql::run(columns);
        return columns.next() && columns.value(0).toInt() > 0;
    }

    // An older file may already hold two rows for one student and day; its data is kept as it
    // is and the lookups still get an index.
    static void createMarkKey()
    {
        QSqlQuery unique = sql::prepared(
            QStringLiteral("CREATE UNIQUE INDEX IF NOT EXISTS ixAttendanceKey ON tblAttendance (StudentID, \"Date\")"));
        if (!unique.exec())
            sql::run(
                QStringLiteral("CREATE INDEX IF NOT EXISTS ixAttendanceLookup ON tblAttendance (StudentID, \"Date\")"));
    }

    QString uri(bool readOnly) const
    {
        return QUrl::fromLocalFile(QFileInfo(m_path).absoluteFilePath()).toString(QUrl::FullyEncoded)
            + (readOnly ? QStringLiteral("?mode=ro") : QStringLiteral("?mode=rw"));
    }

    // Only a regular file can be a register. Anything else is refused before it is opened for
    // reading by SQLite: opening a pipe waits for a writer that never comes, and a device is
    // endless. The header is read from a descriptor that never blocks.
    void checkFile() const
    {
        const QFileInfo info(m_path);
        // A register that is missing because the account could not make it (the first start
        // copies the template into the folder) is missing for that reason.
        if (!info.exists())
            refuseOutsideGroup(true);
        if (!info.exists())
            throw Failure(Text::tr("The register %1 was not found.").arg(native(m_path)));
        if (info.isDir())
            throw Failure(Text::tr("The register %1 is a folder, not a file.").arg(native(m_path)));
        const QByteArray local = QFile::encodeName(m_path);
        const int fd = ::open(local.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd < 0) {
            const int error = errno;
            if (error == ENXIO)
                throw notRegular();
            if (error == EACCES)
                refuseOutsideGroup(false);
            throw Failure(Text::tr("The register %1 cannot be read: %2")
                              .arg(native(m_path), QString::fromLocal8Bit(std::strerror(error))));
        }
        struct stat status = {};
        if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
            ::close(fd);
            throw notRegular();
        }
        char header[kHeaderSize];
        ssize_t got = 0;
        while (got < kHeaderSize) {
            const ssize_t part = ::read(fd, header + got, size_t(kHeaderSize - got));
            if (part < 0 && errno == EINTR)
                continue;
            if (part <= 0)
                break;
            got += part;
        }
        ::close(fd);
        if (got == 0)
            throw Failure(Text::tr("The file %1 is empty, not a Rollvane register. It has been left as it is.")
                              .arg(native(m_path)));
        if (got < 16 || std::memcmp(header, "SQLite format 3\0", 16) != 0)
            throw Failure(
                Text::tr("The file %1 is not a Rollvane register (it is not a database file). It has been left "
                         "as it is.")
                    .arg(native(m_path)));
        if (got >= kUserVersionOffset + 4) {
            quint32 stored;
            std::memcpy(&stored, header + kUserVersionOffset, sizeof stored);
            const auto version = qint32(qFromBigEndian(stored));
            if (version > kSchemaVersion)
                throw newerSchema(version);
        }
    }

    void refuseOutsideGroup(bool write) const
    {
        if (const std::optional<QString> reason = notInGroupReason(m_path, write))
            throw Failure(*reason);
    }

    Failure notRegular() const
    {
        return Failure(
            Text::tr("The register %1 is not a regular file (it is a pipe, a socket or a device), so it cannot "
                     "be a register. It has been left as it is.")
                .arg(native(m_path)));
    }

    // Whether tblStudents.id is the table's row id (INTEGER PRIMARY KEY), which blob reads use.
    bool idIsRowId() const
    {
        QSqlQuery columns = sql::reading(QStringLiteral(
            "SELECT count(*) FROM pragma_table_info('tblStudents') WHERE name = 'id' AND pk = 1 AND "
            "upper(type) = 'INTEGER' AND (SELECT count(*) FROM pragma_table_info('tblStudents') WHERE pk > 0) = 1"));
        sql::run(columns);
        return columns.next() && columns.value(0).toInt() == 1;
    }

    QString m_path;
    std::optional<bool> m_idIsRowId;

    bool lostConnection(const QSqlError&) const override { return false; }
    bool reconnects() const override { return false; }
    void forgetStatements() override { }
    QStringList requiredColumns(QSqlDatabase& database, const QString& table) override
    {
        QStringList required;
        QSqlQuery query(database);
        query.setForwardOnly(true);
        if (!query.prepare(QStringLiteral("SELECT name FROM pragma_table_info(?) WHERE \"notnull\" = 1 AND dflt_value "
                                          "IS NULL AND pk = 0")))
            return required;
        query.addBindValue(table);
        if (!query.exec())
            return required;
        while (query.next())
            required << query.value(0).toString();
        return required;
    }

    qint64 duplicateMarkGroups() override
    {
        QSqlQuery unique = sql::reading(QStringLiteral("SELECT count(*) FROM pragma_index_list('tblAttendance') WHERE "
                                                       "name = 'ixAttendanceKey' AND \"unique\" = 1"));
        sql::run(unique);
        if (unique.next() && unique.value(0).toInt() > 0)
            return 0;
        unique.finish();
        QSqlQuery groups = sql::reading(QStringLiteral(
            "SELECT count(*) FROM (SELECT 1 FROM tblAttendance GROUP BY StudentID, \"Date\", Session HAVING count(*) "
            "> 1)"));
        sql::run(groups);
        return groups.next() ? groups.value(0).toLongLong() : 0;
    }

    qint64 mergeDuplicateMarks(const Author& author) override
    {
        if (duplicateMarkGroups() == 0)
            return 0;
        // The row kept of each pair: the most recently changed, the later written when as recent.
        sql::run(QStringLiteral("DROP TABLE IF EXISTS temp.rvKept"));
        sql::run(QStringLiteral("CREATE TEMP TABLE rvKept (StudentID INTEGER, \"Date\" TEXT, Session INTEGER, KeptRow "
                                "INTEGER)"));
        sql::run(QStringLiteral("DELETE FROM temp.rvKept"));
        sql::run(QStringLiteral(
            "INSERT INTO temp.rvKept SELECT a.StudentID, a.\"Date\", a.Session, (SELECT b.rowid FROM tblAttendance b "
            "WHERE b.StudentID = a.StudentID AND b.\"Date\" IS a.\"Date\" AND b.Session = a.Session ORDER BY "
            "b.ChangedAt DESC, b.rowid DESC LIMIT 1) FROM tblAttendance a GROUP BY a.StudentID, a.\"Date\", a.Session "
            "HAVING count(*) > 1"));
        const QString others = QStringLiteral(
            "FROM tblAttendance a JOIN temp.rvKept k ON k.StudentID = a.StudentID AND k.\"Date\" IS a.\"Date\" AND "
            "k.Session = a.Session JOIN tblAttendance kept ON kept.rowid = k.KeptRow WHERE a.rowid <> k.KeptRow");
        QSqlQuery history = sql::prepared(
            QStringLiteral(
                "INSERT INTO tblHistory (StudentID, \"Date\", OldStatus, NewStatus, OldRemark, NewRemark, "
                "ChangedBy, ChangedOn, ChangedAt, OldNotes, NewNotes, Session) SELECT a.StudentID, "
                "COALESCE(a.\"Date\", ''), COALESCE(NULLIF(a.\"Status\", ''), 'Present'), "
                "COALESCE(NULLIF(kept.\"Status\", ''), 'Present'), COALESCE(a.Remark, ''), "
                "COALESCE(kept.Remark, ''), ?, ?, ?, COALESCE(a.Notes, ''), COALESCE(kept.Notes, ''), a.Session ")
            + others);
        history.addBindValue(sql::text(author.user));
        history.addBindValue(sql::text(author.host));
        history.addBindValue(sql::text(author.at));
        sql::run(history);
        sql::run(
            QStringLiteral("DELETE FROM tblAttendance WHERE rowid IN (SELECT a.rowid ") + others + QStringLiteral(")"));
        QSqlQuery left = sql::reading(QStringLiteral("SELECT changes()"));
        sql::run(left);
        const qint64 removed = left.next() ? left.value(0).toLongLong() : 0;
        left.finish();
        sql::run(QStringLiteral("DELETE FROM temp.rvKept"));
        // One mark per student and register from now on.
        sql::run(QStringLiteral("DROP INDEX IF EXISTS ixAttendanceLookup"));
        sql::run(QStringLiteral(
            "CREATE UNIQUE INDEX IF NOT EXISTS ixAttendanceKey ON tblAttendance (StudentID, \"Date\", Session)"));
        return removed;
    }

    void beforeCopy() override { }

    // The file keeps its size until it is rewritten; VACUUM waits for other users' reads.
    void reclaimSpace() override { sql::run(QStringLiteral("VACUUM")); }
    void afterCopy() override { }

    QSqlQuery statement(const QSqlDatabase& database, const QString& text, bool forwardOnly) override
    {
        return prepareStatement(*this, database, text, forwardOnly);
    }

    // The check and the writes are one transaction that holds the right to write from its first
    // statement, so no other save can come between them.
    std::optional<DayMarks> saveDay(const QDate& date, Session session, const QList<CardMark>& cards,
        const QString& notes, const Author& author, const DayMarks* expected) override
    {
        const QList<qint64> ids = studentIdsOf(cards);
        sql::WriteTransaction transaction;
        const DayMarks stored = marks(ids, date, session);
        if (expected && !sameMarks(*expected, stored, ids))
            return stored; // the transaction rolls back: nothing was written
        writeDay(dateKey(date), int(session), cards, notes, author, stored);
        transaction.commit();
        return std::nullopt;
    }

    // Every card's mark with the day's notes, and a history row for each status or remark that
    // changes from what is stored now.
    static void writeDay(const QString& day, int session, const QList<CardMark>& cards, const QString& notes,
        const Author& author, const DayMarks& stored)
    {
        QSqlQuery update = sql::prepared(QStringLiteral(
            "UPDATE tblAttendance SET \"Status\"=?, Notes=?, Remark=?, ChangedAt=?, ChangedBy=?, ChangedOn=?, "
            "LateMinutes=? WHERE StudentID=? AND \"Date\"=? AND Session=?"));
        QSqlQuery insert = sql::prepared(
            QStringLiteral("INSERT INTO tblAttendance (StudentID, \"Date\", \"Status\", Notes, Remark, ChangedAt, "
                           "ChangedBy, ChangedOn, LateMinutes, Session) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        QSqlQuery history = sql::prepared(
            QStringLiteral("INSERT INTO tblHistory (StudentID, \"Date\", OldStatus, NewStatus, OldRemark, NewRemark, "
                           "ChangedBy, ChangedOn, ChangedAt, OldNotes, NewNotes, Reason, Session) VALUES (?, ?, ?, "
                           "?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        for (const CardMark& card : cards) {
            update.addBindValue(sql::text(card.status));
            update.addBindValue(sql::text(notes));
            update.addBindValue(sql::text(card.remark));
            update.addBindValue(sql::text(author.at));
            update.addBindValue(sql::text(author.user));
            update.addBindValue(sql::text(author.host));
            update.addBindValue(lateMinutes(card));
            update.addBindValue(card.studentId);
            update.addBindValue(day);
            update.addBindValue(session);
            sql::run(update);
            if (update.numRowsAffected() == 0) {
                insert.addBindValue(card.studentId);
                insert.addBindValue(day);
                insert.addBindValue(sql::text(card.status));
                insert.addBindValue(sql::text(notes));
                insert.addBindValue(sql::text(card.remark));
                insert.addBindValue(sql::text(author.at));
                insert.addBindValue(sql::text(author.user));
                insert.addBindValue(sql::text(author.host));
                insert.addBindValue(lateMinutes(card));
                insert.addBindValue(session);
                sql::run(insert);
            }
            const std::optional<Mark> before = storedOf(stored, card.studentId);
            if (before && before->status == card.status && before->remark == card.remark && before->notes == notes)
                continue;
            history.addBindValue(card.studentId);
            history.addBindValue(day);
            history.addBindValue(before ? before->status : QStringLiteral(""));
            history.addBindValue(sql::text(card.status));
            history.addBindValue(before ? before->remark : QStringLiteral(""));
            history.addBindValue(sql::text(card.remark));
            history.addBindValue(sql::text(author.user));
            history.addBindValue(sql::text(author.host));
            history.addBindValue(sql::text(author.at));
            history.addBindValue(before ? before->notes : QStringLiteral(""));
            history.addBindValue(sql::text(notes));
            history.addBindValue(sql::text(author.reason));
            history.addBindValue(session);
            sql::run(history);
        }
    }
};

} // namespace

QString sqliteUnplacedCondition()
{
    return kUnplacedCondition;
}

std::unique_ptr<Engine> sqliteEngine(const QString& path)
{
    return std::make_unique<SqliteEngine>(path);
}

} // namespace db
