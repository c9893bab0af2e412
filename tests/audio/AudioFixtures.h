#pragma once

#include <QCoreApplication>
#include <QTest>
#include <cstdint>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace platform
{
class Presswork;
class Tonewheel;
} // namespace platform

namespace audiotest
{

// Interleaved tones, a different pitch per channel so a swap or a mono mix-up shows.
std::vector<float> tone(int rate, int channels, double seconds);

// A WAV file through libsndfile; format is the libsndfile sub-format (SF_FORMAT_PCM_16, ...), or
// a whole format for a file of another kind (SF_FORMAT_FLAC | SF_FORMAT_PCM_16).
void writeWav(const std::string& path, int rate, int channels, double seconds, int format);

struct Mp3Fixture {
    int rate = 44100;
    int channels = 2;
    double seconds = 2;
    int kbps = 128;
    bool vbr = false;
    std::string artist, title; // UTF-8
    enum class Tag { None, V1, V2 } tag = Tag::None;
};
inline Mp3Fixture plainMp3(int rate, int channels, double seconds)
{
    Mp3Fixture s;
    s.rate = rate;
    s.channels = channels;
    s.seconds = seconds;
    return s;
}
// Encodes the tones with LAME, with its ID3 calls for the tags and the LAME tag frame in place.
std::string mp3Bytes(const Mp3Fixture& fixture);
void writeMp3(const std::string& path, const Mp3Fixture& fixture);

// An MP3 of `frames` identical silent frames (MPEG 2.5, 8 kHz mono, 72 ms each), without a
// header that tells its length: hours of song in a few megabytes.
void writeRepeatedFrames(const std::string& path, int frames);
// 142 bytes: one such frame, then what libmpg123 reports as a decoding error.
std::string mp3EndingInError();
// Frames enough for a song of 101 minutes: past the display's 99:59.
constexpr int FramesOf101Minutes = 84167;

struct Decoded {
    long rate = 0;
    int channels = 0;
    int bitrate = 0; // of the first frame, kbps
    long frames = 0; // MPEG frames after a full scan
    std::vector<int16_t> samples;
    size_t opening = 0; // samples in the format the file opened with, before any other
    double seconds = 0; // of every format's samples, each at its own rate
};
// mpg123's own decoding of a file, for comparisons: every frame in the format it comes in.
Decoded decodeMp3(const std::string& path);
// `mpg123 -w`: false when the command is not installed.
bool mpg123Wav(const std::string& mp3, const std::string& wav);

struct WavData {
    int rate = 0, channels = 0;
    std::vector<int16_t> samples;
};
WavData readWav(const std::string& path);

// While it lives no file of the process grows beyond `bytes`: a full disk, for the writers.
class FileSizeLimit
{
  public:
    explicit FileSizeLimit(long bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    unsigned long savedLimit_;
    void (*savedHandler_)(int);
};

void writeBytes(const std::string& path, const std::string& bytes);
std::string readBytes(const std::string& path);

// A fresh folder per test, removed afterwards.
class TempDir
{
  public:
    TempDir();
    ~TempDir();
    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    std::vector<std::string> entries(const std::string& folder = {}) const; // sorted names

  private:
    std::filesystem::path dir_;
};

// Records a component's events.
struct Recorder {
    std::vector<int32_t> frames;
    int ended = 0;
    template <typename Component> void attach(Component& c)
    {
        c.onActFrame = [this](int32_t f) { frames.push_back(f); };
        c.onThreadEnded = [this] { ++ended; };
    }
};

// Starts a job with `start`, pumps events until it ends, and returns what it reported.
template <typename Component, typename Start> Recorder runToEnd(Component& c, Start start)
{
    Recorder r;
    r.attach(c);
    start();
    EXPECT_TRUE(QTest::qWaitFor([&] { return r.ended > 0; }, 30000));
    QCoreApplication::processEvents();
    return r;
}

// Plays (output "") or decodes one file to its end and returns what was reported.
Recorder play(platform::Tonewheel& tw, const std::string& input, const std::string& output = "");
// Encodes one file to its end and returns what was reported.
Recorder encode(platform::Presswork& pw, const std::string& input, const std::string& output);

// Runs a job into outputs that cannot be made or written whole (a missing folder, a full disk):
// each ends once, as failed, and an earlier file of the name stays as it was.
template <typename Component, typename Run>
void expectUnwritableOutputsFail(Component& c, const TempDir& dir, const std::string& name, Run run)
{
    const std::string out = dir.path(name);
    writeBytes(out, "earlier");
    EXPECT_EQ(run(dir.path("no/such/folder/" + name)).ended, 1);
    EXPECT_TRUE(c.JobFailed());
    {
        FileSizeLimit diskFull(4096);
        EXPECT_EQ(run(out).ended, 1);
    }
    EXPECT_TRUE(c.JobFailed());
    EXPECT_EQ(readBytes(out), "earlier");
}

// first .. end - 1
std::vector<int32_t> frameRange(int32_t first, int32_t end);

// Pumps the UI thread's events until the predicate holds (bounded generously).
template <typename Pred> bool waitFor(Pred pred)
{
    return QTest::qWaitFor(pred, 30000);
}

} // namespace audiotest
