#include "playlist/RoadFixture.h"

namespace
{

using Dir = Player::VolumeDirection;

class Volume : public RoadTest
{
  protected:
    // The volume figures as a song start leaves them with no volume remembered: 50.
    void started()
    {
        SongFile = "/no/such/song.mp3";
        player().imgplay_Click();
    }
    void expectVolume(int v, int level)
    {
        EXPECT_EQ(player().Tonewheel1.VolumeA(), v);
        EXPECT_EQ(player().Tonewheel1.VolumeB(), v);
        EXPECT_EQ(player().Text3.Text(), std::to_string(v));
        EXPECT_EQ(player().Text2.Text(), std::to_string(v));
        EXPECT_EQ(player().Label14.Caption(), std::to_string(v / 5));
        EXPECT_EQ(VolumeLevel, level);
    }
};

TEST_F(Volume, HeldButtonStepsEveryTickUntilItsLimit)
{
    struct Hold {
        forms::Image Player::*button;
        int step;
    } holds[] = {{&Player::imgVolumeDown, -5}, {&Player::imgVolumeUp, 5}};
    for (const Hold& h : holds) {
        started();
        VolumeLevel = 0;
        player().Tonewheel1.SetVolume(50, 50);
        forms::Image& button = player().*h.button;
        forms::testing::press(button, 1);
        EXPECT_FALSE(button.Visible()); // the pressed look under it shows
        clock.advance(99);
        expectVolume(50, 0); // a press shorter than one interval changes nothing
        int v = 50;
        for (int tick = 0; tick < 10; ++tick) {
            clock.advance(100 - (tick == 0 ? 99 : 0));
            v += h.step;
            expectVolume(v, v);
        }
        clock.advance(300); // at the limit: set again, remembered volume unchanged
        expectVolume(v, v);
        forms::testing::release(button, 1);
        EXPECT_TRUE(button.Visible());
        clock.advance(1000);
        expectVolume(v, v);
    }
}

TEST_F(Volume, ThresholdIsStrictAndTheLimitKeepsTheRememberedVolume)
{
    struct Case {
        int from;
        Dir dir;
        int step, threshold;
        int to;
        bool remembered; // VolumeLevel follows; else it keeps its value
    } cases[] = {
        {5, Dir::Down, 5, 5, 0, true},    {0, Dir::Down, 5, 5, 0, false},
        {95, Dir::Up, 5, 95, 100, true},  {100, Dir::Up, 5, 95, 100, false},
        {30, Dir::Down, 25, 25, 5, true}, {5, Dir::Down, 25, 25, 0, false},
        {70, Dir::Up, 25, 75, 95, true},  {80, Dir::Up, 25, 75, 100, false},
        {25, Dir::Down, 25, 25, 0, true}, {75, Dir::Up, 25, 75, 100, true},
    };
    started();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.from);
        player().Tonewheel1.SetVolume(static_cast<int16_t>(c.from), static_cast<int16_t>(c.from));
        player().Text2.setText(std::to_string(c.from));
        VolumeLevel = 42;
        player().StepVolume(c.dir, c.step, c.threshold);
        expectVolume(c.to, c.remembered ? c.to : 42);
    }
}

TEST_F(Volume, StepFollowsTheComponentNotTheFigure)
{
    started();
    player().Tonewheel1.SetVolume(20, 30);
    player().Text2.setText("50");
    player().StepVolume(Dir::Up, 5, 95);
    EXPECT_EQ(player().Tonewheel1.VolumeA(), 25);
    EXPECT_EQ(player().Tonewheel1.VolumeB(), 35);
    EXPECT_EQ(player().Text3.Text(), "25");
    EXPECT_EQ(player().Text2.Text(), "35");
    EXPECT_EQ(player().Label14.Caption(), "7");
    EXPECT_EQ(VolumeLevel, 35);
}

TEST_F(Volume, NothingBeforeTheFirstSongStart)
{
    player().Tonewheel1.SetVolume(60, 60);
    for (Dir d : {Dir::Down, Dir::Up})
        player().StepVolume(d, 25, 25);
    EXPECT_EQ(player().Tonewheel1.VolumeA(), 60);
    EXPECT_EQ(player().Text2.Text(), "Text2");
    EXPECT_EQ(player().Label14.Caption(), "10");
    EXPECT_EQ(VolumeLevel, 0);
}

} // namespace
