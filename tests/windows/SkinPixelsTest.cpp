// What a grabbed window shows at its skinned buttons: the button's own picture, and with the
// button hidden the pressed look that the background carries under it.

#include "LayoutMatch.h"

#include "compact/Shade.h"
#include "player/Player.h"
#include "playlist/frmPlaylist.h"
#include "tools/frmDecoder.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace
{

enum class PressedLook {
    Darker, // the main and playlist windows: a darker button
    Blue,   // the compact strip: the pure blue glyph
    Black,  // the main window's pause place: plain black
};

struct Button {
    std::string name;
    PressedLook pressed;
};

struct SkinnedWindow {
    std::string prefix;
    std::function<std::unique_ptr<forms::Form>()> make;
    std::span<const forms::Layout> rows;
    std::span<const layout::Nesting> parents;
    std::vector<Button> buttons;
};

QImage resource(const std::string& name)
{
    return QImage(QString::fromStdString(":/skins/" + name + ".png"));
}

QImage grab(const forms::Form& form)
{
    return form.window()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

int luminance(const QImage& image)
{
    long sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            sum += 3 * qRed(p) + 6 * qGreen(p) + qBlue(p);
        }
    return static_cast<int>(sum / std::max(1, image.width() * image.height()));
}

int countPixels(const QImage& image, QRgb rgb)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += (image.pixel(x, y) & 0xFFFFFF) == (rgb & 0xFFFFFF);
    return n;
}

std::vector<SkinnedWindow> skinnedWindows()
{
    const auto darker = PressedLook::Darker;
    const auto blue = PressedLook::Blue;
    return {
        {"player",
         [] { return std::make_unique<Player>(); },
         PlayerLayout::rows,
         PlayerLayout::parents,
         {{"Minimize", darker},
          {"imgClose", darker},
          {"Tools", darker},
          {"ShadeMode", darker},
          {"imgLoad", darker},
          {"Playlist", darker},
          {"imgplay", darker},
          {"imgpause", PressedLook::Black},
          {"imgstop", darker},
          {"imgseek2", darker},
          {"imgSeek1", darker},
          {"shuffle1", darker},
          {"imgVolumeDown", darker},
          {"imgVolumeUp", darker}}},
        {"playlist",
         [] { return std::make_unique<frmPlaylist>(); },
         frmPlaylistLayout::rows,
         frmPlaylistLayout::parents,
         {{"imgSave", darker},
          {"imgClear", darker},
          {"imgLoad", darker},
          {"add1", darker},
          {"Delete1", darker},
          {"Minimize", darker},
          {"pclose", darker}}},
        {"shade",
         [] { return std::make_unique<Shade>(); },
         ShadeLayout::rows,
         ShadeLayout::parents,
         {{"shadeClose", blue},
          {"shadeshade", blue},
          {"LoadS", blue},
          {"NextS", blue},
          {"PreviousS", blue},
          {"StopS", blue},
          {"PauseS", blue},
          {"PlayS", blue}}},
    };
}

void PrintTo(const SkinnedWindow& w, std::ostream* os)
{
    *os << w.prefix;
}

class SkinPixels : public ::testing::TestWithParam<SkinnedWindow>
{
};

} // namespace

TEST_P(SkinPixels, ButtonShowsItsPictureAndThePressedLookLiesUnderIt)
{
    const SkinnedWindow& sw = GetParam();
    std::unique_ptr<forms::Form> form = sw.make();
    form->Show();
    const std::map<std::string_view, QWidget*> widgets =
        windows_test::widgetsByName(*form, sw.rows, sw.parents);
    const QImage background = resource(sw.prefix + "/background");
    ASSERT_FALSE(background.isNull());

    for (const Button& b : sw.buttons) {
        SCOPED_TRACE(b.name);
        const auto it = widgets.find(b.name);
        ASSERT_NE(it, widgets.end());
        QWidget* button = it->second;
        const QRect place = button->geometry();
        const QImage own = resource(sw.prefix + "/" + b.name).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(own.isNull());
        ASSERT_EQ(own.size(), place.size()) << "a button is shown at its picture's size";

        const QImage normal = grab(*form).copy(place);
        EXPECT_EQ(normal, own) << "the button's normal look";

        // Hide the button and whatever shares its place (the paused twin of a pause button).
        std::vector<QWidget*> hidden;
        for (const auto& [name, w] : widgets)
            if (w->geometry() == place && w->isVisible()) {
                w->hide();
                hidden.push_back(w);
            }
        const QImage pressed = grab(*form).copy(place);
        EXPECT_EQ(pressed, background.copy(place).convertToFormat(QImage::Format_RGB32))
            << "the background shows through";
        EXPECT_NE(pressed, normal);
        switch (b.pressed) {
        case PressedLook::Darker:
            EXPECT_LT(luminance(pressed), luminance(normal));
            break;
        case PressedLook::Blue:
            EXPECT_GT(countPixels(pressed, 0x0000FF), 0) << "a pure blue glyph";
            EXPECT_EQ(countPixels(pressed, 0xFF0000), 0);
            EXPECT_GT(countPixels(normal, 0xFF0000), 0) << "a pure red glyph";
            EXPECT_EQ(countPixels(normal, 0x0000FF), 0);
            break;
        case PressedLook::Black:
            EXPECT_EQ(countPixels(pressed, 0x000000), pressed.width() * pressed.height()) << "plain black";
            break;
        }
        for (QWidget* w : hidden)
            w->show();
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, SkinPixels, ::testing::ValuesIn(skinnedWindows()),
                         [](const auto& info) { return info.param.prefix; });

// Every window but the compact strip carries the program's icon.
TEST(SkinPixels, WindowsCarryTheProgramIcon)
{
    const QImage icon = resource("icon");
    ASSERT_EQ(icon.size(), QSize(32, 32));
    Player player;
    frmPlaylist playlist;
    EXPECT_FALSE(player.Icon().empty());
    EXPECT_EQ(player.Icon().widthPixels(), 32);
    EXPECT_FALSE(playlist.Icon().empty());
    EXPECT_TRUE(Shade().Icon().empty());
}

// A track or progress frame shows how far it reaches: black on a groove of another tone, which
// runs exactly as far as the bar may grow.
TEST(SkinPixels, BarsShowTheirExtentOnTheirGroove)
{
    Player player;
    frmDecoder decoder;
    struct Bar {
        forms::Form& form;
        forms::PictureBox& bar;
        int maxWidth;
    } bars[] = {{player, player.Picture10, PlayerLayout::seekTrackMaxWidth},
                {decoder, decoder.Picture1, frmDecoderLayout::progressMaxWidth}};
    for (const Bar& b : bars) {
        SCOPED_TRACE(b.bar.Name());
        b.form.Show();
        b.bar.setWidth(b.maxWidth / 3);
        const QRect place = b.bar.widget()->geometry();
        const QImage shown = grab(b.form);
        const int y = place.center().y(), end = place.left() + b.maxWidth / 15;
        EXPECT_EQ(shown.pixel(place.right() - 1, y) & 0xFFFFFF, 0u) << "the bar";
        for (int x : {place.right() + 2, end - 1})
            EXPECT_NE(shown.pixel(x, y) & 0xFFFFFF, 0u) << "the groove beyond it, at " << x;
        EXPECT_NE(shown.pixel(end - 1, y), shown.pixel(end + 2, y))
            << "the groove ends where the bar may end";
    }
}
