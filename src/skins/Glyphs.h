#pragma once

#include "skins/Canvas.h"

// Transport and window glyphs, drawn pixel by pixel ('#' lit).
namespace skins::glyphs
{

// Main window, 7 pixels high.
inline const Pattern Play = {"#....", "##...", "###..", "####.", "###..", "##...", "#...."};
inline const Pattern Pause = {"##.##", "##.##", "##.##", "##.##", "##.##", "##.##", "##.##"};
inline const Pattern Stop = {"######", "######", "######", "######", "######", "######"};
inline const Pattern Previous = {"#...#...#", "#..##..##", "#.###.###", "#########",
                                 "#.###.###", "#..##..##", "#...#...#"};
inline const Pattern Next = {"#...#...#", "##..##..#", "###.###.#", "#########",
                             "###.###.#", "##..##..#", "#...#...#"};
inline const Pattern Eject = {"...#...", "..###..", ".#####.", "#######", ".......", "#######", "#######"};
inline const Pattern List = {"#.######", "........", "#.######", "........",
                             "#.######", "........", "#.######"};
inline const Pattern Shuffle = {"........#.", "###...####", "...#.#..#.", "....#.....",
                                "...#.#..#.", "###...####", "........#."};
inline const Pattern VolumeDown = {"...#......", "..##......", "####......", "####..####",
                                   "####......", "..##......", "...#......"};
inline const Pattern VolumeUp = {"...#......", "..##...#..", "####...#..", "####.#####",
                                 "####...#..", "..##...#..", "...#......"};

// Title-bar buttons.
inline const Pattern Minimise = {"#####"};
inline const Pattern Close = {"#...#", ".#.#.", "..#..", ".#.#.", "#...#"};
inline const Pattern CloseSmall = {"#..#", ".##.", ".##.", "#..#"};
inline const Pattern Shade = {"#####", "#####", "#...#", "#####"};
inline const Pattern Menu = {"#####", ".###.", "..#.."};

// The compact strip, 6 pixels high, each exactly its bitmap's size.
inline const Pattern StripPlay = {"##.....", "####...", "######.", "######.", "####...", "##....."};
inline const Pattern StripPause = {"#..#", "#..#", "#..#", "#..#", "#..#", "#..#"};
inline const Pattern StripStop = {"######", "######", "######", "######", "######", "######"};
inline const Pattern StripPrevious = {"#....##", "#..####", "#.#####", "#.#####", "#..####", "#....##"};
inline const Pattern StripNext = {"##....#", "####..#", "#####.#", "#####.#", "####..#", "##....#"};
inline const Pattern StripEject = {"...##...", "..####..", ".######.", "########", "........", "########"};
inline const Pattern StripBox = {"########", "########", "#......#", "#......#", "#......#", "########"};
inline const Pattern StripCross = {"##....##", ".##..##.", "..####..", "..####..", ".##..##.", "##....##"};

} // namespace skins::glyphs
