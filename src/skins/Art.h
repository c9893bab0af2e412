#pragma once

#include "skins/Canvas.h"

#include <functional>
#include <string_view>

namespace skins
{

enum class Look {
    Normal,  // the button's own picture
    Pressed, // what shows while the button is held
    Lit,     // a latched state: paused, shuffle on, busy
};

// What the window's background carries under a control.
enum class Under {
    PressedLook, // the button's pressed look, seen while its image is hidden
    Black,       // the main window's pause place: one of its two images always shows
    Nothing,     // a second look or a picture box: the control above it decides
};

struct Art {
    Under under = Under::PressedLook;
    Look own = Look::Normal;
    std::function<void(Canvas&, Look)> draw; // fills the whole canvas
};

// The art for a skin resource named in a layout table; nullptr for an unknown name.
const Art* artFor(std::string_view picture);

// A plain raised button, for a resource that has no art of its own.
void drawBlankButton(Canvas& c, Look look);

} // namespace skins
