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

    // The conversion queue and the close.
    Image2.onClick = forms::bind(this, &frmEncoder::Image2_Click);
    Image1.onClick = forms::bind(this, &frmEncoder::Image1_Click);
    wav1.onMouseDown = forms::bind(this, &frmEncoder::wav1_MouseDown);
    wav1.onMouseUp = forms::bind(this, &frmEncoder::wav1_MouseUp);
    mp31.onMouseDown = forms::bind(this, &frmEncoder::mp31_MouseDown);
    mp31.onMouseUp = forms::bind(this, &frmEncoder::mp31_MouseUp);
    encode1.onMouseDown = forms::bind(this, &frmEncoder::encode1_MouseDown);
    encode1.onMouseUp = forms::bind(this, &frmEncoder::encode1_MouseUp);
    Presswork1.onActFrame = [this](int32_t frame) { Presswork1_ActFrame(frame); };
    Presswork1.onThreadEnded = forms::bind(this, &frmEncoder::Presswork1_ThreadEnded);
}
