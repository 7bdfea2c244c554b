#include "ui/ScrollBarController.h"

#include "ui/WindowScrollBars.h"

#include <QApplication>
#include <QWidget>

#include <stdexcept>

using namespace winmsg;

namespace {

// The messages the controller listens to, hooked and unhooked in this order.
constexpr int kHookedMessages[]
    = {WM_HSCROLL, WM_VSCROLL, WM_MOUSEWHEEL, WM_NCLBUTTONDOWN, WM_NCMBUTTONDOWN, WM_NCRBUTTONDOWN};

// 32-bit arithmetic that refuses to wrap.
qint32 add(qint32 a, qint32 b)
{
    qint32 sum;
    if (__builtin_add_overflow(a, b, &sum))
        throw std::overflow_error("Overflow");
    return sum;
}

qint32 subtract(qint32 a, qint32 b)
{
    qint32 difference;
    if (__builtin_sub_overflow(a, b, &difference))
        throw std::overflow_error("Overflow");
    return difference;
}

qint32 multiply(qint32 a, qint32 b)
{
    qint32 product;
    if (__builtin_mul_overflow(a, b, &product))
        throw std::overflow_error("Overflow");
    return product;
}

} // namespace

ScrollBarController::ScrollBarController(QObject* parent)
    : QObject(parent)
{ }

ScrollBarController::~ScrollBarController()
{
    try {
        DetachWindow();
    } catch (...) {
        // Nothing sensible is left to do with a failure while going away.
    }
}

std::size_t ScrollBarController::index(int eBar)
{
    if (eBar != SB_HORZ && eBar != SB_VERT)
        throw std::out_of_range("the scroll bar code must be 0 (horizontal) or 1 (vertical)");
    return std::size_t(eBar);
}

bool ScrollBarController::Visible(int eBar) const
{
    return m_bVisible[index(eBar)];
}

void ScrollBarController::setVisible(int eBar, bool bState)
{
    m_bVisible[index(eBar)] = bState;
    windowbars::showScrollBar(m_hWndTarget, eBar, bState);
}

void ScrollBarController::setOrientation(int eOrientation)
{
    m_eOrientation = eOrientation;
    ApplyOrientation();
}

void ScrollBarController::ApplyOrientation()
{
    windowbars::showScrollBar(m_hWndTarget, SB_HORZ, m_eOrientation == 0 || m_eOrientation == 2);
    windowbars::showScrollBar(m_hWndTarget, SB_VERT, m_eOrientation == 1 || m_eOrientation == 2);
}

void ScrollBarController::setStyle(int eStyle)
{
    if (eStyle != FSB_REGULAR_MODE && m_bFlatUnavailable)
        return;
    if (m_eOrientation == 0 || m_eOrientation == 2)
        windowbars::setFlatBarProperty(m_hWndTarget, WSB_PROP_HSTYLE, eStyle, true);
    if (m_eOrientation == 1 || m_eOrientation == 2)
        windowbars::setFlatBarProperty(m_hWndTarget, WSB_PROP_VSTYLE, eStyle, true);
    m_eStyle = eStyle;
}

int ScrollBarController::SmallChange(int eBar) const
{
    return m_lSmallChange[index(eBar)];
}

void ScrollBarController::setSmallChange(int eBar, int lSmallChange)
{
    m_lSmallChange[index(eBar)] = lSmallChange;
}

bool ScrollBarController::Enabled(int eBar) const
{
    return m_bEnabled[index(eBar)];
}

void ScrollBarController::setEnabled(int eBar, bool bEnabled)
{
    index(eBar);
    windowbars::enableScrollBar(m_hWndTarget, eBar, bEnabled ? ESB_ENABLE_BOTH : ESB_DISABLE_BOTH);
    m_bEnabled[std::size_t(eBar)] = bEnabled;
}

void ScrollBarController::ReadBarInfo(int eBar, ScrollInfo& info, int mask) const
{
    index(eBar);
    info.cbSize = sizeof(ScrollInfo);
    info.fMask = mask;
    windowbars::getScrollInfo(m_hWndTarget, eBar, info);
}

void ScrollBarController::WriteBarInfo(int eBar, ScrollInfo& info, int mask)
{
    index(eBar);
    info.cbSize = sizeof(ScrollInfo);
    info.fMask = mask;
    windowbars::setScrollInfo(m_hWndTarget, eBar, info, true);
}

int ScrollBarController::Min(int eBar) const
{
    ScrollInfo info;
    ReadBarInfo(eBar, info, SIF_RANGE);
    return info.nMin;
}

int ScrollBarController::Max(int eBar) const
{
    ScrollInfo info;
    ReadBarInfo(eBar, info, SIF_RANGE | SIF_PAGE);
    return subtract(info.nMax, info.nPage);
}

int ScrollBarController::Value(int eBar) const
{
    ScrollInfo info;
    ReadBarInfo(eBar, info, SIF_POS);
    return info.nPos;
}

int ScrollBarController::LargeChange(int eBar) const
{
    ScrollInfo info;
    ReadBarInfo(eBar, info, SIF_PAGE);
    return info.nPage;
}

void ScrollBarController::setMin(int eBar, int iMin)
{
    ScrollInfo info;
    info.nMin = iMin;
    info.nMax = add(Max(eBar), LargeChange(eBar));
    WriteBarInfo(eBar, info, SIF_RANGE);
}

void ScrollBarController::setMax(int eBar, int iMax)
{
    ScrollInfo info;
    info.nMax = add(iMax, LargeChange(eBar));
    info.nMin = Min(eBar);
    WriteBarInfo(eBar, info, SIF_RANGE);
    ReportValue(eBar, Report::AsChange);
}

void ScrollBarController::setValue(int eBar, int iValue)
{
    if (iValue == Value(eBar))
        return;
    ScrollInfo info;
    info.nPos = iValue;
    WriteBarInfo(eBar, info, SIF_POS);
    ReportValue(eBar, Report::AsChange);
}

void ScrollBarController::setLargeChange(int eBar, int iLargeChange)
{
    ScrollInfo info;
    ReadBarInfo(eBar, info, SIF_ALL);
    info.nMax = add(subtract(info.nMax, info.nPage), iLargeChange);
    info.nPage = iLargeChange;
    WriteBarInfo(eBar, info, SIF_RANGE | SIF_PAGE);
}

void ScrollBarController::ReportValue(int eBar, Report as)
{
    const std::size_t bar = index(eBar);
    if (Value(eBar) == m_lLastReported[bar])
        return;
    if (as == Report::AsScroll)
        Q_EMIT Scroll(eBar);
    else
        Q_EMIT Change(eBar);
    // A handler may have moved the value again.
    m_lLastReported[bar] = Value(eBar);
}

void ScrollBarController::Create(QWidget* hWndA)
{
    DetachWindow();
    m_hWndTarget = hWndA;
    StartFlatBars();
    AttachWindow();
}

void ScrollBarController::StartFlatBars()
{
    try {
        windowbars::initializeFlatBars(m_hWndTarget);
    } catch (...) {
        m_bFlatUnavailable = true;
        return;
    }
    try {
        setStyle(m_eStyle);
    } catch (...) {
        // The look is a nicety; attaching goes on without it.
    }
}

void ScrollBarController::AttachWindow()
{
    if (!m_hWndTarget)
        return;
    for (int message : kHookedMessages)
        Subclasser::instance().HookMessage(this, m_hWndTarget, message);
    const int lines = QApplication::wheelScrollLines();
    // Off (0) or a page at a time (negative) still scrolls by lines here.
    m_lWheelLines = lines <= 0 ? 3 : lines;
}

void ScrollBarController::DetachWindow()
{
    QWidget* window = m_hWndTarget;
    m_hWndTarget = nullptr;
    if (!window)
        return;
    if (flatBarsInUse()) {
        try {
            windowbars::uninitializeFlatBars(window);
        } catch (...) {
            // Leaving flat bars may fail on a system that never had them.
        }
    }
    for (int message : kHookedMessages)
        Subclasser::instance().UnhookMessage(this, window, message);
}

qint32 ScrollBarController::WindowProc(QWidget* /*hwnd*/, int iMsg, quintptr wParam, qintptr /*lParam*/)
{
    switch (iMsg) {
    case WM_HSCROLL:
        handleScroll(SB_HORZ, lowWord(wParam));
        return 0;
    case WM_VSCROLL:
        handleScroll(SB_VERT, lowWord(wParam));
        return 0;
    case WM_MOUSEWHEEL:
        return handleWheel(wParam);
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN: {
        const int eButton = iMsg == WM_NCLBUTTONDOWN ? 1 : 2;
        if (wParam == quintptr(HTHSCROLL))
            Q_EMIT ScrollClick(SB_HORZ, eButton);
        else if (wParam == quintptr(HTVSCROLL))
            Q_EMIT ScrollClick(SB_VERT, eButton);
        return 0;
    }
    default:
        return 0;
    }
}

void ScrollBarController::handleScroll(int eBar, int request)
{
    switch (request) {
    case SB_LINEUP: {
        const int v = subtract(Value(eBar), m_lSmallChange[index(eBar)]);
        if (v < Min(eBar))
            setValue(eBar, Min(eBar));
        else
            setValue(eBar, v);
        ReportValue(eBar, Report::AsChange);
        break;
    }
    case SB_LINEDOWN: {
        const int v = add(Value(eBar), m_lSmallChange[index(eBar)]);
        if (v > Max(eBar))
            setValue(eBar, Max(eBar));
        else
            setValue(eBar, v);
        ReportValue(eBar, Report::AsChange);
        break;
    }
    case SB_PAGEUP:
        // The bar itself keeps page steps within its range.
        setValue(eBar, subtract(Value(eBar), LargeChange(eBar)));
        ReportValue(eBar, Report::AsChange);
        break;
    case SB_PAGEDOWN:
        setValue(eBar, add(Value(eBar), LargeChange(eBar)));
        ReportValue(eBar, Report::AsChange);
        break;
    case SB_THUMBTRACK: {
        ScrollInfo info;
        ReadBarInfo(eBar, info, SIF_TRACKPOS);
        setValue(eBar, info.nTrackPos);
        ReportValue(eBar, Report::AsScroll);
        break;
    }
    case SB_TOP:
        setValue(eBar, Min(eBar));
        ReportValue(eBar, Report::AsChange);
        break;
    case SB_BOTTOM:
        setValue(eBar, Max(eBar));
        ReportValue(eBar, Report::AsChange);
        break;
    case SB_ENDSCROLL:
        ReportValue(eBar, Report::AsChange);
        break;
    default:
        // SB_THUMBPOSITION and unknown requests: the track already moved the value.
        break;
    }
}

qint32 ScrollBarController::handleWheel(quintptr wParam)
{
    const int distance = signedHighWord(wParam);
    int lAmount = multiply(multiply(-distance / WHEEL_DELTA, SmallChange(SB_VERT)), m_lWheelLines);
    int eBar = SB_VERT;
    Q_EMIT MouseWheel(eBar, lAmount);
    if (lAmount == 0)
        return 0;
    setValue(eBar, add(Value(eBar), lAmount));
    return 1;
}
