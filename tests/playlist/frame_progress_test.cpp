#include "player/FrameProgress.h"
#include "player/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace
{

struct Captions {
    const char* what;
    float frameMs;
    int frameCount, frame;
    const char *min, *sec, *totalMin, *totalSec;
};

// Minutes and seconds elapsed (Label3, Label4) and in total (Label10, Label7).
const Captions captionCases[] = {
    {"frame 0", 25, 7300, 0, "0", "0", "3", "2"},
    {"59.98 s", 20, 9000, 2999, "0", "59", "3", "0"},
    {"60 s", 25, 7300, 2400, "1", "0", "3", "2"},
    {"61 s", 25, 7300, 2440, "1", "1", "3", "2"},
    {"total 3:00.4", 25, 7216, 10, "0", "0", "3", "0"},
    {"total 239.9998 s rounds to 4:00", 0.0333333f, 7200000, 0, "0", "0", "4", "0"},
    {"13 minutes", 25, 40000, 31200, "13", "0", "16", "40"},
    {"13 minutes 1 s", 25, 40000, 31240, "13", "1", "16", "40"},
    {"25 minutes", 25, 80000, 60000, "25", "0", "33", "20"},
    {"100 minutes holds at 99:59", 25, 400000, 240000, "99", "59", "99", "59"},
    {"half a millisecond rounds to even (down)", 0.5f, 5997, 1, "0", "0", "0", "2"},
    {"half a millisecond rounds to even (up)", 0.5f, 3999, 1, "0", "0", "0", "2"},
    {"hours long, beyond 32 bits of ms", 25, 100000000, 99999999, "99", "59", "99", "59"},
    {"a 0 ms component", 0, 7300, 500, "0", "0", "0", "0"},
    {"a file that cannot be played", 0, 0, 0, "0", "0", "0", "0"},
};

void PrintTo(const Captions& c, std::ostream* os)
{
    *os << c.what;
}

class CaptionTest : public ::testing::TestWithParam<Captions>
{
};

TEST_P(CaptionTest, ShowsWholeSeconds)
{
    const auto& c = GetParam();
    const auto p = frameProgress(c.frameMs, c.frameCount, c.frame);
    EXPECT_EQ(p.Label3, c.min);
    EXPECT_EQ(p.Label4, c.sec);
    EXPECT_EQ(p.Label10, c.totalMin);
    EXPECT_EQ(p.Label7, c.totalSec);
    EXPECT_EQ(p.Label2, std::to_string(c.frame));
    EXPECT_EQ(p.ThumbLeft, seekScale(c.frameCount).twipsOf(c.frame));
}

INSTANTIATE_TEST_SUITE_P(Worked, CaptionTest, ::testing::ValuesIn(captionCases));

TEST(FrameProgress, EndMarkIsTheLastFrame)
{
    auto p = frameProgress(25, 7300, 7298);
    EXPECT_EQ(p.Text7, "182475");
    EXPECT_EQ(p.Text5, "182.45");
    EXPECT_EQ(p.ElapsedMs, 182450);
    EXPECT_FALSE(p.AtEnd);
    EXPECT_TRUE(frameProgress(25, 7300, 7299).AtEnd);
    // A seek or a late event past the end still ends it.
    EXPECT_TRUE(frameProgress(25, 7300, 7400).AtEnd);
    // Thumb at the frame, not ahead of it.
    EXPECT_EQ(frameProgress(25, 7300, 9).ThumbLeft, 0);
    EXPECT_EQ(frameProgress(25, 7300, 7299).ThumbLeft, 729);
}

TEST(FrameProgress, EveryLengthEndsExactlyAtItsLastFrame)
{
    // Frame lengths whose products are not exact in 15 digits: the end must still be found.
    for (float ms : {26.122449f, 24.0f, 1152.0f / 48.0f, 26.1224489795918f, 0.1f, 1e-7f}) {
        for (int count = 1; count < 30000; count += 7) {
            ASSERT_TRUE(frameProgress(ms, count, count - 1).AtEnd) << ms << " " << count;
            if (count > 1) {
                ASSERT_FALSE(frameProgress(ms, count, count - 2).AtEnd) << ms << " " << count;
            }
        }
    }
}

TEST(FrameProgress, NothingToPlayEndsAtOnce)
{
    for (float ms : {0.0f, 26.122449f, std::numeric_limits<float>::quiet_NaN()}) {
        const auto p = frameProgress(ms, 0, 0);
        EXPECT_TRUE(p.AtEnd) << ms;
        EXPECT_EQ(p.Label10, "0");
        EXPECT_EQ(p.Label4, "0");
    }
    // A 0 ms component ends every song at its first frame.
    EXPECT_EQ(frameProgress(0, 7300, 0).Text7, "0");
    EXPECT_TRUE(frameProgress(0, 7300, 0).AtEnd);
    EXPECT_EQ(frameProgress(std::numeric_limits<float>::infinity(), 7300, 3).Text5, "0");
}

TEST(NumberText, WritesPlainDecimals)
{
    const std::pair<double, const char*> cases[] = {
        {0.0, "0"},
        {-0.0, "0"},
        {0.5, "0.5"},
        {182475, "182475"},
        {-1600, "-1600"},
        {1.0 / 3, "0.333333333333333"},
        {2.0 / 3, "0.666666666666667"},
        {0.000012, "0.000012"},
        {1e20, "100000000000000000000"},
        {123456789012345678.0, "123456789012346000"},
        {26.122449f / 1000.0, "0.0261224498748779"},
        {std::nan(""), "0"},
    };
    for (auto [x, s] : cases)
        EXPECT_EQ(numbers::text(x), s) << x;
    EXPECT_EQ(numbers::text(-5), "-5");
}

TEST(NumberText, ReadsCaptionsBack)
{
    const std::pair<const char*, double> cases[] = {
        {"12", 12}, {"-1", -1}, {" 5", 5},   {"182.45", 182.45}, {"Label2", 0}, {"", 0},
        {"nan", 0}, {"inf", 0}, {"0x10", 0}, {".5", 0.5},        {"-", 0},
    };
    for (auto [s, x] : cases)
        EXPECT_EQ(numbers::value(s), x) << s;
}

TEST(NumberText, RoundsHalvesToEven)
{
    const std::pair<double, long long> cases[] = {
        {0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2}, {2.4999, 2}, {999500.5, 999500},
    };
    for (auto [x, n] : cases)
        EXPECT_EQ(numbers::nearest(x), n) << x;
    EXPECT_GT(numbers::nearest(1e30), 9'000'000'000'000'000'000LL);
    EXPECT_EQ(numbers::nearest(std::nan("")), 0);
}

} // namespace
