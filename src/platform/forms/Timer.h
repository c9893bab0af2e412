#pragma once

#include "platform/forms/Types.h"

#include <memory>

namespace forms
{

class Container;

// Runs onTimer once per Interval while enabled. Enabling an enabled timer does not restart
// its countdown. In tests every timer runs on the manual clock (forms::testing::ManualClock).
class Timer
{
  public:
    Timer(Container& parent, const Layout& layout);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;
    bool Enabled() const;
    void setEnabled(bool enabled);
    int Interval() const;
    void setInterval(int ms);
    Handler onTimer;

    struct Impl;

  private:
    std::unique_ptr<Impl> impl_;
};

} // namespace forms
