#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace platform
{

// Encodes a WAV file into an MP3 file at a constant bit rate, on a thread of its own; an MP3
// stream given as input is decoded as MP3 to WAV decodes it, to its true end. A WAV file of no
// samples gives an MP3 file of no audio. FrameCount foretells the frames of the MP3 file, for
// an MP3 stream joined from two rates too. Events arrive on the UI thread; events of a job
// replaced by a later OpenSong are dropped.
//
// JobFailed tells whether the job whose ThreadEnded was delivered last did not write its
// output whole: its input could not be opened or read to its natural end (a read error, a
// file cut short while read, an end short of the length the input declared, no audio at all
// from an input that did not declare itself empty), the encoder
// refused its settings, or its MP3 file could not be created, written, flushed or put in
// place; a failed job leaves any earlier file of that name untouched. It is read in the
// ThreadEnded handler; false after a job that succeeded, and from OpenSong until the next
// ThreadEnded.
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
    bool JobFailed() const;

    std::function<void(int32_t ActFrame)> onActFrame;
    std::function<void()> onThreadEnded;

    class Impl;

  private:
    std::unique_ptr<Impl> d;
};

} // namespace platform
