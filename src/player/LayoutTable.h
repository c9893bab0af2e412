#pragma once

// Look-ups over a window's layout table (the tables themselves are plain data, one header per window).

#include "platform/forms/Types.h"

#include <span>
#include <string_view>
#include <utility>

namespace layout
{

// A control that lies inside a picture box, with that box.
using Nesting = std::pair<std::string_view, std::string_view>;

// The row named `name`; a name missing from the table does not compile.
consteval const forms::Layout& rowIn(std::span<const forms::Layout> rows, std::string_view name)
{
    for (const forms::Layout& r : rows)
        if (r.Name == name) return r;
    throw "no such control in this layout";
}

// The same at run time: nullptr when there is no such row.
constexpr const forms::Layout* findIn(std::span<const forms::Layout> rows, std::string_view name)
{
    for (const forms::Layout& r : rows)
        if (r.Name == name) return &r;
    return nullptr;
}

// The picture box that holds a control; empty for a control placed on the window itself.
constexpr std::string_view parentIn(std::span<const Nesting> nesting, std::string_view name)
{
    for (const auto& [child, parent] : nesting)
        if (child == name) return parent;
    return {};
}

} // namespace layout
