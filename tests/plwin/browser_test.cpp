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
        usb = dir.path("usb");
        music = usb + "/Music";
        fs::create_directories(music + "/Rock");
        for (const char* name : {"a.mp3", "b.MP3", "c.wav"})
            file("usb/Music/" + std::string(name));
        forms::testing::setMountTable("/dev/sdb1 " + usb + " vfat rw 0 0\n/dev/sr0 " + dir.path("cdrom") +
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
    void expectShown(const std::string& drive, const std::string& folder)
    {
        EXPECT_EQ(player().Drive1.Drive(), drive);
        EXPECT_EQ(player().Dir1.Path(), folder);
        EXPECT_EQ(player().File1.Path(), folder);
    }
    void pickDrive(const std::string& drive)
    {
        auto* combo = static_cast<QComboBox*>(player().Drive1.widget());
        const int row = combo->findText(QString::fromStdString(drive));
        ASSERT_GE(row, 0);
        Q_EMIT combo->activated(row);
    }
    std::string usb, music;
};

TEST_F(Browser, DriveMovesTheFolderListWhichMovesTheFileList)
{
    Player& p = player();
    ASSERT_TRUE(p.Drive1.setDrive(usb));
    expectShown(usb, usb);
    ASSERT_TRUE(p.Dir1.setPath(music));
    expectShown(usb, music);
    EXPECT_EQ(p.File1.ListCount(), 2) << "only *.mp3*, any case";
    ASSERT_TRUE(p.Drive1.setDrive("/"));
    EXPECT_EQ(p.Dir1.Path(), forms::CurrentFolderOfDrive("/"));
    ASSERT_TRUE(p.Drive1.setDrive(usb));
    expectShown(usb, music);

    // A folder remembered on a drive that has since gone: the nearest one left above it.
    p.Dir1.setPath(music + "/Rock");
    p.Drive1.setDrive("/");
    fs::remove(music + "/Rock");
    p.Drive1.setDrive(usb);
    expectShown(usb, music);
    EXPECT_TRUE(script().msgBoxes.empty());
}

TEST_F(Browser, ANotReadyDriveIsReportedOnceAndTheListsGoBack)
{
    const std::string cdrom = dir.path("cdrom");
    player().Drive1.setDrive(usb);
    player().Dir1.setPath(music);
    pickDrive(cdrom);
    ASSERT_EQ(script().msgBoxes.size(), 1u);
    EXPECT_EQ(script().msgBoxes[0].prompt, "Drive " + cdrom + " not ready");
    EXPECT_EQ(script().msgBoxes[0].style, 48);
    EXPECT_EQ(script().msgBoxes[0].title, "Sonavel");
    expectShown(usb, music);

    // The drive shown before has gone as well: the lists end on the root drive.
    fs::remove_all(usb);
    pickDrive(cdrom);
    EXPECT_EQ(script().msgBoxes.size(), 2u);
    EXPECT_EQ(player().Drive1.Drive(), "/");
    EXPECT_EQ(player().Dir1.Path(), forms::CurrentFolderOfDrive("/"));
}

TEST_F(Browser, AClickedFileIsAppendedAndStartsOnlyWhenNothingPlays)
{
    Player& p = player();
    p.Dir1.setPath(music);
    p.Show();
    SongFile = "/current.mp3";
    window().List7.AddItem("/s.mp3"); // a shuffled order on show is not extended
    window().List7.setVisible(true);
    forms::testing::click(p.File1, 300, rowY(p.File1, 0));
    EXPECT_EQ(items(window().List1), V{music + "/a.mp3"});
    EXPECT_EQ(items(window().List7), V{"/s.mp3"});
    EXPECT_EQ(SongFile, "/current.mp3");
    EXPECT_TRUE(p.Timer10.Enabled());

    p.Timer10.setEnabled(false);
    playing();
    p.File1.setListIndex(0);
    EXPECT_EQ(items(window().List1), (V{music + "/a.mp3", music + "/a.mp3"})) << "the same file twice";
    EXPECT_FALSE(p.Timer10.Enabled());
}

TEST_F(Browser, AFileOrFolderThatWentAwayAddsNothingAndTheListsCatchUp)
{
    Player& p = player();
    p.Drive1.setDrive(usb);
    p.Dir1.setPath(music);
    fs::remove(music + "/a.mp3");
    p.File1.setListIndex(0);
    EXPECT_EQ(window().List1.ListCount(), 0);
    EXPECT_EQ(p.File1.ListCount(), 1);
    EXPECT_EQ(p.File1.List(0), "b.MP3");

    fs::remove_all(music);
    p.File1.setListIndex(0);
    EXPECT_EQ(window().List1.ListCount(), 0);
    expectShown(usb, usb);
    EXPECT_FALSE(p.Timer10.Enabled());
}

} // namespace
