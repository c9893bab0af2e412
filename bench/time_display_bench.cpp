// The elapsed-time digits: what a draw costs with decoded digits kept, against decoding the
// four bitmaps at every draw, and what the caption writes of a whole song cost.

#include "compact/Shade.h"
#include "player/FrameProgress.h"
#include "player/Globals.h"
#include "player/Player.h"

#include <QApplication>

#include <chrono>
#include <cstdio>

namespace
{

double microsecondsPer(int count, auto&& run)
{
    const auto t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < count; ++i)
        run(i);
    return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0).count() / count;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    WinDir = SONAVEL_BUILD_DATA_DIR;
    Player& player = forms::the<Player>();
    Shade& shade = forms::the<Shade>();
    if (forms::LoadPicture(WinDir + "/time/00.bmp").empty()) {
        std::fprintf(stderr, "no digit bitmaps under %s/time\n", WinDir.c_str());
        return 1;
    }

    // Every write a new value, so every write draws four boxes.
    const double cached =
        microsecondsPer(20000, [&](int i) { player.Label4.setCaption(std::to_string(i % 60)); });
    const double uncached = microsecondsPer(20000, [&](int i) {
        const std::string dir = WinDir + "/time/0";
        const int k = i % 60;
        player.time4.setPicture(forms::LoadPicture(dir + std::to_string(k % 10) + ".bmp"));
        player.time3.setPicture(forms::LoadPicture(dir + std::to_string(k / 10) + ".bmp"));
        shade.time4.setPicture(forms::LoadPicture(dir + std::to_string(k % 10) + ".bmp"));
        shade.time3.setPicture(forms::LoadPicture(dir + std::to_string(k / 10) + ".bmp"));
    });

    // A 13-minute song of 26.12 ms frames, every frame's four caption writes.
    const int frames = 13 * 60 * 1000 * 100 / 2612;
    const double song = microsecondsPer(frames, [&](int frame) {
        const FrameProgress p = frameProgress(26.12f, frames, frame);
        player.Label10.setCaption(p.Label10);
        player.Label7.setCaption(p.Label7);
        player.Label4.setCaption(p.Label4);
        player.Label3.setCaption(p.Label3);
    });

    std::printf("elapsed-seconds draw (4 boxes): %.1f us with decoded digits kept, %.1f us decoding each "
                "time (%.1fx)\n",
                cached, uncached, uncached / cached);
    std::printf("caption writes of a 13-minute song: %.2f us per frame on average (a frame lasts 26120 us)\n",
                song);
    return 0;
}
