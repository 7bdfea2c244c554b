#pragma once

#include "app/Failure.h"
#include "data/Database.h"

#include <QSqlDatabase>
#include <QString>

#include <memory>

class QSqlError;

namespace db {

// What differs between the engines that can hold the register. The functions of Database.h are
// written once over this; each engine is one file (SqliteEngine.cpp, ...). Nothing outside
// src/data sees it.
class Engine
{
public:
    virtual ~Engine() = default;

    // "SQLite", shown to the user.
    virtual QString name() const = 0;
    // Where the register is: a file's path, a server's database.
    virtual QString location() const = 0;
    virtual qint64 size() = 0;

    // Opens the named connection, with every check that has to come before the register is read
    // (the file is what it claims to be, its schema is not newer than the program's). Throws a
    // failure in plain words; the connection is then closed.
    virtual void open(QSqlDatabase& database, bool readOnly) = 0;
    // The engine's error in words a school office can act on.
    virtual Failure failure(const QSqlError& error) const = 0;

    // Starts a transaction that holds the right to write from its first statement.
    virtual QString beginWrite() const = 0;
    // Starts a read transaction in which every statement sees one and the same state of the
    // register (an export copies table after table from it). An engine whose plain BEGIN reads
    // each statement's own state gives the statement that fixes one.
    virtual QString beginSnapshot() const { return QStringLiteral("BEGIN"); }

    // Whether the register is one file on this computer, which the program itself can back up,
    // check and restore. A server's register is kept by the server's administrator.
    virtual bool registerIsAFile() const { return false; }

    // The schema version the register records, and recording a new one (inside the upgrade's
    // transaction).
    virtual int storedSchemaVersion(QSqlDatabase& database) = 0;
    virtual void recordSchemaVersion(int version) = 0;
    // The statements that create the tables of an empty register, at version 2.
    virtual QStringList baseSchema() const = 0;
    // What brings a register from version - 1 to version. Runs inside the upgrade's transaction.
    virtual void upgradeTo(int version) = 0;

    // How many marks have a date that is not yyyy-MM-dd text, through the index kept for them.
    virtual qint64 unplacedMarkCount() = 0;

    // An aggregate that joins the text of expression over the rows of each group, in the order
    // of orderBy (a column of the rows). The reports read a student's days in order through it.
    virtual QString orderedConcatenation(const QString& expression, const QString& orderBy) const = 0;

    // The writes of a save, inside its transaction: every card's mark with the day's notes,
    // and a history row for each status or remark that changes from what is stored now.
    virtual void writeDay(const QString& day, const QList<CardMark>& cards, const QString& notes, const Author& author,
        const DayMarks& stored);
};

// The engine of the register that open() was last given.
Engine& engine();
// Replaces the engine for the next open.
void setEngine(std::unique_ptr<Engine> engine);
// An engine for a SQLite register file.
std::unique_ptr<Engine> sqliteEngine(const QString& path);

// Refuses, in plain words naming the engine's location, a database that lacks the register's
// tables.
void checkSchema(QSqlDatabase& database, const Engine& engine);
// Creates the tables of a new, empty register at this program's schema, in one transaction, on
// the connection and engine that the data layer's statements use now.
void writeNewSchema();
// The SQLite condition of a mark whose date is not yyyy-MM-dd text, as its index states it.
QString sqliteUnplacedCondition();

// Reads a stored mark from a row of (status, notes, remark, changedAt, changedBy, changedOn).
Mark markFrom(const QSqlQuery& query, int firstColumn);

} // namespace db
