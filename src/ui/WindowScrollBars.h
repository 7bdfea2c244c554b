#pragma once

#include "ui/WindowMessages.h"

#include <QObject>
#include <QPointer>
#include <QScrollBar>

// A window's own horizontal and vertical scroll bars, as a desktop window manager keeps them:
// per bar a minimum, maximum, page size and position, read and written through the 28-byte
// scroll-information record, and a bar drawn along the window's right (vertical) or bottom
// (horizontal) edge. The bars move nothing by themselves: a click, a drag or a key becomes a
// WM_VSCROLL / WM_HSCROLL message sent to the window (see WindowMessageEvent), and whoever
// handles it decides the new position. A press on a bar is sent first as a non-client button
// message with the bar's hit-test code. Wheel turns over a bar are left to the window.
//
// Positions are held within nMin .. nMax - nPage + 1, or nMax when the page is 0; the page within
// 0 .. nMax - nMin + 1; a range with nMin above nMax, or wider than 32 bits can count, becomes
// 0 .. 0. A window's bars start at 0 .. 100, page 0, position 0, hidden and enabled.
//
// The flat looks: once a window is set up for flat bars, each bar can be given the regular look,
// the flat look (flat parts, the part under the pointer in inverted colours) or the encarta look
// (flat parts, the part under the pointer raised). Leaving flat bars gives the regular look back.
namespace windowbars {

// All functions take the window; a null window does nothing and reports failure (false), and so
// does a record whose cbSize is not 28.
bool getScrollInfo(QWidget* window, int bar, ScrollInfo& info);
// Returns the position after clamping (0 for a null window).
qint32 setScrollInfo(QWidget* window, int bar, const ScrollInfo& info, bool redraw);
bool showScrollBar(QWidget* window, int bar, bool show);
bool enableScrollBar(QWidget* window, int bar, int arrows);

// Sets the window up for flat bars. Throws std::runtime_error when this build offers no flat
// bars (see setFlatBarsAvailable).
bool initializeFlatBars(QWidget* window);
void uninitializeFlatBars(QWidget* window);
// WSB_PROP_VSTYLE or WSB_PROP_HSTYLE with an FSB_ mode; fails on a window not set up for flat bars.
bool setFlatBarProperty(QWidget* window, int property, int value, bool redraw);

// A platform where the flat looks are not wanted turns them off here; then initializeFlatBars
// throws, as the flat-bar functions of a system without them do.
void setFlatBarsAvailable(bool available);
bool flatBarsAvailable();

// The widget that draws a window's bar (created on first use), for owners and tests.
QScrollBar* scrollBar(QWidget* window, int bar);
// The look a bar is drawn with (an FSB_ mode).
int barLook(QWidget* window, int bar);

// The thickness of a bar: the standard window scroll bar's, which layouts leave room for.
constexpr int kBarExtent = 17;

} // namespace windowbars
