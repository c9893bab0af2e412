// The tray icon, the window drag with its right-click menu, and the main window's small buttons.

#include "MainWindowFixture.h"

#include <QWidget>

#include <cstring>
#include <functional>

namespace ft = forms::testing;
namespace tray = platform::testing;

namespace
{

using WindowHandling = MainWindowTest;

// A point of the window's own background, in twips: no control lies there.
QPoint backgroundOf(forms::Form& w)
{
    QWidget* window = w.window();
    for (int y = 2; y < window->height(); y += 3)
        for (int x = 2; x < window->width(); x += 3)
            if (!window->childAt(x, y)) return {x * forms::TwipsPerPixel, y * forms::TwipsPerPixel};
    ADD_FAILURE() << "no background on " << w.Caption();
    return {};
}

} // namespace

TEST_F(WindowHandling, TrayIconLivesAsLongAsTheMainWindow)
{
    Player& p = player();
    const int hWnd = p.hWnd();
    ASSERT_EQ(tray::trayCalls().size(), 1u);
    const tray::TrayCall& add = tray::trayCalls()[0];
    EXPECT_EQ(add.message, platform::NIM_ADD);
    EXPECT_EQ(add.data.cbSize, 88);
    EXPECT_EQ(add.data.hWnd, hWnd);
    EXPECT_EQ(add.data.uID, 1);
    EXPECT_EQ(add.data.uFlags, 7);
    EXPECT_EQ(add.data.uCallbackMessage, 512);
    EXPECT_EQ(add.data.hIcon, p.Icon().Handle());
    EXPECT_NE(add.data.hIcon, 0);
    EXPECT_EQ(std::string(add.data.szTip, 64), std::string("Sonavel!\0", 9) + std::string(55, ' '));
    EXPECT_TRUE(tray::trayIconRegistered(hWnd, 1));

    forms::Unload<Player>();
    forms::collectUnloaded();
    ASSERT_EQ(tray::trayCalls().size(), 3u); // the unload and the terminate event each delete it
    EXPECT_EQ(tray::trayCalls()[1].message, platform::NIM_DELETE);
    EXPECT_EQ(tray::trayCalls()[2].message, platform::NIM_DELETE);
    EXPECT_FALSE(tray::trayIconRegistered(hWnd, 1));
}

TEST_F(WindowHandling, TrayClickOpensTheMenuAndDoubleClickRestores)
{
    Player& p = player();
    p.Show();
    const int hWnd = p.hWnd();
    struct Case {
        int message;
        bool menu;
    } cases[] = {{513, false}, {514, true}, {515, false}, {517, false}, {520, false}, {512, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        const std::size_t menus = script().menus.size();
        ASSERT_TRUE(tray::trayMouse(hWnd, 1, c.message));
        ASSERT_EQ(script().menus.size(), menus + (c.menu ? 1 : 0));
        if (c.menu) {
            EXPECT_EQ(script().menus.back().menu, "mnuFile");
        }
    }
    // The message stands in for a position in pixels: halves go to the even neighbour, and a
    // move with a button held is a drag over the window, never the tray.
    struct Move {
        int button;
        float x;
        bool menu;
    } moves[] = {{0, 513.5f * 15, true},
                 {0, 514.5f * 15, true},
                 {0, 515.5f * 15, false},
                 {1, 514 * 15, false},
                 {0, 369 * 15, false}};
    for (const Move& m : moves) {
        SCOPED_TRACE(m.x);
        const std::size_t menus = script().menus.size();
        p.Form_MouseMove(m.button, 0, m.x, 0);
        EXPECT_EQ(script().menus.size(), menus + (m.menu ? 1 : 0));
    }

    // Minimise leaves the playlist as it was; the tray's double click brings the window back.
    frmPlaylist& list = forms::the<frmPlaylist>();
    ft::press(p.Minimize, 1);
    EXPECT_FALSE(p.Minimize.Visible());
    EXPECT_EQ(p.WindowState(), 0);
    ft::release(p.Minimize, 1);
    EXPECT_TRUE(p.Minimize.Visible());
    EXPECT_EQ(p.WindowState(), 1);
    EXPECT_TRUE(list.Visible());
    EXPECT_EQ(list.WindowState(), 0);
    tray::clearTrayCalls();
    ASSERT_TRUE(tray::trayMouse(hWnd, 1, platform::WM_LBUTTONDBLCLK));
    EXPECT_EQ(p.WindowState(), 0);
    EXPECT_TRUE(p.Visible());
    ASSERT_EQ(tray::trayCalls().size(), 1u);
    EXPECT_EQ(tray::trayCalls()[0].message, platform::NIM_MODIFY);
    EXPECT_EQ(tray::trayCalls()[0].data.uID, 1);
    EXPECT_EQ(tray::trayCalls()[0].data.hIcon, p.Icon().Handle());
}

TEST_F(WindowHandling, RightButtonOpensTheMenuWhereTheWindowHasItElseEveryPressDrags)
{
    player();
    struct Case {
        const char* name;
        std::function<forms::Form&()> window;
        bool menuOnRight;
    } cases[] = {
        {"Player", []() -> forms::Form& { return forms::the<Player>(); }, true},
        {"Shade", []() -> forms::Form& { return forms::the<Shade>(); }, true},
        {"frmDecoder", []() -> forms::Form& { return forms::the<frmDecoder>(); }, true},
        {"frmEncoder", []() -> forms::Form& { return forms::the<frmEncoder>(); }, true},
        {"frmPlaylist", []() -> forms::Form& { return forms::the<frmPlaylist>(); }, false},
    };
    for (const Case& c : cases) {
        forms::Form& w = c.window();
        w.Show();
        const QPoint at = backgroundOf(w);
        for (int button : {1, 2, 4}) {
            SCOPED_TRACE(std::string(c.name) + " button " + std::to_string(button));
            const std::size_t menus = script().menus.size();
            const int drags = script().dragRequests;
            ft::press(w, button, at.x(), at.y());
            ft::release(w, button, at.x(), at.y());
            const bool menu = button == 2 && c.menuOnRight;
            EXPECT_EQ(script().menus.size(), menus + (menu ? 1 : 0));
            EXPECT_EQ(script().dragRequests, drags + (menu ? 0 : 1));
        }
    }
}

TEST_F(WindowHandling, PlaylistButtonTogglesThePlaylistInPlaceAndToolsOpensTheMenu)
{
    Player& p = player();
    p.Show();
    frmPlaylist& list = forms::the<frmPlaylist>();
    list.List1.AddItem("/m/a.mp3");
    const int left = list.Left(), top = list.Top();
    ft::click(p.Playlist);
    EXPECT_FALSE(list.Visible());
    ft::click(p.Playlist);
    EXPECT_TRUE(list.Visible());
    EXPECT_EQ(list.Left(), left);
    EXPECT_EQ(list.Top(), top);
    EXPECT_EQ(list.List1.ListCount(), 1);

    ft::click(p.Tools);
    ASSERT_EQ(script().menus.size(), 1u);
    EXPECT_EQ(script().menus[0].menu, "mnuFile");
}
