#include "player/Title.h"

#include <gtest/gtest.h>

namespace
{

std::string blanks(int n)
{
    return std::string(static_cast<size_t>(n), ' ');
}

TEST(Title, PadsPerWayOfStarting)
{
    EXPECT_EQ(tagTitle("A", "B", PlayButtonPads), blanks(25) + "A  --  B" + blanks(13));
    EXPECT_EQ(tagTitle("A", "B", PlayButtonPads).size(), 46u);
    EXPECT_EQ(tagTitle("A", "B", TimerPadsShuffleOn).size(), 48u);
    EXPECT_EQ(tagTitle("A", "B", TimerPadsShuffleOff).size(), 48u);

    const std::string song = "/Music/my song.mp3";
    EXPECT_EQ(fileNameTitle(song, PlayButtonPads), blanks(25) + "my song.mp3" + blanks(12));
    EXPECT_EQ(fileNameTitle(song, TimerPadsShuffleOn), blanks(26) + "my song.mp3" + blanks(15));
    EXPECT_EQ(fileNameTitle(song, TimerPadsShuffleOff), blanks(25) + "my song.mp3" + blanks(15));
    EXPECT_EQ(fileNameTitle("song.mp3", PlayButtonPads), blanks(25) + "song.mp3" + blanks(12));
    EXPECT_EQ(fileNameTitle("/Music/", PlayButtonPads), blanks(37));
    EXPECT_EQ(fileNameTitle("/Music/", TimerPadsShuffleOn), blanks(41));
    EXPECT_EQ(fileNameTitle("/Music/", TimerPadsShuffleOff), blanks(40));
    EXPECT_EQ(fileNameTitle("", TimerPadsShuffleOff), blanks(40));
}

TEST(Title, RotatesOneCharacterPerTick)
{
    std::string t = "abc";
    for (const char* expected : {"bca", "cab", "abc"}) {
        t = rotateTitle(t);
        EXPECT_EQ(t, expected);
    }
    EXPECT_EQ(rotateTitle(""), "");

    std::string exact(141, 'x');
    exact[0] = 'a';
    std::string turned = exact;
    for (int i = 0; i < 141; ++i)
        turned = rotateTitle(turned);
    EXPECT_EQ(turned, exact);
}

TEST(Title, LongTitleKeeps141Characters)
{
    std::string long150;
    for (int i = 0; i < 150; ++i)
        long150 += static_cast<char>('0' + i % 10);
    const std::string once = rotateTitle(long150);
    EXPECT_EQ(once, long150.substr(1, 140) + "0");
    EXPECT_EQ(rotateTitle(once).size(), 141u);
}

TEST(Title, TurnsWholeUtf8Characters)
{
    EXPECT_EQ(rotateTitle("éab"), "abé");
    EXPECT_EQ(rotateTitle("a€b"), "€ba");
    EXPECT_EQ(rotateTitle("\xFF"
                          "ab"),
              "ab\xFF");                    // a stray byte is one character
    EXPECT_EQ(rotateTitle("\xC3"), "\xC3"); // a cut sequence too

    std::string wide;
    for (int i = 0; i < 150; ++i)
        wide += "é";
    EXPECT_EQ(rotateTitle(wide).size(), 141u * 2);
}

} // namespace
