// The Options menu's entries, the tools and playlist buttons, and the About box.

#include "MainWindowFixture.h"

using Options = MainWindowTest;

TEST_F(Options, EntriesAndButtonsOpenAndCloseTheirWindows)
{
    Player& p = player();
    p.Show();
    frmPlaylist& list = forms::the<frmPlaylist>();
    const int left = list.Left();
    for (bool shown : {false, true}) {
        ft::click(p.Playlist);
        EXPECT_EQ(list.Visible(), shown);
    }
    EXPECT_EQ(list.Left(), left);

    ft::click(p.Tools);
    EXPECT_EQ(script().menus.at(0).menu, "mnuFile");
    choose(p, "mnuAbout");
    EXPECT_TRUE(forms::the<About>().Visible());
    choose(p, "mnuDecoder");
    frmDecoder* decoder = &forms::the<frmDecoder>();
    choose(p, "mnuDecoder");
    EXPECT_EQ(&forms::the<frmDecoder>(), decoder) << "shown again, never created twice";
    EXPECT_TRUE(decoder->Visible());
    choose(p, "mnuEncoder");
    EXPECT_TRUE(forms::the<frmEncoder>().Visible());
    // Closing a tool brings the main window back, whether the tool is open or not.
    // The decoder's own menu may close the decoder under its running handler.
    for (const char* entry : {"mnuExitDecoder", "mnuExitDecoder", "mnuExitEncoder"}) {
        p.Hide();
        choose(forms::isLoaded<frmDecoder>() ? static_cast<forms::Form&>(*decoder) : forms::the<Shade>(),
               entry);
        EXPECT_TRUE(p.Visible());
    }
    EXPECT_FALSE(forms::isLoaded<frmDecoder>() || forms::isLoaded<frmEncoder>());
    EXPECT_EQ(script().endRequests, 0);
}

TEST_F(Options, VolumeEntriesStepByTwentyFive)
{
    Player& p = player();
    const struct {
        const char* entry;
        int from, to;
        const char* figure;
        int levelAfter; // 33 before each step
    } cases[] = {{"mnuVolumeD", 25, 0, "0", 0},
                 {"mnuVolumeD", 20, 0, "0", 33},
                 {"mnuVolumeU", 75, 100, "20", 100},
                 {"mnuVolumeU", 80, 100, "20", 33}};
    for (const auto& c : cases) {
        p.Tonewheel1.SetVolume(static_cast<int16_t>(c.from), static_cast<int16_t>(c.from));
        p.Text2.setText(std::to_string(c.from));
        VolumeLevel = 33;
        choose(p, c.entry);
        EXPECT_EQ(p.Tonewheel1.VolumeB(), c.to) << c.entry << c.from;
        EXPECT_EQ(p.Label14.Caption(), c.figure) << c.entry << c.from;
        EXPECT_EQ(VolumeLevel, c.levelAfter) << c.entry << c.from;
    }
}

TEST_F(Options, OnlyTheAddressOpensTheWebPageEachTimeItIsClicked)
{
    About& about = forms::the<About>();
    about.Show();
    for (forms::Label* label : {&about.Label1, &about.Label2, &about.Label3, &about.Label3})
        ft::click(*label);
    EXPECT_EQ(script().urlsOpened, std::vector<std::string>(2, about.Label3.Caption()));
}
