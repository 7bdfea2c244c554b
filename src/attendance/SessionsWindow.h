#pragma once

#include <QWidget>

class QLineEdit;
class QRadioButton;
class QSpinBox;
class QTimeEdit;

// Setup → Register Rules…: whether the school takes one register a day or two, the morning's
// and the afternoon's, and from what time the main window opens on the afternoon's; and whether
// past registers close after some school days to all but the accounts named. School settings,
// kept in the register for every computer.
class SessionsWindow : public QWidget
{
    Q_OBJECT

public:
    static SessionsWindow* showShared(QWidget* parent);

    // Keeps what the form says; going from one register a day to two asks, once, what the marks
    // already taken are. False (nothing written) when the user cancels that question.
    bool save();

private:
    explicit SessionsWindow(QWidget* parent);
    void fill();

    QRadioButton* m_one = nullptr;
    QRadioButton* m_two = nullptr;
    QTimeEdit* m_afternoon = nullptr;
    QSpinBox* m_closeAfter = nullptr;
    QLineEdit* m_accounts = nullptr;
};
