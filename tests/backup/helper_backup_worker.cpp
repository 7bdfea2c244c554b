// Another running Rollvane, for the backup tests: holds the instance lock of the register in
// ROLLVANE_COMMON_APPDATA, as a running program does, until a line arrives on standard input.
#include "backup/InstanceLock.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (app.arguments().value(1) != QLatin1String("hold-instance"))
        return 2;
    if (!backup::InstanceLock::program().acquireShared(5000)) {
        std::puts("failed");
        return 1;
    }
    std::puts("locked");
    std::fflush(stdout);
    char line[16];
    if (!std::fgets(line, sizeof line, stdin)) {
        // The test ended without a word: let go all the same.
    }
    backup::InstanceLock::program().release();
    std::puts("released");
    std::fflush(stdout);
    return 0;
}
