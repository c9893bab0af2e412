#include "player/FrameProgress.h"
#include "player/NumberText.h"
#include "player/Player.h"

#include <algorithm>

// The thumb stands for the frame that seekScale gives its Left (ten frames a twip while the
// song fits the track). While it is dragged the frames leave it alone, so it stays under the
// pointer until the release.

void Player::Picture11_MouseDown(int, int, float X, float)
{
    if (SeekDrag) return; // a second button during a drag changes nothing
    SeekGrabX = X;
    SeekLeft = Picture11.Left();
    SeekMoved = false;
    SeekDrag = true;
}

void Player::Picture11_MouseMove(int, int, float X, float)
{
    if (SeekDrag) DragThumb(X);
}

void Player::Picture11_MouseUp(int, int, float X, float)
{
    if (!SeekDrag) return; // the release of a second button after the drag has ended
    // The release stands where the pointer was let go: a busy window system may have dropped
    // the last move before it, and a quick drag must not end as a plain click.
    DragThumb(X);
    SeekDrag = false;
    // A thumb pressed and let go without moving does not move playback; one dragged away and
    // back goes to where it stands, since the frames no longer carried it along.
    if (SeekMoved) Tonewheel1.SeekTo(seekScale(Tonewheel1.FrameCount()).frameOf(SeekLeft));
}

void Player::DragThumb(float X)
{
    // X is measured from the thumb's Left now: keep the grabbed point under the pointer.
    const double wanted = Picture11.Left() + static_cast<double>(X) - SeekGrabX;
    const int end = seekScale(Tonewheel1.FrameCount()).width();
    const int left = static_cast<int>(std::clamp<long long>(numbers::nearest(wanted), 0, end));
    if (left != SeekLeft) SeekMoved = true;
    SeekLeft = left;
    Picture11.setLeft(SeekLeft);
}
