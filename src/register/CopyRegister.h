#pragma once

#include "core/Progress.h"
#include "register/Database.h"

#include <QList>
#include <QString>

#include <functional>

// Moving a register between engines: every class, student, photo, mark, history row and
// setting, with its id, in one transaction on the target, read from the source as of one
// moment and never written there. Each copy ends by reading the target back: the row count
// and a checksum of every table, beside the source's.
namespace db {

struct TableCheck
{
    QString table;
    qint64 sourceRows = 0;
    qint64 targetRows = 0;
    QString sourceChecksum;
    QString targetChecksum;
    bool matches() const { return sourceRows == targetRows && sourceChecksum == targetChecksum; }
};

struct CopyReport
{
    QList<TableCheck> tables;
    bool matches() const;
    qint64 rows() const;
};

// A SQLite register file into an empty database on the server. An older file is read as it
// stands (what it lacks is copied as empty text).
CopyReport copyFileToServer(const QString& path, const ServerAddress& server, const Progress& progress = {});
// A server's register into a new SQLite file; the file must not exist yet.
CopyReport copyServerToFile(const ServerAddress& server, const QString& path, const Progress& progress = {});
// The open register (the shared connection, on either engine) into a new SQLite file.
CopyReport copyOpenRegisterToFile(const QString& path, const Progress& progress = {});

} // namespace db
