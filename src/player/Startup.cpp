#include "player/Startup.h"

#include "platform/forms/Dialogs.h"
#include "player/Player.h"
#include "playlist/frmPlaylist.h"

#include <cmath>

void startSonavel()
{
    Player& player = forms::the<Player>();
    // Left of the screen's centre by 2500 twips; worked out in single precision, nothing clamps it.
    const float left = (forms::Screen::Width() - player.Width()) / 2.0f - 2500.0f;
    const float top = (forms::Screen::Height() - player.Height()) / 2.0f;
    player.setLeft(static_cast<int>(std::lrint(left)));
    player.setTop(static_cast<int>(std::lrint(top)));

    frmPlaylist& playlist = forms::the<frmPlaylist>();
    playlist.Show();
    playlist.setLeft(player.Left() + player.Width());
    playlist.setTop(player.Top());

    player.Show();
}
