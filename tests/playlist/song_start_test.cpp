#include "RoadFixture.h"

#include "player/NumberText.h"
#include "playlist/PlaylistStore.h"

#include <string>

namespace
{

std::string blanks(int n)
{
    return std::string(static_cast<size_t>(n), ' ');
}

// What every song start leaves on both windows, whichever member ran it.
struct Shown {
    bool imgplay, imgpause, imgPauseP, imgstop, PlayS, PauseS, StopS;
};

Shown shown(Player& p, Shade& s)
{
    return {p.imgplay.Visible(), p.imgpause.Visible(), p.imgPauseP.Visible(), p.imgstop.Visible(),
            s.PlayS.Visible(),   s.PauseS.Visible(),   s.StopS.Visible()};
}

class SongStart : public RoadTest
{
  protected:
    void SetUp() override
    {
        // A paused look and a dragged thumb, to see which member resets what.
        player().imgplay.setVisible(true);
        player().imgpause.setVisible(false);
        player().imgPauseP.setVisible(true);
        player().imgstop.setVisible(false);
        player().imgVolumeDown.setEnabled(false);
        player().Picture11.setLeft(123);
        player().Picture11.setTop(0);
        player().Picture11.setVisible(false);
        shade().PlayS.setVisible(true);
        shade().PauseS.setVisible(false);
        shade().StopS.setVisible(false);
    }
    void expectStarted(const std::string& title)
    {
        Player& p = player();
        EXPECT_EQ(TitleText, title);
        EXPECT_EQ(ScrollText, title);
        EXPECT_TRUE(p.Timer5.Enabled());
        EXPECT_TRUE(p.imgVolumeDown.Enabled());
        EXPECT_EQ(p.Text14.Text(), "False"); // none of these files exists: no tags
        EXPECT_EQ(p.Label12.Caption(), "0");
        EXPECT_EQ(p.Label13.Caption(), "0");
        EXPECT_EQ(p.Picture10.Width(), 440); // no frames
        EXPECT_EQ(p.Text2.Text(), "50");
        EXPECT_EQ(p.Text3.Text(), "50");
        EXPECT_EQ(p.Label14.Caption(), "10");
        EXPECT_EQ(p.Tonewheel1.VolumeA(), 50);
    }
};

TEST_F(SongStart, PlayImage)
{
    SongFile = "/no/such/my song.mp3";
    player().Timer10.setEnabled(true); // a pending next song is not the play image's business
    player().imgplay_Click();
    expectStarted(blanks(25) + "my song.mp3" + blanks(12));
    const Shown s = shown(player(), shade());
    EXPECT_FALSE(s.imgplay || s.PlayS);
    EXPECT_TRUE(s.imgpause && s.imgPauseP && s.imgstop && s.PauseS && s.StopS);
    EXPECT_EQ(player().Picture11.Left(), 0);
    EXPECT_EQ(player().Picture11.Top(), 10);
    EXPECT_TRUE(player().Picture11.Visible());
    EXPECT_TRUE(player().Timer10.Enabled());
    EXPECT_EQ(SongFile, "/no/such/my song.mp3");
}

TEST_F(SongStart, CompactPlayButtonOnAnyMouseButton)
{
    SongFile = "song.mp3";
    shade().PlayS_MouseUp(2, 0, 0, 0);
    expectStarted(blanks(25) + "song.mp3" + blanks(12));
    const Shown s = shown(player(), shade());
    EXPECT_FALSE(s.imgplay || s.PlayS);
    EXPECT_TRUE(s.imgpause && s.imgPauseP && s.imgstop && s.PauseS && s.StopS);
    EXPECT_EQ(player().Picture11.Left(), 0);
    EXPECT_TRUE(player().Picture11.Visible());
}

TEST_F(SongStart, ButtonsAreWiredToTheirHandlers)
{
    player().Show();
    shade().Show();
    SongFile = "/m/a.mp3";
    forms::testing::click(player().imgplay);
    EXPECT_EQ(TitleText, blanks(25) + "a.mp3" + blanks(12));
    EXPECT_FALSE(player().imgplay.Visible());

    TitleText.clear();
    shade().PlayS.setVisible(true);
    forms::testing::press(shade().PlayS, 2);
    forms::testing::release(shade().PlayS, 2); // the right button too
    EXPECT_EQ(TitleText, blanks(25) + "a.mp3" + blanks(12));
    EXPECT_FALSE(shade().PlayS.Visible());
}

TEST_F(SongStart, TimerTakesTheNextEntryOfThePlainList)
{
    fill(list1(), {"/m/a.mp3", "/m/b.mp3", "/m/"});
    NextSong = 2;
    player().Timer10.setEnabled(true);
    player().Timer10_Timer();
    EXPECT_EQ(SongFile, "/m/");
    EXPECT_EQ(NextSong, 0); // wrapped after the last entry
    EXPECT_EQ(list1().ListIndex(), 2);
    EXPECT_FALSE(player().Timer10.Enabled());
    expectStarted(blanks(40));
    const Shown s = shown(player(), shade());
    EXPECT_FALSE(s.imgplay || s.PlayS || s.imgPauseP);
    EXPECT_TRUE(s.imgpause && s.imgstop && s.PauseS && s.StopS);
    // The thumb waits for the song's first frame.
    EXPECT_EQ(player().Picture11.Left(), 123);
    EXPECT_FALSE(player().Picture11.Visible());
}

TEST_F(SongStart, TimerTakesTheShuffledListWhileShuffleIsOn)
{
    fill(list1(), {"/m/a.mp3", "/m/b.mp3"});
    fill(list7(), {"/m/b.mp3", "/m/a.mp3"});
    player().Shuffle2.setVisible(true);
    NextSong = 1;
    NextShuffle = 0;
    player().Timer10_Timer();
    EXPECT_EQ(SongFile, "/m/b.mp3");
    EXPECT_EQ(NextShuffle, 1);
    EXPECT_EQ(NextSong, 1);
    expectStarted(blanks(26) + "b.mp3" + blanks(15));
}

TEST_F(SongStart, TimerIndexAdvanceAndRepair)
{
    struct Case {
        int entries, index;
        const char* starts;
        int nextAfter;
    } cases[] = {
        {3, 0, "/s0", 1}, {3, 1, "/s1", 2}, {3, 2, "/s2", 0},  {1, 0, "/s0", 0},
        {3, 3, "/s0", 1}, {3, 7, "/s0", 1}, {3, -1, "/s0", 1}, {2, -5, "/s0", 1},
    };
    for (const Case& c : cases) {
        list1().Clear();
        for (int i = 0; i < c.entries; ++i)
            list1().AddItem("/s" + std::to_string(i));
        NextSong = c.index;
        player().Timer10.setEnabled(true);
        player().Timer10_Timer();
        EXPECT_EQ(SongFile, c.starts) << c.entries << " entries, index " << c.index;
        EXPECT_EQ(NextSong, c.nextAfter) << c.entries << " entries, index " << c.index;
        EXPECT_FALSE(player().Timer10.Enabled());
    }
}

TEST_F(SongStart, TimerWithAnEmptyListStartsNothing)
{
    for (bool shuffle : {false, true}) {
        player().Shuffle2.setVisible(shuffle);
        fill(shuffle ? list1() : list7(), {"/other"}); // only the list that the timer reads counts
        SongFile = "kept";
        NextSong = NextShuffle = 0;
        player().Timer10.setEnabled(true);
        player().Timer10_Timer();
        EXPECT_FALSE(player().Timer10.Enabled());
        EXPECT_EQ(SongFile, "kept");
        EXPECT_FALSE(player().Timer5.Enabled());
        EXPECT_EQ(NextSong + NextShuffle, 0);
        EXPECT_TRUE(player().imgplay.Visible());
        list1().Clear();
        list7().Clear();
    }
}

TEST_F(SongStart, EnablingTheTimerTwiceStartsOneSong)
{
    fill(list1(), {"/a", "/b", "/c"});
    player().Timer10.setEnabled(true);
    clock.advance(600);
    player().Timer10.setEnabled(true); // does not restart the countdown either
    clock.advance(399);
    EXPECT_EQ(SongFile, "");
    clock.advance(1);
    EXPECT_EQ(SongFile, "/a");
    clock.advance(10000);
    EXPECT_EQ(NextSong, 1);
}

TEST_F(SongStart, RememberedVolumeIsOnlyShown)
{
    VolumeLevel = 35;
    player().Tonewheel1.SetVolume(80, 70);
    player().Text3.setText("70");
    player().Label14.setCaption("16");
    player().imgplay_Click();
    EXPECT_EQ(player().Text2.Text(), "35");
    EXPECT_EQ(player().Text3.Text(), "70");
    EXPECT_EQ(player().Label14.Caption(), "16");
    EXPECT_EQ(player().Tonewheel1.VolumeA(), 80);
    EXPECT_EQ(player().Tonewheel1.VolumeB(), 70);
}

TEST_F(SongStart, TitleTurnsInBothCaptionsAndText1)
{
    ScrollText = "abc";
    for (const char* expected : {"bca", "cab", "abc"}) {
        player().Timer5_Timer();
        EXPECT_EQ(player().Caption(), expected);
        EXPECT_EQ(shade().Caption(), expected);
        EXPECT_EQ(player().Text1.Text(), expected);
    }
    // On the clock: one turn per 100 ms once a song has started.
    SongFile = "/x/abc";
    player().imgplay_Click();
    clock.advance(100);
    EXPECT_EQ(ScrollText, blanks(24) + "abc" + blanks(12) + " ");
}

TEST_F(SongStart, FrameEventWritesTheCaptionsAndEndsTheSong)
{
    // An idle component has no frames of 0 ms: the first frame is also the last.
    int drawn = 0;
    player().Label4.onChange = [&] { ++drawn; };
    player().Tonewheel1_ActFrame(0);
    EXPECT_EQ(player().Label2.Caption(), "0");
    EXPECT_EQ(player().Label10.Caption(), "0");
    EXPECT_EQ(player().Label7.Caption(), "0");
    EXPECT_EQ(player().Label4.Caption(), "0");
    EXPECT_EQ(player().Label3.Caption(), "0");
    EXPECT_EQ(player().Text7.Text(), "0");
    EXPECT_EQ(player().Text5.Text(), "0");
    EXPECT_EQ(player().Picture11.Left(), 0);
    EXPECT_EQ(drawn, 1); // written once: the layout text "Label4" changed to "0"
    EXPECT_TRUE(player().Timer10.Enabled());

    player().Tonewheel1_ActFrame(0);
    EXPECT_EQ(drawn, 1); // the same text draws nothing
}

TEST_F(SongStart, PlaylistProceduresActOnTheWindowsList)
{
    fill(list1(), {"/old"});
    EXPECT_FALSE(playlist::ReadPL("/no/such/list.m3u"));
    EXPECT_EQ(list1().ListCount(), 1);
    fill(list7(), {"/shuffled"});
    playlist::PLClear();
    EXPECT_EQ(list1().ListCount(), 0);
    EXPECT_EQ(list7().ListCount(), 1);
}

TEST_F(SongStart, FailedWriteIsShownOnceAndKeepsTheList)
{
    forms::testing::ScriptedUi ui;
    fill(list1(), {"/a", "/b"});
    playlist::WritePL("/no/such/folder/list.m3u");
    ASSERT_EQ(ui.script().msgBoxes.size(), 1u);
    EXPECT_EQ(ui.script().msgBoxes[0].prompt, "Unable to write Playlist!");
    EXPECT_EQ(ui.script().msgBoxes[0].style, forms::vbOKOnly);
    EXPECT_EQ(ui.script().msgBoxes[0].title, "Sonavel");
    EXPECT_EQ(list1().ListCount(), 2);
}

} // namespace
