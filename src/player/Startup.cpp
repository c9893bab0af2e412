#include "player/Startup.h"

#include "platform/DataDir.h"
#include "player/Globals.h"
#include "player/Player.h"
#include "player/Settings.h"
#include "player/WindowPlacement.h"
#include "playlist/PlaylistStore.h"
#include "playlist/frmPlaylist.h"

#include <cstring>

void startSonavel()
{
    forms::the<Player>().Show();
}

namespace
{

// A stored folder that cannot be shown any more (gone, drive not mounted) leaves the control
// where it stands, as does a value that could not be read.
void applyStored(const std::string& value, auto&& set)
{
    if (value != settings::Unread) (void)set(value);
}

} // namespace

void Player::Form_Load()
{
    // Left of the screen's centre, leaving room for the playlist window beside it; nothing
    // keeps it on the screen.
    windows::CentreOnScreen(*this, 2500);

    frmPlaylist& playlistWindow = forms::the<frmPlaylist>();
    playlistWindow.Show();
    playlistWindow.setLeft(Left() + Width());
    playlistWindow.setTop(Top());

    nid = {};
    nid.cbSize = sizeof nid;
    nid.hWnd = hWnd();
    nid.uID = 1;
    nid.uFlags = platform::NIF_MESSAGE | platform::NIF_ICON | platform::NIF_TIP;
    nid.uCallbackMessage = platform::WM_MOUSEMOVE;
    nid.hIcon = Icon().Handle();
    std::memset(nid.szTip, ' ', sizeof nid.szTip);
    const char tip[] = "Sonavel!"; // with its terminating NUL
    std::memcpy(nid.szTip, tip, sizeof tip);
    platform::Shell_NotifyIcon(platform::NIM_ADD, nid);

    WinDir = platform::sharedDataFolder();
    NextSong = 0;
    VolumeLevel.reset();

    txtDrive.setText(ReadSetting("Drive1"));
    txtDir.setText(ReadSetting("Dir1"));
    txtFile.setText(ReadSetting("File1"));
    if (txtDrive.Text() != settings::Unread) {
        // Each change runs the control's own change handler; the next value then overrides it.
        applyStored(txtDrive.Text(), [this](const std::string& v) { return Drive1.setDrive(v); });
        applyStored(txtDir.Text(), [this](const std::string& v) { return Dir1.setPath(v); });
        applyStored(txtFile.Text(), [this](const std::string& v) { return File1.setPath(v); });
    }

    LastPlaylist = ReadSetting("String Value2");
    NoteUnreadSettings();
    if (!LastPlaylist.empty() && LastPlaylist != settings::Unread) {
        PlaylistFile = LastPlaylist;
        // Its first tick comes only after this handler has returned, with the list complete.
        Timer10.setEnabled(true);
        // A remembered playlist that cannot be read any more starts nothing; it stays
        // remembered, so a playlist on a drive mounted later comes back at the next start.
        if (!playlist::ReadPL(std::string(PlaylistFile))) Timer10.setEnabled(false);
    }
}
