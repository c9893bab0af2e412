#pragma once

// The scrolling title: built at each song start, turned by one character per tick.

#include <string>

// Blanks before and after the title; each way of starting a song has its own.
struct TitlePads {
    int tagBefore, tagAfter;   // around "artist  --  title"
    int nameBefore, nameAfter; // around the file name
};

inline constexpr TitlePads PlayButtonPads{25, 13, 25, 12};
inline constexpr TitlePads TimerPadsShuffleOn{25, 15, 26, 15};
inline constexpr TitlePads TimerPadsShuffleOff{25, 15, 25, 15};

std::string tagTitle(const std::string& field1, const std::string& field2, const TitlePads& pads);
// The name is the part of the path after its last "/" (all of it when it holds none).
std::string fileNameTitle(const std::string& path, const TitlePads& pads);

// At most this many characters take part in the rotation; the rest is dropped at the first turn.
inline constexpr std::size_t ScrollLimit = 141;

// One tick: the 2nd to the 141st character followed by the first. Characters are whole
// UTF-8 sequences, so a turning title never shows half a character.
std::string rotateTitle(const std::string& text);
