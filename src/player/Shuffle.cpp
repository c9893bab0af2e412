#include "player/Shuffle.h"

#include "platform/Random.h"
#include "player/Globals.h"
#include "player/Player.h"
#include "playlist/frmPlaylist.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>

namespace
{

// A number 0 <= r < 1 with 48 random bits: one single-precision draw alone would favour
// some entries of a long list.
double fineRandom()
{
    return static_cast<double>(platform::Rnd()) + static_cast<double>(platform::Rnd()) / 16777216.0;
}

// Selects the last entry equal to the song playing (exact text) and returns the index after
// the selected entry, wrapping after the last one; with nothing selected, 0.
int indexAfterSong(forms::ListBox& list)
{
    for (int i = list.ListCount() - 1; i >= 0; --i) {
        if (list.List(i) == SongFile) {
            list.setListIndex(i);
            break;
        }
    }
    int next = list.ListIndex() + 1;
    if (next == list.ListCount()) next = 0;
    return next;
}

} // namespace

std::vector<std::size_t> shuffledOrder(std::size_t n)
{
    // Fisher-Yates: every order equally likely, one draw per entry, repeated paths kept.
    std::vector<std::size_t> order(n);
    std::iota(order.begin(), order.end(), std::size_t{0});
    for (std::size_t i = n; i > 1; --i) {
        const auto j = static_cast<std::size_t>(std::floor(fineRandom() * static_cast<double>(i)));
        std::swap(order[i - 1], order[std::min(j, i - 1)]);
    }
    return order;
}

void Player::shuffle1_Click()
{
    shuffle1.setVisible(false);
    Shuffle2.setVisible(true);

    frmPlaylist& playlist = forms::the<frmPlaylist>();
    platform::Randomize();
    const std::vector<std::size_t> order =
        shuffledOrder(static_cast<std::size_t>(playlist.List1.ListCount()));
    std::vector<std::string> paths;
    paths.reserve(order.size());
    for (std::size_t i : order)
        paths.push_back(playlist.List1.List(static_cast<int>(i)));
    playlist.List7.Clear();
    playlist.List7.AddItems(paths);
    // The plain list is left pointing at the last entry drawn, as a user's pick would.
    if (!order.empty()) playlist.List1.setListIndex(static_cast<int>(order.back()));

    playlist.List7.setVisible(true);
    playlist.List1.setVisible(false);
    NextShuffle = indexAfterSong(playlist.List7);
}

void Player::Shuffle2_Click()
{
    Shuffle2.setVisible(false);
    shuffle1.setVisible(true);

    frmPlaylist& playlist = forms::the<frmPlaylist>();
    playlist.List7.Clear();
    playlist.List1.setVisible(true);
    playlist.List7.setVisible(false);
    NextSong = indexAfterSong(playlist.List1);
}
