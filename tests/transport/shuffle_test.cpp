#include "playlist/RoadFixture.h"

#include "platform/Random.h"
#include "player/Shuffle.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace
{

class Shuffle : public RoadTest
{
  protected:
    std::vector<std::string> items(forms::ListBox& list)
    {
        std::vector<std::string> out;
        for (int i = 0; i < list.ListCount(); ++i)
            out.push_back(list.List(i));
        return out;
    }
    void fillList1(const std::vector<std::string>& paths)
    {
        list1().Clear();
        for (const std::string& p : paths)
            list1().AddItem(p);
    }
    bool sameEntries(std::vector<std::string> a, std::vector<std::string> b)
    {
        std::sort(a.begin(), a.end());
        std::sort(b.begin(), b.end());
        return a == b;
    }
};

TEST_F(Shuffle, OnDrawsEveryEntryOnceAndPointsAfterTheSongPlaying)
{
    struct Case {
        std::vector<std::string> list;
        std::string song;
    } cases[] = {
        {{"/m/a.mp3"}, "/m/a.mp3"},
        {{"/m/a.mp3", "/m/b.mp3", "/m/c.mp3"}, "/m/b.mp3"},
        {{"/m/a.mp3", "/m/b.mp3", "/m/c.mp3"}, ""},         // nothing started yet: the first drawn
        {{"/m/A.mp3", "/m/a.mp3", "/m/b.mp3"}, "/m/a.mp3"}, // case counts
        {{"/m/a.mp3", "/m/a.mp3", "/m/b.mp3"}, "/m/b.mp3"}, // a repeated path is kept twice
        {{}, "/m/a.mp3"},
    };
    player().Show();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.list.size());
        fillList1(c.list);
        SongFile = c.song;
        NextShuffle = 77;
        forms::testing::click(player().shuffle1);
        EXPECT_TRUE(player().Shuffle2.Visible());
        EXPECT_FALSE(player().shuffle1.Visible());
        EXPECT_TRUE(list7().Visible());
        EXPECT_FALSE(list1().Visible());
        EXPECT_EQ(items(list1()), c.list);
        const std::vector<std::string> drawn = items(list7());
        EXPECT_TRUE(sameEntries(drawn, c.list));
        const auto at = std::find(drawn.rbegin(), drawn.rend(), c.song);
        const int songAt = at == drawn.rend() ? -1 : static_cast<int>(drawn.rend() - at) - 1;
        EXPECT_EQ(list7().ListIndex(), songAt);
        const int count = static_cast<int>(drawn.size());
        EXPECT_EQ(NextShuffle, songAt + 1 == count ? 0 : songAt + 1);

        forms::testing::click(player().Shuffle2); // the same place: back to the plain order
        EXPECT_TRUE(player().shuffle1.Visible());
        EXPECT_FALSE(player().Shuffle2.Visible());
        EXPECT_EQ(list7().ListCount(), 0);
        EXPECT_TRUE(list1().Visible());
        EXPECT_FALSE(list7().Visible());
    }
}

TEST_F(Shuffle, OffPointsAfterTheSongPlayingInThePlainList)
{
    struct Case {
        std::string song;
        int selected; // List1's selection before shuffle off (the song absent)
        int nextSong;
    } cases[] = {{"/s4", -1, 0}, {"/s1", -1, 2}, {"/gone", 2, 3}, {"/gone", 4, 0}, {"/gone", -1, 0}};
    for (const Case& c : cases) {
        fillList1({"/s0", "/s1", "/s2", "/s3", "/s4"});
        player().shuffle1_Click();
        list1().setListIndex(c.selected);
        SongFile = c.song;
        player().Shuffle2_Click();
        EXPECT_EQ(NextSong, c.nextSong) << c.song << " " << c.selected;
    }
}

TEST_F(Shuffle, NextSongTimerFollowsTheShuffledOrder)
{
    fillList1({"/s0", "/s1", "/s2", "/s3"});
    SongFile = "/s2";
    player().shuffle1_Click();
    std::vector<std::string> played;
    for (int i = 0; i < 4; ++i) {
        player().Timer10.setEnabled(true);
        clock.advance(1000);
        played.push_back(SongFile);
    }
    const std::vector<std::string> order = items(list7());
    const auto song = std::find(order.begin(), order.end(), "/s2") - order.begin();
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(played[static_cast<size_t>(i)], order[static_cast<size_t>((song + 1 + i) % 4)]);
}

TEST_F(Shuffle, OrderIsUniform)
{
    // Every order of four entries, and every place of every entry of a long list, comes up
    // about equally often. Fixed seeds: the bounds are checked, not luck.
    platform::testing::seedRandom(20261207);
    std::map<std::vector<std::size_t>, int> orders;
    const int draws = 24000;
    for (int i = 0; i < draws; ++i)
        ++orders[shuffledOrder(4)];
    ASSERT_EQ(orders.size(), 24u);
    double chi2 = 0;
    for (const auto& [order, n] : orders)
        chi2 += (n - 1000.0) * (n - 1000.0) / 1000.0;
    EXPECT_LT(chi2, 50.0); // 23 degrees of freedom: above 50 by chance about once in 1000

    platform::testing::seedRandom(7);
    const std::size_t n = 20000; // beyond what a 16-bit draw could reach
    std::vector<int> firstHalf(n);
    for (int round = 0; round < 40; ++round) {
        const std::vector<std::size_t> order = shuffledOrder(n);
        std::vector<bool> seen(n);
        for (std::size_t place = 0; place < n; ++place) {
            ASSERT_FALSE(seen[order[place]]);
            seen[order[place]] = true;
            if (place < n / 2) ++firstHalf[order[place]];
        }
    }
    // The entries of the list's last tenth land in the first half as often as the others.
    long lastTenth = 0;
    for (std::size_t i = n - n / 10; i < n; ++i)
        lastTenth += firstHalf[i];
    EXPECT_NEAR(lastTenth / (40.0 * (n / 10)), 0.5, 0.02);
}

} // namespace
