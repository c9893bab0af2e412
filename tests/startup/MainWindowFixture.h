#pragma once

// A fresh settings store, scripted dialogs and menus, a manual clock and no windows for
// each test of the main window's start-up, exit and window handling.

#include "compact/Shade.h"
#include "menu/About.h"
#include "platform/Tray.h"
#include "platform/forms/Form.h"
#include "platform/forms/Testing.h"
#include "player/Globals.h"
#include "player/Player.h"
#include "player/Settings.h"
#include "playlist/frmPlaylist.h"
#include "tools/frmDecoder.h"
#include "tools/frmEncoder.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

class MainWindowTest : public ::testing::Test
{
  protected:
    MainWindowTest()
    {
        setenv("XDG_CONFIG_HOME", (tmp.path() + "/config").toUtf8().constData(), 1);
        // One drive that is there and one whose mount point is gone.
        forms::testing::setMountTable("/dev/sda1 / ext4 rw 0 0\n/dev/sdb1 /mnt/sonavel-gone ext4 rw 0 0\n");
        forms::testing::forgetDriveFolders();
        platform::testing::clearTrayCalls();
        LastPlaylist.clear();
        PlaylistFile.clear();
        SongFile.clear();
    }
    ~MainWindowTest() override;

    std::string path(const std::string& name) const { return tmp.path().toStdString() + "/" + name; }
    std::string folder(const std::string& name) const
    {
        std::filesystem::create_directories(path(name));
        return path(name);
    }
    std::string file(const std::string& name, const std::string& text = "") const
    {
        std::ofstream(path(name), std::ios::binary) << text;
        return path(name);
    }

    Player& player() { return forms::the<Player>(); }
    forms::testing::Script& script() { return ui.script(); }

    QTemporaryDir tmp;
    forms::testing::ScriptedUi ui;
    forms::testing::ManualClock clock;
};

inline MainWindowTest::~MainWindowTest()
{
    forms::Unload<About>();
    forms::Unload<frmDecoder>();
    forms::Unload<frmEncoder>();
    forms::Unload<Shade>();
    forms::Unload<Player>();
    forms::Unload<frmPlaylist>();
    forms::collectUnloaded();
    forms::testing::resetScreen();
    forms::testing::setMountTable("");
    forms::testing::forgetDriveFolders();
    unsetenv("XDG_CONFIG_HOME");
}
