#include "TestSupport.h"

#include "app/SharedRoutines.h"
#include "backup/AutomaticBackup.h"
#include "data/Database.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QtTest>

TestEnvironment::TestEnvironment()
{
    QDir root(m_dir.path());
    root.mkpath(QStringLiteral("appdata"));
    root.mkpath(QStringLiteral("program"));
    QFile::copy(QStringLiteral(ROLLVANE_TEMPLATE_PATH), programFolder() + QStringLiteral("/dbBlank.mdb"));
    qputenv("ROLLVANE_COMMON_APPDATA", appDataFolder().toLocal8Bit());
    // The machine's own /etc/rollvane/rollvane.conf must not decide a test.
    qputenv("ROLLVANE_CONF", (m_dir.path() + QStringLiteral("/rollvane.conf")).toLocal8Bit());
    overrideProgramFolder(programFolder());
    auto scripted = std::make_unique<ScriptedDialogs>();
    m_dialogs = scripted.get();
    m_previousDialogs = setDialogs(std::move(scripted));
}

TestEnvironment::~TestEnvironment()
{
    // A day's backup still being written belongs to this test's register, not the next one's.
    backup::AutomaticBackup::program().stop();
    db::close();
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

void TestEnvironment::openRegister()
{
    QDir().mkpath(DataFolder());
    QFile::copy(programFolder() + QStringLiteral("/dbBlank.mdb"), livePath());
    QFile::setPermissions(livePath(), QFile::ReadOwner | QFile::WriteOwner);
    db::open(livePath());
}

void TestEnvironment::writeMachineSettings(const QByteArray& content)
{
    QFile file(qEnvironmentVariable("ROLLVANE_CONF"));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
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
