#include "compact/Shade.h"
#include "player/Player.h"

// The strip's transport buttons run the main window's commands on its component and timers.

void Shade::PauseS_Click()
{
    forms::the<Player>().PausePlayback();
}

void Shade::PauseS2_Click()
{
    forms::the<Player>().ResumePlayback();
}

void Shade::StopS_MouseUp(int, int, float, float)
{
    forms::the<Player>().StopPlayback();
}

void Shade::NextS_MouseDown(int, int, float, float)
{
    NextS.setVisible(false); // the pressed look painted under it shows
}

void Shade::NextS_MouseUp(int, int, float, float)
{
    forms::the<Player>().SkipNext(NextS);
}

void Shade::PreviousS_MouseDown(int, int, float, float)
{
    PreviousS.setVisible(false);
}

void Shade::PreviousS_MouseUp(int, int, float, float)
{
    forms::the<Player>().SkipPrevious(PreviousS);
}
