#pragma once

#include <QDate>
#include <QObject>
#include <QString>

#include <memory>

class QThread;

namespace backup {
struct AutomaticRun;
}

namespace backup {

// The main window calls this after every save that committed. The first save of each day, by
// whichever user, starts the day's backup on a thread of its own, so the save is never kept
// waiting; a backup that fails is announced once per run (failedFirstTime), and the save stands.
void afterSuccessfulSave();

// The automatic backup of one running program; afterSuccessfulSave() uses the program's own.
class AutomaticBackup : public QObject
{
    Q_OBJECT

public:
    static AutomaticBackup& program();

    AutomaticBackup() = default;
    ~AutomaticBackup() override;

    // As afterSuccessfulSave(), on the given day.
    void afterSuccessfulSave(const QDate& today);
    bool isRunning() const;
    // Waits until the backup being written is done (and its failure reported). A restore and
    // the program's end wait for it.
    void wait();
    // Asks a backup being written to stop and waits for it.
    void stop();

Q_SIGNALS:
    // A backup finished: its path, or empty with the failure's words.
    void finished(const QString& path, const QString& failure);
    // The first backup of this run that failed, with the failure's words; later failures of the
    // same run are not announced again, so that the user is told once.
    void failedFirstTime(const QString& failure);

private:
    void collect();

    QThread* m_thread = nullptr;
    std::shared_ptr<AutomaticRun> m_run;
    bool m_failureReported = false;
};

} // namespace backup
