#pragma once

// Numbers as the windows write them into captions and text boxes, and read them back.

#include <cstdint>
#include <string>

namespace numbers
{

// Plain decimal digits, "-" in front when negative, no leading blank.
std::string text(long long n);
inline std::string text(int n)
{
    return text(static_cast<long long>(n));
}
// A double rounded to 15 significant digits, in plain decimal notation (never an exponent),
// without trailing zeros; "0" for zero of either sign and for a value that is not a number.
std::string text(double x);

// A caption read back as a number: its leading decimal number, 0 when it holds none.
double value(const std::string& caption);

// x rounded to the nearest whole number, halves to the even neighbour, saturated to the
// 64-bit range so that no later product or division overflows; 0 for a non-number.
std::int64_t nearest(double x);

} // namespace numbers
