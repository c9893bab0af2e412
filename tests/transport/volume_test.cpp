#include "playlist/RoadFixture.h"

namespace
{

using Dir = Player::VolumeDirection;

class Volume : public RoadTest
{
  protected:
    void expectVolume(int v, std::optional<int> level)
    {
        Player& p = player();
        EXPECT_EQ(p.Tonewheel1.VolumeA(), v);
        EXPECT_EQ(p.Tonewheel1.VolumeB(), v);
        EXPECT_EQ(p.Text3.Text(), std::to_string(v));
        EXPECT_EQ(p.Text2.Text(), std::to_string(v));
        EXPECT_EQ(p.Label14.Caption(), std::to_string(v / 5));
        EXPECT_EQ(VolumeLevel, level);
    }
};

TEST_F(Volume, HeldButtonStepsEveryTickToItsLimit)
{
    for (forms::Image Player::*button : {&Player::imgVolumeDown, &Player::imgVolumeUp}) {
        const int step = button == &Player::imgVolumeUp ? 5 : -5;
        VolumeLevel.reset();
        SongFile = "/no/such/song.mp3";
        player().imgplay_Click(); // no volume remembered: 50
        forms::testing::press(player().*button, 1);
        EXPECT_FALSE((player().*button).Visible());
        clock.advance(99);
        expectVolume(50, std::nullopt); // nothing before the first interval
        for (int v = 50 + step; v >= 0 && v <= 100; v += step) {
            clock.advance(v == 50 + step ? 1 : 100);
            expectVolume(v, v);
        }
        clock.advance(300); // at the limit: set again, the remembered volume kept
        const int limit = step > 0 ? 100 : 0;
        expectVolume(limit, limit);
        forms::testing::release(player().*button, 1);
        EXPECT_TRUE((player().*button).Visible());
        clock.advance(1000);
        expectVolume(limit, limit);
        player().imgplay_Click(); // the next song keeps the volume, silence too
        expectVolume(limit, limit);
    }
}

TEST_F(Volume, ThresholdIsStrictAndTheLimitKeepsTheRememberedVolume)
{
    struct Case {
        int from;
        Dir dir;
        int step, threshold, to;
        bool remembered; // else VolumeLevel keeps its value
    } cases[] = {
        {5, Dir::Down, 5, 5, 0, true},    {0, Dir::Down, 5, 5, 0, false},
        {95, Dir::Up, 5, 95, 100, true},  {100, Dir::Up, 5, 95, 100, false},
        {30, Dir::Down, 25, 25, 5, true}, {5, Dir::Down, 25, 25, 0, false},
        {70, Dir::Up, 25, 75, 95, true},  {80, Dir::Up, 25, 75, 100, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.from);
        player().Tonewheel1.SetVolume(static_cast<int16_t>(c.from), static_cast<int16_t>(c.from));
        player().Text2.setText(std::to_string(c.from));
        VolumeLevel = 42;
        player().StepVolume(c.dir, c.step, c.threshold);
        expectVolume(c.to, c.remembered ? c.to : 42);
    }
    // Before the first song start Text2 holds no number: nothing happens.
    player().Text2.setText("Text2");
    player().StepVolume(Dir::Up, 25, 75);
    EXPECT_EQ(player().Text2.Text(), "Text2");
}

} // namespace
