#pragma once

#include <QString>

// The machine-wide settings file, /etc/rollvane/rollvane.conf (ROLLVANE_CONF names another
// file). An INI file an administrator writes by hand:
//
//   [register]        where the register is: engine=sqlite (the default) or engine=postgresql
//                     with host, port, database, user, sslmode, sslrootcert and passfile
//   [support]         the school's own help: email, web
//
// No file at all is the ordinary case and means every default.
struct MachineSettings
{
    QString path; // the file read, or would have been read

    QString engine = QStringLiteral("sqlite");
    QString host;
    int port = 5432;
    QString database;
    QString user;
    QString sslmode;
    QString sslrootcert; // the CA certificate that sslmode=verify-ca or verify-full checks against
    QString passfile; // "~" and "%u" already made the running user's

    QString supportEmail;
    QString supportWeb;

    // Reads and checks the file. A file that cannot be read, or names a section, key or engine
    // the program does not know, throws a failure naming the file and the line. Passwords are
    // never taken from this file.
    static MachineSettings read();
    // The same, but never throws: a file in error gives the defaults.
    static MachineSettings readOrDefaults();
    static QString filePath();
};
