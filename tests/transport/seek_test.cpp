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
        Player& p = player();
        p.Show();
        // Hold the job after its first frame, so nothing moves until the test lets it go.
        platform::Tonewheel* wheel = &p.Tonewheel1;
        platform::audio::setFrameHookForTesting([this, wheel](int32_t frame, const int16_t*, size_t) {
            if (frame == 0 && !held.exchange(true))
                wheel->PauseSong();
            else if (played < 0)
                played = frame;
        });
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
    void TearDown() override
    {
        player().Tonewheel1.StopSong();
        platform::audio::setFrameHookForTesting({});
    }
    // Lets the job go on and returns the first frame it plays (frames reported at the music's
    // pace may reach the window merged into a later one), once the window has had a frame.
    int32_t resumedAt()
    {
        frames.clear();
        player().Tonewheel1.PauseSong();
        EXPECT_TRUE(pumpUntil([&] { return !frames.empty(); }));
        return played;
    }
    forms::PictureBox& thumb() { return player().Picture11; }

    audiotest::TempDir dir;
    std::atomic<bool> held{false};
    std::atomic<int32_t> played{-1};
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

TEST_F(Seek, PressAndReleaseWithoutMovingDoesNotJump)
{
    forms::testing::press(thumb(), 1, 30, 30);
    forms::testing::release(thumb(), 1, 30, 30);
    EXPECT_FALSE(player().SeekDrag);
    EXPECT_EQ(resumedAt(), 1);
}

} // namespace
