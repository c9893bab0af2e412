// The seek thumb on a real song: the component holds the song at its first frame while the
// thumb is pressed, dragged and released, and the frames that follow show where it went on.

#include "playlist/RoadFixture.h"

#include "audio/AudioFixtures.h"
#include "platform/audio/AudioTesting.h"

#include <atomic>
#include <utility>
#include <vector>

namespace
{

class Seek : public RoadTest
{
  protected:
    void SetUp() override
    {
        const std::string song = dir.path("song.mp3");
        audiotest::writeMp3(song, audiotest::plainMp3(44100, 2, 30));
        start(song);
    }
    void start(const std::string& song)
    {
        Player& p = player();
        p.Show();
        holdPlayback(); // at its first frame, and at the first frame of each resume
        auto handler = p.Tonewheel1.onActFrame;
        p.Tonewheel1.onActFrame = [this, handler](int32_t f) {
            frames.push_back(f);
            handler(f);
        };
        SongFile = song;
        p.imgplay_Click();
        ASSERT_TRUE(pumpUntil([&] { return !frames.empty(); }));
        ASSERT_EQ(frames, std::vector<int32_t>{0});
        ASSERT_GT(p.Tonewheel1.FrameCount(), 1000); // 30 s of 26 ms frames
        frames.clear();
        // As a frame of 834 would place it; the job itself still waits at frame 0.
        p.Tonewheel1_ActFrame(834);
    }
    // Drags the thumb from where it stands by dx twips and lets it go where the move ended.
    void drag(float dx)
    {
        const int from = thumb().Left();
        forms::testing::press(thumb(), 1, 30, 30);
        forms::testing::move(thumb(), 1, 30 + dx, 30);
        forms::testing::release(thumb(), 1, 30 + dx - float(thumb().Left() - from), 30);
    }
    void TearDown() override { player().Tonewheel1.StopSong(); }
    // Lets the job go on and returns the first frame it plays, after which it waits again.
    int32_t resumedAt()
    {
        frames.clear();
        holdNext = true;
        player().Tonewheel1.PauseSong();
        EXPECT_TRUE(pumpUntil([&] { return !frames.empty(); }));
        return frames.empty() ? -1 : frames.front();
    }
    forms::PictureBox& thumb() { return player().Picture11; }

    audiotest::TempDir dir;
    std::vector<int32_t> frames;
};

TEST_F(Seek, DraggedThumbFollowsThePointerWithinTheTrackAndSeeksOnRelease)
{
    ASSERT_EQ(thumb().Left(), 83);
    const int end = player().Tonewheel1.FrameCount() / 10;
    forms::testing::press(thumb(), 1, 30, 30);
    for (auto [to, left] : {std::pair{-3000.0f, 0}, {90000, end}, {30 - 15 * 3, end - 45}}) {
        forms::testing::move(thumb(), 1, to, 30);
        EXPECT_EQ(thumb().Left(), left) << to;
    }
    player().Tonewheel1_ActFrame(500); // frames leave a dragged thumb under the pointer
    EXPECT_EQ(thumb().Left(), end - 45);
    // A second button changes nothing; the first release seeks and ends the drag.
    forms::testing::press(thumb(), 2, 30, 30);
    forms::testing::release(thumb(), 2, 30, 30);
    EXPECT_FALSE(player().SeekDrag);
    forms::testing::move(thumb(), 1, 200, 30);
    forms::testing::release(thumb(), 1, 30, 30);
    EXPECT_EQ(thumb().Left(), end - 45);
    EXPECT_EQ(resumedAt(), (end - 45) * 10);
    EXPECT_EQ(thumb().Left(), end - 45); // and that frame places it where it was let go
}

TEST_F(Seek, AReleaseEndsTheDragWhereItIsLetGo)
{
    // In place: a plain click, no seek.
    forms::testing::press(thumb(), 1, 30, 30);
    forms::testing::release(thumb(), 1, 30, 30);
    EXPECT_FALSE(player().SeekDrag);
    EXPECT_EQ(resumedAt(), 1);
    // Elsewhere, with the moves between lost by a busy window system: seeks there.
    player().Tonewheel1_ActFrame(834);
    forms::testing::press(thumb(), 1, 30, 30);
    forms::testing::release(thumb(), 1, 30 + 15, 30);
    EXPECT_FALSE(player().SeekDrag);
    EXPECT_EQ(thumb().Left(), 83 + 15);
    EXPECT_EQ(resumedAt(), (83 + 15) * 10);
}

TEST_F(Seek, ADragBackToWhereItBeganSeeksThere)
{
    player().Tonewheel1_ActFrame(600); // playback went on under the pressed thumb
    forms::testing::press(thumb(), 1, 30, 30);
    forms::testing::move(thumb(), 1, 60, 30);
    forms::testing::move(thumb(), 1, 0, 30); // X counts from where the thumb stands now
    player().Tonewheel1_ActFrame(700);
    forms::testing::press(thumb(), 2, 30, 30);
    forms::testing::release(thumb(), 2, 30, 30); // a second button's release ends the drag
    EXPECT_EQ(thumb().Left(), 60);
    EXPECT_EQ(resumedAt(), 600);
}

// 101 minutes of 72 ms frames: far longer than the track has room for at ten frames a twip.
class LongSeek : public Seek
{
  protected:
    void SetUp() override
    {
        const std::string song = dir.path("long.mp3");
        audiotest::writeRepeatedFrames(song, audiotest::FramesOf101Minutes);
        start(song);
    }
};

TEST_F(LongSeek, TrackAndThumbStayInsideTheWindowAndReachTheWholeSong)
{
    Player& p = player();
    const int32_t count = p.Tonewheel1.FrameCount();
    ASSERT_EQ(count, audiotest::FramesOf101Minutes);
    EXPECT_LE(p.Picture10.Left() + p.Picture10.Width(), p.Width() - 7 * 15) << "inside the window's frame";
    p.Tonewheel1_ActFrame(count - 2);
    EXPECT_EQ(p.Picture10.Width() - thumb().Left(), 440) << "the last frames at the track's end";
    EXPECT_EQ(p.Label10.Caption() + ":" + p.Label7.Caption(), "99:59");
    EXPECT_EQ(p.Label3.Caption() + ":" + p.Label4.Caption(), "99:59");

    const int travel = p.Picture10.Width() - 440;
    p.Tonewheel1_ActFrame(count / 2);
    EXPECT_NEAR(thumb().Left(), travel / 2, 1);
    drag(150);
    EXPECT_NEAR(resumedAt(), count / 2 + 150 * count / travel, 40);
    drag(90000);
    EXPECT_EQ(thumb().Left(), travel);
    EXPECT_GE(resumedAt(), count - 20);
}

} // namespace
