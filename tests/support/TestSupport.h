#pragma once

#include "app/Dialogs.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

// A fresh world for one test: a temporary machine-wide data folder (ROLLVANE_COMMON_APPDATA),
// a program folder holding the built template, no machine-wide settings file unless the test
// writes one (ROLLVANE_CONF), and scripted answers for every dialog.
class TestEnvironment
{
public:
    TestEnvironment();
    ~TestEnvironment();
    TestEnvironment(const TestEnvironment&) = delete;
    TestEnvironment& operator=(const TestEnvironment&) = delete;

    QString root() const { return m_dir.path(); }
    QString appDataFolder() const; // stands for the machine-wide folder
    QString programFolder() const; // holds dbBlank.mdb
    QString livePath() const; // where the register lives

    // Copies the template to the live path and opens it as the shared connection.
    void openRegister();
    // Writes the machine-wide settings file (ROLLVANE_CONF), which is otherwise absent.
    void writeMachineSettings(const QByteArray& content);

    ScriptedDialogs& dialogs() { return *m_dialogs; }

private:
    QTemporaryDir m_dir;
    ScriptedDialogs* m_dialogs;
    std::unique_ptr<UserDialogs> m_previousDialogs;
};

// A plain picture with a coloured square, to tell photos apart.
QImage samplePicture(int width, int height, const QColor& colour);

// Writes a picture to a file in the given format ("bmp", "jpg", "gif", "png"); returns the path.
QString writePicture(const QString& folder, const QString& name, const QImage& picture, const char* format);
