#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <functional>

class QWidget;

// Helpers for tests that run the real windows on an X display with a window manager.
namespace radirav::testing {

// Lets Qt run until `done` holds or `milliseconds` pass; true when it held.
bool WaitUntil(const std::function<bool()>& done, int milliseconds = 3000);

// Presses and releases the physical key that types `latin` (a lower-case letter, a digit, or
// an X key name such as "Tab", "space", "Return") on the us layout: the key alone, as a
// student's finger sends it, whatever group the keyboard is in.
void PressKey(const char* latin);
// The same with `modifier` (an X key name such as "Control_L") held down: Ctrl+C, say.
void PressKeyWith(const char* modifier, const char* latin);

// Moves the pointer to `where` (global coordinates) and presses and releases the left button
// there, as a student's hand does.
void ClickAt(QPoint where);

// The 0-based XKB group the keyboard is locked to, -1 without an X display.
int KeyboardGroup();

// Locks the keyboard to the 0-based XKB `group`, as the desktop's layout switcher does.
void LockKeyboardGroup(int group);

// The window manager's frame round `window` (a shown top-level widget), on the root window;
// empty when it has none.
QRect OuterFrame(const QWidget* window);

// Waits until the window manager has framed `window` and the frame stays put.
QRect SettledOuterFrame(const QWidget* window);

// The colour of the screen pixel at `where` (global coordinates).
QRgb ScreenPixel(QPoint where);

} // namespace radirav::testing
