#include "platform/DataDir.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <mutex>
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

// Blank digits look like a fault of the display; the user is told once where they were looked for.
void sayNoDigits(const std::string& where)
{
    static std::once_flag told;
    std::call_once(told, [&] {
        std::fprintf(stderr, "sonavel: no time/ folder of digit bitmaps in %s; the time digits stay blank\n",
                     where.c_str());
    });
}

} // namespace

std::string sharedDataFolder()
{
    if (const char* env = std::getenv("windir"); env && *env) {
        if (!holdsDigits(env)) sayNoDigits(std::string(env) + " (windir)");
        return env;
    }
    const fs::path beside = besideProgram(), installed = SONAVEL_INSTALL_DATA_DIR;
    for (const fs::path& candidate : {beside, installed})
        if (!candidate.empty() && holdsDigits(candidate)) return candidate.string();
    const fs::path built = SONAVEL_BUILD_DATA_DIR;
    if (!holdsDigits(built)) {
        std::string where;
        if (!beside.empty() && beside != installed) where = beside.string() + ", ";
        sayNoDigits(where + installed.string() + " or " + built.string() + " (windir unset)");
    }
    return built.string();
}

} // namespace platform
