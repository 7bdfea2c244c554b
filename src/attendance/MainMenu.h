#pragma once

#include <QMenuBar>

#include <array>

class QAction;
class QMenu;

// The main window's menu bar: Register, Reports, Setup and Help, each command one action that
// the window wires to the same handler as its button. Other parts of the program add their
// commands to these menus through menu().
class MainMenu : public QMenuBar
{
    Q_OBJECT

public:
    enum class Menu { Register, Reports, Setup, Help };
    enum class Command {
        Save,
        MarkAllPresent,
        CopyPreviousDay,
        CopyThisMorning,
        PreviousDay,
        NextDay,
        Today,
        Reload,
        PlannedAbsence,
        Quit,
        StudentsAndClasses,
        Backups,
        ImportStudents,
        SchoolCalendar,
        AttendanceCodes,
        Sessions,
        NewSchoolYear,
        AttendanceReport,
        Help,
        About,
    };

    explicit MainMenu(QWidget* parent);

    // Object names menuRegister, menuReports, menuSetup, menuHelp.
    QMenu* menu(Menu which) const;
    // Object names actionSave, actionMarkAllPresent, actionCopyPreviousDay, actionCopyThisMorning, actionPreviousDay,
    // actionNextDay, actionToday, actionReload, actionQuit, actionStudentsAndClasses, actionBackups,
    // actionImportStudents, actionSchoolCalendar, actionAttendanceCodes, actionSessions, actionNewSchoolYear,
    // actionAttendanceReport, actionHelp, actionAbout.
    QAction* action(Command which) const;

    // The About box's text: the version, where the register is, its engine and size, the licence.
    static QString aboutText();
    static void showAbout(QWidget* parent);

private:
    QAction* addCommand(Menu where, Command which, const char* name, const QString& text, const QKeySequence& keys);

    std::array<QMenu*, 4> m_menus {};
    // One per command, sized by the enum so that a new command cannot write past the end.
    std::array<QAction*, size_t(Command::About) + 1> m_actions {};
};
