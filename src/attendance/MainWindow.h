#pragma once

#include <QList>
#include <QWidget>

#include <functional>

class QComboBox;
class QDateEdit;
class QGroupBox;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class StudentCard;

// The attendance window (Form1): the class list, the date, one card per student, the day's
// notes, Save and the way to the class and student set-up.
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The start-up steps: data folder, first-run copy of the template, the shared connection,
    // the class list and the card area. Failures are reported and start-up carries on.
    void load();

    // What ends the program after the close handler; tests replace it.
    void setProgramEnd(std::function<void()> end) { m_endProgram = std::move(end); }

    // The class list and the ids beside it (entry k belongs to m_colClassIDs[k]).
    void LoadClassList();
    void ListStudent();
    void ClearCards();
    void LoadAttendance();
    void SaveAttendance();

    const QList<qint64>& classIds() const { return m_colClassIDs; }
    const QList<StudentCard*>& cards() const { return m_cards; }
    bool isChanged() const { return m_bChanged; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildLayout();

    QGroupBox* m_frame1 = nullptr;
    QComboBox* m_combo1 = nullptr;
    QGroupBox* m_frame2 = nullptr;
    QDateEdit* m_dateTimePicker1 = nullptr;
    QWidget* m_picScrollBox = nullptr;
    QWidget* m_picClient = nullptr;
    QGroupBox* m_frame3 = nullptr;
    QPlainTextEdit* m_text1 = nullptr;
    QPushButton* m_pushButton2 = nullptr; // Save
    QPushButton* m_pushButton1 = nullptr; // Setup Students / Classes
    QTimer* m_timer1 = nullptr;

    QList<qint64> m_colClassIDs;
    QList<StudentCard*> m_cards; // card 0 is the template and always exists
    bool m_bChanged = false;
    std::function<void()> m_endProgram;
};
