// The program installed under a prefix of its own: the menu entry and icon are in place, and
// the installed program, started with a bare environment, reads its digit bitmaps from the
// installed data folder when a remembered playlist starts playing.

#include "audio/AudioFixtures.h"
#include "settings/General.h"
#include "support/ConfigHome.h"

#include <QTemporaryDir>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace
{

namespace fs = std::filesystem;

// Waits up to 30 s for a file of the watched folder to be opened.
bool digitFileOpened(int watch, pid_t program)
{
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (std::chrono::steady_clock::now() < until) {
        if (waitpid(program, nullptr, WNOHANG) == program) return false; // it ended early
        pollfd p{watch, POLLIN, 0};
        if (poll(&p, 1, 200) <= 0) continue;
        alignas(inotify_event) char buffer[4096];
        if (read(watch, buffer, sizeof buffer) > 0) return true;
    }
    return false;
}

TEST(Install, InstalledProgramFindsItsDataFolderAndAppearsInTheMenu)
{
    QTemporaryDir tmp;
    const std::string root = tmp.path().toStdString(), prefix = root + "/prefix";
    const std::string install = std::string("'") + SONAVEL_CMAKE + "' --install '" + SONAVEL_BUILD +
                                "' --prefix '" + prefix + "' >/dev/null";
    ASSERT_EQ(std::system(install.c_str()), 0);
    for (const char* file :
         {"/bin/sonavel", "/share/sonavel/time/09.bmp", "/share/applications/sonavel.desktop",
          "/share/icons/hicolor/32x32/apps/sonavel.png"})
        EXPECT_TRUE(fs::exists(prefix + file)) << file;
    std::ifstream desktop(prefix + "/share/applications/sonavel.desktop");
    const std::string entry{std::istreambuf_iterator<char>(desktop), {}};
    EXPECT_NE(entry.find("\nExec=sonavel\n"), std::string::npos);
    EXPECT_NE(entry.find("\nIcon=sonavel\n"), std::string::npos);

    // A remembered playlist of one song, in a settings store of the run's own.
    const std::string song = root + "/song.mp3", list = root + "/list.m3u", config = root + "/config";
    audiotest::writeMp3(song, audiotest::plainMp3(44100, 2, 3));
    std::ofstream(list) << song << "\n";
    {
        const testsupport::ConfigHome home(config);
        std::string key = "HKEY_LOCAL_MACHINE";
        General::RegWriteString(key, "String Value2", list);
    }

    const int watch = inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
    ASSERT_GE(watch, 0);
    ASSERT_GE(inotify_add_watch(watch, (prefix + "/share/sonavel/time").c_str(), IN_OPEN), 0);
    fs::create_directories(root + "/runtime");
    fs::permissions(root + "/runtime", fs::perms::owner_all);
    std::vector<std::string> env{"HOME=" + root, "XDG_CONFIG_HOME=" + config,
                                 "XDG_RUNTIME_DIR=" + root + "/runtime", "QT_QPA_PLATFORM=offscreen",
                                 "DBUS_SESSION_BUS_ADDRESS=unix:path=" + root + "/no-bus"};
    std::vector<char*> envp;
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string program = prefix + "/bin/sonavel";
    char* argv[] = {program.data(), nullptr};
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, envp.data()), 0);
    EXPECT_TRUE(digitFileOpened(watch, pid)) << "the installed program read no digit file of its data folder";
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    close(watch);
}

} // namespace
