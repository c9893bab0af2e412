#include "PlwinFixture.h"

#include <QComboBox>

namespace
{

using V = std::vector<std::string>;
namespace fs = std::filesystem;

class Browser : public PlwinTest
{
  protected:
    void SetUp() override
    {
        fs::create_directories(music + "/Rock");
        for (const char* name : {"a.mp3", "b.MP3", "c.wav"})
            file("usb/Music/" + std::string(name));
        forms::testing::setMountTable("/dev/sdb1 " + usb + " vfat rw 0 0\n/dev/sr0 " + cdrom +
                                      " iso9660 ro 0 0\n");
        forms::testing::forgetDriveFolders();
        // The drive list reads the drives when it is made: a main window made earlier goes.
        forms::Unload<Player>();
        forms::collectUnloaded();
    }
    void TearDown() override
    {
        forms::testing::setMountTable("");
        forms::testing::forgetDriveFolders();
    }
    std::string shown()
    {
        return player().Drive1.Drive() + " " + player().Dir1.Path() + " " + player().File1.Path();
    }
    void pickDrive(const std::string& drive) // as the user picks it
    {
        auto* combo = static_cast<QComboBox*>(player().Drive1.widget());
        Q_EMIT combo->activated(combo->findText(QString::fromStdString(drive)));
    }
    const std::string usb = dir.path("usb"), music = usb + "/Music", cdrom = dir.path("cdrom");
};

TEST_F(Browser, DriveMovesTheFolderListWhichMovesTheFileList)
{
    Player& p = player();
    ASSERT_TRUE(p.Drive1.setDrive(usb));
    EXPECT_EQ(shown(), usb + " " + usb + " " + usb);
    ASSERT_TRUE(p.Dir1.setPath(music + "/Rock"));
    ASSERT_TRUE(p.Drive1.setDrive("/"));
    EXPECT_EQ(p.Dir1.Path(), forms::CurrentFolderOfDrive("/"));
    // Back on a drive whose remembered folder has gone meanwhile: the nearest one left above it.
    fs::remove(music + "/Rock");
    ASSERT_TRUE(p.Drive1.setDrive(usb));
    EXPECT_EQ(shown(), usb + " " + music + " " + music);
    EXPECT_EQ(p.File1.ListCount(), 2) << "only *.mp3*, any case";
    EXPECT_TRUE(script().msgBoxes.empty());
}

TEST_F(Browser, ANotReadyDriveIsReportedOnceAndTheListsGoBack)
{
    player().Drive1.setDrive(usb);
    player().Dir1.setPath(music);
    pickDrive(cdrom);
    ASSERT_EQ(script().msgBoxes.size(), 1u);
    EXPECT_EQ(script().msgBoxes[0].prompt, "Drive " + cdrom + " not ready");
    EXPECT_EQ(script().msgBoxes[0].style, 48);
    EXPECT_EQ(script().msgBoxes[0].title, "Sonavel");
    EXPECT_EQ(shown(), usb + " " + music + " " + music);

    fs::remove_all(usb); // the drive shown before has gone as well: back to the root drive
    pickDrive(cdrom);
    EXPECT_EQ(script().msgBoxes.size(), 2u);
    EXPECT_EQ(shown(), "/ " + forms::CurrentFolderOfDrive("/") + " " + forms::CurrentFolderOfDrive("/"));
}

TEST_F(Browser, AClickedFileIsAppendedAndStartsOnlyWhenNothingPlays)
{
    Player& p = player();
    // A name from an older system, in Latin-1: listed, added by its own bytes, and played.
    const std::string old = music + "/caf\xe9.mp3";
    audiotest::writeMp3(old, audiotest::plainMp3(22050, 1, 0.2));
    p.Dir1.setPath(music);
    p.Show();
    SongFile = "/current.mp3";
    window().List7.AddItem("/s.mp3"); // a shuffled order on show is not extended
    window().List7.setVisible(true);
    forms::testing::click(p.File1, 300, rowY(p.File1, 2));
    EXPECT_EQ(items(window().List1), V{old});
    EXPECT_EQ(items(window().List7), V{"/s.mp3"});
    EXPECT_EQ(SongFile, "/current.mp3");
    EXPECT_TRUE(p.Timer10.Enabled());
    clock.advance(1000);
    EXPECT_EQ(SongFile, old);
    EXPECT_EQ(p.Label12.Caption(), "22050");

    playing();
    p.File1.setListIndex(0);
    p.File1.setListIndex(0);
    EXPECT_EQ(items(window().List1), (V{old, music + "/a.mp3", music + "/a.mp3"})) << "the same file twice";
    EXPECT_FALSE(p.Timer10.Enabled());

    // A file, then its whole folder, gone since the list was filled: nothing added, the lists catch up.
    fs::remove(music + "/a.mp3");
    p.File1.setListIndex(0);
    EXPECT_EQ(p.File1.List(0), "b.MP3");
    fs::remove_all(music);
    p.File1.setListIndex(0);
    EXPECT_EQ(window().List1.ListCount(), 3);
    EXPECT_EQ(p.Dir1.Path() + " " + p.File1.Path(), usb + " " + usb);
}

} // namespace
