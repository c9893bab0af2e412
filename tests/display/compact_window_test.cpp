#include "DigitFixture.h"
#include "support/ConfigHome.h"

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
        player().setLeft(3000);
        player().setTop(2010);
        player().Show();
    }
    void back(int button = 1)
    {
        Shade& s = shade();
        press(s.shadeshade, button);
        EXPECT_FALSE(s.shadeshade.Visible()) << "the press shows the skin's blue box";
        release(s.shadeshade, button);
    }
};

TEST_F(CompactWindow, SwitchHidesTheMainWindowPlacesTheStripAndRedrawsTheMinutes)
{
    struct Case {
        const char* minutes; // as Label3 holds it at the switch
        Digits main, strip;
    } cases[] = {{"Label3", {-1, -1, -1, -1}, {-1, -1, -1, -1}},
                 {"5", {0, 5, -1, -1}, {0, 5, -1, -1}},
                 {"100", {0, 5, -1, -1}, {-1, -1, -1, -1}}};
    Player& p = player();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.minutes);
        p.Label3.setCaption(c.minutes);
        shade().Time1.setPicture({}); // the redraw runs on the caption as it stands
        shade().time2.setPicture({});
        shade().setLeft(150); // where a drag left the strip
        click(p.ShadeMode);
        EXPECT_FALSE(p.Visible());
        EXPECT_TRUE(shade().Visible());
        EXPECT_EQ(shade().Left(), 3000);
        EXPECT_EQ(shade().Top(), 2010);
        EXPECT_EQ(elapsed(), c.main);
        EXPECT_EQ(strip(), c.strip);
        back();
    }
}

TEST_F(CompactWindow, BackShowsTheMainWindowAndANewHiddenStripWithThePlaybackState)
{
    // Paused at 01:23: in its layout state a new strip would offer a pause that resumes.
    Player& p = player();
    p.Label3.setCaption("1");
    p.Label4.setCaption("23");
    Shade& old = shade();
    old.PlayS.setVisible(false);
    old.PauseS.setVisible(false);
    click(p.ShadeMode);
    old.setCaption("a title");
    back(2); // any button
    forms::collectUnloaded();

    EXPECT_TRUE(p.Visible());
    EXPECT_EQ(p.Left(), 3000);
    Shade& fresh = shade();
    EXPECT_NE(&fresh, &old);
    EXPECT_FALSE(fresh.Visible());
    EXPECT_TRUE(fresh.shadeshade.Visible());
    EXPECT_EQ(fresh.Caption(), "Form1");
    EXPECT_FALSE(fresh.PlayS.Visible());
    EXPECT_FALSE(fresh.PauseS.Visible());
    EXPECT_TRUE(fresh.PauseS2.Visible() && fresh.StopS.Visible());
    EXPECT_EQ(strip(), (Digits{0, 1, 2, 3}));
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
    clock.advance(100);
    EXPECT_EQ(shade().Caption(), "cdab") << "the hidden new strip still takes the title";
    EXPECT_EQ(p.WindowState(), 0) << "hidden, never minimised";
}

TEST_F(CompactWindow, CloseEndsAtOnceWithoutWritingSettings)
{
    QTemporaryDir config;
    const testsupport::ConfigHome home(config.path().toStdString());
    click(player().ShadeMode);
    Shade& s = shade();
    press(s.shadeClose, 2); // any button
    EXPECT_FALSE(s.shadeClose.Visible());
    release(s.shadeClose, 2);
    EXPECT_EQ(ui.script().endRequests, 1);
    EXPECT_TRUE(s.shadeClose.Visible());
    EXPECT_TRUE(s.Visible()) << "no window is unloaded first";
    EXPECT_TRUE(QDir(config.path()).isEmpty()) << "no settings store was written";
}

} // namespace
