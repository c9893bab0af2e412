#include "player/Settings.h"

#include "platform/Tray.h"
#include "platform/forms/Dialogs.h"
#include "platform/store/Registry.h"
#include "player/Globals.h"
#include "player/Player.h"
#include "settings/General.h"

namespace settings
{

namespace
{
constexpr const char* RootKey = "HKEY_LOCAL_MACHINE";
}

std::string Read(const std::string& valueName)
{
    std::string key = RootKey; // the routines rewrite it to the sub-key path
    return General::AsText(General::RegReadString(key, valueName));
}

void Write(const std::string& valueName, const std::string& text)
{
    std::string key = RootKey;
    General::RegWriteString(key, valueName, text);
}

} // namespace settings

void Player::SaveSettings()
{
    // A store that another process keeps locked holds the window up once, not once a value.
    const store::Save save;
    txtDrive.setText(Drive1.Drive());
    txtDir.setText(Dir1.Path());
    txtFile.setText(File1.Path());
    settings::Write("Drive1", txtDrive.Text());
    settings::Write("Dir1", txtDir.Text());
    settings::Write("File1", txtFile.Text());
    // With no playlist the store holds the unread answer, so the next start loads none.
    txtsongfile.setText(LastPlaylist.empty() ? std::string(settings::Unread) : LastPlaylist);
    settings::Write("String Value2", txtsongfile.Text());
    if (!LastPlaylist.empty()) imgClose.setVisible(false);
}

void Player::imgClose_MouseDown(int, int, float, float)
{
    SaveSettings();
}

void Player::imgClose_MouseUp(int, int, float, float)
{
    imgClose.setVisible(true);
    forms::End();
}

void Player::Form_Unload(int&)
{
    platform::Shell_NotifyIcon(platform::NIM_DELETE, nid);
}

void Player::Form_Terminate()
{
    platform::Shell_NotifyIcon(platform::NIM_DELETE, nid);
}
