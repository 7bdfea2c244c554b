#include "app/LookAndFeel.h"
#include "app/Startup.h"
#include "app/WindowLayout.h"
#include "attendance/MainWindow.h"

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
    centreOnScreen(&window);
    window.show();
    return app.exec();
}
