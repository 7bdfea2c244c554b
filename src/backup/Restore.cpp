#include "backup/Restore.h"

#include "backup/AutomaticBackup.h"
#include "backup/InstanceLock.h"
#include "core/SharedRoutines.h"
#include "register/Database.h"
#include "register/RegisterEvents.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QScopeGuard>

namespace backup {
namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(Restore)
};

QString dayOf(const BackupFile& file)
{
    return QLocale().toString(file.day(), QStringLiteral("d MMMM yyyy"));
}

// Problems shown at most; the rest are left to the register check.
constexpr int kProblemsShown = 10;

} // namespace

bool restoreBackup(const BackupFile& backup, RestoreHost& host)
{
    const QString kept = Text::tr("The register was left as it is.");
    AutomaticBackup::program().wait();

    // 1. Only a sound register is put in the register's place.
    db::IntegrityReport report;
    db::RegisterCounts counts;
    try {
        host.inBackground(
            Text::tr("Checking the backup of %1…").arg(dayOf(backup)), [&](const Progress&, db::Interruption& stop) {
                report = db::checkRegisterFile(backup.path, &stop);
                if (report.sound)
                    counts = db::registerFileCounts(backup.path);
            });
    } catch (const Cancelled&) {
        return false;
    } catch (const Failure& failure) {
        host.warn(
            Text::tr("The backup of %1 cannot be restored: %2\r\n%3").arg(dayOf(backup), failure.description(), kept));
        return false;
    }
    if (!report.sound) {
        host.warn(Text::tr("The backup of %1 is damaged, so it cannot be restored. SQLite's check found:\r\n%2\r\n%3")
                      .arg(dayOf(backup), report.problems.mid(0, kProblemsShown).join(QStringLiteral("\r\n")), kept));
        return false;
    }

    // 2. Refused at once while another program has the register open, rather than after the
    // question.
    const QString inUse
        = Text::tr("Rollvane is running elsewhere on this computer (another user, or another window), with "
                   "the register open. Ask for it to be closed, then restore again.\r\n%1")
              .arg(kept);
    InstanceLock& lock = InstanceLock::program();
    const bool heldBefore = lock.isShared();
    const auto giveBack = [&lock, heldBefore] {
        if (heldBefore)
            lock.backToShared();
        else
            lock.release();
    };
    if (!lock.fileUsable()) {
        host.warn(
            Text::tr("The register's folder %1 cannot be written by you, so the register cannot be replaced. Ask the "
                     "administrator to make it writable for the users who share the register.\r\n%2")
                .arg(QDir::toNativeSeparators(DataFolder()), kept));
        return false;
    }
    if (!lock.tryExclusive()) {
        host.warn(inUse);
        return false;
    }
    giveBack();

    // 3. The user's word, with what the backup holds.
    if (!host.confirm(Text::tr(
            "Replace the register with the backup of %1?\r\n\r\nThe backup holds %2, %3 and %4. The register as it "
            "is now is backed up first, so that this restore can be undone.")
                          .arg(whenTaken(backup), Text::tr("%n class(es)", nullptr, int(counts.classes)),
                              Text::tr("%n student(s)", nullptr, int(counts.students)),
                              Text::tr("%n mark(s)", nullptr, int(counts.marks)))))
        return false;
    if (!db::RegisterEvents::instance().mayReplace(host.asking()))
        return false;
    // A save the guard made may have started the day's backup.
    AutomaticBackup::program().wait();

    // 4. From here until the register is open again no other program may open it.
    if (!lock.tryExclusive()) {
        host.warn(inUse);
        return false;
    }
    const auto release = qScopeGuard(giveBack);

    // 5. What the register holds now is kept, so that the restore can itself be undone.
    QString before;
    try {
        host.inBackground(Text::tr("Backing up the register as it is now…"),
            [&before](const Progress& progress, db::Interruption& stop) {
                before = takeBackup(QDateTime::currentDateTime(), progress, &stop, Occasion::BeforeRestore);
            });
    } catch (const Cancelled&) {
        return false;
    } catch (const Failure& failure) {
        host.warn(Text::tr("The register as it is now could not be backed up, so it was not replaced: %1\r\n%2")
                      .arg(failure.description(), kept));
        return false;
    }

    // 6. The replace.
    try {
        host.here(Text::tr("Restoring the backup of %1…").arg(dayOf(backup)), [&backup](const Progress& progress) {
            db::replaceRegisterFile(liveDatabasePath(), backup.path, progress);
        });
    } catch (const Cancelled&) {
        return false;
    } catch (const Failure& failure) {
        host.warn(Text::tr("The register was not replaced: %1").arg(failure.description()));
        return false;
    }
    host.inform(Text::tr(
        "The register now holds the backup of %1.\r\nWhat it held before is kept as the backup %2; restore that "
        "one to undo this.")
                    .arg(whenTaken(backup), QFileInfo(before).fileName()));
    return true;
}

} // namespace backup
