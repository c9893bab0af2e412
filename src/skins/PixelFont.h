#pragma once

#include "skins/Canvas.h"

#include <string_view>

namespace skins
{

// Hand-drawn bitmap fonts with glyphs of their own widths; upper case, digits and a few signs.
// Lower case letters draw as upper case; unknown characters as blanks.
enum class FontSize { Small, Large }; // 5 and 7 pixels high

int fontHeight(FontSize size);
int textWidth(FontSize size, std::string_view text);
void drawText(Canvas& canvas, FontSize size, std::string_view text, int x, int y, Rgb color);
// Engraved look: a dark copy one pixel down and right under the text.
void drawEngraved(Canvas& canvas, FontSize size, std::string_view text, int x, int y, Rgb color, Rgb shade);

} // namespace skins
