// rollvane-report: the register's reports on a terminal, for an office's scripts.
#include "core/Startup.h"
#include "reports/ReportCommand.h"

#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <memory>

namespace {

// Scripts read the error stream for the tool's own one-line message; Qt's notes about the
// session it runs in (no runtime folder, no display) would only be in the way.
void onlyFailures(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

// Only a PDF needs fonts, and fonts need the windowing side of Qt; text and CSV start without
// it, at a fraction of the cost, and never look for a display.
bool wantsPdf(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "--format=pdf" || (argument == "--format" && i + 1 < argc && QByteArray(argv[i + 1]) == "pdf"))
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("ROLLVANE_DEBUG"))
        qInstallMessageHandler(onlyFailures);
    std::unique_ptr<QCoreApplication> app;
    if (wantsPdf(argc, argv)) {
        // Without a display the offscreen platform serves, so that the tool runs from cron and
        // over ssh.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
            && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("rollvane-report"));
    QCoreApplication::setOrganizationName(QStringLiteral("Quillmark"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ROLLVANE_VERSION));
    // The office reads the tool's messages and reports in its own language, as in the program.
    startup::installTranslations();

    QFile output;
    QFile errors;
    output.open(stdout, QIODevice::WriteOnly);
    errors.open(stderr, QIODevice::WriteOnly);
    const int status = reports::runReportCommand(QCoreApplication::arguments(), output, errors);
    output.flush();
    errors.flush();
    return status;
}
