#include "TestSupport.h"

#include "core/Version.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <filesystem>

namespace {

constexpr auto kAppId = "org.quillmark.Rollvane";

QString buildFolder()
{
    return QFileInfo(QStringLiteral(ROLLVANE_BIN_DIR) + QStringLiteral("/..")).canonicalFilePath();
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The keys of a desktop entry's main group.
QHash<QString, QString> desktopEntry(const QString& path)
{
    QHash<QString, QString> keys;
    bool inEntry = false;
    for (const QByteArray& raw : contents(path).split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inEntry = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (inEntry && equals > 0 && !line.startsWith(QLatin1Char('#')))
            keys.insert(line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
    }
    return keys;
}

} // namespace

// Installs the build into a temporary root, as a package would, and checks that the program,
// the files it needs beside it and the desktop's files are where they are looked for.
class TestInstall : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        const QString cmake = QStandardPaths::findExecutable(QStringLiteral("cmake"));
        QVERIFY2(!cmake.isEmpty(), "cmake is needed to install the build");
        QVERIFY2(QFileInfo::exists(QStringLiteral(ROLLVANE_BIN_DIR) + QStringLiteral("/rollvane")),
            "build the rollvane program before this test");

        QProcess install;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DESTDIR"), m_root.path());
        install.setProcessEnvironment(environment);
        install.setProcessChannelMode(QProcess::MergedChannels);
        install.start(
            cmake, {QStringLiteral("--install"), buildFolder(), QStringLiteral("--prefix"), QStringLiteral("/usr")});
        QVERIFY(install.waitForFinished(120000));
        QVERIFY2(
            install.exitStatus() == QProcess::NormalExit && install.exitCode() == 0, install.readAll().constData());
        m_usr = m_root.path() + QStringLiteral("/usr");
    }

    void programAndItsFilesShareOneFolder()
    {
        const QFileInfo program(m_usr + QStringLiteral("/lib/rollvane/rollvane"));
        QVERIFY(program.isFile());
        QVERIFY(program.isExecutable());
        const QString blank = m_usr + QStringLiteral("/lib/rollvane/dbBlank.mdb");
        QVERIFY(QFileInfo(blank).size() > 0);
        QCOMPARE(contents(blank), contents(QStringLiteral(ROLLVANE_TEMPLATE_PATH)));
    }

    void commandOnThePathIsARelativeLink()
    {
        for (const char* name : {"rollvane", "rollvane-admin"}) {
            const QString command = m_usr + QStringLiteral("/bin/") + QLatin1String(name);
            QVERIFY2(QFileInfo(command).isSymLink(), name);
            // Relative, so the link still points at the program once the root is the real one.
            const std::filesystem::path target = std::filesystem::read_symlink(QFile::encodeName(command).constData());
            QVERIFY2(target.is_relative(), target.c_str());
            QCOMPARE(QFileInfo(command).canonicalFilePath(),
                QFileInfo(m_usr + QStringLiteral("/lib/rollvane/") + QLatin1String(name)).canonicalFilePath());
        }
    }

    void reportToolIsOnThePathAndRuns()
    {
        const QString command = m_usr + QStringLiteral("/bin/rollvane-report");
        QVERIFY(QFileInfo(command).isSymLink());
        QVERIFY(std::filesystem::read_symlink(QFile::encodeName(command).constData()).is_relative());
        QProcess tool;
        tool.start(command, {QStringLiteral("--version")});
        QVERIFY(tool.waitForFinished(60000));
        QCOMPARE(tool.exitCode(), 0);
        QVERIFY(tool.readAllStandardOutput().startsWith("rollvane-report "));
    }

    void menuEntryStartsTheCommandWithItsIcon()
    {
        const QString entryPath = m_usr + QStringLiteral("/share/applications/%1.desktop").arg(QLatin1String(kAppId));
        QVERIFY(QFileInfo::exists(entryPath));
        const QHash<QString, QString> entry = desktopEntry(entryPath);
        QCOMPARE(entry.value(QStringLiteral("Type")), QStringLiteral("Application"));
        QCOMPARE(entry.value(QStringLiteral("Name")), QStringLiteral("Rollvane"));
        const QString command = entry.value(QStringLiteral("Exec")).section(QLatin1Char(' '), 0, 0);
        QVERIFY(QFileInfo::exists(m_usr + QStringLiteral("/bin/") + command));

        const QString icon = entry.value(QStringLiteral("Icon"));
        QVERIFY(!icon.isEmpty());
        const QString hicolor = m_usr + QStringLiteral("/share/icons/hicolor/");
        QVERIFY(QFileInfo::exists(hicolor + QStringLiteral("scalable/apps/") + icon + QStringLiteral(".svg")));
        for (int size : {16, 24, 32, 48, 64, 128, 256}) {
            const QImage picture(hicolor + QStringLiteral("%1x%1/apps/").arg(size) + icon + QStringLiteral(".png"));
            QCOMPARE(picture.size(), QSize(size, size));
        }

        const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
        if (!validator.isEmpty()) {
            QProcess check;
            check.setProcessChannelMode(QProcess::MergedChannels);
            check.start(validator, {entryPath});
            QVERIFY(check.waitForFinished(60000));
            QVERIFY2(check.exitCode() == 0, check.readAll().constData());
        }
    }

    void appStreamRecordNamesTheMenuEntry()
    {
        const QString path = m_usr + QStringLiteral("/share/metainfo/%1.metainfo.xml").arg(QLatin1String(kAppId));
        QXmlStreamReader xml(contents(path));
        QString id;
        QString launchable;
        QString binary;
        QString release;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("id"))
                id = xml.readElementText();
            else if (xml.name() == QLatin1String("launchable"))
                launchable = xml.readElementText();
            else if (xml.name() == QLatin1String("binary"))
                binary = xml.readElementText();
            else if (xml.name() == QLatin1String("release") && release.isEmpty())
                release = xml.attributes().value(QLatin1String("version")).toString();
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(id, QLatin1String(kAppId));
        QCOMPARE(launchable, QStringLiteral("%1.desktop").arg(QLatin1String(kAppId)));
        QCOMPARE(binary, QStringLiteral("rollvane"));
        QCOMPARE(release, QLatin1String(kVersion));

        const QString validator = QStandardPaths::findExecutable(QStringLiteral("appstreamcli"));
        if (!validator.isEmpty()) {
            QProcess check;
            check.setProcessChannelMode(QProcess::MergedChannels);
            check.start(validator, {QStringLiteral("validate"), QStringLiteral("--no-net"), path});
            QVERIFY(check.waitForFinished(60000));
            QVERIFY2(check.exitCode() == 0, check.readAll().constData());
        }
    }

    void documentsAreWhereDebianLooksForThem()
    {
        const QString doc = m_usr + QStringLiteral("/share/doc/rollvane/");
        QVERIFY(contents(doc + QStringLiteral("copyright"))
                    .startsWith("Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"));
        QVERIFY(contents(doc + QStringLiteral("README.Debian")).contains("adduser NAME users"));
        for (const QString& compressed :
            {doc + QStringLiteral("changelog.gz"), m_usr + QStringLiteral("/share/man/man1/rollvane.1.gz")}) {
            const QByteArray bytes = contents(compressed);
            // gzip, and no time stamp in the header: the package must come out the same every time.
            QVERIFY2(bytes.startsWith("\x1f\x8b") && bytes.mid(4, 4) == QByteArray(4, '\0'), qPrintable(compressed));
        }
    }

    void installedProgramAnswersOnTheCommandLineAlone()
    {
        // No display, and a data folder the answers must leave empty.
        QTemporaryDir appData;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LC_ALL", "LC_MESSAGES"})
            environment.remove(QLatin1String(name));
        environment.insert(QStringLiteral("ROLLVANE_COMMON_APPDATA"), appData.path());
        const auto run = [&](const QStringList& arguments, const QString& language) {
            QProcess program;
            QProcessEnvironment local = environment;
            local.insert(QStringLiteral("LANG"), language);
            local.insert(QStringLiteral("LANGUAGE"), language.left(2));
            program.setProcessEnvironment(local);
            program.start(m_usr + QStringLiteral("/bin/rollvane"), arguments);
            program.waitForFinished(30000);
            return std::make_tuple(program.exitCode(), QString::fromUtf8(program.readAllStandardOutput()),
                QString::fromUtf8(program.readAllStandardError()));
        };

        const auto [versionStatus, version, versionErrors] = run({QStringLiteral("--version")}, QStringLiteral("C"));
        QCOMPARE(versionStatus, 0);
        QCOMPARE(version, QStringLiteral("Rollvane %1\n").arg(QLatin1String(kVersion)));
        // The installed translations are found from the program's folder: its own and Qt's.
        const auto [helpStatus, help, helpErrors] = run({QStringLiteral("--help")}, QStringLiteral("de_DE.UTF-8"));
        QCOMPARE(helpStatus, 0);
        QVERIFY2(help.contains(QStringLiteral("Anwesenheitsliste")), qPrintable(help));
        QVERIFY2(help.contains(QStringLiteral("Optionen")), qPrintable(help));
        const auto [wrongStatus, wrong, wrongErrors] = run({QStringLiteral("--verison")}, QStringLiteral("C"));
        QCOMPARE(wrongStatus, 2);
        QVERIFY2(wrongErrors.contains(QStringLiteral("verison")), qPrintable(wrongErrors));
        const auto [startStatus, started, startErrors] = run({}, QStringLiteral("C"));
        QCOMPARE(startStatus, 1);
        QCOMPARE(startErrors.count(QLatin1Char('\n')), 1);
        QVERIFY2(startErrors.contains(QStringLiteral("graphical desktop")), qPrintable(startErrors));
        QVERIFY(QDir(appData.path()).isEmpty());
    }

    void installedCommandFindsItsTemplate()
    {
        // Started through the link, the program must still find dbBlank.mdb in its own folder:
        // the first start copies it into the shared data folder.
        QTemporaryDir appData;
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("ROLLVANE_COMMON_APPDATA"), appData.path());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        program.setProcessEnvironment(environment);
        program.setProcessChannelMode(QProcess::ForwardedChannels);
        program.start(m_usr + QStringLiteral("/bin/rollvane"), {});
        QVERIFY(program.waitForStarted(30000));
        const QString live = appData.path() + QStringLiteral("/Quillmark/Rollvane/dbAttendance.mdb");
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(live).size() > 0, 60000);
        program.kill();
        QVERIFY(program.waitForFinished(30000));
    }

private:
    QTemporaryDir m_root;
    QString m_usr;
};

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
