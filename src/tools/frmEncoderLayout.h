#pragma once

// The encoder window's layout: geometry in twips, rows in stacking order (earlier lies above).
// Each button lies above its second look, which stays visible under it.

#include "platform/forms/Form.h"
#include "platform/forms/Types.h"
#include "player/LayoutTable.h"

#include <array>

namespace frmEncoderLayout
{

// The 339 x 150 pixel skin covers the top; the two lists lie below it.
inline constexpr forms::FormLayout form{
    .Caption = "Encoder",
    .Width = 5085,
    .Height = 3990,
    .Picture = "encoder/background",
    .Icon = "icon",
};

inline constexpr forms::Font smallFont{.Name = "Small Fonts", .Size = 6.75};
inline constexpr forms::Font comboFont{.Name = "Small Fonts", .Size = 6};

// clang-format off
inline constexpr auto rows = std::to_array<forms::Layout>({
    {.Name = "List1", .Left = 15, .Top = 2280, .Width = 2520, .Height = 1710, .BackColor = 0x00000000, .ForeColor = 0x000000FF, .Font = smallFont},
    {.Name = "List2", .Left = 2550, .Top = 2280, .Width = 2530, .Height = 1710, .BackColor = 0x00000000, .ForeColor = 0x000000FF, .Font = smallFont},
    {.Name = "txtFilename", .Left = 600, .Top = 440, .Width = 3855, .Height = 165, .Caption = "No File Loaded", .BackColor = 0x00000000, .ForeColor = 0x000000FF, .Font = smallFont},
    {.Name = "txtOutname", .Left = 600, .Top = 640, .Width = 3855, .Height = 165, .Caption = "No File Specified", .BackColor = 0x00000000, .ForeColor = 0x000000FF, .Font = smallFont},
    {.Name = "Combo1", .Left = 3045, .Top = 850, .Width = 1455, .Height = 270, .Caption = "128 (kbps)", .BackColor = 0x00000000, .ForeColor = 0x000000FF, .Font = comboFont},
    {.Name = "Combo2", .Left = 3045, .Top = 1140, .Width = 1455, .Height = 270, .Caption = "default  (kHz)", .BackColor = 0x00000000, .ForeColor = 0x000000FF, .Font = comboFont},
    {.Name = "Label1", .Left = 840, .Top = 1080, .Width = 315, .Height = 195, .Caption = " ", .BackColor = 0x00000000, .ForeColor = 0x000000FF, .Font = {.Name = "MS Sans Serif", .Size = 8.25, .Bold = true}},
    {.Name = "lblComplete", .Left = 3920, .Top = 1800, .Width = 750, .Height = 165, .Caption = "Complete", .BackColor = 0x00000000, .ForeColor = 0x000000FF, .Font = {.Name = "Small Fonts", .Size = 6.75, .Bold = true}},
    {.Name = "wav1", .Left = 440, .Top = 1740, .Width = 900, .Height = 285, .ToolTipText = "Load Wav File", .Picture = "encoder/wav1"},
    {.Name = "wav2", .Left = 440, .Top = 1740, .Width = 900, .Height = 285, .Picture = "encoder/wav2"},
    {.Name = "mp31", .Left = 1500, .Top = 1740, .Width = 855, .Height = 285, .ToolTipText = "Name Mp3 File", .Picture = "encoder/mp31"},
    {.Name = "mp32", .Left = 1500, .Top = 1740, .Width = 855, .Height = 285, .Picture = "encoder/mp32"},
    {.Name = "encode1", .Left = 2700, .Top = 1740, .Width = 780, .Height = 285, .ToolTipText = "Start Encoding", .Picture = "encoder/encode1"},
    {.Name = "encode2", .Left = 2700, .Top = 1740, .Width = 780, .Height = 285, .Picture = "encoder/encode2"},
    {.Name = "Image2", .Left = 4410, .Top = 130, .Width = 195, .Height = 75, .ToolTipText = "Minimize", .Picture = "encoder/Image2"},
    {.Name = "Image1", .Left = 4770, .Top = 70, .Width = 195, .Height = 210, .ToolTipText = "Close", .Picture = "encoder/Image1"},
});
// clang-format on

// The entries of the two combo boxes, in list order.
inline constexpr auto Combo1List =
    std::to_array<std::string_view>({"128 kbps", "112 kbps", "96 kbps", "64 kbps", "56 kbps", "32 kbps"});
inline constexpr auto Combo2List =
    std::to_array<std::string_view>({"default", "32000 kHz", "44100 kHz", "48000 kHz"});

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

} // namespace frmEncoderLayout
