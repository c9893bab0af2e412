// The settings save of the main window with the store held locked by another connection, and
// with the store free: how long the window waits.

#include "platform/forms/Form.h"
#include "player/Player.h"

#include <QApplication>

#include <sqlite3.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace
{

double saveMs(Player& player)
{
    const auto t0 = std::chrono::steady_clock::now();
    player.SaveSettings();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const auto dir = std::filesystem::temp_directory_path() / ("sonavel-bench-" + std::to_string(::getpid()));
    setenv("XDG_CONFIG_HOME", dir.c_str(), 1);
    QApplication app(argc, argv);

    Player& player = forms::the<Player>();
    const double free = saveMs(player); // also makes the database
    sqlite3* other = nullptr;
    sqlite3_open((dir / "sonavel/registry.db").c_str(), &other);
    const bool locked = sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) == SQLITE_OK;
    const double held = saveMs(player);
    sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    const double after = saveMs(player);
    std::printf("settings save: store free %.1f ms, locked elsewhere %.1f ms, free again %.1f ms\n", free,
                held, after);
    forms::Unload<Player>();
    forms::collectUnloaded();
    std::filesystem::remove_all(dir);
    return locked ? 0 : 1;
}
