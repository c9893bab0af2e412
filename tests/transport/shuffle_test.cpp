#include "playlist/RoadFixture.h"

#include "platform/Random.h"
#include "player/Shuffle.h"

#include <algorithm>
#include <map>
#include <vector>

namespace
{

using Paths = std::vector<std::string>;

Paths items(forms::ListBox& list)
{
    Paths out;
    for (int i = 0; i < list.ListCount(); ++i)
        out.push_back(list.List(i));
    return out;
}

int afterLast(const Paths& list, const std::string& song, int otherwise)
{
    const auto at = std::find(list.rbegin(), list.rend(), song);
    const int next = at == list.rend() ? otherwise + 1 : static_cast<int>(list.rend() - at);
    return next == static_cast<int>(list.size()) ? 0 : next;
}

class Shuffle : public RoadTest
{
};

TEST_F(Shuffle, OnDrawsEveryEntryOnceAndOffReturnsToThePlainOrder)
{
    struct Case {
        Paths list;
        std::string song;
    } cases[] = {
        {{"/a"}, "/a"},
        {{"/a", "/b", "/c"}, "/b"},
        {{"/a", "/b", "/c", "/d", "/e"}, "/e"},
        {{"/a", "/b", "/c"}, ""},   // nothing started yet: the first of the new order
        {{"/A", "/a", "/b"}, "/a"}, // case counts
        {{"/a", "/a", "/b"}, "/b"}, // a repeated path is drawn twice
        {{}, "/a"},
    };
    player().Show();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.list.size());
        list1().Clear();
        for (const std::string& p : c.list)
            list1().AddItem(p);
        SongFile = c.song;
        forms::testing::click(player().shuffle1);
        EXPECT_TRUE(player().Shuffle2.Visible() && list7().Visible());
        EXPECT_FALSE(player().shuffle1.Visible() || list1().Visible());
        Paths drawn = items(list7());
        EXPECT_EQ(NextShuffle, afterLast(drawn, c.song, -1));
        std::sort(drawn.begin(), drawn.end());
        Paths sorted = c.list;
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(drawn, sorted);

        const int selected = list1().ListIndex();
        forms::testing::click(player().Shuffle2); // the same place
        EXPECT_TRUE(player().shuffle1.Visible() && list1().Visible());
        EXPECT_FALSE(player().Shuffle2.Visible() || list7().Visible());
        EXPECT_EQ(list7().ListCount(), 0);
        EXPECT_EQ(NextSong, afterLast(c.list, c.song, selected));
    }
}

TEST_F(Shuffle, EveryOrderIsEquallyLikely)
{
    platform::testing::seedRandom(20261207); // a fixed sequence: the bound is checked, not luck
    std::map<std::vector<std::size_t>, int> orders;
    for (int i = 0; i < 24000; ++i)
        ++orders[shuffledOrder(4)];
    ASSERT_EQ(orders.size(), 24u);
    double chi2 = 0;
    for (const auto& [order, n] : orders)
        chi2 += (n - 1000.0) * (n - 1000.0) / 1000.0;
    EXPECT_LT(chi2, 50.0); // 23 degrees of freedom: above 50 about once in a thousand seeds

    std::vector<std::size_t> big = shuffledOrder(20000); // beyond a 16-bit draw
    std::sort(big.begin(), big.end());
    EXPECT_TRUE(std::adjacent_find(big.begin(), big.end()) == big.end() && big.back() == 19999);
}

} // namespace
