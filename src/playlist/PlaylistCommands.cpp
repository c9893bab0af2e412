#include "playlist/PlaylistCommands.h"

#include "compact/Shade.h"
#include "platform/forms/Dialogs.h"
#include "player/Globals.h"
#include "player/Player.h"
#include "playlist/PlaylistStore.h"
#include "playlist/frmPlaylist.h"

#include <filesystem>

namespace playlist
{

void OpenPlaylist(const LoadMember& member)
{
    member.restored->setVisible(true);
    if (member.restoredThen) member.restoredThen->setVisible(true);

    forms::CommonDialog& dialog = member.dialog;
    dialog.CancelError = true;
    dialog.InitDir = DialogDir;
    dialog.DialogTitle = "Load Playlist";
    dialog.Flags = forms::cdlOFNHideReadOnly;
    dialog.Filter = std::string(member.filter);
    dialog.FilterIndex = 1;
    try {
        dialog.ShowOpen();
    } catch (const forms::DialogCancelled&) {
        return; // the music plays on, the list stays
    }
    const std::string chosen = dialog.FileName;

    // Read first: a name that cannot be read (mistyped, no access) must not cost the user the
    // song, the playlist or the playlist remembered for the next start.
    if (!ReadPL(chosen)) return;

    Player& player = forms::the<Player>();
    player.Tonewheel1.StopSong();
    NextSong = 0;
    PlaylistFile = chosen;
    LastPlaylist = chosen;
    player.txtsongfile.setText(LastPlaylist);
    player.Timer10.setEnabled(true);
}

bool AddSong(const std::string& path, const AddMember& member)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return false;
    if (member.setsSongFile) SongFile = path;
    frmPlaylist& window = forms::the<frmPlaylist>();
    window.List1.AddItem(path);
    if (member.extendsShuffled && window.List7.Visible()) window.List7.AddItem(path);
    Player& player = forms::the<Player>();
    if (player.Tonewheel1.IsPlaying() == 0) player.Timer10.setEnabled(true);
    return true;
}

} // namespace playlist

void Player::imgLoad_MouseDown(int, int, float, float)
{
    imgLoad.setVisible(false);
}

void Player::imgLoad_MouseUp(int, int, float, float)
{
    playlist::OpenPlaylist({&imgLoad, nullptr, CommonDialog1, playlist::MainLoadFilter});
}

void Shade::LoadS_MouseDown(int, int, float, float)
{
    LoadS.setVisible(false);
}

void Shade::LoadS_MouseUp(int, int, float, float)
{
    Player& player = forms::the<Player>();
    playlist::OpenPlaylist({&player.imgLoad, &LoadS, player.CommonDialog1, playlist::MainLoadFilter});
}

void frmPlaylist::imgLoad_MouseDown(int, int, float, float)
{
    imgLoad.setVisible(false);
}

void frmPlaylist::imgLoad_MouseUp(int, int, float, float)
{
    playlist::OpenPlaylist({&imgLoad, nullptr, CommonDialog1, playlist::PlaylistLoadFilter});
}
