#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>

// A window of which the program shows one at a time (Manage Classes, Backups, the report): made
// on first use, or again after it was closed, and brought to the front whenever it is asked for.
template <typename Window> class SharedWindow
{
public:
    // The window if it is open, else null.
    static Window* instance() { return pointer(); }

    // Shows the window: made by make() when there is none (prepared by placed() the first
    // time), otherwise brought up to date by refresh(), if given.
    static Window* show(const std::function<Window*()>& make, const std::function<void(Window*)>& placed = {},
        const std::function<void(Window*)>& refresh = {})
    {
        if (!pointer()) {
            pointer() = make();
            if (placed)
                placed(pointer());
        } else if (refresh) {
            refresh(pointer());
        }
        Window* window = pointer();
        window->show();
        window->raise();
        window->activateWindow();
        return window;
    }

private:
    static QPointer<Window>& pointer()
    {
        static QPointer<Window> window;
        return window;
    }
};
