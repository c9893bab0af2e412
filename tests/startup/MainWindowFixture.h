#pragma once

// Each test: its own settings store, one drive that is there and one that has gone, scripted
// dialogs and menus, a manual clock, and no window left behind.

#include "compact/Shade.h"
#include "menu/About.h"
#include "platform/Tray.h"
#include "platform/forms/Testing.h"
#include "player/Globals.h"
#include "player/Player.h"
#include "player/Settings.h"
#include "playlist/frmPlaylist.h"
#include "support/AppWindows.h"
#include "support/ConfigHome.h"
#include "tools/frmDecoder.h"
#include "tools/frmEncoder.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <filesystem>

namespace ft = forms::testing;

class MainWindowTest : public ::testing::Test
{
  protected:
    MainWindowTest()
    {
        ft::setMountTable("/dev/sda1 / ext4 rw 0 0\n/dev/sdb1 /mnt/sonavel-gone ext4 rw 0 0\n");
        ft::forgetDriveFolders();
        platform::testing::clearTrayCalls();
        LastPlaylist = SongFile = "";
    }
    ~MainWindowTest() override
    {
        unloadAll();
        ft::resetScreen();
        ft::setMountTable("");
    }
    static void unloadAll() { testsupport::unloadWindows(); }
    std::string path(const std::string& name) const { return tmp.path().toStdString() + "/" + name; }
    Player& player() { return forms::the<Player>(); }
    ft::Script& script() { return ui.script(); }
    void choose(forms::Form& w, const char* entry) // through a right click on the background
    {
        script().menuChoices.push_back(entry);
        ft::press(w, 2, 30, 30);
        ft::release(w, 2, 30, 30);
    }

    QTemporaryDir tmp;
    testsupport::ConfigHome config{tmp.path().toStdString() + "/config"};
    ft::ScriptedUi ui;
    ft::ManualClock clock;
};
