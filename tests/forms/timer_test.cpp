#include "FormsTest.h"
#include "platform/forms/Testing.h"
#include "platform/forms/Timer.h"

#include <QCoreApplication>

namespace
{

struct Clocked : forms::Form {
    Clocked() : Form({.Caption = "Clocked", .Width = 1500, .Height = 1500}) {}
    forms::Timer oneShot{*this, {.Name = "oneShot", .Enabled = false, .Interval = 1000}};
    forms::Timer ticker{*this, {.Name = "ticker", .Enabled = true, .Interval = 100}};
};

using Timers = FormsTest;

TEST_F(Timers, OneShotDisablingItselfRunsOncePerEnabling)
{
    forms::testing::ManualClock clock;
    Clocked w;
    w.ticker.setEnabled(false);
    std::vector<long long> runs;
    w.oneShot.onTimer = [&] {
        runs.push_back(clock.now());
        w.oneShot.setEnabled(false);
    };
    clock.advance(5000);
    EXPECT_TRUE(runs.empty()) << "a disabled timer never runs";
    w.oneShot.setEnabled(true);
    clock.advance(999);
    EXPECT_TRUE(runs.empty());
    clock.advance(1);
    clock.advance(10000);
    EXPECT_EQ(runs, (std::vector<long long>{6000}));
    w.oneShot.setEnabled(true);
    clock.advance(3000);
    EXPECT_EQ(runs, (std::vector<long long>{6000, 17000}));
}

TEST_F(Timers, EnablingAnEnabledTimerKeepsItsCountdown)
{
    forms::testing::ManualClock clock;
    Clocked w;
    w.ticker.setEnabled(false);
    int runs = 0;
    w.oneShot.onTimer = [&] { ++runs; };
    w.oneShot.setEnabled(true);
    clock.advance(600);
    w.oneShot.setEnabled(true); // no restart
    clock.advance(400);
    EXPECT_EQ(runs, 1);
    // Off and on again does restart it.
    clock.advance(600);
    w.oneShot.setEnabled(false);
    w.oneShot.setEnabled(true);
    clock.advance(600);
    EXPECT_EQ(runs, 1);
    clock.advance(400);
    EXPECT_EQ(runs, 2);
}

TEST_F(Timers, TimersRunOncePerIntervalInTimeOrder)
{
    forms::testing::ManualClock clock;
    Clocked w;
    std::vector<std::string> log;
    w.ticker.onTimer = [&] { log.push_back("tick " + std::to_string(clock.now())); };
    w.oneShot.onTimer = [&] {
        log.push_back("shot " + std::to_string(clock.now()));
        w.oneShot.setEnabled(false);
    };
    clock.advance(150);
    w.oneShot.setInterval(50);
    w.oneShot.setEnabled(true);
    clock.advance(100);
    EXPECT_EQ(log, (std::vector<std::string>{"tick 100", "shot 200", "tick 200"}));
    w.ticker.setInterval(0); // an interval of 0 stops it
    clock.advance(1000);
    EXPECT_EQ(log.size(), 3u);
    EXPECT_TRUE(w.ticker.Enabled());
}

TEST_F(Timers, AHandlerThatRaisesDoesNotStopTheClock)
{
    forms::testing::ManualClock clock;
    Clocked w;
    int runs = 0;
    w.ticker.onTimer = [&] {
        ++runs;
        throw std::runtime_error("handler failed");
    };
    clock.advance(300);
    EXPECT_EQ(runs, 3);
}

TEST_F(Timers, WithoutTheManualClockTimersRunOnTheEventLoop)
{
    Clocked w;
    w.ticker.setInterval(1);
    bool ran = false;
    w.ticker.onTimer = [&] { ran = true; };
    for (int i = 0; i < 30000 && !ran; ++i)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 1);
    EXPECT_TRUE(ran);
    // A manual clock takes over the running timer and hands it back afterwards.
    {
        forms::testing::ManualClock clock;
        ran = false;
        QCoreApplication::processEvents();
        clock.advance(1);
        EXPECT_TRUE(ran);
    }
}

} // namespace
