#pragma once

// Playlists written on the program's original platform hold their paths in Windows-1252.

#include <string>
#include <string_view>

namespace playlist
{

// Well-formed UTF-8: no stray or missing continuation bytes, no overlong forms, no surrogates,
// nothing above U+10FFFF.
bool isUtf8(std::string_view text);

// The text read as Windows-1252, in UTF-8. Its five undefined bytes (81, 8D, 8F, 90, 9D) are
// kept as they are.
std::string fromWindows1252(std::string_view text);

} // namespace playlist
