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
#include <memory>
#include <ostream>
#include <string>

namespace
{

struct WindowCase {
    std::string name;
    std::function<std::unique_ptr<forms::Form>()> make;
    const forms::FormLayout& form;
    std::span<const forms::Layout> rows;
    std::span<const layout::Nesting> parents;
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

INSTANTIATE_TEST_SUITE_P(
    Windows, WindowLayout,
    ::testing::Values(
        WindowCase{"Player", make<Player>, PlayerLayout::form, PlayerLayout::rows, PlayerLayout::parents},
        WindowCase{"frmPlaylist", make<frmPlaylist>, frmPlaylistLayout::form, frmPlaylistLayout::rows,
                   frmPlaylistLayout::parents},
        WindowCase{"Shade", make<Shade>, ShadeLayout::form, ShadeLayout::rows, ShadeLayout::parents},
        WindowCase{"About", make<About>, AboutLayout::form, AboutLayout::rows, AboutLayout::parents},
        WindowCase{"frmDecoder", make<frmDecoder>, frmDecoderLayout::form, frmDecoderLayout::rows,
                   frmDecoderLayout::parents},
        WindowCase{"frmEncoder", make<frmEncoder>, frmEncoderLayout::form, frmEncoderLayout::rows,
                   frmEncoderLayout::parents}),
    [](const auto& info) { return info.param.name; });
