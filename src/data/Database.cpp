#include "data/Database.h"

#include "app/Failure.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QVariant>

namespace db {
namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("Database", text);
}

// The file the shared connection has open, so that a damaged file can be named to whoever has
// to restore it.
QString& openedPath()
{
    static QString path;
    return path;
}

const QStringList& schemaStatements()
{
    static const QStringList statements = {
        QStringLiteral("CREATE TABLE tblClassName (id INTEGER PRIMARY KEY, ClassName TEXT NOT NULL DEFAULT '')"),
        QStringLiteral("CREATE TABLE tblStudents (id INTEGER PRIMARY KEY, StudentName TEXT NOT NULL DEFAULT '', "
                       "ClassID INTEGER NOT NULL DEFAULT 0, Image BLOB NOT NULL DEFAULT x'')"),
        QStringLiteral("CREATE TABLE tblAttendance (StudentID INTEGER NOT NULL, \"Date\" TEXT NOT NULL, "
                       "\"Status\" TEXT NOT NULL DEFAULT '', Notes TEXT NOT NULL DEFAULT '')"),
    };
    return statements;
}

// The SQLite result codes that users meet: another user's lock, a read-only file or folder,
// a full disk. Their own texts are too terse for an office, so they are said plainly; for
// those three the plain words are the whole story ("database is locked" only alarms), while a
// damaged or unreadable file keeps the engine's words for whoever has to repair it.
Failure sqlFailure(const QSqlError& error)
{
    const int code = error.nativeErrorCode().toInt() & 0xff;
    QString plain;
    bool plainIsEnough = true;
    switch (code) {
    case 5: // SQLITE_BUSY
    case 6: // SQLITE_LOCKED
        plain = tr("The register is in use by another user of this computer. Nothing was changed; please try "
                   "again in a moment.");
        break;
    case 8: // SQLITE_READONLY
        plain = tr("The register cannot be changed: its file or folder is read-only for you. Nothing was changed; "
                   "ask the administrator to make it writable.");
        break;
    case 13: // SQLITE_FULL
        plain = tr("The disk holding the register is full. Nothing was changed; free some space and try again.");
        break;
    case 10: // SQLITE_IOERR
        plain = tr("The register's file could not be written or read. Nothing was changed.");
        plainIsEnough = false;
        break;
    case 11: // SQLITE_CORRUPT
    case 26: // SQLITE_NOTADB
        plain = openedPath().isEmpty() ? tr("The register's file is damaged.")
                                       : tr("The register's file %1 is damaged. It has been left as it is.")
                                             .arg(QDir::toNativeSeparators(openedPath()));
        plainIsEnough = false;
        break;
    default:
        break;
    }
    const QString detail = error.text().trimmed();
    if (plain.isEmpty())
        return Failure(detail.isEmpty() ? tr("The database reported an error.") : detail);
    if (plainIsEnough || detail.isEmpty())
        return Failure(plain);
    return Failure(plain + QStringLiteral(" (") + detail + QStringLiteral(")"));
}

QSqlQuery prepared(const QString& sql)
{
    QSqlQuery query(connection());
    if (!query.prepare(sql))
        throw sqlFailure(query.lastError());
    return query;
}

void run(QSqlQuery& query)
{
    if (!query.exec())
        throw sqlFailure(query.lastError());
}

void run(const QString& sql)
{
    QSqlQuery query(connection());
    if (!query.exec(sql))
        throw sqlFailure(query.lastError());
}

// A write transaction that takes the file's write lock at once, so two users saving together
// queue behind the busy timeout instead of failing half-way. Rolls back unless committed.
class WriteTransaction
{
public:
    WriteTransaction() { run(QStringLiteral("BEGIN IMMEDIATE")); }
    WriteTransaction(const WriteTransaction&) = delete;
    WriteTransaction& operator=(const WriteTransaction&) = delete;
    ~WriteTransaction()
    {
        if (m_committed)
            return;
        // Runs while a failure unwinds: nothing here may throw in turn.
        try {
            QSqlQuery rollback(connection());
            rollback.exec(QStringLiteral("ROLLBACK"));
        } catch (...) { }
    }
    void commit()
    {
        run(QStringLiteral("COMMIT"));
        m_committed = true;
    }

private:
    bool m_committed = false;
};

void checkHeader(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw Failure(tr("The register %1 was not found.").arg(QDir::toNativeSeparators(path)));
    if (info.isDir())
        throw Failure(tr("The register %1 is a folder, not a file.").arg(QDir::toNativeSeparators(path)));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Failure(tr("The register %1 cannot be read: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
    const QByteArray header = file.read(16);
    if (header.isEmpty())
        throw Failure(tr("The register %1 is an empty file, not a Rollvane register. It has been left as it is.")
                          .arg(QDir::toNativeSeparators(path)));
    if (header != QByteArray("SQLite format 3\0", 16))
        throw Failure(tr("The file %1 is not a Rollvane register (it is not a database file). It has been left as "
                         "it is.")
                          .arg(QDir::toNativeSeparators(path)));
}

void checkSchema(const QString& path)
{
    static const QStringList probes = {
        QStringLiteral("SELECT id, ClassName FROM tblClassName LIMIT 0"),
        QStringLiteral("SELECT id, StudentName, ClassID, Image FROM tblStudents LIMIT 0"),
        QStringLiteral("SELECT StudentID, \"Date\", \"Status\", Notes FROM tblAttendance LIMIT 0"),
    };
    for (const QString& probe : probes) {
        QSqlQuery query(connection());
        if (!query.exec(probe)) {
            const Failure cause = sqlFailure(query.lastError());
            throw Failure(tr("The file %1 cannot be used as the register: %2")
                              .arg(QDir::toNativeSeparators(path), cause.description()));
        }
    }
}

int schemaVersion()
{
    QSqlQuery query(connection());
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        throw sqlFailure(query.lastError());
    return query.value(0).toInt();
}

// A class's students in the order they are listed, names compared without regard to case.
const QString kStudentsIndex = QStringLiteral(
    "CREATE INDEX IF NOT EXISTS ixStudentsClass ON tblStudents (ClassID, StudentName COLLATE NOCASE, StudentName)");

void createIndexes()
{
    // Version 1 ordered names case-sensitively; its index cannot give the listing order.
    if (schemaVersion() < 2)
        run(QStringLiteral("DROP INDEX IF EXISTS ixStudentsClass"));
    run(kStudentsIndex);
    QSqlQuery unique(connection());
    if (!unique.exec(QStringLiteral(
            "CREATE UNIQUE INDEX IF NOT EXISTS ixAttendanceKey ON tblAttendance (StudentID, \"Date\")"))) {
        // An older file may already hold two rows for one student and day; its data is kept
        // as it is and the lookups still get an index.
        run(QStringLiteral("CREATE INDEX IF NOT EXISTS ixAttendanceLookup ON tblAttendance (StudentID, \"Date\")"));
    }
}

void upgrade()
{
    if (schemaVersion() >= kSchemaVersion)
        return;
    try {
        WriteTransaction transaction;
        createIndexes();
        run(QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion));
        transaction.commit();
    } catch (const Failure&) {
        // A read-only register is still shown; it only misses the faster lookups.
    }
}

QString sqliteUri(const QString& path)
{
    return QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded)
        + QStringLiteral("?mode=rw");
}

StudentRow studentFrom(const QSqlQuery& query, bool withPhoto)
{
    StudentRow row;
    row.id = query.value(0).toLongLong();
    row.name = query.value(1).toString();
    row.classId = query.value(2).toLongLong();
    if (withPhoto)
        row.image = query.value(3).toByteArray();
    return row;
}

} // namespace

namespace {
// Qt binds a null QString as SQL NULL; the register stores empty text as '' instead.
QString text(const QString& value)
{
    return value.isNull() ? QString::fromLatin1("", 0) : value;
}
} // namespace

QString dateKey(const QDate& date)
{
    return date.toString(Qt::ISODate);
}

void createTemplate(const QString& path)
{
    if (QFileInfo::exists(path))
        throw Failure(tr("%1 already exists.").arg(path));
    const QString name = QStringLiteral("TemplateWriter");
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        database.setDatabaseName(path);
        if (!database.open())
            throw sqlFailure(database.lastError());
        QSqlQuery query(database);
        QStringList statements = schemaStatements();
        statements << kStudentsIndex
                   << QStringLiteral("CREATE UNIQUE INDEX ixAttendanceKey ON tblAttendance (StudentID, \"Date\")")
                   << QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion);
        for (const QString& statement : statements) {
            if (!query.exec(statement))
                throw sqlFailure(query.lastError());
        }
        query.finish();
        database.close();
    }
    QSqlDatabase::removeDatabase(name);
}

void open(const QString& path)
{
    const QString name = QString::fromLatin1(kConnectionName);
    if (QSqlDatabase::contains(name)) {
        QSqlDatabase::database(name, false).close();
    } else {
        QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    }
    openedPath().clear(); // the messages of open() name the file themselves
    checkHeader(path);
    QSqlDatabase database = QSqlDatabase::database(name, false);
    database.setDatabaseName(sqliteUri(path));
    database.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=5000"));
    if (!database.open()) {
        const Failure failure = sqlFailure(database.lastError());
        throw Failure(
            tr("The register %1 could not be opened: %2").arg(QDir::toNativeSeparators(path), failure.description()));
    }
    try {
        // A rollback journal, not WAL: the side files of WAL break when another user of the
        // machine created them. FULL sync so that a power cut cannot lose a committed save.
        QSqlQuery pragmas(database);
        pragmas.exec(QStringLiteral("PRAGMA journal_mode=DELETE"));
        pragmas.exec(QStringLiteral("PRAGMA synchronous=FULL"));
        // Photos are read straight from the mapped file instead of a page at a time through
        // the page cache, which made reading a class's photos cost as much as decoding them.
        // Writes still go through the journal.
        pragmas.exec(QStringLiteral("PRAGMA mmap_size=2147418112"));
        // Sorting a listing needs no temporary file.
        pragmas.exec(QStringLiteral("PRAGMA temp_store=MEMORY"));
        pragmas.finish();
        checkSchema(path);
        upgrade();
    } catch (...) {
        database.close();
        throw;
    }
    openedPath() = path;
}

bool isOpen()
{
    const QString name = QString::fromLatin1(kConnectionName);
    return QSqlDatabase::contains(name) && QSqlDatabase::database(name, false).isOpen();
}

void close()
{
    const QString name = QString::fromLatin1(kConnectionName);
    if (!QSqlDatabase::contains(name))
        return;
    {
        QSqlDatabase database = QSqlDatabase::database(name, false);
        database.close();
    }
    QSqlDatabase::removeDatabase(name);
}

QSqlDatabase connection()
{
    const QString name = QString::fromLatin1(kConnectionName);
    if (!isOpen())
        throw Failure(tr("The register is not open, so nothing can be read or written."));
    return QSqlDatabase::database(name, false);
}

QList<ClassRow> classes()
{
    QSqlQuery query = prepared(
        QStringLiteral("SELECT id, ClassName FROM tblClassName ORDER BY ClassName COLLATE NOCASE, ClassName, id"));
    query.setForwardOnly(true);
    run(query);
    QList<ClassRow> rows;
    while (query.next())
        rows.append({query.value(0).toLongLong(), query.value(1).toString()});
    return rows;
}

QList<StudentRow> studentsOfClass(qint64 classId, bool withPhotos)
{
    QSqlQuery query
        = prepared(withPhotos ? QStringLiteral("SELECT id, StudentName, ClassID, Image FROM tblStudents "
                                               "WHERE ClassID=? ORDER BY StudentName COLLATE NOCASE, StudentName, id")
                              : QStringLiteral("SELECT id, StudentName, ClassID FROM tblStudents "
                                               "WHERE ClassID=? ORDER BY StudentName COLLATE NOCASE, StudentName, id"));
    query.setForwardOnly(true);
    query.addBindValue(classId);
    run(query);
    QList<StudentRow> rows;
    while (query.next())
        rows.append(studentFrom(query, withPhotos));
    return rows;
}

std::optional<Mark> mark(qint64 studentId, const QDate& date)
{
    QSqlQuery query
        = prepared(QStringLiteral("SELECT \"Status\", Notes FROM tblAttendance WHERE StudentID=? AND \"Date\"=?"));
    query.setForwardOnly(true);
    query.addBindValue(studentId);
    query.addBindValue(dateKey(date));
    run(query);
    if (!query.next())
        return std::nullopt;
    return Mark {query.value(0).toString(), query.value(1).toString()};
}

QHash<qint64, Mark> marks(const QList<qint64>& studentIds, const QDate& date)
{
    QHash<qint64, Mark> found;
    constexpr qsizetype batch = 200;
    for (qsizetype start = 0; start < studentIds.size(); start += batch) {
        const QList<qint64> part = studentIds.mid(start, batch);
        QStringList marks(part.size(), QStringLiteral("?"));
        QSqlQuery query = prepared(QStringLiteral("SELECT StudentID, \"Status\", Notes FROM tblAttendance "
                                                  "WHERE \"Date\"=? AND StudentID IN (%1)")
                                       .arg(marks.join(QLatin1Char(','))));
        query.setForwardOnly(true);
        query.addBindValue(dateKey(date));
        for (qint64 id : part)
            query.addBindValue(id);
        run(query);
        while (query.next()) {
            const qint64 id = query.value(0).toLongLong();
            if (!found.contains(id))
                found.insert(id, Mark {query.value(1).toString(), query.value(2).toString()});
        }
    }
    return found;
}

void saveMarks(const QDate& date, const QList<CardMark>& cards, const QString& notes)
{
    if (cards.isEmpty())
        return;
    const QString day = dateKey(date);
    WriteTransaction transaction;
    QSqlQuery update
        = prepared(QStringLiteral("UPDATE tblAttendance SET \"Status\"=?, Notes=? WHERE StudentID=? AND \"Date\"=?"));
    QSqlQuery insert = prepared(
        QStringLiteral("INSERT INTO tblAttendance (StudentID, \"Date\", \"Status\", Notes) VALUES (?, ?, ?, ?)"));
    for (const CardMark& card : cards) {
        update.addBindValue(text(card.status));
        update.addBindValue(text(notes));
        update.addBindValue(card.studentId);
        update.addBindValue(day);
        run(update);
        if (update.numRowsAffected() > 0)
            continue;
        insert.addBindValue(card.studentId);
        insert.addBindValue(day);
        insert.addBindValue(text(card.status));
        insert.addBindValue(text(notes));
        run(insert);
    }
    update.finish();
    insert.finish();
    transaction.commit();
}

qint64 addClass(const QString& name)
{
    QSqlQuery query = prepared(QStringLiteral("INSERT INTO tblClassName (ClassName) VALUES (?)"));
    query.addBindValue(text(name));
    run(query);
    return query.lastInsertId().toLongLong();
}

void deleteClass(qint64 classId)
{
    WriteTransaction transaction;
    QSqlQuery classRow = prepared(QStringLiteral("DELETE FROM tblClassName WHERE id=?"));
    classRow.addBindValue(classId);
    run(classRow);
    QSqlQuery students = prepared(QStringLiteral("DELETE FROM tblStudents WHERE ClassID=?"));
    students.addBindValue(classId);
    run(students);
    transaction.commit();
}

std::optional<StudentRow> student(qint64 studentId)
{
    QSqlQuery query = prepared(QStringLiteral("SELECT id, StudentName, ClassID, Image FROM tblStudents WHERE id=?"));
    query.setForwardOnly(true);
    query.addBindValue(studentId);
    run(query);
    if (!query.next())
        return std::nullopt;
    return studentFrom(query, true);
}

qint64 addStudent(const QString& name, qint64 classId, const std::optional<QByteArray>& image)
{
    QSqlQuery query
        = prepared(QStringLiteral("INSERT INTO tblStudents (StudentName, ClassID, Image) VALUES (?, ?, ?)"));
    query.addBindValue(text(name));
    query.addBindValue(classId);
    // An empty, never a missing, value means no photo.
    query.addBindValue(image ? *image : QByteArray(""));
    run(query);
    return query.lastInsertId().toLongLong();
}

bool updateStudent(qint64 studentId, const QString& name, qint64 classId, const std::optional<QByteArray>& image)
{
    QSqlQuery query
        = prepared(image ? QStringLiteral("UPDATE tblStudents SET StudentName=?, ClassID=?, Image=? WHERE id=?")
                         : QStringLiteral("UPDATE tblStudents SET StudentName=?, ClassID=? WHERE id=?"));
    query.addBindValue(text(name));
    query.addBindValue(classId);
    if (image)
        query.addBindValue(*image);
    query.addBindValue(studentId);
    run(query);
    return query.numRowsAffected() > 0;
}

void deleteStudent(qint64 studentId)
{
    QSqlQuery query = prepared(QStringLiteral("DELETE FROM tblStudents WHERE id=?"));
    query.addBindValue(studentId);
    run(query);
}

} // namespace db
