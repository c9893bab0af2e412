// The start-up from the settings store, the settings save and the two ways out.

#include "MainWindowFixture.h"

#include "platform/store/Registry.h"

#include <sqlite3.h>

#include <fstream>
#include <map>

using Startup = MainWindowTest;

TEST_F(Startup, PlacesTheMainWindowLeftOfCentreAndDocksThePlaylist)
{
    for (auto [width, height, left, top] :
         {std::array{1024, 768, 2405, 4365}, std::array{640, 480, -475, 2205}}) {
        ft::setScreenPixels(width, height);
        Player& p = player();
        EXPECT_FALSE(p.Visible()) << "shown once its load event is over";
        EXPECT_NEAR(p.Left(), left, forms::TwipsPerPixel / 2); // whole pixels on screen
        EXPECT_NEAR(p.Top(), top, forms::TwipsPerPixel / 2);
        frmPlaylist& list = forms::the<frmPlaylist>();
        EXPECT_TRUE(list.Visible());
        EXPECT_EQ(list.Left(), p.Left() + 5550);
        EXPECT_EQ(list.Top(), p.Top());
        unloadAll();
    }
}

TEST_F(Startup, WhatASaveKeepsTheNextStartRestoresAndPlays)
{
    const std::string rock = path("rock"), jazz = path("jazz"), list = path("list.m3u");
    std::filesystem::create_directories(rock);
    std::filesystem::create_directories(jazz);
    std::ofstream(list) << rock << "/a.mp3\r\n" << rock << "/b.mp3\r\n";
    const std::string dir0 = player().Dir1.Path(), files0 = player().File1.Path(); // nothing stored
    ASSERT_TRUE(player().Dir1.setPath(rock));
    ASSERT_TRUE(player().File1.setPath(jazz));
    LastPlaylist = list;
    player().SaveSettings();
    unloadAll();
    NextSong = 5;
    VolumeLevel = 5;
    Player& p = player();
    EXPECT_EQ(p.Drive1.Drive() + p.Dir1.Path(), "/" + rock);
    EXPECT_EQ(p.File1.Path(), jazz); // set after the folder list's change moved it
    EXPECT_EQ(LastPlaylist, list);
    EXPECT_EQ(forms::the<frmPlaylist>().List1.ListCount(), 2);
    EXPECT_EQ(NextSong, 0);
    EXPECT_FALSE(VolumeLevel) << "no volume remembered at the start of a run";
    clock.advance(999);
    EXPECT_EQ(SongFile, "");
    clock.advance(1);
    EXPECT_EQ(SongFile, rock + "/a.mp3");

    // Missing, unreadable or stale values never stop the start; the browser keeps what it
    // cannot take, and a playlist that is gone stays remembered but starts nothing.
    const struct {
        std::map<std::string, std::string> stored;
        std::string dir, files, lastPlaylist;
    } cases[] = {
        {{}, dir0, files0, "Error"},
        {{{"Dir1", jazz}, {"File1", rock}}, dir0, files0, "Error"},
        {{{"Drive1", "/mnt/sonavel-gone"}, {"Dir1", jazz}, {"File1", rock}}, jazz, rock, "Error"},
        {{{"Drive1", "/"}, {"Dir1", path("gone")}, {"File1", rock}}, dir0, rock, "Error"},
        {{{"String Value2", ""}}, dir0, files0, ""},
        {{{"String Value2", path("gone.m3u")}}, dir0, files0, path("gone.m3u")},
    };
    for (const auto& c : cases) {
        unloadAll();
        ft::forgetDriveFolders();
        std::filesystem::remove_all(path("config"));
        for (const auto& [name, value] : c.stored)
            settings::Write(name, value);
        Player& q = player();
        EXPECT_EQ(q.Drive1.Drive() + q.Dir1.Path(), "/" + c.dir);
        EXPECT_EQ(q.File1.Path(), c.files);
        EXPECT_EQ(LastPlaylist, c.lastPlaylist);
        EXPECT_FALSE(q.Timer10.Enabled());
    }
}

// Another process holds the store locked. A start-up then reads nothing and loses nothing: a
// save once the store is free writes back only what the program changed since. A save while it
// is locked waits out one timeout in all, not one per value, and writes nothing.
TEST_F(Startup, AStoreLockedElsewhereLosesNothing)
{
    const std::string rock = path("rock"), jazz = path("jazz"), list = path("list.m3u");
    std::filesystem::create_directories(rock);
    std::filesystem::create_directories(jazz);
    const std::map<std::string, std::string> stored{
        {"Drive1", "/mnt/sonavel-gone"}, {"Dir1", rock}, {"File1", rock}, {"String Value2", list}};
    for (const auto& [name, value] : stored)
        settings::Write(name, value);
    sqlite3* other = nullptr;
    const auto lock = [&] {
        ASSERT_EQ(sqlite3_open(path("config/sonavel/registry.db").c_str(), &other), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    };
    const auto unlock = [&] {
        sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(other);
    };
    store::testing::setBusyTimeout(20);
    lock();
    Player& p = player();
    EXPECT_EQ(LastPlaylist, "Error");
    EXPECT_NE(p.Dir1.Path(), rock);
    unlock();
    p.SaveSettings();
    for (const auto& [name, value] : stored)
        EXPECT_EQ(settings::Read(name), value) << name;

    lock();
    const int waited = store::testing::waitedWrites();
    LastPlaylist.clear();
    EXPECT_TRUE(p.Dir1.setPath(jazz));
    p.SaveSettings();
    EXPECT_EQ(store::testing::waitedWrites() - waited, 1);
    unlock();
    EXPECT_EQ(settings::Read("String Value2"), list);
    p.SaveSettings();
    store::testing::setBusyTimeout(1500);
    EXPECT_EQ(store::testing::waitedWrites() - waited, 1);
    EXPECT_EQ(settings::Read("String Value2"), "Error");
    EXPECT_EQ(settings::Read("Drive1") + settings::Read("Dir1") + settings::Read("File1"), "/" + jazz + jazz);
}

TEST_F(Startup, CloseButtonSavesOnPressAndEndsOnReleaseTheExitEntryAtOnce)
{
    const struct {
        const char* lastPlaylist; // nullptr: as the start left it ("Error")
        const char* stored;
        bool hidden, byMenu;
    } cases[] = {{nullptr, "Error", true, false},
                 {"", "Error", false, false},
                 {"/m/list.m3u", "/m/list.m3u", true, false},
                 {"", "Error", false, true}};
    for (const auto& c : cases) {
        Player& p = player();
        p.Show();
        if (c.lastPlaylist) LastPlaylist = c.lastPlaylist;
        platform::testing::clearTrayCalls();
        const int ends = script().endRequests;
        if (c.byMenu) {
            choose(p, "mnuExitSonavel");
        } else {
            ft::press(p.imgClose, 1);
            EXPECT_EQ(p.imgClose.Visible(), !c.hidden);
            EXPECT_EQ(script().endRequests, ends);
            ft::release(p.imgClose, 1);
            EXPECT_TRUE(p.imgClose.Visible());
        }
        EXPECT_EQ(script().endRequests, ends + 1);
        EXPECT_EQ(settings::Read("String Value2"), c.stored);
        EXPECT_EQ(settings::Read("Dir1"), p.Dir1.Path());
        EXPECT_TRUE(platform::testing::trayCalls().empty()) << "ending leaves the icon to the system";
        unloadAll();
    }
    // With the main window gone there is nothing to save, and no start-up runs again.
    std::filesystem::remove_all(path("config"));
    forms::the<About>().mnuExitSonavel_Click();
    EXPECT_FALSE(forms::isLoaded<Player>());
    EXPECT_EQ(settings::Read("Dir1"), "Error");
}
