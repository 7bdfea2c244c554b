#include "ui/ScrollBarController.h"
#include "ui/Subclasser.h"
#include "ui/WindowScrollBars.h"

#include <QApplication>
#include <QSignalSpy>
#include <QStyleOptionSlider>
#include <QWheelEvent>
#include <QtTest/qtestspontaneevent.h>
#include <QtTest>

#include <climits>
#include <memory>
#include <stdexcept>

using namespace winmsg;

namespace {

constexpr int kVert = 1;
constexpr int kHorz = 0;

quintptr request(int code)
{
    return makeWParam(code, 0);
}

void sendMouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, at, target->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// A wheel turn as the window system delivers it (spontaneous), so that it bubbles up from the
// widget under the pointer to its parents.
void turnWheel(QWidget* target, int distance)
{
    const QPointF at(5, 5);
    QWheelEvent event(at, target->mapToGlobal(at), QPoint(), QPoint(0, distance), Qt::NoButton, Qt::NoModifier,
        Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&event);
    qApp->notify(target, &event); // sendEvent would make it synthetic again
}

QRect thumbOf(QScrollBar* bar)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.upsideDown = bar->invertedAppearance();
    option.subControls = QStyle::SC_All;
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar);
}

} // namespace

class TestScrollBarController : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void defaultsAndNoWindow();
    void barsShowAlongTheEdges();
    void lineStepsStopAtTheBounds();
    void pageStepsAreHeldByTheBar();
    void recordClampsLikeTheWindowManager();
    void valueWritesReportOnlyNewValues();
    void draggingReportsEachPositionAsChange();
    void scrollOnlyForAnUnreportedTrack();
    void wheelAmounts_data();
    void wheelAmounts();
    void wheelHandlerCancelsOrRedirects();
    void wheelLinesFollowTheSystem_data();
    void wheelLinesFollowTheSystem();
    void pressesOnBarsRaiseScrollClick();
    void createTwiceLetsGoOfTheFirstWindow();
    void flatLooks();
    void withoutFlatBarsStylesAreIgnored();
    void overflowRaisesAndChangesNothing();
    void keyboardWorksTheVisibleBar();

private:
    std::unique_ptr<QWidget> m_window;
    std::unique_ptr<ScrollBarController> m_scroll;
};

void TestScrollBarController::init()
{
    QApplication::setWheelScrollLines(3);
    windowbars::setFlatBarsAvailable(true);
    m_window = std::make_unique<QWidget>();
    m_window->setObjectName(QStringLiteral("target"));
    m_window->resize(300, 200);
    m_scroll = std::make_unique<ScrollBarController>();
}

void TestScrollBarController::cleanup()
{
    m_scroll.reset();
    m_window.reset();
    windowbars::setFlatBarsAvailable(true);
    QCOMPARE(Subclasser::instance().hookCount(), 0);
}

void TestScrollBarController::defaultsAndNoWindow()
{
    QSignalSpy changes(m_scroll.get(), &ScrollBarController::Change);
    for (int bar : {kHorz, kVert}) {
        QCOMPARE(m_scroll->Visible(bar), false);
        QCOMPARE(m_scroll->Enabled(bar), false);
        QCOMPARE(m_scroll->SmallChange(bar), 1);
        // Without a window there is no bar to read or write.
        m_scroll->setValue(bar, 5);
        QCOMPARE(m_scroll->Value(bar), 0);
        QCOMPARE(m_scroll->Max(bar), 0);
    }
    QCOMPARE(m_scroll->Orientation(), 2);
    QCOMPARE(m_scroll->Style(), 0);
    QVERIFY(m_scroll->CanBeFlat());
    QCOMPARE(m_scroll->wheelLines(), 0);
    QCOMPARE(changes.count(), 0);
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, m_scroll->Value(2));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, m_scroll->setSmallChange(-1, 3));
}

void TestScrollBarController::barsShowAlongTheEdges()
{
    m_scroll->Create(m_window.get());
    QCOMPARE(m_scroll->Min(kVert), 0);
    QCOMPARE(m_scroll->Max(kVert), 100);
    QCOMPARE(m_scroll->LargeChange(kVert), 0);
    QScrollBar* vertical = windowbars::scrollBar(m_window.get(), kVert);
    QScrollBar* horizontal = windowbars::scrollBar(m_window.get(), kHorz);
    QVERIFY(vertical->isHidden() && horizontal->isHidden());

    // What the window shows does not change what the controller was told.
    windowbars::showScrollBar(m_window.get(), kVert, true);
    QCOMPARE(m_scroll->Visible(kVert), false);

    m_scroll->setVisible(kHorz, true);
    m_scroll->setVisible(kVert, true);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QCOMPARE(vertical->geometry(), QRect(300 - 17, 0, 17, 200 - 17));
    QCOMPARE(horizontal->geometry(), QRect(0, 200 - 17, 300 - 17, 17));
    m_window->resize(400, 250);
    QCOMPARE(vertical->geometry(), QRect(400 - 17, 0, 17, 250 - 17));

    m_scroll->setOrientation(0);
    QVERIFY(!horizontal->isHidden());
    QVERIFY(vertical->isHidden());
    QCOMPARE(m_scroll->Visible(kVert), true);

    m_scroll->setEnabled(kHorz, false);
    QVERIFY(!horizontal->isEnabled());
    QCOMPARE(m_scroll->Enabled(kHorz), false);
    m_scroll->setEnabled(kHorz, true);
    QVERIFY(horizontal->isEnabled());
}

void TestScrollBarController::lineStepsStopAtTheBounds()
{
    m_scroll->Create(m_window.get());
    m_scroll->setSmallChange(kVert, 7);
    m_scroll->setValue(kVert, 96);
    QSignalSpy changes(m_scroll.get(), &ScrollBarController::Change);

    m_scroll->WindowProc(m_window.get(), WM_VSCROLL, request(SB_LINEDOWN), 0);
    QCOMPARE(m_scroll->Value(kVert), 100);
    QCOMPARE(changes.count(), 1);
    m_scroll->WindowProc(m_window.get(), WM_VSCROLL, request(SB_LINEDOWN), 0);
    QCOMPARE(m_scroll->Value(kVert), 100);
    QCOMPARE(changes.count(), 1);

    m_scroll->setValue(kVert, 3);
    changes.clear();
    m_scroll->WindowProc(m_window.get(), WM_VSCROLL, request(SB_LINEUP), 0);
    QCOMPARE(m_scroll->Value(kVert), 0);
    m_scroll->WindowProc(m_window.get(), WM_VSCROLL, request(SB_LINEUP), 0);
    QCOMPARE(m_scroll->Value(kVert), 0);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.first().first().toInt(), kVert);
}

void TestScrollBarController::pageStepsAreHeldByTheBar()
{
    m_scroll->Create(m_window.get());
    m_scroll->setLargeChange(kVert, 10);
    QCOMPARE(m_scroll->Max(kVert), 100);
    m_scroll->setSmallChange(kVert, 10);

    m_scroll->setValue(kVert, 95);
    m_scroll->WindowProc(m_window.get(), WM_VSCROLL, request(SB_PAGEDOWN), 0);
    QCOMPARE(m_scroll->Value(kVert), 101);

    m_scroll->setValue(kVert, 95);
    m_scroll->WindowProc(m_window.get(), WM_VSCROLL, request(SB_LINEDOWN), 0);
    QCOMPARE(m_scroll->Value(kVert), 100);
    m_scroll->setValue(kVert, 95);
    m_scroll->WindowProc(m_window.get(), WM_VSCROLL, request(SB_BOTTOM), 0);
    QCOMPARE(m_scroll->Value(kVert), 100);

    m_scroll->setValue(kVert, 4);
    m_scroll->WindowProc(m_window.get(), WM_VSCROLL, request(SB_PAGEUP), 0);
    QCOMPARE(m_scroll->Value(kVert), 0);
    // The drawn bar reaches the same last position.
    QCOMPARE(windowbars::scrollBar(m_window.get(), kVert)->maximum(), 101);
}

void TestScrollBarController::recordClampsLikeTheWindowManager()
{
    QWidget* window = m_window.get();
    ScrollInfo info;
    info.nMin = 10;
    info.nMax = 50;
    info.nPos = 20;
    info.fMask = SIF_RANGE | SIF_POS;
    QCOMPARE(windowbars::setScrollInfo(window, kVert, info, true), 0); // cbSize missing: refused
    info.cbSize = sizeof(ScrollInfo);
    info.nMax = 50;
    info.nPage = 0;
    info.nPos = 500;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    QCOMPARE(windowbars::setScrollInfo(window, kVert, info, true), 50);
    info.nPage = 11;
    QCOMPARE(windowbars::setScrollInfo(window, kVert, info, true), 40);
    info.nPos = -3;
    QCOMPARE(windowbars::setScrollInfo(window, kVert, info, true), 10);

    info.nPage = 1000; // more than the range holds
    windowbars::setScrollInfo(window, kVert, info, true);
    ScrollInfo read;
    read.cbSize = sizeof(ScrollInfo);
    read.fMask = SIF_ALL;
    windowbars::getScrollInfo(window, kVert, read);
    QCOMPARE(read.nPage, 41);

    info.nMin = 60; // above nMax: the range collapses
    info.fMask = SIF_RANGE;
    windowbars::setScrollInfo(window, kVert, info, true);
    windowbars::getScrollInfo(window, kVert, read);
    QCOMPARE(read.nMin, 0);
    QCOMPARE(read.nMax, 0);

    // Min and LargeChange writes keep Max.
    m_scroll->Create(window);
    m_scroll->setMax(kVert, 200);
    m_scroll->setLargeChange(kVert, 30);
    m_scroll->setMin(kVert, -20);
    QCOMPARE(m_scroll->Max(kVert), 200);
    QCOMPARE(m_scroll->Min(kVert), -20);
    QCOMPARE(m_scroll->LargeChange(kVert), 30);
}

void TestScrollBarController::valueWritesReportOnlyNewValues()
{
    m_scroll->Create(m_window.get());
    QSignalSpy changes(m_scroll.get(), &ScrollBarController::Change);
    m_scroll->setValue(kVert, 40);
    m_scroll->setValue(kVert, 40);
    QCOMPARE(changes.count(), 1);

    // A handler that moves the value again: that value counts as reported.
    bool once = true;
    connect(m_scroll.get(), &ScrollBarController::Change, this, [&](int bar) {
        if (once) {
            once = false;
            m_scroll->setValue(bar, 70);
        }
    });
    m_scroll->setValue(kVert, 50);
    QCOMPARE(m_scroll->Value(kVert), 70);
    changes.clear();
    m_scroll->WindowProc(m_window.get(), WM_VSCROLL, request(SB_ENDSCROLL), 0);
    QCOMPARE(changes.count(), 0);
}

void TestScrollBarController::draggingReportsEachPositionAsChange()
{
    m_scroll->Create(m_window.get());
    m_scroll->setVisible(kVert, true);
    m_scroll->setLargeChange(kVert, 20);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QScrollBar* bar = windowbars::scrollBar(m_window.get(), kVert);
    QSignalSpy changes(m_scroll.get(), &ScrollBarController::Change);
    QSignalSpy scrolls(m_scroll.get(), &ScrollBarController::Scroll);

    const QPoint grip = thumbOf(bar).center();
    sendMouse(bar, QEvent::MouseButtonPress, grip, Qt::LeftButton, Qt::LeftButton);
    QList<int> seen;
    for (int dy : {10, 25, 40}) {
        sendMouse(bar, QEvent::MouseMove, grip + QPoint(0, dy), Qt::NoButton, Qt::LeftButton);
        seen.append(m_scroll->Value(kVert));
        QCOMPARE(bar->value(), m_scroll->Value(kVert));
    }
    QCOMPARE(changes.count(), 3);
    QVERIFY(seen[0] > 0 && seen[0] < seen[1] && seen[1] < seen[2]);
    sendMouse(bar, QEvent::MouseButtonRelease, grip + QPoint(0, 40), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(changes.count(), 3);
    QCOMPARE(scrolls.count(), 0);
    QCOMPARE(m_scroll->Value(kVert), seen[2]);

    // A click below the thumb pages once and ends the scroll.
    const int before = m_scroll->Value(kVert);
    const QPoint below(8, bar->height() - 17 - 3);
    sendMouse(bar, QEvent::MouseButtonPress, below, Qt::LeftButton, Qt::LeftButton);
    sendMouse(bar, QEvent::MouseButtonRelease, below, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(m_scroll->Value(kVert), std::min(before + 20, 101));
}

void TestScrollBarController::scrollOnlyForAnUnreportedTrack()
{
    m_scroll->Create(m_window.get());
    m_scroll->setValue(kVert, 20);
    m_scroll->setMin(kVert, 50); // the bar moves the position to 50 without a report
    QCOMPARE(m_scroll->Value(kVert), 50);
    QSignalSpy changes(m_scroll.get(), &ScrollBarController::Change);
    QSignalSpy scrolls(m_scroll.get(), &ScrollBarController::Scroll);
    m_scroll->WindowProc(m_window.get(), WM_VSCROLL, request(SB_THUMBTRACK), 0);
    QCOMPARE(scrolls.count(), 1);
    QCOMPARE(changes.count(), 0);
    m_scroll->WindowProc(m_window.get(), WM_VSCROLL, request(SB_ENDSCROLL), 0);
    QCOMPARE(scrolls.count() + changes.count(), 1);
}

void TestScrollBarController::wheelAmounts_data()
{
    QTest::addColumn<int>("distance");
    QTest::addColumn<int>("amount");
    QTest::newRow("one notch toward the user") << -120 << 3;
    QTest::newRow("one notch away") << 120 << -3;
    QTest::newRow("two notches") << -240 << 6;
    QTest::newRow("under a notch toward") << -119 << 0;
    QTest::newRow("under a notch away") << 119 << 0;
}

void TestScrollBarController::wheelAmounts()
{
    QFETCH(int, distance);
    QFETCH(int, amount);
    m_scroll->Create(m_window.get());
    m_scroll->setValue(kVert, 50);
    // The wheel reaches the window from whatever child is under the pointer.
    auto* child = new QWidget(m_window.get());
    child->setGeometry(0, 0, 100, 100);
    QList<int> reported;
    connect(m_scroll.get(), &ScrollBarController::MouseWheel, this,
        [&](int& bar, int& lAmount) { reported << bar << lAmount; });
    turnWheel(child, distance);
    QCOMPARE(reported, QList<int>({kVert, amount}));
    QCOMPARE(m_scroll->Value(kVert), 50 + amount);

    // Partial turns are not added up.
    reported.clear();
    if (amount == 0) {
        turnWheel(child, distance);
        QCOMPARE(m_scroll->Value(kVert), 50);
    }
}

void TestScrollBarController::wheelHandlerCancelsOrRedirects()
{
    m_scroll->Create(m_window.get());
    m_scroll->setValue(kVert, 50);
    int newBar = kVert;
    int newAmount = 0;
    connect(m_scroll.get(), &ScrollBarController::MouseWheel, this, [&](int& bar, int& lAmount) {
        bar = newBar;
        lAmount = newAmount;
    });
    QCOMPARE(m_scroll->WindowProc(m_window.get(), WM_MOUSEWHEEL, makeWParam(0, -120), 0), 0);
    QCOMPARE(m_scroll->Value(kVert), 50);

    newBar = kHorz;
    newAmount = 3;
    QCOMPARE(m_scroll->WindowProc(m_window.get(), WM_MOUSEWHEEL, makeWParam(0, -120), 0), 1);
    QCOMPARE(m_scroll->Value(kHorz), 3);
    QCOMPARE(m_scroll->Value(kVert), 50);
}

void TestScrollBarController::wheelLinesFollowTheSystem_data()
{
    QTest::addColumn<int>("setting");
    QTest::addColumn<int>("lines");
    QTest::newRow("off") << 0 << 3;
    QTest::newRow("a page at a time") << -1 << 3;
    QTest::newRow("one") << 1 << 1;
    QTest::newRow("five") << 5 << 5;
}

void TestScrollBarController::wheelLinesFollowTheSystem()
{
    QFETCH(int, setting);
    QFETCH(int, lines);
    QApplication::setWheelScrollLines(setting);
    m_scroll->Create(m_window.get());
    QCOMPARE(m_scroll->wheelLines(), lines);
    m_scroll->setSmallChange(kVert, 2);
    turnWheel(m_window.get(), -120);
    QCOMPARE(m_scroll->Value(kVert), 2 * lines);
}

void TestScrollBarController::pressesOnBarsRaiseScrollClick()
{
    m_scroll->Create(m_window.get());
    m_scroll->setVisible(kVert, true);
    m_scroll->setVisible(kHorz, true);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QSignalSpy clicks(m_scroll.get(), &ScrollBarController::ScrollClick);
    QScrollBar* vertical = windowbars::scrollBar(m_window.get(), kVert);
    QScrollBar* horizontal = windowbars::scrollBar(m_window.get(), kHorz);

    auto click = [](QWidget* bar, Qt::MouseButton button) {
        const QPoint at = bar->rect().center();
        sendMouse(bar, QEvent::MouseButtonPress, at, button, button);
        sendMouse(bar, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
    };
    click(vertical, Qt::LeftButton);
    click(vertical, Qt::RightButton);
    click(vertical, Qt::MiddleButton);
    click(horizontal, Qt::LeftButton);
    QTest::mouseClick(m_window.get(), Qt::LeftButton, {}, QPoint(20, 20)); // inside, not on a bar
    QCOMPARE(clicks.count(), 3);
    QCOMPARE(clicks[0], QVariantList({kVert, 1}));
    QCOMPARE(clicks[1], QVariantList({kVert, 2}));
    QCOMPARE(clicks[2], QVariantList({kHorz, 1}));

    for (int hit : {HTCAPTION, HTBORDER})
        m_scroll->WindowProc(m_window.get(), WM_NCLBUTTONDOWN, quintptr(hit), 0);
    m_scroll->WindowProc(m_window.get(), WM_NCMBUTTONDOWN, quintptr(HTVSCROLL), 0);
    QCOMPARE(clicks.count(), 3);
}

void TestScrollBarController::createTwiceLetsGoOfTheFirstWindow()
{
    QWidget second;
    second.resize(200, 200);
    m_scroll->setStyle(FSB_FLAT_MODE);
    m_scroll->Create(m_window.get());
    QCOMPARE(Subclasser::instance().hookCount(m_window.get()), 6);
    QCOMPARE(windowbars::barLook(m_window.get(), kVert), FSB_FLAT_MODE);

    m_scroll->Create(&second);
    QCOMPARE(Subclasser::instance().hookCount(m_window.get()), 0);
    QCOMPARE(Subclasser::instance().hookCount(&second), 6);
    QCOMPARE(windowbars::barLook(m_window.get(), kVert), FSB_REGULAR_MODE);
    QCOMPARE(windowbars::barLook(&second, kVert), FSB_FLAT_MODE);
    int wheels = 0;
    connect(m_scroll.get(), &ScrollBarController::MouseWheel, this, [&](int&, int&) { ++wheels; });
    turnWheel(m_window.get(), -120);
    QCOMPARE(wheels, 0);
    turnWheel(&second, -120);
    QCOMPARE(wheels, 1);
    QCOMPARE(m_scroll->window(), &second);

    m_scroll->Create(nullptr);
    QCOMPARE(Subclasser::instance().hookCount(), 0);
    QCOMPARE(m_scroll->window(), nullptr);
}

void TestScrollBarController::flatLooks()
{
    m_scroll->setStyle(FSB_ENCARTA_MODE);
    m_scroll->Create(m_window.get());
    QCOMPARE(windowbars::barLook(m_window.get(), kHorz), FSB_ENCARTA_MODE);
    QCOMPARE(windowbars::barLook(m_window.get(), kVert), FSB_ENCARTA_MODE);

    m_scroll->setOrientation(1);
    m_scroll->setStyle(FSB_FLAT_MODE);
    QCOMPARE(windowbars::barLook(m_window.get(), kVert), FSB_FLAT_MODE);
    QCOMPARE(windowbars::barLook(m_window.get(), kHorz), FSB_ENCARTA_MODE);
    QCOMPARE(m_scroll->Style(), FSB_FLAT_MODE);

    // The looks are drawn differently, not just named.
    QScrollBar* bar = windowbars::scrollBar(m_window.get(), kVert);
    bar->resize(17, 150);
    const QImage flat = bar->grab().toImage();
    m_scroll->setStyle(FSB_REGULAR_MODE);
    QVERIFY(flat != bar->grab().toImage());
}

void TestScrollBarController::withoutFlatBarsStylesAreIgnored()
{
    windowbars::setFlatBarsAvailable(false);
    m_scroll->Create(m_window.get());
    QVERIFY(!m_scroll->CanBeFlat());
    m_scroll->setStyle(FSB_FLAT_MODE);
    QCOMPARE(m_scroll->Style(), FSB_REGULAR_MODE);
    QCOMPARE(windowbars::barLook(m_window.get(), kVert), FSB_REGULAR_MODE);
    m_scroll->setStyle(FSB_REGULAR_MODE);
    // The bars still work.
    m_scroll->setValue(kVert, 12);
    QCOMPARE(m_scroll->Value(kVert), 12);
}

void TestScrollBarController::overflowRaisesAndChangesNothing()
{
    m_scroll->Create(m_window.get());
    m_scroll->setValue(kVert, 1);
    m_scroll->setSmallChange(kVert, INT_MAX);
    QVERIFY_THROWS_EXCEPTION(
        std::overflow_error, m_scroll->WindowProc(m_window.get(), WM_VSCROLL, request(SB_LINEDOWN), 0));
    QCOMPARE(m_scroll->Value(kVert), 1);

    m_scroll->setLargeChange(kVert, 10);
    QVERIFY_THROWS_EXCEPTION(std::overflow_error, m_scroll->setMax(kVert, INT_MAX));
    QCOMPARE(m_scroll->Max(kVert), 100);

    // A wheel amount past 32 bits: a direct call throws; a real wheel turn is dropped.
    m_scroll->setSmallChange(kVert, INT_MAX / 2);
    QVERIFY_THROWS_EXCEPTION(
        std::overflow_error, m_scroll->WindowProc(m_window.get(), WM_MOUSEWHEEL, makeWParam(0, -120), 0));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("dropped: Overflow"));
    turnWheel(m_window.get(), -120);
    QCOMPARE(m_scroll->Value(kVert), 1);
}

void TestScrollBarController::keyboardWorksTheVisibleBar()
{
    m_scroll->Create(m_window.get());
    m_scroll->setSmallChange(kVert, 4);
    QTest::keyClick(m_window.get(), Qt::Key_Down);
    QCOMPARE(m_scroll->Value(kVert), 0); // the bar is hidden

    m_scroll->setVisible(kVert, true);
    QTest::keyClick(m_window.get(), Qt::Key_Down);
    QCOMPARE(m_scroll->Value(kVert), 4);
    QTest::keyClick(m_window.get(), Qt::Key_End);
    QCOMPARE(m_scroll->Value(kVert), 100);
    QTest::keyClick(m_window.get(), Qt::Key_Home);
    QCOMPARE(m_scroll->Value(kVert), 0);
}

QTEST_MAIN(TestScrollBarController)
#include "tst_scrollbarcontroller.moc"
