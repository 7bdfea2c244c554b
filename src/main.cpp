#include "attendance/MainWindow.h"
#include "core/Startup.h"
#include "ui/LookAndFeel.h"
#include "ui/WindowLayout.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    if (const std::optional<int> status = startup::handleCommandLine(argc, argv))
        return *status;

    QApplication app(argc, argv);
    startup::nameApplication();
    startup::installTranslations();
    QApplication::setWindowIcon(look::applicationIcon());

    MainWindow window;
    window.load();
    placeOnScreen(&window, QStringLiteral("attendance"), window.designedSize());
    window.show();
    return app.exec();
}
