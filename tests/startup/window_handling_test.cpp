// The tray icon, the window drag with its right-click menu, and the main window's small buttons.

#include "MainWindowFixture.h"

#include <QGuiApplication>
#include <QStyleHints>
#include <QWidget>

namespace tray = platform::testing;
using WindowHandling = MainWindowTest;

TEST_F(WindowHandling, TrayIconAnswersItsClicksForTheWindowsLife)
{
    Player& p = player();
    p.Show();
    const int hWnd = p.hWnd();
    ASSERT_EQ(tray::trayCalls().size(), 1u);
    const platform::NotifyIconData& nid = tray::trayCalls()[0].data;
    EXPECT_EQ(std::vector<int>({tray::trayCalls()[0].message, nid.cbSize, nid.hWnd, nid.uID, nid.uFlags,
                                nid.uCallbackMessage, nid.hIcon}),
              std::vector<int>({platform::NIM_ADD, 88, hWnd, 1, 7, 512, p.Icon().Handle()}));
    EXPECT_EQ(std::string(nid.szTip, 64), std::string("Sonavel!\0", 9) + std::string(55, ' '));

    // Only a click opens the menu. The message stands for a position in pixels, halves going
    // to the even neighbour; a move with a button held is a drag, never the tray.
    const struct {
        int button;
        float x;
        bool menu;
    } moves[] = {{0, 513 * 15, false}, {0, 514 * 15, true}, {0, 517 * 15, false}, {0, 520 * 15, false},
                 {0, 7702.5f, true},   {0, 7717.5f, true},  {0, 7732.5f, false},  {1, 514 * 15, false}};
    for (const auto& m : moves) {
        const std::size_t menus = script().menus.size();
        p.Form_MouseMove(m.button, 0, m.x, 0);
        EXPECT_EQ(script().menus.size(), menus + (m.menu ? 1 : 0)) << m.x;
    }

    // Minimise leaves the playlist as it was; the tray's double click brings the window back,
    // its first click dropped so no menu stands in the way. A lone click opens the menu once the
    // double-click interval has passed.
    ft::press(p.Minimize, 1);
    EXPECT_FALSE(p.Minimize.Visible());
    ft::release(p.Minimize, 1);
    EXPECT_TRUE(p.Minimize.Visible());
    EXPECT_EQ(p.WindowState() * 10 + forms::the<frmPlaylist>().WindowState(), 10);
    const std::size_t menus = script().menus.size();
    using A = platform::TrayActivation;
    ASSERT_TRUE(tray::trayActivate(hWnd, 1, A::Click));
    clock.advance(100);
    ASSERT_TRUE(tray::trayActivate(hWnd, 1, A::DoubleClick));
    clock.advance(5000);
    EXPECT_EQ(script().menus.size(), menus);
    EXPECT_EQ(p.WindowState(), 0);
    tray::trayActivate(hWnd, 1, A::Click);
    tray::trayActivate(hWnd, 1, A::RightClick);
    EXPECT_EQ(script().menus.size(), menus);
    clock.advance(QGuiApplication::styleHints()->mouseDoubleClickInterval());
    EXPECT_EQ(script().menus.size(), menus + 1);
    EXPECT_TRUE(p.Visible());
    EXPECT_EQ(tray::trayCalls().back().message, platform::NIM_MODIFY);

    forms::Unload<Player>();
    forms::collectUnloaded();
    EXPECT_EQ(tray::trayCalls().back().message, platform::NIM_DELETE);
    EXPECT_FALSE(tray::trayIconRegistered(hWnd, 1));
}

TEST_F(WindowHandling, RightButtonOpensTheMenuWhereTheWindowHasItElseEveryPressDrags)
{
    const std::pair<forms::Form*, bool> windows[] = {
        {&forms::the<Player>(), true},       {&forms::the<Shade>(), true},
        {&forms::the<frmDecoder>(), true},   {&forms::the<frmEncoder>(), true},
        {&forms::the<frmPlaylist>(), false},
    };
    for (const auto& [w, menuOnRight] : windows) {
        w->Show();
        QWidget* window = w->window();
        QPoint at(-1, -1); // a pixel of the background, where no control lies
        for (int i = 0; at.x() < 0 && i < window->width() * window->height(); ++i)
            if (!window->childAt(i % window->width(), i / window->width()))
                at = QPoint(i % window->width(), i / window->width()) * forms::TwipsPerPixel;
        ASSERT_GE(at.x(), 0) << w->Caption();
        for (int button : {1, 2, 4}) {
            const bool menu = button == 2 && menuOnRight;
            const std::size_t menus = script().menus.size();
            const int drags = script().dragRequests;
            ft::press(*w, button, at.x(), at.y());
            ft::release(*w, button, at.x(), at.y());
            EXPECT_EQ(script().menus.size(), menus + (menu ? 1 : 0)) << w->Caption() << " " << button;
            EXPECT_EQ(script().dragRequests, drags + (menu ? 0 : 1)) << w->Caption() << " " << button;
        }
    }
}
