#include "app/LookAndFeel.h"
#include "app/WindowLayout.h"
#include "attendance/MainWindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rollvane"));
    QApplication::setOrganizationName(QStringLiteral("Quillmark"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quillmark.Rollvane"));
    QApplication::setWindowIcon(look::applicationIcon());

    MainWindow window;
    window.load();
    centreOnScreen(&window);
    window.show();
    return app.exec();
}
