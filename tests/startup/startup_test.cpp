// The start-up from the settings store, the settings save and the two ways out.

#include "MainWindowFixture.h"

#include <map>

namespace ft = forms::testing;

namespace
{

using Startup = MainWindowTest;

struct PlacementCase {
    int screenWidth, screenHeight; // pixels
    int playerLeft, playerTop;     // twips
};

} // namespace

TEST_F(Startup, PlacesTheMainWindowLeftOfCentreAndDocksThePlaylist)
{
    for (const PlacementCase c :
         {PlacementCase{1024, 768, 2405, 4365}, PlacementCase{640, 480, -475, 2205}}) {
        SCOPED_TRACE(c.screenWidth);
        ft::setScreenPixels(c.screenWidth, c.screenHeight);
        Player& p = player();
        frmPlaylist& list = forms::the<frmPlaylist>();
        // The playlist is on screen first; the main window shows once its load event is over.
        EXPECT_TRUE(list.Visible());
        EXPECT_FALSE(p.Visible());
        // A window stands on whole pixels: its place reads back within half a pixel.
        EXPECT_NEAR(p.Left(), c.playerLeft, forms::TwipsPerPixel / 2);
        EXPECT_NEAR(p.Top(), c.playerTop, forms::TwipsPerPixel / 2);
        EXPECT_EQ(list.Left(), p.Left() + 5550);
        EXPECT_EQ(list.Top(), p.Top());
        forms::Unload<Player>();
        forms::Unload<frmPlaylist>();
        forms::collectUnloaded();
    }
}

TEST_F(Startup, RestoresTheBrowserAndPlaysTheRememberedPlaylist)
{
    const std::string rock = folder("music/rock"), jazz = folder("music/jazz");
    const std::string list = file("list.m3u", rock + "/a.mp3\r\n" + rock + "/b.mp3\r\n");
    settings::Write("Drive1", "/");
    settings::Write("Dir1", rock);
    settings::Write("File1", jazz);
    settings::Write("String Value2", list);
    NextSong = 5;
    VolumeLevel = 40;

    Player& p = player();
    EXPECT_EQ(p.Drive1.Drive(), "/");
    EXPECT_EQ(p.Dir1.Path(), rock);
    EXPECT_EQ(p.File1.Path(), jazz); // the last value wins over the folder list's change
    EXPECT_EQ(LastPlaylist, list);
    EXPECT_EQ(PlaylistFile, list);
    EXPECT_EQ(forms::the<frmPlaylist>().List1.ListCount(), 2);
    EXPECT_EQ(NextSong, 0);
    EXPECT_EQ(VolumeLevel, 0);
    EXPECT_FALSE(WinDir.empty());
    EXPECT_TRUE(p.Timer10.Enabled());
    clock.advance(999);
    EXPECT_EQ(SongFile, std::string());
    clock.advance(1);
    EXPECT_EQ(SongFile, rock + "/a.mp3");

    // What this run changed is what the next start finds.
    ASSERT_TRUE(p.Dir1.setPath(jazz));
    ASSERT_TRUE(p.File1.setPath(rock));
    LastPlaylist = path("other.m3u");
    p.SaveSettings();
    EXPECT_EQ(settings::Read("Drive1"), "/");
    EXPECT_EQ(settings::Read("Dir1"), jazz);
    EXPECT_EQ(settings::Read("File1"), rock);
    EXPECT_EQ(settings::Read("String Value2"), path("other.m3u"));
    EXPECT_EQ(p.txtsongfile.Text(), path("other.m3u"));
}

// Values that are missing, unreadable or stale never stop the start.
TEST_F(Startup, MissingOrStaleValuesKeepTheDefaults)
{
    const std::string rock = folder("music/rock"), jazz = folder("music/jazz");
    std::string defaultDir, defaultFiles;
    {
        Player& p = player(); // first run: nothing stored
        defaultDir = p.Dir1.Path();
        defaultFiles = p.File1.Path();
        EXPECT_EQ(p.txtDrive.Text(), "Error");
        EXPECT_EQ(LastPlaylist, "Error");
        EXPECT_FALSE(p.Timer10.Enabled());
        forms::Unload<Player>();
        forms::collectUnloaded();
    }
    ASSERT_NE(defaultDir, rock);

    struct Case {
        const char* name;
        std::map<std::string, std::string> stored;
        std::string drive, dir, files, lastPlaylist;
    } cases[] = {
        {"no drive: the folders are not applied",
         {{"Dir1", rock}, {"File1", jazz}},
         "/",
         defaultDir,
         defaultFiles,
         "Error"},
        {"drive gone",
         {{"Drive1", "/mnt/sonavel-gone"}, {"Dir1", rock}, {"File1", jazz}},
         "/",
         rock,
         jazz,
         "Error"},
        {"folder gone",
         {{"Drive1", "/"}, {"Dir1", path("gone")}, {"File1", jazz}},
         "/",
         defaultDir,
         jazz,
         "Error"},
        {"folders unreadable", {{"Drive1", "/"}}, "/", defaultDir, defaultFiles, "Error"},
        {"empty playlist value", {{"String Value2", ""}}, "/", defaultDir, defaultFiles, ""},
        {"playlist file gone",
         {{"String Value2", path("gone.m3u")}},
         "/",
         defaultDir,
         defaultFiles,
         path("gone.m3u")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(path("config"));
        ft::forgetDriveFolders();
        LastPlaylist.clear();
        for (const auto& [name, value] : c.stored)
            settings::Write(name, value);
        Player& p = player();
        EXPECT_EQ(p.Drive1.Drive(), c.drive);
        EXPECT_EQ(p.Dir1.Path(), c.dir);
        EXPECT_EQ(p.File1.Path(), c.files);
        EXPECT_EQ(LastPlaylist, c.lastPlaylist); // an unreadable playlist stays remembered
        EXPECT_FALSE(p.Timer10.Enabled());
        EXPECT_EQ(forms::the<frmPlaylist>().List1.ListCount(), 0);
        clock.advance(2000);
        EXPECT_EQ(SongFile, std::string());
        forms::Unload<Player>();
        forms::collectUnloaded();
    }
}

TEST_F(Startup, CloseButtonSavesOnPressAndEndsOnRelease)
{
    struct Case {
        const char* name;
        const char* lastPlaylist; // nullptr: as the start left it
        const char* stored;
        bool hiddenWhileHeld;
    } cases[] = {
        {"started without a playlist", nullptr, "Error", true},
        {"playlist cleared", "", "Error", false},
        {"playlist loaded", "/m/list.m3u", "/m/list.m3u", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Player& p = player();
        p.Show();
        if (c.lastPlaylist) LastPlaylist = c.lastPlaylist;
        const int ends = script().endRequests;
        ft::press(p.imgClose, 1);
        EXPECT_EQ(settings::Read("String Value2"), c.stored);
        EXPECT_EQ(settings::Read("Dir1"), p.Dir1.Path());
        EXPECT_EQ(p.imgClose.Visible(), !c.hiddenWhileHeld);
        EXPECT_EQ(script().endRequests, ends);
        ft::release(p.imgClose, 1);
        EXPECT_TRUE(p.imgClose.Visible());
        EXPECT_EQ(script().endRequests, ends + 1);
        forms::Unload<Player>();
        forms::collectUnloaded();
    }
}

TEST_F(Startup, ExitEntrySavesAndEndsWithoutUnloading)
{
    Player& p = player();
    p.Show();
    LastPlaylist = "/m/list.m3u";
    platform::testing::clearTrayCalls();
    script().menuChoices.push_back("mnuExitSonavel");
    ft::press(p, 2, 30, 30);
    ft::release(p, 2, 30, 30);
    EXPECT_EQ(script().endRequests, 1);
    EXPECT_EQ(settings::Read("String Value2"), "/m/list.m3u");
    EXPECT_EQ(settings::Read("File1"), p.File1.Path());
    EXPECT_FALSE(p.imgClose.Visible());
    EXPECT_TRUE(forms::isLoaded<Player>());
    EXPECT_TRUE(platform::testing::trayCalls().empty()) << "ending leaves the icon to the system";

    // With the main window gone there is nothing to save, and no start-up runs again.
    forms::Unload<Player>();
    forms::collectUnloaded();
    std::filesystem::remove_all(path("config"));
    forms::the<About>().mnuExitSonavel_Click();
    EXPECT_EQ(script().endRequests, 2);
    EXPECT_FALSE(forms::isLoaded<Player>());
    EXPECT_EQ(settings::Read("String Value2"), "Error");
}
