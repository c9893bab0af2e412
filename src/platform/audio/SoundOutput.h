#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace platform::audio
{

// Where a playing job's samples go: the sound device through libout123, or a silent output
// when there is none. Interleaved signed 16-bit samples.
class SoundOutput
{
  public:
    virtual ~SoundOutput() = default;
    // Blocks while the output's short buffer is full; false when the output failed.
    virtual bool play(int16_t* samples, size_t count) = 0;
    virtual void drain() = 0; // until everything handed over was heard
    virtual void drop() = 0;  // forget what was not heard yet
    virtual void pause() {}
    virtual void resume() {}
    // Takes the samples at the music's pace (false for the unpaced test output).
    virtual bool keepsTime() const { return true; }
};

// The device, else a silent output at real-time pace (said once on standard error);
// SONAVEL_AUDIO_OUTPUT=null selects a silent output that does not pace, =silent one that does
// (without trying the device).
std::unique_ptr<SoundOutput> openSoundOutput(long rate, int channels);
// A silent output at real-time pace, for when the device cannot be had or goes away.
std::unique_ptr<SoundOutput> openFallbackOutput(long rate, int channels);

} // namespace platform::audio
