#include "attendance/MainWindow.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rollvane"));
    QApplication::setOrganizationName(QStringLiteral("Quillmark"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/rollvane.svg")));

    MainWindow window;
    window.load();
    window.show();
    return app.exec();
}
