// rollvane-report: the register's reports on a terminal, for an office's scripts.
#include "core/Startup.h"
#include "reports/ReportCommand.h"

#include <QFile>
#include <QGuiApplication>

#include <cstdio>

namespace {

// Scripts read the error stream for the tool's own one-line message; Qt's notes about the
// session it runs in (no runtime folder, no display) would only be in the way.
void onlyFailures(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

} // namespace

int main(int argc, char* argv[])
{
    // PDF pages need fonts, and fonts need a platform: without a display the offscreen one
    // serves, so that the tool runs from cron and over ssh.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("ROLLVANE_DEBUG"))
        qInstallMessageHandler(onlyFailures);
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("rollvane-report"));
    QGuiApplication::setOrganizationName(QStringLiteral("Quillmark"));
    QGuiApplication::setApplicationVersion(QStringLiteral(ROLLVANE_VERSION));
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
