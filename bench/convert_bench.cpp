// One conversion, timed from inside the process: the encoding component alone, the encoder
// window of the program driving it (after playing BENCH_PLAY_FIRST for a moment, when set), or
// the playback component decoding to WAV. Prints the conversion's own CPU seconds (all
// threads), its wall seconds and the UI thread's CPU seconds.
// Usage: bench_convert encode-component|encode-window|decode-component <input> <output>
#include "platform/Application.h"
#include "platform/audio/Presswork.h"
#include "platform/audio/Tonewheel.h"
#include "player/Globals.h"
#include "player/Player.h"
#include "player/Startup.h"
#include "tools/frmEncoder.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <sys/resource.h>

namespace
{

double cpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// The calling (UI) thread's own share.
double threadSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

template <typename Work> void report(Work&& work)
{
    const double cpu0 = cpuSeconds(), thread0 = threadSeconds();
    const auto t0 = std::chrono::steady_clock::now();
    work();
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    std::printf("%.4f %.4f %.4f\n", cpuSeconds() - cpu0, wall, threadSeconds() - thread0);
}

template <typename Component> void runToEnd(Component& c, auto&& start)
{
    QEventLoop loop;
    c.onThreadEnded = [&] { loop.quit(); };
    start();
    loop.exec();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) return 2;
    const std::string mode = argv[1], in = argv[2], out = argv[3];
    if (mode == "encode-window") {
        // The program itself, started as main() starts it, with its encoder window opened.
        return platform::runApplication(argc, argv, [&] {
            startSonavel();
            if (const char* song = std::getenv("BENCH_PLAY_FIRST")) {
                SongFile = song;
                forms::the<Player>().imgplay_Click();
                QEventLoop wait;
                QTimer::singleShot(1500, &wait, &QEventLoop::quit);
                wait.exec();
            }
            frmEncoder& w = forms::the<frmEncoder>();
            w.Show();
            w.CommonDialog1.FileName = in;
            w.CommonDialog2.FileName = out;
            w.List1.AddItem(in);
            w.List2.AddItem(out);
            QApplication::processEvents();
            report([&] {
                QEventLoop loop;
                auto ended = w.Presswork1.onThreadEnded;
                w.Presswork1.onThreadEnded = [&] {
                    ended();
                    if (w.encode1.Visible()) loop.quit(); // the queue is over
                };
                w.encode1_MouseDown(1, 0, 0, 0);
                w.encode1_MouseUp(1, 0, 0, 0);
                loop.exec();
            });
            // Queued: the program may run this before its event loop has started.
            QMetaObject::invokeMethod(qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
        });
    }
    QCoreApplication app(argc, argv);
    if (mode == "encode-component") {
        platform::Presswork press;
        press.setBitRate(128000);
        report([&] {
            runToEnd(press, [&] {
                press.OpenSong(in, out);
                press.EncodeSong();
            });
        });
    } else if (mode == "decode-component") {
        platform::Tonewheel wheel;
        report([&] {
            runToEnd(wheel, [&] {
                wheel.OpenSong(in, out);
                wheel.PlaySong();
            });
        });
    } else {
        return 2;
    }
    return 0;
}
