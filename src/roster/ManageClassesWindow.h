#pragma once

#include <QWidget>

// The Manage Classes window (Form2). Only one exists; the main window shows it without waiting.
class ManageClassesWindow : public QWidget
{
    Q_OBJECT

public:
    // Shows the one window, creating (and loading) it on first use or after it was closed.
    static ManageClassesWindow* showShared();
    // The window if it is open, else null.
    static ManageClassesWindow* instance();

    explicit ManageClassesWindow(QWidget* parent = nullptr);
};
