#include "platform/forms/Dialogs.h"
#include "player/Globals.h"
#include "player/NumberText.h"
#include "player/Player.h"
#include "playlist/PlaylistCommands.h"
#include "playlist/PlaylistFile.h"
#include "playlist/PlaylistStore.h"
#include "playlist/frmPlaylist.h"

namespace
{

// The reader knows a playlist by its last three letters; a name typed without them would save
// a file that no load could read back.
std::string withPlaylistEnding(const std::string& name)
{
    return playlist::formatOf(name) == playlist::Format::M3U ? name : name + ".M3U";
}

// Takes the picked entry out of `list` and moves the selection, and with it the index, to the
// entry before it. An index that names another entry than the picked one names the song due
// next while the picked one plays (after the last entry, the first): that song still comes
// next, one place further up when it stood behind the picked one.
void deletePicked(forms::ListBox& list, int& next, int picked)
{
    const int due = next;
    list.RemoveItem(picked);
    list.setListIndex(picked - 1);
    if (picked != due) next = picked < due ? due - 1 : due;
}

void deletePlain(frmPlaylist& window)
{
    const int picked = window.List1.ListIndex();
    if (picked < 0) return;
    deletePicked(window.List1, NextSong, picked);
    window.Text1.setText(numbers::text(NextSong));
}

// The picked song leaves the shuffled order and the playlist itself, wherever it stands there;
// NextSong keeps naming the song it named.
void deleteShuffled(frmPlaylist& window)
{
    const int picked = window.List7.ListIndex();
    if (picked < 0) return;
    const std::string song = window.List7.List(picked);
    deletePicked(window.List7, NextShuffle, picked);
    for (int i = 0; i < window.List1.ListCount(); ++i) {
        if (window.List1.List(i) != song) continue;
        window.List1.RemoveItem(i);
        if (i < NextSong) --NextSong;
        break;
    }
}

// A double click stops the song and blanks the title; the timer then starts the picked entry.
Player& stopForPick()
{
    Player& player = forms::the<Player>();
    player.Tonewheel1.StopSong();
    SongFile.clear();
    ScrollText.clear();
    return player;
}

} // namespace

void frmPlaylist::add1_MouseDown(int, int, float, float)
{
    add1.setVisible(false);
}

void frmPlaylist::add1_MouseUp(int, int, float, float)
{
    add1.setVisible(true);
    CommonDialog1.CancelError = true;
    CommonDialog1.Filter = "MP3 Files|*.mp3|ALL Files|*.*";
    try {
        CommonDialog1.ShowOpen();
    } catch (const forms::DialogCancelled&) {
        return;
    }
    playlist::AddSong(CommonDialog1.FileName, playlist::AddSongButton);
}

void frmPlaylist::Delete1_MouseDown(int, int, float, float)
{
    Delete1.setVisible(false);
}

void frmPlaylist::Delete1_MouseUp(int, int, float, float)
{
    Delete1.setVisible(true);
    // The list on show is the one the user picked from.
    if (List7.Visible())
        deleteShuffled(*this);
    else
        deletePlain(*this);
}

void frmPlaylist::imgClear_MouseDown(int, int, float, float)
{
    imgClear.setVisible(false);
}

void frmPlaylist::imgClear_MouseUp(int, int, float, float)
{
    playlist::PLClear();
    LastPlaylist.clear();
    forms::the<Player>().txtsongfile.setText("");
    imgClear.setVisible(true);
}

void frmPlaylist::imgSave_MouseDown(int, int, float, float)
{
    imgSave.setVisible(false);
}

void frmPlaylist::imgSave_MouseUp(int, int, float, float)
{
    imgSave.setVisible(true);
    CommonDialog1.CancelError = true;
    CommonDialog1.DialogTitle = "Save Playlist";
    CommonDialog1.Flags = forms::cdlOFNHideReadOnly;
    CommonDialog1.Filter = "MP3 Playlists (*.M3U)|*.M3U";
    CommonDialog1.FilterIndex = 1;
    CommonDialog1.FileName.clear();
    try {
        CommonDialog1.ShowSave();
    } catch (const forms::DialogCancelled&) {
        return;
    }
    if (CommonDialog1.FileName.empty()) return;
    PlaylistFile = withPlaylistEnding(CommonDialog1.FileName);
    playlist::WritePL(PlaylistFile);
}

void frmPlaylist::Minimize_MouseDown(int, int, float, float)
{
    Minimize.setVisible(false);
}

void frmPlaylist::Minimize_MouseUp(int, int, float, float)
{
    Minimize.setVisible(true);
    setWindowState(1);
}

void frmPlaylist::pclose_MouseDown(int, int, float, float)
{
    pclose.setVisible(false);
}

void frmPlaylist::pclose_MouseUp(int, int, float, float)
{
    pclose.setVisible(true);
    Hide();
}

void frmPlaylist::List1_Click()
{
    NextSong = List1.ListIndex();
    Text1.setText(numbers::text(NextSong));
}

void frmPlaylist::List1_DblClick()
{
    if (List1.ListIndex() < 0) return; // no entry under the pointer: nothing to play
    Player& player = stopForPick();
    NextSong = List1.ListIndex();
    Text1.setText(numbers::text(NextSong));
    player.Timer10.setEnabled(true);
}

void frmPlaylist::List7_Click()
{
    NextShuffle = List7.ListIndex();
}

void frmPlaylist::List7_DblClick()
{
    if (List7.ListIndex() < 0) return;
    Player& player = stopForPick();
    NextSong = List7.ListIndex();
    NextShuffle = List7.ListIndex();
    player.Timer10.setEnabled(true);
}
