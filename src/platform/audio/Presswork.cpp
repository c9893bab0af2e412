#include "platform/audio/Presswork.h"

#include "platform/TempOutput.h"
#include "platform/audio/AudioTesting.h"
#include "platform/audio/EncoderInput.h"
#include "platform/audio/JobEvents.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <lame/lame.h>
#include <mutex>
#include <thread>
#include <unistd.h>
#include <vector>

namespace platform
{

using namespace platform::audio;

namespace
{

std::mutex hookMutex;
std::function<void()> inputOpenHook;

constexpr int32_t DefaultBitRate = 128000;
constexpr size_t ChunkFrames = 8192;

// The MPEG rate nearest to what was asked for.
int nearestMpegRate(int32_t hz)
{
    static constexpr int rates[] = {8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000};
    return *std::min_element(std::begin(rates), std::end(rates),
                             [hz](int a, int b) { return std::abs(a - hz) < std::abs(b - hz); });
}

// A float file may hold any value; LAME aborts the process on one that is not a number or far
// beyond full scale, so samples are held to what a sound card can play.
float fullScale(float sample)
{
    if (!(sample >= -1.0f)) return std::isnan(sample) ? 0.0f : -1.0f;
    return std::min(sample, 1.0f);
}

struct Job {
    std::string input, output;
    int32_t sampleRate = 0, bitRate = DefaultBitRate;
};

struct LameHandle {
    lame_t gf = lame_init();
    ~LameHandle()
    {
        if (gf) lame_close(gf);
    }
};

struct File {
    FILE* f = nullptr;
    ~File()
    {
        if (f) std::fclose(f);
    }
};

} // namespace

void audio::setInputOpenHookForTesting(std::function<void()> hook)
{
    std::lock_guard lock(hookMutex);
    inputOpenHook = std::move(hook);
}

class Presswork::Impl
{
  public:
    explicit Impl(Presswork& owner) : events(owner.onActFrame, owner.onThreadEnded) {}
    ~Impl() { cancel(); }

    void cancel();
    void run(Job job, uint32_t serial) noexcept;
    // Whether the job read its input to the natural end and put its output in place whole.
    bool encode(const Job& job, uint32_t serial);

    JobEvents events;
    int32_t sampleRate = 0; // 0: the encoder chooses for the bit rate
    int32_t bitRate = DefaultBitRate;
    Job opened;
    bool jobOpened = false;
    std::thread worker;
    std::atomic<bool> cancelled{false};
    std::atomic<int32_t> frameCount{0};
};

void Presswork::Impl::cancel()
{
    events.nextSerial();
    cancelled = true;
    if (worker.joinable()) worker.join();
    cancelled = false;
}

void Presswork::Impl::run(Job job, uint32_t serial) noexcept
{
    cleanWorkerState();
    bool whole = false;
    try {
        whole = encode(job, serial);
    } catch (...) {
        // The job ends as a failed one; the thread never dies with an exception.
    }
    events.postThreadEnded(serial, !whole);
}

bool Presswork::Impl::encode(const Job& job, uint32_t serial)
{
    const std::unique_ptr<EncoderInput> in = EncoderInput::open(job.input);
    if (!in) return false;
    const int inChannels = in->channels();
    const int channels = std::min(inChannels, 2); // beyond two, the first two are kept

    LameHandle lame;
    lame_t gf = lame.gf;
    if (!gf) return false;
    lame_set_num_channels(gf, channels);
    lame_set_mode(gf, channels == 1 ? MONO : JOINT_STEREO);
    lame_set_in_samplerate(gf, in->rate());
    if (job.sampleRate > 0) lame_set_out_samplerate(gf, nearestMpegRate(job.sampleRate));
    lame_set_VBR(gf, vbr_off);
    // LAME takes an unsupported bit rate as the nearest one it supports; 0 is its default.
    lame_set_brate(gf, std::clamp(int(std::lround(job.bitRate / 1000.0)), 0, 640));
    // LAME predicts the frames from it, resampled to the output rate, for the window's share.
    lame_set_num_samples(gf, (unsigned long)std::min<uint64_t>(in->frames(), 0xFFFFFFFF));
    lame_set_bWriteVbrTag(gf, 1);
    if (lame_init_params(gf) < 0) return false;
    frameCount = lame_get_totalframes(gf);
    {
        std::lock_guard lock(hookMutex);
        if (inputOpenHook) inputOpenHook();
    }

    TempOutput temp;
    File out;
    const int fd = temp.create(job.output);
    if (fd < 0) return false;
    out.f = fdopen(fd, "wb");
    if (!out.f) {
        ::close(fd);
        return false;
    }

    std::vector<float> pcm(ChunkFrames * size_t(inChannels)), left(ChunkFrames), right(ChunkFrames);
    // LAME's bound for a buffer of n samples: 1.25 n + 7200 bytes, n counted at the output rate,
    // so a read of a low-rate input takes more room once resampled.
    const double resampled = std::max(1.0, double(lame_get_out_samplerate(gf)) / in->rate());
    std::vector<unsigned char> mp3(size_t(1.25 * ChunkFrames * resampled) + 7200);
    int32_t reported = 0;
    const auto report = [&] {
        // Frames beyond the count foretold (an input that grew while it was read) are not told,
        // so the share never passes 100.
        const int32_t done = std::min(lame_get_frameNum(gf), frameCount.load());
        events.postActFrames(serial, reported, done); // one event per frame, also after a jump
        reported = std::max(reported, done);
    };
    const auto put = [&](int bytes) {
        return bytes >= 0 && std::fwrite(mp3.data(), 1, size_t(bytes), out.f) == size_t(bytes);
    };

    uint64_t read = 0;
    for (;;) {
        if (cancelled) return false;
        const size_t n = in->read(pcm.data(), ChunkFrames);
        if (n == 0) break;
        read += n;
        for (size_t i = 0; i < n; ++i) {
            left[i] = fullScale(pcm[i * size_t(inChannels)]);
            if (channels == 2) right[i] = fullScale(pcm[i * size_t(inChannels) + 1]);
        }
        // Mono goes through the non-interleaved call with no right channel.
        if (!put(lame_encode_buffer_ieee_float(gf, left.data(), channels == 2 ? right.data() : nullptr,
                                               int(n), mp3.data(), int(mp3.size()))))
            return false;
        report();
    }
    // An end of input short of its natural end leaves the MP3 without what could not be read;
    // nothing read at all, from an input that did not declare itself empty, is no MP3 either.
    if (!in->whole() || (read == 0 && in->frames() != 0)) return false;
    if (!put(lame_encode_flush(gf, mp3.data(), int(mp3.size())))) return false;
    report();
    // The LAME tag frame goes over the first frame, so players know the exact length.
    const long firstFrame = long(lame_get_id3v2_tag(gf, nullptr, 0)); // after any ID3v2 tag
    const size_t tag = lame_get_lametag_frame(gf, mp3.data(), mp3.size());
    if (tag > 0 && tag <= mp3.size()) {
        if (std::fseek(out.f, firstFrame, SEEK_SET) != 0 || !put(int(tag))) return false;
    }
    const bool written = std::fflush(out.f) == 0 && !std::ferror(out.f);
    const bool closed = std::fclose(std::exchange(out.f, nullptr)) == 0;
    return written && closed && !cancelled && temp.commit();
}

Presswork::Presswork() : d(std::make_unique<Impl>(*this)) {}
Presswork::~Presswork() = default;

int16_t Presswork::OpenSong(const std::string& input, const std::string& output)
{
    d->cancel();
    d->events.clearJobFailed();
    d->opened = Job{input, output, d->sampleRate, d->bitRate};
    d->jobOpened = true;
    d->frameCount = 0;
    return 0;
}

void Presswork::EncodeSong()
{
    if (!d->jobOpened) return;
    if (d->worker.joinable()) d->worker.join(); // a finished job
    d->jobOpened = false;
    d->worker = std::thread(&Impl::run, d.get(), std::move(d->opened), d->events.currentSerial());
}

int32_t Presswork::SampleRate() const
{
    return d->sampleRate;
}
void Presswork::setSampleRate(int32_t hz)
{
    d->sampleRate = std::max(hz, 0);
}
int32_t Presswork::BitRate() const
{
    return d->bitRate;
}
void Presswork::setBitRate(int32_t bitsPerSecond)
{
    d->bitRate = bitsPerSecond;
}
int32_t Presswork::FrameCount() const
{
    return d->frameCount;
}
bool Presswork::JobFailed() const
{
    return d->events.lastJobFailed();
}

} // namespace platform
