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
// dropped. Frames decoded before a seek are stale once the seek is asked for: a frame posted
// under an older seek generation is dropped too, so a display moved by the user stays where
// it was put until the frames from the new place arrive. Consecutive frames queue up as one
// run, and a wake-up is posted only when the queue was empty. Destroying the object drops what
// was not yet delivered. Handlers run as the forms layer runs every event's: an exception is
// logged and the next events still arrive.
//
// Merging: a run posted as mergeable (a job playing at the music's pace, whose frames only move
// a display) is delivered as its last frame alone: frames still queued behind a later frame of
// the same run when the UI thread gets to them are left out. The last frame of a run is always
// delivered, so is every frame of a run that is not mergeable; a gap in the frame numbers (a
// seek) or any other event ends a run. The job's final frame, posted on its own after the
// output drained, is therefore always delivered.
//
// Waiting: a mergeable run posted with `canWait` onto an empty queue wakes nobody; it goes out
// after the next tick of any forms timer (the scrolling title's, ten times a second), which
// woke the UI thread anyway, so both reach the screen in one repaint. Should it still be
// queued when the next event is posted, that post wakes the UI thread as usual: a report waits
// at most one report's time.
class JobEvents : public QObject
{
    Q_OBJECT
  public:
    JobEvents(std::function<void(int32_t)>& onActFrame, std::function<void()>& onThreadEnded);
    ~JobEvents() override;

    // UI thread: starts a new serial, so every event of earlier jobs is dropped.
    uint32_t nextSerial() { return ++serial_; }
    uint32_t currentSerial() const { return serial_; }
    // Any thread: starts a new seek generation; frames stamped with an older one are dropped.
    uint32_t nextSeek() { return ++seek_; }
    uint32_t currentSeek() const { return seek_; }

    // Any thread.
    void postActFrame(uint32_t serial, int32_t frame);
    // first .. end - 1. seek: the generation they were decoded under; 0 for frames that no
    // seek makes stale (a job that cannot seek, a job's final frame).
    void postActFrames(uint32_t serial, int32_t first, int32_t end, bool merge = false, bool canWait = false,
                       uint32_t seek = 0);
    void postThreadEnded(uint32_t serial, bool failed);

    // UI thread: whether the job whose ThreadEnded was delivered last failed; a new job clears it.
    bool lastJobFailed() const { return lastFailed_; }
    void clearJobFailed() { lastFailed_ = false; }

  private:
    struct Event {
        uint32_t serial;
        int32_t first, end; // ActFrame first .. end - 1; end < 0 marks ThreadEnded
        uint32_t seek = 0;
        bool merge = false;
        bool failed = false;
    };
    void post(Event e, bool canWait = false);
    void deliver();
    void deliverWaiting();
    bool stale(const Event& e) const;

    std::function<void(int32_t)>& onActFrame_;
    std::function<void()>& onThreadEnded_;
    std::atomic<uint32_t> serial_{0};
    std::atomic<uint32_t> seek_{1}; // 0 stamps frames that no seek makes stale
    std::mutex mutex_;
    std::deque<Event> pending_;
    bool waiting_ = false; // the queue holds events and no wake-up was posted for them
    bool lastFailed_ = false;
};

// Gathers a job's consecutive frame events and hands them over every `size` frames, so a worker
// that runs faster than real time wakes the UI thread once per batch rather than per frame.
// `merge`: the frames form mergeable runs (see JobEvents), and a full batch may wait for the
// next timer tick; a batch handed over early (a seek, a pause, the end) never waits.
class FrameBatch
{
  public:
    FrameBatch(JobEvents& events, uint32_t serial, int32_t size, bool merge = false)
        : events_(events), serial_(serial), size_(size), merge_(merge)
    {
    }
    void add(int32_t frame);
    void flush() { handOver(false); }
    // Frames from here on were decoded after the seek of this generation.
    void setSeek(uint32_t seek)
    {
        flush();
        seek_ = seek;
    }

  private:
    void handOver(bool canWait);
    JobEvents& events_;
    uint32_t serial_;
    int32_t size_;
    bool merge_;
    uint32_t seek_ = 0;
    int32_t first_ = 0, end_ = 0;
};

// Called first on a component's worker thread. A new thread starts with a copy of its creator's
// floating-point and vector state: in a GUI process that may carry dirty upper halves of the
// vector registers (every call of the encoder's SSE code into libm's AVX routines then pays a
// state switch) or a changed rounding or flush-to-zero mode. The worker starts clean, as a
// command-line encoder does.
void cleanWorkerState();

} // namespace platform::audio
