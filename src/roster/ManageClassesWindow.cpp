#include "roster/ManageClassesWindow.h"

#include <QPointer>

namespace {
QPointer<ManageClassesWindow>& shared()
{
    static QPointer<ManageClassesWindow> window;
    return window;
}
} // namespace

ManageClassesWindow* ManageClassesWindow::showShared()
{
    if (!shared()) {
        shared() = new ManageClassesWindow;
        shared()->setAttribute(Qt::WA_DeleteOnClose);
    }
    shared()->show();
    shared()->raise();
    shared()->activateWindow();
    return shared();
}

ManageClassesWindow* ManageClassesWindow::instance()
{
    return shared();
}

ManageClassesWindow::ManageClassesWindow(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(tr("Manage Classes"));
}
