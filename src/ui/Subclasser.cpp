#include "ui/Subclasser.h"

#include "ui/WindowMessages.h"

#include <QPointer>
#include <QWheelEvent>
#include <QWidget>

#include <exception>
#include <stdexcept>

Subclasser& Subclasser::instance()
{
    static Subclasser* subclasser = new Subclasser;
    return *subclasser;
}

void Subclasser::HookMessage(ISubclass* client, QWidget* hwnd, int iMsg)
{
    if (!client || !hwnd)
        throw std::invalid_argument("a message can only be hooked for a client on an existing window");
    auto found = m_hooks.find(hwnd);
    if (found == m_hooks.end()) {
        found = m_hooks.insert(hwnd, {});
        hwnd->installEventFilter(this);
        connect(hwnd, &QObject::destroyed, this, &Subclasser::forget);
    }
    const Hook hook {client, iMsg};
    if (!found->contains(hook))
        found->append(hook);
}

void Subclasser::UnhookMessage(ISubclass* client, QWidget* hwnd, int iMsg)
{
    auto found = m_hooks.find(hwnd);
    if (found == m_hooks.end())
        return;
    found->removeAll(Hook {client, iMsg});
    if (found->isEmpty()) {
        m_hooks.erase(found);
        hwnd->removeEventFilter(this);
        disconnect(hwnd, &QObject::destroyed, this, &Subclasser::forget);
    }
}

bool Subclasser::isHooked(ISubclass* client, QWidget* hwnd, int iMsg) const
{
    return m_hooks.value(hwnd).contains(Hook {client, iMsg});
}

int Subclasser::hookCount(QWidget* hwnd) const
{
    if (hwnd)
        return int(m_hooks.value(hwnd).size());
    int count = 0;
    for (const QList<Hook>& hooks : m_hooks)
        count += int(hooks.size());
    return count;
}

void Subclasser::forget(QObject* window)
{
    // The window is being destroyed: its QWidget part is already gone, so only the key is used.
    m_hooks.remove(static_cast<QWidget*>(window));
}

bool Subclasser::deliver(QWidget* window, int message, quintptr wParam, qintptr lParam, qint32& result)
{
    // A handler may unhook (or hook) while it runs, so work from a copy and check each hook is
    // still there before calling it.
    const QList<Hook> hooks = m_hooks.value(window);
    bool delivered = false;
    QPointer<QWidget> guard(window);
    for (const Hook& hook : hooks) {
        if (hook.message != message || !guard || !m_hooks.value(window).contains(hook))
            continue;
        delivered = true;
        try {
            result = hook.client->WindowProc(window, message, wParam, lParam);
        } catch (const std::exception& failure) {
            const QString name = guard ? guard->objectName() : QString();
            qWarning("A scroll message of %s was dropped: %s", qPrintable(name), failure.what());
            result = 0;
        }
    }
    return delivered;
}

bool Subclasser::eventFilter(QObject* watched, QEvent* event)
{
    auto* window = qobject_cast<QWidget*>(watched);
    if (!window || !m_hooks.contains(window))
        return false;

    if (event->type() == WindowMessageEvent::eventType()) {
        auto* message = static_cast<WindowMessageEvent*>(event);
        qint32 result = 0;
        if (deliver(window, message->message(), message->wParam(), message->lParam(), result)) {
            message->setResult(result);
            message->accept();
            return true;
        }
        return false;
    }

    if (event->type() == QEvent::Wheel) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        const int distance = qBound(-32768, wheel->angleDelta().y(), 32767);
        if (distance == 0)
            return false;
        qint32 result = 0;
        const quintptr wParam = winmsg::makeWParam(0, distance);
        const QPoint global = wheel->globalPosition().toPoint();
        const qintptr lParam = qintptr(winmsg::makeWParam(global.x(), global.y()));
        if (deliver(window, winmsg::WM_MOUSEWHEEL, wParam, lParam, result) && result != 0) {
            wheel->accept();
            return true;
        }
        return false;
    }
    return false;
}
