#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

namespace platform::audio
{

// Test seam: called on the playback worker for every decoded frame, with the samples as they
// go to the output (after the channel volumes, for the sound device). It may call PauseSong
// and SeekTo to hold or move the job at a known frame. Set it while no job runs.
using FrameHook = std::function<void(int32_t frame, const int16_t* samples, size_t count)>;
void setFrameHookForTesting(FrameHook hook);

// Test seam: called on the playback worker once the device output has drained at the end of a
// job that was not stopped, before the job's last frame is reported. Set it while no job runs.
void setDrainHookForTesting(std::function<void()> hook);

// Test seam: called on the encoding worker once a job's input is open and its frame count
// foretold, before anything is read from it. Set it while no job runs.
void setInputOpenHookForTesting(std::function<void()> hook);

} // namespace platform::audio
