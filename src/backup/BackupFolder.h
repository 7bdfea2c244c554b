#pragma once

#include "register/RegisterFiles.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>

#include <optional>

// The backups of the register: copies in DataFolder()/Backups, one a day named
// dbAttendance-yyyy-MM-dd.mdb, and the extra ones taken by hand or before a restore on a day
// that already had one, named with the time as well (dbAttendance-yyyy-MM-dd-HHmmss.mdb). No
// backup is ever replaced; only daily ones are ever removed, by the keep rule.
namespace backup {

inline constexpr int kDailyBackupsKept = 14;
inline constexpr int kMonthsKept = 12;

QString folder();
QString dailyName(const QDate& day);
// The day of a daily backup's file name; nothing for every other name.
std::optional<QDate> dayOfDailyName(const QString& fileName);

// Why a backup was taken. An extra backup carries it at the end of its name
// (dbAttendance-yyyy-MM-dd-HHmmss-before-restore.mdb); one without it was taken by hand. A daily
// backup older than the newest 14 is kept as its month's.
enum class Occasion { Daily, Monthly, ByHand, BeforeRestore, BeforeChange };

struct BackupFile
{
    QString path;
    QDateTime taken; // a daily backup's day with the file's time; an extra one's from its name
    bool daily = false;
    Occasion occasion = Occasion::ByHand;
    qint64 size = 0;
    QDate day() const { return taken.date(); }
};

// "9 December 2026, 08:52:07": to the second, so that two backups of one minute differ.
QString whenTaken(const BackupFile& file);
// "daily", "monthly", "taken by hand", "before a restore", "before a change to many rows".
QString occasionText(Occasion occasion);

// The backups in the folder, newest first.
QList<BackupFile> list();

// The days whose daily backups the rule keeps on `today`: the newest 14, and the first of each
// of the last 12 months (this month and the 11 before it).
QSet<QDate> daysToKeep(const QList<QDate>& days, const QDate& today);
// Removes the daily backups the rule does not keep; returns their days.
QList<QDate> prune(const QDate& today);

// Copies the live register into the folder, made and shared like the data folder when it is
// missing: under the day's daily name when that day has no backup yet, otherwise under a name
// with the time. Returns the backup's path.
QString takeBackup(const QDateTime& now, const Progress& progress = {}, db::Interruption* interruption = nullptr,
    Occasion occasion = Occasion::ByHand);
// A backup before work that rewrites many rows, of whichever engine holds the register: the
// file's backup as takeBackup makes it, or a server's register exported into a file of the
// folder under an extra backup's name. Returns its path.
QString takeBackupOfOpenRegister(
    const QDateTime& now, const Progress& progress = {}, Occasion occasion = Occasion::BeforeChange);
// The automatic backup: nothing when `today` already has its daily backup (whoever took it),
// otherwise the daily backup and then the keep rule. Returns the new backup's path, or empty.
QString takeDailyBackup(const QDate& today, db::Interruption* interruption = nullptr);

} // namespace backup

namespace backup {

// The half-written copies a backup or a restore leaves when the program is stopped in the middle
// of one (".dbAttendance-….mdb.part-…" in the backup folder, ".dbAttendance.mdb.part-…" beside
// the register). removePartFiles() removes them all and returns how many; the caller must know
// that no running Rollvane is writing one. removeStalePartFiles() first makes sure of that
// through the instance lock, and removes nothing while another program runs.
int removePartFiles();
int removeStalePartFiles();

} // namespace backup
