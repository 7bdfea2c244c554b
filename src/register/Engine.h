#pragma once

#include "core/Failure.h"
#include "register/Database.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

#include <memory>
#include <optional>

#include <QSqlError>

namespace db {

// A statement that could not be prepared, in plain words, with the driver's own error kept so
// that a lost connection can be told from a statement at fault.
class PrepareFailure : public Failure
{
public:
    PrepareFailure(const Failure& plain, QSqlError error)
        : Failure(plain.description())
        , m_error(std::move(error))
    { }
    const QSqlError& error() const { return m_error; }

private:
    QSqlError m_error;
};

// What differs between the engines that can hold the register: a pure interface, one folder
// per engine (sqlite/, postgres/), each owning its own save. The functions of Database.h are
// written once over this. Nothing outside src/register includes it.
class Engine
{
public:
    virtual ~Engine() = default;

    // "SQLite", shown to the user.
    virtual QString name() const = 0;
    // Where the register is: a file's path, a server's database.
    virtual QString location() const = 0;
    // The register as a sentence starts with it: "The file /var/...", "The database ... on ...".
    virtual QString registerName() const = 0;
    virtual qint64 size() = 0;
    // The Qt driver the connection is made with.
    virtual QString driver() const = 0;

    // Opens the given connection, with every check that has to come before the register is read
    // (the file is what it claims to be, its schema is not newer than the program's); a server's
    // empty database gets the register's tables here. Throws a failure in plain words; the
    // connection is then closed.
    virtual void open(QSqlDatabase& database, bool readOnly) = 0;
    // The engine's error in words a school office can act on.
    virtual Failure failure(const QSqlError& error) const = 0;
    // Whether the error says that the connection itself is gone. A server's connection can be
    // lost and opened again; a file's never is.
    virtual bool lostConnection(const QSqlError& error) const = 0;
    virtual bool reconnects() const = 0;

    // Starts a transaction that holds the right to write from its first statement.
    virtual QString beginWrite() const = 0;
    // Starts a read transaction in which every statement sees one and the same state of the
    // register (an export copies table after table from it), and writes nothing.
    virtual QString beginSnapshot() const = 0;

    // Whether the register is one file on this computer, which the program itself can back up,
    // check and restore. A server's register is kept by the server's administrator.
    virtual bool registerIsAFile() const = 0;

    // A statement for the given connection. Engines whose preparing costs a trip to the server
    // keep the statement for the connection and hand it out again.
    virtual QSqlQuery statement(const QSqlDatabase& database, const QString& sql, bool forwardOnly) = 0;
    // Lets go of every statement kept for the connection, before it closes or is opened anew.
    virtual void forgetStatements() = 0;

    // The schema version the register records, and recording a new one (inside the upgrade's
    // transaction).
    virtual int storedSchemaVersion(QSqlDatabase& database) = 0;
    virtual void recordSchemaVersion(int version) = 0;
    // The statements that create the tables of an empty register, at version 2.
    virtual QStringList baseSchema() const = 0;
    // What brings a register from version - 1 to version, for the steps whose statements differ
    // between the engines; the steps they share are written once, over the two below (see
    // upgradeStep()). Runs inside the upgrade's transaction.
    virtual void upgradeTo(int version) = 0;
    // Adds a text column to a table that is never NULL ('' by default), unless it is there.
    virtual void addTextColumn(const QString& table, const QString& column) = 0;
    // The condition of a mark whose date is not yyyy-MM-dd text, in the engine's own SQL.
    virtual QString unplacedCondition() const = 0;

    // The columns of a table that a new row must give a value (NOT NULL without a default, other
    // than the row id); none when the table is not there.
    virtual QStringList requiredColumns(QSqlDatabase& database, const QString& table) = 0;

    // How many student-and-day pairs hold more than one mark: none where the mark key is unique,
    // which one look at the schema tells; another tool's register may lack it.
    virtual qint64 duplicateMarkGroups() = 0;
    // Keeps the most recently changed mark of each such pair and removes the others, each
    // recorded in the history as changed to the kept one; the mark key is unique afterwards.
    // Runs inside the caller's write transaction; returns how many rows went.
    virtual qint64 mergeDuplicateMarks(const Author& author) = 0;

    // How many marks have a date that is not yyyy-MM-dd text, through the index kept for them.
    virtual qint64 unplacedMarkCount() = 0;

    // An aggregate that joins the text of expression over the rows of each group, in the order
    // of orderBy (a column of the rows). The reports read a student's days in order through it.
    virtual QString orderedConcatenation(const QString& expression, const QString& orderBy) const = 0;

    // Saves one class's register in one transaction: every card's mark with the day's notes, and a
    // history row for each status or remark that changes. With expected marks, only while the
    // stored marks of the cards are still those; when they are not, nothing is written and the
    // marks stored now are returned.
    virtual std::optional<DayMarks> saveDay(const QDate& date, Session session, const QList<CardMark>& cards,
        const QString& notes, const Author& author, const DayMarks* expected)
        = 0;

    // The card picture cache asks this once per listing; it may cost a trip to the register.
    virtual PhotoStamp photoStamp() = 0;
    // This connection's own writes, counted without asking the register anything, so that the
    // cache can tell a listing in the same pass of the event loop that nothing changed.
    virtual std::optional<PhotoStamp> ownWrites() = 0;

    // Reads a student's photo bytes into buffer, reusing its memory from photo to photo; false
    // when the student does not exist. A class's photos are tens of megabytes, and fresh memory
    // for each costs more than the copy itself.
    virtual bool readPhoto(qint64 studentId, QByteArray& buffer) = 0;

    // Inside the copy's transaction, before rows are copied in with their history: nothing the
    // copy writes is recorded as a change.
    virtual void beforeCopy() = 0;
    // After rows were copied in with their ids: new rows get ids above the highest copied.
    virtual void afterCopy() = 0;
    // Gives the space that rewritten rows left unused back (or over for reuse), outside any
    // transaction.
    virtual void reclaimSpace() = 0;
};

// The engine of the register that open() was last given (or the one a scope stands in).
Engine& engine();
// Replaces the engine for the next open.
void setEngine(std::unique_ptr<Engine> engine);
// An engine for a SQLite register file.
std::unique_ptr<Engine> sqliteEngine(const QString& path);
// An engine for a register on a PostgreSQL server.
std::unique_ptr<Engine> postgresEngine(const ServerAddress& server, const QString& connectionName);

// Refuses, in plain words naming the engine's location, a database that lacks the register's
// tables.
void checkSchema(QSqlDatabase& database, const Engine& engine);
// Brings the register from version - 1 to version, inside the upgrade's transaction.
void upgradeStep(Engine& engine, int version);

// The SQLite condition of a mark whose date is not yyyy-MM-dd text, as its index states it.
QString sqliteUnplacedCondition();

// A statement prepared on the given connection, its failure in the engine's words.
QSqlQuery prepareStatement(const Engine& engine, const QSqlDatabase& database, const QString& text, bool forwardOnly);
// A student's photo read the general way, through the driver; false when the student does not
// exist.
bool readPhotoRow(qint64 studentId, QByteArray& buffer);
// The stored mark of a student among a day's marks, if it has one.
std::optional<Mark> storedOf(const DayMarks& marks, qint64 studentId);

// Reads a stored mark from a row of (status, notes, remark, changedAt, changedBy, changedOn).
Mark markFrom(const QSqlQuery& query, int firstColumn);
// Whether the stored marks of the given students are those that were loaded.
bool sameMarks(const DayMarks& loaded, const DayMarks& stored, const QList<qint64>& studentIds);
QList<qint64> studentIdsOf(const QList<CardMark>& cards);

// Writes the tables of a new register at this program's schema, in one transaction, on the
// active connection (the shared one, or the one a ConnectionScope stands in).
void createTables();

// A number no other opening of a connection in this run has had.
qint64 nextConnectionNumber();

// The refusal of a register made by a newer version of the program, the same for every engine.
Failure newerSchema(int found);

// While it lives, the data layer's statements (sql::prepared, sql::run, WriteTransaction, and
// the engine's own schema steps) go to another connection and engine than the shared one: the
// register copier builds its target this way while the shared register stays open.
class ConnectionScope
{
public:
    ConnectionScope(const QString& connectionName, Engine& engine);
    ~ConnectionScope();
    ConnectionScope(const ConnectionScope&) = delete;
    ConnectionScope& operator=(const ConnectionScope&) = delete;

private:
    QString m_previousName;
    Engine* m_previousEngine;
};

} // namespace db
