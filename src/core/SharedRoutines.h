#pragma once

#include <QString>

// Identifier of the machine-wide application-data folder shared by all users.
inline constexpr int kCommonAppData = 35;

// The folder for a special-folder identifier; empty text for an identifier it does not know.
// ROLLVANE_COMMON_APPDATA, when set, stands in for the machine-wide folder: that is how tests
// and administrators keep the register elsewhere.
QString SpecialFolderPath(int folderId);

// Whether a file or folder is present at the path. Never fails.
bool FileExists(const QString& path);

// Makes the application title from the product name: words are cut from the end until it has
// at most 40 characters. A name of one word is kept, cut to 40 characters.
QString ShortenTitle(const QString& productName);

// The caption of every message box that gives none of its own.
QString applicationTitle();

// The folder the program was started from: the template database, hand pointer and skin.
QString ProgramFolder();
// Tests point the program at a folder of their own.
void overrideProgramFolder(const QString& folder);

// Paths built from the folders above.
QString companyFolder(); // <common app data>/Quillmark
QString DataFolder(); // <common app data>/Quillmark/Rollvane
QString liveDatabasePath(); // DataFolder/dbAttendance.mdb
QString templateDatabasePath(); // ProgramFolder/dbBlank.mdb
QString handPointerPath(); // ProgramFolder/HAND-M.CUR
QString skinFilePath(); // ProgramFolder/x/o.cjs
QString backupFolderPath(); // DataFolder/Backups

// Whether writing to path would overwrite the register or what keeps it: the register file, its
// journal and write-ahead files, the instance lock, the template, or anything in the backup
// folder. Paths are compared as the file system resolves them, links and ".." included.
bool isRegistersOwnFile(const QString& path);

inline constexpr auto kProductName = "Rollvane";
