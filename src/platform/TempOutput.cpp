#include "platform/TempOutput.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <mutex>
#include <set>
#include <unistd.h>

namespace platform
{

namespace
{

// The temporary files not yet committed, of every thread's job.
std::mutex liveMutex;
std::set<std::string> live;

} // namespace

TempOutput::~TempOutput()
{
    abandon();
}

int TempOutput::create(const std::string& target)
{
    abandon();
    if (target.empty() || target.back() == '/') return -1;
    static std::atomic<unsigned> counter{0};
    const auto slash = target.rfind('/');
    const std::string dir = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    // Shortened so that a long file name still leaves room for the temporary name's suffix.
    const std::string name = (slash == std::string::npos ? target : target.substr(slash + 1)).substr(0, 200);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string temp =
            dir + "." + name + "." + std::to_string(getpid()) + "." + std::to_string(counter++) + ".part";
        // 0666 so the finished file gets the permissions the user's umask gives any new file.
        int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            target_ = target;
            temp_ = std::move(temp);
            const std::lock_guard lock(liveMutex);
            live.insert(temp_);
            return fd;
        }
        if (errno != EEXIST) return -1;
    }
    return -1;
}

bool TempOutput::commit()
{
    if (temp_.empty()) return false;
    {
        const std::lock_guard lock(liveMutex);
        if (std::rename(temp_.c_str(), target_.c_str()) == 0) {
            live.erase(temp_);
            temp_.clear();
            return true;
        }
    }
    abandon();
    return false;
}

void TempOutput::abandon()
{
    if (temp_.empty()) return;
    const std::lock_guard lock(liveMutex);
    ::unlink(temp_.c_str());
    live.erase(temp_);
    temp_.clear();
}

void TempOutput::abandonAll()
{
    const std::lock_guard lock(liveMutex);
    for (const std::string& temp : live)
        ::unlink(temp.c_str());
    live.clear();
}

} // namespace platform
