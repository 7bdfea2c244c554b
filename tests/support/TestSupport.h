#pragma once

#include "register/Database.h"
#include "ui/Dialogs.h"

#include <QColor>
#include <QImage>
#include <QSqlDatabase>
#include <QString>
#include <QTemporaryDir>

// The engine the tests run against: the SQLite file, or a PostgreSQL server when
// ROLLVANE_TEST_ENGINE=postgresql (scripts/test.sh starts one and names it through
// ROLLVANE_TEST_PGHOST, ROLLVANE_TEST_PGPORT and ROLLVANE_TEST_PGUSER).
bool onServer();
// Why the server variant cannot run here; empty when it can (or when it runs on SQLite). With
// always, whether the shared test server can be used, whatever the engine.
QString testServerProblem(bool always = false);
// CI sets ROLLVANE_TEST_SERVER_REQUIRED=1: a server variant without its server then fails
// instead of being skipped.
bool testServerRequired();

// In initTestCase of a suite that runs on both engines.
#define REQUIRE_TEST_ENGINE()                                                                                          \
    do {                                                                                                               \
        const QString problem = testServerProblem();                                                                   \
        if (!problem.isEmpty()) {                                                                                      \
            if (testServerRequired())                                                                                  \
                QFAIL(qPrintable(problem));                                                                            \
            QSKIP(qPrintable(problem));                                                                                \
        }                                                                                                              \
    } while (false)

// In initTestCase of a suite that needs the test server whatever the engine.
#define REQUIRE_TEST_SERVER()                                                                                          \
    do {                                                                                                               \
        const QString problem = testServerProblem(true);                                                               \
        if (!problem.isEmpty()) {                                                                                      \
            if (testServerRequired())                                                                                  \
                QFAIL(qPrintable(problem));                                                                            \
            QSKIP(qPrintable(problem));                                                                                \
        }                                                                                                              \
    } while (false)

// A case about the SQLite file itself (its pragmas, its damage, its permissions).
#define SQLITE_ONLY(reason)                                                                                            \
    do {                                                                                                               \
        if (onServer())                                                                                                \
            QSKIP("SQLite only: " reason);                                                                             \
    } while (false)
#define SERVER_ONLY(reason)                                                                                            \
    do {                                                                                                               \
        if (!onServer())                                                                                               \
            QSKIP("server only: " reason);                                                                             \
    } while (false)

// A PostgreSQL server the tests may make databases on.
struct TestServer
{
    QString host; // a socket folder
    int port = 5432;
    QString user;
    // The one scripts/test.sh started.
    static TestServer shared();
    // Runs a statement as the superuser in the server's maintenance database (roles, databases,
    // the server's settings); false, with a warning, when the server refuses it.
    bool exec(const QString& sql) const;
};

// A fresh world for one test: a temporary machine-wide data folder (ROLLVANE_COMMON_APPDATA),
// a program folder holding the built template, a settings file of its own (ROLLVANE_CONF) and
// scripted answers for every dialog. On the server, a new empty database of its own, which the
// settings file names and which goes with the environment.
class TestEnvironment
{
public:
    TestEnvironment();
    // A register on the given server, whatever engine the suite runs on.
    explicit TestEnvironment(const TestServer& server);
    ~TestEnvironment();
    TestEnvironment(const TestEnvironment&) = delete;
    TestEnvironment& operator=(const TestEnvironment&) = delete;

    QString root() const { return m_dir.path(); }
    QString appDataFolder() const; // stands for the machine-wide folder
    QString programFolder() const; // holds dbBlank.mdb
    QString livePath() const; // where the SQLite register lives
    QString settingsPath() const; // the settings file the program reads
    bool serverRegister() const { return m_server.has_value(); }
    db::ServerAddress server() const; // the server register's address
    QString databaseName() const { return m_database; }

    // Opens a fresh register as the shared connection: a copy of the template, or the empty
    // server database (which gets its tables on opening).
    void openRegister();
    // Opens the register again, as the program does at start-up.
    void reopenRegister();
    // A connection of its own to the same register, as another user's program would have.
    QSqlDatabase otherConnection(const QString& name) const;
    // Makes writes of the given kind to a table fail from here on (a trigger of the engine's),
    // for the rows that meet the condition (in NEW.column terms); allowWrites ends it.
    void refuseWrites(const QString& table, const QString& event, const QString& condition = QString());
    void allowWrites(const QString& table);
    // Adds sections to the settings file (ROLLVANE_CONF), keeping where the register is.
    void writeMachineSettings(const QByteArray& content);

    ScriptedDialogs& dialogs() { return *m_dialogs; }

private:
    void setUp();
    void createDatabase();

    QTemporaryDir m_dir;
    ScriptedDialogs* m_dialogs;
    std::unique_ptr<UserDialogs> m_previousDialogs;
    std::optional<TestServer> m_server;
    QString m_database;
};

// A PostgreSQL server of a test's own, made in a temporary folder by scripts/test-server.sh,
// for the cases that stop the server.
class PrivateServer
{
public:
    PrivateServer();
    ~PrivateServer();
    PrivateServer(const PrivateServer&) = delete;
    PrivateServer& operator=(const PrivateServer&) = delete;

    // False (with the reason in error()) when it cannot be started. With a port, it also listens
    // on 127.0.0.1 there and holds a certificate for "localhost", SSL off until turned on.
    bool start(int tcpPort = 0);
    bool stop(const QString& mode = QStringLiteral("fast"));
    QString error() const { return m_error; }
    TestServer address() const;

private:
    bool script(const QStringList& arguments);
    QTemporaryDir m_dir;
    QString m_error;
    int m_port = 5432;
};

// Whether a colour read back from a photo is the one stored, within what JPEG's compression
// changes in a plain area.
bool nearColour(const QColor& actual, const QColor& expected);
#define QCOMPARE_COLOUR(actual, expected)                                                                              \
    QVERIFY2(nearColour(QColor(actual), QColor(expected)),                                                             \
        qPrintable(QColor(actual).name() + QStringLiteral(" is not near ") + QColor(expected).name()))

// A plain picture with a coloured square, to tell photos apart.
QImage samplePicture(int width, int height, const QColor& colour);

// Writes a picture to a file in the given format ("bmp", "jpg", "gif", "png"); returns the path.
QString writePicture(const QString& folder, const QString& name, const QImage& picture, const char* format);
