#include "FormsTest.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Testing.h"

#include <QListView>
#include <QTest>
#include <QWindow>
#include <sstream>

namespace
{

namespace ft = forms::testing;

// Two images at one place over a window background, and a box holding a third.
struct Stack : forms::Form {
    Stack() : Form({.Caption = "Stack", .Width = 3000, .Height = 1500})
    {
        for (auto* img : {&upper, &lower, &inBox}) {
            img->onMouseDown = [this, img](int b, int, float x, float y) {
                note(img->Name(), "down", b, x, y);
            };
            img->onMouseMove = [this, img](int b, int, float x, float y) {
                note(img->Name(), "move", b, x, y);
            };
            img->onMouseUp = [this, img](int b, int, float x, float y) { note(img->Name(), "up", b, x, y); };
            img->onClick = [this, img] { log.push_back(img->Name() + " click"); };
        }
        box.onMouseDown = [this](int b, int, float x, float y) { note("box", "down", b, x, y); };
    }
    forms::Image upper{*this, {.Name = "upper", .Left = 300, .Top = 300, .Width = 270, .Height = 255}};
    forms::Image lower{*this, {.Name = "lower", .Left = 300, .Top = 300, .Width = 270, .Height = 255}};
    forms::PictureBox box{*this, {.Name = "box", .Left = 1500, .Top = 150, .Width = 1200, .Height = 900}};
    forms::Image inBox{box, {.Name = "inBox", .Left = 150, .Top = 150, .Width = 300, .Height = 300}};

    std::vector<std::string> log;
    void note(const std::string& who, const char* what, int b, float x, float y)
    {
        std::ostringstream s;
        s << who << " " << what << " " << b << " " << x << "," << y;
        log.push_back(s.str());
    }
    void Form_MouseDown(int b, int, float x, float y) override { note("form", "down", b, x, y); }
    void Form_MouseUp(int b, int, float x, float y) override { note("form", "up", b, x, y); }
};

using Mouse = FormsTest;

TEST_F(Mouse, UpperOfTwoStackedImagesTakesTheClick)
{
    Stack s;
    ft::click(s.lower, 30, 45);
    EXPECT_EQ(s.log, (std::vector<std::string>{"upper down 1 30,45", "upper up 1 30,45", "upper click"}));
}

TEST_F(Mouse, HiddenOrDisabledControlPassesThePressBelow)
{
    struct Case {
        const char* name;
        std::function<void(Stack&)> arrange;
        std::string receiver;
    };
    const std::vector<Case> cases = {
        {"upper hidden", [](Stack& s) { s.upper.setVisible(false); }, "lower down 1 30,45"},
        {"upper disabled", [](Stack& s) { s.upper.setEnabled(false); }, "lower down 1 30,45"},
        {"both hidden", [](Stack& s) { s.upper.setVisible(false), s.lower.setVisible(false); },
         "form down 1 330,345"},
        {"both disabled", [](Stack& s) { s.upper.setEnabled(false), s.lower.setEnabled(false); },
         "form down 1 330,345"},
        {"shown again", [](Stack& s) { s.upper.setVisible(false), s.upper.setVisible(true); },
         "upper down 1 30,45"},
        {"enabled again", [](Stack& s) { s.upper.setEnabled(false), s.upper.setEnabled(true); },
         "upper down 1 30,45"},
    };
    for (const Case& c : cases) {
        Stack s;
        c.arrange(s);
        ft::press(s.lower, 1, 30, 45);
        ft::release(s.lower, 1, 30, 45);
        ASSERT_FALSE(s.log.empty()) << c.name;
        EXPECT_EQ(s.log.front(), c.receiver) << c.name;
    }
}

TEST_F(Mouse, PressesRouteToTheBoxItsChildOrTheWindow)
{
    Stack s;
    ft::press(s.inBox, 2, 15, 15);
    ft::release(s.inBox, 2, 15, 15);
    ft::press(s.box, 1, 900, 600);
    ft::release(s.box, 1, 900, 600);
    ft::press(s, 4, 30, 1200);
    ft::release(s, 4, 30, 1200);
    EXPECT_EQ(s.log, (std::vector<std::string>{"inBox down 2 15,15", "inBox up 2 15,15", "box down 1 900,600",
                                               "form down 4 30,1200", "form up 4 30,1200"}));
}

TEST_F(Mouse, TheControlThatTookThePressGetsMovesAndReleaseOutsideIt)
{
    Stack s;
    ft::press(s.upper, 1, 30, 30);
    ft::move(s.upper, 1, 600, 30);    // off to the right, over the window background
    ft::move(s.upper, 1, -300, -150); // off to the top left
    ft::release(s.upper, 1, 600, 30);
    EXPECT_EQ(s.log, (std::vector<std::string>{"upper down 1 30,30", "upper move 1 600,30",
                                               "upper move 1 -300,-150", "upper up 1 600,30"}))
        << "a release outside the control is no click";
}

TEST_F(Mouse, ControlHiddenByItsOwnPressStillGetsTheRelease)
{
    Stack s;
    s.upper.onMouseDown = [&](int, int, float, float) { s.upper.setVisible(false); };
    s.upper.onMouseUp = [&](int, int, float, float) {
        s.upper.setVisible(true);
        s.log.push_back("upper shown again");
    };
    ft::click(s.upper);
    EXPECT_EQ(s.log, (std::vector<std::string>{"upper shown again", "upper click"}));
}

TEST_F(Mouse, ClickNeedsALeftPressAndReleaseOnTheSameControl)
{
    Stack s;
    ft::press(s.upper, 2);
    ft::release(s.upper, 2);
    ft::press(s.upper, 4);
    ft::release(s.upper, 4);
    EXPECT_EQ(std::count(s.log.begin(), s.log.end(), "upper click"), 0);
    ft::click(s.upper);
    EXPECT_EQ(std::count(s.log.begin(), s.log.end(), "upper click"), 1);
}

TEST_F(Mouse, DoubleClickRunsDblClickForTheSecondPress)
{
    Stack s;
    s.log.clear();
    int dbl = 0;
    s.upper.onDblClick = [&] { ++dbl; };
    ft::doubleClick(s.upper);
    EXPECT_EQ(dbl, 1);
    EXPECT_EQ(std::count(s.log.begin(), s.log.end(), "upper click"), 1);
    EXPECT_EQ(std::count(s.log.begin(), s.log.end(), "upper up 1 15,15"), 2);

    // Without a DblClick handler the second press is a press like the first.
    s.log.clear();
    ft::doubleClick(s.lower); // lands on the upper image
    s.upper.onDblClick = nullptr;
    ft::doubleClick(s.upper);
    EXPECT_EQ(std::count(s.log.begin(), s.log.end(), "upper click"), 3);
}

struct Listing : forms::Form {
    Listing() : Form({.Caption = "Listing", .Width = 3000, .Height = 3000}) {}
    forms::ListBox list{*this, {.Name = "list", .Left = 0, .Top = 0, .Width = 3000, .Height = 3000}};
};

TEST_F(Mouse, UsersPickInAListRunsClickAndDoubleClickRunsDblClick)
{
    Listing w;
    w.list.AddItems({"a", "b", "c"});
    std::vector<std::string> log;
    w.list.onClick = [&] { log.push_back("click " + std::to_string(w.list.ListIndex())); };
    w.list.onDblClick = [&] { log.push_back("dbl " + std::to_string(w.list.ListIndex())); };
    w.list.onMouseDown = [&](int b, int, float, float) { log.push_back("down " + std::to_string(b)); };

    const int rowHeight = static_cast<QListView*>(w.list.widget())->sizeHintForRow(0) * forms::TwipsPerPixel;
    ft::click(w.list, 150, rowHeight * 1.5f);
    ft::doubleClick(w.list, 150, rowHeight * 2.5f);
    ft::click(w.list, 150, 2900); // below the last entry: no pick
    EXPECT_EQ(log, (std::vector<std::string>{"down 1", "click 1", "down 1", "click 2", "dbl 2", "down 1"}));
    EXPECT_EQ(w.list.ListIndex(), 2);
}

} // namespace

namespace
{

// The same routing through Qt's own delivery from the window system, on a shown window.
TEST_F(Mouse, WindowSystemDeliveryRoutesAlike)
{
    Stack s;
    s.Show();
    QWindow* window = s.window()->windowHandle();
    ASSERT_NE(window, nullptr);
    const QPoint onImages(22, 22), outside(100, 22);

    QTest::mousePress(window, Qt::LeftButton, {}, onImages);
    QTest::mouseMove(window, outside);
    QTest::mouseRelease(window, Qt::LeftButton, {}, outside);
    s.upper.setEnabled(false);
    QTest::mouseClick(window, Qt::LeftButton, {}, onImages);
    s.lower.setVisible(false);
    QTest::mouseClick(window, Qt::RightButton, {}, onImages);

    std::vector<std::string> kinds;
    for (const std::string& line : s.log)
        if (line.find(" move ") == std::string::npos)
            kinds.push_back(line.substr(0, line.find(' ', line.find(' ') + 1)));
    EXPECT_EQ(kinds, (std::vector<std::string>{"upper down", "upper up", "lower down", "lower up",
                                               "lower click", "form down", "form up"}));
}

TEST_F(Mouse, WindowSystemDeliveryGivesTheReleaseToAControlThatHidItself)
{
    Stack s;
    s.upper.onMouseDown = [&](int, int, float, float) { s.upper.setVisible(false); };
    s.upper.onMouseUp = [&](int, int, float, float) { s.upper.setVisible(true); };
    s.Show();
    QTest::mouseClick(s.window()->windowHandle(), Qt::LeftButton, {}, QPoint(22, 22));
    EXPECT_TRUE(s.upper.Visible());
    std::erase_if(s.log, [](const std::string& line) { return line.find(" move ") != std::string::npos; });
    EXPECT_EQ(s.log, (std::vector<std::string>{"upper click"}));
}

} // namespace
