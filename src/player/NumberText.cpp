#include "player/NumberText.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace numbers
{

std::string text(long long n)
{
    return std::to_string(n);
}

std::string text(double x)
{
    if (!std::isfinite(x) || x == 0) return "0";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", x); // "-d.dddddddddddddde+XX": 15 significant digits
    const char* p = buf;
    std::string out;
    if (*p == '-') {
        out += '-';
        ++p;
    }
    std::string digits;
    for (; *p && *p != 'e'; ++p)
        if (*p != '.') digits += *p;
    const int exp = std::atoi(p + 1);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    const int n = static_cast<int>(digits.size());
    if (exp >= n - 1) {
        out += digits;
        out.append(static_cast<size_t>(exp - (n - 1)), '0');
    } else if (exp >= 0) {
        out += digits.substr(0, static_cast<size_t>(exp) + 1);
        out += '.';
        out += digits.substr(static_cast<size_t>(exp) + 1);
    } else {
        out += "0.";
        out.append(static_cast<size_t>(-exp - 1), '0');
        out += digits;
    }
    return out;
}

double value(const std::string& caption)
{
    const char* s = caption.c_str();
    while (*s == ' ')
        ++s;
    // Only decimal notation counts: "inf", "nan" and hexadecimal forms are not numbers here.
    const char* d = (*s == '-' || *s == '+') ? s + 1 : s;
    if (!((*d >= '0' && *d <= '9') || (*d == '.' && d[1] >= '0' && d[1] <= '9'))) return 0;
    if (d[0] == '0' && (d[1] == 'x' || d[1] == 'X')) return 0;
    const double v = std::strtod(s, nullptr);
    return std::isfinite(v) ? v : 0;
}

std::int64_t nearest(double x)
{
    if (std::isnan(x)) return 0;
    constexpr double limit = 9.2e18; // inside the 64-bit range with room for sums
    if (x >= limit) return static_cast<std::int64_t>(limit);
    if (x <= -limit) return -static_cast<std::int64_t>(limit);
    double r = std::round(x); // halves away from zero
    if (std::fabs(x - std::trunc(x)) == 0.5 && std::fmod(r, 2.0) != 0) r -= std::copysign(1.0, x);
    return static_cast<std::int64_t>(r);
}

} // namespace numbers
