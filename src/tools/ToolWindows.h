#pragma once

// How the two conversion windows close.

#include "platform/forms/Dialogs.h"
#include "platform/forms/Form.h"
#include "player/Player.h"

// Closes a tool window (its close button and the menu's exit entry): the main window comes back,
// even beside the compact strip, and the tool goes with its queue and its own component. With
// the tool not open, only the main window is shown.
template <class ToolWindow> void CloseToolWindow()
{
    forms::the<Player>().Show();
    forms::Unload<ToolWindow>();
}
