#include "compact/Shade.h"
#include "player/Globals.h"
#include "player/Player.h"
#include "playlist/frmPlaylist.h"

namespace
{

// One step back from the index that names the entry after the playing one: the entry before
// it, wrapping round the list (from the first entry to the last, from the last to the one
// before it). An empty list leaves the index at -1, which names no entry.
int stepBack(int index, int count)
{
    if (count <= 0) return -1;
    const int back = (index - 2) % count;
    return back < 0 ? back + count : back;
}

// The pause buttons of both windows: the paused look offers resume, the plain one pause.
void showPaused(Player& player, bool paused)
{
    Shade& shade = forms::the<Shade>();
    player.imgPauseP.setVisible(paused);
    player.imgpause.setVisible(!paused);
    shade.PauseS.setVisible(!paused);
    shade.PauseS2.setVisible(paused);
}

} // namespace

void Player::PausePlayback()
{
    Tonewheel1.PauseSong(); // a toggle: pauses a playing job, resumes a paused one
    showPaused(*this, true);
}

void Player::ResumePlayback()
{
    Tonewheel1.PauseSong();
    showPaused(*this, false);
}

void Player::StopPlayback()
{
    // The paused look is the only record of a pause: the toggle takes the job out of it first.
    if (imgPauseP.Visible()) Tonewheel1.PauseSong();
    Tonewheel1.StopSong();
    // A song start still pending (the end of a song, next, previous) would undo the stop.
    Timer10.setEnabled(false);

    Shade& shade = forms::the<Shade>();
    imgstop.setVisible(false);
    shade.StopS.setVisible(false);
    imgplay.setVisible(true);
    imgpause.setVisible(true);
    imgPauseP.setVisible(false);
    shade.PlayS.setVisible(true);
    shade.PauseS.setVisible(true);
    imgVolumeDown.setEnabled(false);
    imgVolumeUp.setEnabled(false);
}

void Player::SkipNext(forms::Image& button)
{
    button.setVisible(true);
    Tonewheel1.StopSong();
    // The index already names the entry after the playing one.
    Timer10.setEnabled(true);
}

void Player::SkipPrevious(forms::Image& button)
{
    button.setVisible(true);
    Tonewheel1.StopSong();
    frmPlaylist& playlist = forms::the<frmPlaylist>();
    if (shuffle1.Visible())
        NextSong = stepBack(NextSong, playlist.List1.ListCount());
    else
        NextShuffle = stepBack(NextShuffle, playlist.List7.ListCount());
    Timer10.setEnabled(true);
}

void Player::imgpause_Click()
{
    PausePlayback();
}

void Player::imgPauseP_Click()
{
    ResumePlayback();
}

void Player::imgstop_Click()
{
    StopPlayback();
}

void Player::imgSeek1_MouseDown(int, int, float, float)
{
    imgSeek1.setVisible(false); // the pressed look painted under it shows
}

void Player::imgSeek1_MouseUp(int, int, float, float)
{
    SkipNext(imgSeek1);
}

void Player::imgseek2_MouseDown(int, int, float, float)
{
    imgseek2.setVisible(false);
}

void Player::imgseek2_MouseUp(int, int, float, float)
{
    SkipPrevious(imgseek2);
}
