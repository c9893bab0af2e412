#include "playlist/RoadFixture.h"

#include <functional>
#include <string>
#include <vector>

namespace
{

class Transport : public RoadTest
{
  protected:
    // The transport images of both windows and the volume buttons' enabled flag, in the
    // order imgplay, imgpause, imgPauseP, imgstop, PlayS, PauseS, PauseS2, StopS, volume.
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
    void setState(bool on)
    {
        Player& p = player();
        Shade& s = shade();
        for (forms::Control* c :
             std::initializer_list<forms::Control*>{&p.imgplay, &p.imgpause, &p.imgPauseP, &p.imgstop,
                                                    &s.PlayS, &s.PauseS, &s.PauseS2, &s.StopS})
            c->setVisible(on);
        p.imgVolumeDown.setEnabled(on);
        p.imgVolumeUp.setEnabled(on);
    }
    void fillList1(int n)
    {
        list1().Clear();
        for (int i = 0; i < n; ++i)
            list1().AddItem("/s" + std::to_string(i));
    }
};

TEST_F(Transport, EveryCommandSetsTheImagesOfBothWindowsAsItsRowSays)
{
    // S shown, H hidden, - not touched (the images keep what they had before the command).
    struct Row {
        const char* command;
        std::function<void()> main, compact;
        const char* images;
    } rows[] = {
        {"play", [this] { player().imgplay_Click(); }, [this] { shade().PlayS_MouseUp(1, 0, 0, 0); },
         "HS-SHS-SS"},
        {"timer start", [this] { player().Timer10_Timer(); }, [this] { player().Timer10_Timer(); },
         "HSHSHS-SS"},
        {"pause", [this] { player().imgpause_Click(); }, [this] { shade().PauseS_Click(); }, "-HS--HS--"},
        {"resume", [this] { player().imgPauseP_Click(); }, [this] { shade().PauseS2_Click(); }, "-SH--SH--"},
        {"stop", [this] { player().imgstop_Click(); }, [this] { shade().StopS_MouseUp(2, 0, 0, 0); },
         "SSHHSS-HH"},
        {"next",
         [this] {
             player().imgSeek1_MouseDown(1, 0, 0, 0);
             player().imgSeek1_MouseUp(1, 0, 0, 0);
         },
         [this] {
             shade().NextS_MouseDown(1, 0, 0, 0);
             shade().NextS_MouseUp(1, 0, 0, 0);
         },
         "---------"},
        {"previous",
         [this] {
             player().imgseek2_MouseDown(1, 0, 0, 0);
             player().imgseek2_MouseUp(1, 0, 0, 0);
         },
         [this] {
             shade().PreviousS_MouseDown(1, 0, 0, 0);
             shade().PreviousS_MouseUp(1, 0, 0, 0);
         },
         "---------"},
    };
    fillList1(3);
    SongFile = "/s0";
    for (const Row& row : rows) {
        for (bool compact : {false, true}) {
            for (bool before : {false, true}) {
                SCOPED_TRACE(std::string(row.command) + (compact ? ", compact" : ", main") +
                             (before ? ", all shown" : ", all hidden"));
                setState(before);
                (compact ? row.compact : row.main)();
                std::string expected = row.images;
                for (char& c : expected)
                    if (c == '-') c = before ? 'S' : 'H';
                EXPECT_EQ(state(), expected);
                EXPECT_TRUE(player().imgSeek1.Visible() && player().imgseek2.Visible());
                EXPECT_TRUE(shade().NextS.Visible() && shade().PreviousS.Visible());
            }
        }
    }
}

TEST_F(Transport, ImagesRouteTheClicksOfBothWindows)
{
    player().Show();
    shade().Show();
    SongFile = "/no/such/song.mp3";
    forms::testing::click(player().imgplay);
    // The pause place: the upper image while both are shown, else the one that is shown.
    forms::testing::click(player().imgpause);
    EXPECT_EQ(state(), "HHSSHHSSS");
    forms::testing::click(player().imgpause); // the same place now holds the paused look
    EXPECT_EQ(state(), "HSHSHSHSS");
    shade().PauseS2.setVisible(true); // as in the layout: the normal look lies above and pauses
    forms::testing::click(shade().PauseS);
    EXPECT_EQ(state(), "HHSSHHSSS");
    forms::testing::click(shade().PauseS);
    EXPECT_EQ(state(), "HSHSHSHSS");

    forms::testing::press(shade().StopS, 1);
    forms::testing::release(shade().StopS, 1);
    EXPECT_EQ(state(), "SSHHSSHHH");
    // Stopped: the volume buttons take no press, and neither look nor volume changes.
    const std::string volume = player().Text2.Text();
    forms::testing::press(player().imgVolumeUp, 1);
    EXPECT_TRUE(player().imgVolumeUp.Visible());
    clock.advance(500);
    forms::testing::release(player().imgVolumeUp, 1);
    EXPECT_EQ(player().Text2.Text(), volume);
    // The seek buttons show their pressed look while held.
    forms::testing::press(player().imgseek2, 1);
    EXPECT_FALSE(player().imgseek2.Visible());
    forms::testing::release(player().imgseek2, 1);
    EXPECT_TRUE(player().imgseek2.Visible());
    EXPECT_TRUE(player().Timer10.Enabled());
}

TEST_F(Transport, PreviousStepsBackOneEntryWrappingRoundTheList)
{
    struct Case {
        int entries, index;
        std::vector<int> after; // the index after each press
    } cases[] = {
        {5, 3, {1}},                 // entry 2 plays: entry 1 starts
        {5, 1, {4, 2}},              // the first plays: the last, then two more back per press
        {5, 0, {3}},                 // the last plays: the one before it, not the last again
        {2, 0, {0}},    {1, 0, {0}}, // one entry: it starts over
        {0, 0, {-1}},                // empty: no entry; the timer starts nothing
        {3, 7, {2}},                 // an index left stale by deletions still lands in the list
    };
    for (bool shuffle : {false, true}) {
        player().shuffle1.setVisible(!shuffle);
        player().Shuffle2.setVisible(shuffle);
        forms::ListBox& list = shuffle ? list7() : list1();
        int& index = shuffle ? NextShuffle : NextSong;
        int& other = shuffle ? NextSong : NextShuffle;
        for (const Case& c : cases) {
            SCOPED_TRACE(std::to_string(c.entries) + " entries, index " + std::to_string(c.index) +
                         (shuffle ? ", shuffle" : ""));
            list.Clear();
            for (int i = 0; i < c.entries; ++i)
                list.AddItem("/s" + std::to_string(i));
            index = c.index;
            other = 99;
            for (int expected : c.after) {
                forms::testing::press(player().imgseek2, 1);
                forms::testing::release(player().imgseek2, 1);
                EXPECT_EQ(index, expected);
            }
            EXPECT_EQ(other, 99);
            SongFile = "none";
            clock.advance(1000);
            EXPECT_EQ(SongFile, c.entries ? "/s" + std::to_string(c.after.back()) : "none");
        }
        list.Clear();
    }
}

TEST_F(Transport, NextStartsTheIndexedEntryOnceASecondLater)
{
    fillList1(3);
    NextSong = 2;
    for (int press = 0; press < 2; ++press) {
        shade().NextS_MouseDown(1, 0, 0, 0);
        EXPECT_FALSE(shade().NextS.Visible());
        shade().NextS_MouseUp(1, 0, 0, 0);
        clock.advance(400);
    }
    EXPECT_EQ(NextSong, 2);
    clock.advance(200);
    EXPECT_EQ(SongFile, "/s2");
    EXPECT_EQ(NextSong, 0);
    clock.advance(5000);
    EXPECT_EQ(SongFile, "/s2"); // one song for both presses
}

TEST_F(Transport, StopCancelsASongStartStillPending)
{
    fillList1(3);
    SongFile = "/s0";
    player().imgplay_Click();
    player().imgSeek1_MouseUp(1, 0, 0, 0);
    clock.advance(500);
    player().imgstop_Click();
    clock.advance(5000);
    EXPECT_EQ(SongFile, "/s0");
    EXPECT_EQ(state(), "SSHHSSSHH"); // as the stop left them
}

} // namespace
