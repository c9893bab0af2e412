#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace platform
{

// Plays an MP3 file to the sound device, or decodes it into a WAV file, on a thread of its own.
// Events arrive on the UI thread; events of a job that was stopped or replaced are dropped.
// A job keeps the format the file opened with and goes on to the file's true end: frames of
// another rate or channel count are converted, damage the decoder skips over is no end.
//
// JobFailed tells whether the job whose ThreadEnded was delivered last did not write its
// output whole: its input could not be opened or read to its natural end (a decoding error, a
// file cut short while read), or its WAV file could not be created, written, flushed or put in
// place; a failed job leaves any earlier file of that name untouched. It is read in the
// ThreadEnded handler; false after a job that succeeded, and from OpenSong until the next
// ThreadEnded. A job playing to the device fails only by its input: the device cannot fail it,
// since a device that goes away is replaced by silence at the music's pace.
class Tonewheel
{
  public:
    Tonewheel();
    ~Tonewheel();
    Tonewheel(const Tonewheel&) = delete;
    Tonewheel& operator=(const Tonewheel&) = delete;

    // output "" plays to the sound device; a path is the WAV file to write.
    int16_t OpenSong(const std::string& input, const std::string& output);
    int16_t PlaySong();
    int16_t PauseSong();
    int16_t SeekTo(int32_t frame);
    int16_t StopSong();
    int16_t SetVolume(int16_t a, int16_t b);
    int16_t VolumeA() const;
    int16_t VolumeB() const;

    int32_t FrameCount() const;
    float FrameMs() const;
    int32_t StreamFrequency() const;
    int32_t StreamBitrate() const;
    std::string TagField1() const; // artist
    std::string TagField2() const; // title
    bool HasTag() const;
    int16_t IsPlaying() const;
    bool JobFailed() const;

    std::function<void(int32_t ActFrame)> onActFrame;
    std::function<void()> onThreadEnded;

    class Impl;

  private:
    std::unique_ptr<Impl> d;
};

} // namespace platform
