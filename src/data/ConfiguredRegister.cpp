// Which register the program opens: the machine-wide settings file decides, and without one the
// register is the SQLite file in the shared data folder, as it always was.
#include "data/Database.h"

#include "app/MachineSettings.h"
#include "app/SharedRoutines.h"

namespace db {

namespace {

ServerAddress serverOf(const MachineSettings& settings)
{
    ServerAddress server;
    server.host = settings.host;
    server.port = settings.port;
    server.database = settings.database;
    server.user = settings.user;
    server.sslmode = settings.sslmode;
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

} // namespace db
