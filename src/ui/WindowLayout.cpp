#include "ui/WindowLayout.h"

#include "core/UserSettings.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QWidget>

#include <cmath>

QFont designFont(qreal pointSize)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(pointSize);
    font.setBold(true);
    return font;
}

void setFixedFrame(QWidget* window, int widthTwips, int heightTwips, bool minimiseButton)
{
    Qt::WindowFlags flags = (window->windowFlags() & Qt::WindowType_Mask) | Qt::CustomizeWindowHint
        | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (minimiseButton)
        flags |= Qt::WindowMinimizeButtonHint;
    window->setWindowFlags(flags);
    window->setFixedSize(px(widthTwips), px(heightTwips));
}

void centreOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

void setResizableFrame(QWidget* window, QSize minimum)
{
    window->setWindowFlags((window->windowFlags() & Qt::WindowType_Mask) | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint
        | Qt::WindowMaximizeButtonHint);
    window->setMinimumSize(minimum);
    window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

void StretchLayout::add(QWidget* widget, Stretch stretch)
{
    m_entries.append({widget, widget->geometry(), stretch});
}

void StretchLayout::apply(QSize size) const
{
    const qreal dw = size.width() - m_designed.width();
    const qreal dh = size.height() - m_designed.height();
    for (const Entry& entry : m_entries) {
        if (!entry.widget)
            continue;
        const QRect& r = entry.designed;
        const Stretch& s = entry.stretch;
        const int x = r.x() + int(std::lround(s.x * dw));
        const int y = r.y() + int(std::lround(s.y * dh));
        // Both edges are rounded, so that two controls sharing the growth meet without a gap.
        const int right = r.x() + r.width() + int(std::lround((s.x + s.w) * dw));
        const int bottom = r.y() + r.height() + int(std::lround((s.y + s.h) * dh));
        entry.widget->setGeometry(x, y, std::max(0, right - x), std::max(0, bottom - y));
    }
}

namespace {

// The frame the desktop will draw around the window: known once it is shown, guessed before.
QMargins frameMargins(const QWidget* window)
{
    if (window->isVisible()) {
        const QRect frame = window->frameGeometry();
        const QRect inner = window->geometry();
        return QMargins(inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
            frame.bottom() - inner.bottom());
    }
    const int border = window->style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, window);
    const int title = window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window);
    return QMargins(border, title + border, border, border);
}

void fitOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen || window->isMaximized() || window->isFullScreen())
        return;
    const QRect available = screen->availableGeometry();
    const QMargins margins = frameMargins(window);
    const QSize room = available.size().shrunkBy(margins);
    const QSize size = window->size().boundedTo(room).expandedTo(window->minimumSize());
    if (size != window->size())
        window->resize(size);
    QRect frame(QPoint(0, 0), size.grownBy(margins));
    if (!available.contains(QRect(window->frameGeometry().topLeft(), frame.size()))) {
        frame.moveCenter(available.center());
        // A window larger than the screen even at its smallest keeps its title bar in reach.
        frame.moveTop(std::max(frame.top(), available.top()));
        frame.moveLeft(std::max(frame.left(), available.left()));
        window->move(frame.topLeft());
    }
}

} // namespace

void placeOnScreen(QWidget* window, const QString& key, QSize preferred)
{
    QSize size = preferred;
    if (!key.isEmpty()) {
        const QSize kept = userSettings()->value(QStringLiteral("windows/%1/size").arg(key)).toSize();
        if (kept.isValid())
            size = kept;
    }
    window->resize(size.expandedTo(window->minimumSize()));
    centreOnScreen(window);
    fitOnScreen(window);
    // The desktop's frame is only known once the window is shown; a frame taller than guessed
    // could still push the bottom off the screen.
    QTimer::singleShot(0, window, [window] { fitOnScreen(window); });
}

void rememberSize(const QWidget* window, const QString& key)
{
    const QSize size
        = window->isMaximized() || window->isFullScreen() ? window->normalGeometry().size() : window->size();
    if (size.isValid())
        userSettings()->setValue(QStringLiteral("windows/%1/size").arg(key), size);
}
