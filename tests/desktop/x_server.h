#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

// What the X server itself says of our windows, read with the standard X tools (xprop,
// xwininfo, xdotool), not what Qt believes: the stacking order, the active window and the
// keyboard focus, with or without a window manager.
namespace xserver {

// Whether a window manager runs (it announces itself on the root window).
bool hasWindowManager();

// The top-level windows from bottom to top: the window manager's client list when one runs,
// the root window's mapped children otherwise.
QList<quint64> stacking();
// The visible window of the program on top of all others, or 0.
quint64 topmost(const QList<QWidget*>& ours);

// The window manager's active window; without one the window with the keyboard focus.
quint64 activeWindow();
// The window that has the keyboard focus.
quint64 focusWindow();

// Whether the window is viewable and covers the whole screen, as the X server has it.
bool fillsScreen(const QWidget& window);

// Clicks the middle of a widget with the real mouse (XTEST), as a user's click reaches the
// window manager too.
void click(const QWidget& widget);

// Presses and releases a key on the real keyboard (XTEST), e.g. "d", "Return", "Escape".
void pressKey(const QString& key);

// The X window of a top-level widget.
quint64 windowOf(const QWidget& window);

}  // namespace xserver
