#pragma once

// The time display: caption values drawn as two digit pictures read from WinDir's time/ folder.

#include "platform/forms/Controls.h"

#include <initializer_list>
#include <optional>
#include <string>

// The picture of digit d (0..9), read from WinDir + "/time/0d.bmp". A file is decoded once and
// read again only when it changes on disk; a missing or unreadable file gives an empty picture.
forms::Picture digitPicture(int digit);

// The whole number 0..last that the caption holds (blanks around it allowed); none for any
// other text: another number, a fraction, a sign, or no number at all.
std::optional<int> wholeCaptionValue(const std::string& caption, int last);

// One row of digit boxes.
struct DigitRow {
    forms::PictureBox& tens;
    forms::PictureBox& units;
};
enum class DigitOrder { TensFirst, UnitsFirst };

// Draws the caption's value as two digits (leading zero) into each row, row by row, in the
// given order within a row. A caption that is not a whole number 0..last leaves every box as
// it was, and so does a digit whose file cannot be read.
void DrawTimeDigits(const std::string& caption, int last, DigitOrder order,
                    std::initializer_list<DigitRow> rows);
