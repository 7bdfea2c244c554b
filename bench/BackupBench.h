#pragma once

#include <QString>

// Backups and imports at school scale: the register's backup beside the floor of a plain copy
// of the same file, and an import of 2,000 students with their photos.
struct BackupFigures
{
    double copyMs = 0; // a plain file copy, left in the page cache
    double copySyncedMs = 0; // the same copy, on the disk: the floor a backup compares with
    double backupMs = 0; // the online backup, on the disk
    qint64 registerBytes = 0;
    double importPlanMs = 0; // reading the spreadsheet and checking every picture
    double importWriteMs = 0; // the one transaction
    int importedStudents = 0;
};

inline constexpr int kImportedStudents = 2000;

// Needs no open register; the import is made into a new register of its own under scratch,
// whose folder must be empty.
// Without the import when withImport is false.
BackupFigures measureBackups(const QString& registerPath, const QString& scratch, int runs, bool withImport = true);
