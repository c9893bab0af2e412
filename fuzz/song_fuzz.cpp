// Any bytes as a song, through the playback component as the program uses it: decoded into a
// WAV file over an older one, then played to the silent output at a lowered volume. Each job
// runs on the component's thread and is waited for on this thread's event loop.

#include "FuzzSupport.h"
#include "platform/audio/Tonewheel.h"

#include <algorithm>
#include <cstring>

namespace
{

const std::string Old = "an older file";

// Each job reports frames of the song only. A played song ends on its last frame (frame 0 when
// it could not be opened), since the main window learns of a song's end from nothing else; so
// does every conversion but one that failed, which stops where it failed.
void checkFrames(const fuzz::Events& e, int32_t frameCount, bool played)
{
    fuzz::check(e.ended == 1, "a job did not end exactly once");
    const int32_t last = std::max(frameCount - 1, 0);
    if (played || !e.failed)
        fuzz::check(!e.frames.empty() && e.frames.back() == last, "a job did not end on its last frame");
    for (int32_t f : e.frames)
        fuzz::check(f >= 0 && f <= last, "a frame number outside the song");
}

uint32_t le32(const std::string& s, size_t at)
{
    uint32_t v = 0;
    std::memcpy(&v, s.data() + at, 4);
    return v;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    setenv("SONAVEL_AUDIO_OUTPUT", "null", 1);
    fuzz::startEventLoop();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // One component per input: its destruction joins its thread, so no job outlives the input.
    platform::Tonewheel tw;
    const std::string song = fuzz::inFolder("song.mp3"), wav = fuzz::inFolder("out.wav");
    fuzz::writeFile(song, std::string_view(reinterpret_cast<const char*>(data), size));
    fuzz::writeFile(wav, Old);

    const fuzz::Events toFile = fuzz::runJob(tw, [&] {
        tw.OpenSong(song, wav);
        tw.PlaySong();
    });
    checkFrames(toFile, tw.FrameCount(), false);
    fuzz::check(fuzz::folderHolds({"song.mp3", "out.wav"}), "a temporary file left behind");
    const std::string out = fuzz::readFile(wav);
    if (toFile.failed) {
        fuzz::check(out == Old, "the old output changed by a failed conversion");
    } else {
        // Whole: the RIFF size is written when the file is closed, before it takes the name.
        fuzz::check(out.size() >= 44 && out.compare(0, 4, "RIFF") == 0 && le32(out, 4) == out.size() - 8,
                    "the output is not a whole WAV file");
    }

    tw.SetVolume(37, 100);
    const fuzz::Events toDevice = fuzz::runJob(tw, [&] {
        tw.OpenSong(song, "");
        tw.PlaySong();
    });
    checkFrames(toDevice, tw.FrameCount(), true);
    return 0;
}
