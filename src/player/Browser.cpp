#include "platform/forms/Dialogs.h"
#include "player/Player.h"
#include "playlist/PlaylistCommands.h"

#include <filesystem>

namespace
{

std::string parentOf(const std::string& folder)
{
    return std::filesystem::path(folder).parent_path().string();
}

// Points the folder list at `folder`, or at the nearest folder above it that can still be
// listed, going no higher than `top`. False when not even `top` can be listed.
bool showNearest(forms::DirListBox& dir, std::string folder, const std::string& top)
{
    while (!dir.setPath(folder)) {
        if (folder.size() <= top.size() || folder == "/") return false;
        folder = parentOf(folder);
    }
    return true;
}

} // namespace

void Player::Dir1_Change()
{
    File1.setPath(Dir1.Path());
}

void Player::Drive1_Change()
{
    const std::string drive = Drive1.Drive();
    // A remembered folder that has since gone is no reason to call the whole drive not ready.
    if (showNearest(Dir1, forms::CurrentFolderOfDrive(drive), drive)) return;
    forms::MsgBox("Drive " + drive + " not ready", forms::vbExclamation);
    // Back to the drive the folder list still shows; this runs the handler again for it.
    if (!Drive1.setDrive(Dir1.Path())) Drive1.setDrive("/");
}

void Player::File1_Click()
{
    const std::string name = File1.FileName();
    if (name.empty()) return;
    const std::string folder = File1.Path();
    // The separator is always added, so a song at the root reads "//name".
    if (playlist::AddSong(folder + "/" + name, playlist::BrowserClick)) return;
    // The file, or its whole folder, went away since the list was filled: show what is there now.
    if (showNearest(Dir1, folder, "/")) File1.setPath(Dir1.Path());
}
