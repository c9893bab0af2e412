#include "display/TimeDisplay.h"

#include "player/Globals.h"

#include <charconv>
#include <filesystem>
#include <map>
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

// The elapsed seconds are drawn on every frame, so a draw must not decode a bitmap again
// unless its file changed; a stat per draw keeps a replaced digit file showing at once.
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

void drawDigit(forms::PictureBox& box, int digit)
{
    const forms::Picture picture = digitPicture(digit);
    if (!picture.empty()) box.setPicture(picture);
}

} // namespace

forms::Picture digitPicture(int digit)
{
    if (digit < 0 || digit > 9) return {};
    return loadCached(WinDir + "/time/0" + std::to_string(digit) + ".bmp");
}

std::optional<int> wholeCaptionValue(const std::string& caption, int last)
{
    const auto first = caption.find_first_not_of(' ');
    if (first == std::string::npos) return std::nullopt;
    const auto end = caption.find_last_not_of(' ') + 1;
    double value = 0;
    const char* begin = caption.data() + first;
    const auto [ptr, ec] = std::from_chars(begin, caption.data() + end, value);
    if (ec != std::errc() || ptr != caption.data() + end) return std::nullopt;
    for (int k = 0; k <= last; ++k)
        if (value == k) return k;
    return std::nullopt;
}

void DrawTimeDigits(const std::string& caption, int last, DigitOrder order,
                    std::initializer_list<DigitRow> rows)
{
    const std::optional<int> k = wholeCaptionValue(caption, last);
    if (!k) return;
    for (const DigitRow& row : rows) {
        if (order == DigitOrder::TensFirst) {
            drawDigit(row.tens, *k / 10);
            drawDigit(row.units, *k % 10);
        } else {
            drawDigit(row.units, *k % 10);
            drawDigit(row.tens, *k / 10);
        }
    }
}
