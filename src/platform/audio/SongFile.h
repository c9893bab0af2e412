#pragma once

#include "platform/audio/InputFile.h"

#include <cstdint>
#include <memory>
#include <string>

typedef struct mpg123_handle_struct mpg123_handle;

namespace platform::audio
{

struct BlockReader; // how the decoder reads the file

struct SongInfo {
    int32_t frameCount = 0;
    int64_t samples = 0; // per channel, that decoding will give
    float frameMs = 0;
    int32_t frequency = 0;     // Hz
    int32_t bitrate = 0;       // kbps; the average for a VBR file
    std::string artist, title; // UTF-8
};

// What a song is opened for. Play: always in stereo, and a tag's frame count that the file's
// size bears out is taken as it stands, so a song starts without reading the file through.
// Convert: in the file's own channels, and every frame header is read, so the counts foretold
// are what decoding gives whatever the tag says.
enum class SongUse { Play, Convert };

// An MP3 file opened for decoding to signed 16-bit samples, in one format for the whole file:
// the rate and channels it opens with. A frame of another rate or channel count (a damaged
// header, files joined) comes out converted to that format.
class SongFile
{
  public:
    // Null (with info empty) when the file cannot be opened or holds no frame.
    static std::unique_ptr<SongFile> open(const std::string& path, SongUse use, SongInfo& info);
    ~SongFile();
    SongFile(const SongFile&) = delete;
    SongFile& operator=(const SongFile&) = delete;

    // Positioned at the first frame; it never scanned the file, so it decodes as mpg123 does.
    mpg123_handle* handle() const { return mh_; }
    // The next frame's samples, interleaved, with its number: MPG123_OK, else MPG123_DONE at the
    // natural end or the code of a stream that cannot be decoded further. Samples that come in
    // another format than the song's are passed over (count 0) rather than given in the wrong one.
    int decodeFrame(off_t& num, int16_t*& samples, size_t& count);
    long rate() const { return rate_; }
    int channels() const { return channels_; }
    const InputFile& input() const { return input_; }

  private:
    SongFile() = default;

    InputFile input_;
    std::unique_ptr<BlockReader> reader_;
    mpg123_handle* mh_ = nullptr;
    long rate_ = 0;
    int channels_ = 0;
    bool sameFormat_ = true;
};

// Latin-1 to UTF-8, up to the first NUL, trailing blanks removed (ID3v1 fields).
std::string latin1Field(const char* field, size_t size);

} // namespace platform::audio
