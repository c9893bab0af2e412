#include "DigitFixture.h"

#include <QDir>
#include <QTemporaryDir>

#include <cstdlib>

namespace
{

using forms::testing::click;
using forms::testing::press;
using forms::testing::release;

class CompactWindow : public DigitTest
{
  protected:
    CompactWindow()
    {
        Player& p = player();
        p.setLeft(3000);
        p.setTop(2010);
        p.Show();
    }
    void back(int button = 1)
    {
        Shade& s = shade();
        press(s.shadeshade, button);
        EXPECT_FALSE(s.shadeshade.Visible()) << "the press shows the skin's blue box";
        release(s.shadeshade, button);
    }
};

TEST_F(CompactWindow, SwitchHidesTheMainWindowAndPlacesTheStripAtIt)
{
    Player& p = player();
    p.Label3.setCaption("5");
    shade().setLeft(100); // where a drag left an earlier strip
    click(p.ShadeMode);
    EXPECT_FALSE(p.Visible());
    ASSERT_TRUE(shade().Visible());
    EXPECT_EQ(shade().Left(), 3000);
    EXPECT_EQ(shade().Top(), 2010);
    EXPECT_EQ(digitIn(shade().Time1), 0);
    EXPECT_EQ(digitIn(shade().time2), 5);
}

TEST_F(CompactWindow, SwitchBeforeAnySongDrawsNothingAndCompletes)
{
    Player& p = player();
    ASSERT_EQ(p.Label3.Caption(), "Label3");
    click(p.ShadeMode);
    EXPECT_FALSE(p.Visible());
    EXPECT_TRUE(shade().Visible());
    EXPECT_EQ(shade().Left(), 3000);
    EXPECT_EQ(digitIn(shade().Time1), -1);
    EXPECT_EQ(digitIn(p.Time1), -1);
}

TEST_F(CompactWindow, SwitchRedrawsMinutesOnlyWithinTheirTable)
{
    // The redraw runs on the caption as it stands, even when it did not change since.
    Player& p = player();
    p.Label3.setCaption("7");
    shade().Time1.setPicture({});
    shade().time2.setPicture({});
    click(p.ShadeMode);
    EXPECT_EQ(digitIn(shade().time2), 7);
    back();
    p.Label3.setCaption("24");
    click(p.ShadeMode);
    EXPECT_EQ(digitIn(shade().Time1), 0) << "kept, not redrawn";
    EXPECT_EQ(digitIn(shade().time2), 7);
}

TEST_F(CompactWindow, BackShowsTheMainWindowAndLeavesANewStripHidden)
{
    Player& p = player();
    click(p.ShadeMode);
    const Shade* before = &shade();
    shade().setCaption("  a title  ");
    back(2); // any button
    forms::collectUnloaded();
    EXPECT_TRUE(p.Visible());
    EXPECT_EQ(p.Left(), 3000);
    EXPECT_EQ(p.Top(), 2010);
    ASSERT_TRUE(forms::isLoaded<Shade>());
    EXPECT_NE(&shade(), before);
    EXPECT_FALSE(shade().Visible());
    EXPECT_TRUE(shade().shadeshade.Visible());
    EXPECT_EQ(shade().Caption(), "Form1");

    click(p.ShadeMode);
    EXPECT_FALSE(p.Visible());
    EXPECT_TRUE(shade().Visible());
}

TEST_F(CompactWindow, TheTitleAndTheTimersGoOnAcrossTheSwitchAndBack)
{
    Player& p = player();
    ScrollText = "abcd";
    p.Timer5.setEnabled(true);
    click(p.ShadeMode);
    clock.advance(100);
    EXPECT_EQ(shade().Caption(), "bcda");
    back();
    EXPECT_EQ(shade().Caption(), "Form1");
    clock.advance(100);
    EXPECT_EQ(shade().Caption(), "cdab") << "the hidden new strip still takes the title";
    EXPECT_EQ(p.Caption(), "cdab");
    EXPECT_TRUE(p.Timer5.Enabled());
    EXPECT_EQ(p.WindowState(), 0) << "hidden, never minimised";
}

TEST_F(CompactWindow, ANewStripKeepsThePlaybackStateAndTheTime)
{
    // Paused at 01:23: in its layout state the new strip would offer a pause that resumes.
    Player& p = player();
    p.Label3.setCaption("1");
    p.Label4.setCaption("23");
    Shade& s = shade();
    s.PlayS.setVisible(false);
    s.PauseS.setVisible(false);
    s.PauseS2.setVisible(true);
    s.StopS.setVisible(true);
    click(p.ShadeMode);
    back();
    Shade& fresh = shade();
    EXPECT_FALSE(fresh.PlayS.Visible());
    EXPECT_FALSE(fresh.PauseS.Visible());
    EXPECT_TRUE(fresh.PauseS2.Visible());
    EXPECT_TRUE(fresh.StopS.Visible());
    for (forms::PictureBox* box : {&fresh.Time1, &fresh.time2, &fresh.time3, &fresh.time4})
        EXPECT_NE(digitIn(*box), -1);
    EXPECT_EQ(digitIn(fresh.time4), 3);
}

TEST_F(CompactWindow, CloseEndsAtOnceWithoutWritingSettings)
{
    QTemporaryDir config;
    const char* old = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = old ? old : "";
    setenv("XDG_CONFIG_HOME", config.path().toUtf8().constData(), 1);

    click(player().ShadeMode);
    Shade& s = shade();
    press(s.shadeClose, 2); // any button
    EXPECT_FALSE(s.shadeClose.Visible());
    EXPECT_EQ(ui.script().endRequests, 0);
    release(s.shadeClose, 2);
    EXPECT_EQ(ui.script().endRequests, 1);
    EXPECT_TRUE(s.shadeClose.Visible());
    EXPECT_TRUE(s.Visible()) << "no window is unloaded first";
    EXPECT_TRUE(QDir(config.path()).isEmpty()) << "no settings store was written";

    if (old)
        setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");
}

} // namespace
