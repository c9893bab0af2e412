// The start: the main window placed left of the screen's centre, the playlist docked at its
// right edge with the same top, both shown.

#include "player/Startup.h"
#include "platform/forms/Form.h"
#include "platform/forms/Testing.h"
#include "player/Player.h"
#include "playlist/frmPlaylist.h"
#include "support/AppWindows.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace
{

struct StartupCase {
    int screenWidth, screenHeight; // pixels
    int playerLeft, playerTop;     // twips
};

class Startup : public ::testing::TestWithParam<StartupCase>
{
  protected:
    void TearDown() override
    {
        testsupport::unloadWindows();
        forms::testing::resetScreen();
    }
};

} // namespace

TEST_P(Startup, PlacesTheMainWindowAndDocksThePlaylist)
{
    const StartupCase& c = GetParam();
    forms::testing::setScreenPixels(c.screenWidth, c.screenHeight);
    startSonavel();
    ASSERT_TRUE(forms::isLoaded<Player>());
    ASSERT_TRUE(forms::isLoaded<frmPlaylist>());
    Player& player = forms::the<Player>();
    frmPlaylist& playlist = forms::the<frmPlaylist>();
    EXPECT_TRUE(player.Visible());
    EXPECT_TRUE(playlist.Visible());
    // A window stands on whole pixels: its place reads back within a pixel of what was set.
    EXPECT_NEAR(player.Left(), c.playerLeft, forms::TwipsPerPixel / 2);
    EXPECT_NEAR(player.Top(), c.playerTop, forms::TwipsPerPixel / 2);
    EXPECT_NEAR(playlist.Left(), c.playerLeft + 5550, forms::TwipsPerPixel / 2);
    EXPECT_EQ(playlist.Top(), player.Top());
    // Docked: no gap and no overlap on screen.
    EXPECT_EQ(playlist.window()->x(), player.window()->x() + player.window()->width());
    EXPECT_EQ(playlist.window()->y(), player.window()->y());
}

INSTANTIATE_TEST_SUITE_P(Screens, Startup,
                         ::testing::Values(StartupCase{1024, 768, 2405, 4365},
                                           // Nothing keeps the window on a narrow screen.
                                           StartupCase{640, 480, -475, 2205}));
