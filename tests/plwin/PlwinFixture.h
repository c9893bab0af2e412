#pragma once

// The playlist window's, load commands' and file browser's tests: fresh windows and state, scripted
// dialogs, a temporary folder, and a song that stays playing (paused) for as long as a test needs.

#include "audio/AudioFixtures.h"
#include "playlist/RoadFixture.h"

#include <QAbstractItemView>
#include <filesystem>
#include <fstream>

class PlwinTest : public RoadTest
{
  protected:
    PlwinTest()
    {
        PlaylistFile.clear();
        LastPlaylist.clear();
    }

    forms::testing::Script& script() { return ui.script(); }
    frmPlaylist& window() { return forms::the<frmPlaylist>(); }

    std::string file(const std::string& name, const std::string& content = "")
    {
        const std::string path = dir.path(name);
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }

    // A song that is playing: a job held paused, so it neither ends nor needs a sound device.
    void playing()
    {
        const std::string song = dir.path("playing.mp3");
        if (!std::filesystem::exists(song)) audiotest::writeMp3(song, audiotest::plainMp3(22050, 1, 20));
        platform::Tonewheel& tw = player().Tonewheel1;
        tw.OpenSong(song, "");
        tw.PlaySong();
        tw.PauseSong();
        ASSERT_NE(tw.IsPlaying(), 0);
    }

    // A press and release with any button: the skinned buttons act on the release.
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

    // A list row's middle in twips, scrolled into view, for a click as a user gives it.
    static float rowY(forms::Control& list, int row)
    {
        auto* view = static_cast<QAbstractItemView*>(list.widget());
        const QModelIndex index = view->model()->index(row, 0);
        view->scrollTo(index);
        return static_cast<float>(view->viewport()->mapTo(view, view->visualRect(index).center()).y() * 15);
    }

    audiotest::TempDir dir;
    forms::testing::ScriptedUi ui;
};
