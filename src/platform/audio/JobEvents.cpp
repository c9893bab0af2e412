#include "platform/audio/JobEvents.h"

#include "platform/forms/Internal.h"
#include "platform/forms/TimerRegistry.h"

#include <QPointer>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace platform::audio
{

JobEvents::JobEvents(std::function<void(int32_t)>& onActFrame, std::function<void()>& onThreadEnded)
    : onActFrame_(onActFrame), onThreadEnded_(onThreadEnded)
{
    forms::detail::addTickCompanion(this, [this] { deliverWaiting(); });
}

JobEvents::~JobEvents()
{
    forms::detail::removeTickCompanion(this);
}

void JobEvents::postActFrame(uint32_t serial, int32_t frame)
{
    post({serial, frame, frame + 1});
}

void JobEvents::postActFrames(uint32_t serial, int32_t first, int32_t end, bool merge, bool canWait,
                              uint32_t seek)
{
    if (first < end) post({serial, first, end, seek, merge}, canWait && merge);
}

void JobEvents::postThreadEnded(uint32_t serial, bool failed)
{
    post({.serial = serial, .first = 0, .end = -1, .failed = failed});
}

void JobEvents::post(Event e, bool canWait)
{
    bool wake;
    {
        std::lock_guard lock(mutex_);
        wake = pending_.empty() || waiting_; // a waiting report waits no longer than this
        waiting_ = pending_.empty() && canWait;
        if (waiting_) wake = false;
        Event* last = pending_.empty() ? nullptr : &pending_.back();
        // Frames that follow on from the last queued ones join it.
        if (last && e.end >= 0 && last->serial == e.serial && last->seek == e.seek && last->end == e.first &&
            last->end >= 0 && last->merge == e.merge)
            last->end = e.end;
        else
            pending_.push_back(e);
    }
    if (wake) QMetaObject::invokeMethod(this, &JobEvents::deliver, Qt::QueuedConnection);
}

void JobEvents::deliverWaiting()
{
    {
        std::lock_guard lock(mutex_);
        if (!waiting_) return;
    }
    deliver();
}

void JobEvents::deliver()
{
    // One event at a time, taken off the queue as it goes out: a handler may open a new job
    // (which changes the serial), run a nested event loop, or destroy the component.
    QPointer<JobEvents> alive(this);
    for (;;) {
        Event e;
        {
            std::lock_guard lock(mutex_);
            waiting_ = false; // this loop takes what is queued, and what is posted meanwhile
            if (pending_.empty()) return;
            Event& front = pending_.front();
            e = front;
            if (!stale(e) && e.end >= 0 && e.merge) {
                e.first = e.end - 1; // the frames queued before it are passed over
                pending_.pop_front();
            } else if (!stale(e) && e.end >= 0 && ++front.first < front.end) {
                // more frames of this run remain queued
            } else {
                pending_.pop_front();
            }
        }
        if (stale(e)) continue;
        if (e.end < 0) {
            lastFailed_ = e.failed;
            forms::detail::runHandler(onThreadEnded_);
        } else if (onActFrame_) {
            forms::detail::runHandler([this, frame = e.first] { onActFrame_(frame); });
        }
        if (!alive) return;
    }
}

bool JobEvents::stale(const Event& e) const
{
    return e.serial != serial_ || (e.end >= 0 && e.seek != 0 && e.seek != seek_);
}

#if defined(__x86_64__)
namespace
{
__attribute__((target("avx"))) void clearUpperHalves()
{
    _mm256_zeroupper();
}
} // namespace
#endif

void cleanWorkerState()
{
#if defined(__x86_64__)
    if (__builtin_cpu_supports("avx")) clearUpperHalves();
    _mm_setcsr(0x1F80); // round to nearest, exceptions masked, denormals kept
    const unsigned short x87 = 0x037F;
    asm volatile("fldcw %0" : : "m"(x87));
#endif
}

void FrameBatch::add(int32_t frame)
{
    if (end_ > first_ && frame != end_) flush();
    if (end_ == first_) first_ = frame;
    end_ = frame + 1;
    if (end_ - first_ >= size_) handOver(true);
}

void FrameBatch::handOver(bool canWait)
{
    events_.postActFrames(serial_, first_, end_, merge_, canWait, seek_);
    first_ = end_ = 0;
}

} // namespace platform::audio
