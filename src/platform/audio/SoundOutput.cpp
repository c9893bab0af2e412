#include "platform/audio/SoundOutput.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <out123.h>
#include <thread>

namespace platform::audio
{
namespace
{

// The device's buffer, kept short so frame events follow what is heard.
constexpr double DeviceBufferSeconds = 0.15;
// The silent output lets its buffer run down by this much before it takes more: one wake-up of
// the worker per step rather than per frame, and never less than 50 ms of sound ahead.
constexpr double SilentRefillSeconds = 0.1;

class DeviceOutput : public SoundOutput
{
  public:
    explicit DeviceOutput(out123_handle* ao) : ao_(ao) {}
    ~DeviceOutput() override
    {
        out123_drop(ao_);
        out123_del(ao_);
    }
    bool play(int16_t* samples, size_t count) override
    {
        const size_t bytes = count * sizeof(int16_t);
        return out123_play(ao_, samples, bytes) == bytes;
    }
    void drain() override { out123_drain(ao_); }
    void drop() override { out123_drop(ao_); }
    void pause() override { out123_pause(ao_); }
    void resume() override { out123_continue(ao_); }

  private:
    out123_handle* ao_;
};

class SilentOutput : public SoundOutput
{
  public:
    using Clock = std::chrono::steady_clock;
    SilentOutput(long rate, int channels, bool paced) : rate_(rate), channels_(channels), paced_(paced) {}
    bool play(int16_t*, size_t count) override
    {
        if (!paced_) return true;
        const auto now = Clock::now();
        if (heardBy_ < now) heardBy_ = now;
        heardBy_ += std::chrono::duration_cast<Clock::duration>(
            std::chrono::duration<double>(double(count) / channels_ / rate_));
        const auto full =
            std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(DeviceBufferSeconds));
        const auto refill = std::chrono::duration_cast<Clock::duration>(
            std::chrono::duration<double>(DeviceBufferSeconds - SilentRefillSeconds));
        if (heardBy_ - now > full) std::this_thread::sleep_until(heardBy_ - refill);
        return true;
    }
    void drain() override
    {
        if (paced_) std::this_thread::sleep_until(heardBy_);
    }
    void drop() override { heardBy_ = Clock::now(); }
    bool keepsTime() const override { return paced_; }

  private:
    long rate_;
    int channels_;
    bool paced_;
    Clock::time_point heardBy_ = Clock::now();
};

bool outputChosen(const char* name)
{
    const char* value = std::getenv("SONAVEL_AUDIO_OUTPUT");
    return value && std::strcmp(value, name) == 0;
}

} // namespace

std::unique_ptr<SoundOutput> openSoundOutput(long rate, int channels)
{
    if (outputChosen("null")) return std::make_unique<SilentOutput>(rate, channels, false);
    if (outputChosen("silent")) return std::make_unique<SilentOutput>(rate, channels, true);
    if (out123_handle* ao = out123_new()) {
        out123_param2(ao, OUT123_FLAGS, OUT123_QUIET, 0, nullptr);
        out123_param2(ao, OUT123_DEVICEBUFFER, 0, DeviceBufferSeconds, nullptr);
        out123_param2(ao, OUT123_NAME, 0, 0, "Sonavel");
        // Never the library's default list: without sound it tries modules that stall or hang.
        if (out123_open(ao, "pulse,alsa", nullptr) == OUT123_OK &&
            out123_start(ao, rate, channels, MPG123_ENC_SIGNED_16) == OUT123_OK)
            return std::make_unique<DeviceOutput>(ao);
        out123_del(ao);
    }
    return openFallbackOutput(rate, channels);
}

std::unique_ptr<SoundOutput> openFallbackOutput(long rate, int channels)
{
    static std::once_flag told;
    std::call_once(told, [] { std::fputs("sonavel: no sound device; playing silently\n", stderr); });
    return std::make_unique<SilentOutput>(rate, channels, true);
}

} // namespace platform::audio
