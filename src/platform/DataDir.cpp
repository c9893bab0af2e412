#include "platform/DataDir.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace platform
{

namespace
{

namespace fs = std::filesystem;

bool holdsDigits(const fs::path& folder)
{
    std::error_code ec;
    return fs::is_directory(folder / "time", ec);
}

// <prefix>/share/sonavel for the prefix the running program was installed under, so that a
// moved installation still finds its data.
fs::path besideProgram()
{
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec || !exe.has_parent_path()) return {};
    return exe.parent_path().parent_path() / "share" / "sonavel";
}

} // namespace

std::string sharedDataFolder()
{
    if (const char* env = std::getenv("windir"); env && *env) return env;
    for (const fs::path& candidate : {besideProgram(), fs::path(SONAVEL_INSTALL_DATA_DIR)})
        if (!candidate.empty() && holdsDigits(candidate)) return candidate.string();
    return SONAVEL_BUILD_DATA_DIR;
}

} // namespace platform
