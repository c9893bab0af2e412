#pragma once

// Fresh windows, program-wide state and a manual clock for each test of the playback road.

#include "compact/Shade.h"
#include "platform/audio/AudioTesting.h"
#include "platform/forms/Form.h"
#include "platform/forms/Testing.h"
#include "player/Globals.h"
#include "player/Player.h"
#include "playlist/frmPlaylist.h"
#include "support/AppWindows.h"

#include <QTest>
#include <gtest/gtest.h>

#include <atomic>
#include <initializer_list>
#include <string>

class RoadTest : public ::testing::Test
{
  protected:
    RoadTest()
    {
        player(); // its start-up resets the program-wide state, so it comes first
        NextSong = 0;
        NextShuffle = 0;
        SongFile.clear();
        TitleText.clear();
        ScrollText.clear();
        VolumeLevel.reset();
        ElapsedMs = 0;
    }
    ~RoadTest() override
    {
        platform::audio::setFrameHookForTesting({});
        testsupport::unloadWindows();
    }

    Player& player() { return forms::the<Player>(); }
    Shade& shade() { return forms::the<Shade>(); }
    forms::ListBox& list1() { return forms::the<frmPlaylist>().List1; }
    forms::ListBox& list7() { return forms::the<frmPlaylist>().List7; }
    void fill(forms::ListBox& list, std::initializer_list<const char*> items)
    {
        for (const char* item : items)
            list.AddItem(item);
    }
    // Runs the UI thread's events until pred holds; false after a generous bound.
    template <typename Pred> static bool pumpUntil(Pred pred) { return QTest::qWaitFor(pred, 30000); }

    // From here on the main window's job pauses itself, from its own thread, at the first frame
    // it plays once holdNext is set: however fast the silent output runs, nothing moves until
    // the test lets it go.
    void holdPlayback()
    {
        platform::Tonewheel* wheel = &player().Tonewheel1;
        platform::audio::setFrameHookForTesting([this, wheel](int32_t, const int16_t*, size_t) {
            if (holdNext.exchange(false)) wheel->PauseSong();
        });
    }

    forms::testing::ManualClock clock;
    std::atomic<bool> holdNext{true};
};
