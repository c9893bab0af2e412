#include "compact/Shade.h"
#include "platform/forms/Dialogs.h"
#include "player/Player.h"

void Player::ShadeMode_Click()
{
    // Only hidden: playback, timers and handlers of the main window go on.
    setVisible(false);
    Shade& shade = forms::the<Shade>();
    shade.Show();
    shade.setTop(Top());
    shade.setLeft(Left());
    Label3_Change();
}

void Shade::shadeshade_MouseDown(int, int, float, float)
{
    shadeshade.setVisible(false);
}

namespace
{

void copyVisible(const forms::Control& from, forms::Control& to)
{
    to.setVisible(from.Visible());
}

// The transport images are the only record of whether a song plays, is paused or stopped,
// so a strip made anew takes them over from the one it replaces: in its layout state it
// would offer play while a song plays and a pause that resumes a paused song. The digits
// come along too, so the strip never shows an empty time while playback stands still.
void carryOver(const Shade& old, Shade& fresh)
{
    copyVisible(old.PlayS, fresh.PlayS);
    copyVisible(old.PauseS, fresh.PauseS);
    copyVisible(old.PauseS2, fresh.PauseS2);
    copyVisible(old.StopS, fresh.StopS);
    fresh.Time1.setPicture(old.Time1.Picture());
    fresh.time2.setPicture(old.time2.Picture());
    fresh.time3.setPicture(old.time3.Picture());
    fresh.time4.setPicture(old.time4.Picture());
}

} // namespace

void Shade::shadeshade_MouseUp(int, int, float, float)
{
    // This object lives on until the handler returns; the reference below is a new strip.
    forms::Unload<Shade>();
    forms::the<Player>().Show();
    Shade& fresh = forms::the<Shade>();
    fresh.shadeshade.setVisible(true);
    carryOver(*this, fresh);
}

void Shade::shadeClose_MouseDown(int, int, float, float)
{
    shadeClose.setVisible(false);
}

void Shade::shadeClose_MouseUp(int, int, float, float)
{
    shadeClose.setVisible(true);
    // Ends at once, without the settings save of the main window's close.
    forms::End();
}
