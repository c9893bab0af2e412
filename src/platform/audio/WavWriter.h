#pragma once

#include "platform/TempOutput.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

typedef struct sf_private_tag SNDFILE;

namespace platform::audio
{

// Writes 16-bit PCM WAV under a temporary name; finish() puts it in place.
class WavWriter
{
  public:
    WavWriter() = default;
    ~WavWriter(); // an unfinished file is removed
    WavWriter(const WavWriter&) = delete;
    WavWriter& operator=(const WavWriter&) = delete;

    bool open(const std::string& path, long rate, int channels);
    bool write(const int16_t* samples, size_t count); // interleaved
    bool finish();

  private:
    bool flush();
    void close();

    TempOutput temp_;
    SNDFILE* file_ = nullptr;
    std::vector<int16_t> buffer_;
    bool failed_ = false;
};

} // namespace platform::audio
