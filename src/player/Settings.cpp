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

namespace
{

// What the program holds for a stored value. The browser's three go together: moving it sets
// all three.
std::string held(const Player& p, const std::string& valueName)
{
    if (valueName == "String Value2") return LastPlaylist;
    return p.Drive1.Drive() + '\0' + p.Dir1.Path() + '\0' + p.File1.Path();
}

} // namespace

std::string Player::ReadSetting(const std::string& valueName)
{
    std::string text = settings::Read(valueName);
    // Any failure but "not there" leaves the value standing in the store.
    if (General::RegResult != store::ERROR_SUCCESS && General::RegResult != store::ERROR_FILE_NOT_FOUND)
        UnreadSettings[valueName];
    return text;
}

void Player::NoteUnreadSettings()
{
    for (auto& [valueName, then] : UnreadSettings)
        then = held(*this, valueName);
}

void Player::WriteSetting(const std::string& valueName, const std::string& text)
{
    const auto unread = UnreadSettings.find(valueName);
    if (unread != UnreadSettings.end() && unread->second == held(*this, valueName)) return;
    settings::Write(valueName, text);
}

void Player::SaveSettings()
{
    // A store that another process keeps locked holds the window up once, not once a value.
    const store::Save save;
    txtDrive.setText(Drive1.Drive());
    txtDir.setText(Dir1.Path());
    txtFile.setText(File1.Path());
    WriteSetting("Drive1", txtDrive.Text());
    WriteSetting("Dir1", txtDir.Text());
    WriteSetting("File1", txtFile.Text());
    // With no playlist the store holds the unread answer, so the next start loads none.
    txtsongfile.setText(LastPlaylist.empty() ? std::string(settings::Unread) : LastPlaylist);
    WriteSetting("String Value2", txtsongfile.Text());
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
