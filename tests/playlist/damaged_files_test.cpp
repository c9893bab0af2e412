// A corpus of damaged files, made here from good ones: each ends its job cleanly when played,
// decoded to WAV and encoded to MP3, and a playlist of them all plays on to the next good song.
// A job ends cleanly when it raises ThreadEnded once and leaves its output either as it was or
// whole, with no temporary file beside it; an MP3 file encoded is as long as the WAV file
// decoded from the same input, through damage and format changes alike, both jobs foretell the
// frames they go through, and both give an MP3 stream the same verdict.

#include "RoadFixture.h"

#include "audio/AudioFixtures.h"
#include "platform/audio/Presswork.h"
#include "platform/audio/Tonewheel.h"
#include "playlist/PlaylistStore.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <sndfile.h>

namespace
{

using namespace audiotest;

struct Damaged {
    std::string name; // its extension need not match what it holds
    std::string bytes;
};

uint32_t le32(const std::string& s, size_t at)
{
    uint32_t v = 0;
    std::memcpy(&v, s.data() + at, 4);
    return v;
}
std::string patched(std::string s, size_t at, std::string_view bytes)
{
    s.replace(at, bytes.size(), bytes);
    return s;
}
std::string withLe32(const std::string& s, size_t at, uint32_t v)
{
    return patched(s, at, std::string_view(reinterpret_cast<const char*>(&v), 4));
}
std::string withByte(const std::string& s, size_t at, unsigned v)
{
    const char c = char(v);
    return patched(s, at, std::string_view(&c, 1));
}

// Where the MPEG frames of an MPEG-1 Layer III file begin, after its ID3v2 tag.
std::vector<size_t> frameStarts(const std::string& mp3, size_t from)
{
    static constexpr int kbps[] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0};
    static constexpr int rates[] = {44100, 48000, 32000, 0};
    std::vector<size_t> starts;
    for (size_t at = from; at + 4 <= mp3.size();) {
        const auto b2 = uint8_t(mp3[at + 2]);
        const int rate = rates[(b2 >> 2) & 3], rateKbps = kbps[b2 >> 4];
        if (uint8_t(mp3[at]) != 0xFF || rate == 0 || rateKbps == 0) break;
        starts.push_back(at);
        at += size_t(144000 * rateKbps / rate + ((b2 >> 1) & 1));
    }
    return starts;
}

// The good files the corpus is made from.
struct Sources {
    std::string mp3;                       // 44.1 kHz stereo, with an ID3v2 tag and the LAME tag frame
    std::string wav;                       // 16-bit stereo
    std::string otherRate, eightKhz, mono; // MP3 streams to join on
    std::string floatWav;
};

std::vector<Damaged> corpus(const Sources& s)
{
    const std::string &mp3 = s.mp3, &wav = s.wav, &floatWav = s.floatWav;
    const size_t tagEnd =
        10 + ((size_t(mp3[6]) << 21) | (size_t(mp3[7]) << 14) | (size_t(mp3[8]) << 7) | size_t(mp3[9]));
    const std::vector<size_t> frames = frameStarts(mp3, tagEnd);
    EXPECT_GT(frames.size(), 30u);
    const size_t first = frames.at(0), second = frames.at(1);

    std::vector<Damaged> c = {
        {"empty.mp3", ""},
        {"tag only.mp3", mp3.substr(0, tagEnd)},
        {"tag and a frame header.mp3", mp3.substr(0, first + 4)},
        {"tag and the info frame.mp3", mp3.substr(0, second)},
        {"tag size huge.mp3", withLe32(mp3, 6, 0x7f7f7f7f)},
        {"sync lost.mp3", withByte(mp3, first, 0x7F)},
        {"bit rate index bad.mp3", withByte(mp3, first + 2, uint8_t(mp3[first + 2]) | 0xF0)},
        {"sample rate reserved.mp3", withByte(mp3, second + 2, uint8_t(mp3[second + 2]) | 0x0C)},
        {"layer reserved.mp3", withByte(mp3, second + 1, uint8_t(mp3[second + 1]) & 0xF9)},
        {"two rates.mp3", mp3 + s.otherRate},
        {"44.1 then 8 kHz.mp3", mp3 + s.eightKhz},
        {"8 then 44.1 kHz.mp3", s.eightKhz + mp3},
        {"mono then stereo.mp3", s.mono + mp3},
        {"tag counting half its frames.mp3", patched(mp3, mp3.find("Info") + 8, {"\0\0\0\x14", 4})},
        {"one frame, then an error.mp3", mp3EndingInError()},
        {"a song named wav.wav", mp3},
        {"a wav file.mp3", wav},
        {"text.mp3", "just some text\n"},
        {"playlist.mp3", "#EXTM3U\r\n/music/a.mp3\r\n"},
        {"empty.wav", ""},
        {"header only.wav", wav.substr(0, 44)},
        {"no channels.wav", patched(wav, 22, std::string(2, '\0'))},
        {"rate zero.wav", withLe32(wav, 24, 0)},
        {"rate huge.wav", withLe32(wav, 24, 0x7fffffff)},
        {"channels huge.wav", patched(wav, 22, "\xff\xff")},
        {"bits odd.wav", withByte(wav, 34, 7)},
        {"format unknown.wav", withByte(wav, 20, 0x55)},
        {"riff size huge.wav", withLe32(wav, 4, 0xffffffff)},
        {"data size huge.wav", withLe32(wav, 40, 0xfffffff0)},
        {"fmt size huge.wav", withLe32(wav, 16, 0xfffffff0)},
    };
    // Truncated inside the tag, a frame header, the info frame, the audio and the end.
    for (size_t at : {size_t(1), size_t(3), size_t(9), tagEnd - 1, first + 2, second + 1, second + 300,
                      mp3.size() / 2, mp3.size() - 1})
        c.push_back({"cut at " + std::to_string(at) + ".mp3", mp3.substr(0, at)});
    for (size_t at : {size_t(4), size_t(12), size_t(20), size_t(36), size_t(43), size_t(45), wav.size() / 2})
        c.push_back({"cut at " + std::to_string(at) + ".wav", wav.substr(0, at)});
    // One frame mid-song claims another rate, or mono; every other frame claims 48 kHz; and
    // bytes flipped throughout.
    const size_t mid = frames[frames.size() / 2];
    c.push_back({"one frame at 48k.mp3", withByte(mp3, mid + 2, (uint8_t(mp3[mid + 2]) & 0xF3) | 0x04)});
    c.push_back({"one frame mono.mp3", withByte(mp3, mid + 3, uint8_t(mp3[mid + 3]) | 0xC0)});
    std::string rates = mp3, flipped = mp3, flippedWav = wav;
    for (size_t i = 1; i < frames.size(); i += 2)
        rates[frames[i] + 2] = char((uint8_t(rates[frames[i] + 2]) & 0xF3) | 0x04);
    for (size_t i = 0; i < flipped.size(); i += 97)
        flipped[i] = char(flipped[i] ^ 0x5a);
    for (size_t i = 44; i < flippedWav.size(); i += 89)
        flippedWav[i] = char(flippedWav[i] ^ 0xa5);
    c.push_back({"every other frame at 48k.mp3", rates});
    c.push_back({"bytes flipped.mp3", flipped});
    c.push_back({"samples flipped.wav", flippedWav});
    // A float file may hold any number: one that is none, or one far beyond full scale.
    const size_t sample = floatWav.find("data") + 8 + 400;
    c.push_back({"a sample not a number.wav", withLe32(floatWav, sample, 0x7fc00000)});
    c.push_back({"a sample far beyond full scale.wav", withLe32(floatWav, sample, 0x5015'02f9)}); // 1e10
    return c;
}

// Whole: the RIFF size is written when the file is closed, before it takes its name.
bool wholeWav(const std::string& w)
{
    return w.size() >= 44 && w.compare(0, 4, "RIFF") == 0 && le32(w, 4) == w.size() - 8;
}

class DamagedFiles : public RoadTest
{
  protected:
    platform::Tonewheel tw;
    platform::Presswork pw;
    TempDir dir;
};

TEST_F(DamagedFiles, EndTheirJobsCleanlyAndThePlaylistPlaysOn)
{
    const std::string in = dir.path("in"), out = dir.path("out");
    std::filesystem::create_directory(in);
    std::filesystem::create_directory(out);
    Mp3Fixture tagged = plainMp3(44100, 2, 1);
    tagged.tag = Mp3Fixture::Tag::V2;
    tagged.title = "Good";
    const std::string good = in + "/good.mp3", scratch = out + "/scratch";
    writeMp3(good, tagged);
    Sources sources;
    sources.mp3 = readBytes(good);
    sources.otherRate = mp3Bytes(plainMp3(22050, 2, 0.5));
    sources.eightKhz = mp3Bytes(plainMp3(8000, 1, 1));
    sources.mono = mp3Bytes(plainMp3(44100, 1, 0.5));
    writeWav(scratch, 44100, 2, 0.5, SF_FORMAT_PCM_16);
    sources.wav = readBytes(scratch);
    writeWav(scratch, 8000, 1, 0.5, SF_FORMAT_FLOAT);
    sources.floatWav = readBytes(scratch);
    std::filesystem::remove(scratch);

    const std::string outWav = out + "/out.wav", outMp3 = out + "/out.mp3", old = "an older file";
    std::string list = good + "\r\n";
    std::vector<std::string> notEncoded; // decoded to WAV, not encoded
    for (const Damaged& d : corpus(sources)) {
        SCOPED_TRACE(d.name);
        const std::string file = in + "/" + d.name;
        writeBytes(file, d.bytes);
        list += file + "\r\n";

        Recorder r = play(tw, file);
        EXPECT_EQ(r.ended, 1);
        ASSERT_FALSE(r.frames.empty());
        EXPECT_EQ(r.frames.back(), std::max(tw.FrameCount() - 1, 0)); // the window's end of a song

        writeBytes(outWav, old);
        r = play(tw, file, outWav);
        EXPECT_EQ(r.ended, 1);
        const bool decoded = !tw.JobFailed();
        if (decoded) {
            EXPECT_TRUE(wholeWav(readBytes(outWav)));
        } else {
            EXPECT_EQ(readBytes(outWav), old);
        }
        const bool mp3Stream = tw.FrameCount() > 0;
        if (mp3Stream) {
            EXPECT_EQ(tw.FrameCount(), decodeMp3(file).frames) << "the decoder foretells every frame";
        }

        writeBytes(outMp3, old);
        r = encode(pw, file, outMp3);
        EXPECT_EQ(r.ended, 1);
        if (readBytes(outMp3) != old) {
            const Decoded mp3 = decodeMp3(outMp3);
            EXPECT_GT(mp3.frames, 0);
            EXPECT_NEAR(mp3.frames, pw.FrameCount(), 1) << "the count foretold is what the file holds";
            ASSERT_FALSE(r.frames.empty());
            EXPECT_EQ(r.frames.back(), pw.FrameCount() - 1) << "the share foretold ends at 100";
            // An MP3 stream is encoded from all that MP3 to WAV makes of it.
            if (decoded) {
                const WavData wav = readWav(outWav);
                EXPECT_NEAR(mp3.seconds, double(wav.samples.size()) / wav.channels / wav.rate, 0.001);
            }
        } else if (decoded) {
            notEncoded.push_back(d.name);
        }
        if (mp3Stream) {
            EXPECT_EQ(pw.JobFailed(), tw.JobFailed()) << "the encoder's verdict differs from the decoder's";
        }
        EXPECT_EQ(dir.entries(), (std::vector<std::string>{"in", "out"}));
        EXPECT_EQ(dir.entries("out"), (std::vector<std::string>{"out.mp3", "out.wav"}))
            << "a temporary file left";
    }

    EXPECT_EQ(notEncoded, std::vector<std::string>{}) << "decoded to WAV, yet not encoded";

    // The road: the good song, every damaged file in turn, and the good song again.
    list += good + "\r\n";
    writeBytes(out + "/damaged.m3u", list);
    ASSERT_TRUE(playlist::ReadPL(out + "/damaged.m3u"));
    const int count = list1().ListCount();
    NextSong = 0;
    player().Timer10.setEnabled(true);
    for (int i = 0; i < count; ++i) {
        SCOPED_TRACE(list1().List(i));
        clock.advance(1000);
        ASSERT_EQ(SongFile, list1().List(i));
        ASSERT_TRUE(pumpUntil([&] { return player().Timer10.Enabled(); })) << "the road stopped";
    }
    EXPECT_EQ(SongFile, good);
    EXPECT_GT(player().Tonewheel1.FrameCount(), 30);
    EXPECT_EQ(player().Label2.Caption(), std::to_string(player().Tonewheel1.FrameCount() - 1));
    EXPECT_EQ(NextSong, 0);
}

} // namespace
