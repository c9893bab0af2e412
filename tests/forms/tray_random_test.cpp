#include "FormsTest.h"
#include "platform/Random.h"
#include "platform/Tray.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Testing.h"

#include <QGuiApplication>
#include <QStyleHints>
#include <QSystemTrayIcon>

#include <array>
#include <cstring>

namespace
{

using namespace platform;
namespace pt = platform::testing;

struct Main : forms::Form {
    Main() : Form({.Caption = " ", .Width = 5550, .Height = 2790}) {}
    std::vector<float> moves;
    void Form_MouseMove(int, int, float x, float) override { moves.push_back(x); }
};

NotifyIconData recordFor(const Main& m)
{
    NotifyIconData d;
    d.hWnd = m.hWnd();
    d.uID = 1;
    d.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    d.uCallbackMessage = WM_MOUSEMOVE;
    d.hIcon = m.Icon().Handle();
    std::memset(d.szTip, ' ', sizeof d.szTip);
    std::memcpy(d.szTip, "Sonavel!", 9);
    return d;
}

using Tray = FormsTest;

TEST_F(Tray, AddModifyDeleteAreRecordedAndClicksReachTheWindow)
{
    pt::clearTrayCalls();
    forms::testing::ManualClock clock;
    Main m;
    const NotifyIconData d = recordFor(m);
    EXPECT_FALSE(pt::trayMouse(d.hWnd, 1, WM_LBUTTONUP)) << "no icon yet";
    EXPECT_TRUE(Shell_NotifyIcon(NIM_ADD, d));
    EXPECT_FALSE(Shell_NotifyIcon(NIM_ADD, d)) << "the same icon twice";
    EXPECT_TRUE(pt::trayIconRegistered(d.hWnd, 1));

    EXPECT_TRUE(pt::trayMouse(d.hWnd, 1, WM_LBUTTONUP));
    EXPECT_TRUE(pt::trayMouse(d.hWnd, 1, WM_LBUTTONDBLCLK));
    EXPECT_EQ(m.moves, (std::vector<float>{514 * 15, 515 * 15}));

    // The desktop's click kinds, as Qt reports them, become the tray's messages; a click only
    // once the double-click interval has passed with no double click.
    for (int reason : {QSystemTrayIcon::DoubleClick, QSystemTrayIcon::Context, QSystemTrayIcon::MiddleClick,
                       QSystemTrayIcon::Unknown, QSystemTrayIcon::Trigger})
        EXPECT_TRUE(pt::trayActivated(d.hWnd, 1, reason));
    EXPECT_EQ(m.moves.size(), 5u) << "the click is held";
    clock.advance(QGuiApplication::styleHints()->mouseDoubleClickInterval());
    EXPECT_EQ(m.moves, (std::vector<float>{514 * 15, 515 * 15, 515 * 15, 517 * 15, 520 * 15, 514 * 15}));

    EXPECT_TRUE(Shell_NotifyIcon(NIM_MODIFY, d));
    EXPECT_TRUE(Shell_NotifyIcon(NIM_DELETE, d));
    EXPECT_FALSE(Shell_NotifyIcon(NIM_DELETE, d));
    EXPECT_FALSE(Shell_NotifyIcon(NIM_MODIFY, d));
    EXPECT_FALSE(pt::trayMouse(d.hWnd, 1, WM_LBUTTONUP));
    EXPECT_FALSE(pt::trayActivated(d.hWnd, 1, QSystemTrayIcon::Trigger));
    EXPECT_EQ(m.moves.size(), 6u);

    const auto& calls = pt::trayCalls();
    std::vector<int> messages;
    for (const auto& c : calls)
        messages.push_back(c.message);
    EXPECT_EQ(messages, (std::vector<int>{NIM_ADD, NIM_ADD, NIM_MODIFY, NIM_DELETE, NIM_DELETE, NIM_MODIFY}));
    EXPECT_EQ(calls[0].data.cbSize, 88);
    EXPECT_EQ(std::string(calls[0].data.szTip), "Sonavel!");
}

TEST_F(Tray, NoClickReachesAWindowThatIsGone)
{
    NotifyIconData d;
    {
        Main m;
        d = recordFor(m);
        ASSERT_TRUE(Shell_NotifyIcon(NIM_ADD, d));
    }
    EXPECT_TRUE(pt::trayMouse(d.hWnd, 1, WM_LBUTTONUP)); // delivered to nobody, quietly
    EXPECT_TRUE(Shell_NotifyIcon(NIM_DELETE, d));
}

TEST(Random, NumbersLieInTheHalfOpenUnitRangeAndRepeatFromASeed)
{
    pt::seedRandom(7);
    std::vector<float> first;
    for (int i = 0; i < 10000; ++i) {
        const float r = Rnd();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        first.push_back(r);
    }
    pt::seedRandom(7);
    for (float expected : first)
        ASSERT_EQ(Rnd(), expected);
    // Spread over the range: each tenth gets a fair share.
    std::array<int, 10> buckets{};
    for (float r : first)
        ++buckets[static_cast<std::size_t>(r * 10)];
    for (int count : buckets)
        EXPECT_GT(count, 800);
    Randomize();
    const float a = Rnd();
    EXPECT_TRUE(a >= 0.0f && a < 1.0f);
}

} // namespace
