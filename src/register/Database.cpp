#include "register/Database.h"

#include "core/Failure.h"
#include "core/Names.h"
#include "core/Photo.h"
#include "core/StatusWords.h"
#include "register/Engine.h"
#include "register/RegisterEvents.h"
#include "register/Sql.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSysInfo>
#include <QVariant>

#include <pwd.h>
#include <unistd.h>

namespace db {
namespace {

// The texts of this file, under the context translators find them in.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(Database)
};

std::unique_ptr<Engine>& currentEngine()
{
    static std::unique_ptr<Engine> instance;
    return instance;
}

// The connection and engine the data layer's statements go to: the shared register's, unless a
// ConnectionScope stands in another.
struct Active
{
    QString connection = QString::fromLatin1(kConnectionName);
    Engine* engine = nullptr; // null: the shared register's engine
};

Active& active()
{
    // Per thread: a backup or an export on a thread of its own has a connection of its own.
    thread_local Active state;
    return state;
}

bool scoped()
{
    return active().engine != nullptr;
}

// Write transactions under way on the active connection. A connection lost in the middle of one
// is never opened again before the transaction is given up: its later statements would run
// outside it.
int& transactionDepth()
{
    thread_local int depth = 0;
    return depth;
}

// Tells the register's listeners of a committed write on the shared connection. A write inside
// a caller's transaction is announced by that caller once it commits (an import announces its
// whole batch once); a copy's target is no register anyone shows.
template <typename Signal, typename... Arguments> void announce(Signal signal, Arguments&&... arguments)
{
    if (scoped() || transactionDepth() > 0)
        return;
    Q_EMIT(RegisterEvents::instance().*signal)(std::forward<Arguments>(arguments)...);
}

// The schema version of the open register, and why it could not be brought up to date when
// that failed (the register is then only read).
struct OpenState
{
    int version = 0;
    QString upgradeFailure;
    // Set when columns another program added would refuse the program's writes: the register
    // was then opened for reading only, before anything in it was changed.
    QString refusedWrites;
    bool readOnly = false;
    // The register was asked to be open and has not been closed since: a server's connection
    // that is lost, or that could not be made at the start, is made again by the next call.
    bool wanted = false;
    bool wantedReadOnly = false;
};

OpenState& openState()
{
    static OpenState state;
    return state;
}

// A column that an older register opened read-only may not have yet reads as empty text.
QString column(const char* name, int since)
{
    return openState().version >= since ? QString::fromLatin1(name) : QStringLiteral("''");
}

// The condition that a mark belongs to the session's register, with its value bound after the
// others; a register from before sessions holds the mornings' alone.
QString sessionCondition(const QString& column, Session session)
{
    if (openState().version >= 12)
        return QStringLiteral(" AND %1 = %2").arg(column).arg(int(session));
    return session == Session::Morning ? QString() : QStringLiteral(" AND 1 = 0");
}

QString markColumns()
{
    return QStringLiteral("\"Status\", Notes, %1, %2, %3, %4, %5")
        .arg(column("Remark", 4), column("ChangedAt", 3), column("ChangedBy", 3), column("ChangedOn", 3),
            openState().version >= 11 ? QStringLiteral("LateMinutes") : QStringLiteral("NULL"));
}

void requireWritable()
{
    const OpenState& state = openState();
    if (state.readOnly && !state.upgradeFailure.isEmpty())
        throw Failure(
            Text::tr("The register could not be brought up to this version of Rollvane when it was opened, so "
                     "nothing can be written to it. Nothing was changed. (%1)")
                .arg(state.upgradeFailure));
    if (state.readOnly)
        throw Failure(Text::tr("The register is open for reading only. Nothing was changed."));
}

void upgrade(QSqlDatabase& database)
{
    Engine& engine = db::engine();
    const int found = engine.storedSchemaVersion(database);
    openState().version = found;
    if (found >= kSchemaVersion)
        return;
    try {
        sql::WriteTransaction transaction;
        for (int version = std::max(found, 0) + 1; version <= kSchemaVersion; ++version)
            upgradeStep(engine, version);
        engine.recordSchemaVersion(kSchemaVersion);
        transaction.commit();
        openState().version = kSchemaVersion;
    } catch (const Failure& failure) {
        // A register that cannot be written (a read-only file, say) is still shown as it
        // stands; saving then says why it cannot.
        openState().upgradeFailure = failure.description();
        openState().readOnly = true;
    }
}

// Opens the shared connection with the current engine: the engine's own checks, then the
// register's tables and its schema version.
// The columns of the register's tables that a new row must fill (NOT NULL, no default, not the
// row id) and that the program does not write, as "table.column".
QStringList columnsRefusingWrites(QSqlDatabase& database, Engine& engine)
{
    static const QList<std::pair<const char*, QStringList>> written = {
        {"tblClassName", {"id", "ClassName"}},
        {"tblStudents", {"id", "StudentName", "ClassID", "Image"}},
        {"tblAttendance",
            {"StudentID", "Date", "Status", "Notes", "Remark", "ChangedAt", "ChangedBy", "ChangedOn", "LateMinutes",
                "Session"}},
        {"tblHistory",
            {"id", "StudentID", "Date", "OldStatus", "NewStatus", "OldRemark", "NewRemark", "ChangedBy", "ChangedOn",
                "ChangedAt", "OldNotes", "NewNotes", "Reason", "Session"}},
        {"tblSettings", {"Name", "Value"}},
        {"tblCalendar", {"id", "Kind", "FromDate", "ToDate", "Name"}},
        {"tblEnrolment", {"id", "StudentID", "ClassID", "FromDate", "ToDate"}},
        {"tblAttendanceCode", {"Word", "Code", "Category", "Colour", "KeyText", "Position"}},
        {"tblPlannedAbsence", {"id", "StudentID", "FromDate", "ToDate", "Status", "Reason", "CreatedBy", "CreatedAt"}},
    };
    QStringList unknown;
    for (const auto& [table, known] : written) {
        for (const QString& column : engine.requiredColumns(database, QLatin1String(table))) {
            if (!known.contains(column, Qt::CaseInsensitive))
                unknown << QStringLiteral("%1 in %2").arg(column, QLatin1String(table));
        }
    }
    return unknown;
}

void openConnection(QSqlDatabase& database, bool readOnly)
{
    Engine& engine = *currentEngine();
    engine.forgetStatements();
    const bool wanted = openState().wanted;
    openState() = {};
    openState().wanted = wanted;
    openState().wantedReadOnly = readOnly;
    // Columns that every new row must fill, of which the program knows nothing, would refuse
    // each save after an upgrade that had already changed the register: such a register is read
    // as it stands instead, and left exactly as it is. A file is looked at read-only first,
    // since opening it for writing already sets it up for sharing.
    QStringList unknown;
    if (!readOnly && engine.registerIsAFile()) {
        try {
            engine.open(database, true);
            checkSchema(database, engine);
            unknown = columnsRefusingWrites(database, engine);
        } catch (const Failure&) {
            // Whatever is wrong with it, the opening below says in its own words.
        }
        if (unknown.isEmpty()) {
            engine.forgetStatements();
            database.close();
        }
    }
    const bool lookedAt = !unknown.isEmpty();
    if (!lookedAt)
        engine.open(database, readOnly);
    try {
        checkSchema(database, *currentEngine());
        // A server's database is looked at on the connection itself: opening changes nothing.
        if (!readOnly && !lookedAt && !engine.registerIsAFile())
            unknown = columnsRefusingWrites(database, engine);
        if (!unknown.isEmpty()) {
            openState().version = engine.storedSchemaVersion(database);
            openState().readOnly = true;
            openState().refusedWrites
                = Text::tr("The register has columns that Rollvane does not know and that every new row must fill "
                           "(%1), so Rollvane cannot save to it. It was opened for reading only and left as it is; "
                           "ask the administrator about the program that added them.")
                      .arg(unknown.join(QStringLiteral(", ")));
            openState().upgradeFailure = openState().refusedWrites;
            return;
        }
        if (readOnly) {
            openState().version = engine.storedSchemaVersion(database);
            openState().readOnly = true;
        } else {
            upgrade(database);
        }
    } catch (...) {
        engine.forgetStatements();
        database.close();
        throw;
    }
}

void openWith(std::unique_ptr<Engine> engine, bool readOnly)
{
    if (scoped())
        throw Failure(Text::tr("The register cannot be opened while another one is being copied."));
    const QString name = QString::fromLatin1(kConnectionName);
    if (currentEngine())
        currentEngine()->forgetStatements();
    if (QSqlDatabase::contains(name)) {
        const bool sameDriver = QSqlDatabase::database(name, false).driverName() == engine->driver();
        QSqlDatabase::database(name, false).close();
        if (!sameDriver)
            QSqlDatabase::removeDatabase(name);
    }
    if (!QSqlDatabase::contains(name))
        QSqlDatabase::addDatabase(engine->driver(), name);
    currentEngine() = std::move(engine);
    openState() = {};
    QSqlDatabase database = QSqlDatabase::database(name, false);
    // A server that cannot be reached now may be reached by the next action; a file that
    // cannot be opened stays closed.
    openState().wanted = currentEngine()->reconnects();
    openConnection(database, readOnly);
    openState().wanted = true;
    readCodeBook();
}

// Opens a lost server connection again, with every check of the first opening.
void reconnect(QSqlDatabase& database)
{
    openConnection(database, openState().wantedReadOnly);
    readCodeBook();
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

QString placeholders(qsizetype count)
{
    return QStringList(count, QStringLiteral("?")).join(QLatin1Char(','));
}

QString operatingSystemUser()
{
    if (const passwd* entry = ::getpwuid(::geteuid()); entry && entry->pw_name && *entry->pw_name)
        return QString::fromLocal8Bit(entry->pw_name);
    for (const char* variable : {"USER", "LOGNAME", "USERNAME"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return value;
    }
    return QString();
}

} // namespace

std::optional<Mark> storedOf(const DayMarks& marks, qint64 studentId)
{
    const auto found = marks.constFind(studentId);
    if (found == marks.constEnd())
        return std::nullopt;
    return *found;
}

Engine& engine()
{
    if (active().engine)
        return *active().engine;
    if (!currentEngine())
        throw Failure(Text::tr("The register is not open, so nothing can be read or written."));
    return *currentEngine();
}

void setEngine(std::unique_ptr<Engine> engine)
{
    currentEngine() = std::move(engine);
}

void checkSchema(QSqlDatabase& database, const Engine& engine)
{
    static const QStringList probes = {
        QStringLiteral("SELECT id, ClassName FROM tblClassName LIMIT 0"),
        QStringLiteral("SELECT id, StudentName, ClassID, Image FROM tblStudents LIMIT 0"),
        QStringLiteral("SELECT StudentID, \"Date\", \"Status\", Notes FROM tblAttendance LIMIT 0"),
    };
    for (const QString& probe : probes) {
        QSqlQuery query(database);
        if (!query.exec(probe)) {
            const QSqlError error = query.lastError();
            // A missing table or column is another program's database, not a fault to quote.
            const QString text = error.databaseText();
            const bool notARegister = text.contains(QLatin1String("no such table"))
                || text.contains(QLatin1String("no such column")) || error.nativeErrorCode() == QLatin1String("42P01")
                || error.nativeErrorCode() == QLatin1String("42703");
            const QString cause = notARegister
                ? Text::tr("it is a database, but not a Rollvane register (it lacks the register's tables)")
                : engine.failure(error).description();
            throw Failure(Text::tr("%1 cannot be used as the register: %2").arg(engine.registerName(), cause));
        }
    }
}

Mark markFrom(const QSqlQuery& query, int first)
{
    Mark mark;
    // A status that another tool left empty must still be a status a click can move on.
    mark.status = query.value(first).toString();
    if (mark.status.isEmpty())
        mark.status = QStringLiteral("Present");
    mark.notes = query.value(first + 1).toString();
    mark.remark = query.value(first + 2).toString();
    mark.changedAt = query.value(first + 3).toString();
    mark.changedBy = query.value(first + 4).toString();
    mark.changedOn = query.value(first + 5).toString();
    mark.lateMinutes = std::max(0, query.value(first + 6).toInt());
    return mark;
}

QSqlQuery prepareStatement(const Engine& engine, const QSqlDatabase& database, const QString& text, bool forwardOnly)
{
    QSqlQuery query(database);
    query.setForwardOnly(forwardOnly);
    if (!query.prepare(text))
        throw PrepareFailure(engine.failure(query.lastError()), query.lastError());
    return query;
}

QList<qint64> studentIdsOf(const QList<CardMark>& cards)
{
    QList<qint64> ids;
    ids.reserve(cards.size());
    for (const CardMark& card : cards)
        ids.append(card.studentId);
    return ids;
}

bool sameMarks(const DayMarks& loaded, const DayMarks& stored, const QList<qint64>& studentIds)
{
    for (qint64 id : studentIds) {
        if (storedOf(loaded, id) != storedOf(stored, id))
            return false;
    }
    return true;
}

qint64 nextConnectionNumber()
{
    static qint64 number = 0;
    return ++number;
}

Failure newerSchema(int found)
{
    return Failure(Text::tr("This register was made by a newer version of Rollvane (schema %1); this version knows "
                            "schema %2. Install the newer version to use it.")
                       .arg(found)
                       .arg(kSchemaVersion));
}

ConnectionScope::ConnectionScope(const QString& connectionName, Engine& engine)
    : m_previousName(active().connection)
    , m_previousEngine(active().engine)
{
    active().connection = connectionName;
    active().engine = &engine;
}

ConnectionScope::~ConnectionScope()
{
    active().connection = m_previousName;
    active().engine = m_previousEngine;
}

namespace sql {

namespace {

bool lost(const QSqlError& error);

// Preparing changes nothing, so a connection found lost while preparing is made again and the
// statement prepared on it, unless a transaction was under way on the lost one.
QSqlQuery statementFor(const QString& text, bool forwardOnly)
{
    try {
        return engine().statement(connection(), text, forwardOnly);
    } catch (const PrepareFailure& failure) {
        if (!lost(failure.error()) || scoped() || transactionDepth() > 0 || !engine().reconnects())
            throw;
    }
    return engine().statement(connection(), text, forwardOnly);
}

} // namespace

QSqlQuery prepared(const QString& text)
{
    return statementFor(text, false);
}

QSqlQuery reading(const QString& text)
{
    return statementFor(text, true);
}

namespace {

// A connection that the engine says is gone is closed at once, so that the next call opens it
// again instead of reusing it.
bool lost(const QSqlError& error)
{
    if (!engine().lostConnection(error))
        return false;
    QSqlDatabase database = QSqlDatabase::database(active().connection, false);
    if (database.isOpen()) {
        engine().forgetStatements();
        database.close();
    }
    return true;
}

// Outside a write transaction a read can be run once more on a connection opened anew: it
// changed nothing the first time. A write is never run twice, since the server may have done
// it before the connection went.
bool mayRetry(bool reading)
{
    return !scoped() && transactionDepth() == 0 && reading && engine().reconnects();
}

} // namespace

void run(QSqlQuery& query)
{
    // Asked before: a driver may drop the forward-only mode of a statement that failed.
    const bool forwardOnly = query.isForwardOnly();
    if (query.exec())
        return;
    const QSqlError error = query.lastError();
    if (!lost(error) || !mayRetry(forwardOnly))
        throw engine().failure(error);
    const QString text = query.lastQuery();
    const QVariantList values = query.boundValues();
    query = reading(text); // connects again, or says why it cannot
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec()) {
        const QSqlError again = query.lastError();
        lost(again);
        throw engine().failure(again);
    }
}

void run(const QString& text)
{
    QSqlQuery query(connection());
    if (query.exec(text))
        return;
    const QSqlError error = query.lastError();
    lost(error);
    throw engine().failure(error);
}

WriteTransaction::WriteTransaction()
{
    const QString begin = engine().beginWrite();
    QSqlQuery query(connection());
    if (!query.exec(begin)) {
        const QSqlError error = query.lastError();
        // Nothing has been written yet, so a connection found lost here is opened again and the
        // transaction begun on it.
        if (!lost(error) || scoped() || transactionDepth() > 0 || !engine().reconnects())
            throw engine().failure(error);
        QSqlQuery again(connection());
        if (!again.exec(begin)) {
            const QSqlError second = again.lastError();
            lost(second);
            throw engine().failure(second);
        }
    }
    ++transactionDepth();
}

WriteTransaction::~WriteTransaction()
{
    --transactionDepth();
    if (m_committed)
        return;
    // Runs while a failure unwinds: nothing here may throw in turn, and a lost connection is not
    // opened again for it (the server gave the transaction up with the connection).
    try {
        QSqlDatabase database = QSqlDatabase::database(active().connection, false);
        if (database.isOpen()) {
            QSqlQuery rollback(database);
            rollback.exec(QStringLiteral("ROLLBACK"));
        }
    } catch (...) { }
}

void WriteTransaction::commit()
{
    QSqlQuery query(connection());
    if (!query.exec(QStringLiteral("COMMIT"))) {
        const QSqlError error = query.lastError();
        lost(error);
        throw engine().failure(error);
    }
    m_committed = true;
}

QString text(const QString& value)
{
    return value.isNull() ? QString::fromLatin1("", 0) : value;
}

} // namespace sql

Author Author::current()
{
    return {operatingSystemUser(), QSysInfo::machineHostName(),
        QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs), QString()};
}

QVariant lateMinutes(const CardMark& card)
{
    const bool late = status::book().categoryOf(card.status) == status::Category::Late;
    return late && card.lateMinutes > 0 ? QVariant(card.lateMinutes) : QVariant(QMetaType::fromType<int>());
}

QString dateKey(const QDate& date)
{
    return date.toString(Qt::ISODate);
}

namespace {

// Writes the codes over those the register keeps, in the order given.
void writeCodes(const QList<status::Code>& codes)
{
    sql::run(QStringLiteral("DELETE FROM tblAttendanceCode"));
    int position = 0;
    for (const status::Code& code : codes) {
        QSqlQuery insert = sql::prepared(QStringLiteral("INSERT INTO tblAttendanceCode (Word, Code, Category, Colour, "
                                                        "KeyText, Position) VALUES (?, ?, ?, ?, ?, ?)"));
        insert.addBindValue(sql::text(code.word));
        insert.addBindValue(sql::text(code.code));
        insert.addBindValue(status::storedCategory(code.category));
        insert.addBindValue(code.colour.isValid() ? code.colour.name() : QStringLiteral(""));
        insert.addBindValue(sql::text(code.key));
        insert.addBindValue(position++);
        sql::run(insert);
    }
}

} // namespace

void upgradeStep(Engine& engine, int version)
{
    switch (version) {
    case 3:
        for (const char* column : {"ChangedAt", "ChangedBy", "ChangedOn"})
            engine.addTextColumn(QStringLiteral("tblAttendance"), QLatin1String(column));
        sql::run(QStringLiteral("CREATE INDEX IF NOT EXISTS ixAttendanceUnplaced ON tblAttendance (StudentID) WHERE ")
            + engine.unplacedCondition());
        break;
    case 4:
        engine.addTextColumn(QStringLiteral("tblAttendance"), QStringLiteral("Remark"));
        break;
    case 10:
        engine.upgradeTo(version);
        sql::run(QStringLiteral("CREATE INDEX IF NOT EXISTS ixEnrolmentStudent ON tblEnrolment (StudentID, FromDate)"));
        sql::run(QStringLiteral("CREATE INDEX IF NOT EXISTS ixEnrolmentClass ON tblEnrolment (ClassID, FromDate)"));
        // Every student is enrolled in the class their row names, from their first mark (or
        // from the beginning when they have none), so that every mark stays where it was shown.
        sql::run(
            QStringLiteral("INSERT INTO tblEnrolment (StudentID, ClassID, FromDate, ToDate) SELECT s.id, s.ClassID, "
                           "coalesce((SELECT min(a.\"Date\") FROM tblAttendance a WHERE a.StudentID = s.id AND "
                           "length(a.\"Date\") = 10), ''), '%1' FROM tblStudents s WHERE NOT EXISTS (SELECT 1 FROM "
                           "tblEnrolment e WHERE e.StudentID = s.id)")
                .arg(QLatin1String(kOpenEnd)));
        break;
    case 11: {
        engine.addTextColumn(QStringLiteral("tblHistory"), QStringLiteral("Reason"));
        engine.upgradeTo(version);
        // The index of unplaced marks now also holds marks on days that do not exist.
        sql::run(QStringLiteral("DROP INDEX IF EXISTS ixAttendanceUnplaced"));
        sql::run(QStringLiteral("CREATE INDEX IF NOT EXISTS ixAttendanceUnplaced ON tblAttendance (StudentID) WHERE ")
            + engine.unplacedCondition());
        sql::run(QStringLiteral("CREATE TABLE IF NOT EXISTS tblAttendanceCode (Word TEXT NOT NULL PRIMARY KEY, Code "
                                "TEXT NOT NULL DEFAULT '', Category TEXT NOT NULL DEFAULT '', Colour TEXT NOT NULL "
                                "DEFAULT '', KeyText TEXT NOT NULL DEFAULT '', Position INTEGER NOT NULL DEFAULT 0)"));
        // Left empty, which means the four words alone: a new register is an empty one that a
        // copy may fill.
        sql::run(
            QStringLiteral("CREATE INDEX IF NOT EXISTS ixPlannedStudent ON tblPlannedAbsence (StudentID, ToDate)"));
        break;
    }
    case 7:
        // The day's notes are part of what the history keeps.
        engine.addTextColumn(QStringLiteral("tblHistory"), QStringLiteral("OldNotes"));
        engine.addTextColumn(QStringLiteral("tblHistory"), QStringLiteral("NewNotes"));
        engine.upgradeTo(version);
        break;
    default:
        engine.upgradeTo(version);
        break;
    }
}

void createTables()
{
    // A new register is built the way every register is upgraded, so that a new register and an
    // upgraded one cannot differ.
    Engine& engine = db::engine();
    sql::WriteTransaction transaction;
    for (const QString& statement : engine.baseSchema())
        sql::run(statement);
    for (int version = 3; version <= kSchemaVersion; ++version)
        upgradeStep(engine, version);
    engine.recordSchemaVersion(kSchemaVersion);
    transaction.commit();
}

void createTemplate(const QString& path)
{
    if (QFileInfo::exists(path))
        throw Failure(Text::tr("%1 already exists.").arg(path));
    if (isOpen())
        throw Failure(Text::tr("A template cannot be written while a register is open."));
    currentEngine() = sqliteEngine(path);
    openState() = {};
    try {
        {
            QSqlDatabase database
                = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QString::fromLatin1(kConnectionName));
            database.setDatabaseName(path);
            if (!database.open())
                throw engine().failure(database.lastError());
            createTables();
        }
        close();
    } catch (...) {
        close();
        currentEngine().reset();
        throw;
    }
    currentEngine().reset();
}

void open(const QString& path)
{
    openWith(sqliteEngine(path), false);
}

void openReadOnly(const QString& path)
{
    openWith(sqliteEngine(path), true);
}

void openServer(const ServerAddress& server)
{
    openWith(postgresEngine(server, QString::fromLatin1(kConnectionName)), false);
}

void openServerReadOnly(const ServerAddress& server)
{
    openWith(postgresEngine(server, QString::fromLatin1(kConnectionName)), true);
}

bool isOpen()
{
    const QString& name = active().connection;
    return QSqlDatabase::contains(name) && QSqlDatabase::database(name, false).isOpen();
}

void close()
{
    if (scoped())
        return;
    const QString name = QString::fromLatin1(kConnectionName);
    openState().wanted = false;
    if (currentEngine())
        currentEngine()->forgetStatements();
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
    const QString& name = active().connection;
    if (QSqlDatabase::contains(name)) {
        QSqlDatabase database = QSqlDatabase::database(name, false);
        if (database.isOpen())
            return database;
        if (!scoped() && openState().wanted && currentEngine() && currentEngine()->reconnects()) {
            // Within a transaction the server has already given up what was done in it; the
            // caller must fail, and the next call starts afresh.
            if (transactionDepth() > 0)
                throw currentEngine()->failure(database.lastError());
            reconnect(database);
            return database;
        }
    }
    throw Failure(Text::tr("The register is not open, so nothing can be read or written."));
}

QString writesRefusedReason()
{
    return isOpen() ? openState().refusedWrites : QString();
}

int openedSchemaVersion()
{
    return isOpen() ? openState().version : 0;
}

QString engineName()
{
    return currentEngine() ? currentEngine()->name() : QString();
}

QString location()
{
    return currentEngine() ? currentEngine()->location() : QString();
}

qint64 registerSize()
{
    return currentEngine() ? currentEngine()->size() : -1;
}

QString placedDateCondition(const QString& column)
{
    QString unplaced = engine().unplacedCondition();
    unplaced.replace(QStringLiteral("\"Date\""), column);
    return QStringLiteral("NOT (%1)").arg(unplaced);
}

qint64 unplacedMarkCount()
{
    if (openedSchemaVersion() < 3)
        return 0;
    return engine().unplacedMarkCount();
}

PhotoStamp photoStamp()
{
    try {
        return engine().photoStamp();
    } catch (...) {
        return {};
    }
}

std::optional<PhotoStamp> ownPhotoWrites()
{
    if (!isOpen())
        return std::nullopt;
    return engine().ownWrites();
}

QString orderedConcatenation(const QString& expression, const QString& orderBy)
{
    return engine().orderedConcatenation(expression, orderBy);
}

qint64 duplicateMarkCount()
{
    return engine().duplicateMarkGroups();
}

qint64 mergeDuplicateMarks(const Author& author)
{
    requireWritable();
    sql::WriteTransaction transaction;
    const qint64 removed = engine().mergeDuplicateMarks(author);
    transaction.commit();
    return removed;
}

QList<ClassRow> classes()
{
    QSqlQuery query = sql::reading(
        QStringLiteral("SELECT id, ClassName FROM tblClassName ORDER BY ClassName COLLATE NOCASE, ClassName, id"));
    sql::run(query);
    QList<ClassRow> rows;
    while (query.next())
        rows.append({query.value(0).toLongLong(), query.value(1).toString()});
    // The statement's order is the engines' and the ties' (by id); the user's is the language's.
    names::sortByName(rows, [](const ClassRow& row) -> const QString& { return row.name; });
    return rows;
}

namespace {

// The students of a class on a day, as rows of tblStudents ("FROM %1", its WHERE included), with
// the values to bind:
// those enrolled in it that day, and those with no enrolment at all whose row names the class
// (written by another tool, they belong to it on every day). A register older than enrolments
// knows only the class the row names. The set is found through the enrolments' index and each
// student then by id; an OR over the students would read every one of them.
struct Membership
{
    QString from;
    QVariantList values;
};

Membership inClassOn(qint64 classId, const QDate& day, const QString& alias = QStringLiteral("tblStudents"))
{
    if (openedSchemaVersion() < 10)
        return {QStringLiteral("tblStudents %1 WHERE %1.ClassID=?").arg(alias), {classId}};
    const QString key = dateKey(day);
    return {
        QStringLiteral("(SELECT StudentID AS sid FROM tblEnrolment WHERE ClassID=? AND FromDate<=? AND ToDate>=? "
                       "UNION SELECT m.id FROM tblStudents m WHERE m.ClassID=? AND NOT EXISTS (SELECT 1 FROM "
                       "tblEnrolment e WHERE e.StudentID = m.id)) AS listed CROSS JOIN tblStudents %1 WHERE %1.id = "
                       "listed.sid")
            .arg(alias),
        {classId, key, key, classId}};
}

void bindAll(QSqlQuery& query, const QVariantList& values)
{
    for (const QVariant& value : values)
        query.addBindValue(value);
}

} // namespace

QList<StudentRow> studentsOfClass(qint64 classId, bool withPhotos)
{
    const Membership members = inClassOn(classId, QDate::currentDate(), QStringLiteral("s"));
    QSqlQuery query = sql::reading(
        QStringLiteral("SELECT s.id, s.StudentName, s.ClassID%1 FROM %2 ORDER BY s.StudentName COLLATE NOCASE, "
                       "s.StudentName, s.id")
            .arg(withPhotos ? QStringLiteral(", s.Image") : QString(), members.from));
    bindAll(query, members.values);
    sql::run(query);
    QList<StudentRow> rows;
    while (query.next())
        rows.append(studentFrom(query, withPhotos));
    names::sortByName(rows, [](const StudentRow& row) -> const QString& { return row.name; });
    return rows;
}

QList<StudentRow> cardsOfClass(qint64 classId, const QDate& day, int withPictures)
{
    const QDate listed = day.isValid() ? day : QDate::currentDate();
    const Membership members = inClassOn(classId, listed, QStringLiteral("s"));
    const Membership firstOnes = inClassOn(classId, listed, QStringLiteral("f"));
    const QString card = openedSchemaVersion() >= 8 ? QStringLiteral("s.CardPicture") : QStringLiteral("NULL");
    // Each column is read only when asked for: the pictures past the first few are never read,
    // and neither is a photo; a value's length the engines know without reading it, where "IS
    // NULL" would read it whole. Only the first few card pictures go through the sorter. (A
    // window function here would copy every row's photo into its sorter.)
    QSqlQuery query = sql::reading(
        QStringLiteral("SELECT s.id, s.StudentName, s.ClassID, CASE WHEN s.id IN (SELECT f.id FROM %2 ORDER BY "
                       "f.StudentName COLLATE NOCASE, f.StudentName, f.id LIMIT ?) THEN %1 END, length(%1) IS NULL "
                       "AND length(s.Image) > 0 FROM %3 ORDER BY s.StudentName COLLATE NOCASE, s.StudentName, s.id")
            .arg(card, firstOnes.from, members.from));
    bindAll(query, firstOnes.values);
    query.addBindValue(withPictures);
    bindAll(query, members.values);
    sql::run(query);
    QList<StudentRow> rows;
    while (query.next()) {
        StudentRow row = studentFrom(query, false);
        row.cardPicture = query.value(3).toByteArray();
        row.photoWithoutCard = query.value(4).toBool();
        rows.append(std::move(row));
    }
    // The statement picks the first few by the engine's order; the language's order may bring
    // others among them ("Élodie" before "Fred"), whose card pictures are then read by id.
    QHash<qint64, qsizetype> engineOrder;
    for (qsizetype i = 0; i < rows.size(); ++i)
        engineOrder.insert(rows.at(i).id, i);
    names::sortByName(rows, [](const StudentRow& row) -> const QString& { return row.name; });
    QList<qint64> unread;
    for (qsizetype i = 0; i < std::min<qsizetype>(rows.size(), withPictures); ++i) {
        if (engineOrder.value(rows.at(i).id) >= withPictures)
            unread << rows.at(i).id;
    }
    if (!unread.isEmpty()) {
        const QHash<qint64, QByteArray> pictures = cardPictures(unread);
        for (qsizetype i = 0; i < std::min<qsizetype>(rows.size(), withPictures); ++i) {
            if (const auto found = pictures.constFind(rows.at(i).id); found != pictures.constEnd())
                rows[i].cardPicture = *found;
        }
    }
    return rows;
}

QHash<qint64, QByteArray> cardPictures(const QList<qint64>& studentIds)
{
    QHash<qint64, QByteArray> found;
    if (studentIds.isEmpty() || openedSchemaVersion() < 8)
        return found;
    QSqlQuery query = sql::reading(QStringLiteral("SELECT id, CardPicture FROM tblStudents WHERE id IN (%1)")
                                       .arg(placeholders(studentIds.size())));
    for (qint64 id : studentIds)
        query.addBindValue(id);
    sql::run(query);
    while (query.next())
        found.insert(query.value(0).toLongLong(), query.value(1).toByteArray());
    return found;
}

std::optional<Mark> mark(qint64 studentId, const QDate& date, Session session)
{
    QSqlQuery query = sql::reading(QStringLiteral("SELECT %1 FROM tblAttendance WHERE StudentID=? AND \"Date\"=?%2")
                                       .arg(markColumns(), sessionCondition(QStringLiteral("Session"), session)));
    query.addBindValue(studentId);
    query.addBindValue(dateKey(date));
    sql::run(query);
    if (!query.next())
        return std::nullopt;
    return markFrom(query, 0);
}

DayMarks marks(const QList<qint64>& studentIds, const QDate& date, Session session)
{
    DayMarks found;
    constexpr qsizetype batch = 200;
    for (qsizetype start = 0; start < studentIds.size(); start += batch) {
        const QList<qint64> part = studentIds.mid(start, batch);
        QSqlQuery query = sql::reading(
            QStringLiteral("SELECT StudentID, %1 FROM tblAttendance "
                           "WHERE \"Date\"=?%3 AND StudentID IN (%2)")
                .arg(markColumns(), placeholders(part.size()), sessionCondition(QStringLiteral("Session"), session)));
        query.addBindValue(dateKey(date));
        for (qint64 id : part)
            query.addBindValue(id);
        sql::run(query);
        while (query.next()) {
            const qint64 id = query.value(0).toLongLong();
            if (!found.contains(id))
                found.insert(id, markFrom(query, 1));
        }
    }
    return found;
}

// A closed register refuses every save but those of the accounts the school named.
void requireOpenTo(const QDate& date, const Author& author)
{
    const Closing closing = registerClosing();
    if (closing.afterSchoolDays <= 0)
        return;
    if (const QString closed = closedToUser(date, author.user, closing); !closed.isEmpty())
        throw Failure(closed);
}

void saveMarks(
    const QDate& date, const QList<CardMark>& cards, const QString& notes, const Author& author, Session session)
{
    if (cards.isEmpty())
        return;
    requireWritable();
    requireOpenTo(date, author);
    engine().saveDay(date, session, cards, notes, author, nullptr);
    announce(&RegisterEvents::marksSaved, date);
}

SaveResult saveMarksIfUnchanged(const QDate& date, const QList<CardMark>& cards, const QString& notes,
    const DayMarks& loaded, const Author& author, Session session)
{
    SaveResult result;
    if (cards.isEmpty())
        return result;
    requireWritable();
    requireOpenTo(date, author);
    const QList<qint64> ids = studentIdsOf(cards);
    // What stood in the way may be gone again by the time the stored marks are read (another
    // user put them back as they were): the save is then tried once more.
    constexpr int attempts = 5;
    for (int attempt = 1;; ++attempt) {
        const std::optional<DayMarks> refused = engine().saveDay(date, session, cards, notes, author, &loaded);
        if (!refused) {
            for (const CardMark& card : cards)
                result.stored.insert(
                    card.studentId, Mark {card.status, notes, card.remark, author.at, author.user, author.host});
            announce(&RegisterEvents::marksSaved, date);
            return result;
        }
        Conflict conflict;
        for (qint64 id : ids) {
            const std::optional<Mark> then = storedOf(loaded, id);
            const std::optional<Mark> now = storedOf(*refused, id);
            if (then == now)
                continue;
            conflict.students.append(id);
            if (now && (conflict.latest.changedAt.isEmpty() || now->changedAt > conflict.latest.changedAt))
                conflict.latest = *now;
        }
        if (!conflict.students.isEmpty() || attempt == attempts) {
            conflict.stored = *refused;
            result.conflict = std::move(conflict);
            result.stored = *refused;
            return result;
        }
    }
}

std::optional<QDate> previousMarkedDay(const QList<qint64>& studentIds, const QDate& before)
{
    if (studentIds.isEmpty())
        return std::nullopt;
    // One indexed lookup per student: the newest ISO date of theirs before the day.
    QSqlQuery query = sql::reading(
        QStringLiteral("SELECT max(d) FROM (SELECT (SELECT max(a.\"Date\") FROM tblAttendance a WHERE a.StudentID = "
                       "s.id AND a.\"Date\" < ? AND length(a.\"Date\") = 10 AND substr(a.\"Date\", 5, 1) = '-') AS d "
                       "FROM tblStudents s WHERE s.id IN "
                       "(%1)) AS latest")
            .arg(placeholders(studentIds.size())));
    query.addBindValue(dateKey(before));
    for (qint64 id : studentIds)
        query.addBindValue(id);
    sql::run(query);
    if (!query.next() || query.value(0).isNull())
        return std::nullopt;
    const QDate day = QDate::fromString(query.value(0).toString(), Qt::ISODate);
    return day.isValid() ? std::optional<QDate>(day) : std::nullopt;
}

QList<HistoryRow> history(qint64 studentId, const QDate& date, Session session)
{
    QList<HistoryRow> rows;
    if (openedSchemaVersion() < 5)
        return rows;
    const QString notes = openedSchemaVersion() >= 7 ? QStringLiteral("OldNotes, NewNotes") : QStringLiteral("'', ''");
    QSqlQuery query = sql::reading(
        QStringLiteral("SELECT OldStatus, NewStatus, OldRemark, NewRemark, ChangedBy, ChangedOn, ChangedAt, %1, %2 "
                       "FROM tblHistory WHERE StudentID=? AND \"Date\"=?%3 ORDER BY id DESC")
            .arg(notes, column("Reason", 11), sessionCondition(QStringLiteral("Session"), session)));
    query.addBindValue(studentId);
    query.addBindValue(dateKey(date));
    sql::run(query);
    while (query.next()) {
        rows.append({studentId, date, query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
            query.value(3).toString(), query.value(4).toString(), query.value(5).toString(), query.value(6).toString(),
            query.value(7).toString(), query.value(8).toString(), query.value(9).toString(), session});
    }
    return rows;
}

qint64 addClass(const QString& name)
{
    requireWritable();
    QSqlQuery query = sql::prepared(QStringLiteral("INSERT INTO tblClassName (ClassName) VALUES (?) RETURNING id"));
    query.addBindValue(sql::text(name));
    sql::run(query);
    const qint64 id = query.next() ? query.value(0).toLongLong() : 0;
    announce(&RegisterEvents::classesChanged);
    return id;
}

bool renameClass(qint64 classId, const QString& name)
{
    requireWritable();
    QSqlQuery query = sql::prepared(QStringLiteral("UPDATE tblClassName SET ClassName=? WHERE id=?"));
    query.addBindValue(sql::text(name));
    query.addBindValue(classId);
    sql::run(query);
    const bool renamed = query.numRowsAffected() > 0;
    if (renamed)
        announce(&RegisterEvents::classesChanged);
    return renamed;
}

void deleteClass(qint64 classId)
{
    requireWritable();
    sql::WriteTransaction transaction;
    QSqlQuery classRow = sql::prepared(QStringLiteral("DELETE FROM tblClassName WHERE id=?"));
    classRow.addBindValue(classId);
    sql::run(classRow);
    if (openedSchemaVersion() >= 10) {
        QSqlQuery enrolments = sql::prepared(QStringLiteral(
            "DELETE FROM tblEnrolment WHERE StudentID IN (SELECT id FROM tblStudents WHERE ClassID=?) OR ClassID=?"));
        enrolments.addBindValue(classId);
        enrolments.addBindValue(classId);
        sql::run(enrolments);
    }
    QSqlQuery students = sql::prepared(QStringLiteral("DELETE FROM tblStudents WHERE ClassID=?"));
    students.addBindValue(classId);
    sql::run(students);
    transaction.commit();
    announce(&RegisterEvents::classesChanged);
}

std::optional<StudentRow> student(qint64 studentId)
{
    QSqlQuery query
        = sql::reading(QStringLiteral("SELECT id, StudentName, ClassID, Image FROM tblStudents WHERE id=?"));
    query.addBindValue(studentId);
    sql::run(query);
    if (!query.next())
        return std::nullopt;
    return studentFrom(query, true);
}

bool readPhoto(qint64 studentId, QByteArray& buffer)
{
    return engine().readPhoto(studentId, buffer);
}

bool readPhotoRow(qint64 studentId, QByteArray& buffer)
{
    QSqlQuery query = sql::reading(QStringLiteral("SELECT Image FROM tblStudents WHERE id=?"));
    query.addBindValue(studentId);
    sql::run(query);
    if (!query.next())
        return false;
    buffer = query.value(0).toByteArray();
    return true;
}

namespace {

// The card picture written with a photo. Bytes no reader accepts get none: the cards then make
// their picture from the photo, and say that it cannot be shown.
QVariant cardPictureFor(const QByteArray& image)
{
    if (image.isEmpty())
        return QVariant(QMetaType(QMetaType::QByteArray));
    try {
        return CardPictureOf(image);
    } catch (const UnreadablePicture&) {
        return QVariant(QMetaType(QMetaType::QByteArray));
    }
}

} // namespace

qint64 addStudent(
    const QString& name, qint64 classId, const std::optional<QByteArray>& image, const QDate& enrolledFrom)
{
    requireWritable();
    const bool enrolled = openedSchemaVersion() >= 10;

    const bool withCard = openedSchemaVersion() >= 8;
    QSqlQuery query = sql::prepared(withCard
            ? QStringLiteral(
                "INSERT INTO tblStudents (StudentName, ClassID, Image, CardPicture) VALUES (?, ?, ?, ?) RETURNING id")
            : QStringLiteral("INSERT INTO tblStudents (StudentName, ClassID, Image) VALUES (?, ?, ?) RETURNING id"));
    query.addBindValue(sql::text(name));
    query.addBindValue(classId);
    // An empty, never a missing, value means no photo.
    query.addBindValue(image ? *image : QByteArray(""));
    if (withCard)
        query.addBindValue(cardPictureFor(image ? *image : QByteArray()));
    sql::run(query);
    const qint64 id = query.next() ? query.value(0).toLongLong() : 0;
    query.finish();
    if (enrolled) {
        QSqlQuery enrolment = sql::prepared(
            QStringLiteral("INSERT INTO tblEnrolment (StudentID, ClassID, FromDate, ToDate) VALUES (?, ?, ?, ?)"));
        enrolment.addBindValue(id);
        enrolment.addBindValue(classId);
        enrolment.addBindValue(enrolledFrom.isValid() ? dateKey(enrolledFrom) : QString::fromLatin1("", 0));
        enrolment.addBindValue(QLatin1String(kOpenEnd));
        // Should this write fail, the student has no enrolment and so belongs to the class the
        // row names on every day: shown as before, nothing lost.
        sql::run(enrolment);
    }
    announce(&RegisterEvents::studentsChanged);
    return id;
}

bool updateStudent(
    qint64 studentId, const QString& name, qint64 classId, const std::optional<QByteArray>& image, const QDate& movedOn)
{
    requireWritable();
    if (openedSchemaVersion() >= 10) {
        const std::optional<StudentRow> before = student(studentId);
        if (!before)
            return false;
        if (before->classId != classId || movedOn.isValid()) {
            // The class chooser moves the student from the day given; the row then names the new
            // class, as it did before enrolments.
            moveStudent(studentId, classId, movedOn.isValid() ? movedOn : QDate::currentDate());
        }
    }
    const bool withCard = image && openedSchemaVersion() >= 8;
    QSqlQuery query = sql::prepared(withCard
            ? QStringLiteral("UPDATE tblStudents SET StudentName=?, ClassID=?, Image=?, CardPicture=? WHERE id=?")
            : image ? QStringLiteral("UPDATE tblStudents SET StudentName=?, ClassID=?, Image=? WHERE id=?")
                    : QStringLiteral("UPDATE tblStudents SET StudentName=?, ClassID=? WHERE id=?"));
    query.addBindValue(sql::text(name));
    query.addBindValue(classId);
    if (image)
        query.addBindValue(*image);
    if (withCard)
        query.addBindValue(cardPictureFor(*image));
    query.addBindValue(studentId);
    sql::run(query);
    const bool updated = query.numRowsAffected() > 0;
    if (updated)
        announce(&RegisterEvents::studentsChanged);
    return updated;
}

QList<StoredPhoto> photosAfter(qint64 studentId, int batch)
{
    const QString card = openedSchemaVersion() >= 8 ? QStringLiteral("CardPicture") : QStringLiteral("NULL");
    QSqlQuery query = sql::reading(QStringLiteral("SELECT id, Image, %1 IS NOT NULL FROM tblStudents WHERE id > ? "
                                                  "AND Image IS NOT NULL AND length(Image) > 0 ORDER BY id LIMIT ?")
                                       .arg(card));
    query.addBindValue(studentId);
    query.addBindValue(batch);
    sql::run(query);
    QList<StoredPhoto> photos;
    while (query.next())
        photos.append({query.value(0).toLongLong(), query.value(1).toByteArray(), query.value(2).toBool()});
    return photos;
}

PhotoTotals photoTotals()
{
    const QString card = openedSchemaVersion() >= 8 ? QStringLiteral("CardPicture") : QStringLiteral("NULL");
    QSqlQuery query = sql::reading(QStringLiteral("SELECT count(*), coalesce(sum(length(Image)), 0), "
                                                  "coalesce(sum(length(%1)), 0) FROM tblStudents WHERE Image IS NOT "
                                                  "NULL AND length(Image) > 0")
                                       .arg(card));
    sql::run(query);
    if (!query.next())
        return {};
    return {query.value(0).toLongLong(), query.value(1).toLongLong(), query.value(2).toLongLong()};
}

qint64 replacePhotos(
    const QList<StoredPhoto>& read, const QList<QByteArray>& images, const QList<QByteArray>& cardPictures)
{
    requireWritable();
    if (openedSchemaVersion() < 8)
        throw Failure(Text::tr("The register must be opened by this version of Rollvane before its photos are "
                               "converted. Nothing was changed."));
    sql::WriteTransaction transaction;
    qint64 written = 0;
    for (qsizetype i = 0; i < read.size(); ++i) {
        // Only where the photo is still the one that was read: a photo changed meanwhile is
        // newer than the conversion.
        QSqlQuery query
            = sql::prepared(QStringLiteral("UPDATE tblStudents SET Image=?, CardPicture=? WHERE id=? AND Image=?"));
        query.addBindValue(images.at(i));
        query.addBindValue(cardPictures.at(i));
        query.addBindValue(read.at(i).studentId);
        query.addBindValue(read.at(i).image);
        sql::run(query);
        written += query.numRowsAffected() > 0 ? 1 : 0;
    }
    transaction.commit();
    if (written > 0)
        announce(&RegisterEvents::studentsChanged);
    return written;
}

void reclaimSpace()
{
    requireWritable();
    engine().reclaimSpace();
}

void removePhoto(qint64 studentId)
{
    requireWritable();
    // Empty, as a student added without a photo has it: the column takes no NULL.
    QSqlQuery query = sql::prepared(openedSchemaVersion() >= 8
            ? QStringLiteral("UPDATE tblStudents SET Image=?, CardPicture=NULL WHERE id=?")
            : QStringLiteral("UPDATE tblStudents SET Image=? WHERE id=?"));
    query.addBindValue(QByteArray(""));
    query.addBindValue(studentId);
    sql::run(query);
    announce(&RegisterEvents::studentsChanged);
}

void deleteStudent(qint64 studentId)
{
    requireWritable();
    if (openedSchemaVersion() >= 10) {
        QSqlQuery enrolments = sql::prepared(QStringLiteral("DELETE FROM tblEnrolment WHERE StudentID=?"));
        enrolments.addBindValue(studentId);
        sql::run(enrolments);
    }
    QSqlQuery query = sql::prepared(QStringLiteral("DELETE FROM tblStudents WHERE id=?"));
    query.addBindValue(studentId);
    sql::run(query);
    announce(&RegisterEvents::studentsChanged);
}

QString setting(const QString& name)
{
    if (openedSchemaVersion() < 6)
        return QString();
    QSqlQuery query = sql::reading(QStringLiteral("SELECT Value FROM tblSettings WHERE Name=?"));
    query.addBindValue(name);
    sql::run(query);
    return query.next() ? query.value(0).toString() : QString();
}

void setSetting(const QString& name, const QString& value)
{
    requireWritable();
    QSqlQuery query = sql::prepared(QStringLiteral(
        "INSERT INTO tblSettings (Name, Value) VALUES (?, ?) ON CONFLICT (Name) DO UPDATE SET Value = excluded.Value"));
    query.addBindValue(name);
    query.addBindValue(sql::text(value));
    sql::run(query);
}

Closing registerClosing()
{
    Closing closing;
    closing.afterSchoolDays = std::max(0, setting(QStringLiteral("CloseAfterSchoolDays")).trimmed().toInt());
    for (const QString& account : setting(QStringLiteral("AmendingAccounts")).split(QLatin1Char(','))) {
        if (!account.trimmed().isEmpty())
            closing.accounts << account.trimmed();
    }
    return closing;
}

void setRegisterClosing(const Closing& closing)
{
    {
        sql::WriteTransaction transaction;
        setSetting(QStringLiteral("CloseAfterSchoolDays"), QString::number(std::max(0, closing.afterSchoolDays)));
        setSetting(QStringLiteral("AmendingAccounts"), closing.accounts.join(QStringLiteral(", ")));
        transaction.commit();
    }
    announce(&RegisterEvents::sessionsChanged);
}

QString closedToUser(const QDate& date, const QString& user, const Closing& closing)
{
    if (closing.afterSchoolDays <= 0 || !date.isValid() || date >= QDate::currentDate()
        || closing.accounts.contains(user, Qt::CaseInsensitive))
        return QString();
    const int since = schoolCalendar().schoolDayCount(date.addDays(1), QDate::currentDate());
    if (since <= closing.afterSchoolDays)
        return QString();
    const QString day = QLocale().toString(date, QLocale::LongFormat);
    if (closing.accounts.isEmpty())
        return Text::tr("The register of %1 is closed: registers close %n school day(s) after their day. "
                        "Nothing was saved.",
            nullptr, closing.afterSchoolDays)
            .arg(day);
    return Text::tr("The register of %1 is closed: registers close %n school day(s) after their day, and only %2 "
                    "can change them then. Nothing was saved.",
        nullptr, closing.afterSchoolDays)
        .arg(day, closing.accounts.join(QStringLiteral(", ")));
}

int sessionsPerDay()
{
    return setting(QStringLiteral("SessionsPerDay")).trimmed() == QLatin1String("2") ? 2 : 1;
}

void setSessionsPerDay(int sessions, bool afternoonsToo)
{
    requireWritable();
    {
        sql::WriteTransaction transaction;
        setSetting(QStringLiteral("SessionsPerDay"), sessions == 2 ? QStringLiteral("2") : QStringLiteral("1"));
        if (sessions == 2 && afternoonsToo) {
            // A copy of what was taken, not a change of any mark: the history has nothing to add.
            engine().beforeCopy();
            sql::run(QStringLiteral(
                "INSERT INTO tblAttendance (StudentID, \"Date\", Session, \"Status\", Notes, Remark, ChangedAt, "
                "ChangedBy, ChangedOn, LateMinutes) SELECT StudentID, \"Date\", 1, \"Status\", Notes, Remark, "
                "ChangedAt, ChangedBy, ChangedOn, LateMinutes FROM tblAttendance m WHERE m.Session = 0 AND NOT "
                "EXISTS (SELECT 1 FROM tblAttendance p WHERE p.StudentID = m.StudentID AND p.\"Date\" = m.\"Date\" "
                "AND p.Session = 1)"));
        }
        transaction.commit();
    }
    announce(&RegisterEvents::sessionsChanged);
    if (sessions == 2 && afternoonsToo)
        announce(&RegisterEvents::marksSaved, QDate());
}

QTime afternoonFrom()
{
    const QTime stored = QTime::fromString(setting(QStringLiteral("AfternoonFrom")).trimmed(), QStringLiteral("HH:mm"));
    return stored.isValid() ? stored : QTime(12, 0);
}

void setAfternoonFrom(const QTime& time)
{
    setSetting(QStringLiteral("AfternoonFrom"), time.toString(QStringLiteral("HH:mm")));
    announce(&RegisterEvents::sessionsChanged);
}

bool hasMarks()
{
    QSqlQuery query = sql::reading(QStringLiteral("SELECT 1 FROM tblAttendance LIMIT 1"));
    sql::run(query);
    return query.next();
}

QList<status::Code> attendanceCodes()
{
    if (openedSchemaVersion() < 11)
        return status::CodeBook::simple();
    QSqlQuery query = sql::reading(
        QStringLiteral("SELECT Word, Code, Category, Colour, KeyText FROM tblAttendanceCode ORDER BY Position, Word"));
    sql::run(query);
    QList<status::Code> codes;
    while (query.next()) {
        status::Code code;
        code.word = query.value(0).toString();
        code.code = query.value(1).toString();
        // A category another tool wrote that this program does not know gives the word no
        // meaning, as if it had none.
        code.category = status::categoryOfStored(query.value(2).toString()).value_or(status::Category::Unknown);
        code.colour = QColor::fromString(query.value(3).toString());
        code.key = query.value(4).toString();
        codes.append(code);
    }
    return status::CodeBook(codes).codes();
}

void saveAttendanceCodes(const QList<status::Code>& codes)
{
    requireWritable();
    if (openedSchemaVersion() < 11)
        throw Failure(Text::tr("This register keeps no attendance codes. Nothing was changed."));
    const status::CodeBook book(codes);
    {
        sql::WriteTransaction transaction;
        writeCodes(book.codes());
        transaction.commit();
    }
    status::setBook(book);
    announce(&RegisterEvents::codesChanged);
}

void readCodeBook()
{
    try {
        status::setBook(status::CodeBook(attendanceCodes()));
    } catch (const Failure&) {
        // A register whose codes cannot be read is read with the four words, as before it had any.
        status::setBook(status::CodeBook());
    }
}

QList<std::pair<QString, qint64>> statusWordCounts()
{
    QSqlQuery query = sql::reading(QStringLiteral(
        "SELECT coalesce(\"Status\", ''), count(*) FROM tblAttendance GROUP BY coalesce(\"Status\", '')"));
    sql::run(query);
    QList<std::pair<QString, qint64>> counts;
    while (query.next())
        counts.append({query.value(0).toString(), query.value(1).toLongLong()});
    return counts;
}

QList<PlannedAbsence> plannedAbsences()
{
    QList<PlannedAbsence> planned;
    if (openedSchemaVersion() < 11)
        return planned;
    QSqlQuery query = sql::reading(QStringLiteral(
        "SELECT p.id, p.StudentID, s.StudentName, p.FromDate, p.ToDate, p.\"Status\", p.Reason, p.CreatedBy FROM "
        "tblPlannedAbsence p JOIN tblStudents s ON s.id = p.StudentID ORDER BY p.FromDate, p.id"));
    sql::run(query);
    while (query.next()) {
        planned.append({query.value(0).toLongLong(), query.value(1).toLongLong(), query.value(2).toString(),
            QDate::fromString(query.value(3).toString(), Qt::ISODate),
            QDate::fromString(query.value(4).toString(), Qt::ISODate), query.value(5).toString(),
            query.value(6).toString(), query.value(7).toString()});
    }
    return planned;
}

qint64 addPlannedAbsence(const PlannedAbsence& planned)
{
    requireWritable();
    if (!planned.from.isValid() || !planned.to.isValid() || planned.from > planned.to)
        throw Failure(Text::tr("The first day of a planned absence must be on or before its last day."));
    if (openedSchemaVersion() < 11)
        throw Failure(Text::tr("This register keeps no planned absences. Nothing was changed."));
    QSqlQuery query = sql::prepared(
        QStringLiteral("INSERT INTO tblPlannedAbsence (StudentID, FromDate, ToDate, \"Status\", Reason, CreatedBy, "
                       "CreatedAt) VALUES (?, ?, ?, ?, ?, ?, ?) RETURNING id"));
    const Author author = Author::current();
    query.addBindValue(planned.studentId);
    query.addBindValue(dateKey(planned.from));
    query.addBindValue(dateKey(planned.to));
    query.addBindValue(sql::text(planned.status));
    query.addBindValue(sql::text(planned.reason));
    query.addBindValue(sql::text(author.user));
    query.addBindValue(sql::text(author.at));
    sql::run(query);
    const qint64 id = query.next() ? query.value(0).toLongLong() : 0;
    query.finish();
    announce(&RegisterEvents::plannedAbsencesChanged);
    return id;
}

void removePlannedAbsence(qint64 id)
{
    requireWritable();
    QSqlQuery query = sql::prepared(QStringLiteral("DELETE FROM tblPlannedAbsence WHERE id = ?"));
    query.addBindValue(id);
    sql::run(query);
    announce(&RegisterEvents::plannedAbsencesChanged);
}

QHash<qint64, PlannedAbsence> plannedOn(const QList<qint64>& studentIds, const QDate& day)
{
    QHash<qint64, PlannedAbsence> found;
    if (openedSchemaVersion() < 11 || studentIds.isEmpty())
        return found;
    constexpr qsizetype batch = 500;
    for (qsizetype start = 0; start < studentIds.size(); start += batch) {
        const QList<qint64> part = studentIds.mid(start, batch);
        QSqlQuery query = sql::reading(
            QStringLiteral("SELECT id, StudentID, FromDate, ToDate, \"Status\", Reason FROM tblPlannedAbsence WHERE "
                           "StudentID IN (%1) AND FromDate <= ? AND ToDate >= ? ORDER BY id")
                .arg(QStringList(part.size(), QStringLiteral("?")).join(QLatin1Char(','))));
        for (qint64 id : part)
            query.addBindValue(id);
        query.addBindValue(dateKey(day));
        query.addBindValue(dateKey(day));
        sql::run(query);
        // The latest plan for a day stands when two cover it.
        while (query.next()) {
            found.insert(query.value(1).toLongLong(),
                {query.value(0).toLongLong(), query.value(1).toLongLong(), QString(),
                    QDate::fromString(query.value(2).toString(), Qt::ISODate),
                    QDate::fromString(query.value(3).toString(), Qt::ISODate), query.value(4).toString(),
                    query.value(5).toString(), QString()});
        }
    }
    return found;
}

calendar::SchoolCalendar schoolCalendar()
{
    if (openedSchemaVersion() < 9)
        return {};
    QSqlQuery query = sql::reading(QStringLiteral("SELECT id, Kind, FromDate, ToDate, Name FROM tblCalendar"));
    sql::run(query);
    QList<calendar::Entry> entries;
    while (query.next()) {
        calendar::Entry entry {query.value(0).toLongLong(), calendar::kindOfWord(query.value(1).toString()),
            QDate::fromString(query.value(2).toString(), Qt::ISODate),
            QDate::fromString(query.value(3).toString(), Qt::ISODate), query.value(4).toString()};
        // Another tool's entry with a day the program cannot read holds no day.
        if (entry.from.isValid() && entry.to.isValid())
            entries.append(entry);
    }
    return calendar::SchoolCalendar(entries);
}

int addCalendarEntries(const QList<calendar::Entry>& entries)
{
    requireWritable();
    int added = 0;
    {
        sql::WriteTransaction transaction;
        for (const calendar::Entry& entry : entries) {
            QSqlQuery exists = sql::prepared(
                QStringLiteral("SELECT 1 FROM tblCalendar WHERE Kind=? AND FromDate=? AND ToDate=? AND Name=?"));
            exists.addBindValue(calendar::storedWord(entry.kind));
            exists.addBindValue(dateKey(entry.from));
            exists.addBindValue(dateKey(entry.to));
            exists.addBindValue(sql::text(entry.name));
            sql::run(exists);
            if (exists.next())
                continue;
            QSqlQuery insert = sql::prepared(
                QStringLiteral("INSERT INTO tblCalendar (Kind, FromDate, ToDate, Name) VALUES (?, ?, ?, ?)"));
            insert.addBindValue(calendar::storedWord(entry.kind));
            insert.addBindValue(dateKey(entry.from));
            insert.addBindValue(dateKey(entry.to));
            insert.addBindValue(sql::text(entry.name));
            sql::run(insert);
            ++added;
        }
        transaction.commit();
    }
    // Announced once the transaction is over: listeners read the calendar at once.
    if (added > 0)
        announce(&RegisterEvents::calendarChanged);
    return added;
}

bool updateCalendarEntry(const calendar::Entry& entry)
{
    requireWritable();
    QSqlQuery query
        = sql::prepared(QStringLiteral("UPDATE tblCalendar SET Kind=?, FromDate=?, ToDate=?, Name=? WHERE id=?"));
    query.addBindValue(calendar::storedWord(entry.kind));
    query.addBindValue(dateKey(entry.from));
    query.addBindValue(dateKey(entry.to));
    query.addBindValue(sql::text(entry.name));
    query.addBindValue(entry.id);
    sql::run(query);
    const bool found = query.numRowsAffected() > 0;
    announce(&RegisterEvents::calendarChanged);
    return found;
}

void removeCalendarEntry(qint64 id)
{
    requireWritable();
    QSqlQuery query = sql::prepared(QStringLiteral("DELETE FROM tblCalendar WHERE id=?"));
    query.addBindValue(id);
    sql::run(query);
    announce(&RegisterEvents::calendarChanged);
}

namespace {

// Ends the student's enrolments on the day before `from`, and removes those that begin on it or
// later: what the student does from that day is decided anew. A student without enrolments
// (written by another tool) is first enrolled, from the beginning, in the class the row names.
// Inside the caller's transaction.
void endEnrolmentsFrom(qint64 studentId, const QDate& from)
{
    QSqlQuery enrol = sql::prepared(QStringLiteral(
        "INSERT INTO tblEnrolment (StudentID, ClassID, FromDate, ToDate) SELECT id, ClassID, '', ? FROM "
        "tblStudents s WHERE id=? AND NOT EXISTS (SELECT 1 FROM tblEnrolment e WHERE e.StudentID = s.id)"));
    enrol.addBindValue(QLatin1String(kOpenEnd));
    enrol.addBindValue(studentId);
    sql::run(enrol);
    QSqlQuery later = sql::prepared(QStringLiteral("DELETE FROM tblEnrolment WHERE StudentID=? AND FromDate>=?"));
    later.addBindValue(studentId);
    later.addBindValue(dateKey(from));
    sql::run(later);
    QSqlQuery ending
        = sql::prepared(QStringLiteral("UPDATE tblEnrolment SET ToDate=? WHERE StudentID=? AND ToDate>=?"));
    ending.addBindValue(dateKey(from.addDays(-1)));
    ending.addBindValue(studentId);
    ending.addBindValue(dateKey(from));
    sql::run(ending);
}

void requireEnrolments()
{
    if (openedSchemaVersion() < 10)
        throw Failure(Text::tr("This register keeps no enrolments; it was opened for reading only."));
}

bool studentExists(qint64 studentId)
{
    QSqlQuery query = sql::prepared(QStringLiteral("SELECT 1 FROM tblStudents WHERE id=?"));
    query.addBindValue(studentId);
    sql::run(query);
    return query.next();
}

} // namespace

QList<Enrolment> enrolments(qint64 studentId)
{
    QList<Enrolment> found;
    if (openedSchemaVersion() < 10)
        return found;
    QSqlQuery query = sql::reading(QStringLiteral(
        "SELECT e.id, e.ClassID, c.ClassName, e.FromDate, e.ToDate FROM tblEnrolment e LEFT JOIN tblClassName c ON "
        "c.id = e.ClassID WHERE e.StudentID=? ORDER BY e.FromDate, e.id"));
    query.addBindValue(studentId);
    sql::run(query);
    while (query.next()) {
        const QString to = query.value(4).toString();
        found.append({query.value(0).toLongLong(), studentId, query.value(1).toLongLong(), query.value(2).toString(),
            QDate::fromString(query.value(3).toString(), Qt::ISODate),
            to == QLatin1String(kOpenEnd) ? QDate() : QDate::fromString(to, Qt::ISODate)});
    }
    return found;
}

namespace {

// Inside the caller's transaction.
void enrolFrom(qint64 studentId, qint64 classId, const QDate& from)
{
    endEnrolmentsFrom(studentId, from);
    QSqlQuery enrol = sql::prepared(
        QStringLiteral("INSERT INTO tblEnrolment (StudentID, ClassID, FromDate, ToDate) VALUES (?, ?, ?, ?)"));
    enrol.addBindValue(studentId);
    enrol.addBindValue(classId);
    enrol.addBindValue(dateKey(from));
    enrol.addBindValue(QLatin1String(kOpenEnd));
    sql::run(enrol);
    QSqlQuery row = sql::prepared(QStringLiteral("UPDATE tblStudents SET ClassID=? WHERE id=?"));
    row.addBindValue(classId);
    row.addBindValue(studentId);
    sql::run(row);
}

} // namespace

void moveStudent(qint64 studentId, qint64 classId, const QDate& from)
{
    requireWritable();
    requireEnrolments();
    {
        sql::WriteTransaction transaction;
        if (!studentExists(studentId))
            throw Failure(Text::tr("There is no student with the number %1.").arg(studentId));
        QSqlQuery classRow = sql::prepared(QStringLiteral("SELECT 1 FROM tblClassName WHERE id=?"));
        classRow.addBindValue(classId);
        sql::run(classRow);
        if (!classRow.next())
            throw Failure(Text::tr("There is no class with the number %1.").arg(classId));
        classRow.finish();
        enrolFrom(studentId, classId, from);
        transaction.commit();
    }
    announce(&RegisterEvents::studentsChanged);
}

void leaveSchool(qint64 studentId, const QDate& from)
{
    requireWritable();
    requireEnrolments();
    {
        sql::WriteTransaction transaction;
        if (!studentExists(studentId))
            throw Failure(Text::tr("There is no student with the number %1.").arg(studentId));
        endEnrolmentsFrom(studentId, from);
        transaction.commit();
    }
    announce(&RegisterEvents::studentsChanged);
}

std::optional<QString> nextClassName(const QString& name)
{
    static const QRegularExpression number(QStringLiteral("\\d+"));
    const QRegularExpressionMatch match = number.match(name);
    if (!match.hasMatch())
        return std::nullopt;
    QString next = name;
    next.replace(match.capturedStart(), match.capturedLength(), QString::number(match.captured().toInt() + 1));
    return next;
}

QList<YearEndStep> planNewSchoolYear(const QDate& first, std::optional<int> topYear)
{
    static const QRegularExpression number(QStringLiteral("\\d+"));
    const QList<ClassRow> all = classes();
    if (!topYear) {
        for (const ClassRow& row : all) {
            const QRegularExpressionMatch match = number.match(row.name);
            if (match.hasMatch())
                topYear = std::max(topYear.value_or(0), match.captured().toInt());
        }
    }
    QList<YearEndStep> plan;
    const QDate lastDay = first.addDays(-1);
    for (const ClassRow& row : all) {
        YearEndStep step;
        step.classId = row.id;
        step.className = row.name;
        step.students = int(cardsOfClass(row.id, lastDay, 0).size());
        if (step.students == 0)
            continue;
        const QRegularExpressionMatch match = number.match(row.name);
        if (!match.hasMatch()) {
            step.unchanged = true;
        } else if (topYear && match.captured().toInt() >= *topYear) {
            step.leaving = true;
        } else {
            step.toName = *nextClassName(row.name);
            for (const ClassRow& other : all) {
                if (other.name == step.toName)
                    step.toClassId = other.id;
            }
        }
        plan.append(step);
    }
    return plan;
}

YearEndDone startNewSchoolYear(const QDate& first, std::optional<int> topYear)
{
    requireWritable();
    requireEnrolments();
    YearEndDone done;
    {
        // Planned inside the transaction, so that another computer's change cannot slip between
        // the plan and the move.
        sql::WriteTransaction transaction;
        const QList<YearEndStep> plan = planNewSchoolYear(first, topYear);
        // Everyone's class is read before anyone moves, so that nobody goes up twice.
        QList<std::pair<const YearEndStep*, QList<qint64>>> students;
        for (const YearEndStep& step : plan) {
            QList<qint64> ids;
            for (const StudentRow& row : cardsOfClass(step.classId, first.addDays(-1), 0))
                ids.append(row.id);
            students.append({&step, ids});
        }
        QHash<QString, qint64> added;
        for (const auto& [step, ids] : students) {
            if (step->unchanged)
                continue;
            qint64 target = step->toClassId;
            if (!step->leaving && target == 0) {
                target = added.value(step->toName);
                if (target == 0) {
                    QSqlQuery insert
                        = sql::prepared(QStringLiteral("INSERT INTO tblClassName (ClassName) VALUES (?) RETURNING id"));
                    insert.addBindValue(sql::text(step->toName));
                    sql::run(insert);
                    target = insert.next() ? insert.value(0).toLongLong() : 0;
                    added.insert(step->toName, target);
                    ++done.classesAdded;
                }
            }
            for (qint64 id : ids) {
                if (step->leaving) {
                    endEnrolmentsFrom(id, first);
                    ++done.left;
                } else {
                    enrolFrom(id, target, first);
                    ++done.moved;
                }
            }
        }
        transaction.commit();
    }
    if (done.classesAdded > 0)
        announce(&RegisterEvents::classesChanged);
    announce(&RegisterEvents::studentsChanged);
    return done;
}

QSet<qint64> classesTakenOn(const QDate& day, Session session)
{
    const QString key = dateKey(day);
    const QString ofSession = sessionCondition(QStringLiteral("a.Session"), session);
    QSqlQuery query = sql::reading(openedSchemaVersion() >= 10
            ? QStringLiteral("SELECT c.id FROM tblClassName c WHERE EXISTS (SELECT 1 FROM tblEnrolment e JOIN "
                             "tblAttendance a ON a.StudentID = e.StudentID AND a.\"Date\" = ?%1 WHERE e.ClassID = "
                             "c.id AND e.FromDate <= ? AND e.ToDate >= ?) OR EXISTS (SELECT 1 FROM tblStudents m "
                             "JOIN tblAttendance a ON a.StudentID = m.id AND a.\"Date\" = ?%1 WHERE m.ClassID = c.id "
                             "AND NOT EXISTS (SELECT 1 FROM tblEnrolment x WHERE x.StudentID = m.id))")
                  .arg(ofSession)
            : QStringLiteral("SELECT c.id FROM tblClassName c WHERE EXISTS (SELECT 1 FROM tblStudents m JOIN "
                             "tblAttendance a ON a.StudentID = m.id AND a.\"Date\" = ?%1 WHERE m.ClassID = c.id)")
                  .arg(ofSession));
    for (int i = 0, n = openedSchemaVersion() >= 10 ? 4 : 1; i < n; ++i)
        query.addBindValue(key);
    sql::run(query);
    QSet<qint64> taken;
    while (query.next())
        taken.insert(query.value(0).toLongLong());
    return taken;
}

ClassContents classContents(qint64 classId)
{
    QSqlQuery query = sql::reading(QStringLiteral("SELECT (SELECT count(*) FROM tblStudents WHERE ClassID = ?), "
                                                  "(SELECT count(*) FROM tblStudents s JOIN tblAttendance a ON "
                                                  "a.StudentID = s.id WHERE s.ClassID = ?)"));
    query.addBindValue(classId);
    query.addBindValue(classId);
    sql::run(query);
    if (!query.next())
        return {};
    return {query.value(0).toLongLong(), query.value(1).toLongLong()};
}

qint64 markCount(const QList<qint64>& studentIds)
{
    qint64 total = 0;
    constexpr qsizetype batch = 200;
    for (qsizetype start = 0; start < studentIds.size(); start += batch) {
        const QList<qint64> part = studentIds.mid(start, batch);
        QSqlQuery query = sql::reading(QStringLiteral("SELECT count(*) FROM tblAttendance WHERE StudentID IN (%1)")
                                           .arg(placeholders(part.size())));
        for (qint64 id : part)
            query.addBindValue(id);
        sql::run(query);
        if (query.next())
            total += query.value(0).toLongLong();
    }
    return total;
}

} // namespace db
