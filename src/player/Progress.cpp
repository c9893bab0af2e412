#include "player/FrameProgress.h"
#include "player/Globals.h"
#include "player/Player.h"

void Player::Tonewheel1_ActFrame(int32_t ActFrame)
{
    const FrameProgress p = frameProgress(Tonewheel1.FrameMs(), Tonewheel1.FrameCount(), ActFrame);
    // Each time caption's change handler draws its digits before the next one is written.
    Label2.setCaption(p.Label2);
    Label10.setCaption(p.Label10);
    Label7.setCaption(p.Label7);
    Label4.setCaption(p.Label4);
    Label3.setCaption(p.Label3);
    if (!SeekDrag) Picture11.setLeft(p.ThumbLeft); // a dragged thumb stays under the pointer
    Text7.setText(p.Text7);
    Text5.setText(p.Text5);
    ElapsedMs = p.ElapsedMs;
    if (p.AtEnd) {
        Tonewheel1.StopSong();
        Timer10.setEnabled(true);
    }
}
