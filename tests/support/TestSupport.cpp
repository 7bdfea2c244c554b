#include "TestSupport.h"

#include "backup/AutomaticBackup.h"
#include "core/SharedRoutines.h"
#include "register/Database.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

#include <unistd.h>

namespace {

constexpr auto kAdminConnection = "TestServerAdmin";

// A connection to the server's own maintenance database, for making and dropping the tests'
// databases. Kept for the whole run.
QSqlDatabase admin(const TestServer& server, QString* problem = nullptr)
{
    const QString name = QStringLiteral("%1 %2 %3").arg(QLatin1String(kAdminConnection), server.host).arg(server.port);
    QSqlDatabase database = QSqlDatabase::contains(name) ? QSqlDatabase::database(name, false)
                                                         : QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
    if (database.isOpen())
        return database;
    database.setHostName(server.host);
    database.setPort(server.port);
    database.setUserName(server.user);
    database.setDatabaseName(QStringLiteral("postgres"));
    database.setConnectOptions(QStringLiteral("connect_timeout=10;application_name=RollvaneTests"));
    if (!database.open() && problem)
        *problem = QStringLiteral("the test server at %1 cannot be reached: %2")
                       .arg(server.host, database.lastError().text());
    return database;
}

bool exec(QSqlDatabase database, const QString& sql)
{
    QSqlQuery query(database);
    if (query.exec(sql))
        return true;
    qWarning("%s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
    return false;
}

} // namespace

bool onServer()
{
    return qEnvironmentVariable("ROLLVANE_TEST_ENGINE") == QLatin1String("postgresql");
}

bool testServerRequired()
{
    return qEnvironmentVariable("ROLLVANE_TEST_SERVER_REQUIRED") == QLatin1String("1");
}

TestServer TestServer::shared()
{
    TestServer server;
    server.host = qEnvironmentVariable("ROLLVANE_TEST_PGHOST");
    bool ok = false;
    const int port = qEnvironmentVariableIntValue("ROLLVANE_TEST_PGPORT", &ok);
    server.port = ok ? port : 5432;
    server.user = qEnvironmentVariable("ROLLVANE_TEST_PGUSER", QStringLiteral("postgres"));
    return server;
}

bool TestServer::exec(const QString& sql) const
{
    return ::exec(admin(*this), sql);
}

QString testServerProblem(bool always)
{
    if (!onServer() && !always)
        return QString();
    const TestServer server = TestServer::shared();
    if (server.host.isEmpty())
        return QStringLiteral("no test server is named (ROLLVANE_TEST_PGHOST is not set); scripts/test.sh starts one");
    QString problem;
    admin(server, &problem);
    return problem;
}

TestEnvironment::TestEnvironment()
{
    if (onServer())
        m_server = TestServer::shared();
    setUp();
}

TestEnvironment::TestEnvironment(const TestServer& server)
    : m_server(server)
{
    setUp();
}

void TestEnvironment::setUp()
{
    QDir root(m_dir.path());
    root.mkpath(QStringLiteral("appdata"));
    root.mkpath(QStringLiteral("program"));
    QFile::copy(QStringLiteral(ROLLVANE_TEMPLATE_PATH), programFolder() + QStringLiteral("/dbBlank.mdb"));
    qputenv("ROLLVANE_COMMON_APPDATA", appDataFolder().toLocal8Bit());
    // The machine's own settings file never reaches a test: each has one of its own, empty
    // (the register in its data folder) until a test writes to it.
    qputenv("ROLLVANE_CONF", settingsPath().toLocal8Bit());
    QFile(settingsPath()).open(QIODevice::WriteOnly | QIODevice::Append);
    // Nor the user's own: what one test leaves open is not the next one's start.
    qputenv("ROLLVANE_USER_CONF", (m_dir.path() + QStringLiteral("/user.conf")).toLocal8Bit());
    overrideProgramFolder(programFolder());
    auto scripted = std::make_unique<ScriptedDialogs>();
    m_dialogs = scripted.get();
    m_previousDialogs = setDialogs(std::move(scripted));
    if (m_server)
        createDatabase();
}

void TestEnvironment::createDatabase()
{
    static int made = 0;
    m_database = QStringLiteral("rv_test_%1_%2").arg(::getpid()).arg(++made);
    QSqlDatabase server = admin(*m_server);
    if (!exec(server, QStringLiteral("CREATE DATABASE %1 ENCODING 'UTF8' TEMPLATE template0").arg(m_database)))
        qWarning("the test database %s could not be made", qPrintable(m_database));
    QFile settings(settingsPath());
    if (settings.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        settings.write(QStringLiteral("[register]\nengine=postgresql\nhost=%1\nport=%2\ndatabase=%3\nuser=%4\n")
                           .arg(m_server->host)
                           .arg(m_server->port)
                           .arg(m_database, m_server->user)
                           .toUtf8());
    }
}

TestEnvironment::~TestEnvironment()
{
    // A day's backup still being written belongs to this test's register, not the next one's.
    backup::AutomaticBackup::program().stop();
    db::close();
    if (m_server) {
        // The maintenance connection may have outlived a restart of the server.
        const QString drop = QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(m_database);
        QSqlDatabase server = admin(*m_server);
        if (!server.isOpen() || !QSqlQuery(server).exec(drop)) {
            server.close();
            server = admin(*m_server);
            if (server.isOpen())
                exec(server, drop);
        }
    }
    setDialogs(std::move(m_previousDialogs));
    overrideProgramFolder(QString());
    qunsetenv("ROLLVANE_COMMON_APPDATA");
    qunsetenv("ROLLVANE_CONF");
}

QString TestEnvironment::appDataFolder() const
{
    return m_dir.path() + QStringLiteral("/appdata");
}

QString TestEnvironment::programFolder() const
{
    return m_dir.path() + QStringLiteral("/program");
}

QString TestEnvironment::livePath() const
{
    return liveDatabasePath();
}

QString TestEnvironment::settingsPath() const
{
    return m_dir.path() + QStringLiteral("/rollvane.conf");
}

db::ServerAddress TestEnvironment::server() const
{
    db::ServerAddress address;
    if (m_server) {
        address.host = m_server->host;
        address.port = m_server->port;
        address.user = m_server->user;
        address.database = m_database;
    }
    return address;
}

void TestEnvironment::openRegister()
{
    if (!m_server) {
        QDir().mkpath(DataFolder());
        QFile::copy(programFolder() + QStringLiteral("/dbBlank.mdb"), livePath());
        QFile::setPermissions(livePath(), QFile::ReadOwner | QFile::WriteOwner);
    }
    db::openConfigured();
}

void TestEnvironment::reopenRegister()
{
    db::openConfigured();
}

QSqlDatabase TestEnvironment::otherConnection(const QString& name) const
{
    if (!m_server) {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        database.setDatabaseName(livePath());
        database.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        database.open();
        return database;
    }
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
    database.setHostName(m_server->host);
    database.setPort(m_server->port);
    database.setUserName(m_server->user);
    database.setDatabaseName(m_database);
    database.setConnectOptions(QStringLiteral("application_name=RollvaneTests"));
    database.open();
    return database;
}

void TestEnvironment::refuseWrites(const QString& table, const QString& event, const QString& condition)
{
    QSqlQuery query(db::connection());
    if (!m_server) {
        const QString when = condition.isEmpty() ? QString() : QStringLiteral(" WHEN ") + condition;
        QVERIFY2(query.exec(QStringLiteral("CREATE TRIGGER refuse BEFORE %1 ON %2%3 BEGIN SELECT RAISE(ABORT, "
                                           "'refused by the test'); END")
                                .arg(event, table, when)),
            qPrintable(query.lastError().text()));
        return;
    }
    QVERIFY2(query.exec(QStringLiteral("CREATE OR REPLACE FUNCTION refuse() RETURNS trigger LANGUAGE plpgsql AS $$ "
                                       "BEGIN RAISE EXCEPTION 'refused by the test'; END $$")),
        qPrintable(query.lastError().text()));
    const QString when = condition.isEmpty() ? QString() : QStringLiteral(" WHEN (%1)").arg(condition);
    QVERIFY2(query.exec(QStringLiteral("CREATE TRIGGER refuse BEFORE %1 ON %2 FOR EACH ROW%3 EXECUTE FUNCTION refuse()")
                            .arg(event, table, when)),
        qPrintable(query.lastError().text()));
}

void TestEnvironment::allowWrites(const QString& table)
{
    QSqlQuery query(db::connection());
    const QString drop
        = m_server ? QStringLiteral("DROP TRIGGER refuse ON %1").arg(table) : QStringLiteral("DROP TRIGGER refuse");
    QVERIFY2(query.exec(drop), qPrintable(query.lastError().text()));
}

PrivateServer::PrivateServer() = default;

PrivateServer::~PrivateServer()
{
    stop(QStringLiteral("immediate"));
}

bool PrivateServer::script(const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral("bash"),
        QStringList {QStringLiteral(ROLLVANE_SOURCE_DIR "/scripts/test-server.sh")} + arguments);
    if (!process.waitForFinished(120000) || process.exitCode() != 0) {
        m_error = QString::fromLocal8Bit(process.readAll()).trimmed();
        if (m_error.isEmpty())
            m_error = QStringLiteral("scripts/test-server.sh %1 failed").arg(arguments.join(QLatin1Char(' ')));
        return false;
    }
    return true;
}

bool PrivateServer::start(int tcpPort)
{
    QStringList arguments {QStringLiteral("start"), m_dir.path()};
    if (tcpPort > 0) {
        arguments << QStringLiteral("--tcp") << QString::number(tcpPort);
        m_port = tcpPort;
    }
    return m_dir.isValid() && script(arguments);
}

bool PrivateServer::stop(const QString& mode)
{
    return script({QStringLiteral("stop"), m_dir.path(), mode});
}

TestServer PrivateServer::address() const
{
    TestServer server;
    server.host = m_dir.path();
    server.port = m_port;
    server.user = QStringLiteral("postgres");
    return server;
}

void TestEnvironment::writeMachineSettings(const QByteArray& content)
{
    // On the server the file names the test's database: that section stays, the rest is replaced.
    QByteArray kept;
    QFile file(settingsPath());
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray old = file.readAll();
        const qsizetype start = old.indexOf("[register]");
        if (start >= 0) {
            const qsizetype end = old.indexOf("\n[", start + 1);
            kept = old.mid(start, end < 0 ? -1 : end - start + 1);
        }
        file.close();
    }
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(kept + content);
}

bool nearColour(const QColor& actual, const QColor& expected)
{
    constexpr int tolerance = 10;
    return std::abs(actual.red() - expected.red()) <= tolerance
        && std::abs(actual.green() - expected.green()) <= tolerance
        && std::abs(actual.blue() - expected.blue()) <= tolerance;
}

QImage samplePicture(int width, int height, const QColor& colour)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.fillRect(width / 4, height / 4, width / 2, height / 2, colour);
    return picture;
}

QString writePicture(const QString& folder, const QString& name, const QImage& picture, const char* format)
{
    const QString path = folder + QLatin1Char('/') + name;
    picture.save(path, format);
    return path;
}
