#pragma once

#include <QEvent>
#include <QtGlobal>

class QWidget;

// The desktop window manager's vocabulary for scroll bars, kept with its numbers so that a
// window's scroll bars can be driven exactly as a window procedure expects.
namespace winmsg {

// Messages.
constexpr int WM_HSCROLL = 0x0114;
constexpr int WM_VSCROLL = 0x0115;
constexpr int WM_MOUSEWHEEL = 0x020A;
constexpr int WM_NCLBUTTONDOWN = 0x00A1;
constexpr int WM_NCRBUTTONDOWN = 0x00A4;
constexpr int WM_NCMBUTTONDOWN = 0x00A7;

// Bars.
constexpr int SB_HORZ = 0;
constexpr int SB_VERT = 1;

// Scroll requests, in the low 16 bits of a scroll message's wParam.
constexpr int SB_LINEUP = 0;
constexpr int SB_LINEDOWN = 1;
constexpr int SB_PAGEUP = 2;
constexpr int SB_PAGEDOWN = 3;
constexpr int SB_THUMBPOSITION = 4;
constexpr int SB_THUMBTRACK = 5;
constexpr int SB_TOP = 6;
constexpr int SB_BOTTOM = 7;
constexpr int SB_ENDSCROLL = 8;

// Hit-test codes that a non-client button message carries in its wParam.
constexpr int HTCAPTION = 2;
constexpr int HTHSCROLL = 6;
constexpr int HTVSCROLL = 7;
constexpr int HTBORDER = 18;

// Masks of the scroll-information record.
constexpr int SIF_RANGE = 0x1;
constexpr int SIF_PAGE = 0x2;
constexpr int SIF_POS = 0x4;
constexpr int SIF_TRACKPOS = 0x10;
constexpr int SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;

// EnableScrollBar's arrow flags.
constexpr int ESB_ENABLE_BOTH = 0;
constexpr int ESB_DISABLE_BOTH = 3;

// Looks of a flat bar and the properties that carry them.
constexpr int FSB_REGULAR_MODE = 0;
constexpr int FSB_ENCARTA_MODE = 1;
constexpr int FSB_FLAT_MODE = 2;
constexpr int WSB_PROP_VSTYLE = 0x100;
constexpr int WSB_PROP_HSTYLE = 0x200;

// One wheel notch.
constexpr int WHEEL_DELTA = 120;

constexpr quintptr makeWParam(int low, int high)
{
    return (quintptr(quint16(low)) | (quintptr(quint16(high)) << 16));
}

constexpr int lowWord(quintptr value)
{
    return int(value & 0xFFFF);
}

// The high word read as a signed 16-bit number, as the wheel distance is.
constexpr int signedHighWord(quintptr value)
{
    return int(qint16(quint16((value >> 16) & 0xFFFF)));
}

} // namespace winmsg

// The scroll-information record: 28 bytes, seven 32-bit fields, cbSize always 28.
struct ScrollInfo
{
    qint32 cbSize = 0;
    qint32 fMask = 0;
    qint32 nMin = 0;
    qint32 nMax = 0;
    qint32 nPage = 0;
    qint32 nPos = 0;
    qint32 nTrackPos = 0;
};
static_assert(sizeof(ScrollInfo) == 28, "the scroll-information record is 28 bytes");

// A window message carried as a Qt event, so that whatever watches the window (an event filter)
// sees it just as a window procedure would. The result is what the handler returned.
class WindowMessageEvent : public QEvent
{
public:
    WindowMessageEvent(int message, quintptr wParam, qintptr lParam);

    static QEvent::Type eventType();

    int message() const { return m_message; }
    quintptr wParam() const { return m_wParam; }
    qintptr lParam() const { return m_lParam; }

    qint32 result() const { return m_result; }
    void setResult(qint32 result) { m_result = result; }

private:
    int m_message;
    quintptr m_wParam;
    qintptr m_lParam;
    qint32 m_result = 0;
};

// Delivers a message to the window at once and returns the handler's result (0 when nothing
// handled it or the window is null).
qint32 sendWindowMessage(QWidget* window, int message, quintptr wParam, qintptr lParam);
