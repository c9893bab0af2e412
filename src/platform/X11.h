#pragma once

// What only an X11 desktop needs of the windows; elsewhere (the offscreen platform of the
// tests) it does nothing.

class QWidget;

namespace platform::x11
{

// Before a window is mapped again: a window that the program minimised and the window manager
// then restored keeps Qt's iconic start hint, and would be mapped minimised once more.
void clearStaleIconicHint(QWidget* window);

} // namespace platform::x11
