// Runs every benchmark side by side with its comparison, round after round, and prints the
// best and the median of each and their ratio (ours over the comparison: below 1 is faster).
// Needs an X server (bench/run starts one). Usage: bench_figures <build folder>; with
// BENCH_BEFORE=<an earlier build folder> that build's programs run in the same rounds too.
#include "BenchSource.h"
#include "settings/General.h"

#include <X11/Xlib.h>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace
{

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int SongSeconds = 300;
constexpr int PlaySeconds = 20;

struct Figures {
    std::vector<double> v;
    double min() const { return *std::min_element(v.begin(), v.end()); }
    double median() const
    {
        std::vector<double> s = v;
        std::sort(s.begin(), s.end());
        return s.size() % 2 ? s[s.size() / 2] : (s[s.size() / 2 - 1] + s[s.size() / 2]) / 2;
    }
};

void line(const std::string& what, const char* unit, const Figures& ours, const Figures& theirs,
          const char* against)
{
    std::printf("%-52s %8.3f / %8.3f %-5s | %-26s %8.3f / %8.3f | %5.2fx\n", what.c_str(), ours.min(),
                ours.median(), unit, against, theirs.min(), theirs.median(), ours.median() / theirs.median());
    std::fflush(stdout);
}

using Env = std::map<std::string, std::string>;

pid_t spawn(const std::vector<std::string>& args, const Env& extra, int* out = nullptr)
{
    std::map<std::string, std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string kv = *e;
        const auto eq = kv.find('=');
        if (eq != std::string::npos) env[kv.substr(0, eq)] = kv.substr(eq + 1);
    }
    for (const auto& [k, v] : extra)
        env[k] = v;
    std::vector<std::string> kvs;
    for (const auto& [k, v] : env)
        kvs.push_back(k + "=" + v);
    std::vector<char*> envp, argv;
    for (auto& s : kvs)
        envp.push_back(s.data());
    envp.push_back(nullptr);
    std::vector<std::string> a = args;
    for (auto& s : a)
        argv.push_back(s.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    int pipeFds[2] = {-1, -1};
    if (out) {
        if (pipe(pipeFds) != 0) std::exit(1);
        posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 1);
        posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    }
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0) {
        std::fprintf(stderr, "cannot start %s\n", argv[0]);
        std::exit(1);
    }
    posix_spawn_file_actions_destroy(&actions);
    if (out) {
        close(pipeFds[1]);
        *out = pipeFds[0];
    }
    return pid;
}

struct Finished {
    double cpu = 0, wall = 0;
    std::string output;
};

// Runs a command to its end: its own CPU time (all threads), wall time and standard output.
Finished runToEnd(const std::vector<std::string>& args, const Env& env = {})
{
    Finished f;
    int fd = -1;
    const auto t0 = Clock::now();
    const pid_t pid = spawn(args, env, &fd);
    char buf[4096];
    for (ssize_t n; (n = read(fd, buf, sizeof buf)) > 0;)
        f.output.append(buf, size_t(n));
    close(fd);
    int status = 0;
    rusage use{};
    wait4(pid, &status, 0, &use);
    f.wall = std::chrono::duration<double>(Clock::now() - t0).count();
    f.cpu = double(use.ru_utime.tv_sec + use.ru_stime.tv_sec) +
            double(use.ru_utime.tv_usec + use.ru_stime.tv_usec) / 1e6;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "failed: %s\n", args[0].c_str());
        std::exit(1);
    }
    return f;
}

// CPU seconds of a running process so far, every live thread counted to the nanosecond.
double threadsCpu(pid_t pid)
{
    double ns = 0;
    std::error_code ec;
    for (const auto& task : fs::directory_iterator("/proc/" + std::to_string(pid) + "/task", ec)) {
        std::ifstream in(task.path() / "schedstat");
        double run = 0;
        if (in >> run) ns += run;
    }
    return ns / 1e9;
}

double residentMiB(pid_t pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(in, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024;
    return 0;
}

void stop(pid_t pid)
{
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

// Watches the X server for windows being mapped.
class MapWatch
{
  public:
    MapWatch() : dpy_(XOpenDisplay(nullptr))
    {
        if (!dpy_) {
            std::fprintf(stderr, "no X server (DISPLAY)\n");
            std::exit(1);
        }
        XSelectInput(dpy_, DefaultRootWindow(dpy_), SubstructureNotifyMask);
        XSync(dpy_, True);
    }
    ~MapWatch() { XCloseDisplay(dpy_); }
    void forget() { XSync(dpy_, True); }
    // Waits for the next top-level window to be mapped; false after 20 s.
    bool next()
    {
        const auto until = Clock::now() + std::chrono::seconds(20);
        while (Clock::now() < until) {
            while (XPending(dpy_)) {
                XEvent e;
                XNextEvent(dpy_, &e);
                if (e.type == MapNotify) return true;
            }
            fd_set fds;
            FD_ZERO(&fds);
            FD_SET(ConnectionNumber(dpy_), &fds);
            timeval tv{0, 20000};
            select(ConnectionNumber(dpy_) + 1, &fds, nullptr, nullptr, &tv);
        }
        return false;
    }

  private:
    Display* dpy_;
};

// The programs of one build; with BENCH_BEFORE an earlier build runs in the same rounds.
struct Build {
    std::string label, sonavel, convert, lists;
};

struct Paths {
    std::vector<Build> builds;
    std::string bare;
    fs::path work;
    std::string wav, mp3;
};

std::string labelled(const Build& b, const char* what)
{
    return b.label.empty() ? what : b.label + " " + what;
}

// Both conversions through the components, the encoder window, and the command lines.
void conversions(const Paths& p, int rounds)
{
    struct Side {
        Figures press, window, windowUi, wheel, pressWall, windowWall, wheelWall;
    };
    std::vector<Side> sides(p.builds.size());
    Figures lame, mpg, lameWall, mpgWall;
    const std::string out = (p.work / "out.mp3").string(), wavOut = (p.work / "out.wav").string();
    // The program's encoder window, used after a song played, as it would be.
    const Env gui{{"QT_QPA_PLATFORM", "xcb"},
                  {"XDG_CONFIG_HOME", (p.work / "config-empty").string()},
                  {"SONAVEL_AUDIO_OUTPUT", "silent"},
                  {"BENCH_PLAY_FIRST", p.mp3}};
    auto inside = [](const Finished& f, Figures& cpu, Figures& wall, Figures* ui = nullptr) {
        std::istringstream in(f.output);
        double c = 0, w = 0, u = 0;
        in >> c >> w >> u;
        cpu.v.push_back(c);
        wall.v.push_back(w);
        if (ui) ui->v.push_back(u);
    };
    for (int r = 0; r < rounds; ++r) {
        Finished f = runToEnd({"lame", "--quiet", "-b", "128", p.wav, out});
        lame.v.push_back(f.cpu);
        lameWall.v.push_back(f.wall);
        for (size_t b = 0; b < p.builds.size(); ++b) {
            inside(runToEnd({p.builds[b].convert, "encode-component", p.wav, out}), sides[b].press,
                   sides[b].pressWall);
            inside(runToEnd({p.builds[b].convert, "encode-window", p.wav, out}, gui), sides[b].window,
                   sides[b].windowWall, &sides[b].windowUi);
        }
        f = runToEnd({"mpg123", "-q", "-w", wavOut, p.mp3});
        mpg.v.push_back(f.cpu);
        mpgWall.v.push_back(f.wall);
        for (size_t b = 0; b < p.builds.size(); ++b)
            inside(runToEnd({p.builds[b].convert, "decode-component", p.mp3, wavOut}), sides[b].wheel,
                   sides[b].wheelWall);
    }
    for (size_t b = 0; b < p.builds.size(); ++b) {
        const Build& build = p.builds[b];
        const Side& s = sides[b];
        line(labelled(build, "WAV->MP3 encoding component, CPU"), "s", s.press, lame, "lame -b 128");
        line(labelled(build, "WAV->MP3 encoding component, wall"), "s", s.pressWall, lameWall, "lame -b 128");
        line(labelled(build, "WAV->MP3 encoder window, CPU"), "s", s.window, lame, "lame -b 128");
        line(labelled(build, "WAV->MP3 encoder window, wall"), "s", s.windowWall, lameWall, "lame -b 128");
        line(labelled(build, "WAV->MP3 encoder window, CPU"), "s", s.window, s.press, "the component alone");
        line(labelled(build, "WAV->MP3 encoder window, its UI thread's CPU"), "s", s.windowUi, s.window,
             "the whole conversion");
        line(labelled(build, "MP3->WAV playback component, CPU"), "s", s.wheel, mpg, "mpg123 -w");
        line(labelled(build, "MP3->WAV playback component, wall"), "s", s.wheelWall, mpgWall, "mpg123 -w");
    }
}

// The program playing a 128 kbps song through its windows with the real-time silent output.
void playback(const Paths& p, MapWatch& maps, int rounds)
{
    const fs::path config = p.work / "config-play";
    fs::create_directories(config);
    const std::string playlist = (p.work / "play.m3u").string();
    std::ofstream(playlist) << p.mp3 << "\n";
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    std::string key = "HKEY_LOCAL_MACHINE";
    General::RegWriteString(key, "String Value2", playlist);

    std::vector<Figures> ours(p.builds.size());
    Figures decoding;
    const Env env{
        {"QT_QPA_PLATFORM", "xcb"}, {"XDG_CONFIG_HOME", config.string()}, {"SONAVEL_AUDIO_OUTPUT", "silent"}};
    for (int r = 0; r < rounds; ++r) {
        for (size_t b = 0; b < p.builds.size(); ++b) {
            maps.forget();
            const pid_t pid = spawn({p.builds[b].sonavel}, env);
            if (!maps.next()) {
                std::fprintf(stderr, "the program showed no window\n");
                std::exit(1);
            }
            std::this_thread::sleep_for(std::chrono::seconds(3)); // the song starts a second after
            const double c0 = threadsCpu(pid);
            const auto t0 = Clock::now();
            std::this_thread::sleep_for(std::chrono::seconds(PlaySeconds));
            const double c1 = threadsCpu(pid);
            const double heard = std::chrono::duration<double>(Clock::now() - t0).count();
            stop(pid);
            ours[b].v.push_back((c1 - c0) / heard * 60);
        }
        const Finished f = runToEnd({"mpg123", "-q", "-t", p.mp3});
        decoding.v.push_back(f.cpu / (SongSeconds / 60.0));
    }
    for (size_t b = 0; b < p.builds.size(); ++b)
        line(labelled(p.builds[b], "playback through the windows, CPU per minute"), "s", ours[b], decoding,
             "mpg123 decoding alone");
}

// From start to the first window mapped, and the memory held once idle.
void startup(const Paths& p, MapWatch& maps, int rounds)
{
    const fs::path config = p.work / "config-empty";
    fs::create_directories(config);
    const Env env{{"QT_QPA_PLATFORM", "xcb"}, {"XDG_CONFIG_HOME", config.string()}};
    const size_t n = p.builds.size();
    std::vector<Figures> ourWall(n), ourCpu(n), ourRss(n);
    Figures bareWall, bareCpu, bareRss;
    auto once = [&](const std::string& program, Figures& wall, Figures& cpu, Figures* rss) {
        maps.forget();
        const auto t0 = Clock::now();
        const pid_t pid = spawn({program}, env);
        if (!maps.next()) {
            std::fprintf(stderr, "%s showed no window\n", program.c_str());
            std::exit(1);
        }
        wall.v.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
        cpu.v.push_back(threadsCpu(pid) * 1000);
        if (rss) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1500));
            rss->v.push_back(residentMiB(pid));
        }
        stop(pid);
    };
    for (int r = 0; r < rounds; ++r) {
        const bool rssRound = r < 3;
        once(p.bare, bareWall, bareCpu, rssRound ? &bareRss : nullptr);
        for (size_t b = 0; b < n; ++b)
            once(p.builds[b].sonavel, ourWall[b], ourCpu[b], rssRound ? &ourRss[b] : nullptr);
    }
    for (size_t b = 0; b < n; ++b) {
        line(labelled(p.builds[b], "start to first window mapped, wall"), "ms", ourWall[b], bareWall,
             "bare two-window Qt 6");
        line(labelled(p.builds[b], "start to first window mapped, CPU"), "ms", ourCpu[b], bareCpu,
             "bare two-window Qt 6");
        line(labelled(p.builds[b], "idle resident memory"), "MiB", ourRss[b], bareRss,
             "bare two-window Qt 6");
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <build folder>\n", argv[0]);
        return 2;
    }
    Paths p;
    auto programsOf = [](const std::string& folder, const std::string& label) {
        const std::string build = fs::absolute(folder).string();
        return Build{label, build + "/sonavel", build + "/bench/bench_convert", build + "/bench/bench_lists"};
    };
    if (const char* before = std::getenv("BENCH_BEFORE")) p.builds.push_back(programsOf(before, "before:"));
    p.builds.push_back(programsOf(argv[1], p.builds.empty() ? "" : "after: "));
    p.bare = fs::absolute(argv[1]).string() + "/bench/bench_bare_qt";
    p.work = fs::temp_directory_path() / ("sonavel-figures-" + std::to_string(getpid()));
    fs::create_directories(p.work);
    p.wav = (p.work / "source.wav").string();
    p.mp3 = (p.work / "source.mp3").string();
    if (!bench::writeSource(p.wav, SongSeconds)) return 1;
    runToEnd({"lame", "--quiet", "-b", "128", "--ta", "Bench Artist", "--tt", "A Song Long Enough To Scroll",
              p.wav, p.mp3});

    const int rounds = std::getenv("BENCH_ROUNDS") ? std::atoi(std::getenv("BENCH_ROUNDS")) : 5;
    std::printf("%-52s %-25s | %-26s %-19s | ratio\n", "figure", "ours best / median", "comparison",
                "best / median");
    MapWatch maps;
    const std::string only = std::getenv("BENCH_ONLY") ? std::getenv("BENCH_ONLY") : "";
    if (only.empty() || only == "startup") startup(p, maps, 2 * rounds);
    if (only.empty() || only == "playback") playback(p, maps, std::max(2, rounds / 2 + 1));
    if (only.empty() || only == "convert") conversions(p, rounds);
    if (only.empty() || only == "lists")
        for (const Build& b : p.builds) {
            if (!b.label.empty()) std::printf("%s\n", b.label.c_str());
            std::fputs(runToEnd({b.lists}).output.c_str(), stdout);
        }
    fs::remove_all(p.work);
    return 0;
}
