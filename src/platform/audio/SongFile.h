#pragma once

#include <cstdint>
#include <string>

typedef struct mpg123_handle_struct mpg123_handle;

namespace platform::audio
{

struct SongInfo {
    int32_t frameCount = 0;
    float frameMs = 0;
    int32_t frequency = 0;     // Hz
    int32_t bitrate = 0;       // kbps; the average for a VBR file
    std::string artist, title; // UTF-8
};

// Opens an MP3 file for decoding to signed 16-bit samples (always stereo when stereoOnly) and
// scans it for its figures and tags. Returns a handle positioned at the first frame, or null
// (with info empty) when the file cannot be opened or holds no frame.
mpg123_handle* openSong(const std::string& path, bool stereoOnly, SongInfo& info);
void closeSong(mpg123_handle* mh);

// Latin-1 to UTF-8, up to the first NUL, trailing blanks removed (ID3v1 fields).
std::string latin1Field(const char* field, size_t size);

} // namespace platform::audio
