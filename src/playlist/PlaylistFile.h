#pragma once

// Playlist files (.M3U, .PLS) as lists of entries, independent of any window.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace playlist
{

// A read adds at most this many entries; the rest of the file is ignored.
inline constexpr std::size_t MaxEntries = 32766;

// No path is longer. A line that would give a longer entry, once joined to the playlist's
// folder, is skipped like a blank one.
inline constexpr std::size_t MaxPath = 4096;

// How a playlist file is read: told by the last three characters of its name, in any case.
enum class Format { None, M3U, PLS };
Format formatOf(std::string_view path);

// Replaces every "_" in a by a blank, in place, and returns the part after its last "/".
std::string FileTitle(std::string& a);

// The entries that the playlist file at `path` holds, given its contents; a name of no
// format gives none.
std::vector<std::string> parsePlaylist(std::string_view path, std::string_view contents);

// Reads the playlist file at `path`; nullopt when it cannot be opened (missing, no access,
// not a regular file). A failure part-way keeps the entries of the lines read completely.
std::optional<std::vector<std::string>> readPlaylist(const std::string& path);

// Writes the entries as lines ending in CR LF, replacing the file only once all is written:
// on any failure the old file stays as it was and false is returned. Written as every output
// is: through a link to the file it names, keeping the file's permissions, never over a
// read-only file.
bool writePlaylist(const std::string& path, const std::vector<std::string>& entries);

} // namespace playlist
