#pragma once

// What the two conversion windows do alike: where they open and how they close.

#include "platform/forms/Dialogs.h"
#include "platform/forms/Form.h"
#include "player/NumberText.h"
#include "player/Player.h"

namespace tools
{

// Centres a tool window on the screen; the halves are taken in floating point.
inline void CentreOnScreen(forms::Form& window)
{
    window.setTop(int(numbers::nearest(float((forms::Screen::Height() - window.Height()) / 2.0))));
    window.setLeft(int(numbers::nearest(float((forms::Screen::Width() - window.Width()) / 2.0))));
}

} // namespace tools

// Closes a tool window (its close button and the menu's exit entry): the main window comes back,
// even beside the compact strip, and the tool goes with its queue and its own component. With
// the tool not open, only the main window is shown.
template <class ToolWindow> void CloseToolWindow()
{
    forms::the<Player>().Show();
    forms::Unload<ToolWindow>();
}
