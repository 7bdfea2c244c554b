#pragma once

#include "ui/WindowLayout.h"

#include <QDate>
#include <QList>
#include <QWidget>

#include <optional>

class QComboBox;
class QGroupBox;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class StepRunner;
template <typename Window> class SharedWindow;

// The Manage Classes window (Form2). Only one exists; the main window shows it without waiting.
class ManageClassesWindow : public QWidget
{
    Q_OBJECT

public:
    // The student list carries each row's student id in this role of its first column.
    static constexpr int kStudentIdRole = Qt::UserRole;

    // Shows the one window, creating (and loading) it on first use or after it was closed.
    static ManageClassesWindow* showShared();
    // The window if it is open, else null.
    static ManageClassesWindow* instance();
    // The program's help text, in a message box over the given window.
    static void showHelp(QWidget* parent);

    explicit ManageClassesWindow(QWidget* parent = nullptr);

    // Form_Load: colours, icon, pointer, the class list and the student list's columns.
    void load();

    void FillClassList();
    void FillStudentList();

    // The command buttons, in the order of their object names.
    void PushButton1_Click(); // Add New Class
    void PushButton2_Click(); // Delete Class
    void PushButton3_Click(); // Add Student
    void PushButton4_Click(); // Edit Student
    void PushButton5_Click(); // Delete Student
    void PushButton6_Click(); // Help
    void PushButton7_Click(); // Import Photos, for the selected class

    // The student list's menu: the selected student moves to another class, or leaves the
    // school, from a day the user gives (today unless changed).
    void moveSelectedStudent(qint64 classId);
    void selectedStudentLeaves();
    // The class box's menu renames the class; the student list's removes the student's photo.
    void renameSelectedClass();
    void removeSelectedPhoto();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    using Shared = SharedWindow<ManageClassesWindow>;
    void buildLayout();
    std::optional<qint64> selectedClassId() const;
    QTreeWidgetItem* selectedStudentRow() const;
    // Step 100 of Edit and Delete Student: the selected row of a list that has rows, or none.
    QTreeWidgetItem* studentRowToActOn(StepRunner& steps) const;
    void showStudentMenu(const QPoint& position);
    void showClassMenu(const QPoint& position);
    // Whether the name can be a class's, other than the given class's own; says why not.
    bool acceptClassName(const QString& name, std::optional<qint64> except);
    // The day asked for in an input box, today offered; none when cancelled or not a date (said).
    std::optional<QDate> askDay(const QString& prompt, const QString& title);

    QGroupBox* m_frame1 = nullptr;
    QComboBox* m_combo1 = nullptr;
    QTreeWidget* m_listView1 = nullptr;
    QList<QPushButton*> m_pushButtons; // PushButton1 to PushButton7
    StretchLayout m_stretch; // taller, the student list takes it all; wider, everything widens

    // One id per class box entry, in the same order; names are never keys.
    QList<qint64> m_colClassIDs;
};
