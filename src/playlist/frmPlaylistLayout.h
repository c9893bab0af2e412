#pragma once

// The playlist window's layout: geometry in twips, rows in stacking order (earlier lies above).

#include "platform/forms/Form.h"
#include "platform/forms/Types.h"
#include "player/LayoutTable.h"

#include <array>

namespace frmPlaylistLayout
{

// The background is 368 pixels wide; the window shows its left 345.
inline constexpr forms::FormLayout form{
    .Caption = "Playlist",
    .Width = 5175,
    .Height = 3510,
    .Picture = "playlist/background",
    .Icon = "icon",
};

inline constexpr forms::Font listFont{.Name = "Small Fonts", .Size = 6};

// clang-format off
inline constexpr auto rows = std::to_array<forms::Layout>({
    {.Name = "List1", .Left = 190, .Top = 180, .Width = 4800, .Height = 2880, .BackColor = 0x00000000, .ForeColor = 0x000000FF, .Font = listFont},
    // The shuffled order, shown in List1's place while shuffle is on
    {.Name = "List7", .Left = 190, .Top = 180, .Width = 4800, .Height = 2880, .Visible = false, .BackColor = 0x00000000, .ForeColor = 0x000000FF, .Font = listFont},
    {.Name = "Text1", .Left = 720, .Top = 4320, .Width = 1215, .Height = 285, .Visible = false, .Caption = "Text1"},
    {.Name = "imgSave", .Left = 250, .Top = 3230, .Width = 300, .Height = 120, .ToolTipText = "Save Playlist", .Picture = "playlist/imgSave"},
    {.Name = "imgClear", .Left = 780, .Top = 3230, .Width = 360, .Height = 120, .ToolTipText = "Clear Playlist", .Picture = "playlist/imgClear"},
    {.Name = "imgLoad", .Left = 1360, .Top = 3230, .Width = 345, .Height = 120, .ToolTipText = "Load", .Picture = "playlist/imgLoad"},
    {.Name = "add1", .Left = 1930, .Top = 3230, .Width = 270, .Height = 120, .ToolTipText = "Add Song", .Picture = "playlist/add1"},
    {.Name = "Delete1", .Left = 2430, .Top = 3230, .Width = 435, .Height = 120, .ToolTipText = "Delete Song", .Picture = "playlist/Delete1"},
    {.Name = "Minimize", .Left = 3620, .Top = 3240, .Width = 540, .Height = 105, .ToolTipText = "Minimize", .Picture = "playlist/Minimize"},
    {.Name = "pclose", .Left = 4410, .Top = 3240, .Width = 360, .Height = 105, .ToolTipText = "Close", .Picture = "playlist/pclose"},
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

} // namespace frmPlaylistLayout
