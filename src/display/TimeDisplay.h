#pragma once

// The time display: caption values drawn as two digit pictures read from WinDir's time/ folder.

#include "platform/forms/Controls.h"

#include <initializer_list>
#include <string>

// One row of digit boxes.
struct DigitRow {
    forms::PictureBox& tens;
    forms::PictureBox& units;
};
enum class DigitOrder { TensFirst, UnitsFirst };

// Draws the caption's value as two digits (leading zero) into each row, row by row, in the
// given order within a row. A caption that is not a whole number 0..last leaves every box as
// it was, and so does a digit whose file cannot be read. Digit d is WinDir + "/time/0d.bmp".
void DrawTimeDigits(const std::string& caption, int last, DigitOrder order,
                    std::initializer_list<DigitRow> rows);
