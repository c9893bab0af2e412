#include "player/Globals.h"

int NextSong = 0;
int NextShuffle = 0;
std::string SongFile;
std::string PlaylistFile;
std::string LastPlaylist;
std::string DialogDir;
std::string TitleText;
std::string ScrollText;
std::optional<std::int16_t> VolumeLevel;
std::string WinDir;
double ElapsedMs = 0;
