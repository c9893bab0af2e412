// Reading a playlist file of 32766 entries into the playlist window's list and showing it.

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

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    const auto dir = std::filesystem::temp_directory_path() / ("sonavel-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string m3u = (dir / "big.m3u").string();
    {
        std::ofstream out(m3u, std::ios::binary);
        out << "#EXTM3U\r\n";
        for (int i = 0; i < 32766; ++i)
            out << "#EXTINF:215,Artist " << i % 97 << " - Song " << i << "\r\n"
                << "Artist_" << i % 97 << "/Album " << i % 13 << "/" << i << " - Song title.mp3\r\n";
    }

    frmPlaylist& window = forms::the<frmPlaylist>();
    window.Show();
    QApplication::processEvents();

    std::vector<double> ms;
    for (int run = 0; run < 15; ++run) {
        window.List1.Clear();
        QApplication::processEvents();
        const auto t0 = std::chrono::steady_clock::now();
        if (!playlist::ReadPL(window.List1, m3u)) {
            std::fprintf(stderr, "cannot read %s\n", m3u.c_str());
            return 1;
        }
        QApplication::processEvents(); // the view lays out its new rows
        QWidget* shown = window.List1.widget();
        if (auto* view = qobject_cast<QAbstractScrollArea*>(shown)) shown = view->viewport();
        shown->repaint(); // and paints them
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    }
    std::sort(ms.begin(), ms.end());
    std::printf(
        "read %d entries into List1 and shown: median %.1f ms, best %.1f ms, worst %.1f ms (goal 200 ms)\n",
        window.List1.ListCount(), ms[ms.size() / 2], ms.front(), ms.back());
    std::fflush(stdout);
    const bool ok = window.List1.ListCount() == 32766;
    std::filesystem::remove_all(dir);
    forms::Unload<frmPlaylist>(); // windows go before the application object
    forms::collectUnloaded();
    return ok ? 0 : 1;
}
