// The road of a song with the real playback component: a playlist file of real MP3s and one
// missing file, played end to end on the silent, unpaced output.

#include "RoadFixture.h"

#include "audio/AudioFixtures.h"
#include "playlist/PlaylistStore.h"

#include <vector>

namespace
{

class Road : public RoadTest
{
  protected:
    struct Frame {
        std::string song;
        int32_t frame;
        bool endAlreadyRequested; // Timer10 was on before this frame arrived
    };

    void SetUp() override
    {
        Player& p = player();
        auto handler = p.Tonewheel1.onActFrame;
        p.Tonewheel1.onActFrame = [this, handler, &p](int32_t f) {
            frames.push_back({SongFile, f, p.Timer10.Enabled()});
            handler(f);
        };
    }

    // Lets the next-song timer fire and plays what it starts until its end test holds.
    void playNext(const std::string& expected, std::vector<int32_t>& played, int32_t& frameCount)
    {
        const std::string before = SongFile;
        clock.advance(999);
        ASSERT_EQ(SongFile, before) << "started before one second";
        clock.advance(1);
        ASSERT_EQ(SongFile, expected);
        ASSERT_FALSE(player().Timer10.Enabled());
        frameCount = player().Tonewheel1.FrameCount();
        frames.clear();
        ASSERT_TRUE(pumpUntil([&] { return player().Timer10.Enabled(); })) << expected;
        played.clear();
        for (const Frame& f : frames) {
            EXPECT_EQ(f.song, expected);
            EXPECT_FALSE(f.endAlreadyRequested) << "frame " << f.frame << " after the end";
            played.push_back(f.frame);
        }
    }

    std::vector<Frame> frames;
    audiotest::TempDir dir;
};

TEST_F(Road, PlaysThePlaylistInOrderPassingOverAMissingFile)
{
    audiotest::Mp3Fixture plain;
    plain.seconds = 1.5;
    audiotest::writeMp3(dir.path("one.mp3"), plain);
    audiotest::Mp3Fixture tagged = plain;
    tagged.seconds = 2.5;
    tagged.kbps = 96;
    tagged.artist = "A";
    tagged.title = "B";
    tagged.tag = audiotest::Mp3Fixture::Tag::V2;
    audiotest::writeMp3(dir.path("two.mp3"), tagged);
    audiotest::writeBytes(dir.path("list.m3u"), "#EXTM3U\r\n#EXTINF:1,one\r\none.mp3\r\n\r\nmissing.mp3\n" +
                                                    dir.path("two.mp3") + "\r\n");

    ASSERT_TRUE(playlist::ReadPL(dir.path("list.m3u")));
    const std::string folder = dir.path(""); // the playlist's folder, ending in "/"
    const std::string one = folder + "/one.mp3", missing = folder + "/missing.mp3", two = dir.path("two.mp3");
    ASSERT_EQ(list1().ListCount(), 3);
    EXPECT_EQ(list1().List(0), one);
    EXPECT_EQ(list1().List(1), missing);
    EXPECT_EQ(list1().List(2), two);

    NextSong = 0;
    player().Timer10.setEnabled(true);
    std::vector<int32_t> played;
    int32_t count = 0;

    playNext(one, played, count);
    ASSERT_GT(count, 40);
    EXPECT_EQ(played.back(), count - 1); // played to its last frame, and not cut before it
    EXPECT_EQ(NextSong, 1);
    EXPECT_EQ(TitleText, std::string(25, ' ') + "one.mp3" + std::string(15, ' '));
    EXPECT_EQ(player().Label12.Caption(), "44100");
    EXPECT_EQ(player().Label13.Caption(), "128");
    EXPECT_EQ(player().Picture10.Width(), count / 10 + 440);
    EXPECT_EQ(player().Label2.Caption(), std::to_string(count - 1));
    EXPECT_EQ(player().Picture11.Left(), (count - 1) / 10);
    EXPECT_EQ(player().Label10.Caption(), "0");
    EXPECT_EQ(player().Label7.Caption(), "1"); // 1.5 s and the encoder's padding
    EXPECT_EQ(player().Tonewheel1.IsPlaying(), 0);

    playNext(missing, played, count);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(played, std::vector<int32_t>{0});
    EXPECT_EQ(NextSong, 2);

    playNext(two, played, count);
    EXPECT_EQ(played.back(), count - 1);
    EXPECT_EQ(NextSong, 0); // wrapped after the last entry
    EXPECT_EQ(TitleText, std::string(25, ' ') + "A  --  B" + std::string(15, ' '));
    EXPECT_EQ(player().Label13.Caption(), "96");
    EXPECT_EQ(player().Label7.Caption(), "2");

    playNext(one, played, count);
    EXPECT_EQ(played.back(), count - 1);
    EXPECT_EQ(NextSong, 1);
    EXPECT_EQ(list1().ListIndex(), 0);
}

TEST_F(Road, PlaylistSavedAndReadBackThroughTheWindowsList)
{
    fill(list1(), {"/a b/c.mp3", "/d_e.mp3"});
    playlist::WritePL(dir.path("saved.m3u"));
    EXPECT_EQ(audiotest::readBytes(dir.path("saved.m3u")), "/a b/c.mp3\r\n/d_e.mp3\r\n");
    list1().Clear();
    list1().AddItem("/old");
    ASSERT_TRUE(playlist::ReadPL(dir.path("saved.m3u")));
    EXPECT_EQ(list1().ListCount(), 2);
}

} // namespace
