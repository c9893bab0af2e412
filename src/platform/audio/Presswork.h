#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace platform
{

// Encodes a WAV file into an MP3 file at a constant bit rate, on a thread of its own.
// Events arrive on the UI thread; events of a job replaced by a later OpenSong are dropped.
class Presswork
{
  public:
    Presswork();
    ~Presswork();
    Presswork(const Presswork&) = delete;
    Presswork& operator=(const Presswork&) = delete;

    int16_t OpenSong(const std::string& input, const std::string& output);
    void EncodeSong();

    // Rates apply to jobs opened afterwards. SampleRate 0 lets the encoder choose.
    int32_t SampleRate() const;
    void setSampleRate(int32_t hz);
    int32_t BitRate() const; // bits per second
    void setBitRate(int32_t bitsPerSecond);

    int32_t FrameCount() const;

    std::function<void(int32_t ActFrame)> onActFrame;
    std::function<void()> onThreadEnded;

    class Impl;

  private:
    std::unique_ptr<Impl> d;
};

} // namespace platform
