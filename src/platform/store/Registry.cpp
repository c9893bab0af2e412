#include "platform/store/Registry.h"

#include "platform/store/Database.h"

#include <cstring>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace store
{
namespace
{

// What an open handle stands for. The database file is fixed when the key is opened, so a
// handle keeps meaning the same key whatever happens to the environment meanwhile.
struct OpenKey {
    std::string file;
    HKEY root = 0;
    std::string path;
    std::uint32_t access = 0;
};

std::mutex handlesMutex;
std::map<HKEY, OpenKey> openKeys;
HKEY nextHandle = 1;

bool isRoot(HKEY key)
{
    return key >= HKEY_CLASSES_ROOT && key <= HKEY_DYN_DATA;
}

std::optional<OpenKey> lookup(HKEY key)
{
    if (isRoot(key)) return OpenKey{db::databasePath(), key, {}, KEY_ALL_ACCESS};
    std::lock_guard lock(handlesMutex);
    auto it = openKeys.find(key);
    if (it == openKeys.end()) return std::nullopt;
    return it->second;
}

// Handles stay below the roots' range and are not reused while open.
HKEY addHandle(OpenKey key)
{
    std::lock_guard lock(handlesMutex);
    while (openKeys.count(nextHandle))
        nextHandle = nextHandle >= 0x7FFFFFFFu ? 1 : nextHandle + 1;
    HKEY handle = nextHandle;
    nextHandle = nextHandle >= 0x7FFFFFFFu ? 1 : nextHandle + 1;
    openKeys.emplace(handle, std::move(key));
    return handle;
}

// base and sub joined by "\"; nothing when a level of sub is empty.
std::optional<std::string> joinPath(const std::string& base, const char* sub)
{
    std::string tail = sub ? sub : "";
    if (tail.empty()) return base;
    if (tail.front() == '\\' || tail.back() == '\\' || tail.find("\\\\") != std::string::npos)
        return std::nullopt;
    return base.empty() ? tail : base + "\\" + tail;
}

// The steps open and create share: find (or make) the key subKey names below key, then give
// it a handle when one is asked for.
std::int32_t reach(HKEY key, const char* subKey, std::uint32_t access, HKEY* result, bool create)
{
    if (result) *result = 0;
    auto base = lookup(key);
    if (!base) return ERROR_INVALID_HANDLE;
    auto path = joinPath(base->path, subKey);
    if (!path) return ERROR_BAD_PATHNAME;
    if (*path != base->path) {
        std::int32_t rc = create ? db::createKey(base->file, base->root, *path)
                                 : db::keyExists(base->file, base->root, *path);
        if (rc != ERROR_SUCCESS) return rc;
    }
    if (result) *result = addHandle({base->file, base->root, *path, access});
    return ERROR_SUCCESS;
}

} // namespace

std::int32_t RegOpenKeyEx(HKEY key, const char* subKey, std::uint32_t /*options*/, std::uint32_t access,
                          HKEY* result)
{
    if (!result) return ERROR_INVALID_PARAMETER;
    return reach(key, subKey, access, result, false);
}

std::int32_t RegQueryValueEx(HKEY key, const char* valueName, std::uint32_t* type, std::uint8_t* data,
                             std::uint32_t* count)
{
    auto k = lookup(key);
    if (!k) return ERROR_INVALID_HANDLE;
    if (!(k->access & KEY_QUERY_VALUE)) return ERROR_ACCESS_DENIED;
    if (data && !count) return ERROR_INVALID_PARAMETER;
    std::uint32_t storedType = 0;
    std::vector<std::uint8_t> bytes;
    if (std::int32_t rc =
            db::readValue(k->file, k->root, k->path, valueName ? valueName : "", storedType, bytes);
        rc != ERROR_SUCCESS)
        return rc;
    if (type) *type = storedType;
    if (!count) return ERROR_SUCCESS;
    const auto size = static_cast<std::uint32_t>(bytes.size());
    if (data && size > *count) {
        *count = size;
        return ERROR_MORE_DATA;
    }
    if (data && size) std::memcpy(data, bytes.data(), size);
    *count = size;
    return ERROR_SUCCESS;
}

std::int32_t RegSetValueEx(HKEY key, const char* valueName, std::uint32_t type, const std::uint8_t* data,
                           std::uint32_t count)
{
    auto k = lookup(key);
    if (!k) return ERROR_INVALID_HANDLE;
    if (!(k->access & KEY_SET_VALUE)) return ERROR_ACCESS_DENIED;
    if ((type != REG_SZ && type != REG_DWORD) || (!data && count)) return ERROR_INVALID_PARAMETER;
    return db::writeValue(k->file, k->root, k->path, valueName ? valueName : "", type, data, count);
}

std::int32_t RegCloseKey(HKEY key)
{
    if (isRoot(key)) return ERROR_SUCCESS;
    std::lock_guard lock(handlesMutex);
    return openKeys.erase(key) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

std::int32_t RegCreateKey(HKEY key, const char* subKey, HKEY* result)
{
    return reach(key, subKey, KEY_ALL_ACCESS, result, true);
}

Save::Save()
{
    db::beginSave();
}

Save::~Save()
{
    db::endSave();
}

namespace testing
{
void setBusyTimeout(int ms)
{
    db::setBusyTimeout(ms);
}
int waitedWrites()
{
    return db::waitedWrites();
}
} // namespace testing

} // namespace store
