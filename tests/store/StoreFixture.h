#pragma once

// Each test gets its own empty configuration folder through XDG_CONFIG_HOME.

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

class StoreTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        if (const char* old = std::getenv("XDG_CONFIG_HOME")) saved_ = old;
        setConfigHome(dir_.path().toStdString());
    }
    void TearDown() override
    {
        if (saved_)
            setenv("XDG_CONFIG_HOME", saved_->c_str(), 1);
        else
            unsetenv("XDG_CONFIG_HOME");
    }

    std::string tempPath() const { return dir_.path().toStdString(); }
    static void setConfigHome(const std::string& path) { setenv("XDG_CONFIG_HOME", path.c_str(), 1); }
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
    std::optional<std::string> saved_;
};
