#pragma once

#include <string>

namespace platform
{

// The one way every writer puts out a file. It is written under a temporary name in the
// target's folder and renamed over the target only once complete, so the target is never seen
// half-written and an input named as its own output is read to the end before it is replaced.
// A symbolic link stays a link (the file it names is written), an existing target keeps its
// permissions, and a read-only target, or one that is no plain file, is refused.
class TempOutput
{
  public:
    TempOutput() = default;
    ~TempOutput(); // abandons an uncommitted file
    TempOutput(const TempOutput&) = delete;
    TempOutput& operator=(const TempOutput&) = delete;

    // Creates the temporary file; returns its descriptor, or -1 (the target refused, or no
    // file could be made). The caller closes it. First removes the temporary files that runs
    // killed before they could clean up left in that folder.
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
