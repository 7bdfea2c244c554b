#pragma once

#include "backup/BackupFolder.h"

#include <QWidget>

#include <atomic>
#include <functional>
#include <memory>

class QLabel;
class QPushButton;
class QThread;
class QTreeWidget;

namespace backup {

// Setup, Backups: the register's backups, taking one now, restoring one, and checking the
// register. With a register kept on a server it only says who keeps the backups and offers an
// export of the register as a file.
class BackupsWindow : public QWidget
{
    Q_OBJECT

public:
    // Shows the one window, creating it on first use or after it was closed.
    static BackupsWindow* showShared(QWidget* parent);
    static BackupsWindow* instance();

    explicit BackupsWindow(QWidget* parent = nullptr);
    ~BackupsWindow() override;

    // Lists the backups again; their counts follow as they are read.
    void refresh();
    const QList<BackupFile>& backups() const { return m_backups; }
    // Whether every listed backup has its counts.
    bool countsComplete() const;

    // The commands, as the buttons run them.
    void backUpNow();
    // Restores the backup at the given row of the list; true when the register was replaced.
    bool restore(int row);
    void restoreSelected();
    void checkRegister();
    void exportRegister();

private:
    void buildFileForm();
    void buildServerForm();
    void startCounting();
    void stopCounting();
    void showCounts(const QString& path, const QString& classes, const QString& students, const QString& marks);

    QTreeWidget* m_list = nullptr;
    QTreeWidget* m_unplaced = nullptr;
    QLabel* m_unplacedLabel = nullptr;
    QList<BackupFile> m_backups;
    QThread* m_counter = nullptr;
    std::shared_ptr<std::atomic<bool>> m_stopCounting;
};

} // namespace backup
