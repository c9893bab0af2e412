#include "tools/frmEncoder.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace
{

// Fills a combo box's list, then puts back its design text (the list must not replace it).
template <std::size_t N>
void fillCombo(forms::ComboBox& combo, const std::array<std::string_view, N>& entries, std::string_view text)
{
    for (std::string_view entry : entries)
        combo.AddItem(std::string(entry));
    combo.setText(std::string(text));
}

} // namespace

frmEncoder::frmEncoder() : forms::Form(frmEncoderLayout::form)
{
    fillCombo(Combo1, frmEncoderLayout::Combo1List, frmEncoderLayout::row("Combo1").Caption);
    fillCombo(Combo2, frmEncoderLayout::Combo2List, frmEncoderLayout::row("Combo2").Caption);
}
