#pragma once

#include "skins/Canvas.h"
#include "skins/SkinWindows.h"

#include <initializer_list>
#include <string_view>

namespace skins
{

// A control's place on its window in pixels (empty when the table has no such row).
QRect placeOf(const SkinWindow& w, std::string_view name);
QRect unionOf(const SkinWindow& w, std::initializer_list<std::string_view> names);

// The window's own artwork under its controls: body, frame, wells and captions.
void paintBase(const SkinWindow& w, Canvas& c);

// Shared pieces.
void body(Canvas& c, const QRect& r);
void well(Canvas& c, const QRect& inner); // a black recess around a control
void tray(Canvas& c, const QRect& inner); // a dark recess that buttons sit in
void pinstripes(Canvas& c, const QRect& r);
void titleBand(Canvas& c, const QRect& r);

} // namespace skins
