#pragma once

#include "app/Failure.h"
#include "data/Database.h"

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

// The copy was stopped through its progress; nothing was copied.
class CopyCancelled : public Failure
{
public:
    using Failure::Failure;
};

// Rows copied so far of all there are. Returning false stops the copy, which then leaves the
// target as it was (a new file is removed again).
using CopyProgress = std::function<bool(qint64 done, qint64 total)>;

// A SQLite register file into an empty database on the server. An older file is read as it
// stands (what it lacks is copied as empty text).
CopyReport copyFileToServer(const QString& path, const ServerAddress& server, const CopyProgress& progress = {});
// A server's register into a new SQLite file; the file must not exist yet.
CopyReport copyServerToFile(const ServerAddress& server, const QString& path, const CopyProgress& progress = {});
// The open register (the shared connection, on either engine) into a new SQLite file.
CopyReport copyOpenRegisterToFile(const QString& path, const CopyProgress& progress = {});

} // namespace db
