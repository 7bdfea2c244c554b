// Writes the empty register that the program copies on its first start.
#include "core/Failure.h"
#include "core/Startup.h"
#include "register/Database.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    startup::nameApplication();
    if (argc != 2) {
        std::fprintf(stderr, "usage: rollvane-mkblank <path of dbBlank.mdb>\n");
        return 2;
    }
    try {
        db::createTemplate(QString::fromLocal8Bit(argv[1]));
    } catch (const Failure& failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        return 1;
    }
    return 0;
}
