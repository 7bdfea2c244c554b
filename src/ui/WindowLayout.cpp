#include "ui/WindowLayout.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

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
