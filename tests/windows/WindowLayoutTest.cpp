// Each window's live controls against its layout table: the wiring of every member.

#include "LayoutMatch.h"

#include "compact/Shade.h"
#include "menu/About.h"
#include "player/Player.h"
#include "playlist/frmPlaylist.h"
#include "tools/frmDecoder.h"
#include "tools/frmEncoder.h"

#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace
{

struct WindowCase {
    std::string name;
    std::function<std::unique_ptr<forms::Form>()> make;
    const forms::FormLayout& form;
    std::span<const forms::Layout> rows;
    std::span<const layout::Nesting> parents;
    // Two-look buttons: the upper control, then the one at the same place under it.
    std::vector<std::pair<std::string, std::string>> pairs = {};
};

template <class W> std::unique_ptr<forms::Form> make()
{
    return std::make_unique<W>();
}

void PrintTo(const WindowCase& c, std::ostream* os)
{
    *os << c.name;
}

class WindowLayout : public ::testing::TestWithParam<WindowCase>
{
};

} // namespace

TEST_P(WindowLayout, LiveControlsMatchTheTable)
{
    const WindowCase& c = GetParam();
    std::unique_ptr<forms::Form> w = c.make();
    EXPECT_EQ(w->Width(), c.form.Width);
    EXPECT_EQ(w->Height(), c.form.Height);
    EXPECT_EQ(w->window()->width() * forms::TwipsPerPixel, c.form.Width);
    EXPECT_EQ(w->window()->height() * forms::TwipsPerPixel, c.form.Height);
    EXPECT_EQ(w->Caption(), c.form.Caption);
    EXPECT_FALSE(w->Visible()) << "a window is created hidden";
    windows_test::expectMatchesLayout(*w, c.rows, c.parents);
}

// Where two controls share a place, the one listed first lies above and takes the press; a
// place with neither shown lets the press through to the window itself.
TEST_P(WindowLayout, UpperLookOfATwoLookButtonTakesItsPlace)
{
    const WindowCase& c = GetParam();
    std::unique_ptr<forms::Form> w = c.make();
    w->Show();
    const std::map<std::string_view, QWidget*> widgets = windows_test::widgetsByName(*w, c.rows, c.parents);
    for (const auto& [upperName, lowerName] : c.pairs) {
        SCOPED_TRACE(upperName);
        QWidget* upper = widgets.at(upperName);
        QWidget* lower = widgets.at(lowerName);
        ASSERT_EQ(upper->geometry(), lower->geometry());
        const QPoint centre = upper->geometry().center();
        upper->show();
        lower->show();
        EXPECT_EQ(w->window()->childAt(centre), upper);
        upper->hide();
        EXPECT_EQ(w->window()->childAt(centre), lower);
        lower->hide();
        EXPECT_EQ(w->window()->childAt(centre), nullptr);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Windows, WindowLayout,
    ::testing::Values(WindowCase{"Player",
                                 make<Player>,
                                 PlayerLayout::form,
                                 PlayerLayout::rows,
                                 PlayerLayout::parents,
                                 {{"imgpause", "imgPauseP"}, {"shuffle1", "Shuffle2"}}},
                      WindowCase{"frmPlaylist", make<frmPlaylist>, frmPlaylistLayout::form,
                                 frmPlaylistLayout::rows, frmPlaylistLayout::parents},
                      WindowCase{"Shade",
                                 make<Shade>,
                                 ShadeLayout::form,
                                 ShadeLayout::rows,
                                 ShadeLayout::parents,
                                 {{"PauseS", "PauseS2"}}},
                      WindowCase{"About", make<About>, AboutLayout::form, AboutLayout::rows,
                                 AboutLayout::parents},
                      WindowCase{"frmDecoder",
                                 make<frmDecoder>,
                                 frmDecoderLayout::form,
                                 frmDecoderLayout::rows,
                                 frmDecoderLayout::parents,
                                 {{"picMp3", "picMp3b"}, {"picWav", "picWav2"}}},
                      WindowCase{"frmEncoder",
                                 make<frmEncoder>,
                                 frmEncoderLayout::form,
                                 frmEncoderLayout::rows,
                                 frmEncoderLayout::parents,
                                 {{"wav1", "wav2"}, {"mp31", "mp32"}, {"encode1", "encode2"}}}),
    [](const auto& info) { return info.param.name; });
