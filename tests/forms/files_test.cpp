#include "FormsTest.h"
#include "platform/forms/FileControls.h"
#include "platform/forms/Testing.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

namespace
{

namespace ft = forms::testing;

struct Browser : forms::Form {
    Browser() : Form({.Caption = "Browser", .Width = 3000, .Height = 3000}) {}
    forms::DriveListBox Drive1{*this, {.Name = "Drive1", .Left = 0, .Top = 0, .Width = 2100, .Height = 270}};
    forms::DirListBox Dir1{*this, {.Name = "Dir1", .Left = 0, .Top = 300, .Width = 2100, .Height = 810}};
    forms::FileListBox File1{*this, {.Name = "File1", .Left = 0, .Top = 1200, .Width = 2100, .Height = 930}};
};

// The vertical middle of a list's row in twips, scrolled into view first.
float rowCentre(forms::Control& list, int row)
{
    auto* view = static_cast<QAbstractItemView*>(list.widget());
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    const QPoint centre = view->viewport()->mapTo(view, view->visualRect(index).center());
    return static_cast<float>(centre.y() * forms::TwipsPerPixel);
}

// Rows of a folder list above the sub-folders: "/" and each folder down to the path.
std::size_t chainLength(const std::string& path)
{
    return static_cast<std::size_t>(std::count(path.begin(), path.end(), '/')) + 1;
}

class Files : public FormsTest
{
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(tmp.isValid());
        root = tmp.path().toStdString();
        for (const char* dir :
             {"usb", "usb/Music", "usb/Music/Rock", "usb/Music/jazz", "usb/.hidden", "home"})
            QDir().mkpath(tmp.filePath(dir));
        for (const char* file : {"usb/Music/b.MP3", "usb/Music/a.mp3", "usb/Music/c.wav",
                                 "usb/Music/d.mp3.part", "usb/Music/.e.mp3"})
            QFile(tmp.filePath(file)).open(QIODevice::WriteOnly);
        // Names from an older system, in Latin-1: not UTF-8, so only their bytes name them.
        std::filesystem::create_directory(root + "/usb/Music/Alt\xe9");
        std::ofstream(root + "/usb/Music/caf\xe9.mp3");
        ft::setMountTable("/dev/sda1 / ext4 rw 0 0\nproc /proc proc rw 0 0\ntmpfs /run tmpfs rw 0 0\n"
                          "/dev/sdb1 " +
                          root + "/usb vfat rw 0 0\n/dev/sr0 " + root +
                          "/cdrom iso9660 ro 0 0\n"
                          "/dev/sdc1 " +
                          root + "/my\\040disk ext4 rw 0 0\n/dev/sdd1 " + root +
                          "/disque\\351 vfat rw 0 0\n");
        ft::forgetDriveFolders();
    }
    void TearDown() override
    {
        ft::setMountTable("");
        ft::forgetDriveFolders();
        // Qt cannot name the Latin-1 entries, so it would leave the folder behind.
        std::filesystem::remove_all(root);
        FormsTest::TearDown();
    }
    QTemporaryDir tmp;
    std::string root;
};

TEST_F(Files, DrivesAreRootAndTheMountPointsOfRealFileSystems)
{
    Browser b;
    std::vector<std::string> drives;
    for (int i = 0; i < b.Drive1.ListCount(); ++i)
        drives.push_back(b.Drive1.List(i));
    const std::string latin1 = root + "/disque\xe9"; // a mount point named on an older system
    EXPECT_EQ(drives,
              (std::vector<std::string>{"/", root + "/cdrom", latin1, root + "/my disk", root + "/usb"}));
    EXPECT_EQ(b.Drive1.List(5), "");
    std::filesystem::create_directory(latin1);
    ASSERT_TRUE(b.Drive1.setDrive(latin1));
    EXPECT_EQ(static_cast<QComboBox*>(b.Drive1.widget())->currentIndex(), 2);
}

TEST_F(Files, SettingANotReadyDriveFailsAndChangesNothing)
{
    Browser b;
    int changes = 0;
    b.Drive1.onChange = [&] { ++changes; };
    ASSERT_TRUE(b.Drive1.setDrive(root + "/usb"));
    EXPECT_EQ(b.Drive1.Drive(), root + "/usb");
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(b.Drive1.setDrive(root + "/cdrom")); // its mount point cannot be listed
    EXPECT_FALSE(b.Drive1.setDrive(""));
    EXPECT_EQ(b.Drive1.Drive(), root + "/usb");
    EXPECT_EQ(changes, 1);
    // A folder names the drive that holds it; the same drive again is no change.
    EXPECT_TRUE(b.Drive1.setDrive(root + "/usb/Music/Rock"));
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(b.Drive1.setDrive(root + "/home"));
    EXPECT_EQ(b.Drive1.Drive(), "/");
    EXPECT_EQ(changes, 2);
}

TEST_F(Files, UsersPickOfADriveChangesItEvenWhenNotReady)
{
    Browser b;
    std::vector<std::string> seen;
    // The browser's own recovery: a drive whose folder cannot be shown goes back to the folder's drive.
    b.Drive1.onChange = [&] {
        seen.push_back(b.Drive1.Drive());
        if (!b.Dir1.setPath(forms::CurrentFolderOfDrive(b.Drive1.Drive()))) b.Drive1.setDrive(b.Dir1.Path());
    };
    auto* combo = static_cast<QComboBox*>(b.Drive1.widget());
    const int cdrom = combo->findText(QString::fromStdString(root + "/cdrom"));
    ASSERT_GE(cdrom, 0);
    Q_EMIT combo->activated(cdrom);
    EXPECT_EQ(seen, (std::vector<std::string>{root + "/cdrom", "/"}));
    EXPECT_EQ(b.Drive1.Drive(), "/");
    EXPECT_EQ(combo->currentText(), QStringLiteral("/"));
}

TEST_F(Files, EachDriveRemembersTheFolderLastShownOnItThisRun)
{
    Browser b;
    const std::string usb = root + "/usb";
    EXPECT_EQ(forms::CurrentFolderOfDrive(usb), usb) << "at first: the mount point";
    ASSERT_TRUE(b.Dir1.setPath(usb + "/Music/jazz"));
    ASSERT_TRUE(b.Dir1.setPath(root + "/home"));
    EXPECT_EQ(forms::CurrentFolderOfDrive(usb), usb + "/Music/jazz");
    EXPECT_EQ(forms::CurrentFolderOfDrive(usb + "/Music"), usb + "/Music/jazz");
    EXPECT_EQ(forms::CurrentFolderOfDrive("/"), root + "/home");
}

TEST_F(Files, FolderListShowsTheChainThenSubFolders)
{
    Browser b;
    int changes = 0;
    b.Dir1.onChange = [&] { ++changes; };
    const std::string music = root + "/usb/Music";
    ASSERT_TRUE(b.Dir1.setPath(music));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(b.Dir1.Path(), music);
    EXPECT_EQ(b.Dir1.ListCount(), 3);
    EXPECT_EQ(b.Dir1.List(0), music + "/Alt\xe9");
    EXPECT_EQ(b.Dir1.List(1), music + "/jazz") << "sorted regardless of case";
    EXPECT_EQ(b.Dir1.List(2), music + "/Rock");
    EXPECT_EQ(b.Dir1.List(3), "");
    EXPECT_EQ(b.Dir1.List(-1), music);
    EXPECT_EQ(b.Dir1.List(-2), root + "/usb");
    EXPECT_EQ(b.Dir1.ListIndex(), -1);
    const auto* model = static_cast<QAbstractItemView*>(b.Dir1.widget())->model();
    EXPECT_EQ(model->rowCount(), static_cast<int>(chainLength(music)) + 3);
    EXPECT_EQ(model->index(0, 0).data().toString(), QStringLiteral("/"));

    EXPECT_FALSE(b.Dir1.setPath(root + "/nowhere"));
    EXPECT_EQ(b.Dir1.Path(), music);
    EXPECT_TRUE(b.Dir1.setPath(music + "/")); // the same folder: no change
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(b.Dir1.setPath("Rock")); // relative to the folder shown
    EXPECT_EQ(b.Dir1.Path(), music + "/Rock");
}

TEST_F(Files, DoubleClickOpensAFolder)
{
    Browser b;
    const std::string music = root + "/usb/Music";
    ASSERT_TRUE(b.Dir1.setPath(music));
    std::vector<std::string> paths;
    b.Dir1.onChange = [&] { paths.push_back(b.Dir1.Path()); };
    const int firstSub = static_cast<int>(chainLength(music));
    ft::doubleClick(b.Dir1, 300, rowCentre(b.Dir1, firstSub + b.Dir1.ListCount() - 1));
    ASSERT_TRUE(b.Dir1.setPath(music));
    ft::doubleClick(b.Dir1, 300, rowCentre(b.Dir1, firstSub)); // a name that is not UTF-8
    EXPECT_EQ(paths, (std::vector<std::string>{music + "/Rock", music, music + "/Alt\xe9"}));
    // Shown with a replacement character where a byte cannot be shown, at the chain's end.
    const auto* model = static_cast<QAbstractItemView*>(b.Dir1.widget())->model();
    EXPECT_EQ(model->index(firstSub, 0).data().toString().trimmed(), QStringLiteral("Alt\uFFFD"));
}

TEST_F(Files, FileListShowsFilesMatchingItsPatternRegardlessOfCase)
{
    Browser b;
    int pathChanges = 0, clicks = 0;
    b.File1.onPathChange = [&] { ++pathChanges; };
    b.File1.onClick = [&] { ++clicks; };
    b.File1.setPattern("*.mp3*");
    ASSERT_TRUE(b.File1.setPath(root + "/usb/Music"));
    EXPECT_EQ(pathChanges, 1);
    std::vector<std::string> names;
    for (int i = 0; i < b.File1.ListCount(); ++i)
        names.push_back(b.File1.List(i));
    EXPECT_EQ(names, (std::vector<std::string>{"a.mp3", "b.MP3", "caf\xe9.mp3", "d.mp3.part"}));
    const auto* model = static_cast<QAbstractItemView*>(b.File1.widget())->model();
    EXPECT_EQ(model->index(2, 0).data().toString(), QStringLiteral("caf\uFFFD.mp3"));
    EXPECT_EQ(b.File1.FileName(), "");
    b.File1.setListIndex(1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(b.File1.FileName(), "b.MP3");
    b.File1.setPattern("*.WAV");
    EXPECT_EQ(b.File1.ListCount(), 1);
    EXPECT_EQ(b.File1.FileName(), "");
    EXPECT_FALSE(b.File1.setPath(root + "/nowhere"));
    EXPECT_EQ(b.File1.Path(), root + "/usb/Music");
    EXPECT_EQ(b.File1.List(0), "c.wav");
}

TEST_F(Files, ClickInTheFileListPicksTheFile)
{
    Browser b;
    b.File1.setPattern("*.mp3");
    ASSERT_TRUE(b.File1.setPath(root + "/usb/Music"));
    std::string clicked;
    b.File1.onClick = [&] { clicked = b.File1.FileName(); };
    ft::click(b.File1, 300, rowCentre(b.File1, 1));
    EXPECT_EQ(clicked, "b.MP3");
}

} // namespace
