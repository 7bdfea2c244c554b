#include "TestSupport.h"

#include "core/Failure.h"
#include "core/SharedRoutines.h"
#include "ui/ErrorReport.h"

#include <QDir>
#include <QtTest>

class SharedRoutinesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shortenTitle_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("title");
        QTest::newRow("one word is kept") << QStringLiteral("Rollvane") << QStringLiteral("Rollvane");
        QTest::newRow("two words lose the second") << QStringLiteral("Rollvane Register") << QStringLiteral("Rollvane");
        QTest::newRow("long name loses words until it fits")
            << QStringLiteral("The Quillmark Rollvane Daily Attendance Register For Schools")
            << QStringLiteral("The Quillmark Rollvane Daily Attendance");
        QTest::newRow("one long word is cut at forty")
            << QString(50, QLatin1Char('x')) << QString(40, QLatin1Char('x'));
    }

    void shortenTitle()
    {
        QFETCH(QString, name);
        QFETCH(QString, title);
        QCOMPARE(ShortenTitle(name), title);
        QCOMPARE(applicationTitle(), title);
        QVERIFY(applicationTitle().size() <= 40);
        ShortenTitle(QStringLiteral("Rollvane"));
    }

    void specialFolderPath()
    {
        qunsetenv("ROLLVANE_COMMON_APPDATA");
        QCOMPARE(SpecialFolderPath(kCommonAppData), QStringLiteral("/var/lib"));
        QCOMPARE(SpecialFolderPath(26), QString());
        QCOMPARE(SpecialFolderPath(-1), QString());
        qputenv("ROLLVANE_COMMON_APPDATA", "/srv/school");
        QCOMPARE(SpecialFolderPath(kCommonAppData), QStringLiteral("/srv/school"));
        QCOMPARE(DataFolder(), QStringLiteral("/srv/school/Quillmark/Rollvane"));
        QCOMPARE(liveDatabasePath(), QStringLiteral("/srv/school/Quillmark/Rollvane/dbAttendance.mdb"));
        qunsetenv("ROLLVANE_COMMON_APPDATA");
    }

    void fileExists()
    {
        QTemporaryDir dir;
        QVERIFY(FileExists(dir.path()));
        QVERIFY(!FileExists(dir.path() + QStringLiteral("/missing/file.txt")));
        QVERIFY(!FileExists(QString()));
        const QString path = writePicture(dir.path(), QStringLiteral("a.bmp"), samplePicture(4, 4, Qt::red), "bmp");
        QVERIFY(FileExists(path));
    }

    void errorReportTextAndCarryingOn()
    {
        TestEnvironment env;
        StepRunner steps(handlerLocation(QStringLiteral("Form1"), QStringLiteral("Form_Load")));
        QList<int> ran;
        steps.step(142, [&] { ran << 142; });
        steps.step(144, [&] {
            ran << 144;
            throw Failure(QStringLiteral("unable to open database file"));
        });
        // A test that fails counts as passed: the action it guards is still tried.
        if (steps.test(146, []() -> bool { throw Failure(QStringLiteral("no connection")); }))
            steps.step(148, [&] { ran << 148; });
        QCOMPARE(ran, (QList<int> {142, 144, 148}));
        QCOMPARE(steps.failures(), 2);
        const QStringList texts = env.dialogs().messages();
        QCOMPARE(texts.size(), 2);
        QCOMPARE(texts.at(0),
            QStringLiteral("unable to open database file\r\nin Vanebook2021/08/31.Form1.Form_Load at line 144\r\r"
                           "Please email screenshot of this message to the school's administrator (no support "
                           "address has been set on this computer)"));
        QCOMPARE(env.dialogs().shown().at(0).caption, QStringLiteral("Application Error"));
        QCOMPARE(env.dialogs().shown().at(0).icon, UserDialogs::Icon::Warning);
        QVERIFY(texts.at(1).contains(QStringLiteral("at line 146\r\r")));
    }

    void errorReportNamesTheSchoolsAddressOnceSet()
    {
        TestEnvironment env;
        env.writeMachineSettings("[support]\nemail = it-desk@school.example\nweb=https://it.school.example\n");
        QVERIFY(errorReportText(QStringLiteral("in X "), 100, QStringLiteral("d"))
                    .endsWith(QStringLiteral("\r\rPlease email screenshot of this message to it-desk@school.example")));
        // A settings file in error must not cost the user the report: the plain default stands.
        env.writeMachineSettings("[support]\nemial=it-desk@school.example\n");
        QVERIFY(errorReportText(QStringLiteral("in X "), 100, QStringLiteral("d"))
                    .endsWith(QStringLiteral("to the school's administrator (no support address has been set on this "
                                             "computer)")));
    }

    void fileFilterForQtDialogs()
    {
        QCOMPARE(qtFileFilter(QStringLiteral("Image Files (*.bmp;*.jpg;*.gif)|*.bmp;*.jpg;*.gif|")),
            QStringLiteral("Image Files (*.bmp *.jpg *.gif)"));
    }

    void scriptedDialogsTellCancelFromEmpty()
    {
        ScriptedDialogs dialogs;
        dialogs.answerText(QString());
        dialogs.answerCancel();
        const std::optional<QString> empty = dialogs.inputBox(nullptr, QStringLiteral("p"), QStringLiteral("t"), {});
        const std::optional<QString> cancelled
            = dialogs.inputBox(nullptr, QStringLiteral("p"), QStringLiteral("t"), {});
        QVERIFY(empty.has_value() && empty->isEmpty());
        QVERIFY(!cancelled.has_value());
        // An unscripted question is answered No and marked, so a test sees it.
        QVERIFY(!dialogs.question(nullptr, QStringLiteral("q"), QString(), UserDialogs::Icon::None));
        QVERIFY(dialogs.shown().last().unexpected);
    }
};

QTEST_MAIN(SharedRoutinesTest)
#include "tst_sharedroutines.moc"
