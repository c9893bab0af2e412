#include "AudioFixtures.h"
#include "platform/audio/AudioTesting.h"
#include "platform/audio/Presswork.h"

#include <QCoreApplication>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sndfile.h>
#include <sys/stat.h>

using namespace audiotest;
using platform::Presswork;
using platform::audio::setInputOpenHookForTesting;

namespace
{

class PressworkTest : public ::testing::Test
{
  protected:
    // Frames reported one by one, FrameCount frames in all, and the file holds them.
    void expectFramesReported(const Recorder& r, const Decoded& mp3)
    {
        EXPECT_EQ(r.ended, 1);
        EXPECT_FALSE(pw.JobFailed());
        EXPECT_GT(pw.FrameCount(), 0);
        EXPECT_EQ(r.frames, frameRange(0, pw.FrameCount()));
        EXPECT_EQ(mp3.frames, pw.FrameCount());
    }

    TempDir dir;
    Presswork pw;
};

double seconds(const Decoded& d)
{
    return d.rate ? double(d.samples.size()) / d.channels / d.rate : 0;
}

// Seconds of one MPEG frame at a rate.
double frameSeconds(long rate)
{
    return (rate >= 32000 ? 1152.0 : 576.0) / double(rate);
}

TEST_F(PressworkTest, EachBitRateAndSampleRateOfTheEncoderWindow)
{
    const std::string wav = dir.path("in.wav"), mp3 = dir.path("out.mp3");
    writeWav(wav, 44100, 2, 1.0, SF_FORMAT_PCM_16);
    for (int32_t bps : {128000, 112000, 96000, 64000, 56000, 32000}) {
        for (int32_t hz : {0, 32000, 44100, 48000}) {
            SCOPED_TRACE(testing::Message() << bps << " bps, " << hz << " Hz");
            pw.OpenSong(wav, mp3);
            if (hz) pw.setSampleRate(hz);
            pw.setBitRate(bps);
            const Recorder r = encode(pw, wav, mp3);
            const Decoded out = decodeMp3(mp3);
            expectFramesReported(r, out);
            EXPECT_EQ(out.bitrate, bps / 1000);
            if (hz) {
                EXPECT_EQ(out.rate, hz);
            }
            EXPECT_EQ(out.channels, 2);
            // Small frames carry no LAME tag, so the encoder delay and padding stay in.
            EXPECT_NEAR(seconds(out), 1.0, 3 * frameSeconds(out.rate));
            EXPECT_EQ(dir.entries(), (std::vector<std::string>{"in.wav", "out.mp3"}));
            pw.setSampleRate(0);
        }
    }
}

TEST_F(PressworkTest, ReadsEverySampleFormatMonoAndStereo)
{
    const struct {
        const char* name;
        int format, rate;
    } formats[] = {
        {"8-bit", SF_FORMAT_PCM_U8, 22050},          {"16-bit", SF_FORMAT_PCM_16, 44100},
        {"24-bit", SF_FORMAT_PCM_24, 48000},         {"float", SF_FORMAT_FLOAT, 44100},
        {"16-bit, 8 kHz", SF_FORMAT_PCM_16, 8000},   {"16-bit, 96 kHz", SF_FORMAT_PCM_16, 96000},
        {"16-bit, 5512 Hz", SF_FORMAT_PCM_16, 5512}, // a read of it lasts longer once resampled
    };
    const double length = 1.5; // seconds: more than one read's worth at the lowest rate
    for (const auto& f : formats) {
        for (int channels : {1, 2}) {
            SCOPED_TRACE(testing::Message() << f.name << ", " << channels << " channel(s)");
            const std::string wav = dir.path("in.wav"), mp3 = dir.path("out.mp3");
            writeWav(wav, f.rate, channels, length, f.format);
            pw.setSampleRate(44100);
            const Recorder r = encode(pw, wav, mp3);
            const Decoded out = decodeMp3(mp3);
            expectFramesReported(r, out);
            EXPECT_EQ(out.channels, channels);
            EXPECT_EQ(out.rate, 44100);
            EXPECT_NEAR(seconds(out), length, 0.01); // the LAME tag gives the exact length
            // The tones come back: not silence (float read as integers) nor garble (mono interleaved).
            const auto expected = tone(44100, channels, length);
            ASSERT_GE(out.samples.size(), expected.size() / 2);
            double error = 0, signal = 0;
            for (size_t i = 2000; i < std::min(out.samples.size(), expected.size()) - 2000; ++i) {
                const double e = expected[i] * 32768.0;
                error += (out.samples[i] - e) * (out.samples[i] - e);
                signal += e * e;
            }
            EXPECT_LT(error / signal, 0.05);
        }
    }
}

TEST_F(PressworkTest, RatesWrittenBetweenOpensApplyToLaterJobsAndStay)
{
    const std::string wav = dir.path("in.wav"), mp3 = dir.path("out.mp3");
    writeWav(wav, 44100, 2, 0.5, SF_FORMAT_PCM_16);
    pw.OpenSong(wav, mp3);
    pw.setSampleRate(32000);
    pw.setBitRate(64000);
    for (int job = 0; job < 2; ++job) {
        encode(pw, wav, mp3);
        const Decoded out = decodeMp3(mp3);
        EXPECT_EQ(out.rate, 32000);
        EXPECT_EQ(out.bitrate, 64);
    }
    // A rate the encoder does not have is taken as the nearest one it has.
    pw.setBitRate(100000);
    pw.setSampleRate(47000);
    encode(pw, wav, mp3);
    const Decoded out = decodeMp3(mp3);
    EXPECT_EQ(out.bitrate, 96);
    EXPECT_EQ(out.rate, 48000);
}

TEST_F(PressworkTest, ANewOpenDropsTheEventsOfTheRunningJob)
{
    const std::string first = dir.path("first.wav"), second = dir.path("second.wav");
    writeWav(first, 44100, 2, 20, SF_FORMAT_PCM_16);
    writeWav(second, 44100, 1, 0.5, SF_FORMAT_PCM_16);
    Recorder r;
    r.attach(pw);
    pw.OpenSong(first, dir.path("first.mp3"));
    pw.EncodeSong();
    ASSERT_TRUE(waitFor([&] { return !r.frames.empty() || r.ended > 0; }));
    r = encode(pw, second, dir.path("second.mp3"));
    EXPECT_EQ(r.frames, frameRange(0, pw.FrameCount()));
    EXPECT_EQ(r.ended, 1);
    for (const auto& name : dir.entries())
        EXPECT_EQ(name.find(".part"), std::string::npos) << name;
}

TEST_F(PressworkTest, DamagedInputsAndUnwritableOutputsEndQuietly)
{
    const std::string good = dir.path("good.wav");
    writeWav(good, 44100, 2, 0.5, SF_FORMAT_PCM_16);
    const std::string bytes = readBytes(good);
    std::mt19937 rng(11);
    std::string noise(20000, '\0');
    for (char& ch : noise)
        ch = char(rng());
    std::string noChannels = bytes;
    noChannels[22] = 0; // the header's channel count
    noChannels[23] = 0;
    const std::string scratch = dir.path("scratch");
    writeWav(scratch, 44100, 2, 0.5, SF_FORMAT_FLAC | SF_FORMAT_PCM_16);
    std::string flacLonger = readBytes(scratch);
    flacLonger[22] = char(uint8_t(flacLonger[22]) + 1); // its header's sample count, 2^24 more
    writeWav(scratch, 44100, 2, 1, SF_FORMAT_OGG | SF_FORMAT_VORBIS);
    const std::string ogg = readBytes(scratch);
    std::filesystem::remove(scratch);
    const struct {
        const char* name;
        std::string content;
        bool write, failed;
    } cases[] = {
        {"missing", "", false, true},
        {"empty", "", true, true},
        {"noise", noise, true, true},
        {"header says longer", bytes.substr(0, bytes.size() / 4), true, false},
        {"header without channels", noChannels, true, true},
        {"header only", bytes.substr(0, 44), true, false}, // no samples, as `lame` takes it
        {"FLAC header says longer", flacLonger, true, true},
        // libsndfile opens it, cannot tell its length, and reads no sample.
        {"Ogg Vorbis cut short", ogg.substr(0, ogg.size() * 9 / 10), true, true},
        {"one MP3 frame, then an error", mp3EndingInError(), true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string in = dir.path(c.name), out = dir.path("out.mp3");
        if (c.write) writeBytes(in, c.content);
        writeBytes(out, "earlier");
        const Recorder r = encode(pw, in, out);
        EXPECT_EQ(r.ended, 1);
        EXPECT_EQ(pw.JobFailed(), c.failed);
        // Either a whole file or the earlier one as it was.
        if (c.failed) {
            EXPECT_EQ(readBytes(out), "earlier");
        } else {
            EXPECT_GT(decodeMp3(out).frames, 0);
        }
        for (const auto& name : dir.entries())
            EXPECT_EQ(name.find(".part"), std::string::npos) << name;
        std::filesystem::remove(out);
    }
    // A pipe is no input: opening it would wait for a writer for ever.
    const std::string pipe = dir.path("pipe.wav");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(encode(pw, pipe, dir.path("out.mp3")).ended, 1);
    EXPECT_TRUE(pw.JobFailed());
    EXPECT_TRUE(encode(pw, "", dir.path("out.mp3")).ended == 1);
    EXPECT_TRUE(pw.JobFailed());
    EXPECT_FALSE(std::filesystem::exists(dir.path("out.mp3")));
    expectUnwritableOutputsFail(pw, dir, "out.mp3",
                                [&](const std::string& out) { return encode(pw, good, out); });
    pw.OpenSong(good, dir.path("out.mp3"));
    EXPECT_FALSE(pw.JobFailed());
}

TEST_F(PressworkTest, AnInputThatGrowsWhileItIsReadShowsNoFrameBeyondItsCount)
{
    const std::string growing = dir.path("growing.mp3"), mp3 = dir.path("out.mp3");
    writeMp3(growing, plainMp3(44100, 2, 0.5));
    setInputOpenHookForTesting([&] {
        std::ofstream(growing, std::ios::app | std::ios::binary) << mp3Bytes(plainMp3(44100, 2, 0.5));
    });
    const Recorder r = encode(pw, growing, mp3);
    setInputOpenHookForTesting(nullptr);
    EXPECT_FALSE(pw.JobFailed());
    EXPECT_GT(decodeMp3(mp3).frames, pw.FrameCount() + 10);
    EXPECT_EQ(r.frames, frameRange(0, pw.FrameCount()));
}

TEST_F(PressworkTest, DestroyingTheComponentStopsItsJobAndLeavesNoFile)
{
    const std::string wav = dir.path("in.wav");
    writeWav(wav, 44100, 2, 20, SF_FORMAT_PCM_16);
    Recorder r;
    {
        Presswork doomed;
        r.attach(doomed);
        doomed.OpenSong(wav, dir.path("out.mp3"));
        doomed.EncodeSong();
        ASSERT_TRUE(waitFor([&] { return !r.frames.empty() || r.ended > 0; }));
    }
    const size_t seen = r.frames.size();
    QCoreApplication::processEvents();
    EXPECT_EQ(r.frames.size(), seen);
    for (const auto& name : dir.entries())
        EXPECT_EQ(name.find(".part"), std::string::npos) << name;
}

} // namespace
