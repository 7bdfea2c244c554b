#include "attendance/CardArea.h"
#include "ui/ScrollBarController.h"
#include "ui/Subclasser.h"
#include "ui/WindowScrollBars.h"

#include <QApplication>
#include <QScrollBar>
#include <QSignalSpy>
#include <QWheelEvent>
#include <QtTest/qtestspontaneevent.h>
#include <QtTest>

#include <memory>

using namespace winmsg;

namespace {

// The main window's measures in pixels: a 680 x 473 viewport, a 663-pixel canvas, 97 x 131
// cards six to a row, 15 pixels apart.
constexpr int kCardWidth = 97;
constexpr int kCardHeight = 131;
constexpr int kGap = 15;
constexpr int kPitch = kCardHeight + kGap;
constexpr int kVert = 1;

} // namespace

class TestCardArea : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void startUpShowsTheBarBesideTheCards();
    void startUpWithOnlyTheTemplateCard();
    void aClassOf40ScrollsToItsLastRow();
    void thumbAndWheelMoveTheCanvas();
    void rebuildsKeepOrClampThePosition();
    void stepsAfterAFailedCreateReportAFailure();

private:
    // Replaces the cards with n new ones placed as the listing places them; returns the last.
    QWidget* listCards(int n);
    QWidget* card(int index) const { return m_cards.at(index); }
    // The last card's rectangle in viewport coordinates.
    QRect inViewport(QWidget* card) const { return QRect(card->mapTo(m_window.get(), QPoint(0, 0)), card->size()); }

    std::unique_ptr<QWidget> m_window;
    QWidget* m_picScrollBox = nullptr;
    QWidget* m_picClient = nullptr;
    QList<QWidget*> m_cards;
    std::unique_ptr<CardArea> m_area;
};

void TestCardArea::init()
{
    QApplication::setWheelScrollLines(3);
    m_window = std::make_unique<QWidget>();
    m_window->resize(680, 473);
    m_picScrollBox = m_window.get();
    m_picClient = new QWidget(m_picScrollBox);
    m_picClient->setGeometry(0, 0, 663, 464);
    m_area = std::make_unique<CardArea>(m_picScrollBox, m_picClient);
    m_cards.clear();
}

void TestCardArea::cleanup()
{
    m_area.reset();
    m_window.reset();
    QCOMPARE(Subclasser::instance().hookCount(), 0);
}

QWidget* TestCardArea::listCards(int n)
{
    qDeleteAll(m_cards);
    m_cards.clear();
    for (int i = 0; i < n; ++i) {
        auto* card = new QWidget(m_picClient);
        card->resize(kCardWidth, kCardHeight);
        card->move((i % 6) * (kCardWidth + kGap), (i / 6) * kPitch);
        card->show();
        m_cards.append(card);
    }
    return m_cards.isEmpty() ? nullptr : m_cards.last();
}

void TestCardArea::startUpShowsTheBarBesideTheCards()
{
    m_area->create();
    ScrollBarController* scroll = m_area->controller();
    QVERIFY(scroll);
    QCOMPARE(scroll->window(), m_picScrollBox);
    QVERIFY(scroll->Visible(kVert));
    QVERIFY(!scroll->Visible(0));
    m_area->fitToCards(listCards(40), kPitch);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));

    QScrollBar* bar = windowbars::scrollBar(m_picScrollBox, kVert);
    QVERIFY(bar->isVisible());
    QVERIFY(windowbars::scrollBar(m_picScrollBox, 0)->isHidden());
    // The bar fills the strip right of the canvas and covers no card.
    QCOMPARE(bar->geometry(), QRect(663, 0, 17, 473));
    for (QWidget* c : std::as_const(m_cards))
        QVERIFY(!inViewport(c).intersects(bar->geometry()));
    // Cards added later still do not cover it.
    auto* late = new QWidget(m_picScrollBox);
    late->setGeometry(600, 0, 80, 80);
    late->show();
    QVERIFY(m_picScrollBox->childAt(670, 40) == bar);
}

void TestCardArea::startUpWithOnlyTheTemplateCard()
{
    m_area->create();
    QWidget* card0 = listCards(1);
    card0->hide();
    m_area->fitToCards(card0, kPitch);
    ScrollBarController* scroll = m_area->controller();
    QVERIFY(m_picClient->height() > 473);
    QCOMPARE(scroll->Max(kVert), 0);
    QCOMPARE(scroll->LargeChange(kVert), 473);
    // Paging as far as the bar goes never uncovers the viewport.
    for (int i = 0; i < 3; ++i)
        scroll->WindowProc(m_picScrollBox, WM_VSCROLL, makeWParam(SB_PAGEDOWN, 0), 0);
    QVERIFY(m_picClient->geometry().bottom() + 1 >= 473);
}

void TestCardArea::aClassOf40ScrollsToItsLastRow()
{
    m_area->create();
    QWidget* last = listCards(40);
    m_area->fitToCards(last, kPitch);
    ScrollBarController* scroll = m_area->controller();
    QCOMPARE(scroll->LargeChange(kVert), 473);
    QVERIFY(m_picClient->height() >= last->geometry().bottom() + 1);
    QVERIFY(!QRect(0, 0, 680, 473).contains(inViewport(last)));

    // To the end with the keyboard, as a user would after clicking a card.
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_picScrollBox->setFocus();
    QTest::keyClick(m_picScrollBox, Qt::Key_End);
    QCOMPARE(scroll->Value(kVert), scroll->Max(kVert));
    QCOMPARE(m_picClient->y(), -scroll->Max(kVert));
    QVERIFY(QRect(0, 0, 663, 473).contains(inViewport(last)));
    QVERIFY(!inViewport(card(0)).intersects(QRect(0, 0, 680, 473)));

    // Paging past the end stops where the canvas's bottom meets the viewport's.
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(m_picScrollBox, Qt::Key_PageDown);
    QCOMPARE(m_picClient->geometry().bottom() + 1, 473);
    QVERIFY(QRect(0, 0, 663, 473).contains(inViewport(last)));

    // Every row can be brought fully into view.
    for (int row = 0; row < 7; ++row) {
        scroll->setValue(kVert, std::min(row * kPitch, scroll->Max(kVert)));
        QVERIFY2(QRect(0, 0, 663, 473).contains(inViewport(card(row * 6))), qPrintable(QString::number(row)));
    }
}

void TestCardArea::thumbAndWheelMoveTheCanvas()
{
    m_area->create();
    m_area->fitToCards(listCards(40), kPitch);
    ScrollBarController* scroll = m_area->controller();

    // The thumb: one pixel of canvas per unit of value, the same for Scroll and Change.
    scroll->WindowProc(m_picScrollBox, WM_VSCROLL, makeWParam(SB_THUMBTRACK, 0), 0);
    scroll->setValue(kVert, 123);
    QCOMPARE(m_picClient->y(), -123);
    m_area->m_cScroll_Scroll(kVert);
    QCOMPARE(m_picClient->y(), -123);
    m_area->m_cScroll_Change(kVert);
    QCOMPARE(m_picClient->y(), -123);

    // A wheel notch over a card moves about one row.
    scroll->setValue(kVert, 0);
    const QPointF at(10, 10);
    QWheelEvent notch(at, card(7)->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
        Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&notch); // as the window system sends it, so it bubbles up
    qApp->notify(card(7), &notch);
    QVERIFY(qAbs(-m_picClient->y() - kPitch) <= 3);
    QCOMPARE(-m_picClient->y(), scroll->Value(kVert));
}

void TestCardArea::rebuildsKeepOrClampThePosition()
{
    m_area->create();
    m_area->fitToCards(listCards(40), kPitch);
    ScrollBarController* scroll = m_area->controller();
    scroll->setValue(kVert, 100);

    // A class that still reaches that far keeps the position.
    m_area->fitToCards(listCards(25), kPitch);
    QCOMPARE(scroll->Value(kVert), 100);
    QCOMPARE(m_picClient->y(), -100);

    // A shorter one clamps it so that its last row is in view.
    scroll->WindowProc(m_picScrollBox, WM_VSCROLL, makeWParam(SB_BOTTOM, 0), 0);
    QWidget* last = listCards(20);
    m_area->fitToCards(last, kPitch);
    QCOMPARE(m_picClient->y(), -scroll->Value(kVert));
    QVERIFY(QRect(0, 0, 663, 473).contains(inViewport(last)));

    // A class of 3 brings the canvas back into view.
    scroll->WindowProc(m_picScrollBox, WM_VSCROLL, makeWParam(SB_BOTTOM, 0), 0);
    m_area->fitToCards(listCards(40), kPitch);
    scroll->WindowProc(m_picScrollBox, WM_VSCROLL, makeWParam(SB_BOTTOM, 0), 0);
    QVERIFY(scroll->Value(kVert) > 400);
    m_area->fitToCards(listCards(3), kPitch);
    QCOMPARE(m_picClient->y(), 0);
    QCOMPARE(scroll->Value(kVert), 0);
    for (int i = 0; i < 3; ++i)
        QVERIFY(QRect(0, 0, 663, 473).contains(inViewport(card(i))));
}

void TestCardArea::stepsAfterAFailedCreateReportAFailure()
{
    // Step 148 did not run: the later steps fail each on its own and the listing still works.
    QVERIFY_THROWS_EXCEPTION(std::exception, m_area->attachToViewport());
    QVERIFY_THROWS_EXCEPTION(std::exception, m_area->showVerticalBar());
    QWidget* last = listCards(40);
    m_area->fitToCards(last, kPitch);
    QVERIFY(m_picClient->height() >= last->geometry().bottom() + 1);
    QCOMPARE(Subclasser::instance().hookCount(), 0);
}

QTEST_MAIN(TestCardArea)
#include "tst_cardarea.moc"
