#pragma once

// Fresh windows and state, scripted dialogs, a temporary folder, and a song that stays playing.

#include "audio/AudioFixtures.h"
#include "playlist/RoadFixture.h"

#include <QAbstractItemView>
#include <filesystem>
#include <fstream>

class PlwinTest : public RoadTest
{
  protected:
    PlwinTest() { PlaylistFile = LastPlaylist = ""; }

    forms::testing::Script& script() { return ui.script(); }
    frmPlaylist& window() { return forms::the<frmPlaylist>(); }
    std::string file(const std::string& name, const std::string& content = "")
    {
        std::ofstream(dir.path(name), std::ios::binary) << content;
        return dir.path(name);
    }
    // A job held paused: it neither ends nor needs a sound device.
    void playing()
    {
        const std::string song = dir.path("playing.mp3");
        if (!std::filesystem::exists(song)) audiotest::writeMp3(song, audiotest::plainMp3(22050, 1, 20));
        platform::Tonewheel* wheel = &player().Tonewheel1;
        holdNext = true;
        holdPlayback();
        wheel->OpenSong(song, "");
        wheel->PlaySong();
        ASSERT_NE(wheel->IsPlaying(), 0);
    }
    static void push(forms::Control& c, int button = 1)
    {
        forms::testing::press(c, button);
        forms::testing::release(c, button);
    }
    static std::vector<std::string> items(const forms::ListBox& list)
    {
        std::vector<std::string> out;
        for (int i = 0; i < list.ListCount(); ++i)
            out.push_back(list.List(i));
        return out;
    }
    // The settings a dialog was shown with, in one line.
    std::string lastDialog()
    {
        if (script().dialogs.empty()) return "none";
        const auto& d = script().dialogs.back();
        return (d.save ? "save|" : "open|") + d.DialogTitle + "|" + std::to_string(d.Flags) + "|" + d.Filter +
               "|" + std::to_string(d.FilterIndex) + "|" + d.InitDir + "|" + d.FileName +
               (d.CancelError ? "|cancel error" : "");
    }
    // A list row's middle in twips, for a click as a user gives it.
    static float rowY(forms::Control& list, int row)
    {
        auto* view = static_cast<QAbstractItemView*>(list.widget());
        const QModelIndex index = view->model()->index(row, 0);
        return static_cast<float>(view->viewport()->mapTo(view, view->visualRect(index).center()).y() * 15);
    }

    audiotest::TempDir dir;
    forms::testing::ScriptedUi ui;
};
