#pragma once

#include "platform/audio/InputFile.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <sys/types.h>

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

// An MP3 file opened for decoding to signed 16-bit samples, in one format for the whole file:
// the rate and channels it opens with (always stereo when stereoOnly). A frame of another rate
// or channel count (a damaged header, files joined) comes out converted to that format.
class SongFile
{
  public:
    // Null (with info empty) when the file cannot be opened or holds no frame.
    static std::unique_ptr<SongFile> open(const std::string& path, bool stereoOnly, SongInfo& info);
    ~SongFile();
    SongFile(const SongFile&) = delete;
    SongFile& operator=(const SongFile&) = delete;

    // Positioned at the first frame; it never scanned the file, so it decodes as mpg123 does.
    mpg123_handle* handle() const { return mh_; }
    long rate() const { return rate_; }
    int channels() const { return channels_; }
    const InputFile& input() const { return input_; }

    // The decoder reads each frame's header and body apart: two system calls a frame, millions
    // for a scan of a long file. It reads through this instead, a block at a time.
    struct BlockReader {
        int fd = -1;
        off_t pos = 0;   // where the decoder reads next
        off_t start = 0; // where the block was read from
        size_t fill = 0;
        std::array<unsigned char, 64 * 1024> block;
    };

  private:
    SongFile() = default;

    InputFile input_;
    std::unique_ptr<BlockReader> reader_;
    mpg123_handle* mh_ = nullptr;
    long rate_ = 0;
    int channels_ = 0;
};

// Latin-1 to UTF-8, up to the first NUL, trailing blanks removed (ID3v1 fields).
std::string latin1Field(const char* field, size_t size);

} // namespace platform::audio
