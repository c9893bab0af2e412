#include "player/SongStart.h"

#include "compact/Shade.h"
#include "player/FrameProgress.h"
#include "player/Globals.h"
#include "player/NumberText.h"
#include "player/Player.h"
#include "playlist/frmPlaylist.h"

using numbers::text;

void Player::StartSong(const SongStartMember& member)
{
    imgVolumeDown.setEnabled(true);
    imgVolumeUp.setEnabled(true);
    if (member.disablesTimer10) Timer10.setEnabled(false);

    Tonewheel1.OpenSong(SongFile, "");
    Tonewheel1.PlaySong();

    Text14.setText(Tonewheel1.HasTag() ? "True" : "False");
    if (Text14.Text() == "True") {
        const std::string field1 = Tonewheel1.TagField1();
        TitleText = tagTitle(field1, Tonewheel1.TagField2(), member.pads);
    } else {
        TitleText = fileNameTitle(SongFile, member.pads);
    }
    Label12.setCaption(text(Tonewheel1.StreamFrequency()));
    Label13.setCaption(text(Tonewheel1.StreamBitrate()));

    if (member.movesThumb) {
        Picture11.setLeft(0);
        Picture11.setTop(10);
        Picture11.setVisible(true);
    }

    if (!VolumeLevel) {
        Tonewheel1.SetVolume(50, 50);
        Text2.setText("50");
        Text3.setText("50");
        Label14.setCaption("10");
    } else {
        Text2.setText(text(*VolumeLevel));
    }

    ScrollText = TitleText;
    Timer5.setEnabled(true);

    Shade& shade = forms::the<Shade>();
    imgplay.setVisible(false);
    imgpause.setVisible(true);
    if (member.hidesPauseP) imgPauseP.setVisible(false);
    shade.PlayS.setVisible(false);
    shade.PauseS.setVisible(true);
    shade.StopS.setVisible(true);
    imgstop.setVisible(true);

    Picture10.setWidth(seekScale(Tonewheel1.FrameCount()).width() + PlayerLayout::seekThumbRoom);
}

void Player::imgplay_Click()
{
    StartSong(PlayButtonStart);
}

void Shade::PlayS_MouseUp(int, int, float, float)
{
    PlayS.setVisible(false);
    forms::the<Player>().StartSong(PlayButtonStart);
}

void Player::Timer10_Timer()
{
    // Shuffle is on while its "on" look is shown.
    const bool shuffle = Shuffle2.Visible();
    frmPlaylist& playlist = forms::the<frmPlaylist>();
    forms::ListBox& list = shuffle ? playlist.List7 : playlist.List1;
    int& next = shuffle ? NextShuffle : NextSong;

    if (list.ListCount() == 0) {
        Timer10.setEnabled(false); // nothing to play: the request lapses
        return;
    }
    // An index left stale by deletions, or -1 after a step back on an empty list, starts over.
    if (next < 0 || next >= list.ListCount()) next = 0;
    SongFile = list.List(next);
    list.setListIndex(next); // shows it picked; the list's own click handler runs as for a user
    next = next + 1;
    if (next == list.ListCount()) next = 0;

    StartSong(shuffle ? TimerStartShuffleOn : TimerStartShuffleOff);
}

void Player::Timer5_Timer()
{
    ScrollText = rotateTitle(ScrollText);
    setCaption(ScrollText);
    forms::the<Shade>().setCaption(ScrollText);
    Text1.setText(ScrollText);
}
