#pragma once

#include <QWidget>

class QRadioButton;
class QTimeEdit;

// Setup → Registers a Day…: whether the school takes one register a day or two, the morning's
// and the afternoon's, and from what time the main window opens on the afternoon's. A school
// setting, kept in the register for every computer.
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
};
