#include "register/CopyRegister.h"

#include "core/Failure.h"
#include "register/Engine.h"
#include "register/Sql.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <optional>

namespace db {
namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(CopyRegister)
};

enum class Kind { Number, Text, Bytes };

struct Column
{
    const char* name;
    Kind kind;
    int since; // the schema version that brought it; older registers read it as empty text
    const char* before = nullptr; // what an older register reads instead, when not empty text or NULL
};

struct Table
{
    const char* name;
    int since;
    QList<Column> columns;
};

// Every table of the register at this program's schema, with what each column holds.
const QList<Table>& registerTables()
{
    static const QList<Table> tables = {
        {"tblClassName", 0, {{"id", Kind::Number, 0}, {"ClassName", Kind::Text, 0}}},
        {"tblStudents", 0,
            {{"id", Kind::Number, 0}, {"StudentName", Kind::Text, 0}, {"ClassID", Kind::Number, 0},
                {"Image", Kind::Bytes, 0}, {"CardPicture", Kind::Bytes, 8}}},
        {"tblAttendance", 0,
            {{"StudentID", Kind::Number, 0}, {"\"Date\"", Kind::Text, 0}, {"\"Status\"", Kind::Text, 0},
                {"Notes", Kind::Text, 0}, {"Remark", Kind::Text, 4}, {"ChangedAt", Kind::Text, 3},
                {"ChangedBy", Kind::Text, 3}, {"ChangedOn", Kind::Text, 3}, {"LateMinutes", Kind::Number, 11},
                {"Session", Kind::Number, 12, "0"}}},
        {"tblHistory", 5,
            {{"id", Kind::Number, 0}, {"StudentID", Kind::Number, 0}, {"\"Date\"", Kind::Text, 0},
                {"OldStatus", Kind::Text, 0}, {"NewStatus", Kind::Text, 0}, {"OldRemark", Kind::Text, 0},
                {"NewRemark", Kind::Text, 0}, {"ChangedBy", Kind::Text, 0}, {"ChangedOn", Kind::Text, 0},
                {"ChangedAt", Kind::Text, 0}, {"OldNotes", Kind::Text, 7}, {"NewNotes", Kind::Text, 7},
                {"Reason", Kind::Text, 11}, {"Session", Kind::Number, 12, "0"}}},
        {"tblSettings", 6, {{"Name", Kind::Text, 0}, {"Value", Kind::Text, 0}}},
        {"tblCalendar", 9,
            {{"id", Kind::Number, 0}, {"Kind", Kind::Text, 0}, {"FromDate", Kind::Text, 0}, {"ToDate", Kind::Text, 0},
                {"Name", Kind::Text, 0}}},
        {"tblEnrolment", 10,
            {{"id", Kind::Number, 0}, {"StudentID", Kind::Number, 0}, {"ClassID", Kind::Number, 0},
                {"FromDate", Kind::Text, 0}, {"ToDate", Kind::Text, 0}}},
        {"tblAttendanceCode", 11,
            {{"Word", Kind::Text, 0}, {"Code", Kind::Text, 0}, {"Category", Kind::Text, 0}, {"Colour", Kind::Text, 0},
                {"KeyText", Kind::Text, 0}, {"Position", Kind::Number, 0}}},
        {"tblPlannedAbsence", 11,
            {{"id", Kind::Number, 0}, {"StudentID", Kind::Number, 0}, {"FromDate", Kind::Text, 0},
                {"ToDate", Kind::Text, 0}, {"\"Status\"", Kind::Text, 0}, {"Reason", Kind::Text, 0},
                {"CreatedBy", Kind::Text, 0}, {"CreatedAt", Kind::Text, 0}}},
    };
    return tables;
}

// The checksum of a table, the same whatever order its rows are read in and whichever engine
// holds them: every row's values (kind, length and bytes, so that no two rows can run into one
// another) are hashed, and the row hashes are added up.
class Checksum
{
public:
    void add(const QList<QVariant>& row, const QList<Column>& columns)
    {
        QCryptographicHash hash(QCryptographicHash::Sha256);
        for (qsizetype i = 0; i < row.size(); ++i) {
            const QVariant& value = row.at(i);
            QByteArray bytes;
            char tag = 'N';
            if (!value.isNull()) {
                switch (columns.at(i).kind) {
                case Kind::Number:
                    tag = 'I';
                    bytes = value.toString().toUtf8();
                    break;
                case Kind::Text:
                    tag = 'T';
                    bytes = value.toString().toUtf8();
                    break;
                case Kind::Bytes:
                    tag = 'B';
                    bytes = value.toByteArray();
                    break;
                }
            }
            const quint64 length = qToBigEndian(quint64(bytes.size()));
            hash.addData(QByteArrayView(&tag, 1));
            hash.addData(QByteArrayView(reinterpret_cast<const char*>(&length), sizeof length));
            hash.addData(bytes);
        }
        const QByteArray digest = hash.result();
        quint64 high;
        quint64 low;
        std::memcpy(&high, digest.constData(), sizeof high);
        std::memcpy(&low, digest.constData() + sizeof high, sizeof low);
        m_high += qFromBigEndian(high);
        m_low += qFromBigEndian(low);
    }
    QString text() const
    {
        return QStringLiteral("%1%2").arg(m_high, 16, 16, QLatin1Char('0')).arg(m_low, 16, 16, QLatin1Char('0'));
    }

private:
    quint64 m_high = 0;
    quint64 m_low = 0;
};

// The columns of a table as a register of the given version holds them; a column it lacks is
// read as empty text.
QString selectOf(const Table& table, int version)
{
    QStringList columns;
    for (const Column& column : table.columns)
        columns << (version >= column.since ? QString::fromLatin1(column.name)
                : column.before             ? QString::fromLatin1(column.before)
                : column.kind == Kind::Text ? QStringLiteral("''")
                                            : QStringLiteral("NULL"));
    return QStringLiteral("SELECT %1 FROM %2").arg(columns.join(QStringLiteral(", ")), QLatin1String(table.name));
}

QVariant valueOf(const QSqlQuery& query, int i, Kind kind)
{
    const QVariant value = query.value(i);
    if (query.isNull(i)) {
        switch (kind) {
        case Kind::Number:
            return QVariant(QMetaType::fromType<qlonglong>());
        case Kind::Text:
            return QVariant(QMetaType::fromType<QString>());
        case Kind::Bytes:
            return QVariant(QMetaType::fromType<QByteArray>());
        }
    }
    switch (kind) {
    case Kind::Number: {
        bool whole = false;
        const qlonglong number = value.toLongLong(&whole);
        // A number stored as text by another tool stays as it was, for the target to accept
        // or refuse.
        return whole ? QVariant(number) : value;
    }
    // Qt binds a null string or byte array as NULL; an empty stored value must stay empty.
    case Kind::Text:
        return sql::text(value.toString());
    case Kind::Bytes: {
        const QByteArray bytes = value.toByteArray();
        return bytes.isNull() ? QByteArray("", 0) : bytes;
    }
    }
    return value;
}

qint64 countOf(const QSqlDatabase& database, const QString& table, const Engine& engine)
{
    QSqlQuery query(database);
    if (!query.exec(QStringLiteral("SELECT count(*) FROM %1").arg(table)) || !query.next())
        throw engine.failure(query.lastError());
    return query.value(0).toLongLong();
}

// Reads every row of a table; with the checksum only, or handing each row on.
template <typename Each>
void readRows(const QSqlDatabase& database, const Engine& engine, const Table& table, int version, Each each)
{
    QSqlQuery query(database);
    query.setForwardOnly(true);
    if (!query.exec(selectOf(table, version)))
        throw engine.failure(query.lastError());
    const int columns = int(table.columns.size());
    QList<QVariant> row(columns);
    while (query.next()) {
        for (int i = 0; i < columns; ++i)
            row[i] = valueOf(query, i, table.columns.at(i).kind);
        each(row);
    }
    if (query.lastError().isValid())
        throw engine.failure(query.lastError());
}

// Writes rows to the target a batch at a time: one statement carries many rows, which on a
// server is one trip for hundreds of marks.
class BatchInsert
{
public:
    BatchInsert(const QSqlDatabase& target, const Engine& engine, const Table& table)
        : m_target(target)
        , m_engine(engine)
        , m_table(table)
    {
        // Well inside the placeholders a SQLite statement may hold.
        m_rowsPerStatement = qMax(1, 8000 / int(table.columns.size()));
        m_rowsPerStatement = qMin(m_rowsPerStatement, 1000);
    }

    void add(const QList<QVariant>& row)
    {
        for (const QVariant& value : row) {
            m_values << value;
            m_bytes += value.typeId() == QMetaType::QByteArray ? value.toByteArray().size() : 16;
        }
        ++m_rows;
        // Photos make big rows; a statement is kept to a few megabytes.
        if (m_rows == m_rowsPerStatement || m_bytes > 8 * 1024 * 1024)
            flush();
    }

    void flush()
    {
        if (m_rows == 0)
            return;
        QSqlQuery& query = statementFor(m_rows);
        for (const QVariant& value : std::as_const(m_values))
            query.addBindValue(value);
        if (!query.exec()) {
            const Failure cause = m_engine.failure(query.lastError());
            throw Failure(Text::tr("The rows of %1 could not be written to the copy: %2")
                              .arg(QLatin1String(m_table.name), cause.description()));
        }
        m_values.clear();
        m_rows = 0;
        m_bytes = 0;
    }

private:
    QSqlQuery& statementFor(int rows)
    {
        std::optional<QSqlQuery>& kept = rows == m_rowsPerStatement ? m_full : m_part;
        int& prepared = rows == m_rowsPerStatement ? m_fullRows : m_partRows;
        if (kept && prepared == rows)
            return *kept;
        QStringList names;
        for (const Column& column : m_table.columns)
            names << QString::fromLatin1(column.name);
        const QString one = QLatin1Char('(')
            + QStringList(m_table.columns.size(), QStringLiteral("?")).join(QLatin1Char(',')) + QLatin1Char(')');
        const QString text = QStringLiteral("INSERT INTO %1 (%2) VALUES %3")
                                 .arg(QLatin1String(m_table.name), names.join(QStringLiteral(", ")),
                                     QStringList(rows, one).join(QLatin1Char(',')));
        kept.emplace(m_target);
        if (!kept->prepare(text))
            throw m_engine.failure(kept->lastError());
        prepared = rows;
        return *kept;
    }

    QSqlDatabase m_target;
    const Engine& m_engine;
    const Table& m_table;
    int m_rowsPerStatement = 1;
    QList<QVariant> m_values;
    int m_rows = 0;
    qint64 m_bytes = 0;
    std::optional<QSqlQuery> m_full;
    std::optional<QSqlQuery> m_part;
    int m_fullRows = 0;
    int m_partRows = 0;
};

struct Register
{
    QSqlDatabase database;
    Engine* engine = nullptr;
    int version = 0;
};

// The heart of every copy: the source read as of one moment, the target (an empty register at
// this program's schema) filled in one transaction, then read back.
CopyReport copyBetween(
    const Register& source, const QString& targetName, Engine& targetEngine, const Progress& progress)
{
    QSqlDatabase target = QSqlDatabase::database(targetName, false);
    CopyReport report;
    for (const Table& table : registerTables()) {
        qint64 rows = 0;
        try {
            rows = countOf(target, QLatin1String(table.name), targetEngine);
        } catch (const Failure& failure) {
            throw Failure(Text::tr("%1 cannot be used as the register: %2")
                              .arg(targetEngine.registerName(), failure.description()));
        }
        if (rows > 0)
            throw Failure(
                Text::tr("%1 already holds a register (%2 rows in %3); the copy goes only into an empty one, so "
                         "nothing was copied.")
                    .arg(targetEngine.registerName())
                    .arg(rows)
                    .arg(QLatin1String(table.name)));
    }

    QSqlQuery snapshot(source.database);
    if (!snapshot.exec(source.engine->beginSnapshot()))
        throw source.engine->failure(snapshot.lastError());
    const auto endSnapshot = [&] { snapshot.exec(QStringLiteral("ROLLBACK")); };
    try {
        qint64 total = 0;
        QHash<QString, qint64> counts;
        for (const Table& table : registerTables()) {
            if (source.version < table.since)
                continue;
            const qint64 rows = countOf(source.database, QLatin1String(table.name), *source.engine);
            counts.insert(QLatin1String(table.name), rows);
            total += rows;
        }
        qint64 done = 0;
        if (progress && !progress(0, total))
            throw Cancelled(Text::tr("The copy was stopped before the end; nothing was copied."));
        {
            ConnectionScope scope(targetName, targetEngine);
            sql::WriteTransaction transaction;
            targetEngine.beforeCopy();
            for (const Table& table : registerTables()) {
                TableCheck check;
                check.table = QLatin1String(table.name);
                if (source.version >= table.since) {
                    Checksum sum;
                    BatchInsert insert(target, targetEngine, table);
                    readRows(source.database, *source.engine, table, source.version, [&](const QList<QVariant>& row) {
                        sum.add(row, table.columns);
                        insert.add(row);
                        ++check.sourceRows;
                        if (++done % 2000 == 0 && progress && !progress(done, total))
                            throw Cancelled(Text::tr("The copy was stopped before the end; nothing was copied."));
                    });
                    insert.flush();
                    check.sourceChecksum = sum.text();
                } else {
                    check.sourceChecksum = Checksum().text();
                }
                report.tables << check;
            }
            targetEngine.afterCopy();
            transaction.commit();
        }
        if (progress)
            progress(total, total);
    } catch (...) {
        endSnapshot();
        throw;
    }
    endSnapshot();

    // Read back from what was committed.
    for (TableCheck& check : report.tables) {
        const Table& table = *std::find_if(registerTables().cbegin(), registerTables().cend(),
            [&](const Table& candidate) { return check.table == QLatin1String(candidate.name); });
        Checksum sum;
        readRows(target, targetEngine, table, kSchemaVersion, [&](const QList<QVariant>& row) {
            sum.add(row, table.columns);
            ++check.targetRows;
        });
        check.targetChecksum = sum.text();
    }
    return report;
}

// A connection of the copier's own, closed and let go of however the copy ends.
class OwnConnection
{
public:
    OwnConnection(const QString& name, std::unique_ptr<Engine> engine)
        : m_name(name)
        , m_engine(std::move(engine))
    {
        if (QSqlDatabase::contains(name))
            QSqlDatabase::removeDatabase(name);
        QSqlDatabase::addDatabase(m_engine->driver(), name);
    }
    ~OwnConnection()
    {
        m_engine->forgetStatements();
        {
            QSqlDatabase database = QSqlDatabase::database(m_name, false);
            database.close();
        }
        m_engine.reset();
        QSqlDatabase::removeDatabase(m_name);
    }
    OwnConnection(const OwnConnection&) = delete;
    OwnConnection& operator=(const OwnConnection&) = delete;

    QSqlDatabase database() const { return QSqlDatabase::database(m_name, false); }
    Engine& engine() { return *m_engine; }
    const QString& name() const { return m_name; }

private:
    QString m_name;
    std::unique_ptr<Engine> m_engine;
};

constexpr auto kSourceName = "CopySource";
constexpr auto kTargetName = "CopyTarget";

// A new SQLite register file as the target; removed again unless the copy goes through.
CopyReport copyIntoNewFile(const Register& source, const QString& path, const Progress& progress)
{
    if (QFileInfo::exists(path))
        throw Failure(Text::tr("%1 already exists; the copy goes only into a new file, so nothing was copied.")
                          .arg(QDir::toNativeSeparators(path)));
    bool made = false;
    try {
        CopyReport report;
        {
            OwnConnection target(QString::fromLatin1(kTargetName), sqliteEngine(path));
            QSqlDatabase database = target.database();
            database.setDatabaseName(path);
            if (!database.open())
                throw target.engine().failure(database.lastError());
            made = true;
            {
                ConnectionScope scope(target.name(), target.engine());
                createTables();
            }
            report = copyBetween(source, target.name(), target.engine(), progress);
        }
        return report;
    } catch (...) {
        if (made) {
            QFile::remove(path);
            QFile::remove(path + QStringLiteral("-journal"));
        }
        throw;
    }
}

} // namespace

bool CopyReport::matches() const
{
    return std::all_of(tables.cbegin(), tables.cend(), [](const TableCheck& check) { return check.matches(); });
}

qint64 CopyReport::rows() const
{
    qint64 rows = 0;
    for (const TableCheck& check : tables)
        rows += check.sourceRows;
    return rows;
}

CopyReport copyFileToServer(const QString& path, const ServerAddress& server, const Progress& progress)
{
    OwnConnection source(QString::fromLatin1(kSourceName), sqliteEngine(path));
    QSqlDatabase sourceDatabase = source.database();
    source.engine().open(sourceDatabase, true);
    const Register from {sourceDatabase, &source.engine(), source.engine().storedSchemaVersion(sourceDatabase)};

    OwnConnection target(QString::fromLatin1(kTargetName), postgresEngine(server, QString::fromLatin1(kTargetName)));
    QSqlDatabase targetDatabase = target.database();
    {
        // An empty database gets the register's tables as it opens.
        ConnectionScope scope(target.name(), target.engine());
        target.engine().open(targetDatabase, false);
    }
    const int version = target.engine().storedSchemaVersion(targetDatabase);
    if (version != kSchemaVersion)
        throw Failure(Text::tr("%1 holds a register of schema %2, not of this version's %3; nothing was copied.")
                          .arg(target.engine().registerName())
                          .arg(version)
                          .arg(kSchemaVersion));
    return copyBetween(from, target.name(), target.engine(), progress);
}

CopyReport copyServerToFile(const ServerAddress& server, const QString& path, const Progress& progress)
{
    OwnConnection source(QString::fromLatin1(kSourceName), postgresEngine(server, QString::fromLatin1(kSourceName)));
    QSqlDatabase sourceDatabase = source.database();
    source.engine().open(sourceDatabase, true);
    const Register from {sourceDatabase, &source.engine(), source.engine().storedSchemaVersion(sourceDatabase)};
    return copyIntoNewFile(from, path, progress);
}

CopyReport copyOpenRegisterToFile(const QString& path, const Progress& progress)
{
    const Register from {connection(), &engine(), openedSchemaVersion()};
    return copyIntoNewFile(from, path, progress);
}

} // namespace db
