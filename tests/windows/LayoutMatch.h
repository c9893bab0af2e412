#pragma once

// Checks a live window against its layout table.

#include "platform/forms/Form.h"
#include "platform/forms/Types.h"
#include "player/LayoutTable.h"

#include <QRect>
#include <map>
#include <span>
#include <string_view>

class QWidget;

namespace windows_test
{

// Every control row of the table has a widget in its container, in layout (stacking) order,
// with the row's geometry, visibility, enabled state, tooltip and text; no container holds a
// widget the table does not list. Timers (rows with an interval) have no widget.
void expectMatchesLayout(const forms::Form& form, std::span<const forms::Layout> rows,
                         std::span<const layout::Nesting> parents);

// The live widget of every control row, found by the same walk (timers have none).
std::map<std::string_view, QWidget*> widgetsByName(const forms::Form& form,
                                                   std::span<const forms::Layout> rows,
                                                   std::span<const layout::Nesting> parents);

} // namespace windows_test
