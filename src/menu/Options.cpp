#include "menu/About.h"
#include "platform/forms/Dialogs.h"
#include "player/Player.h"
#include "tools/ToolWindows.h"
#include "tools/frmDecoder.h"
#include "tools/frmEncoder.h"

void About::mnuAbout_Click()
{
    Show();
}

void About::mnuEncoder_Click()
{
    forms::the<frmEncoder>().Show();
}

void About::mnuDecoder_Click()
{
    forms::the<frmDecoder>().Show();
}

// The volume belongs to the main window; without it there is nothing to step.
void About::mnuVolumeU_Click()
{
    if (forms::isLoaded<Player>()) forms::the<Player>().StepVolume(Player::VolumeDirection::Up, 25, 75);
}

void About::mnuVolumeD_Click()
{
    if (forms::isLoaded<Player>()) forms::the<Player>().StepVolume(Player::VolumeDirection::Down, 25, 25);
}

void About::mnuExitEncoder_Click()
{
    CloseToolWindow<frmEncoder>();
}

void About::mnuExitDecoder_Click()
{
    CloseToolWindow<frmDecoder>();
}

void About::mnuExitSonavel_Click()
{
    // A main window that is gone has nothing left to save; creating it anew would only run
    // its start-up again.
    if (forms::isLoaded<Player>()) forms::the<Player>().SaveSettings();
    forms::End();
}
