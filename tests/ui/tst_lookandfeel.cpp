#include "TestSupport.h"

#include "core/Failure.h"
#include "core/SharedRoutines.h"
#include "ui/ErrorReport.h"
#include "ui/LookAndFeel.h"
#include "ui/SkinFramework.h"

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QtEndian>
#include <QtTest>

#include <memory>

#include <sys/stat.h>

namespace {

const QColor kStandard(201, 188, 160); // the button colour the tests give the desktop
const QColor kDesigned(Qt::white); // the main window's frames as designed

QColor background(const QWidget* widget)
{
    return widget->palette().color(QPalette::Window);
}

QGroupBox* whiteFrame(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* frame = new QGroupBox(QString::fromLatin1(name), parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setGeometry(geometry);
    frame->setAutoFillBackground(true);
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, kDesigned);
    frame->setPalette(palette);
    return frame;
}

QPushButton* button(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* pushButton = new QPushButton(QString::fromLatin1(name), parent);
    pushButton->setObjectName(QString::fromLatin1(name));
    pushButton->setGeometry(geometry);
    return pushButton;
}

// The main window's shape: frames holding unlisted controls, an unlisted card area, two push
// buttons on the window itself.
std::unique_ptr<QWidget> makeMainWindow()
{
    auto window = std::make_unique<QWidget>();
    window->setObjectName(QStringLiteral("Form1"));
    window->setFixedSize(400, 300);
    auto* frame1 = whiteFrame(window.get(), "Frame1", QRect(10, 10, 180, 60));
    auto* combo = new QComboBox(frame1);
    combo->setObjectName(QStringLiteral("Combo1"));
    combo->setGeometry(10, 25, 160, 25);
    auto* picScrollBox = new QWidget(window.get());
    picScrollBox->setObjectName(QStringLiteral("picScrollBox"));
    picScrollBox->setGeometry(10, 80, 380, 100);
    picScrollBox->setAutoFillBackground(true);
    auto* frame3 = whiteFrame(window.get(), "Frame3", QRect(10, 190, 380, 60));
    auto* notes = new QPlainTextEdit(frame3);
    notes->setObjectName(QStringLiteral("Text1"));
    notes->setGeometry(10, 25, 360, 30);
    button(window.get(), "PushButton2", QRect(10, 260, 180, 30));
    button(window.get(), "PushButton1", QRect(210, 260, 180, 30));
    return window;
}

// The Manage Classes window's shape: a frame with buttons on it, a list with a header.
std::unique_ptr<QWidget> makeManageWindow()
{
    auto window = std::make_unique<QWidget>();
    window->setObjectName(QStringLiteral("Form2"));
    window->setFixedSize(400, 300);
    auto* frame1 = new QGroupBox(QStringLiteral("Class"), window.get());
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setGeometry(10, 10, 380, 90);
    auto* label = new QLabel(QStringLiteral("Name"), frame1);
    label->setGeometry(10, 25, 60, 20);
    auto* option = new QRadioButton(QStringLiteral("All"), frame1);
    option->setGeometry(80, 25, 60, 20);
    auto* check = new QCheckBox(QStringLiteral("Photos"), frame1);
    check->setGeometry(150, 25, 80, 20);
    button(frame1, "PushButton1", QRect(10, 50, 100, 30));
    button(frame1, "PushButton2", QRect(120, 50, 100, 30));
    auto* list = new QTreeWidget(window.get());
    list->setObjectName(QStringLiteral("ListView1"));
    list->setGeometry(10, 110, 380, 140);
    list->setHeaderLabels({QStringLiteral("Student Name"), QStringLiteral("Id")});
    for (int row = 0; row < 3; ++row)
        list->addTopLevelItem(new QTreeWidgetItem({QStringLiteral("Pupil %1").arg(row), QString::number(row)}));
    button(window.get(), "PushButton3", QRect(10, 260, 100, 30));
    return window;
}

template <typename T = QWidget> T* child(QWidget* window, const char* name)
{
    T* found = window->findChild<T*>(QString::fromLatin1(name));
    Q_ASSERT(found);
    return found;
}

void hover(QWidget* window, QWidget* over, QPoint at = QPoint(-1, -1))
{
    if (at.x() < 0)
        at = over->rect().center();
    QTest::mouseMove(window, over->mapTo(window, at));
}

void hoverOnMain(QWidget* window)
{
    look::installHoverPointers(window, {child(window, "Frame1"), child(window, "Frame3")},
        {child(window, "PushButton1"), child(window, "PushButton2")});
}

void writeSkin(const TestEnvironment& env, const QByteArray& bytes)
{
    QDir(env.programFolder()).mkpath(QStringLiteral("x"));
    QFile file(env.programFolder() + QStringLiteral("/x/o.cjs"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A cursor file: an icon file with the cursor type and a hot spot in its directory entry.
QByteArray cursorFile(const QPoint& hotSpot)
{
    QImage picture(32, 32, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    for (int y = 0; y < 20; ++y)
        picture.setPixel(hotSpot.x(), y, qRgb(0, 0, 0));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "ico");
    QByteArray bytes = buffer.data();
    qToLittleEndian<quint16>(2, bytes.data() + 2);
    qToLittleEndian<quint16>(static_cast<quint16>(hotSpot.x()), bytes.data() + 10);
    qToLittleEndian<quint16>(static_cast<quint16>(hotSpot.y()), bytes.data() + 12);
    return bytes;
}

} // namespace

class TestLookAndFeel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // The default style paints buttons and windows alike; a distinct button colour shows
        // which controls took the standard colour.
        QPalette palette = QApplication::palette();
        palette.setColor(QPalette::Button, kStandard);
        QApplication::setPalette(palette);
    }

    void withoutSkinOnlyManagementWindowsTakeTheStandardColour()
    {
        TestEnvironment env;
        auto main = makeMainWindow();
        const QColor designedWindow = background(main.get());
        look::ApplySkin(main.get());
        QCOMPARE(background(main.get()), designedWindow);
        QCOMPARE(background(child(main.get(), "Frame1")), kDesigned);
        QVERIFY(main->styleSheet().isEmpty());
        QVERIFY(!main->findChild<SkinFramework*>());

        auto manage = makeManageWindow();
        QWidget* list = child(manage.get(), "ListView1");
        const QColor listBase = list->palette().color(QPalette::Base);
        look::ApplyStandardColours(manage.get());
        QCOMPARE(background(manage.get()), kStandard);
        QCOMPARE(background(child(manage.get(), "Frame1")), kStandard);
        for (QWidget* control : {static_cast<QWidget*>(manage->findChild<QLabel*>()),
                 static_cast<QWidget*>(manage->findChild<QRadioButton*>()),
                 static_cast<QWidget*>(manage->findChild<QCheckBox*>())}) {
            QCOMPARE(background(control), kStandard);
            QVERIFY(control->autoFillBackground());
        }
        QCOMPARE(list->palette().color(QPalette::Base), listBase);
        QVERIFY(manage->styleSheet().isEmpty());
    }

    void skinThatIsNotAPlainFileCountsAsAbsent_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("folder") << QStringLiteral("folder");
        QTest::newRow("named pipe") << QStringLiteral("pipe");
    }

    void skinThatIsNotAPlainFileCountsAsAbsent()
    {
        QFETCH(QString, kind);
        TestEnvironment env;
        const QString path = env.programFolder() + QStringLiteral("/x/o.cjs");
        QDir(env.programFolder()).mkpath(QStringLiteral("x"));
        if (kind == QLatin1String("folder"))
            QVERIFY(QDir().mkpath(path));
        else
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0); // reading it would hang start-up

        auto main = makeMainWindow();
        const QColor designedWindow = background(main.get());
        look::ApplySkin(main.get());
        QCOMPARE(background(main.get()), designedWindow);
        QCOMPARE(background(child(main.get(), "Frame3")), kDesigned);
        QVERIFY(main->styleSheet().isEmpty());
    }

    void hiddenFilesDoNotCount()
    {
        TestEnvironment env;
        const QString hidden = env.programFolder() + QStringLiteral("/.o.cjs");
        const QString plain = env.programFolder() + QStringLiteral("/o.cjs");
        for (const QString& path : {hidden, plain}) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QVERIFY(!look::isNormalFile(hidden));
        QVERIFY(look::isNormalFile(plain));
        QVERIFY(!look::isNormalFile(env.programFolder()));
        QVERIFY(!look::isNormalFile(env.programFolder() + QStringLiteral("/missing")));
    }

    void styleSheetSkinDressesMainWindowAndLaterWindows()
    {
        TestEnvironment env;
        // UTF-8 in a comment and a selector proves the file is read as UTF-8, not Latin-1.
        const QByteArray sheet = "/* Klassenbuch \xe2\x80\x93 Sch\xc3\xbc"
                                 "ler */\nQPushButton { color: rgb(1, 2, 3); }\n"
                                 "QLabel[text=\"Gr\xc3\xbc\xc3\x9f\"] { color: rgb(4, 5, 6); }\n";
        writeSkin(env, sheet);
        {
            auto main = makeMainWindow();
            look::ApplySkin(main.get());
            QCOMPARE(main->styleSheet(), QString::fromUtf8(sheet));
            QVERIFY(main->styleSheet().contains(QStringLiteral("Schüler")));
            auto* skin = main->findChild<SkinFramework*>(QStringLiteral("SkinFramework1"));
            QVERIFY(skin);
            QVERIFY(skin->isEnabled());
            QVERIFY(skin->options() & SkinFramework::SkinLaterWindows);
            // With a skin the main window takes the standard colours too.
            QCOMPARE(background(main.get()), kStandard);
            QCOMPARE(background(child(main.get(), "Frame1")), kStandard);

            main->show();
            QVERIFY(QTest::qWaitForWindowExposed(main.get()));
            QCOMPARE(child(main.get(), "PushButton1")->palette().color(QPalette::ButtonText), QColor(1, 2, 3));

            auto manage = makeManageWindow();
            look::ApplyStandardColours(manage.get());
            QCOMPARE(manage->styleSheet(), QString::fromUtf8(sheet));
            auto* label = new QLabel(QStringLiteral("Grüß"), manage.get());
            manage->show();
            QVERIFY(QTest::qWaitForWindowExposed(manage.get()));
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(4, 5, 6));
        }
        // The skin goes with the main window.
        auto manage = makeManageWindow();
        look::ApplyStandardColours(manage.get());
        QVERIFY(manage->styleSheet().isEmpty());
    }

    void controlsNotOursKeepTheirColour()
    {
        TestEnvironment env;
        writeSkin(env, "QPushButton { font-weight: bold; }");
        auto main = makeMainWindow();
        QWidget* panel = child(main.get(), "picScrollBox");
        const QColor panelColour = background(panel);
        look::ApplySkin(main.get());
        QCOMPARE(background(main.get()), kStandard);
        QCOMPARE(background(panel), panelColour);
    }

    void brokenSkinIsReportedByTheLoadHandler_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("not a style sheet") << QByteArray("QPushButton { color: red");
        QTest::newRow("stray braces") << QByteArray("}} QLabel { color: blue }");
        QTest::newRow("not UTF-8") << QByteArray("QLabel { color: red } /* Sch\xfc ler */");
        QTest::newRow("far too large") << QByteArray(SkinFramework::kMaxSkinBytes + 1, ' ');
    }

    void brokenSkinIsReportedByTheLoadHandler()
    {
        QFETCH(QByteArray, bytes);
        TestEnvironment env;
        writeSkin(env, bytes);
        auto main = makeMainWindow();
        StepRunner steps(handlerLocation(QStringLiteral("Form1"), QStringLiteral("Form_Load")));
        steps.step(112, [&] { look::ApplySkin(main.get()); });
        steps.step(116, [&] { main->setWindowTitle(QStringLiteral("Rollvane")); });

        QCOMPARE(steps.failures(), 1);
        const QStringList messages = env.dialogs().messages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().contains(QStringLiteral("at line 112")), qPrintable(messages.first()));
        QVERIFY(messages.first().contains(QDir::toNativeSeparators(skinFilePath())));
        QVERIFY(main->styleSheet().isEmpty());
        QCOMPARE(main->windowTitle(), QStringLiteral("Rollvane"));
    }

    void unreadableSkinIsAFailure()
    {
        TestEnvironment env;
        writeSkin(env, "QLabel { color: red }");
        QFile::setPermissions(skinFilePath(), QFileDevice::Permissions());
        QFile probe(skinFilePath());
        if (probe.open(QIODevice::ReadOnly))
            QSKIP("This user reads files whatever their permissions.");
        auto main = makeMainWindow();
        QVERIFY_THROWS_EXCEPTION(Failure, look::ApplySkin(main.get()));
    }

    void handPointerShowsOverPushButtonsOnly()
    {
        TestEnvironment env;
        auto main = makeMainWindow();
        hoverOnMain(main.get());
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main.get()));
        QWidget* window = main.get();

        hover(window, child(window, "PushButton1"));
        QCOMPARE(look::pointerCode(window), look::kCustomPointer);
        QCOMPARE(window->cursor().shape(), Qt::PointingHandCursor);
        // Unlisted controls, on the window or on a listed frame, leave the pointer alone.
        hover(window, child(window, "picScrollBox"));
        QCOMPARE(look::pointerCode(window), look::kCustomPointer);
        hover(window, child(window, "Combo1"));
        QCOMPARE(look::pointerCode(window), look::kCustomPointer);
        hover(window, child(window, "Text1"));
        QCOMPARE(look::pointerCode(window), look::kCustomPointer);

        hover(window, child(window, "Frame1"), QPoint(175, 5));
        QCOMPARE(look::pointerCode(window), look::kDefaultPointer);
        QCOMPARE(window->cursor().shape(), Qt::ArrowCursor);

        hover(window, child(window, "PushButton2"));
        QCOMPARE(look::pointerCode(window), look::kCustomPointer);
        hover(window, window, QPoint(395, 75)); // between the frame and the card area
        QCOMPARE(look::pointerCode(window), look::kDefaultPointer);
    }

    void listedControlsCountWithAllTheirParts()
    {
        TestEnvironment env;
        auto manage = makeManageWindow();
        QWidget* window = manage.get();
        auto* list = child<QTreeWidget>(window, "ListView1");
        look::installHoverPointers(window, {child(window, "Frame1"), list},
            {child(window, "PushButton1"), child(window, "PushButton2"), child(window, "PushButton3")});
        manage->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));

        // A push button on a frame is the button's, not the frame's.
        hover(window, child(window, "PushButton2"));
        QCOMPARE(look::pointerCode(window), look::kCustomPointer);
        hover(window, list->viewport());
        QCOMPARE(look::pointerCode(window), look::kDefaultPointer);
        hover(window, child(window, "PushButton3"));
        QCOMPARE(look::pointerCode(window), look::kCustomPointer);
        hover(window, list->header());
        QCOMPARE(look::pointerCode(window), look::kDefaultPointer);
        hover(window, child(window, "PushButton1"));
        // The label on the frame is not listed.
        hover(window, manage->findChild<QLabel*>());
        QCOMPARE(look::pointerCode(window), look::kCustomPointer);
    }

    void busyPointerSurvivesHovering()
    {
        TestEnvironment env;
        auto main = makeMainWindow();
        QWidget* window = main.get();
        hoverOnMain(window);
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        hover(window, child(window, "PushButton1"));
        {
            look::BusyPointer busy(window);
            for (const char* name : {"PushButton2", "Frame1", "PushButton1"}) {
                hover(window, child(window, name), QPoint(3, 3));
                QCOMPARE(look::pointerCode(window), look::kBusyPointer);
                QCOMPARE(window->cursor().shape(), Qt::WaitCursor);
            }
            hover(window, window, QPoint(395, 75));
            QCOMPARE(look::pointerCode(window), look::kBusyPointer);
            {
                // A routine that shows the busy pointer inside another does not end it early.
                look::BusyPointer inner(window);
            }
            QCOMPARE(look::pointerCode(window), look::kBusyPointer);
        }
        QCOMPARE(look::pointerCode(window), look::kDefaultPointer);
        QCOMPARE(window->cursor().shape(), Qt::ArrowCursor);
    }

    void handPointerFileIsTheCustomPointer()
    {
        TestEnvironment env;
        auto main = makeMainWindow();
        QWidget* window = main.get();
        look::LoadHandPointer(window); // no file: nothing, and no complaint
        look::setPointerCode(window, look::kCustomPointer);
        QCOMPARE(window->cursor().shape(), Qt::PointingHandCursor);

        QFile file(handPointerPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(cursorFile(QPoint(9, 2)));
        file.close();
        look::LoadHandPointer(window);
        QCOMPARE(window->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(window->cursor().hotSpot(), QPoint(9, 2));
        QCOMPARE(window->cursor().pixmap().size(), QSize(32, 32));
        QVERIFY(env.dialogs().shown().isEmpty());
    }

    void damagedHandPointerFileIsAFailure()
    {
        TestEnvironment env;
        QFile file(handPointerPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a cursor");
        file.close();
        auto main = makeMainWindow();
        QVERIFY_THROWS_EXCEPTION(Failure, look::LoadHandPointer(main.get()));
        look::setPointerCode(main.get(), look::kCustomPointer);
        QCOMPARE(main->cursor().shape(), Qt::PointingHandCursor);
    }

    void iconIsDrawnInEverySize()
    {
        const QIcon icon = look::applicationIcon();
        QVERIFY(!icon.isNull());
        for (int size : {16, 32, 48, 256})
            QCOMPARE(icon.pixmap(QSize(size, size)).size(), QSize(size, size));
        QVERIFY(QFile::exists(QStringLiteral(":/icons/rollvane.svg")));
    }
};

QTEST_MAIN(TestLookAndFeel)
#include "tst_lookandfeel.moc"
