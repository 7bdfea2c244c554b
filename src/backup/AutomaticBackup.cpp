#include "backup/AutomaticBackup.h"

#include "backup/BackupFolder.h"
#include "core/Failure.h"
#include "register/RegisterFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QThread>

namespace backup {

// What the backup's thread hands back.
struct AutomaticRun
{
    db::Interruption interruption;
    QString path;
    QString failure;
};

void afterSuccessfulSave()
{
    AutomaticBackup::program().afterSuccessfulSave(QDate::currentDate());
}

AutomaticBackup& AutomaticBackup::program()
{
    static AutomaticBackup* instance = [] {
        auto* created = new AutomaticBackup;
        // A backup still being written when the program ends is stopped, never cut off.
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, created, [created] { created->stop(); });
        return created;
    }();
    return *instance;
}

AutomaticBackup::~AutomaticBackup()
{
    stop();
}

void AutomaticBackup::afterSuccessfulSave(const QDate& today)
{
    if (m_thread)
        return;
    // A register on a server is backed up by the server's administrator.
    if (!db::registerIsAFile())
        return;
    // The day's backup is there, whoever's program took it: one file test and nothing more.
    if (QFileInfo::exists(folder() + QLatin1Char('/') + dailyName(today)))
        return;
    // What a backup cut short by a kill left behind goes before the next one is written.
    removeStalePartFiles();
    auto run = std::make_shared<AutomaticRun>();
    m_run = run;
    m_thread = QThread::create([run, today] {
        try {
            run->path = takeDailyBackup(today, &run->interruption);
        } catch (const Cancelled&) {
        } catch (const Failure& failure) {
            run->failure = failure.description();
        } catch (const std::exception& failure) {
            run->failure = QString::fromLocal8Bit(failure.what());
        }
    });
    connect(m_thread, &QThread::finished, this, &AutomaticBackup::collect);
    m_thread->start(QThread::LowPriority);
}

bool AutomaticBackup::isRunning() const
{
    return m_thread != nullptr;
}

void AutomaticBackup::wait()
{
    if (!m_thread)
        return;
    m_thread->wait();
    collect();
}

void AutomaticBackup::stop()
{
    if (m_run)
        m_run->interruption.request();
    if (m_thread) {
        m_thread->wait();
        delete m_thread;
        m_thread = nullptr;
        m_run.reset();
    }
}

void AutomaticBackup::collect()
{
    if (!m_thread)
        return;
    m_thread->wait();
    m_thread->deleteLater();
    m_thread = nullptr;
    const std::shared_ptr<AutomaticRun> run = std::move(m_run);
    if (!run)
        return;
    const bool firstFailure = !run->failure.isEmpty() && !m_failureReported;
    if (firstFailure)
        m_failureReported = true;
    Q_EMIT finished(run->path, run->failure);
    if (firstFailure)
        Q_EMIT failedFirstTime(run->failure);
}

} // namespace backup
