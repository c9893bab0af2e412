#include "DigitFixture.h"

#include "display/TimeDisplay.h"
#include "platform/DataDir.h"

#include <QFile>
#include <filesystem>
#include <vector>

namespace
{

using Digits = std::vector<int>; // the boxes of a row, tens then units; -1 empty

class TimeDisplay : public DigitTest
{
  protected:
    Digits total()
    {
        Player& p = player();
        return {digitIn(p.time5), digitIn(p.time6), digitIn(p.time7), digitIn(p.time8)};
    }
    Digits elapsed()
    {
        Player& p = player();
        return {digitIn(p.Time1), digitIn(p.time2), digitIn(p.time3), digitIn(p.time4)};
    }
    Digits strip()
    {
        Shade& s = shade();
        return {digitIn(s.Time1), digitIn(s.time2), digitIn(s.time3), digitIn(s.time4)};
    }
};

TEST_F(TimeDisplay, CaptionSequencesDrawTwoDigitsOrKeepTheirs)
{
    // Each step writes one caption as the per-frame handler does; the digits of all four
    // boxes of each row after it. Values outside 0..23 / 0..59 and non-numbers keep them.
    struct Step {
        const char* label;
        const char* caption;
        Digits total, elapsed;
    } steps[] = {
        {"Label10", "0", {0, 0, -1, -1}, {-1, -1, -1, -1}}, {"Label7", "7", {0, 0, 0, 7}, {-1, -1, -1, -1}},
        {"Label7", "-1", {0, 0, 0, 7}, {-1, -1, -1, -1}},   {"Label4", "-1", {0, 0, 0, 7}, {-1, -1, -1, -1}},
        {"Label4", "0", {0, 0, 0, 7}, {-1, -1, 0, 0}},      {"Label3", "0", {0, 0, 0, 7}, {0, 0, 0, 0}},
        {"Label4", "59", {0, 0, 0, 7}, {0, 0, 5, 9}},       {"Label3", "23", {0, 0, 0, 7}, {2, 3, 5, 9}},
        {"Label3", "24", {0, 0, 0, 7}, {2, 3, 5, 9}},       {"Label4", "60", {0, 0, 0, 7}, {2, 3, 5, 9}},
        {"Label4", "780", {0, 0, 0, 7}, {2, 3, 5, 9}},      {"Label10", "23", {2, 3, 0, 7}, {2, 3, 5, 9}},
        {"Label10", "24", {2, 3, 0, 7}, {2, 3, 5, 9}},      {"Label7", "59", {2, 3, 5, 9}, {2, 3, 5, 9}},
        {"Label7", "60", {2, 3, 5, 9}, {2, 3, 5, 9}},       {"Label3", "Label3", {2, 3, 5, 9}, {2, 3, 5, 9}},
        {"Label3", "1.5", {2, 3, 5, 9}, {2, 3, 5, 9}},      {"Label3", "", {2, 3, 5, 9}, {2, 3, 5, 9}},
        {"Label3", "1x", {2, 3, 5, 9}, {2, 3, 5, 9}},       {"Label3", "12", {2, 3, 5, 9}, {1, 2, 5, 9}},
        {"Label4", "8", {2, 3, 5, 9}, {1, 2, 0, 8}},
    };
    Player& p = player();
    for (const Step& s : steps) {
        const std::string label = s.label;
        forms::Label& caption = label == "Label10"  ? p.Label10
                                : label == "Label7" ? p.Label7
                                : label == "Label3" ? p.Label3
                                                    : p.Label4;
        caption.setCaption(s.caption);
        SCOPED_TRACE(label + " = \"" + s.caption + "\"");
        EXPECT_EQ(total(), s.total);
        EXPECT_EQ(elapsed(), s.elapsed);
        EXPECT_EQ(strip(), s.elapsed) << "the strip shows the elapsed time as the main window does";
    }
}

TEST_F(TimeDisplay, FirstElapsedDrawCreatesTheStripHiddenWithCurrentDigits)
{
    ASSERT_FALSE(forms::isLoaded<Shade>());
    player().Label10.setCaption("3");
    EXPECT_FALSE(forms::isLoaded<Shade>()) << "the total is not shown on the strip";
    player().Label4.setCaption("42");
    ASSERT_TRUE(forms::isLoaded<Shade>());
    EXPECT_FALSE(shade().Visible());
    EXPECT_EQ(strip(), (Digits{-1, -1, 4, 2}));
}

TEST_F(TimeDisplay, UnreadableDigitFilesLeaveTheirBoxes)
{
    Player& p = player();
    p.Label4.setCaption("12");
    // One digit missing, one garbage: the other box of the row is still drawn.
    QFile::remove(QString::fromStdString(digitPath(WinDir, 4)));
    QFile garbage(QString::fromStdString(digitPath(WinDir, 3)));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly | QIODevice::Truncate));
    garbage.write("not a bitmap at all");
    garbage.close();
    p.Label4.setCaption("34");
    EXPECT_EQ(elapsed(), (Digits{-1, -1, 1, 2}));
    p.Label4.setCaption("54");
    EXPECT_EQ(elapsed(), (Digits{-1, -1, 5, 2}));

    // No folder at all, and an unset folder (the path then starts at "/time/").
    for (const std::string& folder : {std::string(dir.path().toStdString() + "/nowhere"), std::string()}) {
        WinDir = folder;
        p.Label3.setCaption(folder.empty() ? "7" : "8");
        p.Label4.setCaption(folder.empty() ? "9" : "11");
        EXPECT_EQ(elapsed(), (Digits{-1, -1, 5, 2}));
        EXPECT_EQ(strip(), (Digits{-1, -1, 5, 2}));
    }
}

TEST_F(TimeDisplay, ADigitFileReplacedOnDiskIsDrawnAnew)
{
    Player& p = player();
    p.Label7.setCaption("11");
    const forms::Picture before = p.time8.Picture();
    p.Label7.setCaption("21");
    EXPECT_EQ(p.time8.Picture().data, before.data) << "an unchanged file is decoded once";

    writeDigit(WinDir, 1, 9); // another size, so the change shows whatever the clock's grain
    p.Label7.setCaption("31");
    EXPECT_EQ(p.time8.Picture().widthPixels(), 9);
}

TEST_F(TimeDisplay, WholeCaptionValues)
{
    struct Case {
        const char* caption;
        int last;
        std::optional<int> value;
    } cases[] = {
        {"0", 23, 0},       {"23", 23, 23},  {"24", 23, {}}, {"59", 59, 59},   {"60", 59, {}},
        {"-1", 59, {}},     {"780", 59, {}}, {"7.0", 59, 7}, {"7.25", 59, {}}, {" 7 ", 59, 7},
        {"Label3", 23, {}}, {"", 23, {}},    {"  ", 23, {}}, {"nan", 59, {}},  {"inf", 59, {}},
        {"1e1", 59, 10},    {"7 7", 59, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(wholeCaptionValue(c.caption, c.last), c.value) << '"' << c.caption << '"';
}

TEST(SharedDataFolder, WindirFirstElseAFolderHoldingTheDigits)
{
    const char* old = std::getenv("windir");
    const std::string saved = old ? old : "";
    setenv("windir", "/some/where", 1);
    EXPECT_EQ(platform::sharedDataFolder(), "/some/where");
    for (const char* unset : {static_cast<const char*>(""), static_cast<const char*>(nullptr)}) {
        if (unset)
            setenv("windir", unset, 1);
        else
            unsetenv("windir");
        const std::string folder = platform::sharedDataFolder();
        EXPECT_TRUE(std::filesystem::is_regular_file(folder + "/time/00.bmp")) << folder;
    }
    if (old)
        setenv("windir", saved.c_str(), 1);
    else
        unsetenv("windir");
}

} // namespace
