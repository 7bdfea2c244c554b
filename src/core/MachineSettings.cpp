#include "core/MachineSettings.h"

#include "core/Failure.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSettings>

namespace {

// A path of the settings file for the user running the program: a leading "~" is their home
// folder, "%u" their account name.
QString expandedPath(QString path)
{
    if (path.isEmpty())
        return path;
    if (path == QLatin1String("~") || path.startsWith(QLatin1String("~/")))
        path.replace(0, 1, QDir::homePath());
    if (path.contains(QLatin1String("%u"))) {
        QString user = qEnvironmentVariable("USER");
        if (user.isEmpty())
            user = qEnvironmentVariable("LOGNAME");
        path.replace(QLatin1String("%u"), user);
    }
    return path;
}

// The texts of this file, under the context translators find them in.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(MachineSettings)
};

const QHash<QString, QSet<QString>>& knownKeys()
{
    static const QHash<QString, QSet<QString>> keys = {
        {QStringLiteral("register"),
            {QStringLiteral("engine"), QStringLiteral("host"), QStringLiteral("port"), QStringLiteral("database"),
                QStringLiteral("user"), QStringLiteral("sslmode"), QStringLiteral("sslrootcert"),
                QStringLiteral("passfile")}},
        {QStringLiteral("support"), {QStringLiteral("email"), QStringLiteral("web")}},
    };
    return keys;
}

Failure atLine(const QString& path, int line, const QString& what)
{
    return Failure(
        Text::tr("The settings file %1, line %2: %3").arg(QDir::toNativeSeparators(path)).arg(line).arg(what));
}

// QSettings reads the values but says nothing of where a mistake stands; this pass over the
// lines finds what an administrator mistyped and names its line.
void checkLines(const QString& path, const QByteArray& content)
{
    const QList<QByteArray> lines = content.split('\n');
    QString section;
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = QString::fromUtf8(lines.at(i)).trimmed();
        const int number = i + 1;
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            if (!line.endsWith(QLatin1Char(']')))
                throw atLine(path, number, Text::tr("a section name must end with \"]\"."));
            section = line.mid(1, line.size() - 2).trimmed().toLower();
            if (!knownKeys().contains(section))
                throw atLine(path, number,
                    Text::tr("there is no section \"%1\"; the sections are [register] and [support].").arg(section));
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0)
            throw atLine(path, number, Text::tr("expected a line of the form key=value."));
        const QString key = line.left(equals).trimmed().toLower();
        if (section.isEmpty())
            throw atLine(path, number, Text::tr("\"%1\" stands before any section.").arg(key));
        if (key == QLatin1String("password"))
            throw atLine(path, number,
                Text::tr("passwords are never read from this file; put the password in the PostgreSQL password file "
                         "(passfile, PGPASSFILE or ~/.pgpass)."));
        if (!knownKeys().value(section).contains(key))
            throw atLine(path, number, Text::tr("there is no setting \"%1\" in [%2].").arg(key, section));
        const QString value = line.mid(equals + 1).trimmed();
        if (section == QLatin1String("register") && key == QLatin1String("engine")) {
            const QString engine = value.toLower();
            if (engine != QLatin1String("sqlite") && engine != QLatin1String("postgresql"))
                throw atLine(path, number,
                    Text::tr("the engine \"%1\" is not known; use engine=sqlite or engine=postgresql.").arg(value));
        }
        if (section == QLatin1String("register") && key == QLatin1String("sslmode")) {
            static const QStringList modes
                = {QStringLiteral("disable"), QStringLiteral("allow"), QStringLiteral("prefer"),
                    QStringLiteral("require"), QStringLiteral("verify-ca"), QStringLiteral("verify-full")};
            if (!modes.contains(value))
                throw atLine(path, number,
                    Text::tr("the sslmode \"%1\" is not known; use one of %2.")
                        .arg(value, modes.join(QStringLiteral(", "))));
        }
        if (section == QLatin1String("register") && key == QLatin1String("port")) {
            bool ok = false;
            const int port = value.toInt(&ok);
            if (!ok || port <= 0 || port > 65535)
                throw atLine(path, number, Text::tr("the port \"%1\" is not a port number.").arg(value));
        }
    }
}

} // namespace

QString MachineSettings::filePath()
{
    const QString configured = qEnvironmentVariable("ROLLVANE_CONF");
    return configured.isEmpty() ? QStringLiteral("/etc/rollvane/rollvane.conf") : configured;
}

MachineSettings MachineSettings::read()
{
    MachineSettings settings;
    settings.path = filePath();
    const QFileInfo info(settings.path);
    if (!info.exists()) {
        // A file named on purpose that is not there is a mistake to report, not a reason to
        // fall back to a register of this computer's own.
        if (!qEnvironmentVariable("ROLLVANE_CONF").isEmpty())
            throw Failure(Text::tr("The settings file %1 that ROLLVANE_CONF names does not exist.")
                              .arg(QDir::toNativeSeparators(settings.path)));
        return settings;
    }
    QFile file(settings.path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        throw Failure(Text::tr("The settings file %1 cannot be read: %2")
                          .arg(QDir::toNativeSeparators(settings.path),
                              info.isFile() ? file.errorString() : Text::tr("it is not a file")));
    checkLines(settings.path, file.readAll());

    QSettings ini(settings.path, QSettings::IniFormat);
    if (ini.status() != QSettings::NoError)
        throw Failure(
            Text::tr("The settings file %1 cannot be read as settings.").arg(QDir::toNativeSeparators(settings.path)));
    // Keys are matched without regard to case, as the check above does.
    const auto value = [&ini](const QString& group, const QString& key) {
        for (const QString& candidate : ini.allKeys()) {
            if (candidate.compare(group + QLatin1Char('/') + key, Qt::CaseInsensitive) == 0)
                return ini.value(candidate).toString().trimmed();
        }
        return QString();
    };
    const QString engine = value(QStringLiteral("register"), QStringLiteral("engine")).toLower();
    if (!engine.isEmpty())
        settings.engine = engine;
    settings.host = value(QStringLiteral("register"), QStringLiteral("host"));
    if (const QString port = value(QStringLiteral("register"), QStringLiteral("port")); !port.isEmpty())
        settings.port = port.toInt();
    settings.database = value(QStringLiteral("register"), QStringLiteral("database"));
    settings.user = value(QStringLiteral("register"), QStringLiteral("user"));
    settings.sslmode = value(QStringLiteral("register"), QStringLiteral("sslmode"));
    settings.sslrootcert = expandedPath(value(QStringLiteral("register"), QStringLiteral("sslrootcert")));
    // One settings file serves every teacher of a computer: "~" and "%u" name each user's own
    // password file, which only that user can read.
    settings.passfile = expandedPath(value(QStringLiteral("register"), QStringLiteral("passfile")));
    settings.supportEmail = value(QStringLiteral("support"), QStringLiteral("email"));
    settings.supportWeb = value(QStringLiteral("support"), QStringLiteral("web"));
    return settings;
}

MachineSettings MachineSettings::readOrDefaults()
{
    try {
        return read();
    } catch (const Failure&) {
        MachineSettings settings;
        settings.path = filePath();
        return settings;
    }
}
