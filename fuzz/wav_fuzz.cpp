// Any bytes as a WAV file, encoded into an MP3 file over an older one through the encoding
// component as the encoder window uses it. The first byte picks the rates the window can send;
// the rest is the file. The job runs on the component's thread and is waited for here.

#include "FuzzSupport.h"
#include "platform/audio/Presswork.h"

namespace
{

const std::string Old = "an older file";

// The window's bit rates, and 0: what a typed text sends before any start chose one.
constexpr int32_t BitRates[] = {128000, 112000, 96000, 64000, 56000, 32000, 0, 128000};
// 0: the rate is not written, so the encoder chooses.
constexpr int32_t SampleRates[] = {0, 32000, 44100, 48000};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::startEventLoop();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    // One component per input: its destruction joins its thread, so no job outlives the input.
    platform::Presswork pw;
    const std::string wav = fuzz::inFolder("in.wav"), mp3 = fuzz::inFolder("out.mp3");
    fuzz::writeFile(wav, std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));
    fuzz::writeFile(mp3, Old);

    pw.setBitRate(BitRates[data[0] & 7]);
    if (const int32_t hz = SampleRates[(data[0] >> 3) & 3]) pw.setSampleRate(hz);
    const fuzz::Events e = fuzz::runJob(pw, [&] {
        pw.OpenSong(wav, mp3);
        pw.EncodeSong();
    });
    fuzz::check(e.ended == 1, "the job did not end exactly once");
    fuzz::check(fuzz::folderHolds({"in.wav", "out.mp3"}), "a temporary file left behind");
    const std::string out = fuzz::readFile(mp3);
    // A failed job leaves the old file; any other writes one that begins with an MPEG frame
    // (it has no tag).
    if (e.failed)
        fuzz::check(out == Old, "the old output changed by a failed conversion");
    else
        fuzz::check(out.size() >= 4 && uint8_t(out[0]) == 0xFF && (uint8_t(out[1]) & 0xE0) == 0xE0,
                    "the output of a conversion that did not fail is no MP3 file");
    return 0;
}
