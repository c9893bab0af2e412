#pragma once

// The window drag of the skinned windows, which have no title bar to be dragged by.

namespace forms
{
class Form;
}

namespace windows
{

// Pops up the program's one menu, Options, which the About box carries, over `window`.
void PopupOptions(forms::Form& window);

enum class RightButton { PopsMenu, Drags };

// A press on the window's background: the right button opens the Options menu where the
// window has it; any other press moves the window with the pointer until release.
void DragWindow(forms::Form& window, int Button, RightButton right);

} // namespace windows
