#pragma once

#include "skins/Art.h"
#include "skins/Canvas.h"
#include "skins/PixelFont.h"

#include <string_view>

// The button styles shared by every window.
namespace skins::buttons
{

// The raised or sunk face of a graphite button, `depth` pixels of bevel.
void face(Canvas& c, const QRect& r, Look look, int depth = 1);
// A glyph centred on a face: bright red, dimmed and shifted when pressed, glowing when lit.
void glyph(Canvas& c, const QRect& r, const Pattern& p, Look look, int dx = 0, int dy = 0);

void transport(Canvas& c, const Pattern& p, Look look); // main-window transport buttons
void titleBar(Canvas& c, const Pattern& p, Look look);  // small window buttons
void text(Canvas& c, std::string_view label, FontSize size, Look look);
void strip(Canvas& c, const Pattern& p, Look look); // red on black; blue when pressed
void separator(Canvas& c);                          // the 4 x 10 colon
void seekThumb(Canvas& c);

} // namespace skins::buttons
