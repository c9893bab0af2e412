#include "PlwinFixture.h"

namespace
{

using V = std::vector<std::string>;
namespace ft = forms::testing;

class PlaylistWindow : public PlwinTest
{
  protected:
    void fillList(forms::ListBox& list, const V& entries)
    {
        for (const std::string& e : entries)
            list.AddItem(e);
    }
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
        SCOPED_TRACE(button->Name());
        ft::press(*button, 2); // any button
        EXPECT_FALSE(button->Visible());
        ft::release(*button, 2);
        EXPECT_TRUE(button->Visible());
    }
    EXPECT_EQ(w.WindowState(), 1) << "minimised";
    EXPECT_FALSE(w.Visible()) << "closed: hidden";
    EXPECT_TRUE(forms::isLoaded<frmPlaylist>());
}

TEST_F(PlaylistWindow, AddSongAppendsAndStartsOnlyWhenNothingPlays)
{
    struct Row {
        const char* name;
        bool shuffle, plays;
        V list1, list7;
        bool timer;
    } rows[] = {
        {"idle", false, false, {"a", "new"}, {}, true},
        {"shuffle on", true, false, {"a", "new"}, {"a", "new"}, true},
        {"playing", false, true, {"a", "new"}, {}, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        forms::Unload<frmPlaylist>();
        forms::Unload<Player>();
        forms::collectUnloaded();
        if (r.shuffle) shuffleOn();
        window().List1.AddItem("a");
        if (r.shuffle) window().List7.AddItem("a");
        if (r.plays) playing();
        const std::string song = file("new");
        script().fileDialogAnswers.push_back(song);
        push(window().add1);
        V expect1 = r.list1, expect7 = r.list7;
        expect1.back() = song;
        if (!expect7.empty()) expect7.back() = song;
        EXPECT_EQ(items(window().List1), expect1);
        EXPECT_EQ(items(window().List7), expect7);
        EXPECT_EQ(SongFile, song);
        EXPECT_EQ(player().Timer10.Enabled(), r.timer);
    }
    const auto& shown = script().dialogs.back();
    EXPECT_EQ(shown.Filter, "MP3 Files|*.mp3|ALL Files|*.*");
    EXPECT_TRUE(shown.CancelError);
}

TEST_F(PlaylistWindow, AddSongCancelledOrGoneChangesNothing)
{
    window().CommonDialog1.DialogTitle = "Save Playlist";
    script().fileDialogAnswers.push_back(std::nullopt);
    script().fileDialogAnswers.push_back(dir.path("no such.mp3"));
    for (int i = 0; i < 2; ++i)
        push(window().add1);
    EXPECT_EQ(window().List1.ListCount(), 0);
    EXPECT_EQ(SongFile, "");
    EXPECT_FALSE(player().Timer10.Enabled());
    ASSERT_EQ(script().dialogs.size(), 2u);
    EXPECT_EQ(script().dialogs[0].DialogTitle, "Save Playlist") << "Add Song sets no title of its own";
    EXPECT_EQ(script().dialogs[1].FileName, "") << "a cancel chose nothing";
}

TEST_F(PlaylistWindow, DeleteRemovesThePickedEntryAndMovesTheSelectionUp)
{
    struct Row {
        const char* name;
        V list;
        int picked;   // selected from code (a click), -2 for none
        int nextSong; // before the delete
        V after;
        int selected, nextAfter;
    } rows[] = {
        {"sixth", {"0", "1", "2", "3", "4", "5", "6"}, 5, 5, {"0", "1", "2", "3", "4", "6"}, 4, 4},
        {"first", {"0", "1"}, 0, 0, {"1"}, -1, -1},
        {"playing one, next after it", {"0", "1", "2"}, 1, 2, {"0", "2"}, 0, 0},
        {"nothing picked", {"0", "1"}, -2, 1, {"0", "1"}, -1, 1},
        {"empty list", {}, -2, 0, {}, -1, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        forms::ListBox& list = window().List1;
        list.Clear();
        fillList(list, r.list);
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
    fillList(window().List1, {"a", "b", "c", "d"});
    fillList(window().List7, {"d", "c", "b", "a"});
    NextSong = 3; // "d"
    ft::click(window().List7, 300, rowY(window().List7, 2));
    ASSERT_EQ(NextShuffle, 2);
    push(window().Delete1);
    EXPECT_EQ(items(window().List7), (V{"d", "c", "a"}));
    EXPECT_EQ(items(window().List1), (V{"a", "c", "d"}));
    EXPECT_EQ(NextShuffle, 1);
    EXPECT_EQ(window().List1.List(NextSong), "d") << "the plain index still names its song";
}

TEST_F(PlaylistWindow, ClearEmptiesThePlaylistOnlyAndForgetsTheLastPlaylist)
{
    playing();
    fillList(window().List1, {"a", "b"});
    fillList(window().List7, {"b", "a"});
    LastPlaylist = "/x.m3u";
    player().txtsongfile.setText(LastPlaylist);
    NextSong = 1;
    push(window().imgClear);
    EXPECT_EQ(window().List1.ListCount(), 0);
    EXPECT_EQ(items(window().List7), (V{"b", "a"}));
    EXPECT_EQ(LastPlaylist, "");
    EXPECT_EQ(player().txtsongfile.Text(), "");
    EXPECT_EQ(NextSong, 1);
    EXPECT_NE(player().Tonewheel1.IsPlaying(), 0);
}

TEST_F(PlaylistWindow, SaveWritesThePlainOrderUnderAPlaylistName)
{
    shuffleOn();
    fillList(window().List1, {"/m/a.mp3", "/m/b.mp3"});
    fillList(window().List7, {"/m/b.mp3", "/m/a.mp3"});
    LastPlaylist = "/kept.m3u";
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
    EXPECT_EQ(LastPlaylist, "/kept.m3u");
}

TEST_F(PlaylistWindow, ClicksPickAndDoubleClicksPlay)
{
    playing();
    ScrollText = "title";
    SongFile = "/playing.mp3";
    fillList(window().List1, {"a", "b", "c"});
    ft::click(window().List1, 300, rowY(window().List1, 2));
    EXPECT_EQ(NextSong, 2);
    EXPECT_EQ(window().Text1.Text(), "2");
    EXPECT_NE(player().Tonewheel1.IsPlaying(), 0) << "a click only picks";
    ft::doubleClick(window().List1, 300, rowY(window().List1, 1));
    EXPECT_EQ(NextSong, 1);
    EXPECT_EQ(window().Text1.Text(), "1");
    EXPECT_EQ(player().Tonewheel1.IsPlaying(), 0);
    EXPECT_EQ(SongFile, "");
    EXPECT_EQ(ScrollText, "");
    EXPECT_TRUE(player().Timer10.Enabled());
    clock.advance(1000);
    EXPECT_EQ(SongFile, "b");

    shuffleOn();
    fillList(window().List7, {"c", "a", "b"});
    ft::doubleClick(window().List7, 300, rowY(window().List7, 1));
    EXPECT_EQ(NextShuffle, 1);
    EXPECT_EQ(NextSong, 1);
    clock.advance(1000);
    EXPECT_EQ(SongFile, "a");
}

TEST_F(PlaylistWindow, DoubleClickOnAnEmptyListLeavesTheSongPlaying)
{
    playing();
    window().Show();
    ft::doubleClick(window().List1, 300, 300);
    EXPECT_NE(player().Tonewheel1.IsPlaying(), 0);
    EXPECT_FALSE(player().Timer10.Enabled());
}

} // namespace
