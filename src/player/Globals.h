#pragma once

// Program-wide state shared by the windows. Only the UI thread touches it; nothing is locked.

#include <cstdint>
#include <optional>
#include <string>

// Index into frmPlaylist.List1 of the song that Timer10 starts next (shuffle off). A full int:
// a list filled by hand has no size limit, and a 16-bit index would wrap to a negative one.
extern int NextSong;
// The same into frmPlaylist.List7 (shuffle on); an int for the same reason.
extern int NextShuffle;
// Full path of the song to start or being played.
extern std::string SongFile;
// Playlist file last chosen in a load or save dialog, or restored at start-up.
extern std::string PlaylistFile;
// Last playlist loaded; saved as the settings value "String Value2" on exit.
extern std::string LastPlaylist;
// Initial folder of the load dialogs; nothing assigns it.
extern std::string DialogDir;
// The title as the last song start built it, and as Timer5 has rotated it so far.
extern std::string TitleText;
extern std::string ScrollText;
// Remembered volume 0..100; none until the first step of the run. 0 is a volume like any
// other: a user who turned the music down to silence keeps it silent at the next song.
extern std::optional<std::int16_t> VolumeLevel;
// Folder holding the shared data (the digit bitmaps under time/).
extern std::string WinDir;
// Elapsed milliseconds of the playing song, as the last frame event left it.
extern double ElapsedMs;
