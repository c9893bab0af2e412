#include "AudioFixtures.h"
#include "platform/audio/AudioTesting.h"
#include "platform/audio/JobEvents.h"
#include "platform/audio/Tonewheel.h"
#include "platform/forms/Form.h"
#include "platform/forms/Testing.h"
#include "platform/forms/Timer.h"

#include <QCoreApplication>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <future>
#include <gtest/gtest.h>
#include <random>
#include <stdexcept>
#include <sys/stat.h>
#include <utility>

using namespace audiotest;
using platform::Tonewheel;
using platform::audio::setDrainHookForTesting;
using platform::audio::setFrameHookForTesting;

namespace
{

class TonewheelTest : public ::testing::Test
{
  protected:
    void SetUp() override { setenv("SONAVEL_AUDIO_OUTPUT", "null", 1); }
    void TearDown() override
    {
        setFrameHookForTesting(nullptr);
        setDrainHookForTesting(nullptr);
    }

    TempDir dir;
    Tonewheel tw;
};

struct FiguresCase {
    const char* name;
    Mp3Fixture fixture;
    float frameMs;
    int32_t kbps; // 0: checked against the file size instead (VBR)
};

TEST_F(TonewheelTest, ReportsFiguresAndTagsOfTheOpenedFile)
{
    const std::string longV1(30, 'a');
    const FiguresCase cases[] = {
        {"v2 tags, UTF-8", {44100, 2, 2, 128, false, "Ærtist ☃", "Tïtle", Mp3Fixture::Tag::V2}, 26.122f, 128},
        {"v1 tags, full fields", {22050, 1, 2, 64, false, longV1, "Café", Mp3Fixture::Tag::V1}, 26.122f, 64},
        {"no tags", {48000, 2, 1, 192, false, "", "", Mp3Fixture::Tag::None}, 24.0f, 192},
        {"artist only", {32000, 1, 1, 32, false, "Solo", "", Mp3Fixture::Tag::V2}, 36.0f, 32},
        {"VBR", {44100, 2, 3, 0, true, "", "", Mp3Fixture::Tag::None}, 26.122f, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string file = dir.path(std::string(c.name) + ".mp3");
        writeMp3(file, c.fixture);
        const Decoded ref = decodeMp3(file);
        tw.OpenSong(file, "");
        tw.PlaySong();
        EXPECT_EQ(tw.FrameCount(), ref.frames);
        EXPECT_NEAR(tw.FrameCount(), c.fixture.seconds * 1000 / c.frameMs, 3);
        EXPECT_NEAR(tw.FrameMs(), c.frameMs, 0.001);
        EXPECT_EQ(tw.StreamFrequency(), c.fixture.rate);
        if (c.kbps) {
            EXPECT_EQ(tw.StreamBitrate(), c.kbps);
        } else {
            const double bits = double(std::filesystem::file_size(file)) * 8;
            EXPECT_NEAR(tw.StreamBitrate(), bits / (tw.FrameCount() * tw.FrameMs()), 8);
        }
        EXPECT_EQ(tw.TagField1(), c.fixture.artist);
        EXPECT_EQ(tw.TagField2(), c.fixture.title);
        EXPECT_EQ(tw.HasTag(), !c.fixture.artist.empty() || !c.fixture.title.empty());
        tw.StopSong();
    }
}

TEST_F(TonewheelTest, ReportsEveryFrameInOrderThenEndsOnce)
{
    const std::string file = dir.path("song.mp3");
    writeMp3(file, {});
    for (const std::string& output : {std::string(), dir.path("song.wav")}) {
        SCOPED_TRACE(output);
        const Recorder r = play(tw, file, output);
        EXPECT_EQ(r.frames, frameRange(0, tw.FrameCount()));
        EXPECT_EQ(r.ended, 1);
        EXPECT_FALSE(tw.JobFailed());
        EXPECT_EQ(tw.IsPlaying(), 0);
    }
}

TEST_F(TonewheelTest, TheLastFrameIsReportedOnlyOnceTheDeviceHasDrained)
{
    const std::string file = dir.path("song.mp3");
    writeMp3(file, plainMp3(44100, 2, 1));
    // Holds the worker inside the drain until released; released at the latest on the way out.
    struct Gate {
        std::promise<void> promise;
        std::shared_future<void> future = promise.get_future().share();
        bool open = false;
        void release()
        {
            if (!std::exchange(open, true)) promise.set_value();
        }
        ~Gate() { release(); }
    } gate;
    std::atomic<bool> draining{false};
    setDrainHookForTesting([&draining, future = gate.future] {
        draining = true;
        future.wait();
    });
    Recorder r;
    r.attach(tw);
    tw.OpenSong(file, "");
    tw.PlaySong();
    ASSERT_TRUE(waitFor([&] { return draining.load(); }));
    QCoreApplication::processEvents(); // whatever was posted before the drain arrives now
    EXPECT_EQ(r.frames, frameRange(0, tw.FrameCount() - 1));
    EXPECT_EQ(r.ended, 0);
    gate.release();
    ASSERT_TRUE(waitFor([&] { return r.ended > 0; }));
    EXPECT_EQ(r.frames, frameRange(0, tw.FrameCount()));
}

// A frame with another rate or channel count than the file opened with.
TEST_F(TonewheelTest, AFrameOfAnotherFormatIsConvertedAndTheJobGoesOnToTheEnd)
{
    // A frame header a third in (MPEG-1 layer III, 128 kbps, 44.1 kHz), its rate made 48 kHz.
    std::string flipped = mp3Bytes(plainMp3(44100, 2, 4));
    const size_t header = flipped.find("\xFF\xFB\x90", flipped.size() / 3);
    ASSERT_NE(header, std::string::npos);
    flipped[header + 2] ^= 0x04;
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"one header's rate bit flipped", flipped},
        {"two rates joined", mp3Bytes(plainMp3(44100, 2, 2)) + mp3Bytes(plainMp3(22050, 2, 2))},
        {"stereo joined to mono", mp3Bytes(plainMp3(44100, 1, 1)) + mp3Bytes(plainMp3(44100, 2, 1))},
    };
    for (const auto& c : cases) {
        const std::string in = dir.path("in.mp3"), out = dir.path("out.wav");
        writeBytes(in, c.bytes);
        const Decoded ref = decodeMp3(in);
        ASSERT_LT(ref.opening, ref.samples.size()) << c.name; // the format does change
        for (const bool toFile : {false, true}) {
            SCOPED_TRACE(testing::Message() << c.name << (toFile ? " to file" : " to device"));
            size_t samples = 0;
            setFrameHookForTesting([&](int32_t, const int16_t*, size_t n) { samples += n; });
            const Recorder r = play(tw, in, toFile ? out : "");
            setFrameHookForTesting(nullptr);
            EXPECT_EQ(tw.FrameCount(), ref.frames);
            EXPECT_EQ(r.frames, frameRange(0, tw.FrameCount()));
            EXPECT_EQ(r.ended, 1);
            EXPECT_FALSE(tw.JobFailed());
            // All of mpg123's decoding, the later formats at the opening rate.
            const int channels = toFile ? ref.channels : 2;
            EXPECT_NEAR(double(samples) / channels / double(ref.rate), ref.seconds, 0.002);
            if (toFile) {
                const WavData wav = readWav(out);
                EXPECT_EQ(wav.rate, ref.rate);
                EXPECT_EQ(wav.channels, ref.channels);
                EXPECT_EQ(wav.samples.size(), samples);
                EXPECT_EQ(std::filesystem::file_size(out), 44 + 2 * samples); // one header
                ASSERT_GE(wav.samples.size(), ref.opening);
                EXPECT_TRUE(std::equal(ref.samples.begin(), ref.samples.begin() + long(ref.opening),
                                       wav.samples.begin()));
            }
        }
    }
}

TEST(JobEventsTest, MergesOnlyFramesQueuedBehindALaterOneOfAMergeableRun)
{
    std::vector<int32_t> seen;
    int ended = 0;
    std::function<void(int32_t)> onFrame = [&](int32_t f) { seen.push_back(f); };
    std::function<void()> onEnded = [&] { ++ended; };
    platform::audio::JobEvents events(onFrame, onEnded);
    const uint32_t stale = events.nextSerial(), job = events.nextSerial();
    events.postActFrames(stale, 0, 5, true);
    events.postActFrames(job, 0, 3, true);
    events.postActFrames(job, 3, 6, true);  // joins the queued run
    events.postActFrames(job, 9, 12, true); // after a seek: a run of its own
    events.postActFrames(job, 12, 14);      // not mergeable: every frame
    events.postActFrame(job, 14);           // the final frame
    events.postThreadEnded(job, false);
    QCoreApplication::processEvents();
    EXPECT_EQ(seen, (std::vector<int32_t>{5, 11, 12, 13, 14}));
    EXPECT_EQ(ended, 1);

    // A seek makes the frames decoded before it stale, queued or still to come; the final
    // frame and the job's end are no frames of a place in the song and always arrive.
    seen.clear();
    const uint32_t before = events.currentSeek(), playing = events.nextSerial();
    events.postActFrames(playing, 0, 3, false, false, before);
    const uint32_t after = events.nextSeek();
    events.postActFrames(playing, 3, 4, false, false, before);
    events.postActFrames(playing, 40, 42, false, false, after);
    events.postActFrame(playing, 99);
    events.postThreadEnded(playing, false);
    QCoreApplication::processEvents();
    EXPECT_EQ(seen, (std::vector<int32_t>{40, 41, 99}));
    EXPECT_EQ(ended, 2);
}

struct Ticking : forms::Form {
    Ticking() : Form({.Caption = "Ticking", .Width = 1500, .Height = 1500}) {}
    forms::Timer ticker{*this, {.Name = "ticker", .Enabled = true, .Interval = 100}};
};

TEST(JobEventsTest, AReportThatMayWaitGoesOutAtTheNextTickOrWithTheNextReport)
{
    forms::testing::ManualClock clock;
    Ticking window;
    std::vector<int32_t> seen;
    std::function<void(int32_t)> onFrame = [&](int32_t f) { seen.push_back(f); };
    std::function<void()> onEnded = [] {};
    platform::audio::JobEvents events(onFrame, onEnded);
    const uint32_t job = events.nextSerial();
    events.postActFrames(job, 0, 4, true, true);
    QCoreApplication::processEvents();
    EXPECT_TRUE(seen.empty()) << "nobody was woken for it";
    clock.advance(100);
    EXPECT_EQ(seen, (std::vector<int32_t>{3}));
    events.postActFrames(job, 4, 8, true, true);
    events.postActFrames(job, 8, 12, true, true); // finds the first still waiting: wakes
    QCoreApplication::processEvents();
    EXPECT_EQ(seen, (std::vector<int32_t>{3, 11}));
}

TEST_F(TonewheelTest, SeekGoesOnFromTheFrameClampedToTheSong)
{
    const std::string file = dir.path("song.mp3");
    writeMp3(file, {});
    // A seek asked for while frame 5 is played: that frame, and any before it still queued, is
    // stale news and never delivered; then every frame from the target on.
    setFrameHookForTesting([this](int32_t frame, const int16_t*, size_t) {
        if (frame == 5) tw.SeekTo(40);
    });
    Recorder r = play(tw, file);
    const auto resumed = std::find(r.frames.begin(), r.frames.end(), 40);
    EXPECT_EQ(std::vector<int32_t>(resumed, r.frames.end()), frameRange(40, tw.FrameCount()));
    const std::vector<int32_t> before(r.frames.begin(), resumed);
    EXPECT_LT(before.size(), 5u);
    EXPECT_EQ(before, frameRange(0, int32_t(before.size())));
    setFrameHookForTesting(nullptr);

    // Seeks before the job starts; targets outside the song are clamped.
    const struct {
        int32_t target, first;
    } cases[] = {{-7, 0}, {20, 20}, {100000, -1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target);
        Recorder s;
        s.attach(tw);
        tw.OpenSong(file, "");
        tw.SeekTo(c.target);
        tw.PlaySong();
        ASSERT_TRUE(waitFor([&] { return s.ended > 0; }));
        const int32_t first = c.first < 0 ? tw.FrameCount() - 1 : c.first;
        EXPECT_EQ(s.frames, frameRange(first, tw.FrameCount()));
    }
}

TEST_F(TonewheelTest, PauseHoldsTheJobAndTheNextCallResumesIt)
{
    const std::string file = dir.path("song.mp3");
    writeMp3(file, {});
    std::atomic<bool> once{false};
    setFrameHookForTesting([&](int32_t frame, const int16_t*, size_t) {
        if (frame == 10 && !once.exchange(true)) tw.PauseSong();
    });
    Recorder r;
    r.attach(tw);
    tw.OpenSong(file, "");
    tw.PlaySong();
    ASSERT_TRUE(waitFor([&] { return !r.frames.empty() && r.frames.back() == 10; }));
    QCoreApplication::processEvents();
    EXPECT_EQ(r.frames.back(), 10);
    EXPECT_NE(tw.IsPlaying(), 0); // paused still counts as playing
    tw.PauseSong();
    ASSERT_TRUE(waitFor([&] { return r.ended > 0; }));
    EXPECT_EQ(r.frames, frameRange(0, tw.FrameCount()));
}

TEST_F(TonewheelTest, StopMidSongDeliversNothingMoreAndLeavesNoFile)
{
    const std::string file = dir.path("song.mp3");
    writeMp3(file, {});
    setFrameHookForTesting([this](int32_t frame, const int16_t*, size_t) {
        if (frame == 10) tw.PauseSong();
    });
    for (const std::string& output : {std::string(), dir.path("out.wav")}) {
        SCOPED_TRACE(output);
        Recorder r;
        r.attach(tw);
        tw.OpenSong(file, output);
        tw.PlaySong();
        ASSERT_TRUE(waitFor([&] { return !r.frames.empty() && r.frames.back() == 10; }));
        tw.StopSong();
        QCoreApplication::processEvents();
        EXPECT_EQ(r.frames, frameRange(0, 11));
        EXPECT_EQ(r.ended, 0);
        EXPECT_EQ(tw.IsPlaying(), 0);
        EXPECT_EQ(dir.entries(), std::vector<std::string>{"song.mp3"});
    }
    // Stop and pause with nothing playing are harmless.
    EXPECT_EQ(tw.PauseSong(), -1);
    tw.StopSong();
    tw.StopSong();
}

TEST_F(TonewheelTest, ANewSongDropsTheEventsOfThePreviousJob)
{
    const std::string first = dir.path("first.mp3"), second = dir.path("second.mp3");
    writeMp3(first, plainMp3(44100, 2, 3));
    writeMp3(second, plainMp3(44100, 2, 1));
    Recorder r;
    r.attach(tw);
    tw.OpenSong(first, "");
    tw.PlaySong();
    ASSERT_TRUE(waitFor([&] { return !r.frames.empty(); }));
    r = Recorder{}; // the first job may have ended already
    r.attach(tw);
    tw.OpenSong(second, "");
    tw.PlaySong();
    ASSERT_TRUE(waitFor([&] { return r.ended > 0; }));
    QCoreApplication::processEvents();
    EXPECT_EQ(r.frames, frameRange(0, tw.FrameCount()));
    EXPECT_EQ(r.ended, 1);
}

TEST_F(TonewheelTest, HandlersMayStartTheNextJobOrStopTheCurrentOne)
{
    const std::string first = dir.path("first.mp3"), second = dir.path("second.mp3");
    writeMp3(first, plainMp3(44100, 2, 1));
    writeMp3(second, plainMp3(44100, 1, 0.5));
    // The decoder window's queue: the end of one job opens and starts the next.
    Recorder r;
    std::vector<int32_t> counts;
    tw.onActFrame = [&](int32_t f) { r.frames.push_back(f); };
    tw.onThreadEnded = [&] {
        counts.push_back(tw.FrameCount());
        if (++r.ended == 1) {
            tw.OpenSong(second, dir.path("second.wav"));
            tw.PlaySong();
        }
    };
    tw.OpenSong(first, dir.path("first.wav"));
    tw.PlaySong();
    ASSERT_TRUE(waitFor([&] { return r.ended == 2; }));
    std::vector<int32_t> expected = frameRange(0, counts[0]);
    for (int32_t f : frameRange(0, counts[1]))
        expected.push_back(f);
    EXPECT_EQ(r.frames, expected);

    // The main window's end mark: a stop from inside a frame event ends the deliveries.
    r = Recorder{};
    tw.onActFrame = [&](int32_t f) {
        r.frames.push_back(f);
        if (f == 5) tw.StopSong();
    };
    tw.OpenSong(first, "");
    tw.PlaySong();
    ASSERT_TRUE(waitFor([&] { return tw.IsPlaying() == 0; }));
    QCoreApplication::processEvents();
    EXPECT_EQ(r.frames, frameRange(0, 6));
    EXPECT_EQ(r.ended, 0);

    // A handler that throws is logged, as any event's handler is, and the events go on.
    r = Recorder{};
    tw.onActFrame = [&](int32_t f) {
        r.frames.push_back(f);
        if (f == 5) throw std::runtime_error("frame handler gave up");
    };
    tw.onThreadEnded = [&] { ++r.ended; };
    testing::internal::CaptureStderr();
    tw.OpenSong(first, "");
    tw.PlaySong();
    const bool ended = waitFor([&] { return r.ended > 0; });
    EXPECT_NE(testing::internal::GetCapturedStderr().find("frame handler gave up"), std::string::npos);
    ASSERT_TRUE(ended);
    EXPECT_EQ(r.frames, frameRange(0, tw.FrameCount()));
}

TEST_F(TonewheelTest, VolumeScalesEachChannelOfTheDeviceOutputAndIsKept)
{
    const struct {
        int channels;
        int16_t a, b;
    } cases[] = {{2, 100, 50}, {2, 0, 100}, {1, 30, 70}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.channels << " " << c.a << " " << c.b);
        const std::string file = dir.path("song.mp3");
        writeMp3(file, plainMp3(44100, c.channels, 1));
        const Decoded ref = decodeMp3(file);
        std::vector<int16_t> heard;
        setFrameHookForTesting(
            [&](int32_t, const int16_t* s, size_t n) { heard.insert(heard.end(), s, s + n); });
        tw.SetVolume(c.a, c.b);
        tw.StopSong(); // volumes survive jobs ending and starting
        play(tw, file);
        setFrameHookForTesting(nullptr);
        EXPECT_EQ(tw.VolumeA(), c.a);
        EXPECT_EQ(tw.VolumeB(), c.b);
        // The device always gets two channels; a mono song feeds both.
        ASSERT_EQ(heard.size(), ref.samples.size() * 2 / c.channels);
        size_t mismatches = 0;
        for (size_t i = 0; i < heard.size(); ++i) {
            const int16_t src = ref.samples[c.channels == 2 ? i : i / 2];
            const int gain = i % 2 == 0 ? c.a : c.b;
            mismatches += heard[i] != int16_t(src * gain / 100);
        }
        EXPECT_EQ(mismatches, 0u);
    }
    tw.SetVolume(150, -5);
    EXPECT_EQ(tw.VolumeA(), 100);
    EXPECT_EQ(tw.VolumeB(), 0);
}

TEST_F(TonewheelTest, WavOutputIsWhatMpg123WritesAtEveryRate)
{
    const struct {
        int rate, channels;
        bool trailingBytes; // the tag's byte count no longer matches, so the file is scanned
    } cases[] = {{44100, 1, false}, {44100, 2, false}, {22050, 2, false}, {22050, 2, true},
                 {8000, 1, false},  {11025, 2, false}, {16000, 1, false}, {24000, 2, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.rate << " Hz, " << c.channels << " channel(s)"
                                        << (c.trailingBytes ? ", trailing bytes" : ""));
        const std::string file = dir.path("song.mp3"), out = dir.path("song.wav"), cli = dir.path("cli.wav");
        writeMp3(file, plainMp3(c.rate, c.channels, 2));
        if (c.trailingBytes) writeBytes(file, readBytes(file) + std::string(1000, '\0'));
        tw.SetVolume(10, 10); // the device's volume does not touch files
        play(tw, file, out);
        const Decoded ref = decodeMp3(file);
        const WavData wav = readWav(out);
        EXPECT_EQ(wav.rate, ref.rate);
        EXPECT_EQ(wav.channels, ref.channels);
        EXPECT_EQ(wav.samples, ref.samples);
        if (mpg123Wav(file, cli)) {
            EXPECT_EQ(readBytes(out), readBytes(cli));
            std::filesystem::remove(cli);
        }
        EXPECT_EQ(dir.entries(), (std::vector<std::string>{"song.mp3", "song.wav"}));
    }
}

TEST_F(TonewheelTest, AnInputNamedAsItsOwnOutputIsReadBeforeItIsReplaced)
{
    const std::string file = dir.path("song.mp3");
    writeMp3(file, {});
    const Decoded ref = decodeMp3(file);
    const Recorder r = play(tw, file, file);
    EXPECT_EQ(readWav(file).samples, ref.samples);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"song.mp3"});
}

TEST_F(TonewheelTest, DamagedInputsEndQuietly)
{
    const std::string good = dir.path("good.mp3");
    writeMp3(good, {});
    const std::string bytes = readBytes(good);
    std::mt19937 rng(7);
    std::string noise(20000, '\0');
    for (char& ch : noise)
        ch = char(rng());
    std::string flipped = bytes;
    for (size_t i = 0; i < flipped.size(); i += 97)
        flipped[i] = char(flipped[i] ^ 0x5a);
    const std::string hugeTag = std::string("ID3\x04\x00\x00\x7f\x7f\x7f\x7f", 10) + bytes;
    const struct {
        const char* name;
        std::string content; // nullptr-like: "missing" is not written
        bool write, failed;
    } cases[] = {
        {"missing", "", false, true},
        {"empty", "", true, true},
        {"text", "just some text\n", true, true},
        {"noise", noise, true, true},
        {"truncated", bytes.substr(0, bytes.size() / 3), true, false},
        {"header only", bytes.substr(0, 300), true, true},
        {"bytes flipped throughout", flipped, true, false},
        {"tag longer than the file", hugeTag, true, true},
    };
    for (const auto& c : cases) {
        for (const bool toFile : {false, true}) {
            SCOPED_TRACE(testing::Message() << c.name << (toFile ? " to file" : " to device"));
            const std::string in = dir.path(c.name), out = dir.path("out.wav");
            if (c.write) writeBytes(in, c.content);
            const Recorder r = play(tw, in, toFile ? out : "");
            EXPECT_EQ(r.ended, 1);
            EXPECT_EQ(tw.JobFailed(), c.failed);
            if (tw.FrameCount() == 0) {
                EXPECT_EQ(r.frames, std::vector<int32_t>{0});
                EXPECT_EQ(tw.FrameMs(), 0.0f);
                EXPECT_FALSE(tw.HasTag());
                EXPECT_FALSE(std::filesystem::exists(out));
            } else {
                ASSERT_FALSE(r.frames.empty());
                EXPECT_EQ(r.frames.back(), tw.FrameCount() - 1);
            }
            std::filesystem::remove(out);
        }
    }
    // A pipe is no song: opening it would wait for a writer for ever.
    const std::string pipe = dir.path("pipe.mp3");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(play(tw, pipe).ended, 1);
    EXPECT_EQ(tw.FrameCount(), 0);
    EXPECT_TRUE(tw.JobFailed());
    expectUnwritableOutputsFail(tw, dir, "out.wav",
                                [&](const std::string& out) { return play(tw, good, out); });
    // An input cut short while it is read.
    const std::string cut = dir.path("cut.mp3"), out = dir.path("out.wav");
    for (const std::string& output : {std::string(), out}) {
        SCOPED_TRACE(output);
        writeBytes(cut, bytes);
        setFrameHookForTesting([&](int32_t frame, const int16_t*, size_t) {
            if (frame == 10) std::filesystem::resize_file(cut, bytes.size() / 2);
        });
        EXPECT_EQ(play(tw, cut, output).ended, 1);
        EXPECT_TRUE(tw.JobFailed());
        EXPECT_EQ(readBytes(out), "earlier");
    }
    tw.OpenSong(good, "");
    EXPECT_FALSE(tw.JobFailed());
    EXPECT_EQ(tw.IsPlaying(), 0);
}

TEST_F(TonewheelTest, DestroyingTheComponentStopsItsJobAndDeliversNothing)
{
    const std::string file = dir.path("song.mp3");
    writeMp3(file, {});
    Recorder r;
    auto other = std::make_unique<Tonewheel>();
    setFrameHookForTesting([&](int32_t frame, const int16_t*, size_t) {
        if (frame == 3) other->PauseSong();
    });
    r.attach(*other);
    other->OpenSong(file, dir.path("out.wav"));
    other->PlaySong();
    ASSERT_TRUE(waitFor([&] { return r.frames.size() == 4; }));
    other.reset();
    QCoreApplication::processEvents();
    EXPECT_EQ(r.frames.size(), 4u);
    EXPECT_EQ(r.ended, 0);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"song.mp3"});
}

TEST_F(TonewheelTest, WithoutADeviceItPlaysSilentlyAndSaysSoOnce)
{
    unsetenv("SONAVEL_AUDIO_OUTPUT");
    const std::string file = dir.path("short.mp3");
    writeMp3(file, plainMp3(44100, 2, 0.2));
    testing::internal::CaptureStderr();
    for (int job = 0; job < 2; ++job) {
        // At the music's pace, frames queued behind a later one are merged into it.
        const Recorder r = play(tw, file);
        ASSERT_FALSE(r.frames.empty());
        EXPECT_TRUE(std::is_sorted(r.frames.begin(), r.frames.end()));
        EXPECT_EQ(r.frames.back(), tw.FrameCount() - 1);
    }
    const std::string said = testing::internal::GetCapturedStderr();
    const auto mentions = [&] {
        size_t n = 0;
        for (auto at = said.find("no sound device"); at != std::string::npos;
             at = said.find("no sound device", at + 1))
            ++n;
        return n;
    }();
    EXPECT_LE(mentions, 1u); // none where a real device took the sound
}

} // namespace
