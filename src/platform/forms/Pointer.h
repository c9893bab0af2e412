#pragma once

// The pointer across widgets. The control that took a press keeps the moves and the release
// until the button goes up, even when it hides itself in its press handler (Qt drops its own
// grab on a hidden widget); a window drag follows the pointer until the release.

class QWidget;

namespace forms::detail
{

class MouseRouter;

// Watches the pointer from the first window on, so the first press is seen too.
void watchPointer();
void capturePointer(MouseRouter* router, QWidget* surface);
void followPointer(QWidget* window);

} // namespace forms::detail
