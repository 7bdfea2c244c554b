#include "ui/WindowScrollBars.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QWheelEvent>
#include <qdrawutil.h>

#include <algorithm>
#include <array>
#include <limits>
#include <stdexcept>

using namespace winmsg;

namespace {

bool g_flatBarsAvailable = true;

class WindowBarSet;

// Everything the window manager keeps about one bar.
struct BarState
{
    qint32 min = 0;
    qint32 max = 100;
    qint32 page = 0;
    qint32 pos = 0;
    bool tracking = false;
    qint32 trackPos = 0;
    bool shown = false;
};

qint64 highestPosition(const BarState& state)
{
    return qint64(state.max) - std::max<qint64>(qint64(state.page) - 1, 0);
}

// The drawn bar. It reports what the user does to it and leaves its position to the record.
class WindowBar : public QScrollBar
{
    Q_OBJECT

public:
    WindowBar(int code, WindowBarSet* set, QWidget* window);

    void showState(const BarState& state);
    int look() const { return m_look; }
    void setLook(int look);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    // A wheel turn over a window's bar is the window's wheel message.
    void wheelEvent(QWheelEvent* event) override { event->ignore(); }
    void paintEvent(QPaintEvent* event) override;

private:
    void onAction(int action);
    void send(int request, int position = 0);
    QStyle::SubControl partAt(const QPoint& point) const;
    void paintFlat();

    int m_code;
    WindowBarSet* m_set;
    QPointer<QWidget> m_window;
    int m_look = FSB_REGULAR_MODE;
    int m_actionsSincePress = 0;
    bool m_scrollingPress = false;
    QStyle::SubControl m_hot = QStyle::SC_None;
    QStyle::SubControl m_pressed = QStyle::SC_None;
};

// The two bars of one window, kept as a child of the window so that they live and die with it.
class WindowBarSet : public QObject
{
    Q_OBJECT

public:
    explicit WindowBarSet(QWidget* window);

    static WindowBarSet* of(QWidget* window);

    BarState& state(int bar) { return m_states.at(checkedBar(bar)); }
    WindowBar* bar(int bar) { return m_bars.at(checkedBar(bar)); }
    void refresh(int bar) { m_bars.at(bar)->showState(m_states.at(bar)); }
    void layoutBars();

    bool flat = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static std::size_t checkedBar(int bar)
    {
        if (bar != SB_HORZ && bar != SB_VERT)
            throw std::out_of_range("a window has only the horizontal (0) and vertical (1) scroll bars");
        return std::size_t(bar);
    }
    bool scrollByKey(QKeyEvent* event);

    QWidget* m_window;
    std::array<BarState, 2> m_states;
    std::array<WindowBar*, 2> m_bars;
};

WindowBar::WindowBar(int code, WindowBarSet* set, QWidget* window)
    : QScrollBar(code == SB_VERT ? Qt::Vertical : Qt::Horizontal, window)
    , m_code(code)
    , m_set(set)
    , m_window(window)
{
    setObjectName(code == SB_VERT ? QStringLiteral("VerticalScrollBar") : QStringLiteral("HorizontalScrollBar"));
    setFocusPolicy(Qt::NoFocus);
    // A right press is the owner's to answer (it arrives as a press on the bar), so the bar's own
    // menu stays out of the way.
    setContextMenuPolicy(Qt::PreventContextMenu);
    connect(this, &QAbstractSlider::actionTriggered, this, &WindowBar::onAction);
    hide();
}

void WindowBar::showState(const BarState& state)
{
    // Qt's slider runs from the first to the last position the record allows, with the page as
    // its thumb, which draws the thumb in the same proportion as the window manager does.
    setRange(state.min, int(highestPosition(state)));
    setPageStep(state.page);
    setValue(state.pos);
}

void WindowBar::setLook(int look)
{
    m_look = look;
    setMouseTracking(look != FSB_REGULAR_MODE);
    m_hot = QStyle::SC_None;
    update();
}

void WindowBar::send(int request, int position)
{
    sendWindowMessage(m_window, m_code == SB_VERT ? WM_VSCROLL : WM_HSCROLL, makeWParam(request, position), 0);
}

void WindowBar::onAction(int action)
{
    int request;
    switch (action) {
    case SliderSingleStepSub:
        request = SB_LINEUP;
        break;
    case SliderSingleStepAdd:
        request = SB_LINEDOWN;
        break;
    case SliderPageStepSub:
        request = SB_PAGEUP;
        break;
    case SliderPageStepAdd:
        request = SB_PAGEDOWN;
        break;
    case SliderToMinimum:
        request = SB_TOP;
        break;
    case SliderToMaximum:
        request = SB_BOTTOM;
        break;
    case SliderMove:
        request = SB_THUMBTRACK;
        break;
    default:
        return;
    }
    ++m_actionsSincePress;
    QPointer<WindowBar> self(this);
    BarState& state = m_set->state(m_code);
    if (request == SB_THUMBTRACK) {
        state.tracking = true;
        state.trackPos = sliderPosition();
        send(SB_THUMBTRACK, state.trackPos);
        if (self && !isSliderDown()) {
            // A jump without a drag (the middle button): the track is over at once.
            state.tracking = false;
            send(SB_THUMBPOSITION, state.trackPos);
            send(SB_ENDSCROLL);
        }
    } else {
        send(request);
    }
    // Qt has already moved the slider for the action; the record decides where it stays.
    if (self)
        m_set->refresh(m_code);
}

QStyle::SubControl WindowBar::partAt(const QPoint& point) const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    return style()->hitTestComplexControl(QStyle::CC_ScrollBar, &option, point, this);
}

void WindowBar::mousePressEvent(QMouseEvent* event)
{
    int message = 0;
    if (event->button() == Qt::LeftButton)
        message = WM_NCLBUTTONDOWN;
    else if (event->button() == Qt::RightButton)
        message = WM_NCRBUTTONDOWN;
    else if (event->button() == Qt::MiddleButton)
        message = WM_NCMBUTTONDOWN;
    QPointer<WindowBar> self(this);
    if (message != 0) {
        const QPoint global = event->globalPosition().toPoint();
        sendWindowMessage(
            m_window, message, m_code == SB_VERT ? HTVSCROLL : HTHSCROLL, qintptr(makeWParam(global.x(), global.y())));
    }
    if (!self)
        return;
    m_actionsSincePress = 0;
    m_pressed = partAt(event->position().toPoint());
    QScrollBar::mousePressEvent(event);
    if (self)
        m_scrollingPress = m_scrollingPress || isSliderDown() || m_actionsSincePress > 0;
}

void WindowBar::mouseReleaseEvent(QMouseEvent* event)
{
    const bool dragging = isSliderDown();
    QPointer<WindowBar> self(this);
    QScrollBar::mouseReleaseEvent(event);
    if (!self || event->buttons() != Qt::NoButton)
        return;
    m_pressed = QStyle::SC_None;
    update();
    if (!m_scrollingPress)
        return;
    m_scrollingPress = false;
    BarState& state = m_set->state(m_code);
    if (dragging) {
        state.tracking = false;
        send(SB_THUMBPOSITION, state.trackPos);
    }
    if (self)
        send(SB_ENDSCROLL);
}

void WindowBar::mouseMoveEvent(QMouseEvent* event)
{
    if (m_look != FSB_REGULAR_MODE) {
        const QStyle::SubControl hot = partAt(event->position().toPoint());
        if (hot != m_hot) {
            m_hot = hot;
            update();
        }
    }
    QScrollBar::mouseMoveEvent(event);
}

void WindowBar::leaveEvent(QEvent* event)
{
    if (m_hot != QStyle::SC_None) {
        m_hot = QStyle::SC_None;
        update();
    }
    QScrollBar::leaveEvent(event);
}

void WindowBar::paintEvent(QPaintEvent* event)
{
    if (m_look == FSB_REGULAR_MODE)
        QScrollBar::paintEvent(event);
    else
        paintFlat();
}

// Flat parts without bevels. Under the pointer a part shows in inverted colours (flat look) or
// raised (encarta look); a pressed part is sunk in the encarta look.
void WindowBar::paintFlat()
{
    QPainter painter(this);
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QPalette& colours = palette();
    const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
    const QColor face = colours.color(group, QPalette::Button);
    const QColor ink = colours.color(group, QPalette::ButtonText);
    const QColor edge = colours.color(group, QPalette::Mid);
    // The track is lighter than the parts on it, halfway between the button and the base colour.
    const QColor base = colours.color(group, QPalette::Base);
    const QColor track(
        (face.red() + base.red()) / 2, (face.green() + base.green()) / 2, (face.blue() + base.blue()) / 2);
    painter.fillRect(rect(), track);

    const bool vertical = orientation() == Qt::Vertical;
    for (QStyle::SubControl part :
        {QStyle::SC_ScrollBarSubLine, QStyle::SC_ScrollBarAddLine, QStyle::SC_ScrollBarSlider}) {
        const QRect area = style()->subControlRect(QStyle::CC_ScrollBar, &option, part, this);
        if (area.isEmpty())
            continue;
        const bool hot = isEnabled() && part == m_hot;
        const bool pressed = isEnabled() && part == m_pressed;
        QColor partFace = part == QStyle::SC_ScrollBarSlider ? face.darker(115) : face;
        QColor partInk = ink;
        if (hot && m_look == FSB_FLAT_MODE)
            std::swap(partFace, partInk);
        painter.fillRect(area, partFace);
        if (hot && m_look == FSB_ENCARTA_MODE)
            qDrawShadePanel(&painter, area, colours, pressed, 1);
        else {
            painter.setPen(edge);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(area.adjusted(0, 0, -1, -1));
        }
        if (part == QStyle::SC_ScrollBarSlider)
            continue;
        // The arrow: a small triangle pointing away from the middle of the bar.
        const QPointF c = QRectF(area).center();
        const qreal s = std::min(area.width(), area.height()) / 4.0;
        const bool towardsStart = part == QStyle::SC_ScrollBarSubLine;
        QPolygonF arrow;
        if (vertical && towardsStart)
            arrow << QPointF(c.x() - s, c.y() + s / 2) << QPointF(c.x() + s, c.y() + s / 2)
                  << QPointF(c.x(), c.y() - s / 2);
        else if (vertical)
            arrow << QPointF(c.x() - s, c.y() - s / 2) << QPointF(c.x() + s, c.y() - s / 2)
                  << QPointF(c.x(), c.y() + s / 2);
        else if (towardsStart)
            arrow << QPointF(c.x() + s / 2, c.y() - s) << QPointF(c.x() + s / 2, c.y() + s)
                  << QPointF(c.x() - s / 2, c.y());
        else
            arrow << QPointF(c.x() - s / 2, c.y() - s) << QPointF(c.x() - s / 2, c.y() + s)
                  << QPointF(c.x() + s / 2, c.y());
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(partInk);
        painter.drawPolygon(arrow);
        painter.setRenderHint(QPainter::Antialiasing, false);
    }
}

WindowBarSet::WindowBarSet(QWidget* window)
    : QObject(window)
    , m_window(window)
{
    setObjectName(QStringLiteral("WindowScrollBars"));
    m_bars = {new WindowBar(SB_HORZ, this, window), new WindowBar(SB_VERT, this, window)};
    refresh(SB_HORZ);
    refresh(SB_VERT);
    window->installEventFilter(this);
}

WindowBarSet* WindowBarSet::of(QWidget* window)
{
    if (!window)
        return nullptr;
    if (auto* set = window->findChild<WindowBarSet*>(QString(), Qt::FindDirectChildrenOnly))
        return set;
    return new WindowBarSet(window);
}

void WindowBarSet::layoutBars()
{
    const int width = m_window->width();
    const int height = m_window->height();
    const bool horizontal = m_states[SB_HORZ].shown;
    const bool vertical = m_states[SB_VERT].shown;
    m_bars[SB_VERT]->setGeometry(
        width - windowbars::kBarExtent, 0, windowbars::kBarExtent, height - (horizontal ? windowbars::kBarExtent : 0));
    m_bars[SB_HORZ]->setGeometry(
        0, height - windowbars::kBarExtent, width - (vertical ? windowbars::kBarExtent : 0), windowbars::kBarExtent);
    for (WindowBar* bar : m_bars)
        bar->raise();
}

bool WindowBarSet::scrollByKey(QKeyEvent* event)
{
    int bar = SB_VERT;
    int request;
    switch (event->key()) {
    case Qt::Key_Up:
        request = SB_LINEUP;
        break;
    case Qt::Key_Down:
        request = SB_LINEDOWN;
        break;
    case Qt::Key_PageUp:
        request = SB_PAGEUP;
        break;
    case Qt::Key_PageDown:
        request = SB_PAGEDOWN;
        break;
    case Qt::Key_Home:
        request = SB_TOP;
        break;
    case Qt::Key_End:
        request = SB_BOTTOM;
        break;
    case Qt::Key_Left:
        bar = SB_HORZ;
        request = SB_LINEUP;
        break;
    case Qt::Key_Right:
        bar = SB_HORZ;
        request = SB_LINEDOWN;
        break;
    default:
        return false;
    }
    if (!m_states[bar].shown || !m_bars[bar]->isEnabled())
        return false;
    const int message = bar == SB_VERT ? WM_VSCROLL : WM_HSCROLL;
    QPointer<QWidget> window(m_window);
    sendWindowMessage(window, message, makeWParam(request, 0), 0);
    sendWindowMessage(window, message, makeWParam(SB_ENDSCROLL, 0), 0);
    return true;
}

bool WindowBarSet::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_window)
        return false;
    switch (event->type()) {
    case QEvent::Resize:
        layoutBars();
        break;
    case QEvent::ChildAdded:
        // Whatever the window gets later must not cover its bars.
        for (WindowBar* bar : m_bars)
            bar->raise();
        break;
    case QEvent::KeyPress:
        // The keyboard works the bars of the window that has the focus, as their arrows would.
        if (scrollByKey(static_cast<QKeyEvent*>(event))) {
            event->accept();
            return true;
        }
        break;
    default:
        break;
    }
    return false;
}

} // namespace

namespace windowbars {

bool getScrollInfo(QWidget* window, int bar, ScrollInfo& info)
{
    WindowBarSet* set = WindowBarSet::of(window);
    if (!set || info.cbSize != qint32(sizeof(ScrollInfo)))
        return false;
    const BarState& state = set->state(bar);
    if (info.fMask & SIF_RANGE) {
        info.nMin = state.min;
        info.nMax = state.max;
    }
    if (info.fMask & SIF_PAGE)
        info.nPage = state.page;
    if (info.fMask & SIF_POS)
        info.nPos = state.pos;
    if (info.fMask & SIF_TRACKPOS)
        info.nTrackPos = state.tracking ? state.trackPos : state.pos;
    return true;
}

qint32 setScrollInfo(QWidget* window, int bar, const ScrollInfo& info, bool redraw)
{
    WindowBarSet* set = WindowBarSet::of(window);
    if (!set || info.cbSize != qint32(sizeof(ScrollInfo)))
        return 0;
    BarState& state = set->state(bar);
    if (info.fMask & SIF_PAGE)
        state.page = info.nPage;
    if (info.fMask & SIF_POS)
        state.pos = info.nPos;
    if (info.fMask & SIF_RANGE) {
        if (info.nMin > info.nMax || qint64(info.nMax) - info.nMin > std::numeric_limits<qint32>::max()) {
            state.min = 0;
            state.max = 0;
        } else {
            state.min = info.nMin;
            state.max = info.nMax;
        }
    }
    const qint64 pages = qint64(state.max) - state.min + 1;
    if (state.page < 0)
        state.page = 0;
    else if (state.page > pages)
        state.page = qint32(std::min<qint64>(pages, std::numeric_limits<qint32>::max()));
    if (state.pos < state.min)
        state.pos = state.min;
    else if (state.pos > highestPosition(state))
        state.pos = qint32(highestPosition(state));
    if (redraw)
        set->refresh(bar);
    return state.pos;
}

bool showScrollBar(QWidget* window, int bar, bool show)
{
    WindowBarSet* set = WindowBarSet::of(window);
    if (!set)
        return false;
    set->state(bar).shown = show;
    set->layoutBars();
    set->bar(bar)->setVisible(show);
    return true;
}

bool enableScrollBar(QWidget* window, int bar, int arrows)
{
    WindowBarSet* set = WindowBarSet::of(window);
    if (!set)
        return false;
    set->bar(bar)->setEnabled(arrows != ESB_DISABLE_BOTH);
    return true;
}

bool initializeFlatBars(QWidget* window)
{
    if (!g_flatBarsAvailable)
        throw std::runtime_error("flat scroll bars are not available");
    WindowBarSet* set = WindowBarSet::of(window);
    if (!set)
        return false;
    set->flat = true;
    return true;
}

void uninitializeFlatBars(QWidget* window)
{
    WindowBarSet* set = WindowBarSet::of(window);
    if (!set || !set->flat)
        return;
    set->flat = false;
    set->bar(SB_HORZ)->setLook(FSB_REGULAR_MODE);
    set->bar(SB_VERT)->setLook(FSB_REGULAR_MODE);
}

bool setFlatBarProperty(QWidget* window, int property, int value, bool /*redraw*/)
{
    WindowBarSet* set = WindowBarSet::of(window);
    if (!set || !set->flat)
        return false;
    if (value != FSB_REGULAR_MODE && value != FSB_ENCARTA_MODE && value != FSB_FLAT_MODE)
        return false;
    if (property & WSB_PROP_HSTYLE)
        set->bar(SB_HORZ)->setLook(value);
    if (property & WSB_PROP_VSTYLE)
        set->bar(SB_VERT)->setLook(value);
    return (property & (WSB_PROP_HSTYLE | WSB_PROP_VSTYLE)) != 0;
}

void setFlatBarsAvailable(bool available)
{
    g_flatBarsAvailable = available;
}

bool flatBarsAvailable()
{
    return g_flatBarsAvailable;
}

QScrollBar* scrollBar(QWidget* window, int bar)
{
    WindowBarSet* set = WindowBarSet::of(window);
    return set ? set->bar(bar) : nullptr;
}

int barLook(QWidget* window, int bar)
{
    WindowBarSet* set = WindowBarSet::of(window);
    return set ? set->bar(bar)->look() : FSB_REGULAR_MODE;
}

} // namespace windowbars

#include "WindowScrollBars.moc"
