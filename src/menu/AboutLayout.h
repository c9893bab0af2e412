#pragma once

// The About box's layout: geometry in twips. It is the one bordered window and has no skin.

#include "platform/forms/Form.h"
#include "platform/forms/Types.h"
#include "player/LayoutTable.h"

#include <array>

namespace AboutLayout
{

inline constexpr forms::FormLayout form{
    .Caption = "About ",
    .Width = 4155,
    .Height = 2595,
    .Icon = "icon",
    .Bordered = true,
};

inline constexpr forms::Font labelFont{.Name = "MS Sans Serif", .Size = 9.75, .Bold = true};

// The project's own contact address and web page (the reserved documentation domain until
// it has a public home).
inline constexpr std::string_view webAddress = "http://sonavel.example.org";

// clang-format off
inline constexpr auto rows = std::to_array<forms::Layout>({
    {.Name = "Label1", .Left = 120, .Top = 240, .Width = 3855, .Height = 1095, .Caption = "If you have any difficulty with Sonavel, or a question or a comment, please send an e-mail to support@sonavel.example.org", .Font = labelFont},
    {.Name = "Label2", .Left = 120, .Top = 1560, .Width = 3735, .Height = 375, .Caption = "Visist us at:", .Font = labelFont},
    {.Name = "Label3", .Left = 120, .Top = 2040, .Width = 3855, .Height = 495, .Caption = webAddress, .ForeColor = 0x00FF0000, .Font = labelFont},
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

} // namespace AboutLayout
