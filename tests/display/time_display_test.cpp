#include "DigitFixture.h"

#include "platform/DataDir.h"

#include <QFile>
#include <filesystem>

namespace
{

using TimeDisplay = DigitTest;

TEST_F(TimeDisplay, CaptionSequencesDrawTwoDigitsOrKeepTheirs)
{
    // One caption written per step, as the per-frame handler does. Values outside 0..99 /
    // 0..59 and texts that are no whole number keep the digits.
    struct Step {
        const char* label;
        const char* caption;
        Digits total, elapsed;
    } steps[] = {
        {"Label10", "0", {0, 0, -1, -1}, {-1, -1, -1, -1}}, {"Label7", "7", {0, 0, 0, 7}, {-1, -1, -1, -1}},
        {"Label7", "-1", {0, 0, 0, 7}, {-1, -1, -1, -1}},   {"Label4", "0", {0, 0, 0, 7}, {-1, -1, 0, 0}},
        {"Label3", "0", {0, 0, 0, 7}, {0, 0, 0, 0}},        {"Label4", "59", {0, 0, 0, 7}, {0, 0, 5, 9}},
        {"Label3", "99", {0, 0, 0, 7}, {9, 9, 5, 9}},       {"Label3", "100", {0, 0, 0, 7}, {9, 9, 5, 9}},
        {"Label4", "60", {0, 0, 0, 7}, {9, 9, 5, 9}},       {"Label4", "780", {0, 0, 0, 7}, {9, 9, 5, 9}},
        {"Label10", "99", {9, 9, 0, 7}, {9, 9, 5, 9}},      {"Label10", "100", {9, 9, 0, 7}, {9, 9, 5, 9}},
        {"Label7", "59", {9, 9, 5, 9}, {9, 9, 5, 9}},       {"Label7", "60", {9, 9, 5, 9}, {9, 9, 5, 9}},
        {"Label3", "Label3", {9, 9, 5, 9}, {9, 9, 5, 9}},   {"Label3", "1.5", {9, 9, 5, 9}, {9, 9, 5, 9}},
        {"Label3", "", {9, 9, 5, 9}, {9, 9, 5, 9}},         {"Label3", "1x", {9, 9, 5, 9}, {9, 9, 5, 9}},
        {"Label3", "nan", {9, 9, 5, 9}, {9, 9, 5, 9}},      {"Label3", "12.0", {9, 9, 5, 9}, {1, 2, 5, 9}},
        {"Label4", "8", {9, 9, 5, 9}, {1, 2, 0, 8}},
    };
    Player& p = player();
    for (const Step& s : steps) {
        const std::string label = s.label;
        (label == "Label10"  ? p.Label10
         : label == "Label7" ? p.Label7
         : label == "Label3" ? p.Label3
                             : p.Label4)
            .setCaption(s.caption);
        SCOPED_TRACE(label + " = \"" + s.caption + "\"");
        EXPECT_EQ((Digits{digitIn(p.time5), digitIn(p.time6), digitIn(p.time7), digitIn(p.time8)}), s.total);
        EXPECT_EQ(elapsed(), s.elapsed);
        EXPECT_EQ(strip(), s.elapsed);
    }
}

TEST_F(TimeDisplay, FirstElapsedDrawCreatesTheStripHiddenWithCurrentDigits)
{
    player().Label10.setCaption("3");
    ASSERT_FALSE(forms::isLoaded<Shade>()) << "the total is not shown on the strip";
    player().Label4.setCaption("42");
    ASSERT_TRUE(forms::isLoaded<Shade>());
    EXPECT_FALSE(shade().Visible());
    EXPECT_EQ(strip(), (Digits{-1, -1, 4, 2}));
}

TEST_F(TimeDisplay, UnreadableDigitFilesLeaveTheirBoxes)
{
    Player& p = player();
    p.Label4.setCaption("12");
    QFile::remove(digitPath(4));
    QFile garbage(digitPath(3));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly | QIODevice::Truncate));
    garbage.write("not a bitmap at all");
    garbage.close();
    p.Label4.setCaption("34");
    p.Label4.setCaption("54"); // the other box of the row is still drawn
    EXPECT_EQ(elapsed(), (Digits{-1, -1, 5, 2}));

    // No folder at all, and an empty one (the path then starts at "/time/").
    for (const std::string& folder : {WinDir + "/nowhere", std::string()}) {
        WinDir = folder;
        p.Label3.setCaption(folder.empty() ? "7" : "8");
        p.Label4.setCaption(folder.empty() ? "9" : "11");
        EXPECT_EQ(strip(), (Digits{-1, -1, 5, 2}));
    }
}

TEST_F(TimeDisplay, ADigitFileIsDecodedOnceUntilReplacedOnDisk)
{
    Player& p = player();
    p.Label7.setCaption("11");
    const forms::Picture before = p.time8.Picture();
    p.Label7.setCaption("21");
    EXPECT_EQ(p.time8.Picture().data, before.data);
    writeDigit(1, 9); // another size, so the change shows whatever the clock's grain
    p.Label7.setCaption("31");
    EXPECT_EQ(p.time8.Picture().widthPixels(), 9);
}

TEST(SharedDataFolder, WindirFirstElseAFolderHoldingTheDigitsAndBlankDigitsToldOnce)
{
    const char* old = std::getenv("windir");
    const std::string saved = old ? old : "";
    testing::internal::CaptureStderr();
    setenv("windir", "/some/where", 1);
    EXPECT_EQ(platform::sharedDataFolder(), "/some/where");
    EXPECT_EQ(platform::sharedDataFolder(), "/some/where");
    setenv("windir", "", 1);
    EXPECT_TRUE(std::filesystem::is_regular_file(platform::sharedDataFolder() + "/time/00.bmp"));
    unsetenv("windir");
    EXPECT_TRUE(std::filesystem::is_regular_file(platform::sharedDataFolder() + "/time/00.bmp"));
    EXPECT_EQ(
        testing::internal::GetCapturedStderr(),
        "sonavel: no time/ folder of digit bitmaps in /some/where (windir); the time digits stay blank\n");
    if (old) setenv("windir", saved.c_str(), 1);
}

} // namespace
