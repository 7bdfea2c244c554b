#pragma once

#include <QList>

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

// Shows the busy pointer on a window for the life of the object, then the default pointer.
class BusyPointer
{
public:
    explicit BusyPointer(QWidget* window);
    ~BusyPointer();
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    QWidget* m_window;
};

// Applies the skin file beside the program to the main window; nothing when it is absent.
void ApplySkin(QWidget* mainWindow);
// The standard background colour for a window and its frames, labels and option controls.
void ApplyStandardColours(QWidget* window);
// Loads the hand pointer file beside the program as the window's custom pointer picture.
void LoadHandPointer(QWidget* window);
// Hover rules: moving over a default control shows the default pointer, over a hand control
// the custom pointer, and neither replaces the busy pointer. The window itself is always a
// default control.
void installHoverPointers(QWidget* window, const QList<QWidget*>& defaultControls,
    const QList<QWidget*>& handControls);

} // namespace look
