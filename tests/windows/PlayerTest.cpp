// The main window as its description gives it: values checked against the description
// itself, not against the layout table.

#include "LayoutMatch.h"

#include "player/Player.h"

#include <QWidget>
#include <gtest/gtest.h>
#include <string>

TEST(PlayerWindow, SizeCaptionAndPlaces)
{
    Player w;
    EXPECT_EQ(w.Width(), 5550);
    EXPECT_EQ(w.Height(), 2790);
    EXPECT_EQ(w.window()->size(), QSize(370, 186));
    EXPECT_EQ(w.Caption(), " ");

    struct Place {
        forms::Control& c;
        int left, top, width, height;
        const char* tip;
    };
    for (const Place& p : {
             Place{w.imgplay, 2655, 1920, 270, 255, "Play"},
             Place{w.imgpause, 2940, 1920, 270, 255, "Pause"},
             Place{w.imgPauseP, 2940, 1920, 270, 255, ""},
             Place{w.shuffle1, 4560, 1920, 285, 255, "Shuffle"},
             Place{w.imgVolumeUp, 4470, 1335, 285, 255, "Volume Up"},
             Place{w.Text1, 2535, 960, 2750, 250, ""},
             Place{w.File1, 405, 1400, 2100, 930, "Click file once to add to playlist."},
             Place{w.Picture11, 0, 0, 435, 135, "Seekbar"},
             Place{w.colon, 975, 330, 60, 150, ""},
         }) {
        SCOPED_TRACE(p.c.Name());
        EXPECT_EQ(p.c.Left(), p.left);
        EXPECT_EQ(p.c.Top(), p.top);
        EXPECT_EQ(p.c.Width(), p.width);
        EXPECT_EQ(p.c.Height(), p.height);
        EXPECT_EQ(p.c.ToolTipText(), p.tip);
    }
    EXPECT_EQ(w.Picture11.widget()->parentWidget(), w.Picture10.widget()) << "the thumb lies in the track";
}

// Later steps read these design texts before anything writes them.
TEST(PlayerWindow, ValueHoldersAreHiddenWithTheirDesignTexts)
{
    Player w;
    for (forms::Label* label : {&w.Label2, &w.Label10, &w.Label7, &w.Label4, &w.Label3}) {
        SCOPED_TRACE(label->Name());
        EXPECT_EQ(label->Caption(), label->Name());
        EXPECT_FALSE(label->Visible());
        EXPECT_GE(label->Top(), w.Height()) << "outside the visible area";
    }
    for (forms::TextBox* text : {&w.Text2, &w.Text3, &w.Text5, &w.Text7, &w.Text14, &w.txtsongfile,
                                 &w.txtDrive, &w.txtDir, &w.txtFile}) {
        SCOPED_TRACE(text->Name());
        EXPECT_EQ(text->Text(), text->Name());
        EXPECT_FALSE(text->Visible());
        EXPECT_GE(text->Top(), w.Height()) << "outside the visible area";
    }
    EXPECT_EQ(w.Label14.Caption(), "10");
    EXPECT_EQ(w.Label12.Caption(), " ");
    EXPECT_EQ(w.Label13.Caption(), " ");
    EXPECT_EQ(w.Label9.Caption(), "kHz");
    EXPECT_EQ(w.Label11.Caption(), "kbps");
    EXPECT_EQ(w.Label6.Caption(), "Total Time");
    EXPECT_EQ(w.Label8.Caption(), "Time");
}

TEST(PlayerWindow, StartStates)
{
    Player w;
    EXPECT_TRUE(w.imgplay.Visible());
    EXPECT_TRUE(w.imgpause.Visible());
    EXPECT_FALSE(w.imgPauseP.Visible());
    EXPECT_TRUE(w.imgstop.Visible());
    EXPECT_TRUE(w.shuffle1.Visible());
    EXPECT_FALSE(w.Shuffle2.Visible());
    EXPECT_TRUE(w.imgVolumeDown.Enabled());
    EXPECT_TRUE(w.imgVolumeUp.Enabled());
    EXPECT_TRUE(w.Picture11.Visible());
    EXPECT_EQ(w.File1.Pattern(), "*.mp3*");
}

TEST(PlayerWindow, TimersStayOffWithTheirIntervals)
{
    Player w;
    struct Case {
        forms::Timer& timer;
        int interval;
        const char* name;
    };
    for (const Case& c :
         {Case{w.Timer1, 50, "Timer1"}, Case{w.Timer2, 50, "Timer2"}, Case{w.Timer3, 50, "Timer3"},
          Case{w.Timer4, 50, "Timer4"}, Case{w.Timer5, 100, "Timer5"}, Case{w.Timer6, 100, "Timer6"},
          Case{w.Timer7, 100, "Timer7"}, Case{w.Timer10, 1000, "Timer10"}}) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(c.timer.Enabled());
        EXPECT_EQ(c.timer.Interval(), c.interval);
    }
}
