#pragma once

#include "core/Progress.h"

#include <QList>
#include <QMutex>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

struct sqlite3;

// Copies, checks and counts of register files, and the copy of a register into a new SQLite
// file. The functions on files are SQLite-only: each opens a connection of its own on the file
// it is given, so they run on any thread and never touch the shared connection.
namespace db {

// Whether the register is one file on this computer, which the program backs up, checks and
// restores itself; a server's register is kept by the server's administrator.
bool registerIsAFile();

// Lets another thread stop a file operation, even in the middle of one long statement.
class Interruption
{
public:
    void request();
    bool requested() const { return m_requested.load(); }

    // For the data layer: the connection that a request interrupts while it runs.
    void attach(sqlite3* handle);
    void detach();

private:
    QMutex m_mutex;
    std::atomic<bool> m_requested {false};
    sqlite3* m_handle = nullptr;
};

struct RegisterCounts
{
    qint64 classes = 0;
    qint64 students = 0;
    qint64 marks = 0;
};

struct IntegrityReport
{
    bool sound = false;
    QStringList problems; // SQLite's own words, at most a hundred of them
};

// Writes a copy of the register file `from` to the new file `to` with SQLite's online backup,
// so that the copy holds one state the register had even while other users save: the copy
// starts again when someone saves between its steps, and after two such restarts is taken in
// one step, which a save then waits for. The copy is on the disk when this returns. On failure
// or a stop no file is left at `to`.
void backupRegisterFile(
    const QString& from, const QString& to, const Progress& progress = {}, Interruption* interruption = nullptr);

// SQLite's integrity check of a register file. Throws a failure in plain words when the file is
// not a register at all (not a database, or without the register's tables), or cannot be read,
// and Cancelled when interrupted.
IntegrityReport checkRegisterFile(const QString& path, Interruption* interruption = nullptr);

// What a register file holds; throws a failure in plain words when it is not a register.
RegisterCounts registerFileCounts(const QString& path);

// Replaces the live register file by a copy of `replacement` (a register already checked): the
// copy is made beside the live file with its group and mode, the shared connection is closed,
// the copy takes the live file's name in one rename, and the shared connection is opened on it.
// Refuses while another program is in the middle of a save. Whatever fails before the rename
// leaves the live register as it was, open again.
void replaceRegisterFile(const QString& livePath, const QString& replacement, const Progress& progress = {});

// A mark whose date the program cannot read, so that it belongs to no day that it shows.
struct UnplacedMark
{
    qint64 studentId = 0;
    QString studentName; // empty when the student no longer exists
    QString storedDate; // the stored value as text
    bool dateMissing = false; // nothing stored at all
    QString status;
};

// The first `limit` of the open register's unplaced marks, by student.
QList<UnplacedMark> unplacedMarks(int limit);

// Copies the open register, of whichever engine, into a new SQLite register file at
// sqlitePath, with every row of every table, ids and photos kept, from one state of the
// register, and checks that each table arrived whole. A file already at sqlitePath is replaced
// only once the copy is complete.
void exportRegisterToFile(const QString& sqlitePath, const Progress& progress = {});

} // namespace db
