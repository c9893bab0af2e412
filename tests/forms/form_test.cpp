#include "FormsTest.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Testing.h"
#include "platform/forms/Timer.h"

#include <QCoreApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace
{

namespace ft = forms::testing;

int loads = 0, unloads = 0, terminates = 0;

struct Tool : forms::Form {
    Tool() : Form({.Caption = "Tool", .Width = 4500, .Height = 3000, .Icon = "no/such/icon"}) {}
    forms::Image close{*this, {.Name = "close", .Left = 150, .Top = 150, .Width = 150, .Height = 150}};
    forms::Label status{
        *this, {.Name = "status", .Left = 150, .Top = 600, .Width = 1500, .Height = 200, .Caption = "Ready"}};
    forms::Timer timer{*this, {.Name = "timer", .Enabled = false, .Interval = 100}};
    void Form_Load() override { ++loads; }
    void Form_Unload(int&) override { ++unloads; }
    void Form_Terminate() override { ++terminates; }
};

struct Windows : FormsTest {
    void SetUp() override { loads = unloads = terminates = 0; }
};

TEST_F(Windows, FirstReferenceCreatesTheWindowHiddenAndLoadsItOnce)
{
    EXPECT_FALSE(forms::isLoaded<Tool>());
    Tool& a = forms::the<Tool>();
    Tool& b = forms::the<Tool>();
    EXPECT_EQ(&a, &b);
    EXPECT_EQ(loads, 1);
    EXPECT_TRUE(forms::isLoaded<Tool>());
    EXPECT_FALSE(a.Visible());
    EXPECT_EQ(a.status.Caption(), "Ready");
    EXPECT_TRUE(a.Icon().empty()) << "a missing skin resource is an empty picture";
}

TEST_F(Windows, NextReferenceAfterUnloadIsANewWindowInItsLayoutState)
{
    Tool& first = forms::the<Tool>();
    first.status.setCaption("Working");
    first.Show();
    forms::Unload<Tool>();
    EXPECT_EQ(unloads, 1);
    EXPECT_FALSE(forms::isLoaded<Tool>());
    EXPECT_FALSE(first.Visible()) << "unloading hides the window at once";
    forms::collectUnloaded();
    EXPECT_EQ(terminates, 1);

    Tool& second = forms::the<Tool>();
    EXPECT_EQ(loads, 2);
    EXPECT_EQ(second.status.Caption(), "Ready");
    EXPECT_FALSE(second.Visible());
    forms::Unload<Tool>();
    forms::Unload<Tool>(); // not loaded: nothing
    EXPECT_EQ(unloads, 2);
}

TEST_F(Windows, UnloadInsideItsOwnHandlerKeepsTheObjectUntilTheHandlerReturns)
{
    Tool& w = forms::the<Tool>();
    bool ranToTheEnd = false;
    w.close.onClick = [&w, &ranToTheEnd] {
        forms::Unload<Tool>();
        forms::collectUnloaded(); // inside a handler: must not delete the window yet
        w.status.setCaption("still here");
        ranToTheEnd = w.status.Caption() == "still here";
        EXPECT_NE(&forms::the<Tool>(), &w) << "a reference after the unload makes a new window";
    };
    w.Show();
    ft::click(w.close);
    EXPECT_TRUE(ranToTheEnd);
    EXPECT_EQ(terminates, 0);
    forms::collectUnloaded();
    EXPECT_EQ(terminates, 1);
    EXPECT_EQ(loads, 2);
}

TEST_F(Windows, TheEventLoopDeletesUnloadedWindows)
{
    forms::the<Tool>();
    forms::Unload<Tool>();
    for (int i = 0; i < 1000 && terminates == 0; ++i)
        QCoreApplication::processEvents();
    EXPECT_EQ(terminates, 1);
}

TEST_F(Windows, UnloadingStopsTheWindowsTimers)
{
    ft::ManualClock clock;
    Tool& w = forms::the<Tool>();
    int ticks = 0;
    w.timer.onTimer = [&ticks] { ++ticks; };
    w.timer.setEnabled(true);
    clock.advance(100);
    forms::Unload<Tool>();
    clock.advance(1000);
    EXPECT_EQ(ticks, 1);
}

TEST_F(Windows, CaptionStateAndVisibility)
{
    Tool& w = forms::the<Tool>();
    w.setCaption("Artist - Title");
    EXPECT_EQ(w.Caption(), "Artist - Title");
    w.Show();
    EXPECT_EQ(w.window()->windowTitle(), QStringLiteral("Artist - Title")) << "a title set while hidden";
    w.setCaption("Next");
    EXPECT_EQ(w.window()->windowTitle(), QStringLiteral("Next"));
    EXPECT_TRUE(w.Visible());
    EXPECT_EQ(w.WindowState(), 0);
    w.setWindowState(1);
    EXPECT_EQ(w.WindowState(), 1);
    w.setWindowState(0);
    EXPECT_EQ(w.WindowState(), 0);
    EXPECT_TRUE(w.Visible());
    w.Hide();
    EXPECT_FALSE(w.Visible());
    EXPECT_EQ(forms::detail::formFromHandle(w.hWnd()), &w);
    const int handle = w.hWnd();
    forms::Unload<Tool>();
    forms::collectUnloaded();
    EXPECT_EQ(forms::detail::formFromHandle(handle), nullptr);
}

TEST_F(Windows, ClosingABorderedWindowUnloadsIt)
{
    struct Box : forms::Form {
        Box() : Form({.Caption = "About", .Width = 4500, .Height = 3000, .Bordered = true}) {}
    };
    Box& b = forms::the<Box>();
    b.Show();
    EXPECT_FALSE(b.window()->windowFlags() & Qt::FramelessWindowHint);
    b.window()->close();
    EXPECT_FALSE(forms::isLoaded<Box>());
}

TEST_F(Windows, DragFollowsThePointerWhereTheWindowSystemWillNot)
{
    struct Strip : forms::Form {
        Strip() : Form({.Caption = "Strip", .Width = 3000, .Height = 600})
        {
            grip.onMouseDown = [this](int, int, float, float) { DragWindow(); };
        }
        forms::PictureBox grip{*this, {.Name = "grip", .Left = 1500, .Top = 0, .Width = 1500, .Height = 600}};
        int ups = 0;
        void Form_MouseDown(int, int, float, float) override { DragWindow(); }
        void Form_MouseUp(int, int, float, float) override { ++ups; }
    };
    ft::ScriptedUi ui;
    for (const bool onControl : {false, true}) {
        Strip& s = forms::the<Strip>();
        s.setLeft(1500);
        s.setTop(1500);
        const float x = onControl ? 1650 : 150;
        ft::press(s, 1, x, 150);
        ft::move(s, 1, x + 300, 300);
        ft::release(s, 1, x + 300, 300);
        EXPECT_EQ(s.Left(), 1800) << (onControl ? "pressed on a control" : "pressed on the background");
        EXPECT_EQ(s.Top(), 1650);
        EXPECT_EQ(s.ups, 0) << "the drag takes the release";
        ft::move(s, 0, 0, 0);
        EXPECT_EQ(s.Left(), 1800) << "the drag ends with the release";
        forms::Unload<Strip>();
    }
    EXPECT_EQ(ui.script().dragRequests, 2);
}

TEST_F(Windows, DragThroughTheWindowSystemsOwnDelivery)
{
    struct Strip : forms::Form {
        Strip() : Form({.Caption = "Strip", .Width = 3000, .Height = 600})
        {
            grip.onMouseMove = [this](int, int, float, float) { ++gripMoves; };
        }
        forms::Image grip{*this, {.Name = "grip", .Left = 1500, .Top = 0, .Width = 1500, .Height = 600}};
        int gripMoves = 0;
        void Form_MouseDown(int, int, float, float) override { DragWindow(); }
    };
    ft::ScriptedUi ui;
    Strip& s = forms::the<Strip>();
    s.setLeft(1500);
    s.setTop(1500);
    s.Show();
    QWindow* window = s.window()->windowHandle();
    QTest::mousePress(window, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseMove(window, QPoint(30, 20));
    // The window moved under the pointer: the same screen point is now at 10, 10 in it.
    QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(s.Left(), 1800);
    EXPECT_EQ(s.Top(), 1650);
    QTest::mouseMove(window, QPoint(150, 20)); // a plain move over the grip reaches it again
    EXPECT_EQ(s.gripMoves, 1);
}

TEST_F(Windows, TheProgramEndsWhenItsLastWindowIsUnloaded)
{
    GTEST_FLAG_SET(death_test_style, "fast"); // the child runs on from this point
    EXPECT_EXIT(
        {
            forms::detail::quitWhenNoneLoaded();
            forms::the<Tool>();
            QTimer::singleShot(0, [] { forms::Unload<Tool>(); });
            QTimer::singleShot(30000, [] { std::_Exit(5); }); // a bound, should the loop never end
            std::_Exit(QCoreApplication::exec() == 0 && !forms::isLoaded<Tool>() ? 3 : 4);
        },
        ::testing::ExitedWithCode(3), "");
}

} // namespace
