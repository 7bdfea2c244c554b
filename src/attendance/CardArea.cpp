#include "attendance/CardArea.h"

#include "core/Failure.h"
#include "ui/ScrollBarController.h"

#include <QCoreApplication>
#include <QFrame>
#include <QWidget>

#include <algorithm>

namespace {
constexpr int kVertical = 1;
constexpr int kHorizontal = 0;
} // namespace

CardArea::CardArea(QWidget* picScrollBox, QWidget* picClient, QObject* parent)
    : QObject(parent)
    , m_picScrollBox(picScrollBox)
    , m_picClient(picClient)
{ }

// The controller lets go of the viewport here, while the viewport may still exist.
CardArea::~CardArea() = default;

ScrollBarController& CardArea::requireController() const
{
    if (!m_cScroll)
        throw Failure(QCoreApplication::translate("CardArea", "The scroll bar of the card area was not created."));
    return *m_cScroll;
}

void CardArea::createController()
{
    auto controller = std::make_unique<ScrollBarController>();
    connect(controller.get(), &ScrollBarController::Scroll, this, &CardArea::m_cScroll_Scroll);
    connect(controller.get(), &ScrollBarController::Change, this, &CardArea::m_cScroll_Change);
    m_cScroll = std::move(controller);
}

void CardArea::attachToViewport()
{
    requireController().Create(m_picScrollBox);
    // Arrow and page keys scroll the cards once a click has put the focus in the card area.
    if (m_picScrollBox)
        m_picScrollBox->setFocusPolicy(Qt::StrongFocus);
}

void CardArea::showVerticalBar()
{
    requireController().setVisible(kVertical, true);
}

void CardArea::removeViewportBorder()
{
    requireController();
    if (auto* frame = qobject_cast<QFrame*>(m_picScrollBox.data()))
        frame->setFrameShape(QFrame::NoFrame);
}

void CardArea::create()
{
    createController();
    attachToViewport();
    showVerticalBar();
    removeViewportBorder();
}

void CardArea::fitToCards(const QWidget* lastCard, int rowPitchPx)
{
    if (!m_picScrollBox || !m_picClient)
        return;
    const int viewportHeight = m_picScrollBox->height();
    const int cardsBottom = lastCard ? lastCard->geometry().bottom() + 1 : 0;
    const int gap = lastCard ? std::max(0, rowPitchPx - lastCard->height()) : 0;
    m_rowGap = gap;
    // The last row keeps the gap below it that the rows keep between them. The canvas is always
    // at least one pixel taller than the viewport because a page step can take the value one past
    // Max; that last position then still shows canvas.
    const int canvasHeight = std::max(cardsBottom + gap, viewportHeight + 1);
    m_picClient->resize(m_picClient->width(), canvasHeight);

    if (!m_cScroll)
        return;
    ScrollBarController& scroll = *m_cScroll;
    const int lines = scroll.wheelLines() > 0 ? scroll.wheelLines() : 3;
    scroll.setSmallChange(kVertical, std::max(1, (rowPitchPx + lines / 2) / lines));
    if (scroll.LargeChange(kVertical) != viewportHeight)
        scroll.setLargeChange(kVertical, viewportHeight);
    // Max + 1 is the last position, where the canvas's bottom meets the viewport's.
    const int max = canvasHeight - viewportHeight - 1;
    scroll.setMax(kVertical, max);
    if (max == 0 && scroll.Value(kVertical) != 0)
        scroll.setValue(kVertical, 0);
    // A page size change may have moved the position without a report.
    moveCanvas(kVertical);
}

void CardArea::ensureVisible(const QWidget* card)
{
    if (!card || !m_picScrollBox || !m_picClient || !m_cScroll)
        return;
    ScrollBarController& scroll = *m_cScroll;
    const int viewportHeight = m_picScrollBox->height();
    const int value = scroll.Value(kVertical);
    const int top = card->y() - m_rowGap;
    const int bottom = card->geometry().bottom() + 1 + m_rowGap;
    int wanted = value;
    if (top < value)
        wanted = top;
    else if (bottom > value + viewportHeight)
        wanted = bottom - viewportHeight;
    // Max + 1 is the bar's last position.
    wanted = std::clamp(wanted, scroll.Min(kVertical), scroll.Max(kVertical) + 1);
    if (wanted != value)
        scroll.setValue(kVertical, wanted);
}

void CardArea::m_cScroll_Scroll(int eBar)
{
    moveCanvas(eBar);
}

void CardArea::m_cScroll_Change(int eBar)
{
    moveCanvas(eBar);
}

void CardArea::moveCanvas(int eBar)
{
    if (!m_picClient || !m_cScroll)
        return;
    const int value = m_cScroll->Value(eBar);
    if (eBar != kHorizontal)
        m_picClient->move(m_picClient->x(), -value);
    else
        m_picClient->move(-value, m_picClient->y());
}
