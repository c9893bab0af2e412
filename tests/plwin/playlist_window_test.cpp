#include "PlwinFixture.h"

namespace
{

using V = std::vector<std::string>;
namespace ft = forms::testing;

class PlaylistWindow : public PlwinTest
{
  protected:
    void shuffleOn(const V& shuffled)
    {
        window().List1.setVisible(false);
        window().List7.setVisible(true);
        player().Shuffle2.setVisible(true);
        for (const std::string& e : shuffled)
            window().List7.AddItem(e);
    }
    void fill(const V& entries)
    {
        window().List1.Clear();
        for (const std::string& e : entries)
            window().List1.AddItem(e);
    }
};

TEST_F(PlaylistWindow, ButtonsHideWhilePressedAndCloseOrMinimiseTheWindow)
{
    frmPlaylist& w = window();
    w.Show();
    for (forms::Image* button :
         {&w.imgSave, &w.imgClear, &w.imgLoad, &w.add1, &w.Delete1, &w.Minimize, &w.pclose}) {
        ft::press(*button, 2);
        EXPECT_FALSE(button->Visible()) << button->Name();
        ft::release(*button, 2);
        EXPECT_TRUE(button->Visible()) << button->Name();
    }
    EXPECT_EQ(w.WindowState(), 1);
    EXPECT_FALSE(w.Visible());
}

TEST_F(PlaylistWindow, AddSongAppendsAndStartsOnlyWhenNothingPlays)
{
    const std::string song = file("new.mp3");
    struct Row {
        bool shuffle, plays;
        std::optional<std::string> answer;
        bool added, timer;
    } rows[] = {
        {false, false, song, true, true},
        {true, false, song, true, true},
        {false, true, song, true, false},
        {false, false, std::nullopt, false, false},
        {false, false, dir.path("gone.mp3"), false, false},
    };
    for (const Row& r : rows) {
        forms::Unload<Player>();
        forms::Unload<frmPlaylist>();
        forms::collectUnloaded();
        SongFile = "/before.mp3";
        if (r.shuffle) shuffleOn({});
        if (r.plays) playing();
        script().fileDialogAnswers.push_back(r.answer);
        push(window().add1);
        EXPECT_EQ(items(window().List1), r.added ? V{song} : V{});
        EXPECT_EQ(items(window().List7), r.added && r.shuffle ? V{song} : V{});
        EXPECT_EQ(SongFile, r.added ? song : "/before.mp3");
        EXPECT_EQ(player().Timer10.Enabled(), r.timer);
        EXPECT_EQ(lastDialog(), "open||0|MP3 Files|*.mp3|ALL Files|*.*|1|||cancel error");
    }
}

TEST_F(PlaylistWindow, DeleteRemovesThePickedEntryAndMovesTheSelectionUp)
{
    // In the shuffled rows (last) both lists hold the entries in the same order.
    struct Row {
        V list;
        int picked, nextSong; // picked -2: nothing selected
        V after;
        int nextAfter;
        bool shuffled = false;
    } rows[] = {
        {{"0", "1", "2", "3", "4", "5", "6"}, 5, 5, {"0", "1", "2", "3", "4", "6"}, 4},
        {{"0", "1"}, 0, 0, {"1"}, -1},
        {{"0", "1", "2", "3"}, 1, 2, {"0", "2", "3"}, 1}, // the one playing: the next still comes next
        {{"0", "1", "2", "3"}, 3, 0, {"0", "1", "2"}, 0}, // the last one playing: the first comes next
        {{"0", "1"}, -2, 1, {"0", "1"}, 1},
        {{}, -2, 0, {}, 0},
        {{"0", "1", "2", "3"}, 3, 0, {"0", "1", "2"}, 0, true},
    };
    for (const Row& r : rows) {
        fill(r.list);
        if (r.shuffled) shuffleOn(r.list);
        forms::ListBox& shown = r.shuffled ? window().List7 : window().List1;
        if (r.picked != -2) shown.setListIndex(r.picked);
        NextSong = NextShuffle = r.nextSong;
        push(window().Delete1);
        EXPECT_EQ(items(window().List1), r.after);
        EXPECT_EQ(NextSong, r.nextAfter);
        EXPECT_EQ(shown.ListIndex(), std::max(r.picked - 1, -1));
        if (r.shuffled) {
            EXPECT_EQ(items(window().List7), r.after);
            EXPECT_EQ(NextShuffle, r.nextAfter);
        } else if (r.picked != -2) {
            EXPECT_EQ(window().Text1.Text(), std::to_string(r.nextAfter));
        }
    }
}

TEST_F(PlaylistWindow, DeleteInShuffleRemovesThePickedSongFromBothLists)
{
    fill({"a", "b", "c", "d"});
    shuffleOn({"d", "c", "b", "a"});
    NextSong = 3;
    ft::click(window().List7, 300, rowY(window().List7, 2));
    push(window().Delete1);
    EXPECT_EQ(items(window().List7), (V{"d", "c", "a"}));
    EXPECT_EQ(items(window().List1), (V{"a", "c", "d"}));
    EXPECT_EQ(NextShuffle, 1);
    EXPECT_EQ(window().List1.List(NextSong), "d") << "the plain index still names its song";

    window().List7.setListIndex(1); // "c" playing, as the timer picked it; "a" due next
    NextShuffle = 2;
    push(window().Delete1);
    EXPECT_EQ(window().List7.List(NextShuffle) + window().List1.List(NextSong), "ad");
}

TEST_F(PlaylistWindow, ClearAndSaveTouchOnlyWhatTheyShould)
{
    playing();
    fill({"/m/a.mp3", "/m/b.mp3"});
    shuffleOn({"/m/b.mp3"});
    LastPlaylist = "/x.m3u";
    window().CommonDialog1.FileName = "old.m3u";
    script().fileDialogAnswers = {dir.path("typed"), std::nullopt, dir.path("empty.m3u")};
    push(window().imgSave); // the plain order, under a name the load can read
    EXPECT_EQ(lastDialog(), "save|Save Playlist|4|MP3 Playlists (*.M3U)|*.M3U|1|||cancel error");
    EXPECT_EQ(audiotest::readBytes(dir.path("typed.M3U")), "/m/a.mp3\r\n/m/b.mp3\r\n");
    push(window().imgSave);
    EXPECT_EQ(PlaylistFile, dir.path("typed.M3U")) << "a cancel writes nothing";

    player().txtsongfile.setText(LastPlaylist);
    NextSong = 1;
    push(window().imgClear);
    EXPECT_EQ(items(window().List7), V{"/m/b.mp3"});
    EXPECT_EQ(LastPlaylist + player().txtsongfile.Text(), "");
    EXPECT_EQ(NextSong, 1);
    EXPECT_NE(player().Tonewheel1.IsPlaying(), 0);
    push(window().imgSave);
    EXPECT_EQ(audiotest::readBytes(dir.path("empty.m3u")), "");
    EXPECT_EQ(dir.entries().size(), 3u);
}

TEST_F(PlaylistWindow, ClicksPickAndDoubleClicksPlay)
{
    playing();
    ScrollText = SongFile = "/playing.mp3";
    window().Show();
    ft::doubleClick(window().List1, 300, 300); // an empty list: nothing to play
    EXPECT_NE(player().Tonewheel1.IsPlaying(), 0);
    EXPECT_FALSE(player().Timer10.Enabled());

    fill({"a", "b", "c"});
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

    shuffleOn({"c", "a", "b"});
    ft::doubleClick(window().List7, 300, rowY(window().List7, 1));
    EXPECT_EQ(NextShuffle + NextSong, 2);
    clock.advance(1000);
    EXPECT_EQ(SongFile, "a");
}

} // namespace
