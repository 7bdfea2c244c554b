#include "core/Startup.h"

#include "core/SharedRoutines.h"
#include "core/Version.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>

namespace startup {
namespace {

// The texts of this file, under the context translators find them in.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(Startup)
};

void print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

// The options Qt's application objects take for themselves. They are accepted here so that a
// session manager or a user can still pass them, and left out of the help.
void acceptQtOptions(QCommandLineParser& parser)
{
    for (const char* name :
        {"platform", "platformpluginpath", "platformtheme", "plugin", "qmljsdebugger", "qwindowgeometry", "qwindowicon",
            "qwindowtitle", "session", "display", "geometry", "style", "stylesheet", "name", "title"}) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : {"reverse", "widgetcount", "nograb", "dograb", "sync"}) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

bool hasDisplay(const QCommandLineParser& parser)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return parser.isSet(QStringLiteral("platform")) || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")
        || !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    Q_UNUSED(parser);
    return true;
#endif
}

bool load(QTranslator& translator, const QString& name, const QStringList& folders)
{
    for (const QString& folder : folders) {
        if (translator.load(QLocale(), name, QStringLiteral("_"), folder))
            return true;
    }
    return false;
}

} // namespace

std::optional<int> handleCommandLine(int argc, char* argv[])
{
    // A core application only: it needs no display, so --help works on a server's console too.
    QCoreApplication application(argc, argv);
    nameApplication();
    installTranslations();

    QCommandLineParser parser;
    parser.setApplicationDescription(Text::tr("Rollvane keeps a school's daily attendance register."));
    // Qt's own options are written with one dash (-platform offscreen).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    acceptQtOptions(parser);

    const QString command = QStringLiteral("rollvane");
    const bool parsed = parser.parse(QCoreApplication::arguments());
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        print(stdout, parser.helpText());
        return 0;
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("%1 %2\n").arg(QString::fromLatin1(kProductName), QLatin1String(kVersion)));
        return 0;
    }
    if (!parsed || !parser.positionalArguments().isEmpty()) {
        const QString problem = !parsed
            ? parser.errorText()
            : Text::tr("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst());
        print(stderr,
            QStringLiteral("%1: %2\n").arg(command, problem)
                + Text::tr("Try '%1 --help' for more information.").arg(command) + QLatin1Char('\n'));
        return 2;
    }
    if (!hasDisplay(parser)) {
        // Without this, Qt aborts with a message about platform plugins that means nothing to
        // someone who started the program from a text console or over ssh.
        print(stderr,
            QStringLiteral("%1: ").arg(command)
                + Text::tr(
                    "Rollvane needs a graphical desktop, and none was found (neither DISPLAY nor WAYLAND_DISPLAY "
                    "is set).")
                + QLatin1Char('\n'));
        return 1;
    }
    return std::nullopt;
}

void nameApplication()
{
    QCoreApplication::setApplicationName(QString::fromLatin1(kProductName));
    QCoreApplication::setOrganizationName(QStringLiteral("Quillmark"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kVersion));
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        QGuiApplication::setDesktopFileName(QStringLiteral("org.quillmark.Rollvane"));
}

bool installTranslations()
{
    QCoreApplication* application = QCoreApplication::instance();
    // Qt's own first: the program's translation, installed last, is asked first.
    auto* qt = new QTranslator(application);
    if (load(*qt, QStringLiteral("qtbase"), {QLibraryInfo::path(QLibraryInfo::TranslationsPath)}))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    auto* own = new QTranslator(application);
    // Without a language of ours (no LANG at all, or one not shipped) the texts are English,
    // and English still needs its plural forms: "72 students", not "72 student(s)".
    const auto english = [&own] {
        for (const QString& folder : translationFolders()) {
            if (own->load(QStringLiteral("rollvane_en"), folder))
                return true;
        }
        return false;
    };
    if (!load(*own, QStringLiteral("rollvane"), translationFolders()) && !english()) {
        delete own;
        return false;
    }
    QCoreApplication::installTranslator(own);
    return true;
}

QStringList translationFolders()
{
    // The program's own folder, not ProgramFolder(): tests move that to a folder of their own,
    // while the translations stay where the build put them. Installed, the program lives in
    // lib/rollvane and its translations in share/rollvane/translations (cmake/Packaging.cmake).
    const QString folder = QCoreApplication::applicationDirPath();
    return {folder + QStringLiteral("/translations"),
        QDir::cleanPath(folder + QStringLiteral("/../../share/rollvane/translations"))};
}

} // namespace startup
