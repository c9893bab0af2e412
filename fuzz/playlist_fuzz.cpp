// The playlist reader on any bytes, as an .M3U and as a .PLS file. The entries of a playlist in
// a folder are all absolute, so a list written back out and read again must be the same list.

#include "FuzzSupport.h"
#include "playlist/PlaylistFile.h"

namespace
{

void readAndWriteBack(const std::string& path, std::string_view bytes)
{
    const std::vector<std::string> entries = playlist::parsePlaylist(path, bytes);
    fuzz::check(entries.size() <= playlist::MaxEntries, "more entries than a read may add");
    for (const std::string& e : entries) {
        fuzz::check(e.find_first_of("\r\n") == std::string::npos, "a line end inside an entry");
        fuzz::check(!e.empty() && e.front() == '/', "an entry not joined to the playlist's folder");
    }

    const std::string back = fuzz::inFolder("back.m3u");
    fuzz::check(playlist::writePlaylist(back, entries), "a playlist could not be written");
    const auto again = playlist::readPlaylist(back);
    fuzz::check(again && *again == entries, "a written playlist reads back differently");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    readAndWriteBack("/music/lists/list.m3u", bytes);
    readAndWriteBack("/music/lists/LIST.PLS", bytes);
    // A file named after neither format gives no entry.
    fuzz::check(playlist::parsePlaylist("/music/lists/list.m3u8", bytes).empty(), "entries from a .m3u8");
    return 0;
}
