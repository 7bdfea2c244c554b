#include "backup/window/BackupsWindow.h"

#include "backup/AutomaticBackup.h"
#include "backup/InstanceLock.h"
#include "backup/PhotoCompaction.h"
#include "backup/Restore.h"
#include "backup/window/BackgroundTask.h"
#include "core/SharedRoutines.h"
#include "register/Database.h"
#include "register/RegisterFiles.h"
#include "ui/Dialogs.h"
#include "ui/ErrorReport.h"
#include "ui/LookAndFeel.h"
#include "ui/SharedWindow.h"
#include "ui/WindowLayout.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMutex>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QScopeGuard>
#include <QThread>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace backup {
namespace {

enum Column { DateColumn, SizeColumn, ClassesColumn, StudentsColumn, MarksColumn };
constexpr int kIndexRole = Qt::UserRole;
constexpr int kCountedRole = Qt::UserRole + 1;
// Problems and unplaced marks shown at most; the rest are counted.
constexpr int kProblemsShown = 10;
constexpr int kUnplacedListed = 1000;

// What a backup holds, read once per file as long as the file stays the same.
struct Counted
{
    qint64 size = -1;
    QDateTime modified;
    db::RegisterCounts counts;
    QString failure;
};

Counted countedOf(const QString& path)
{
    static QMutex mutex;
    static QHash<QString, Counted> cache;
    const QFileInfo info(path);
    {
        QMutexLocker lock(&mutex);
        const auto found = cache.constFind(path);
        if (found != cache.constEnd() && found->size == info.size() && found->modified == info.lastModified())
            return *found;
    }
    Counted counted;
    counted.size = info.size();
    counted.modified = info.lastModified();
    try {
        counted.counts = db::registerFileCounts(path);
    } catch (const Failure& failure) {
        counted.failure = failure.description();
    }
    QMutexLocker lock(&mutex);
    cache.insert(path, counted);
    return counted;
}

QString number(qint64 value)
{
    return QLocale().toString(value);
}

// Progress for work done on the window's own thread, shown in a dialog that can stop it.
Progress dialogProgress(QProgressDialog& dialog)
{
    return [&dialog](qint64 done, qint64 total) {
        if (total > 0) {
            dialog.setMaximum(1000);
            dialog.setValue(int(done * 1000 / total));
        }
        return !dialog.wasCanceled();
    };
}

void makeProgress(QProgressDialog& dialog, const QString& label, bool cancellable)
{
    dialog.setObjectName(QStringLiteral("TaskProgress"));
    dialog.setLabelText(label);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setMinimumDuration(400);
    dialog.setRange(0, 0);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    if (!cancellable)
        dialog.setCancelButton(nullptr);
    dialog.setValue(0);
}

QString location(const char* handler)
{
    return handlerLocation(QStringLiteral("Backups"), QString::fromLatin1(handler));
}

} // namespace

BackupsWindow* BackupsWindow::showShared(QWidget* parent)
{
    return SharedWindow<BackupsWindow>::show([parent] { return new BackupsWindow(parent); },
        [](BackupsWindow* window) {
            window->setAttribute(Qt::WA_DeleteOnClose);
            centreOnScreen(window);
        });
}

BackupsWindow* BackupsWindow::instance()
{
    return SharedWindow<BackupsWindow>::instance();
}

BackupsWindow::BackupsWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("BackupsWindow"));
    setWindowTitle(tr("Backups"));
    setWindowIcon(QApplication::windowIcon());
    setFont(designFont(9));
    if (db::registerIsAFile())
        buildFileForm();
    else
        buildServerForm();
    look::ApplyStandardColours(this);
}

BackupsWindow::~BackupsWindow()
{
    stopCounting();
}

void BackupsWindow::buildFileForm()
{
    resize(px(10200), px(7200));
    auto* layout = new QVBoxLayout(this);

    auto* about = new QLabel(tr("A backup of the register is taken each day, at the first save. The last %1 daily "
                                "backups and the first of each of the last %2 months are kept, in %3.")
                                 .arg(kDailyBackupsKept)
                                 .arg(kMonthsKept)
                                 .arg(QDir::toNativeSeparators(folder())),
        this);
    about->setObjectName(QStringLiteral("lblFolder"));
    about->setWordWrap(true);
    about->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(about);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("BackupList"));
    m_list->setRootIsDecorated(false);
    m_list->setItemsExpandable(false);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setAllColumnsShowFocus(true);
    m_list->setHeaderLabels({tr("Taken"), tr("Size"), tr("Classes"), tr("Students"), tr("Marks")});
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionResizeMode(DateColumn, QHeaderView::Stretch);
    for (int column = SizeColumn; column <= MarksColumn; ++column) {
        m_list->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
        m_list->headerItem()->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    }
    layout->addWidget(m_list, 1);

    auto* buttons = new QHBoxLayout;
    auto button = [this, buttons](const char* name, const QString& caption) {
        auto* pushButton = new QPushButton(caption, this);
        pushButton->setObjectName(QString::fromLatin1(name));
        pushButton->setFont(designFont(11.25));
        pushButton->setAutoDefault(false);
        buttons->addWidget(pushButton);
        return pushButton;
    };
    QPushButton* now = button("BackUpNow", tr("Back Up Now"));
    QPushButton* restoreButton = button("Restore", tr("Restore…"));
    QPushButton* check = button("CheckRegister", tr("Check Register"));
    buttons->addStretch(1);
    QPushButton* closeButton = button("Close", tr("Close"));
    layout->addLayout(buttons);

    m_unplacedLabel = new QLabel(this);
    m_unplacedLabel->setObjectName(QStringLiteral("lblUnplaced"));
    m_unplacedLabel->setWordWrap(true);
    m_unplacedLabel->hide();
    layout->addWidget(m_unplacedLabel);
    m_unplaced = new QTreeWidget(this);
    m_unplaced->setObjectName(QStringLiteral("UnplacedList"));
    m_unplaced->setRootIsDecorated(false);
    m_unplaced->setHeaderLabels({tr("Student"), tr("Stored date"), tr("Status")});
    m_unplaced->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_unplaced->hide();
    layout->addWidget(m_unplaced, 1);

    connect(now, &QPushButton::clicked, this,
        [this] { reportFailures(location("BackUpNow_Click"), [this] { backUpNow(); }); });
    connect(restoreButton, &QPushButton::clicked, this,
        [this] { reportFailures(location("Restore_Click"), [this] { restoreSelected(); }); });
    connect(check, &QPushButton::clicked, this,
        [this] { reportFailures(location("CheckRegister_Click"), [this] { checkRegister(); }); });
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, [restoreButton] { restoreButton->click(); });

    refresh();
}

void BackupsWindow::buildServerForm()
{
    resize(px(8040), px(2400));
    auto* layout = new QVBoxLayout(this);
    auto* about = new QLabel(tr("The register is kept on a database server (%1). Its backups are kept by the server's "
                                "administrator (with pg_dump), so this program takes none and restores none.\n\nYou "
                                "can export a copy of the register as a register file, to keep or to open elsewhere.")
                                 .arg(db::location()),
        this);
    about->setObjectName(QStringLiteral("lblServer"));
    about->setWordWrap(true);
    layout->addWidget(about, 1);
    auto* buttons = new QHBoxLayout;
    auto* exportButton = new QPushButton(tr("Export Register…"), this);
    exportButton->setObjectName(QStringLiteral("ExportRegister"));
    exportButton->setFont(designFont(11.25));
    auto* closeButton = new QPushButton(tr("Close"), this);
    closeButton->setObjectName(QStringLiteral("Close"));
    closeButton->setFont(designFont(11.25));
    buttons->addWidget(exportButton);
    buttons->addStretch(1);
    buttons->addWidget(closeButton);
    layout->addLayout(buttons);
    connect(exportButton, &QPushButton::clicked, this,
        [this] { reportFailures(location("ExportRegister_Click"), [this] { exportRegister(); }); });
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
}

void BackupsWindow::refresh()
{
    if (!m_list)
        return;
    stopCounting();
    m_backups = list();
    m_list->clear();
    QList<QTreeWidgetItem*> items;
    for (qsizetype i = 0; i < m_backups.size(); ++i) {
        const BackupFile& file = m_backups.at(i);
        auto* item = new QTreeWidgetItem;
        item->setText(DateColumn, tr("%1 (%2)").arg(whenTaken(file), occasionText(file.occasion)));
        item->setText(SizeColumn, QLocale().formattedDataSize(file.size));
        item->setData(DateColumn, kIndexRole, int(i));
        item->setData(DateColumn, kCountedRole, false);
        for (int column = SizeColumn; column <= MarksColumn; ++column)
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        for (int column = ClassesColumn; column <= MarksColumn; ++column)
            item->setText(column, QStringLiteral("…"));
        items.append(item);
    }
    m_list->addTopLevelItems(items);
    if (!items.isEmpty())
        m_list->setCurrentItem(items.first());
    startCounting();
}

bool BackupsWindow::countsComplete() const
{
    if (!m_list)
        return true;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        if (!m_list->topLevelItem(i)->data(DateColumn, kCountedRole).toBool())
            return false;
    }
    return true;
}

void BackupsWindow::startCounting()
{
    QStringList paths;
    for (const BackupFile& file : std::as_const(m_backups))
        paths << file.path;
    if (paths.isEmpty())
        return;
    auto stop = std::make_shared<std::atomic<bool>>(false);
    m_stopCounting = stop;
    // Counting the marks of a large backup takes a moment: the window stays usable meanwhile.
    m_counter = QThread::create([this, paths, stop] {
        for (const QString& path : paths) {
            if (*stop)
                return;
            const Counted counted = countedOf(path);
            QMetaObject::invokeMethod(
                this,
                [this, path, counted] {
                    if (!counted.failure.isEmpty()) {
                        showCounts(path, tr("cannot be read"), QString(), QString());
                        return;
                    }
                    showCounts(path, number(counted.counts.classes), number(counted.counts.students),
                        number(counted.counts.marks));
                },
                Qt::QueuedConnection);
        }
    });
    m_counter->start(QThread::LowPriority);
}

void BackupsWindow::stopCounting()
{
    if (!m_counter)
        return;
    *m_stopCounting = true;
    m_counter->wait();
    delete m_counter;
    m_counter = nullptr;
}

void BackupsWindow::showCounts(
    const QString& path, const QString& classes, const QString& students, const QString& marks)
{
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = m_list->topLevelItem(i);
        const int index = item->data(DateColumn, kIndexRole).toInt();
        if (m_backups.value(index).path != path)
            continue;
        item->setText(ClassesColumn, classes);
        item->setText(StudentsColumn, students);
        item->setText(MarksColumn, marks);
        item->setData(DateColumn, kCountedRole, true);
    }
}

void BackupsWindow::backUpNow()
{
    AutomaticBackup::program().wait();
    removeStalePartFiles();
    QString written;
    try {
        runWithProgress(
            this, tr("Backing up the register…"), [&written](const Progress& progress, db::Interruption& stop) {
                written = takeBackup(QDateTime::currentDateTime(), progress, &stop);
            });
    } catch (const Cancelled&) {
        return;
    } catch (const Failure& failure) {
        // A full disk or a folder that cannot be written is a condition to put right, not a
        // fault of the program.
        refresh();
        dialogs().message(this, tr("The register was not backed up: %1").arg(failure.description()), tr("Backups"),
            UserDialogs::Icon::Warning);
        return;
    }
    refresh();
    dialogs().message(this, tr("The register was backed up as %1.").arg(QFileInfo(written).fileName()), tr("Backups"),
        UserDialogs::Icon::Information);
}

void BackupsWindow::restoreSelected()
{
    const QTreeWidgetItem* item = m_list ? m_list->currentItem() : nullptr;
    if (!item) {
        dialogs().message(this, tr("Pick the backup to restore first."), tr("Restore"), UserDialogs::Icon::None);
        return;
    }
    restore(item->data(DateColumn, kIndexRole).toInt());
}

namespace {

// A restore's questions and long work, as dialogs over the Backups window.
class WindowRestoreHost final : public RestoreHost
{
public:
    explicit WindowRestoreHost(QWidget* window)
        : m_window(window)
    { }

    void inBackground(const QString& label,
        const std::function<void(const Progress& progress, db::Interruption& interruption)>& work) override
    {
        runWithProgress(m_window, label, work);
    }
    void here(const QString& label, const std::function<void(const Progress& progress)>& work) override
    {
        QProgressDialog progress(m_window);
        makeProgress(progress, label, true);
        work(dialogProgress(progress));
    }
    bool confirm(const QString& question) override
    {
        return dialogs().question(m_window, question, caption(), UserDialogs::Icon::Question);
    }
    void warn(const QString& message) override
    {
        dialogs().message(m_window, message, caption(), UserDialogs::Icon::Warning);
    }
    void inform(const QString& message) override
    {
        dialogs().message(m_window, message, caption(), UserDialogs::Icon::Information);
    }
    QObject* asking() override { return m_window; }

private:
    static QString caption() { return BackupsWindow::tr("Restore"); }

    QWidget* m_window;
};

} // namespace

bool BackupsWindow::restore(int row)
{
    if (row < 0 || row >= m_backups.size())
        return false;
    WindowRestoreHost host(this);
    const bool restored = restoreBackup(m_backups.at(row), host);
    refresh();
    return restored;
}

void BackupsWindow::checkRegister()
{
    const QString caption = tr("Check Register");
    db::IntegrityReport report;
    try {
        runWithProgress(this, tr("Checking the register…"), [&report](const Progress&, db::Interruption& stop) {
            report = db::checkRegisterFile(liveDatabasePath(), &stop);
        });
    } catch (const Cancelled&) {
        return;
    } catch (const Failure& failure) {
        report.sound = false;
        report.problems = {failure.description()};
    }

    QString text;
    if (report.sound) {
        text = tr("The register is sound.");
    } else {
        QStringList problems = report.problems.mid(0, kProblemsShown);
        if (report.problems.size() > kProblemsShown)
            problems << tr("… and %n more.", nullptr, int(report.problems.size() - kProblemsShown));
        text = tr("The register is damaged. SQLite's check found:\r\n%1").arg(problems.join(QStringLiteral("\r\n")));
        refresh();
        if (!m_backups.isEmpty()) {
            text += QStringLiteral("\r\n\r\n")
                + tr("Restore the newest backup, of %1 (a restore checks the backup first); marks saved since then "
                     "have to be taken again.")
                      .arg(whenTaken(m_backups.first()));
        } else {
            text += QStringLiteral("\r\n\r\n")
                + tr("There is no backup to restore. Keep a copy of the register's file and ask for help: %1")
                      .arg(supportAddress());
        }
    }

    // Marks the program cannot show on any day are listed here, where the start-up message
    // sends the user.
    m_unplaced->clear();
    qint64 unplaced = 0;
    QList<db::UnplacedMark> marks;
    try {
        unplaced = db::unplacedMarkCount();
        if (unplaced > 0)
            marks = db::unplacedMarks(kUnplacedListed);
    } catch (const Failure&) {
        // A register too damaged to read them has been reported above.
    }
    QList<QTreeWidgetItem*> items;
    for (const db::UnplacedMark& mark : std::as_const(marks)) {
        items.append(new QTreeWidgetItem(
            {mark.studentName.isEmpty() ? tr("(student %1, deleted)").arg(mark.studentId) : mark.studentName,
                mark.dateMissing ? tr("(no date)") : mark.storedDate, mark.status}));
    }
    m_unplaced->addTopLevelItems(items);
    if (unplaced > 0) {
        m_unplacedLabel->setText(unplaced > marks.size()
                ? tr("%n mark(s) have a date that Rollvane cannot read, so they are shown on no day; the first %1 are "
                     "listed.",
                    nullptr, int(unplaced))
                      .arg(marks.size())
                : tr("%n mark(s) have a date that Rollvane cannot read, so they are shown on no day:", nullptr,
                    int(unplaced)));
        text += QStringLiteral("\r\n\r\n")
            + tr("%n mark(s) have a date that Rollvane cannot read; they are listed in the Backups window.", nullptr,
                int(unplaced));
    }
    m_unplacedLabel->setVisible(unplaced > 0);
    m_unplaced->setVisible(unplaced > 0);

    // Two marks for one student and day (another tool's doing): the user decides, once shown how
    // many, whether the most recent of each stays; the others go into the history, not away.
    qint64 duplicates = 0;
    try {
        duplicates = db::duplicateMarkCount();
    } catch (const Failure&) {
        // Reported above with the damage.
    }
    if (duplicates > 0
        && dialogs().question(this,
            tr("%n student(s) have more than one mark stored for one day. Keep the most recently changed mark of "
               "each, and record the others in the history?",
                nullptr, int(duplicates)),
            caption, UserDialogs::Icon::Question)) {
        try {
            const qint64 removed = db::mergeDuplicateMarks();
            text += QStringLiteral("\r\n\r\n")
                + tr("%n mark(s) stored twice were removed; the history keeps what they said.", nullptr, int(removed));
        } catch (const Failure& failure) {
            text += QStringLiteral("\r\n\r\n")
                + tr("The marks stored twice were left as they are: %1").arg(failure.description());
        }
    }
    // Photos stored full size by earlier versions fill the register and every backup of it.
    try {
        const PhotoEstimate photos = estimatePhotos();
        constexpr qint64 worthSaying = 1024 * 1024;
        if (photos.toConvert > 0 && photos.saving() >= worthSaying) {
            text += QStringLiteral("\r\n\r\n")
                + tr("%n photo(s) are stored at full size, as earlier versions stored them. Converting them "
                     "(rollvane-admin compact-photos, after a backup it takes itself) would make the register and "
                     "each backup about %1 MB smaller.",
                    nullptr, int(photos.toConvert))
                      .arg(QString::number(double(photos.saving()) / (1024.0 * 1024.0), 'f', 0));
        }
    } catch (const Failure&) {
        // A register too damaged to read them has been reported above.
    }
    dialogs().message(this, text, caption, report.sound ? UserDialogs::Icon::Information : UserDialogs::Icon::Warning);
}

void BackupsWindow::exportRegister()
{
    const QString caption = tr("Export Register");
    const QString suggested = QDir::homePath() + QStringLiteral("/dbAttendance-")
        + QDate::currentDate().toString(Qt::ISODate) + QStringLiteral(".mdb");
    const QString path = dialogs().saveFileName(this, caption, tr("Rollvane Register (*.mdb)|*.mdb|"), suggested);
    if (path.isEmpty())
        return;
    try {
        QProgressDialog progress(this);
        makeProgress(progress, tr("Exporting the register…"), true);
        db::exportRegisterToFile(path, dialogProgress(progress));
    } catch (const Cancelled&) {
        return;
    } catch (const Failure& failure) {
        dialogs().message(this, tr("The register could not be exported: %1").arg(failure.description()), caption,
            UserDialogs::Icon::Warning);
        return;
    }
    dialogs().message(this, tr("The register was exported to %1.").arg(QDir::toNativeSeparators(path)), caption,
        UserDialogs::Icon::Information);
}

} // namespace backup
