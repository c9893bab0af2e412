#include "FormsTest.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Internal.h"
#include "platform/forms/TextEdit.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTemporaryDir>

namespace
{

using forms::Layout;

struct Panel : forms::Form {
    Panel() : Form({.Caption = "Panel", .Width = 4500, .Height = 3000}) {}
    forms::Label caption{*this,
                         {.Name = "caption",
                          .Left = 0,
                          .Top = 0,
                          .Width = 900,
                          .Height = 195,
                          .Caption = "0:00",
                          .ForeColor = 0x0000C000,
                          .Font = {.Name = "Small Fonts", .Size = 6.75, .Bold = true}}};
    forms::TextBox text{
        *this, {.Name = "text", .Left = 0, .Top = 300, .Width = 900, .Height = 285, .Caption = "Text2"}};
    forms::ListBox list{*this, {.Name = "list", .Left = 0, .Top = 600, .Width = 2100, .Height = 1500}};
    forms::ComboBox combo{
        *this,
        {.Name = "combo", .Left = 2200, .Top = 0, .Width = 1500, .Height = 315, .Caption = "128 (kbps)"}};
};

using Controls = FormsTest;

TEST_F(Controls, LabelChangeRunsOnlyOnADifferentTextAndBeforeTheAssignmentReturns)
{
    Panel p;
    std::vector<std::string> seen;
    p.caption.onChange = [&] { seen.push_back(p.caption.Caption()); };

    p.caption.setCaption("0:00"); // the layout text: no change
    EXPECT_TRUE(seen.empty());
    p.caption.setCaption("1:05");
    ASSERT_EQ(seen.size(), 1u) << "the handler must have run before setCaption returned";
    EXPECT_EQ(seen[0], "1:05");
    p.caption.setCaption("1:05");
    p.caption.setCaption("");
    p.caption.setCaption("");
    EXPECT_EQ(seen, (std::vector<std::string>{"1:05", ""}));
    EXPECT_EQ(static_cast<QLabel*>(p.caption.widget())->text(), QString());
}

TEST_F(Controls, TextBoxChangeRunsOnEveryChangeFromCodeOrUser)
{
    Panel p;
    int changes = 0;
    p.text.onChange = [&] { ++changes; };
    EXPECT_EQ(p.text.Text(), "Text2");
    p.text.setText("Text2");
    EXPECT_EQ(changes, 0);
    p.text.setText("50");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(p.text.Text(), "50");
}

// A text set from code is drawn without entering the line control until the user clicks in:
// it must look exactly as the line edit draws it, from its start.
TEST_F(Controls, TextBoxDrawsCodeSetTextAsTheLineEditWould)
{
    Panel p;
    auto* box = static_cast<forms::detail::TextEdit*>(p.text.widget());
    QLineEdit plain;
    plain.setFrame(false);
    plain.setFont(box->font());
    plain.setPalette(box->palette());
    plain.resize(box->size());
    const std::string overLong(40000, 'w'); // past the line edit's length limit
    const std::pair<const char*, Qt::Alignment> cases[] = {
        {"  Artist  --  Title  ", Qt::AlignLeft},
        {"A title far longer than the box is wide, ending here", Qt::AlignLeft},
        {"\xc3\x89t\xc3\xa9 \xe2\x80\x94 ja\xe3\x81\x82\ttab\nline", Qt::AlignLeft},
        {"128", Qt::AlignRight},
        {"mid", Qt::AlignHCenter},
        {"", Qt::AlignLeft},
        {overLong.c_str(), Qt::AlignLeft},
    };
    for (const auto& [text, align] : cases) {
        box->setAlignment(align);
        plain.setAlignment(align);
        p.text.setText(text);
        plain.setText(QString::fromUtf8(text));
        plain.setCursorPosition(0);
        EXPECT_EQ(box->grab().toImage(), plain.grab().toImage()) << std::string(text).substr(0, 40);
    }
    p.text.setText("typed over");
    QFocusEvent focus(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(box, &focus);
    EXPECT_EQ(box->text(), QStringLiteral("typed over"));
    EXPECT_EQ(box->cursorPosition(), 0);
}

TEST_F(Controls, ListSelectionFromCodeRunsClickAtOnce)
{
    Panel p;
    p.list.AddItem("a");
    p.list.AddItem("b");
    p.list.AddItem("c");
    std::vector<int> clicks;
    p.list.onClick = [&] { clicks.push_back(p.list.ListIndex()); };

    p.list.setListIndex(2);
    p.list.setListIndex(2);  // selecting the selected entry again is a pick too
    p.list.setListIndex(-1); // clearing the selection
    p.list.setListIndex(3);  // past the end: nothing
    p.list.setListIndex(-2);
    EXPECT_EQ(clicks, (std::vector<int>{2, 2, -1}));
    EXPECT_EQ(p.list.ListIndex(), -1);
}

TEST_F(Controls, ListEntriesOutOfRangeReadEmptyAndRemoveNothing)
{
    Panel p;
    p.list.AddItems({"one", "two", "three"});
    p.list.setListIndex(2);

    struct Case {
        int index;
        std::string text;
    };
    for (const Case& c : {Case{0, "one"}, Case{2, "three"}, Case{3, ""}, Case{-1, ""}, Case{1000, ""}})
        EXPECT_EQ(p.list.List(c.index), c.text) << "List(" << c.index << ")";

    p.list.RemoveItem(3);
    p.list.RemoveItem(-1);
    EXPECT_EQ(p.list.ListCount(), 3);
    p.list.RemoveItem(0); // before the selection: the selection moves with its entry
    EXPECT_EQ(p.list.ListIndex(), 1);
    EXPECT_EQ(p.list.List(1), "three");
    p.list.RemoveItem(1); // the selected entry itself: nothing stays selected
    EXPECT_EQ(p.list.ListIndex(), -1);
    EXPECT_EQ(p.list.ListCount(), 1);
    p.list.Clear();
    EXPECT_EQ(p.list.ListCount(), 0);
    EXPECT_EQ(p.list.List(0), "");
}

TEST_F(Controls, ListShowsItsEntriesInItsView)
{
    Panel p;
    p.list.AddItems(std::vector<std::string>(32766, "/music/song.mp3"));
    p.list.AddItem("last");
    auto* view = static_cast<QListView*>(p.list.widget());
    EXPECT_EQ(view->model()->rowCount(), 32767);
    EXPECT_EQ(view->model()->index(32766, 0).data().toString(), QStringLiteral("last"));
    p.list.RemoveItem(0);
    EXPECT_EQ(view->model()->rowCount(), 32766);
}

TEST_F(Controls, ComboBoxKeepsTextEntriesAndIndex)
{
    Panel p;
    EXPECT_EQ(p.combo.Text(), "128 (kbps)");
    EXPECT_EQ(p.combo.ListIndex(), -1);
    for (const char* rate : {"128 (kbps)", "112 (kbps)", "96 (kbps)"})
        p.combo.AddItem(rate);
    EXPECT_EQ(p.combo.Text(), "128 (kbps)") << "adding entries keeps the text";
    int clicks = 0, changes = 0;
    p.combo.onClick = [&] { ++clicks; };
    p.combo.onChange = [&] { ++changes; };
    p.combo.setListIndex(1);
    EXPECT_EQ(p.combo.Text(), "112 (kbps)");
    EXPECT_EQ(clicks, 1);
    p.combo.setText("100");
    EXPECT_EQ(p.combo.ListIndex(), -1);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(p.combo.List(2), "96 (kbps)");
    EXPECT_EQ(p.combo.List(3), "");
}

TEST_F(Controls, GeometryIsInTwipsAtFifteenAPixel)
{
    Panel p;
    p.caption.Move(405, 290, 2100, 270);
    EXPECT_EQ(p.caption.widget()->geometry(), QRect(27, 19, 140, 18));
    p.caption.setLeft(1000); // not a whole pixel: kept as set, shown at the nearest pixel
    EXPECT_EQ(p.caption.Left(), 1000);
    EXPECT_EQ(p.caption.widget()->x(), 67);
    EXPECT_EQ(p.Width(), 4500);
    EXPECT_EQ(p.window()->width(), 300);
    p.setLeft(1500);
    p.setTop(-300);
    EXPECT_EQ(p.Left(), 1500);
    EXPECT_EQ(p.Top(), -300);
}

TEST_F(Controls, FontsAndColoursFollowTheLayout)
{
    struct Case {
        forms::Font font;
        QString family;
        int pixels;
    };
    const QFont base;
    for (const Case& c : {Case{{"Small Fonts", 6, false}, "DejaVu Sans", 8},
                          Case{{"Small Fonts", 6.75, true}, "DejaVu Sans", 9},
                          Case{{"MS Sans Serif", 9.75, true}, "DejaVu Sans", 12},
                          Case{{"MS Serif", 8.25, false}, "DejaVu Serif", 11}}) {
        const QFont f = forms::detail::toQFont(c.font, base);
        EXPECT_EQ(f.family(), c.family);
        EXPECT_EQ(f.pixelSize(), c.pixels) << c.font.Size << " points";
        EXPECT_EQ(f.bold(), c.font.Bold);
    }
    EXPECT_EQ(forms::detail::toQColor(0x0000C000, Qt::red), QColor(0, 0xC0, 0));
    EXPECT_EQ(forms::detail::toQColor(0x00FF8040, Qt::red), QColor(0x40, 0x80, 0xFF));
    EXPECT_EQ(forms::detail::toQColor(forms::NoColor, Qt::red), QColor(Qt::red));

    Panel p;
    const QLabel* label = static_cast<QLabel*>(p.caption.widget());
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0, 0xC0, 0));
    EXPECT_EQ(label->font().pixelSize(), 9);
}

TEST_F(Controls, VisibleAndEnabledAreTheControlsOwnWhileTheWindowIsHidden)
{
    Panel p;
    EXPECT_FALSE(p.Visible());
    EXPECT_TRUE(p.caption.Visible());
    p.caption.setVisible(false);
    p.caption.setEnabled(false);
    EXPECT_FALSE(p.caption.Visible());
    EXPECT_FALSE(p.caption.Enabled());
    EXPECT_TRUE(p.caption.widget()->testAttribute(Qt::WA_TransparentForMouseEvents));
    p.caption.setToolTipText("Click file once to add to playlist.");
    EXPECT_EQ(p.caption.ToolTipText(), "Click file once to add to playlist.");

    // A hidden control's text is its own at once and runs its handler; its widget shows it
    // once the control is shown.
    int changes = 0;
    p.caption.onChange = p.text.onChange = [&] { ++changes; };
    p.text.setVisible(false);
    p.caption.setCaption("3:07");
    p.text.setText("42");
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(p.caption.Caption(), "3:07");
    EXPECT_EQ(p.text.Text(), "42");
    p.caption.setVisible(true);
    p.text.setVisible(true);
    EXPECT_EQ(static_cast<QLabel*>(p.caption.widget())->text(), QStringLiteral("3:07"));
    EXPECT_EQ(static_cast<forms::detail::TextEdit*>(p.text.widget())->shownText(), QStringLiteral("42"));
}

TEST_F(Controls, PicturesLoadFromBitmapsAndImagesTakeTheirSize)
{
    QTemporaryDir dir;
    const QString bmp = dir.filePath(QStringLiteral("07.bmp"));
    QImage digit(11, 15, QImage::Format_RGB32);
    digit.fill(Qt::green);
    ASSERT_TRUE(digit.save(bmp, "BMP"));
    QFile junk(dir.filePath(QStringLiteral("junk.bmp")));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a bitmap");
    junk.close();

    const forms::Picture p = forms::LoadPicture(bmp.toStdString());
    ASSERT_FALSE(p.empty());
    EXPECT_EQ(p.widthPixels(), 11);
    EXPECT_EQ(p.heightPixels(), 15);
    EXPECT_NE(p.Handle(), 0);
    for (const std::string& bad : {std::string(), dir.filePath("missing.bmp").toStdString(),
                                   junk.fileName().toStdString(), dir.path().toStdString()})
        EXPECT_TRUE(forms::LoadPicture(bad).empty()) << bad;
    EXPECT_TRUE(forms::Picture::fromResource("no/such/skin").empty());

    struct Digits : forms::Form {
        Digits() : Form({.Caption = "Digits", .Width = 1500, .Height = 1500}) {}
        forms::Image digit{*this, {.Name = "digit", .Left = 150, .Top = 150, .Width = 300, .Height = 300}};
        forms::PictureBox box{*this, {.Name = "box", .Left = 600, .Top = 150, .Width = 300, .Height = 300}};
    } w;
    EXPECT_EQ(w.digit.Width(), 300) << "no picture: the layout size";
    w.digit.setPicture(p);
    EXPECT_EQ(w.digit.Width(), 165);
    EXPECT_EQ(w.digit.Height(), 225);
    w.box.setPicture(p);
    EXPECT_EQ(w.box.Width(), 300) << "a picture box keeps its size";
    w.digit.setPicture(forms::LoadPicture("/no/such/file.bmp"));
    EXPECT_TRUE(w.digit.Picture().empty());
}

} // namespace
