#pragma once

#include <string>

namespace platform
{

// An output file written under a temporary name in the target's folder and renamed over the
// target only once complete, so the target is never seen half-written and an input named as
// its own output is read to the end before it is replaced.
class TempOutput
{
  public:
    TempOutput() = default;
    ~TempOutput(); // abandons an uncommitted file
    TempOutput(const TempOutput&) = delete;
    TempOutput& operator=(const TempOutput&) = delete;

    // Creates the temporary file; returns its descriptor, or -1. The caller closes it.
    int create(const std::string& target);
    bool commit(); // renames the temporary file over the target
    void abandon();

    // Removes every temporary file of the process not yet committed: for an end of the
    // process at once, which runs no job's own clean-up.
    static void abandonAll();

  private:
    std::string target_, temp_;
};

} // namespace platform
