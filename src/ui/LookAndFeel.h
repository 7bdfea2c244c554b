#pragma once

#include <QList>

class QColor;
class QIcon;
class QString;
class QWidget;

// The look of the three windows: the optional skin, the standard colour of dialog windows and
// the mouse pointer rules.
namespace look {

// A window's pointer code.
inline constexpr int kDefaultPointer = 0;
inline constexpr int kBusyPointer = 11;
inline constexpr int kCustomPointer = 99;

int pointerCode(const QWidget* window);
void setPointerCode(QWidget* window, int code);

// Shows the busy pointer on a window for the life of the object. At the end the window gets
// the default pointer again, unless an enclosing operation is still busy.
class BusyPointer
{
public:
    explicit BusyPointer(QWidget* window);
    ~BusyPointer();
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    QWidget* m_window;
    int m_previousCode;
};

// Gives a control a background of its own, with text that reads on it whatever the desktop's
// palette (dark text on white, for instance, under a dark theme).
void setBackground(QWidget* widget, const QColor& colour);

// Applies the skin file beside the program to the main window; nothing when it is absent.
// A skin that cannot be read or parsed throws Failure after the colours are set.
void ApplySkin(QWidget* mainWindow);
// The standard background colour for a window and its frames, labels and option controls,
// plus the skin when the main window has one.
void ApplyStandardColours(QWidget* window);
// Loads the hand pointer file beside the program as the window's custom pointer picture.
// Throws Failure when the file is there but is not a cursor picture.
void LoadHandPointer(QWidget* window);
// Hover rules: moving over a default control shows the default pointer, over a hand control
// the custom pointer, and neither replaces the busy pointer. The window itself is always a
// default control; frames count only where no other control lies on them, while any other
// control counts with all its parts (a list's rows and header, for instance).
void installHoverPointers(QWidget* window, const QList<QWidget*>& defaultControls, const QList<QWidget*>& handControls);

// Whether a skin or pointer file counts as present: a plain file, not a folder, a device or a
// pipe, and not hidden.
bool isNormalFile(const QString& path);

// The program's icon in every size it is drawn in.
QIcon applicationIcon();

} // namespace look
