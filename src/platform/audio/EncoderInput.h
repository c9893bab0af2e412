#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace platform::audio
{

// What the encoder reads, as interleaved float samples. An MP3 stream goes through the program's
// own MP3 decoding, the one that writes WAV files, so it is read through damage and format
// changes to its true end; every other format libsndfile reads (WAV and the rest) goes through
// libsndfile. Which one is told by the content, not by the file's name: what libsndfile finds
// to be MPEG, or cannot read at all, is for the MP3 decoding.
class EncoderInput
{
  public:
    // Null when the file cannot be read as sound.
    static std::unique_ptr<EncoderInput> open(const std::string& path);
    virtual ~EncoderInput() = default;

    int rate() const { return rate_; }
    int channels() const { return channels_; }
    // Sample frames the input declared when opened (for an MP3 stream, as far as known).
    uint64_t frames() const { return frames_; }

    // Up to `max` sample frames into `pcm`; 0 at the end of the input or on an error.
    virtual size_t read(float* pcm, size_t max) = 0;
    // After read gave 0: whether that was the input's natural end, with the whole length it
    // declared read. An input that ends short of it, by an error or not, was not read whole.
    virtual bool whole() const = 0;

  protected:
    int rate_ = 0;
    int channels_ = 0;
    uint64_t frames_ = 0;
};

} // namespace platform::audio
