#pragma once

#include "backup/BackupFolder.h"
#include "register/RegisterFiles.h"

#include <QString>

#include <functional>

class QObject;

namespace backup {

// What a restore needs of whoever runs it: a way to show long work, to ask and to tell. The
// Backups window answers with its dialogs; the procedure itself knows no window.
class RestoreHost
{
public:
    virtual ~RestoreHost() = default;
    // Runs work on a thread of its own while showing label, stoppable by the user; a failure the
    // work throws, Cancelled included, is thrown again on the calling thread.
    virtual void inBackground(
        const QString& label, const std::function<void(const Progress& progress, db::Interruption& interruption)>& work)
        = 0;
    // Runs work on this thread while showing label, stoppable through its progress.
    virtual void here(const QString& label, const std::function<void(const Progress& progress)>& work) = 0;
    virtual bool confirm(const QString& question) = 0;
    virtual void warn(const QString& message) = 0;
    virtual void inform(const QString& message) = 0;
    // Whom the register's guard asks before the register is replaced (the parent of its dialogs).
    virtual QObject* asking() = 0;
};

// Puts a backup in the register's place: the backup is checked, nobody else may have the
// register open, the user agrees, what the register holds now is backed up first, then one
// rename replaces it. Every refusal leaves the register as it was and says why through host.
// True when the register was replaced.
bool restoreBackup(const BackupFile& backup, RestoreHost& host);

} // namespace backup
