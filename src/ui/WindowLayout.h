#pragma once

#include <QFont>
#include <QList>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

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

// A resizable window with a title bar, minimise and maximise buttons, that may be made as small
// as minimum (in pixels).
void setResizableFrame(QWidget* window, QSize minimum);

// How a laid-out control follows its window when it is larger or smaller than designed: the
// share of the extra width and height that moves the control (x, y) and that widens or
// heightens it (w, h). At the designed size every control is where the layout table puts it.
struct Stretch
{
    qreal x = 0;
    qreal y = 0;
    qreal w = 0;
    qreal h = 0;
};

class StretchLayout
{
public:
    explicit StretchLayout(QSize designed = {})
        : m_designed(designed)
    { }
    void setDesigned(QSize designed) { m_designed = designed; }
    QSize designed() const { return m_designed; }
    // Takes the control's geometry now as its designed one.
    void add(QWidget* widget, Stretch stretch);
    // Places every control for a window area of this size.
    void apply(QSize size) const;

private:
    struct Entry
    {
        QPointer<QWidget> widget;
        QRect designed;
        Stretch stretch;
    };
    QSize m_designed;
    QList<Entry> m_entries;
};

// Gives a window the size its user last left it at (kept under key in their own settings),
// or preferred the first time, no larger than the screen it is on can show with its frame,
// and places the whole frame on that screen, centred.
void placeOnScreen(QWidget* window, const QString& key, QSize preferred);

// Keeps the window's size for its user, unless it is maximised (then the size it had before).
void rememberSize(const QWidget* window, const QString& key);
