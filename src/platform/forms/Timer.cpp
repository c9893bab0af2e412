#include "platform/forms/Timer.h"

#include "platform/forms/Control.h"
#include "platform/forms/Internal.h"
#include "platform/forms/TimerRegistry.h"

#include <QTimer>
#include <algorithm>
#include <vector>

namespace forms
{

namespace
{

struct Clock {
    long long now = 0;
};

Clock* manualClock = nullptr;

std::vector<Timer::Impl*>& allTimers()
{
    static std::vector<Timer::Impl*> timers;
    return timers;
}

std::vector<std::pair<const void*, std::function<void()>>>& companions()
{
    static std::vector<std::pair<const void*, std::function<void()>>> work;
    return work;
}

void runCompanions()
{
    // By index: a companion's work may remove companions.
    for (size_t i = 0; i < companions().size(); ++i) {
        const std::function<void()> work = companions()[i].second;
        work();
    }
}

} // namespace

struct Timer::Impl {
    Timer* owner;
    Container* container;
    bool enabled = false;
    int interval = 0;
    long long due = 0; // on the manual clock
    std::unique_ptr<QTimer> qt;

    bool running() const { return enabled && interval > 0; }

    // Starts the countdown afresh, on whichever clock runs the timers now.
    void restart()
    {
        if (manualClock) {
            if (qt) qt->stop();
            due = manualClock->now + interval;
            return;
        }
        if (!qt) {
            qt = std::make_unique<QTimer>();
            QObject::connect(qt.get(), &QTimer::timeout, qt.get(), [this] { fire(); });
        }
        qt->start(interval);
    }

    void halt()
    {
        if (qt) qt->stop();
    }

    void fire()
    {
        if (running()) detail::runHandler(owner->onTimer);
        runCompanions(); // the timer may be gone by now
    }
};

Timer::Timer(Container& parent, const Layout& layout) : impl_(std::make_unique<Impl>())
{
    impl_->owner = this;
    impl_->container = &parent;
    impl_->interval = std::max(0, layout.Interval);
    allTimers().push_back(impl_.get());
    setEnabled(layout.Enabled);
}

Timer::~Timer()
{
    std::erase(allTimers(), impl_.get());
}

bool Timer::Enabled() const
{
    return impl_->enabled;
}

void Timer::setEnabled(bool enabled)
{
    if (enabled == impl_->enabled) return; // enabling a running timer keeps its countdown
    impl_->enabled = enabled;
    if (impl_->running())
        impl_->restart();
    else
        impl_->halt();
}

int Timer::Interval() const
{
    return impl_->interval;
}

void Timer::setInterval(int ms)
{
    ms = std::max(0, ms);
    if (ms == impl_->interval) return;
    impl_->interval = ms;
    if (impl_->running())
        impl_->restart();
    else
        impl_->halt();
}

namespace detail
{
void stopTimersOf(Form* form)
{
    for (Timer::Impl* t : allTimers())
        if (t->container->form() == form) t->owner->setEnabled(false);
}

void addTickCompanion(const void* owner, std::function<void()> work)
{
    companions().emplace_back(owner, std::move(work));
}

void removeTickCompanion(const void* owner)
{
    std::erase_if(companions(), [owner](const auto& c) { return c.first == owner; });
}
} // namespace detail

namespace testing
{

ManualClock::ManualClock()
{
    static Clock clock;
    clock.now = 0;
    manualClock = &clock;
    for (Timer::Impl* t : allTimers())
        if (t->running()) t->restart();
}

ManualClock::~ManualClock()
{
    manualClock = nullptr;
    for (Timer::Impl* t : allTimers())
        if (t->running()) t->restart();
}

void ManualClock::advance(int ms)
{
    const long long target = manualClock->now + std::max(0, ms);
    for (;;) {
        // The earliest timer due by the target; ties go to the one created first.
        Timer::Impl* next = nullptr;
        for (Timer::Impl* t : allTimers())
            if (t->running() && t->due <= target && (!next || t->due < next->due)) next = t;
        if (!next) break;
        manualClock->now = next->due;
        next->due += next->interval;
        next->fire();
    }
    manualClock->now = target;
}

long long ManualClock::now() const
{
    return manualClock->now;
}

} // namespace testing
} // namespace forms
