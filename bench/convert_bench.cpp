// Times MP3 -> WAV and WAV -> MP3 of a 5-minute stereo file through Tonewheel and Presswork
// against the `mpg123 -w` and `lame -b 128` command lines, in the same run on the same files.
#include "platform/audio/Presswork.h"
#include "platform/audio/Tonewheel.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <sndfile.h>
#include <string>
#include <vector>

namespace
{

constexpr int Rate = 44100;
constexpr int Seconds = 300;
constexpr int Rounds = 5;

// Something with the spread of music: gliding chords over a little noise.
bool writeSource(const std::string& path)
{
    SF_INFO info{};
    info.samplerate = Rate;
    info.channels = 2;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!f) return false;
    std::mt19937 rng(1);
    std::normal_distribution<float> noise(0, 0.02f);
    std::vector<float> block(2 * Rate);
    double phase[3] = {0, 0, 0};
    for (int s = 0; s < Seconds; ++s) {
        for (int i = 0; i < Rate; ++i) {
            const double t = s + double(i) / Rate;
            const double base = 110 * std::pow(2.0, std::fmod(t / 7, 2.0));
            float v = 0;
            for (int k = 0; k < 3; ++k) {
                phase[k] += 2 * M_PI * base * (1 + 0.5 * k) / Rate;
                v += 0.2f * float(std::sin(phase[k]));
            }
            block[2 * i] = v + noise(rng);
            block[2 * i + 1] = 0.8f * v + noise(rng);
        }
        sf_write_float(f, block.data(), sf_count_t(block.size()));
    }
    sf_close(f);
    return true;
}

double secondsOf(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void run(const std::string& command)
{
    if (std::system(command.c_str()) != 0) {
        std::fprintf(stderr, "failed: %s\n", command.c_str());
        std::exit(1);
    }
}

template <typename Component> void waitForEnd(Component& c, const std::function<void()>& start)
{
    QEventLoop loop;
    c.onThreadEnded = [&] { loop.quit(); };
    start();
    loop.exec();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const std::string wav = dir.filePath("source.wav").toStdString();
    const std::string mp3 = dir.filePath("source.mp3").toStdString();
    if (!writeSource(wav)) return 1;
    std::printf("%d-second stereo file at %d Hz, best of %d runs\n", Seconds, Rate, Rounds);

    platform::Presswork press;
    int32_t frames = 0;
    press.onActFrame = [&](int32_t) { ++frames; };
    press.setBitRate(128000);
    platform::Tonewheel wheel;
    wheel.onActFrame = [&](int32_t) { ++frames; };
    run("lame --quiet -b 128 '" + wav + "' '" + mp3 + "'");

    // Each round runs both sides back to back, so a busy moment of the machine hits both alike.
    double lameCli = 1e9, encoder = 1e9, mpg123Cli = 1e9, decoder = 1e9;
    for (int round = 0; round < Rounds; ++round) {
        lameCli =
            std::min(lameCli, secondsOf([&] { run("lame --quiet -b 128 '" + wav + "' '" + mp3 + "'"); }));
        encoder = std::min(encoder, secondsOf([&] {
                               waitForEnd(press, [&] {
                                   press.OpenSong(wav, dir.filePath("encoded.mp3").toStdString());
                                   press.EncodeSong();
                               });
                           }));
        mpg123Cli =
            std::min(mpg123Cli, secondsOf([&] {
                         run("mpg123 -q -w '" + dir.filePath("cli.wav").toStdString() + "' '" + mp3 + "'");
                     }));
        decoder = std::min(decoder, secondsOf([&] {
                               waitForEnd(wheel, [&] {
                                   wheel.OpenSong(mp3, dir.filePath("decoded.wav").toStdString());
                                   wheel.PlaySong();
                               });
                           }));
    }

    std::printf("WAV -> MP3: lame -b 128 %.3f s, Presswork %.3f s, speed ratio %.2fx\n", lameCli, encoder,
                lameCli / encoder);
    std::printf("MP3 -> WAV: mpg123 -w   %.3f s, Tonewheel %.3f s, speed ratio %.2fx\n", mpg123Cli, decoder,
                mpg123Cli / decoder);
    std::printf("(%d frame events delivered)\n", frames);
    return 0;
}
