#pragma once

// The decoder window's layout: geometry in twips, rows in stacking order (earlier lies above).
// Each two-look button is a pair at one place, the button above its second look.

#include "platform/forms/Form.h"
#include "platform/forms/Types.h"
#include "player/LayoutTable.h"

#include <array>

namespace frmDecoderLayout
{

// The 339 x 150 pixel skin covers the top; the two lists lie below it.
inline constexpr forms::FormLayout form{
    .Caption = "Decoder",
    .Width = 5085,
    .Height = 4155,
    .Picture = "decoder/background",
    .Icon = "icon",
};

inline constexpr forms::Font listFont{.Name = "Small Fonts", .Size = 6.75};

// clang-format off
inline constexpr auto rows = std::to_array<forms::Layout>({
    {.Name = "List1", .Left = 15, .Top = 2280, .Width = 2535, .Height = 1875, .BackColor = 0x00000000, .ForeColor = 0x000000FF, .Font = listFont},
    {.Name = "List2", .Left = 2560, .Top = 2280, .Width = 2535, .Height = 1875, .BackColor = 0x00000000, .ForeColor = 0x000000FF, .Font = listFont},
    {.Name = "txtFilename", .Left = 720, .Top = 480, .Width = 3615, .Height = 285, .Caption = "No File Loaded", .BackColor = 0x00000000, .ForeColor = 0x000000FF},
    {.Name = "txtOutname", .Left = 720, .Top = 810, .Width = 3615, .Height = 285, .Caption = "No File Specified", .BackColor = 0x00000000, .ForeColor = 0x000000FF},
    {.Name = "picMp3", .Left = 410, .Top = 1740, .Width = 855, .Height = 315, .ToolTipText = "Load Mp3 File", .Picture = "decoder/picMp3"},
    {.Name = "picMp3b", .Left = 410, .Top = 1740, .Width = 855, .Height = 315, .Visible = false, .Picture = "decoder/picMp3b"},
    {.Name = "picWav", .Left = 1530, .Top = 1740, .Width = 900, .Height = 315, .ToolTipText = "Name Wav File", .Picture = "decoder/picWav"},
    {.Name = "picWav2", .Left = 1530, .Top = 1740, .Width = 900, .Height = 315, .Visible = false, .Picture = "decoder/picWav2"},
    {.Name = "picDecode", .Left = 2780, .Top = 1740, .Width = 810, .Height = 315, .Enabled = false, .ToolTipText = "Start Decoding", .Picture = "decoder/picDecode"},
    {.Name = "picDecode2", .Left = 2780, .Top = 1740, .Width = 810, .Height = 315, .Visible = false, .Picture = "decoder/picDecode2"},
    // Progress: the frame Picture1 and, inside it, the fill Picture2
    {.Name = "Picture1", .Left = 600, .Top = 1220, .Width = 1695, .Height = 135, .BackColor = 0x00000000},
    {.Name = "Picture2", .Left = 0, .Top = 0, .Width = 15, .Height = 135, .BackColor = 0x000000FF},
    {.Name = "lblComplete", .Left = 3960, .Top = 1800, .Width = 750, .Height = 165, .Visible = false, .Caption = "Complete", .BackColor = 0x00000000, .ForeColor = 0x000000FF, .Font = {.Name = "Small Fonts", .Size = 6.75, .Bold = true}},
    {.Name = "Image1", .Left = 4410, .Top = 120, .Width = 195, .Height = 75, .ToolTipText = "minimize", .Picture = "decoder/Image1"},
    {.Name = "imgClose", .Left = 4770, .Top = 60, .Width = 195, .Height = 210, .ToolTipText = "close", .Picture = "decoder/imgClose"},
});
// clang-format on

inline constexpr auto parents = std::to_array<layout::Nesting>({{"Picture2", "Picture1"}});

// The progress frame grows with the job by ten frames a twip; the skin's groove ends where the
// frame may end at most (twips from the frame's left).
inline constexpr int progressMaxWidth = 4365;

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

} // namespace frmDecoderLayout
