#include "platform/TempOutput.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <mutex>
#include <optional>
#include <set>
#include <signal.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace platform
{

namespace
{

// The temporary files not yet committed, of every thread's job.
std::mutex liveMutex;
std::set<std::string> live;

// A temporary file is named ".NAME.PID.N.part": the target's name shortened to this many
// bytes, so that a long name still leaves room for the rest.
constexpr std::size_t MaxNameBytes = 200;
constexpr std::string_view Suffix = ".part";

std::string folderOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The file that path names once its symbolic links are followed; it may not exist yet (a
// dangling link names the file to create). Nothing for a loop or an unreadable link.
std::optional<std::string> followLinks(std::string path)
{
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {
        };
        if (::lstat(path.c_str(), &st) != 0) return errno == ENOENT ? std::optional(path) : std::nullopt;
        if (!S_ISLNK(st.st_mode)) return path;
        std::string link(PATH_MAX, '\0');
        const ssize_t n = ::readlink(path.c_str(), link.data(), link.size());
        if (n <= 0 || std::size_t(n) >= link.size()) return std::nullopt;
        link.resize(std::size_t(n));
        path = link.front() == '/' ? link : folderOf(path) + link;
    }
    return std::nullopt;
}

// What an existing target asks of its replacement.
struct Target {
    bool refused = false;
    bool exists = false;
    mode_t mode = 0;
    uid_t owner = 0;
    gid_t group = 0;
};

Target inspect(const std::string& path)
{
    Target t;
    struct stat st {
    };
    if (::lstat(path.c_str(), &st) != 0) {
        t.refused = errno != ENOENT;
        return t;
    }
    t.exists = true;
    // A read-only file is not replaced, even by a user whom the folder would let do so.
    t.refused = !S_ISREG(st.st_mode) || (st.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0;
    t.mode = st.st_mode & 07777;
    t.owner = st.st_uid;
    t.group = st.st_gid;
    return t;
}

// The replacement gets the target's owner, group and permissions as far as it may: only the
// super-user can give a file away, only a member can give it the target's group, and a file
// system that cannot hold permissions gave the target none to keep.
void keepAccess(int fd, const Target& t)
{
    // Owner and group first: changing them clears set-id bits, which the mode then restores.
    if (::fchown(fd, t.owner, t.group) != 0 && ::fchown(fd, uid_t(-1), t.group) != 0) {
        // the user's own group stays
    }
    if (::fchmod(fd, t.mode) != 0) {
        // as the file system gives them
    }
}

// Digits as std::to_string writes them (no sign, no leading zero); nothing otherwise.
std::optional<unsigned long long> number(std::string_view digits)
{
    if (digits.empty() || digits.size() > 19 || (digits.size() > 1 && digits.front() == '0'))
        return std::nullopt;
    unsigned long long n = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + unsigned(c - '0');
    }
    return n;
}

// The process that made the temporary file of this name, or 0 when the name is not one that
// create() makes.
pid_t maker(std::string_view name)
{
    if (name.size() < 1 + Suffix.size() || name.front() != '.' || !name.ends_with(Suffix)) return 0;
    name = name.substr(1, name.size() - 1 - Suffix.size()); // NAME.PID.N
    const auto lastDot = name.rfind('.');
    if (lastDot == std::string_view::npos) return 0;
    const auto serial = number(name.substr(lastDot + 1));
    if (!serial || *serial > 0xFFFFFFFF) return 0;
    name = name.substr(0, lastDot); // NAME.PID
    const auto pidDot = name.rfind('.');
    if (pidDot == std::string_view::npos || pidDot == 0 || pidDot > MaxNameBytes) return 0;
    const auto pid = number(name.substr(pidDot + 1));
    if (!pid || *pid == 0 || *pid > 0x7FFFFFFF) return 0;
    return pid_t(*pid);
}

bool isGone(pid_t pid)
{
    return pid != ::getpid() && ::kill(pid, 0) != 0 && errno == ESRCH;
}

// Removes the temporary files in folder that a killed run left: plain files of this user,
// named as create() names them, whose process is gone. A process that now has such a PID
// keeps the file; links and folders are never touched, nor followed.
void removeLeftovers(const std::string& folder)
{
    DIR* d = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!d) return;
    const int fd = ::dirfd(d);
    const uid_t me = ::geteuid();
    while (const dirent* e = ::readdir(d)) {
        const pid_t pid = maker(e->d_name);
        if (pid == 0) continue;
        struct stat st {
        };
        if (::fstatat(fd, e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode) ||
            st.st_uid != me)
            continue;
        if (isGone(pid)) ::unlinkat(fd, e->d_name, 0);
    }
    ::closedir(d);
}

} // namespace

TempOutput::~TempOutput()
{
    abandon();
}

int TempOutput::create(const std::string& given)
{
    abandon();
    if (given.empty() || given.back() == '/') return -1;
    const auto target = followLinks(given);
    if (!target || target->back() == '/') return -1;
    const Target existing = inspect(*target);
    if (existing.refused) return -1;

    const std::string dir = folderOf(*target);
    removeLeftovers(dir);
    static std::atomic<unsigned> counter{0};
    const std::string name = target->substr(dir.size()).substr(0, MaxNameBytes);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string temp = dir + "." + name + "." + std::to_string(::getpid()) + "." +
                           std::to_string(counter++) + std::string(Suffix);
        // 0666 so that a new file gets the permissions the user's umask gives any new file.
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            if (existing.exists) keepAccess(fd, existing);
            target_ = *target;
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
        // The target may have become read-only or a link while the output was written.
        if (!inspect(target_).refused && std::rename(temp_.c_str(), target_.c_str()) == 0) {
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
