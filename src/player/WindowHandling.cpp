#include "platform/Tray.h"
#include "platform/forms/Dialogs.h"
#include "player/Player.h"
#include "player/WindowDrag.h"
#include "playlist/frmPlaylist.h"

#include <cmath>

// The tray icon reports its mouse messages as moves of this window, the message standing in
// for the horizontal position in pixels.
void Player::Form_MouseMove(int Button, int, float X, float)
{
    // A move with a button held belongs to a press on the window (a drag that may leave it),
    // never to the tray, which reports with no button.
    if (Button != 0) return;
    const double message = std::nearbyint(static_cast<double>(X) / forms::Screen::TwipsPerPixelX());
    if (message == platform::WM_LBUTTONUP) {
        windows::PopupOptions(*this);
    } else if (message == platform::WM_LBUTTONDBLCLK) {
        setWindowState(0);
        Show();
        nid.hIcon = Icon().Handle();
        platform::Shell_NotifyIcon(platform::NIM_MODIFY, nid);
    }
}

void Player::Minimize_MouseDown(int, int, float, float)
{
    Minimize.setVisible(false);
}

void Player::Minimize_MouseUp(int, int, float, float)
{
    Minimize.setVisible(true);
    setWindowState(1);
}

void Player::Playlist_Click()
{
    frmPlaylist& playlistWindow = forms::the<frmPlaylist>();
    playlistWindow.setVisible(!playlistWindow.Visible());
}

void Player::Tools_Click()
{
    windows::PopupOptions(*this);
}
