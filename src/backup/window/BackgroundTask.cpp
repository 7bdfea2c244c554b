#include "backup/window/BackgroundTask.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <exception>
#include <memory>

namespace backup {

void runWithProgress(QWidget* parent, const QString& label,
    const std::function<void(const Progress& progress, db::Interruption& interruption)>& work)
{
    struct Shared
    {
        std::atomic<qint64> done {0};
        std::atomic<qint64> total {0};
        db::Interruption interruption;
        std::exception_ptr failure;
    };
    auto shared = std::make_shared<Shared>();

    QProgressDialog dialog(label, QCoreApplication::translate("BackgroundTask", "Cancel"), 0, 0, parent);
    dialog.setObjectName(QStringLiteral("TaskProgress"));
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setMinimumDuration(400);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    dialog.setValue(0);

    std::unique_ptr<QThread> thread(QThread::create([shared, &work] {
        const Progress progress = [shared](qint64 done, qint64 total) {
            shared->done = done;
            shared->total = total;
            return !shared->interruption.requested();
        };
        try {
            work(progress, shared->interruption);
        } catch (...) {
            shared->failure = std::current_exception();
        }
    }));

    QEventLoop loop;
    QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
    QObject::connect(&dialog, &QProgressDialog::canceled, &dialog, [shared] { shared->interruption.request(); });
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, &dialog, [shared, &dialog] {
        const qint64 total = shared->total;
        if (total <= 0)
            return;
        // The dialog counts in ints; a register counted in pages or bytes may need more.
        constexpr int kSteps = 1000;
        if (dialog.maximum() != kSteps)
            dialog.setRange(0, kSteps);
        dialog.setValue(int(shared->done * kSteps / total));
    });
    tick.start(100);
    thread->start();
    loop.exec();
    thread->wait();
    tick.stop();
    dialog.reset();
    if (shared->failure)
        std::rethrow_exception(shared->failure);
}

} // namespace backup
