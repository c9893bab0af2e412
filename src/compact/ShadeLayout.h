#pragma once

// The compact strip's layout: geometry in twips, rows in stacking order (earlier lies above).
// Each button image lies exactly over the skin's blue glyph of the same shape.

#include "platform/forms/Form.h"
#include "platform/forms/Types.h"
#include "player/LayoutTable.h"

#include <array>

namespace ShadeLayout
{

// 158 x 12 pixels; the strip has no icon.
inline constexpr forms::FormLayout form{
    .Caption = "Form1",
    .Width = 2370,
    .Height = 180,
    .Picture = "shade/background",
};

// clang-format off
inline constexpr auto rows = std::to_array<forms::Layout>({
    {.Name = "colon", .Left = 345, .Top = 20, .Width = 60, .Height = 150, .Picture = "shade/colon", .BackColor = 0x00000000},
    {.Name = "time4", .Left = 560, .Top = 20, .Width = 110, .Height = 150, .BackColor = 0x00000000},
    {.Name = "time3", .Left = 435, .Top = 20, .Width = 110, .Height = 150, .BackColor = 0x00000000},
    {.Name = "time2", .Left = 220, .Top = 20, .Width = 110, .Height = 150, .BackColor = 0x00000000},
    {.Name = "Time1", .Left = 100, .Top = 20, .Width = 110, .Height = 150, .BackColor = 0x00000000},
    {.Name = "shadeClose", .Left = 2150, .Top = 40, .Width = 120, .Height = 90, .Picture = "shade/shadeClose"},
    {.Name = "shadeshade", .Left = 1950, .Top = 40, .Width = 120, .Height = 90, .Picture = "shade/shadeshade"},
    {.Name = "LoadS", .Left = 1620, .Top = 40, .Width = 120, .Height = 90, .Picture = "shade/LoadS"},
    {.Name = "NextS", .Left = 1470, .Top = 40, .Width = 105, .Height = 90, .Picture = "shade/NextS"},
    {.Name = "PreviousS", .Left = 1310, .Top = 40, .Width = 105, .Height = 90, .Picture = "shade/PreviousS"},
    {.Name = "StopS", .Left = 1150, .Top = 40, .Width = 90, .Height = 90, .Picture = "shade/StopS"},
    // PauseS lies above its paused twin PauseS2; both are visible at first
    {.Name = "PauseS", .Left = 1030, .Top = 40, .Width = 60, .Height = 90, .Picture = "shade/PauseS"},
    {.Name = "PlayS", .Left = 870, .Top = 40, .Width = 105, .Height = 90, .Picture = "shade/PlayS"},
    {.Name = "PauseS2", .Left = 1030, .Top = 40, .Width = 60, .Height = 90, .Picture = "shade/PauseS2"},
});
// clang-format on

inline constexpr std::array<layout::Nesting, 0> parents{};

consteval const forms::Layout& row(std::string_view name)
{
    return layout::rowIn(rows, name);
}
constexpr const forms::Layout* find(std::string_view name)
{
    return layout::findIn(rows, name);
}
constexpr std::string_view parentOf(std::string_view name)
{
    return layout::parentIn(parents, name);
}

} // namespace ShadeLayout
