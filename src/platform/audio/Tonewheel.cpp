#include "platform/audio/Tonewheel.h"

#include "platform/audio/AudioTesting.h"
#include "platform/audio/JobEvents.h"
#include "platform/audio/SongFile.h"
#include "platform/audio/SoundOutput.h"
#include "platform/audio/WavWriter.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <condition_variable>
#include <mpg123.h>
#include <mutex>
#include <thread>
#include <utility>

namespace platform
{

using namespace platform::audio;

namespace
{
std::mutex hookMutex;
FrameHook frameHook;
std::function<void()> drainHook;
} // namespace

void audio::setFrameHookForTesting(FrameHook hook)
{
    std::lock_guard lock(hookMutex);
    frameHook = std::move(hook);
}

void audio::setDrainHookForTesting(std::function<void()> hook)
{
    std::lock_guard lock(hookMutex);
    drainHook = std::move(hook);
}

class Tonewheel::Impl
{
  public:
    explicit Impl(Tonewheel& owner) : events(owner.onActFrame, owner.onThreadEnded) {}
    ~Impl() { stop(); }

    void stop();
    void start();
    struct Start {
        uint32_t serial, seek;
        int32_t frames;
    };
    void run(std::unique_ptr<SongFile> song, std::string output, Start job) noexcept;
    // Whether the job went on to the input's natural end and its output was written whole.
    bool decode(SongFile& song, const std::string& output, Start job);
    // Waits out a pause and takes a pending seek; false when the job is to stop. The frames
    // reported from then on carry the seek's generation.
    bool checkpoint(SoundOutput* sound, FrameBatch& batch, int32_t& seek);

    JobEvents events;
    SongInfo info;
    std::unique_ptr<SongFile> opened; // the opened job's file until the job starts
    bool jobOpened = false;
    std::string output;
    std::thread worker;
    std::atomic<int16_t> volumeA{100}, volumeB{100};

    // Shared with the worker.
    std::mutex mutex;
    std::condition_variable wake;
    bool stopping = false, paused = false;
    int32_t seekTarget = -1;
    uint32_t seekGeneration = 0; // of seekTarget
    std::atomic<int32_t> jobFrames{0};
    std::atomic<bool> running{false};
};

void Tonewheel::Impl::stop()
{
    events.nextSerial();
    {
        std::lock_guard lock(mutex);
        stopping = true;
    }
    wake.notify_all();
    if (worker.joinable()) worker.join();
    {
        std::lock_guard lock(mutex);
        stopping = paused = false;
        seekTarget = -1;
    }
    running = false;
    opened.reset();
    jobOpened = false;
}

void Tonewheel::Impl::start()
{
    if (!jobOpened || running) return;
    if (worker.joinable()) worker.join(); // a finished job
    jobOpened = false;
    {
        std::lock_guard lock(mutex);
        stopping = paused = false; // a new job plays unpaused
    }
    running = true;
    worker = std::thread(&Impl::run, this, std::move(opened), output,
                         Start{events.currentSerial(), events.currentSeek(), info.frameCount});
}

void Tonewheel::Impl::run(std::unique_ptr<SongFile> song, std::string out, Start job) noexcept
{
    cleanWorkerState();
    const uint32_t serial = job.serial;
    bool whole = false;
    try {
        if (song)
            whole = decode(*song, out, job);
        else
            events.postActFrame(serial, 0); // a file that cannot be played still reports once
    } catch (...) {
        // The job ends as a failed one; the thread never dies with an exception.
    }
    song.reset();
    running = false;
    events.postThreadEnded(serial, !whole);
}

bool Tonewheel::Impl::checkpoint(SoundOutput* sound, FrameBatch& batch, int32_t& seek)
{
    std::unique_lock lock(mutex);
    if (paused && !stopping) {
        lock.unlock();
        batch.flush(); // what was done before the pause is reported
        if (sound) sound->pause();
        lock.lock();
        wake.wait(lock, [this] { return !paused || stopping; });
        if (!stopping && sound) {
            lock.unlock();
            sound->resume();
            lock.lock();
        }
    }
    seek = std::exchange(seekTarget, -1);
    const uint32_t generation = seekGeneration;
    const bool go = !stopping;
    lock.unlock();
    if (seek >= 0) batch.setSeek(generation);
    return go;
}

bool Tonewheel::Impl::decode(SongFile& song, const std::string& out, Start job)
{
    const uint32_t serial = job.serial;
    const int32_t frames = job.frames;
    mpg123_handle* mh = song.handle();
    const long rate = song.rate();
    const int channels = song.channels();
    const bool toDevice = out.empty();
    std::unique_ptr<SoundOutput> sound;
    WavWriter wav;
    if (toDevice)
        sound = openSoundOutput(rate, channels);
    else if (!wav.open(out, rate, channels))
        return false;
    FrameHook hook;
    std::function<void()> drained;
    {
        std::lock_guard lock(hookMutex);
        hook = frameHook;
        drained = drainHook;
    }
    const int32_t last = frames - 1; // its event waits until everything was heard
    // The device takes frames at the music's pace: each is reported as it goes out.
    // At the music's pace the window is told of the frames handed to the output a tenth of a
    // second at a time, which it shows as the last of them: one wake-up where there were four.
    const bool paced = toDevice && sound->keepsTime();
    const double tpf = mpg123_tpf(mh);
    const int32_t perReport = paced && tpf > 0 ? std::max(1, int(std::lround(0.1 / tpf))) : 1;
    FrameBatch batch(events, serial, toDevice ? perReport : 32, paced);
    batch.setSeek(job.seek);
    int err = MPG123_OK;
    for (;;) {
        int32_t seek = -1;
        if (!checkpoint(sound.get(), batch, seek)) return false;
        if (seek >= 0) {
            mpg123_seek_frame(mh, seek, SEEK_SET);
            if (sound) sound->drop();
        }
        off_t num = 0;
        int16_t* samples = nullptr;
        size_t count = 0;
        err = song.decodeFrame(num, samples, count);
        if (err != MPG123_OK) break; // the end, or a stream that cannot be decoded further
        if (toDevice) {
            const int a = volumeA, b = volumeB;
            if (a != 100 || b != 100)
                for (size_t i = 0; i + 1 < count; i += 2) {
                    samples[i] = int16_t(samples[i] * a / 100);
                    samples[i + 1] = int16_t(samples[i + 1] * b / 100);
                }
        }
        if (hook) hook(int32_t(num), samples, count);
        if (toDevice) {
            if (count && !sound->play(samples, count)) {
                // The device went away: go on silently, at the music's pace.
                sound = openFallbackOutput(rate, channels);
            }
        } else if (!wav.write(samples, count)) {
            return false;
        }
        if (num < last) batch.add(int32_t(num));
    }
    batch.flush();
    // Short of the input's natural end the output lacks what could not be read: a file is
    // not put in place, while the device has played what there was.
    const bool whole = err == MPG123_DONE && song.input().intact();
    if (toDevice) {
        sound->drain();
        if (drained) drained();
    } else if (!whole || !wav.finish()) {
        return false;
    }
    events.postActFrame(serial, std::max(last, 0));
    return whole;
}

Tonewheel::Tonewheel() : d(std::make_unique<Impl>(*this)) {}
Tonewheel::~Tonewheel() = default;

int16_t Tonewheel::OpenSong(const std::string& input, const std::string& output)
{
    d->stop();
    d->events.clearJobFailed();
    d->opened = SongFile::open(input, output.empty() ? SongUse::Play : SongUse::Convert, d->info);
    d->output = output;
    d->jobOpened = true;
    d->jobFrames = d->info.frameCount;
    return d->opened ? 0 : -1;
}

int16_t Tonewheel::PlaySong()
{
    if (!d->jobOpened || d->running) return -1;
    d->start();
    return 0;
}

int16_t Tonewheel::PauseSong()
{
    if (!d->running) return -1;
    {
        std::lock_guard lock(d->mutex);
        d->paused = !d->paused;
    }
    d->wake.notify_all();
    return 0;
}

int16_t Tonewheel::SeekTo(int32_t frame)
{
    const int32_t frames = d->jobFrames;
    if (frames <= 0 || !(d->running || d->jobOpened)) return -1;
    std::lock_guard lock(d->mutex);
    d->seekTarget = std::clamp(frame, 0, frames - 1);
    d->seekGeneration = d->events.nextSeek(); // what was played before it is no news now
    return 0;
}

int16_t Tonewheel::StopSong()
{
    d->stop();
    return 0;
}

int16_t Tonewheel::SetVolume(int16_t a, int16_t b)
{
    d->volumeA = std::clamp<int16_t>(a, 0, 100);
    d->volumeB = std::clamp<int16_t>(b, 0, 100);
    return 0;
}

int16_t Tonewheel::VolumeA() const
{
    return d->volumeA;
}
int16_t Tonewheel::VolumeB() const
{
    return d->volumeB;
}
int32_t Tonewheel::FrameCount() const
{
    return d->info.frameCount;
}
float Tonewheel::FrameMs() const
{
    return d->info.frameMs;
}
int32_t Tonewheel::StreamFrequency() const
{
    return d->info.frequency;
}
int32_t Tonewheel::StreamBitrate() const
{
    return d->info.bitrate;
}
std::string Tonewheel::TagField1() const
{
    return d->info.artist;
}
std::string Tonewheel::TagField2() const
{
    return d->info.title;
}
bool Tonewheel::HasTag() const
{
    return !d->info.artist.empty() || !d->info.title.empty();
}
int16_t Tonewheel::IsPlaying() const
{
    return d->running ? 1 : 0;
}
bool Tonewheel::JobFailed() const
{
    return d->events.lastJobFailed();
}

} // namespace platform
