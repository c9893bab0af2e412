#include "RoadFixture.h"

#include "playlist/PlaylistStore.h"

#include <functional>
#include <string>

namespace
{

std::string blanks(int n)
{
    return std::string(static_cast<size_t>(n), ' ');
}

class SongStart : public RoadTest
{
  protected:
    // A paused look, a dragged thumb and a pending next song, to see which member resets what.
    void paused()
    {
        Player& p = player();
        p.Show();
        shade().Show();
        p.imgplay.setVisible(true);
        p.imgpause.setVisible(false);
        p.imgPauseP.setVisible(true);
        p.imgstop.setVisible(false);
        p.imgVolumeDown.setEnabled(false);
        p.Picture11.Move(123, 0, p.Picture11.Width(), p.Picture11.Height());
        p.Picture11.setVisible(false);
        p.Timer10.setEnabled(true);
        p.Timer5.setEnabled(false);
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
        EXPECT_FALSE(p.imgplay.Visible() || shade().PlayS.Visible());
        EXPECT_TRUE(p.imgpause.Visible() && p.imgstop.Visible() && shade().PauseS.Visible() &&
                    shade().StopS.Visible());
    }
};

TEST_F(SongStart, MembersDifferOnlyAsTheirRowsSay)
{
    struct Member {
        const char* name;
        std::function<void()> run;
        std::string title;
        bool thumbReset, pausePShown, timerStillOn;
    } members[] = {
        {"play image", [this] { forms::testing::click(player().imgplay); },
         blanks(25) + "my song.mp3" + blanks(12), true, true, true},
        {"compact play, right button",
         [this] {
             forms::testing::press(shade().PlayS, 2);
             forms::testing::release(shade().PlayS, 2);
         },
         blanks(25) + "my song.mp3" + blanks(12), true, true, true},
        {"timer, shuffle off", [this] { clock.advance(1000); }, blanks(25) + "my song.mp3" + blanks(15),
         false, false, false},
        {"timer, shuffle on",
         [this] {
             player().Shuffle2.setVisible(true);
             clock.advance(1000);
         },
         blanks(26) + "my song.mp3" + blanks(15), false, false, false},
    };
    fill(list1(), {"/no/such/my song.mp3"});
    fill(list7(), {"/no/such/my song.mp3"});
    for (auto& m : members) {
        SCOPED_TRACE(m.name);
        SongFile = "/no/such/my song.mp3";
        paused();
        m.run();
        expectStarted(m.title);
        EXPECT_EQ(player().Picture11.Left(), m.thumbReset ? 0 : 123);
        EXPECT_EQ(player().Picture11.Top(), m.thumbReset ? 10 : 0);
        EXPECT_EQ(player().Picture11.Visible(), m.thumbReset);
        EXPECT_EQ(player().imgPauseP.Visible(), m.pausePShown);
        EXPECT_EQ(player().Timer10.Enabled(), m.timerStillOn);
    }
}

TEST_F(SongStart, TimerTakesTheNextEntryOfItsList)
{
    fill(list1(), {"/m/a.mp3", "/m/b.mp3", "/m/"});
    fill(list7(), {"/m/b.mp3", "/m/a.mp3"});
    NextSong = 2;
    NextShuffle = 0;
    player().Timer10_Timer();
    EXPECT_EQ(SongFile, "/m/");
    EXPECT_EQ(NextSong, 0); // wrapped after the last entry
    EXPECT_EQ(list1().ListIndex(), 2);
    expectStarted(blanks(40));

    player().Shuffle2.setVisible(true);
    player().Timer10_Timer();
    EXPECT_EQ(SongFile, "/m/b.mp3");
    EXPECT_EQ(NextShuffle, 1);
    EXPECT_EQ(NextSong, 0);
    EXPECT_EQ(list7().ListIndex(), 0);
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
    // Only with no volume remembered does the start set its own; 0 is remembered like any other.
    const struct {
        std::optional<std::int16_t> level;
        const char *text2, *text3, *figure;
        int a, b;
    } cases[] = {
        {35, "35", "70", "16", 80, 70}, {0, "0", "70", "16", 80, 70}, {{}, "50", "50", "10", 50, 50}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text2);
        VolumeLevel = c.level;
        player().Tonewheel1.SetVolume(80, 70);
        player().Text3.setText("70");
        player().Label14.setCaption("16");
        player().imgplay_Click();
        EXPECT_EQ(player().Text2.Text(), c.text2);
        EXPECT_EQ(player().Text3.Text(), c.text3);
        EXPECT_EQ(player().Label14.Caption(), c.figure);
        EXPECT_EQ(player().Tonewheel1.VolumeA(), c.a);
        EXPECT_EQ(player().Tonewheel1.VolumeB(), c.b);
    }
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
    forms::testing::ScriptedUi ui;
    fill(list1(), {"/old"});
    fill(list7(), {"/shuffled"});
    EXPECT_FALSE(playlist::ReadPL("/no/such/list.m3u"));
    EXPECT_EQ(list1().ListCount(), 1);

    playlist::WritePL("/no/such/folder/list.m3u");
    ASSERT_EQ(ui.script().msgBoxes.size(), 1u);
    EXPECT_EQ(ui.script().msgBoxes[0].prompt, "Unable to write Playlist!");
    EXPECT_EQ(ui.script().msgBoxes[0].style, forms::vbOKOnly);
    EXPECT_EQ(ui.script().msgBoxes[0].title, "Sonavel");
    EXPECT_EQ(list1().ListCount(), 1);

    playlist::PLClear();
    EXPECT_EQ(list1().ListCount(), 0);
    EXPECT_EQ(list7().ListCount(), 1);
}

} // namespace
