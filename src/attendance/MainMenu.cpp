#include "attendance/MainMenu.h"

#include "register/Database.h"
#include "ui/Dialogs.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QKeySequence>
#include <QLocale>
#include <QMenu>

MainMenu::MainMenu(QWidget* parent)
    : QMenuBar(parent)
{
    setObjectName(QStringLiteral("menuBar"));
    // Alt and a letter opens a menu; Register and Reports share the R, so Reports takes the P.
    const std::array<std::pair<const char*, QString>, 4> menus = {{
        {"menuRegister", tr("&Register")},
        {"menuReports", tr("Re&ports")},
        {"menuSetup", tr("&Setup")},
        {"menuHelp", tr("&Help")},
    }};
    for (size_t i = 0; i < menus.size(); ++i) {
        m_menus[i] = addMenu(menus[i].second);
        m_menus[i]->setObjectName(QString::fromLatin1(menus[i].first));
    }

    // Some desktops have no standard key for quitting; Ctrl+Q is what every other one uses.
    QKeySequence quit(QKeySequence::Quit);
    if (quit.isEmpty())
        quit = QKeySequence(Qt::CTRL | Qt::Key_Q);

    addCommand(Menu::Register, Command::Save, "actionSave", tr("&Save"), QKeySequence::Save);
    menu(Menu::Register)->addSeparator();
    addCommand(Menu::Register, Command::MarkAllPresent, "actionMarkAllPresent", tr("Mark &All Present"), {});
    addCommand(
        Menu::Register, Command::CopyPreviousDay, "actionCopyPreviousDay", tr("&Copy Marks From Previous Day"), {});
    // Shown where the school keeps two registers a day.
    addCommand(
        Menu::Register, Command::CopyThisMorning, "actionCopyThisMorning", tr("Copy Marks From This &Morning"), {})
        ->setVisible(false);
    menu(Menu::Register)->addSeparator();
    addCommand(Menu::Register, Command::PreviousDay, "actionPreviousDay", tr("&Previous Day"),
        QKeySequence(Qt::ALT | Qt::Key_Left));
    addCommand(
        Menu::Register, Command::NextDay, "actionNextDay", tr("&Next Day"), QKeySequence(Qt::ALT | Qt::Key_Right));
    addCommand(Menu::Register, Command::Today, "actionToday", tr("&Today"), QKeySequence(Qt::ALT | Qt::Key_Home));
    addCommand(Menu::Register, Command::Reload, "actionReload", tr("&Reload"), QKeySequence::Refresh);
    menu(Menu::Register)->addSeparator();
    addCommand(Menu::Register, Command::PlannedAbsence, "actionPlannedAbsence", tr("Planned A&bsence…"), {});
    menu(Menu::Register)->addSeparator();
    addCommand(Menu::Register, Command::Quit, "actionQuit", tr("&Quit"), quit);
    addCommand(Menu::Setup, Command::StudentsAndClasses, "actionStudentsAndClasses", tr("&Students and Classes…"), {});
    addCommand(Menu::Setup, Command::ImportStudents, "actionImportStudents", tr("&Import Students…"), {});
    addCommand(Menu::Setup, Command::SchoolCalendar, "actionSchoolCalendar", tr("School &Calendar…"), {});
    addCommand(Menu::Setup, Command::AttendanceCodes, "actionAttendanceCodes", tr("&Attendance Codes…"), {});
    addCommand(Menu::Setup, Command::Sessions, "actionSessions", tr("&Register Rules…"), {});
    addCommand(Menu::Setup, Command::NewSchoolYear, "actionNewSchoolYear", tr("&New School Year…"), {});
    menu(Menu::Setup)->addSeparator();
    addCommand(Menu::Setup, Command::Backups, "actionBackups", tr("&Backups…"), {});
    addCommand(Menu::Reports, Command::AttendanceReport, "actionAttendanceReport", tr("&Attendance Report…"),
        QKeySequence(Qt::CTRL | Qt::Key_R));
    addCommand(Menu::Help, Command::Help, "actionHelp", tr("&Help"), QKeySequence::HelpContents);
    addCommand(Menu::Help, Command::About, "actionAbout", tr("&About Rollvane"), {});
}

QAction* MainMenu::addCommand(
    Menu where, Command which, const char* name, const QString& text, const QKeySequence& keys)
{
    QAction* action = menu(where)->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    if (!keys.isEmpty())
        action->setShortcut(keys);
    m_actions[size_t(which)] = action;
    return action;
}

QMenu* MainMenu::menu(Menu which) const
{
    return m_menus[size_t(which)];
}

QAction* MainMenu::action(Command which) const
{
    return m_actions[size_t(which)];
}

QString MainMenu::aboutText()
{
    const QString version = QCoreApplication::applicationVersion();
    QString text = version.isEmpty() ? tr("Rollvane") : tr("Rollvane %1").arg(version);
    text += QStringLiteral("\r\n") + tr("The daily attendance register of a school.") + QStringLiteral("\r\n\r\n");
    if (db::isOpen()) {
        const qint64 size = db::registerSize();
        text += tr("Register: %1").arg(QDir::toNativeSeparators(db::location())) + QStringLiteral("\r\n")
            + tr("Engine: %1").arg(db::engineName()) + QStringLiteral("\r\n")
            + tr("Size: %1").arg(size >= 0 ? QLocale().formattedDataSize(size) : tr("unknown"));
    } else {
        text += tr("The register is not open.");
    }
    text += QStringLiteral("\r\n\r\n")
        + tr("Rollvane is free software: you can redistribute it and/or modify it under the terms of the GNU "
             "General Public License as published by the Free Software Foundation, either version 3 of the "
             "License, or (at your option) any later version.");
    return text;
}

void MainMenu::showAbout(QWidget* parent)
{
    dialogs().message(parent, aboutText(), tr("About Rollvane"), UserDialogs::Icon::Information);
}
