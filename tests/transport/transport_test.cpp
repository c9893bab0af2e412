#include "playlist/RoadFixture.h"

#include <functional>
#include <string>

namespace
{

class Transport : public RoadTest
{
  protected:
    // S shown / H hidden: imgplay, imgpause, imgPauseP, imgstop, PlayS, PauseS, PauseS2, StopS,
    // then the volume buttons' enabled flag.
    std::string state()
    {
        Player& p = player();
        Shade& s = shade();
        std::string out;
        for (bool b : {p.imgplay.Visible(), p.imgpause.Visible(), p.imgPauseP.Visible(), p.imgstop.Visible(),
                       s.PlayS.Visible(), s.PauseS.Visible(), s.PauseS2.Visible(), s.StopS.Visible(),
                       p.imgVolumeDown.Enabled() && p.imgVolumeUp.Enabled()})
            out += b ? 'S' : 'H';
        return out;
    }
    void setAll(bool on)
    {
        Player& p = player();
        Shade& s = shade();
        for (forms::Image* c :
             {&p.imgplay, &p.imgpause, &p.imgPauseP, &p.imgstop, &s.PlayS, &s.PauseS, &s.PauseS2, &s.StopS})
            c->setVisible(on);
        p.imgVolumeDown.setEnabled(on);
        p.imgVolumeUp.setEnabled(on);
    }
};

TEST_F(Transport, EachCommandSetsTheImagesOfBothWindowsAsItsRowSays)
{
    Player& p = player();
    Shade& s = shade();
    struct Row {
        const char* command;
        std::function<void()> main, compact;
        const char* images; // '-': not touched
    } rows[] = {
        {"play", [&] { p.imgplay_Click(); }, [&] { s.PlayS_MouseUp(2, 0, 0, 0); }, "HS-SHS-SS"},
        {"timer start", [&] { p.Timer10_Timer(); }, [&] { p.Timer10_Timer(); }, "HSHSHS-SS"},
        {"pause", [&] { p.imgpause_Click(); }, [&] { s.PauseS_Click(); }, "-HS--HS--"},
        {"resume", [&] { p.imgPauseP_Click(); }, [&] { s.PauseS2_Click(); }, "-SH--SH--"},
        {"stop", [&] { p.imgstop_Click(); }, [&] { s.StopS_MouseUp(2, 0, 0, 0); }, "SSHHSS-HH"},
    };
    list1().AddItem("/s0");
    SongFile = "/s0";
    for (const Row& row : rows)
        for (bool compact : {false, true})
            for (bool before : {false, true}) {
                SCOPED_TRACE(std::string(row.command) + (compact ? ", strip" : ", main") +
                             (before ? ", shown" : ""));
                setAll(before);
                (compact ? row.compact : row.main)();
                std::string expected = row.images;
                for (char& c : expected)
                    if (c == '-') c = before ? 'S' : 'H';
                EXPECT_EQ(state(), expected);
                EXPECT_TRUE(p.imgSeek1.Visible() && p.imgseek2.Visible() && s.NextS.Visible() &&
                            s.PreviousS.Visible());
            }
}

TEST_F(Transport, ClicksAtThePausePlaceFollowTheStacking)
{
    player().Show();
    shade().Show();
    SongFile = "/no/such/song.mp3";
    forms::testing::click(player().imgplay);
    for (forms::Image* place : {&player().imgpause, &shade().PauseS}) {
        forms::testing::click(*place); // the normal look lies above and pauses
        EXPECT_EQ(state(), "HHSSHHSSS");
        forms::testing::click(*place); // now the paused look lies there and resumes
        EXPECT_EQ(state(), "HSHSHSHSS");
        shade().PauseS2.setVisible(true); // both shown, as in the strip's layout
    }
    forms::testing::click(player().imgstop);
    forms::testing::press(player().imgVolumeUp, 1); // disabled: no press look, no step
    EXPECT_TRUE(player().imgVolumeUp.Visible());
    forms::testing::release(player().imgVolumeUp, 1);
}

TEST_F(Transport, PreviousStepsBackOneEntryRoundTheListShownNow)
{
    struct Case {
        int entries, index, after, afterSecond;
    } cases[] = {
        {5, 3, 1, 4},   // entry 2 playing: entry 1 starts; a second press goes two further back
        {5, 1, 4, 2},   // the first playing: the last
        {5, 0, 3, 1},   // the last playing: the one before it (not the last again)
        {1, 0, 0, 0},   // the only entry starts over
        {0, 0, -1, -1}, // no entry; the timer starts nothing
        {3, 7, 2, 0},   // an index left stale by deletions still lands in the list
    };
    for (bool shuffle : {false, true}) {
        player().shuffle1.setVisible(!shuffle);
        player().Shuffle2.setVisible(shuffle);
        forms::ListBox& list = shuffle ? list7() : list1();
        int& index = shuffle ? NextShuffle : NextSong;
        int& other = shuffle ? NextSong : NextShuffle;
        for (const Case& c : cases) {
            SCOPED_TRACE(std::to_string(c.entries) + " entries, index " + std::to_string(c.index));
            list.Clear();
            for (int i = 0; i < c.entries; ++i)
                list.AddItem("/s" + std::to_string(i));
            index = c.index;
            other = 99;
            const std::string images = state(); // next and previous leave them to the song start
            forms::testing::click(player().imgseek2);
            EXPECT_EQ(index, c.after);
            shade().PreviousS_MouseDown(1, 0, 0, 0);
            EXPECT_FALSE(shade().PreviousS.Visible());
            shade().PreviousS_MouseUp(1, 0, 0, 0);
            EXPECT_EQ(index, c.afterSecond);
            EXPECT_EQ(state(), images);
            EXPECT_EQ(other, 99);
            SongFile = "none";
            clock.advance(1000);
            EXPECT_EQ(SongFile, c.entries ? "/s" + std::to_string(c.afterSecond) : "none");
        }
        list.Clear();
    }
}

TEST_F(Transport, StopDropsASongStartStillPending)
{
    list1().AddItem("/s0");
    list1().AddItem("/s1");
    SongFile = "/s0";
    player().imgplay_Click();
    forms::testing::click(player().imgSeek1);
    EXPECT_EQ(state(), "HSHSHSSSS");
    clock.advance(500);
    player().imgstop_Click();
    clock.advance(5000);
    EXPECT_EQ(SongFile, "/s0");
    EXPECT_EQ(state(), "SSHHSSSHH");
}

} // namespace
