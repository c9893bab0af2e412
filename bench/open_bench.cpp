// Opening a 10-hour MP3 twice over: with a LAME tag that gives its frame count, which must come
// from the tag and not from a scan of the whole file on the interface thread; and without the
// tag, where the frames are counted by a scan.
#include "BenchSource.h"
#include "platform/audio/Tonewheel.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace
{

constexpr int Seconds = 300;
constexpr int LongCopies = 120;
constexpr int Rounds = 5;
using bench::Rate;

// The CRC the LAME tag carries over its first 190 bytes (CRC-16, polynomial 0xA001).
uint16_t lameTagCrc(const std::string& frame)
{
    uint16_t crc = 0;
    for (size_t i = 0; i < 190; ++i) {
        crc ^= uint8_t(frame[i]);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? uint16_t((crc >> 1) ^ 0xA001) : uint16_t(crc >> 1);
    }
    return crc;
}

void putBigEndian(std::string& bytes, size_t at, uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes[at + size_t(i)] = char(value >> (8 * (size - 1 - i)));
}

// The audio frames of a `lame -b 128` stereo file repeated `copies` times behind its tag frame,
// whose frame and byte counts are set to match: a valid, exactly tagged long file. Without
// the tag frame (`tagged` false) its frames have to be counted by a scan.
bool writeLongMp3(const std::string& source, const std::string& path, int copies, bool tagged)
{
    std::ifstream in(source, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (bytes.size() < 200 || bytes.compare(36, 4, "Info") != 0) return false;
    const auto header = [&](size_t i) { return uint8_t(bytes[i]); };
    const size_t tagFrame = 144 * 128000 / Rate + ((header(2) >> 1) & 1);
    const std::string audio = bytes.substr(tagFrame);
    // After the tag's name and flags: its frame count and byte count.
    const uint32_t frames =
        uint32_t(header(44)) << 24 | uint32_t(header(45)) << 16 | header(46) << 8 | header(47);
    std::string tag = bytes.substr(0, tagFrame);
    putBigEndian(tag, 44, frames * uint32_t(copies), 4);
    putBigEndian(tag, 48, uint32_t(tagFrame + audio.size() * size_t(copies)), 4);
    putBigEndian(tag, 190, lameTagCrc(tag), 2);
    std::ofstream out(path, std::ios::binary);
    if (tagged) out << tag;
    for (int i = 0; i < copies; ++i)
        out << audio;
    return bool(out);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const std::string wav = dir.filePath("source.wav").toStdString();
    const std::string mp3 = dir.filePath("source.mp3").toStdString();
    const std::string tagged = dir.filePath("long.mp3").toStdString();
    const std::string untagged = dir.filePath("untagged.mp3").toStdString();
    if (!bench::writeSource(wav, Seconds) ||
        std::system(("lame --quiet -b 128 '" + wav + "' '" + mp3 + "'").c_str()) != 0 ||
        !writeLongMp3(mp3, tagged, LongCopies, true) || !writeLongMp3(mp3, untagged, LongCopies, false))
        return 1;
    platform::Tonewheel wheel;
    for (const auto& [path, what] :
         {std::pair{tagged, "tagged"}, std::pair{untagged, "untagged (scanned)"}}) {
        double best = 1e9;
        for (int round = 0; round < Rounds; ++round) {
            const auto t0 = std::chrono::steady_clock::now();
            wheel.OpenSong(path, dir.filePath("long.wav").toStdString());
            best =
                std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
            wheel.StopSong();
        }
        std::printf("Opening a %d-hour %s file (%.0f MB, cached): %.2f ms, %d frames\n",
                    Seconds * LongCopies / 3600, what, double(std::filesystem::file_size(path)) / 1e6,
                    best * 1000, wheel.FrameCount());
    }
    return 0;
}
