#include "PlwinFixture.h"

namespace
{

using V = std::vector<std::string>;
namespace ft = forms::testing;

class PlaylistWindow : public PlwinTest
{
  protected:
    void shuffleOn()
    {
        window().List1.setVisible(false);
        window().List7.setVisible(true);
        player().Shuffle2.setVisible(true);
    }
};

TEST_F(PlaylistWindow, EveryButtonHidesOnThePressAndShowsAgainOnTheRelease)
{
    frmPlaylist& w = window();
    w.Show();
    for (forms::Image* button :
         {&w.imgSave, &w.imgClear, &w.imgLoad, &w.add1, &w.Delete1, &w.Minimize, &w.pclose}) {
        ft::press(*button, 2); // any button
        EXPECT_FALSE(button->Visible()) << button->Name();
        ft::release(*button, 2);
        EXPECT_TRUE(button->Visible()) << button->Name();
    }
    EXPECT_EQ(w.WindowState(), 1);
    EXPECT_FALSE(w.Visible()) << "closed: hidden, still loaded";
}

TEST_F(PlaylistWindow, AddSongAppendsAndStartsOnlyWhenNothingPlays)
{
    const std::string song = file("new.mp3");
    struct Row {
        const char* name;
        bool shuffle, plays;
        std::optional<std::string> answer;
        bool added, timer;
    } rows[] = {
        {"idle", false, false, song, true, true},
        {"shuffle on: both lists", true, false, song, true, true},
        {"playing", false, true, song, true, false},
        {"cancelled", false, false, std::nullopt, false, false},
        {"file gone", false, false, dir.path("gone.mp3"), false, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        forms::Unload<frmPlaylist>();
        forms::Unload<Player>();
        forms::collectUnloaded();
        SongFile = "/before.mp3";
        if (r.shuffle) shuffleOn();
        if (r.plays) playing();
        script().fileDialogAnswers.push_back(r.answer);
        push(window().add1);
        EXPECT_EQ(items(window().List1), r.added ? V{song} : V{});
        EXPECT_EQ(items(window().List7), r.added && r.shuffle ? V{song} : V{});
        EXPECT_EQ(SongFile, r.added ? song : "/before.mp3");
        EXPECT_EQ(player().Timer10.Enabled(), r.timer);
        EXPECT_EQ(script().dialogs.back().Filter, "MP3 Files|*.mp3|ALL Files|*.*");
    }
}

TEST_F(PlaylistWindow, DeleteRemovesThePickedEntryAndMovesTheSelectionUp)
{
    struct Row {
        const char* name;
        V list;
        int picked, nextSong; // picked -2: nothing selected
        V after;
        int selected, nextAfter;
    } rows[] = {
        {"sixth", {"0", "1", "2", "3", "4", "5", "6"}, 5, 5, {"0", "1", "2", "3", "4", "6"}, 4, 4},
        {"first", {"0", "1"}, 0, 0, {"1"}, -1, -1},
        {"the playing one, not the next", {"0", "1", "2"}, 1, 2, {"0", "2"}, 0, 0},
        {"nothing picked", {"0", "1"}, -2, 1, {"0", "1"}, -1, 1},
        {"empty list", {}, -2, 0, {}, -1, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        forms::ListBox& list = window().List1;
        list.Clear();
        for (const std::string& e : r.list)
            list.AddItem(e);
        if (r.picked != -2) list.setListIndex(r.picked);
        NextSong = r.nextSong;
        push(window().Delete1);
        EXPECT_EQ(items(list), r.after);
        EXPECT_EQ(list.ListIndex(), r.selected);
        EXPECT_EQ(NextSong, r.nextAfter);
        if (r.picked != -2) {
            EXPECT_EQ(window().Text1.Text(), std::to_string(r.nextAfter));
        }
    }
}

TEST_F(PlaylistWindow, DeleteInShuffleRemovesThePickedSongFromBothLists)
{
    shuffleOn();
    for (const char* e : {"a", "b", "c", "d"})
        window().List1.AddItem(e);
    for (const char* e : {"d", "c", "b", "a"})
        window().List7.AddItem(e);
    NextSong = 3; // "d"
    ft::click(window().List7, 300, rowY(window().List7, 2));
    push(window().Delete1);
    EXPECT_EQ(items(window().List7), (V{"d", "c", "a"}));
    EXPECT_EQ(items(window().List1), (V{"a", "c", "d"}));
    EXPECT_EQ(NextShuffle, 1);
    EXPECT_EQ(window().List1.List(NextSong), "d") << "the plain index still names its song";
}

TEST_F(PlaylistWindow, ClearEmptiesThePlaylistOnlyAndForgetsTheLastPlaylist)
{
    playing();
    window().List1.AddItem("a");
    window().List7.AddItem("a");
    LastPlaylist = "/x.m3u";
    player().txtsongfile.setText(LastPlaylist);
    NextSong = 1;
    push(window().imgClear);
    EXPECT_EQ(window().List1.ListCount(), 0);
    EXPECT_EQ(items(window().List7), V{"a"});
    EXPECT_EQ(LastPlaylist + player().txtsongfile.Text(), "");
    EXPECT_EQ(NextSong, 1);
    EXPECT_NE(player().Tonewheel1.IsPlaying(), 0);
}

TEST_F(PlaylistWindow, SaveWritesThePlainOrderUnderAPlaylistName)
{
    shuffleOn();
    window().List1.AddItem("/m/a.mp3");
    window().List1.AddItem("/m/b.mp3");
    window().List7.AddItem("/m/b.mp3");
    window().CommonDialog1.FileName = "old.m3u";
    struct Row {
        std::optional<std::string> answer;
        std::string written; // "" for none
    } rows[] = {
        {dir.path("list.m3u"), dir.path("list.m3u")},
        {dir.path("typed"), dir.path("typed.M3U")},
        {std::nullopt, ""},
    };
    for (const Row& r : rows) {
        const std::string before = PlaylistFile;
        script().fileDialogAnswers.push_back(r.answer);
        push(window().imgSave);
        const auto& shown = script().dialogs.back();
        EXPECT_TRUE(shown.save && shown.CancelError);
        EXPECT_EQ(shown.DialogTitle, "Save Playlist");
        EXPECT_EQ(shown.Flags, 4);
        EXPECT_EQ(shown.Filter, "MP3 Playlists (*.M3U)|*.M3U");
        EXPECT_EQ(shown.FilterIndex, 1);
        EXPECT_EQ(shown.FileName, "");
        EXPECT_EQ(PlaylistFile, r.written.empty() ? before : r.written);
        if (!r.written.empty()) {
            EXPECT_EQ(audiotest::readBytes(r.written), "/m/a.mp3\r\n/m/b.mp3\r\n");
        }
    }
    EXPECT_EQ(dir.entries().size(), 2u) << "a cancel writes nothing";
    EXPECT_EQ(LastPlaylist, "");
}

TEST_F(PlaylistWindow, ClicksPickAndDoubleClicksPlay)
{
    playing();
    ScrollText = "title";
    SongFile = "/playing.mp3";
    window().Show();
    ft::doubleClick(window().List1, 300, 300); // an empty list: nothing to play
    EXPECT_NE(player().Tonewheel1.IsPlaying(), 0);
    EXPECT_FALSE(player().Timer10.Enabled());

    for (const char* e : {"a", "b", "c"})
        window().List1.AddItem(e);
    ft::click(window().List1, 300, rowY(window().List1, 2));
    EXPECT_EQ(NextSong, 2);
    EXPECT_EQ(window().Text1.Text(), "2");
    EXPECT_NE(player().Tonewheel1.IsPlaying(), 0) << "a click only picks";
    ft::doubleClick(window().List1, 300, rowY(window().List1, 1));
    EXPECT_EQ(window().Text1.Text(), "1");
    EXPECT_EQ(player().Tonewheel1.IsPlaying(), 0);
    EXPECT_EQ(SongFile + ScrollText, "");
    clock.advance(1000);
    EXPECT_EQ(SongFile, "b");

    shuffleOn();
    for (const char* e : {"c", "a", "b"})
        window().List7.AddItem(e);
    ft::doubleClick(window().List7, 300, rowY(window().List7, 1));
    EXPECT_EQ(NextShuffle, 1);
    EXPECT_EQ(NextSong, 1);
    clock.advance(1000);
    EXPECT_EQ(SongFile, "a");
}

} // namespace
