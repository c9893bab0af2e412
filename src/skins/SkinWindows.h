#pragma once

// The windows the skins are drawn for, read straight from their layout tables, so a control
// moved in a table moves its artwork with it. Plain C++: the tests read the same list.

#include "compact/ShadeLayout.h"
#include "menu/AboutLayout.h"
#include "platform/forms/Form.h"
#include "platform/forms/Types.h"
#include "player/LayoutTable.h"
#include "player/PlayerLayout.h"
#include "playlist/frmPlaylistLayout.h"
#include "tools/frmDecoderLayout.h"
#include "tools/frmEncoderLayout.h"

#include <array>
#include <span>
#include <string_view>

namespace skins
{

struct SkinWindow {
    std::string_view prefix; // resource folder: "player", "playlist", ...
    const forms::FormLayout* form;
    std::span<const forms::Layout> rows;
    std::span<const layout::Nesting> parents;
    int backgroundWidth = 0; // pixels; the background may be larger than the window
    int backgroundHeight = 0;
};

inline std::span<const SkinWindow> skinWindows()
{
    static const std::array<SkinWindow, 6> windows{{
        {"player", &PlayerLayout::form, PlayerLayout::rows, PlayerLayout::parents, 370, 186},
        {"playlist", &frmPlaylistLayout::form, frmPlaylistLayout::rows, frmPlaylistLayout::parents, 368, 234},
        {"shade", &ShadeLayout::form, ShadeLayout::rows, ShadeLayout::parents, 158, 12},
        {"about", &AboutLayout::form, AboutLayout::rows, AboutLayout::parents, 0, 0},
        {"decoder", &frmDecoderLayout::form, frmDecoderLayout::rows, frmDecoderLayout::parents, 339, 150},
        {"encoder", &frmEncoderLayout::form, frmEncoderLayout::rows, frmEncoderLayout::parents, 339, 150},
    }};
    return windows;
}

inline constexpr std::string_view IconResource = "icon";
inline constexpr int IconSize = 32;
inline constexpr int DigitWidth = 7;
inline constexpr int DigitHeight = 12;

// Twips to whole pixels, to the nearest pixel.
constexpr int px(int twips)
{
    return twips >= 0 ? (twips + 7) / 15 : -((-twips + 7) / 15);
}

// The picture box that holds `name`; empty for a control placed on the window itself.
inline std::string_view parentOf(const SkinWindow& w, std::string_view name)
{
    for (const auto& [child, parent] : w.parents)
        if (child == name) return parent;
    return {};
}

inline const forms::Layout* findRow(const SkinWindow& w, std::string_view name)
{
    for (const auto& r : w.rows)
        if (r.Name == name) return &r;
    return nullptr;
}

} // namespace skins
