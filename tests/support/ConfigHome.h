#pragma once

// Points the settings folder (XDG_CONFIG_HOME) somewhere for the object's life, then puts back
// the one it replaced: the shared test main gives every test binary a folder of its own, which
// must outlive any one test.

#include <cstdlib>
#include <optional>
#include <string>

namespace testsupport
{

class ConfigHome
{
  public:
    explicit ConfigHome(const std::string& folder)
    {
        if (const char* old = std::getenv("XDG_CONFIG_HOME")) saved_ = old;
        set(folder);
    }
    ~ConfigHome()
    {
        if (saved_)
            set(*saved_);
        else
            unsetenv("XDG_CONFIG_HOME");
    }
    ConfigHome(const ConfigHome&) = delete;
    ConfigHome& operator=(const ConfigHome&) = delete;

    static void set(const std::string& folder) { setenv("XDG_CONFIG_HOME", folder.c_str(), 1); }

  private:
    std::optional<std::string> saved_;
};

} // namespace testsupport
