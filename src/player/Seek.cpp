#include "player/NumberText.h"
#include "player/Player.h"

#include <algorithm>

// The thumb stands for frame Left x 10 (the frames place it at frame \ 10). While it is
// dragged the frames leave it alone, so it stays under the pointer until the release.

void Player::Picture11_MouseDown(int, int, float X, float)
{
    if (SeekDrag) return; // a second button during a drag changes nothing
    SeekGrabX = X;
    SeekLeft = Picture11.Left();
    SeekFromLeft = SeekLeft;
    SeekDrag = true;
}

void Player::Picture11_MouseMove(int, int, float X, float)
{
    if (!SeekDrag) return;
    // X is measured from the thumb's Left now: keep the grabbed point under the pointer.
    const double wanted = Picture11.Left() + static_cast<double>(X) - SeekGrabX;
    const long long end = std::max(Tonewheel1.FrameCount(), 0) / 10;
    SeekLeft = static_cast<int>(std::clamp<long long>(numbers::nearest(wanted), 0, end));
    Picture11.setLeft(SeekLeft);
}

void Player::Picture11_MouseUp(int, int, float, float)
{
    if (!SeekDrag) return; // the release of a second button after the drag has ended
    SeekDrag = false;
    // A thumb pressed and let go where it was does not move playback.
    if (SeekLeft != SeekFromLeft) Tonewheel1.SeekTo(SeekLeft * 10);
}
