#include "ui/WindowMessages.h"

#include <QCoreApplication>
#include <QWidget>

WindowMessageEvent::WindowMessageEvent(int message, quintptr wParam, qintptr lParam)
    : QEvent(eventType())
    , m_message(message)
    , m_wParam(wParam)
    , m_lParam(lParam)
{
    // Nobody has handled it yet; a hooked handler accepts it.
    ignore();
}

QEvent::Type WindowMessageEvent::eventType()
{
    static const auto type = QEvent::Type(QEvent::registerEventType());
    return type;
}

qint32 sendWindowMessage(QWidget* window, int message, quintptr wParam, qintptr lParam)
{
    if (!window)
        return 0;
    WindowMessageEvent event(message, wParam, lParam);
    QCoreApplication::sendEvent(window, &event);
    return event.result();
}
