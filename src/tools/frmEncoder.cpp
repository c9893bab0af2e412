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
    Image2.onClick = [this] { Image2_Click(); };
    Image1.onClick = [this] { Image1_Click(); };
    wav1.onMouseDown = [this](int Button, int Shift, float X, float Y) {
        wav1_MouseDown(Button, Shift, X, Y);
    };
    wav1.onMouseUp = [this](int Button, int Shift, float X, float Y) { wav1_MouseUp(Button, Shift, X, Y); };
    mp31.onMouseDown = [this](int Button, int Shift, float X, float Y) {
        mp31_MouseDown(Button, Shift, X, Y);
    };
    mp31.onMouseUp = [this](int Button, int Shift, float X, float Y) { mp31_MouseUp(Button, Shift, X, Y); };
    encode1.onMouseDown = [this](int Button, int Shift, float X, float Y) {
        encode1_MouseDown(Button, Shift, X, Y);
    };
    encode1.onMouseUp = [this](int Button, int Shift, float X, float Y) {
        encode1_MouseUp(Button, Shift, X, Y);
    };
    Presswork1.onActFrame = [this](int32_t frame) { Presswork1_ActFrame(frame); };
    Presswork1.onThreadEnded = [this] { Presswork1_ThreadEnded(); };
}
