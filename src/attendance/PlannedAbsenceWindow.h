#pragma once

#include <QWidget>

class QComboBox;
class QDateEdit;
class QLineEdit;
class QTableWidget;

// Register → Planned Absence…: an absence known before its days (a hospital stay, a funeral, a
// trip with another school), entered once for one student over a range of days. Each school day
// it covers opens with the code already on the student's card; the days the calendar keeps free
// are skipped. The list shows every plan, to review and cancel.
class PlannedAbsenceWindow : public QWidget
{
    Q_OBJECT

public:
    static PlannedAbsenceWindow* showShared(QWidget* parent);
    static PlannedAbsenceWindow* instance();

    // Adds the plan the form describes; false (with a message) when it cannot.
    bool addPlan();
    // Cancels the plans selected in the list, after asking.
    void cancelSelected();

private:
    explicit PlannedAbsenceWindow(QWidget* parent);
    void fill();

    QComboBox* m_student = nullptr;
    QComboBox* m_code = nullptr;
    QDateEdit* m_from = nullptr;
    QDateEdit* m_to = nullptr;
    QLineEdit* m_reason = nullptr;
    QTableWidget* m_list = nullptr;
};
