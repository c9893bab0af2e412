// The playlist window's lists: a playlist file of 32766 entries read into List1 and shown,
// shuffle turned on over 16383 entries (the shuffled list filled and shown), and a playlist whose
// middle line is 10 MB long read and shown.

#include "player/Player.h"
#include "playlist/PlaylistStore.h"
#include "playlist/frmPlaylist.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace
{

void paintNow(forms::ListBox& list)
{
    QApplication::processEvents(); // the view lays out its new rows
    QWidget* shown = list.widget();
    if (auto* view = qobject_cast<QAbstractScrollArea*>(shown)) shown = view->viewport();
    shown->repaint(); // and paints them
}

void print(const char* what, std::vector<double> ms, const char* goal)
{
    std::sort(ms.begin(), ms.end());
    std::printf("%-52s %8.1f / %8.1f %-5s | %s\n", what, ms.front(), ms[ms.size() / 2], "ms", goal);
}

template <typename Work> double millisecondsOf(Work&& work)
{
    const auto t0 = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

} // namespace

int main(int argc, char** argv)
{
    const auto dir = std::filesystem::temp_directory_path() / ("sonavel-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir / "config");
    setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1); // no remembered playlist starts playing
    QApplication app(argc, argv);

    const std::string m3u = (dir / "big.m3u").string();
    {
        std::ofstream out(m3u, std::ios::binary);
        out << "#EXTM3U\r\n";
        for (int i = 0; i < 32766; ++i)
            out << "#EXTINF:215,Artist " << i % 97 << " - Song " << i << "\r\n"
                << "Artist_" << i % 97 << "/Album " << i % 13 << "/" << i << " - Song title.mp3\r\n";
    }

    Player& player = forms::the<Player>();
    frmPlaylist& window = forms::the<frmPlaylist>();
    window.Show();
    QApplication::processEvents();

    std::vector<double> read, shuffle;
    for (int run = 0; run < 15; ++run) {
        window.List1.Clear();
        QApplication::processEvents();
        read.push_back(millisecondsOf([&] {
            playlist::ReadPL(window.List1, m3u);
            paintNow(window.List1);
        }));
    }
    const bool readAll = window.List1.ListCount() == 32766;
    while (window.List1.ListCount() > 16383)
        window.List1.RemoveItem(window.List1.ListCount() - 1);
    for (int run = 0; run < 15; ++run) {
        shuffle.push_back(millisecondsOf([&] {
            player.shuffle1_Click();
            paintNow(window.List7);
        }));
        player.Shuffle2_Click();
        QApplication::processEvents();
    }
    const std::string longLine = (dir / "long.m3u").string();
    std::ofstream(longLine, std::ios::binary)
        << "/a.mp3\r\n/" << std::string(10 << 20, 'x') << "\r\n/b.mp3\r\n";
    std::vector<double> huge;
    for (int run = 0; run < 5; ++run)
        huge.push_back(millisecondsOf([&] {
            playlist::ReadPL(window.List1, longLine);
            paintNow(window.List1);
        }));
    print("playlist of 32766 entries read and shown", read, "goal 200 ms");
    print("shuffle of 16383 entries, shown", shuffle, "");
    print("playlist with one 10 MB line read and shown", huge, "");
    std::fflush(stdout);
    std::filesystem::remove_all(dir);
    forms::detail::unloadAll(); // windows go before the application object
    return readAll ? 0 : 1;
}
