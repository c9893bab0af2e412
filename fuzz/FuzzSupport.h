#pragma once

// What the fuzz targets share: an event loop for the components' events, a private folder for
// the files a job reads and writes, and a check that stops the run with the input at fault.

#include <QCoreApplication>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace fuzz
{

// A broken promise is a crash to libFuzzer, which then keeps the input that broke it.
inline void check(bool holds, const char* what)
{
    if (holds) return;
    std::fprintf(stderr, "fuzz: %s\n", what);
    std::abort();
}

// The components deliver their events through Qt's event loop on this thread.
inline void startEventLoop()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
}

// A folder of this run's own, under TMPDIR, removed when the run ends normally.
inline const std::filesystem::path& folder()
{
    // Never destroyed, so that the removal at exit still has it.
    static const std::filesystem::path* dir = [] {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/sonavel-fuzz-XXXXXX";
        check(::mkdtemp(pattern.data()) != nullptr, "cannot make a temporary folder");
        return new std::filesystem::path(pattern);
    }();
    static const bool removedAtExit = std::atexit([] {
                                          std::error_code ec;
                                          std::filesystem::remove_all(*dir, ec);
                                      }) == 0;
    (void)removedAtExit;
    return *dir;
}

inline std::string inFolder(const char* name)
{
    return (folder() / name).string();
}

inline void writeFile(const std::string& path, std::string_view bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), std::streamsize(bytes.size()));
}

inline std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The folder holds exactly these names: a job left no temporary file behind.
inline bool folderHolds(const std::set<std::string>& names)
{
    std::set<std::string> found;
    for (const auto& e : std::filesystem::directory_iterator(folder()))
        found.insert(e.path().filename().string());
    return found == names;
}

struct Events {
    std::vector<int32_t> frames;
    int ended = 0;
    bool failed = false; // the component's word on the job, as its window reads it
};

// Starts a job and runs the event loop until its ThreadEnded; a job that never ends is a hang
// that libFuzzer's -timeout reports. Events queued behind the end are taken too, so a second
// ThreadEnded would show.
template <typename Component, typename Start> Events runJob(Component& c, Start start)
{
    Events e;
    c.onActFrame = [&e](int32_t f) { e.frames.push_back(f); };
    c.onThreadEnded = [&e, &c] {
        ++e.ended;
        e.failed = c.JobFailed();
    };
    start();
    while (e.ended == 0)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents();
    c.onActFrame = nullptr;
    c.onThreadEnded = nullptr;
    return e;
}

} // namespace fuzz
