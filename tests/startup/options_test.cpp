// The Options menu's entries and the About box.

#include "MainWindowFixture.h"

namespace ft = forms::testing;

namespace
{

using Options = MainWindowTest;

} // namespace

TEST_F(Options, EntriesOpenAndCloseTheirWindows)
{
    Player& p = player();
    p.Show();
    const auto choose = [&](const char* entry) {
        script().menuChoices.push_back(entry);
        ft::click(p.Tools);
    };
    choose("mnuAbout");
    EXPECT_TRUE(forms::the<About>().Visible());
    EXPECT_EQ(forms::the<About>().Caption(), "About ");

    choose("mnuDecoder");
    frmDecoder* decoder = &forms::the<frmDecoder>();
    EXPECT_TRUE(decoder->Visible());
    choose("mnuDecoder");
    EXPECT_EQ(&forms::the<frmDecoder>(), decoder) << "shown again, never created twice";
    choose("mnuEncoder");
    EXPECT_TRUE(forms::the<frmEncoder>().Visible());

    // Closing a tool brings the main window back, also beside the compact window.
    p.Hide();
    choose("mnuExitDecoder");
    EXPECT_TRUE(p.Visible());
    EXPECT_FALSE(forms::isLoaded<frmDecoder>());
    EXPECT_TRUE(forms::isLoaded<frmEncoder>());
    p.Hide();
    choose("mnuExitDecoder"); // not open: only the main window is shown
    EXPECT_TRUE(p.Visible());
    EXPECT_FALSE(forms::isLoaded<frmDecoder>());
    choose("mnuExitEncoder");
    EXPECT_FALSE(forms::isLoaded<frmEncoder>());
    EXPECT_EQ(script().endRequests, 0);
}

TEST_F(Options, VolumeEntriesStepByTwentyFive)
{
    Player& p = player();
    struct Case {
        const char* entry;
        int from, level;
        int to;
        const char* figure;
        int levelAfter;
    } cases[] = {
        {"mnuVolumeD", 50, 0, 25, "5", 25},    {"mnuVolumeD", 25, 25, 0, "0", 0},
        {"mnuVolumeD", 20, 20, 0, "0", 20},    {"mnuVolumeD", 0, 0, 0, "0", 0},
        {"mnuVolumeU", 50, 0, 75, "15", 75},   {"mnuVolumeU", 75, 75, 100, "20", 100},
        {"mnuVolumeU", 80, 80, 100, "20", 80},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.entry) + " from " + std::to_string(c.from));
        p.Tonewheel1.SetVolume(static_cast<int16_t>(c.from), static_cast<int16_t>(c.from));
        p.Text2.setText(std::to_string(c.from));
        p.Text3.setText(std::to_string(c.from));
        VolumeLevel = static_cast<int16_t>(c.level);
        script().menuChoices.push_back(c.entry);
        ft::press(p, 2, 30, 30);
        ft::release(p, 2, 30, 30);
        EXPECT_EQ(p.Tonewheel1.VolumeA(), c.to);
        EXPECT_EQ(p.Tonewheel1.VolumeB(), c.to);
        EXPECT_EQ(p.Text2.Text(), std::to_string(c.to));
        EXPECT_EQ(p.Label14.Caption(), c.figure);
        EXPECT_EQ(VolumeLevel, c.levelAfter);
    }
}

TEST_F(Options, AboutBoxOpensItsAddressOnlyFromTheAddress)
{
    About& about = forms::the<About>();
    about.Show();
    ft::click(about.Label1);
    ft::click(about.Label2);
    EXPECT_TRUE(script().urlsOpened.empty());
    EXPECT_EQ(about.Label2.Caption(), "Visist us at:");
    ft::click(about.Label3);
    ft::click(about.Label3);
    EXPECT_EQ(script().urlsOpened,
              (std::vector<std::string>{about.Label3.Caption(), about.Label3.Caption()}));
}
