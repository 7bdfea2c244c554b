#pragma once

#include <QFont>
#include <QRect>

class QWidget;

// The windows are laid out in twips, at 15 twips to the pixel; Qt scales pixels for high-DPI
// screens above that.
constexpr int px(int twips)
{
    return twips / 15;
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

// The windows' bold Arial at the given size.
QFont designFont(qreal pointSize);

// Fixed single-line border: a title bar with a close button, and a minimise button if asked.
void setFixedFrame(QWidget* window, int widthTwips, int heightTwips, bool minimiseButton);

// Moves a window so that its frame is centred on the screen it is on.
void centreOnScreen(QWidget* window);
