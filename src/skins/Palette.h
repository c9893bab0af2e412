#pragma once

#include <cstdint>

namespace skins
{

// 0xRRGGBB. One palette for every window, so the skins read as one product.
using Rgb = std::uint32_t;

namespace palette
{
inline constexpr Rgb Outline = 0x08090b;
inline constexpr Rgb BodyTop = 0x3b4048;
inline constexpr Rgb BodyBottom = 0x24272c;
inline constexpr Rgb TitleTop = 0x4a505a;
inline constexpr Rgb TitleBottom = 0x30343a;
inline constexpr Rgb Groove = 0x1c1e22;
inline constexpr Rgb Hilite = 0x727a85;
inline constexpr Rgb Shadow = 0x111316;
inline constexpr Rgb WellEdgeDark = 0x050607;
inline constexpr Rgb WellEdgeLight = 0x555c66;
inline constexpr Rgb Black = 0x000000;

inline constexpr Rgb FaceTop = 0x50565f;
inline constexpr Rgb FaceBottom = 0x32363c;
inline constexpr Rgb FaceHilite = 0x8a929d;
inline constexpr Rgb FaceShadow = 0x15171a;
inline constexpr Rgb PressedTop = 0x16181b;
inline constexpr Rgb PressedBottom = 0x25282d;
inline constexpr Rgb PressedEdge = 0x3c4149;

inline constexpr Rgb Led = 0xff2a1a;      // glyphs and readouts
inline constexpr Rgb LedHot = 0xff8a70;   // the core of a lit glyph
inline constexpr Rgb LedDim = 0x8c160d;   // a pressed glyph
inline constexpr Rgb LedGhost = 0x220503; // unlit segments
inline constexpr Rgb LedGlow = 0x4a0c07;  // halo around a lit glyph
inline constexpr Rgb PureRed = 0xff0000;
inline constexpr Rgb PureBlue = 0x0000ff;
inline constexpr Rgb Label = 0xc0c0c0;
inline constexpr Rgb LabelDim = 0x8e959f;
inline constexpr Rgb Engrave = 0x1a1c20;
} // namespace palette

} // namespace skins
