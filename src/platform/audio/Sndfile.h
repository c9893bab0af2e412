#pragma once

#include <sndfile.h>

// libsndfile, with the codec libraries it brings (FLAC, Vorbis, Opus), is loaded at the first
// WAV read or written rather than by every start of the program: loading them took half a
// millisecond of every start. Should the library be missing, no file opens (openFd gives
// nullptr and leaves the descriptor to its caller).
namespace platform::audio::sndfile
{
SNDFILE* openFd(int fd, int mode, SF_INFO* info, int closeFd);
int close(SNDFILE* file);
int error(SNDFILE* file);
sf_count_t readFloatFrames(SNDFILE* file, float* frames, sf_count_t count);
sf_count_t writeShorts(SNDFILE* file, const short* samples, sf_count_t count);
} // namespace platform::audio::sndfile
