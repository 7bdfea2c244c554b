#pragma once

#include <QHash>
#include <QList>
#include <QObject>

class QWidget;

// What a client of the subclasser implements to receive the messages it hooked.
class ISubclass
{
public:
    virtual ~ISubclass() = default;

    // How the client wants its messages delivered. Every client here answers 1; the subclasser
    // delivers every hooked message the same way whatever the answer (see Subclasser).
    virtual int MsgResponse() const = 0;
    virtual void setMsgResponse(int RHS) = 0;

    // Handles one hooked message and returns its result.
    virtual qint32 WindowProc(QWidget* hwnd, int iMsg, quintptr wParam, qintptr lParam) = 0;
};

// The one process-wide object that delivers chosen messages of a window to a client's
// WindowProc. It watches each hooked window with an event filter:
//  - a WindowMessageEvent (what the window's scroll bars send for line, page, thumb and end of
//    scroll requests and for presses on a bar) goes to every client that hooked its message;
//  - a wheel event on the window (or bubbling up to it from a child) is turned into
//    WM_MOUSEWHEEL, with the notch distance in the high word of wParam.
// A non-zero result consumes the event; a zero result leaves it to the window and its parents,
// so a wheel turn that scrolled nothing still reaches whatever is underneath.
// Exceptions thrown by a client while handling an event are caught here and logged, because an
// exception cannot travel through Qt's event delivery; a direct call of WindowProc still gets
// them.
class Subclasser : public QObject
{
    Q_OBJECT

public:
    static Subclasser& instance();

    // Hooking a message twice for the same client and window delivers it once.
    void HookMessage(ISubclass* client, QWidget* hwnd, int iMsg);
    void UnhookMessage(ISubclass* client, QWidget* hwnd, int iMsg);

    bool isHooked(ISubclass* client, QWidget* hwnd, int iMsg) const;
    // How many (client, message) pairs are hooked on a window, or on all windows for null.
    int hookCount(QWidget* hwnd = nullptr) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Hook
    {
        ISubclass* client;
        int message;
        bool operator==(const Hook&) const = default;
    };

    Subclasser() = default;
    bool deliver(QWidget* window, int message, quintptr wParam, qintptr lParam, qint32& result);
    void forget(QObject* window);

    QHash<QWidget*, QList<Hook>> m_hooks;
};
