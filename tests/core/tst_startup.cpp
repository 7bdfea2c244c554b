#include "TestSupport.h"

#include "attendance/MainWindow.h"
#include "core/SharedRoutines.h"
#include "register/Database.h"
#include "ui/ErrorReport.h"

#include <QComboBox>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QtTest>

namespace {

QByteArray fileHash(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// The step number each error report names, in the order they were shown.
QList<int> reportedSteps(ScriptedDialogs& dialogs, const QString& location)
{
    QList<int> steps;
    for (const ScriptedDialogs::Shown& shown : dialogs.shown()) {
        const qsizetype at = shown.text.indexOf(location + QStringLiteral("at line "));
        if (shown.kind != ScriptedDialogs::Kind::Message || at < 0)
            continue;
        const QString rest = shown.text.mid(at + location.size() + 8);
        steps << rest.left(rest.indexOf(QLatin1Char('\r'))).toInt();
    }
    return steps;
}

const QString kLoad = QStringLiteral("in Vanebook2021/08/31.Form1.Form_Load ");

} // namespace

class StartupTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstStartMakesFoldersAndCopiesTemplate()
    {
        TestEnvironment env;
        MainWindow window;
        window.load();
        QVERIFY(env.dialogs().shown().isEmpty());
        QVERIFY(QFileInfo(env.appDataFolder() + QStringLiteral("/Quillmark")).isDir());
        QVERIFY(QFileInfo(env.appDataFolder() + QStringLiteral("/Quillmark/Rollvane")).isDir());
        QCOMPARE(fileHash(env.livePath()), fileHash(env.programFolder() + QStringLiteral("/dbBlank.mdb")));
        QVERIFY(db::isOpen());
        QCOMPARE(window.windowTitle(), QStringLiteral("Rollvane"));
        auto* combo = window.findChild<QComboBox*>(QStringLiteral("Combo1"));
        QVERIFY(combo);
        QCOMPARE(combo->count(), 0);
        QCOMPARE(combo->currentIndex(), -1);
    }

    void secondStartKeepsTheRegister()
    {
        TestEnvironment env;
        env.openRegister();
        db::addClass(QStringLiteral("Year 7"));
        db::close();
        const QByteArray before = fileHash(env.livePath());

        MainWindow window;
        window.load();
        QVERIFY(env.dialogs().shown().isEmpty());
        QCOMPARE(window.classIds().size(), 1);
        auto* combo = window.findChild<QComboBox*>(QStringLiteral("Combo1"));
        QCOMPARE(combo->itemText(0), QStringLiteral("Year 7"));
        db::close();
        QCOMPARE(fileHash(env.livePath()), before);
    }

    void missingTemplateIsReportedStepByStepAndTheWindowStillComesUp()
    {
        TestEnvironment env;
        QFile::remove(env.programFolder() + QStringLiteral("/dbBlank.mdb"));
        MainWindow window;
        window.load();
        QCOMPARE(reportedSteps(env.dialogs(), kLoad), (QList<int> {110, 144, 146}));
        const QStringList texts = env.dialogs().messages();
        // Each report carries its own description.
        QVERIFY(texts.at(0) != texts.at(1));
        QVERIFY(texts.at(1) != texts.at(2));
        for (const ScriptedDialogs::Shown& shown : env.dialogs().shown()) {
            QCOMPARE(shown.caption, QStringLiteral("Application Error"));
            QCOMPARE(shown.icon, UserDialogs::Icon::Warning);
        }
        QVERIFY(!QFile::exists(env.livePath()));
        QVERIFY(!db::isOpen());
        window.show();
        QVERIFY(window.isVisible());
    }

    void badRegisterFilesAreReportedAndLeftAsTheyAre_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("zero length") << QByteArray();
        QTest::newRow("garbage") << QByteArray("this is not a database at all, just some words\n").repeated(50);
        QTest::newRow("fifteen bytes") << QByteArray("SQLite format 3");
        QByteArray damaged;
        {
            QFile blank(QStringLiteral(ROLLVANE_TEMPLATE_PATH));
            blank.open(QIODevice::ReadOnly);
            damaged = blank.readAll();
        }
        // Keep the header, scramble the pages behind it.
        for (qsizetype i = 100; i < damaged.size(); ++i)
            damaged[i] = char((i * 131) & 0xff);
        QTest::newRow("damaged pages") << damaged;
    }

    void badRegisterFilesAreReportedAndLeftAsTheyAre()
    {
        QFETCH(QByteArray, content);
        TestEnvironment env;
        QDir().mkpath(DataFolder());
        {
            QFile file(env.livePath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        const QByteArray before = fileHash(env.livePath());
        MainWindow window;
        window.load();
        const QList<int> steps = reportedSteps(env.dialogs(), kLoad);
        QVERIFY2(!steps.isEmpty() && steps.first() == 144, qPrintable(env.dialogs().messages().join(QLatin1Char('|'))));
        QVERIFY(!db::isOpen());
        QVERIFY(env.dialogs().messages().first().contains(QDir::toNativeSeparators(env.livePath())));
        QCOMPARE(fileHash(env.livePath()), before);
        QCOMPARE(QFileInfo(env.livePath()).size(), content.size());
    }

    void aFileInTheWayOfTheDataFolderIsReported()
    {
        TestEnvironment env;
        QDir().mkpath(companyFolder());
        {
            QFile blocker(DataFolder());
            QVERIFY(blocker.open(QIODevice::WriteOnly));
            blocker.write("not a folder");
        }
        MainWindow window;
        window.load();
        const QList<int> steps = reportedSteps(env.dialogs(), kLoad);
        // The folder exists as a name, so no creation is tried; the copy into it fails.
        QVERIFY(steps.contains(110));
        QVERIFY(steps.contains(144));
        QVERIFY(QFileInfo(DataFolder()).isFile());
    }

    void closingWithoutAnOpenConnectionReportsNothing()
    {
        TestEnvironment env;
        QFile::remove(env.programFolder() + QStringLiteral("/dbBlank.mdb"));
        MainWindow window;
        bool ended = false;
        window.setProgramEnd([&ended] { ended = true; });
        window.load();
        env.dialogs().clear();
        window.show();
        window.close();
        QVERIFY(ended);
        QVERIFY(env.dialogs().shown().isEmpty());
    }

    void closingReleasesTheConnection()
    {
        TestEnvironment env;
        MainWindow window;
        bool ended = false;
        window.setProgramEnd([&ended] { ended = true; });
        window.load();
        QVERIFY(db::isOpen());
        window.show();
        window.close();
        QVERIFY(ended);
        QVERIFY(!db::isOpen());
        QVERIFY(env.dialogs().shown().isEmpty());
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
