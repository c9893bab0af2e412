#include "display/TimeDisplay.h"

#include "player/Globals.h"

#include <charconv>
#include <cmath>
#include <filesystem>
#include <map>
#include <optional>
#include <system_error>

namespace
{

namespace fs = std::filesystem;

// A decoded digit and the version of the file it came from.
struct CachedDigit {
    fs::file_time_type written;
    std::uintmax_t size = 0;
    forms::Picture picture;
};

// The elapsed seconds are drawn every second of playback, so a draw must not decode a bitmap
// again unless its file changed; a stat per draw keeps a replaced digit file showing at once.
forms::Picture loadCached(const std::string& path)
{
    static std::map<std::string, CachedDigit> cache;
    std::error_code ec;
    const fs::file_time_type written = fs::last_write_time(path, ec);
    const std::uintmax_t size = ec ? 0 : fs::file_size(path, ec);
    if (ec) {
        cache.erase(path);
        return {};
    }
    auto it = cache.find(path);
    if (it != cache.end() && it->second.written == written && it->second.size == size)
        return it->second.picture;
    CachedDigit& entry = cache[path];
    entry = {written, size, forms::LoadPicture(path)};
    return entry.picture;
}

// A missing or unreadable file gives an empty picture.
forms::Picture digitPicture(int digit)
{
    if (digit < 0 || digit > 9) return {};
    return loadCached(WinDir + "/time/0" + std::to_string(digit) + ".bmp");
}

// The whole number 0..last that the caption holds (blanks around it allowed); none for any
// other text: another number, a fraction, a sign, or no number at all.
std::optional<int> wholeCaptionValue(const std::string& caption, int last)
{
    const auto first = caption.find_first_not_of(' ');
    if (first == std::string::npos) return std::nullopt;
    const auto end = caption.find_last_not_of(' ') + 1;
    double value = 0;
    const char* begin = caption.data() + first;
    const auto [ptr, ec] = std::from_chars(begin, caption.data() + end, value);
    if (ec != std::errc() || ptr != caption.data() + end) return std::nullopt;
    if (!(value >= 0 && value <= last) || value != std::trunc(value)) return std::nullopt; // also NaN
    return static_cast<int>(value);
}

void drawDigit(forms::PictureBox& box, const forms::Picture& picture)
{
    if (!picture.empty()) box.setPicture(picture);
}

} // namespace

void DrawTimeDigits(const std::string& caption, int last, DigitOrder order,
                    std::initializer_list<DigitRow> rows)
{
    const std::optional<int> k = wholeCaptionValue(caption, last);
    if (!k) return;
    // Read once for all rows: the strip shows the same digits as the main window.
    const forms::Picture tens = digitPicture(*k / 10), units = digitPicture(*k % 10);
    for (const DigitRow& row : rows) {
        if (order == DigitOrder::TensFirst) {
            drawDigit(row.tens, tens);
            drawDigit(row.units, units);
        } else {
            drawDigit(row.units, units);
            drawDigit(row.tens, tens);
        }
    }
}
