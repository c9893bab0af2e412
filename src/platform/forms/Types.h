#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace forms
{

inline constexpr int TwipsPerPixel = 15;

// Colours are kept as the layouts give them: &H00BBGGRR.
using Color = std::uint32_t;
inline constexpr Color NoColor = 0xFFFFFFFFu; // "use the control's default"

struct Font {
    std::string_view Name = {}; // "Small Fonts", "MS Sans Serif", "MS Serif"; empty = default
    double Size = 0;            // points; 0 = default
    bool Bold = false;
};

// Mouse handler arguments: Button 1 left, 2 right, 4 middle; X, Y in twips, control-relative.
using MouseHandler = std::function<void(int Button, int Shift, float X, float Y)>;
using Handler = std::function<void()>;

// Wires a control's event to a member function of its window: forms::bind(this, &W::x_Click).
template <class W> Handler bind(W* w, void (W::*fn)())
{
    return [w, fn] { (w->*fn)(); };
}
template <class W> MouseHandler bind(W* w, void (W::*fn)(int, int, float, float))
{
    return [w, fn](int Button, int Shift, float X, float Y) { (w->*fn)(Button, Shift, X, Y); };
}

// One row of a window's layout table. Fields that do not apply to a control's kind are ignored.
struct Layout {
    std::string_view Name;
    int Left = 0, Top = 0, Width = 0, Height = 0; // twips
    bool Visible = true;
    bool Enabled = true;
    std::string_view Caption = {}; // label caption, text box text, form caption
    std::string_view ToolTipText = {};
    std::string_view Picture = {}; // skin resource name, e.g. "player/imgplay"
    Color BackColor = NoColor;
    Color ForeColor = NoColor;
    forms::Font Font = {};
    int Alignment = 0;        // 0 left, 1 right, 2 centre
    bool Transparent = false; // label BackStyle 0
    int Interval = 0;         // timers, milliseconds
};

} // namespace forms
