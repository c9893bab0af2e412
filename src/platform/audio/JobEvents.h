#pragma once

#include <QObject>
#include <atomic>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>

namespace platform::audio
{

// Carries a worker's events to the UI thread. Each event holds its job's serial; an event whose
// serial is no longer current when it is delivered belongs to a stopped or replaced job and is
// dropped. Consecutive frames queue up as one run, and a wake-up is posted only when the queue
// was empty. Destroying the object drops what was not yet delivered. Handlers run as the forms
// layer runs every event's: an exception is logged and the next events still arrive.
class JobEvents : public QObject
{
    Q_OBJECT
  public:
    JobEvents(std::function<void(int32_t)>& onActFrame, std::function<void()>& onThreadEnded);

    // UI thread: starts a new serial, so every event of earlier jobs is dropped.
    uint32_t nextSerial() { return ++serial_; }
    uint32_t currentSerial() const { return serial_; }

    // Any thread.
    void postActFrame(uint32_t serial, int32_t frame);
    void postActFrames(uint32_t serial, int32_t first, int32_t end); // first .. end - 1
    void postThreadEnded(uint32_t serial, bool failed);

    // UI thread: whether the job whose ThreadEnded was delivered last failed; a new job clears it.
    bool lastJobFailed() const { return lastFailed_; }
    void clearJobFailed() { lastFailed_ = false; }

  private:
    struct Event {
        uint32_t serial;
        int32_t first, end; // ActFrame first .. end - 1; end < 0 marks ThreadEnded
        bool failed = false;
    };
    void post(Event e);
    void deliver();

    std::function<void(int32_t)>& onActFrame_;
    std::function<void()>& onThreadEnded_;
    std::atomic<uint32_t> serial_{0};
    std::mutex mutex_;
    std::deque<Event> pending_;
    bool lastFailed_ = false;
};

// Gathers a job's consecutive frame events and hands them over every `size` frames, so a worker
// that runs faster than real time wakes the UI thread once per batch rather than per frame.
class FrameBatch
{
  public:
    FrameBatch(JobEvents& events, uint32_t serial, int32_t size)
        : events_(events), serial_(serial), size_(size)
    {
    }
    void add(int32_t frame);
    void flush();

  private:
    JobEvents& events_;
    uint32_t serial_;
    int32_t size_;
    int32_t first_ = 0, end_ = 0;
};

} // namespace platform::audio
