#pragma once

// Commands that several windows run with the same steps, written once; each member says how it differs.

#include <string>
#include <string_view>

namespace forms
{
class CommonDialog;
class Image;
} // namespace forms

namespace playlist
{

inline constexpr std::string_view MainLoadFilter =
    "MP3 Files|*.mp3|MP3 Playlists (*.M3U)|*.M3U|Playlists (*.PLS)|*.PLS";
inline constexpr std::string_view PlaylistLoadFilter = "MP3 Playlists (*.M3U)|*.M3U|Playlists (*.PLS)|*.PLS";

struct LoadMember {
    forms::Image* restored;      // the button image shown again first
    forms::Image* restoredThen;  // a second one, or nullptr
    forms::CommonDialog& dialog; // the window's own dialog
    std::string_view filter;
};

// Load Playlist: pick a playlist file, stop the song, replace the playlist and start its first
// entry one second later. A cancelled dialog or a file that cannot be read changes nothing.
void OpenPlaylist(const LoadMember& member);

struct AddMember {
    bool setsSongFile;    // the added song becomes SongFile
    bool extendsShuffled; // appended to the shuffled order too while it is on show
};
inline constexpr AddMember AddSongButton{true, true};
inline constexpr AddMember BrowserClick{false, false};

// Appends a song to the playlist and, when nothing plays, lets the next-song timer start the entry
// at the next index. False, and nothing done, when the path names no file (it may have gone).
bool AddSong(const std::string& path, const AddMember& member);

} // namespace playlist
