#include "PlwinFixture.h"

#include "playlist/PlaylistCommands.h"

namespace
{

using V = std::vector<std::string>;

class LoadCommand : public PlwinTest
{
  protected:
    void SetUp() override
    {
        // Side by side, so that each press lands on its own window.
        shade().setTop(player().Height() + 300);
        window().setLeft(player().Width() + 300);
        player().Show();
        shade().Show();
        window().Show();
    }
    void before()
    {
        playing();
        window().List1.Clear();
        window().List1.AddItem("/old.mp3");
        window().List7.Clear();
        window().List7.AddItem("/shuffled.mp3");
        LastPlaylist = PlaylistFile = "/prev.m3u";
        player().txtsongfile.setText(LastPlaylist);
        NextSong = NextShuffle = 1;
        player().Timer10.setEnabled(false);
    }
    std::string remembered() { return LastPlaylist + " " + PlaylistFile + " " + player().txtsongfile.Text(); }
};

TEST_F(LoadCommand, EveryMemberReplacesThePlaylistAndStartsItsFirstEntry)
{
    struct Member {
        forms::Image& button;
        forms::CommonDialog& dialog;
        std::string_view filter;
    } members[] = {
        {player().imgLoad, player().CommonDialog1, playlist::MainLoadFilter},
        {shade().LoadS, player().CommonDialog1, playlist::MainLoadFilter},
        {window().imgLoad, window().CommonDialog1, playlist::PlaylistLoadFilter},
    };
    std::string previous; // the main window's dialog opens on the name chosen the time before
    for (const Member& m : members) {
        SCOPED_TRACE(m.button.Name());
        before();
        const std::string list = file(m.button.Name() + ".m3u", "#EXTM3U\r\n/m/a.mp3\r\n/m/b.mp3\r\n");
        if (&m.button == &shade().LoadS) player().imgLoad.setVisible(false); // its release shows it too
        script().fileDialogAnswers.push_back(list);
        forms::testing::press(m.button, 2);
        EXPECT_FALSE(m.button.Visible());
        forms::testing::release(m.button, 2);
        EXPECT_TRUE(m.button.Visible() && player().imgLoad.Visible());
        EXPECT_EQ(lastDialog(), "open|Load Playlist|4|" + std::string(m.filter) + "|1||" +
                                    (&m.dialog == &player().CommonDialog1 ? previous : "") + "|cancel error");
        EXPECT_EQ(m.dialog.FileName, list);
        previous = list;

        EXPECT_EQ(player().Tonewheel1.IsPlaying(), 0);
        EXPECT_EQ(items(window().List1), (V{"/m/a.mp3", "/m/b.mp3"}));
        EXPECT_EQ(items(window().List7).size(), 1u) << "the shuffled order is not touched";
        EXPECT_EQ(NextSong, 0);
        EXPECT_EQ(NextShuffle, 1);
        EXPECT_EQ(remembered(), list + " " + list + " " + list);
        clock.advance(1000);
        EXPECT_EQ(SongFile, "/m/a.mp3");
    }
}

TEST_F(LoadCommand, ACancelOrAFileThatCannotBeReadChangesNothing)
{
    script().fileDialogAnswers = {std::nullopt, dir.path("nowhere/x.m3u"), dir.path("")};
    for (forms::Image* button : {&player().imgLoad, &shade().LoadS, &window().imgLoad}) {
        SCOPED_TRACE(button->Name());
        before();
        push(*button);
        EXPECT_TRUE(button->Visible());
        EXPECT_NE(player().Tonewheel1.IsPlaying(), 0);
        EXPECT_EQ(items(window().List1), V{"/old.mp3"});
        EXPECT_EQ(remembered(), "/prev.m3u /prev.m3u /prev.m3u");
        EXPECT_EQ(NextSong, 1);
        EXPECT_FALSE(player().Timer10.Enabled());
    }
    EXPECT_EQ(script().dialogs.size(), 3u);
}

} // namespace
