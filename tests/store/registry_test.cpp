#include "StoreFixture.h"

#include "platform/store/Registry.h"

#include <sqlite3.h>

#include <array>
#include <vector>

using namespace store;

namespace
{

std::vector<std::uint8_t> bytes(const std::string& s)
{
    return {s.begin(), s.end()};
}

std::int32_t set(HKEY key, const char* name, std::uint32_t type, const std::vector<std::uint8_t>& data)
{
    return RegSetValueEx(key, name, type, data.data(), static_cast<std::uint32_t>(data.size()));
}

// The value's data as the store gives them back, or the failing result.
std::pair<std::int32_t, std::string> get(HKEY key, const char* name)
{
    std::uint32_t count = 0;
    std::int32_t rc = RegQueryValueEx(key, name, nullptr, nullptr, &count);
    if (rc != ERROR_SUCCESS) return {rc, {}};
    std::string data(count, '\0');
    rc = RegQueryValueEx(key, name, nullptr, reinterpret_cast<std::uint8_t*>(data.data()), &count);
    return {rc, data};
}

HKEY openKey(HKEY root, const char* path, std::uint32_t access)
{
    HKEY key = 0;
    EXPECT_EQ(RegOpenKeyEx(root, path, 0, access, &key), ERROR_SUCCESS) << path;
    return key;
}

constexpr std::array<HKEY, 7> Roots{HKEY_CLASSES_ROOT, HKEY_CURRENT_USER,     HKEY_LOCAL_MACHINE,
                                    HKEY_USERS,        HKEY_PERFORMANCE_DATA, HKEY_CURRENT_CONFIG,
                                    HKEY_DYN_DATA};

} // namespace

TEST_F(StoreTest, RootsExistWithoutDatabaseAndReadsCreateNothing)
{
    for (HKEY root : Roots) {
        HKEY key = 0;
        ASSERT_EQ(RegOpenKeyEx(root, "", 0, KEY_READ, &key), ERROR_SUCCESS);
        EXPECT_NE(key, 0u);
        EXPECT_EQ(get(key, "Drive1").first, ERROR_FILE_NOT_FOUND);
        EXPECT_EQ(get(root, "Drive1").first, ERROR_FILE_NOT_FOUND);
        EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
        EXPECT_EQ(RegOpenKeyEx(root, "Software", 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
        EXPECT_EQ(key, 0u);
    }
    EXPECT_FALSE(std::filesystem::exists(tempPath() + "/sonavel"));
}

TEST_F(StoreTest, FirstWriteCreatesFolderAndDatabase)
{
    HKEY key = openKey(HKEY_LOCAL_MACHINE, nullptr, KEY_WRITE);
    ASSERT_EQ(set(key, "Drive1", REG_SZ, bytes(std::string("/\0", 2))), ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_TRUE(std::filesystem::is_regular_file(dbPath()));
    EXPECT_EQ(get(HKEY_LOCAL_MACHINE, "Drive1"), std::make_pair(ERROR_SUCCESS, std::string("/\0", 2)));
    // Each root is a key of its own.
    EXPECT_EQ(get(HKEY_CURRENT_USER, "Drive1").first, ERROR_FILE_NOT_FOUND);
}

TEST_F(StoreTest, OpenNeverCreatesAndCreateMakesEveryLevel)
{
    HKEY key = 0;
    EXPECT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "Software\\Sonavel", 0, KEY_WRITE, &key), ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(std::filesystem::exists(dbPath()));

    ASSERT_EQ(RegCreateKey(HKEY_CURRENT_USER, "Software\\Sonavel\\Player", nullptr), ERROR_SUCCESS);
    for (const char* path : {"Software", "Software\\Sonavel", "software\\SONAVEL\\player"}) {
        key = openKey(HKEY_CURRENT_USER, path, KEY_READ);
        EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    }
    EXPECT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, "Software", 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "Software\\Other", 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);

    // A key opened below an open key.
    HKEY software = openKey(HKEY_CURRENT_USER, "Software", KEY_READ);
    key = openKey(software, "Sonavel\\Player", KEY_WRITE);
    ASSERT_EQ(set(key, "Level", REG_DWORD, {3, 0, 0, 0}), ERROR_SUCCESS);
    RegCloseKey(key);
    RegCloseKey(software);
    key = openKey(HKEY_CURRENT_USER, "Software\\Sonavel\\Player", KEY_READ);
    EXPECT_EQ(get(key, "level"), std::make_pair(ERROR_SUCCESS, std::string("\3\0\0\0", 4)));
    RegCloseKey(key);
}

TEST_F(StoreTest, PathsWithAnEmptyLevelAreRefused)
{
    ASSERT_EQ(RegCreateKey(HKEY_LOCAL_MACHINE, "a\\b", nullptr), ERROR_SUCCESS);
    for (const char* path : {"\\a", "a\\", "a\\\\b", "\\"}) {
        HKEY key = 1;
        EXPECT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, path, 0, KEY_READ, &key), ERROR_BAD_PATHNAME) << path;
        EXPECT_EQ(key, 0u);
        EXPECT_EQ(RegCreateKey(HKEY_LOCAL_MACHINE, path, nullptr), ERROR_BAD_PATHNAME) << path;
    }
}

TEST_F(StoreTest, QueryCopiesAtMostTheGivenCountWhateverTheType)
{
    ASSERT_EQ(set(HKEY_LOCAL_MACHINE, "text", REG_SZ, bytes(std::string("abcdef\0", 7))), ERROR_SUCCESS);
    ASSERT_EQ(set(HKEY_LOCAL_MACHINE, "number", REG_DWORD, {5, 0, 0, 0}), ERROR_SUCCESS);
    ASSERT_EQ(set(HKEY_LOCAL_MACHINE, "empty", REG_SZ, {}), ERROR_SUCCESS);
    struct Case {
        const char* name;
        std::uint32_t given;
        std::int32_t result;
        std::uint32_t countAfter;
        std::uint32_t type;
        std::string buffer; // the first 8 bytes of a buffer of '#'
    };
    const Case cases[] = {
        {"text", 255, ERROR_SUCCESS, 7, REG_SZ, std::string("abcdef\0#", 8)},
        {"text", 7, ERROR_SUCCESS, 7, REG_SZ, std::string("abcdef\0#", 8)},
        {"text", 6, ERROR_MORE_DATA, 7, REG_SZ, "########"},
        {"text", 0, ERROR_MORE_DATA, 7, REG_SZ, "########"},
        {"number", 255, ERROR_SUCCESS, 4, REG_DWORD, std::string("\5\0\0\0####", 8)},
        {"number", 3, ERROR_MORE_DATA, 4, REG_DWORD, "########"},
        {"empty", 255, ERROR_SUCCESS, 0, REG_SZ, "########"},
        {"missing", 255, ERROR_FILE_NOT_FOUND, 255, 99, "########"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " " + std::to_string(c.given));
        std::string buffer(255, '#');
        std::uint32_t count = c.given;
        std::uint32_t type = 99;
        EXPECT_EQ(RegQueryValueEx(HKEY_LOCAL_MACHINE, c.name, &type,
                                  reinterpret_cast<std::uint8_t*>(buffer.data()), &count),
                  c.result);
        EXPECT_EQ(count, c.countAfter);
        EXPECT_EQ(type, c.type);
        EXPECT_EQ(buffer.substr(0, 8), c.buffer);
    }
}

TEST_F(StoreTest, AccessTypesAndHandlesAreChecked)
{
    HKEY reader = openKey(HKEY_LOCAL_MACHINE, "", KEY_READ);
    HKEY writer = openKey(HKEY_LOCAL_MACHINE, "", KEY_WRITE);
    EXPECT_NE(reader, writer);
    EXPECT_EQ(set(reader, "v", REG_SZ, {'a', 0}), ERROR_ACCESS_DENIED);
    EXPECT_EQ(set(writer, "v", 3, {'a', 0}), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegSetValueEx(writer, "v", REG_SZ, nullptr, 2), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(get(reader, "v").first, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(set(writer, "v", REG_SZ, {'a', 0}), ERROR_SUCCESS);
    EXPECT_EQ(get(writer, "v").first, ERROR_ACCESS_DENIED);
    EXPECT_EQ(get(reader, "V").second, std::string("a\0", 2));

    EXPECT_EQ(RegCloseKey(reader), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(reader), ERROR_INVALID_HANDLE);
    EXPECT_EQ(get(reader, "v").first, ERROR_INVALID_HANDLE);
    EXPECT_EQ(set(reader, "v", REG_SZ, {'b', 0}), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(writer), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(HKEY_LOCAL_MACHINE), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(0), ERROR_INVALID_HANDLE);
    EXPECT_EQ(get(HKEY_LOCAL_MACHINE, "v").second, std::string("a\0", 2));
}

TEST_F(StoreTest, StoreMovesWithConfigHomeButAnOpenKeyKeepsItsDatabase)
{
    HKEY key = openKey(HKEY_LOCAL_MACHINE, "", KEY_WRITE);
    const std::string first = tempPath();
    setConfigHome(first + "/other");
    ASSERT_EQ(set(key, "v", REG_SZ, {'1', 0}), ERROR_SUCCESS);
    ASSERT_EQ(set(HKEY_LOCAL_MACHINE, "v", REG_SZ, {'2', 0}), ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(get(HKEY_LOCAL_MACHINE, "v").second, std::string("2\0", 2));
    setConfigHome(first);
    EXPECT_EQ(get(HKEY_LOCAL_MACHINE, "v").second, std::string("1\0", 2));

    // Without XDG_CONFIG_HOME (or with a relative one) the store is under HOME/.config.
    const char* home = std::getenv("HOME");
    const std::string savedHome = home ? home : "";
    setenv("HOME", (first + "/home").c_str(), 1);
    for (bool relative : {false, true}) {
        if (relative)
            setConfigHome("relative/config");
        else
            unsetenv("XDG_CONFIG_HOME");
        EXPECT_EQ(set(HKEY_LOCAL_MACHINE, relative ? "r" : "u", REG_SZ, {'3', 0}), ERROR_SUCCESS);
    }
    setenv("HOME", savedHome.c_str(), 1);
    setConfigHome(first + "/home/.config");
    EXPECT_EQ(get(HKEY_LOCAL_MACHINE, "u").second, std::string("3\0", 2));
    EXPECT_EQ(get(HKEY_LOCAL_MACHINE, "r").second, std::string("3\0", 2));
}

TEST_F(StoreTest, DamagedDatabaseFailsAndIsLeftAlone)
{
    damageDatabase();
    const std::string before = readFile(dbPath());
    HKEY key = openKey(HKEY_LOCAL_MACHINE, "", KEY_WRITE | KEY_READ);
    EXPECT_EQ(set(key, "v", REG_SZ, {'a', 0}), ERROR_BADDB);
    EXPECT_EQ(get(key, "v").first, ERROR_BADDB);
    RegCloseKey(key);
    EXPECT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, "Software", 0, KEY_READ, &key), ERROR_BADDB);
    EXPECT_EQ(RegCreateKey(HKEY_LOCAL_MACHINE, "Software", nullptr), ERROR_BADDB);
    EXPECT_EQ(readFile(dbPath()), before);
}

TEST_F(StoreTest, UnwritableFolderFailsQuietly)
{
    for (const std::string& home : {tempPath() + "/sonavel-file", tempPath()}) {
        writeFile(home == tempPath() ? home + "/sonavel" : home, "not a folder");
        setConfigHome(home);
        EXPECT_NE(set(HKEY_LOCAL_MACHINE, "v", REG_SZ, {'a', 0}), ERROR_SUCCESS) << home;
        EXPECT_NE(get(HKEY_LOCAL_MACHINE, "v").first, ERROR_SUCCESS) << home;
        EXPECT_NE(RegCreateKey(HKEY_LOCAL_MACHINE, "Software", nullptr), ERROR_SUCCESS) << home;
    }
}

// An empty file is a database nothing was written to yet; one of a newer format is not ours
// to change.
TEST_F(StoreTest, EmptyFileIsAnEmptyStoreAndAnUnknownFormatIsLeftAlone)
{
    writeFile(dbPath(), "");
    EXPECT_EQ(get(HKEY_LOCAL_MACHINE, "v").first, ERROR_FILE_NOT_FOUND);
    ASSERT_EQ(set(HKEY_LOCAL_MACHINE, "v", REG_SZ, {'a', 0}), ERROR_SUCCESS);
    EXPECT_EQ(get(HKEY_LOCAL_MACHINE, "v").second, std::string("a\0", 2));

    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(dbPath().c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "PRAGMA user_version = 2", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
    EXPECT_EQ(get(HKEY_LOCAL_MACHINE, "v").first, ERROR_BADDB);
    EXPECT_EQ(set(HKEY_LOCAL_MACHINE, "v", REG_SZ, {'b', 0}), ERROR_BADDB);
}

TEST_F(StoreTest, LockedDatabaseFailsAfterTheTimeoutAndRecovers)
{
    ASSERT_EQ(set(HKEY_LOCAL_MACHINE, "v", REG_SZ, {'a', 0}), ERROR_SUCCESS);
    store::testing::setBusyTimeout(20);
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(dbPath().c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    EXPECT_EQ(get(HKEY_LOCAL_MACHINE, "v").first, ERROR_REGISTRY_IO_FAILED);
    EXPECT_EQ(get(HKEY_LOCAL_MACHINE, "v").first, ERROR_REGISTRY_IO_FAILED);
    EXPECT_EQ(set(HKEY_LOCAL_MACHINE, "v", REG_SZ, {'b', 0}), ERROR_REGISTRY_IO_FAILED);
    ASSERT_EQ(sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(other);
    store::testing::setBusyTimeout(1500);
    EXPECT_EQ(get(HKEY_LOCAL_MACHINE, "v").second, std::string("a\0", 2));
    EXPECT_EQ(set(HKEY_LOCAL_MACHINE, "v", REG_SZ, {'c', 0}), ERROR_SUCCESS);
    EXPECT_EQ(get(HKEY_LOCAL_MACHINE, "v").second, std::string("c\0", 2));
}

// Two processes released at the same moment each write their own values into the same
// database as fast as they can; every write succeeds and none is lost.
TEST_F(StoreTest, TwoProcessesWritingAtOnceKeepBothTheirValues)
{
    constexpr int Writes = 20;
    ASSERT_EQ(RegCreateKey(HKEY_CURRENT_USER, "Shared", nullptr), ERROR_SUCCESS);
    EXPECT_TRUE(runAtOnce(2, [&](int p) {
        int failures = 0;
        for (int i = 0; i < Writes; ++i) {
            const std::string name = std::string(1, char('A' + p)) + std::to_string(i);
            std::vector<std::uint8_t> data{std::uint8_t(i), std::uint8_t(p), 0, 0};
            HKEY key = 0;
            failures += RegOpenKeyEx(HKEY_CURRENT_USER, "Shared", 0, KEY_WRITE, &key) != ERROR_SUCCESS;
            failures += set(key, name.c_str(), REG_DWORD, data) != ERROR_SUCCESS;
            failures += set(HKEY_LOCAL_MACHINE, name.c_str(), REG_DWORD, data) != ERROR_SUCCESS;
            RegCloseKey(key);
        }
        return failures == 0;
    }));
    HKEY shared = openKey(HKEY_CURRENT_USER, "Shared", KEY_READ);
    for (int p = 0; p < 2; ++p)
        for (int i = 0; i < Writes; ++i) {
            const std::string name = std::string(1, char('A' + p)) + std::to_string(i);
            const std::string expected{char(i), char(p), 0, 0};
            EXPECT_EQ(get(shared, name.c_str()).second, expected) << name;
            EXPECT_EQ(get(HKEY_LOCAL_MACHINE, name.c_str()).second, expected) << name;
        }
    RegCloseKey(shared);
}
