#pragma once

// Each test gets its own empty configuration folder through XDG_CONFIG_HOME.

#include "support/ConfigHome.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

class StoreTest : public ::testing::Test
{
  protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

    std::string tempPath() const { return dir_.path().toStdString(); }
    static void setConfigHome(const std::string& path) { testsupport::ConfigHome::set(path); }
    std::string dbPath() const { return tempPath() + "/sonavel/registry.db"; }

    static void writeFile(const std::string& path, const std::string& bytes)
    {
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    }
    static std::string readFile(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // Bytes that no SQLite database starts with.
    void damageDatabase() const
    {
        std::string garbage(8192, '\0');
        for (std::size_t i = 0; i < garbage.size(); ++i)
            garbage[i] = static_cast<char>((i * 131 + 7) % 251 + 1);
        writeFile(dbPath(), garbage);
    }
    // The store's folder cannot be made: its place is taken by a plain file.
    void blockFolder() const { writeFile(tempPath() + "/sonavel", "not a folder"); }

  private:
    QTemporaryDir dir_;
    testsupport::ConfigHome home_{dir_.path().toStdString()};
};

// Runs body(0) .. body(count - 1) each in a child process, all released at the same moment;
// succeeds when every body returns true.
inline ::testing::AssertionResult runAtOnce(int count, const std::function<bool(int)>& body)
{
    int gate[2];
    if (pipe(gate) != 0) return ::testing::AssertionFailure() << "no pipe";
    std::vector<pid_t> children;
    for (int i = 0; i < count; ++i) {
        const pid_t child = fork();
        if (child == 0) {
            close(gate[1]);
            char go = 0;
            _exit(read(gate[0], &go, 1) == 1 && body(i) ? 0 : 1);
        }
        if (child > 0) children.push_back(child);
    }
    close(gate[0]);
    // One write releases every child.
    const std::string go(children.size(), 'g');
    const bool released = write(gate[1], go.data(), go.size()) == static_cast<ssize_t>(go.size());
    close(gate[1]);
    int failed = static_cast<int>(count - children.size()) + !released;
    for (pid_t child : children) {
        int status = 0;
        failed += waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0;
    }
    if (failed) return ::testing::AssertionFailure() << failed << " of " << count << " processes failed";
    return ::testing::AssertionSuccess();
}
