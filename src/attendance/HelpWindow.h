#pragma once

#include <QWidget>

class QTextBrowser;

// Help → Help (F1): how a register is taken by mouse and keys, the shortcuts, the reports, the
// backups, where the register lives, and whom to ask. One window, kept open beside the register.
class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    static HelpWindow* showShared(QWidget* parent);
    static HelpWindow* instance();

    // The help as HTML, in the user's language, with the register's place as it is now.
    static QString text();

private:
    explicit HelpWindow(QWidget* parent);

    QTextBrowser* m_text = nullptr;
};
