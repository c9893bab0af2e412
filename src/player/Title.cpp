#include "player/Title.h"

namespace
{

// Length in bytes of the UTF-8 character starting at s[i]; a stray byte counts as one.
std::size_t charLength(const std::string& s, std::size_t i)
{
    const auto lead = static_cast<unsigned char>(s[i]);
    std::size_t n = lead < 0x80           ? 1
                    : (lead >> 5) == 0x6  ? 2
                    : (lead >> 4) == 0xE  ? 3
                    : (lead >> 3) == 0x1E ? 4
                                          : 1;
    if (i + n > s.size()) return 1;
    for (std::size_t k = 1; k < n; ++k)
        if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 1;
    return n;
}

std::string padded(int before, const std::string& middle, int after)
{
    return std::string(static_cast<std::size_t>(before), ' ') + middle +
           std::string(static_cast<std::size_t>(after), ' ');
}

} // namespace

std::string tagTitle(const std::string& field1, const std::string& field2, const TitlePads& pads)
{
    return padded(pads.tagBefore, field1 + "  " + "--" + "  " + field2, pads.tagAfter);
}

std::string fileNameTitle(const std::string& path, const TitlePads& pads)
{
    const auto slash = path.rfind('/');
    return padded(pads.nameBefore, slash == std::string::npos ? path : path.substr(slash + 1),
                  pads.nameAfter);
}

std::string rotateTitle(const std::string& text)
{
    if (text.empty()) return text;
    const std::size_t first = charLength(text, 0);
    std::size_t end = first;
    for (std::size_t count = 1; end < text.size() && count < ScrollLimit; ++count)
        end += charLength(text, end);
    return text.substr(first, end - first) + text.substr(0, first);
}
