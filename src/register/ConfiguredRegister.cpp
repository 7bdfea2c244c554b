// Which register the program opens: the machine-wide settings file decides, and without one the
// register is the SQLite file in the shared data folder, as it always was.
#include "register/Database.h"

#include "core/Failure.h"
#include "core/MachineSettings.h"
#include "core/SharedRoutines.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace db {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(Database)
};

ServerAddress serverOf(const MachineSettings& settings)
{
    ServerAddress server;
    server.host = settings.host;
    server.port = settings.port;
    server.database = settings.database;
    server.user = settings.user;
    server.sslmode = settings.sslmode;
    server.sslrootcert = settings.sslrootcert;
    server.passfile = settings.passfile;
    return server;
}

} // namespace

bool serverConfigured()
{
    return MachineSettings::read().engine == QLatin1String("postgresql");
}

ServerAddress configuredServer()
{
    return serverOf(MachineSettings::read());
}

void openConfigured()
{
    const MachineSettings settings = MachineSettings::read();
    if (settings.engine == QLatin1String("postgresql"))
        openServer(serverOf(settings));
    else
        open(liveDatabasePath());
}

void openConfiguredReadOnly()
{
    const MachineSettings settings = MachineSettings::read();
    if (settings.engine == QLatin1String("postgresql"))
        openServerReadOnly(serverOf(settings));
    else
        openReadOnly(liveDatabasePath());
}

void makeFolder(const QString& path)
{
    if (!QDir().mkdir(path))
        throw Failure(Text::tr("The folder %1 could not be created.").arg(QDir::toNativeSeparators(path)));
}

void copyTemplate(const QString& from, const QString& to)
{
    QFile source(from);
    if (!source.exists())
        throw Failure(Text::tr("The template register %1 was not found.").arg(QDir::toNativeSeparators(from)));
    if (!source.copy(to))
        throw Failure(Text::tr("The template register could not be copied to %1: %2")
                          .arg(QDir::toNativeSeparators(to), source.errorString()));
    // The register is shared by every user of the machine.
    QFile::setPermissions(
        to, QFile::permissions(to) | QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOwner | QFile::WriteOwner);
}

} // namespace db
