#pragma once

// The settings store: named values under keys, with the call semantics of the original
// registry API. Root handles always exist; every other key lives in an SQLite database at
// $XDG_CONFIG_HOME/sonavel/registry.db (~/.config/sonavel/registry.db), resolved on each call.

#include <cstdint>

namespace store
{

using HKEY = std::uint32_t;

inline constexpr HKEY HKEY_CLASSES_ROOT = 0x80000000u;
inline constexpr HKEY HKEY_CURRENT_USER = 0x80000001u;
inline constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002u;
inline constexpr HKEY HKEY_USERS = 0x80000003u;
inline constexpr HKEY HKEY_PERFORMANCE_DATA = 0x80000004u;
inline constexpr HKEY HKEY_CURRENT_CONFIG = 0x80000005u;
inline constexpr HKEY HKEY_DYN_DATA = 0x80000006u;

// Access rights: a key opened without KEY_QUERY_VALUE cannot be read, one without
// KEY_SET_VALUE cannot be written.
inline constexpr std::uint32_t KEY_QUERY_VALUE = 0x0001u;
inline constexpr std::uint32_t KEY_SET_VALUE = 0x0002u;
inline constexpr std::uint32_t KEY_READ = 0x20019u;
inline constexpr std::uint32_t KEY_WRITE = 0x20006u;
inline constexpr std::uint32_t KEY_ALL_ACCESS = 0xF003Fu;

inline constexpr std::uint32_t REG_SZ = 1;
inline constexpr std::uint32_t REG_DWORD = 4;

// Results: 0 success, anything else failure.
inline constexpr std::int32_t ERROR_SUCCESS = 0;
inline constexpr std::int32_t ERROR_FILE_NOT_FOUND = 2; // key or value not there
inline constexpr std::int32_t ERROR_ACCESS_DENIED = 5;  // key not opened for this
inline constexpr std::int32_t ERROR_INVALID_HANDLE = 6;
inline constexpr std::int32_t ERROR_INVALID_PARAMETER = 87;
inline constexpr std::int32_t ERROR_BAD_PATHNAME = 161;        // empty part in a key path
inline constexpr std::int32_t ERROR_MORE_DATA = 234;           // data longer than the buffer
inline constexpr std::int32_t ERROR_BADDB = 1009;              // database damaged or unknown
inline constexpr std::int32_t ERROR_CANTWRITE = 1013;          // database cannot be created
inline constexpr std::int32_t ERROR_REGISTRY_IO_FAILED = 1016; // locked, unreadable, I/O error
inline constexpr std::int32_t ERROR_KEY_DELETED = 1018;

// Opens an existing key below key (a root or an open key); subKey's levels are separated by
// "\", an empty or null subKey gives a new handle to key itself. Never creates a key.
std::int32_t RegOpenKeyEx(HKEY key, const char* subKey, std::uint32_t options, std::uint32_t access,
                          HKEY* result);

// Copies the value's type to *type (when given) and at most *count bytes of its data to data,
// whatever the type; *count becomes the data's length. Data longer than *count: ERROR_MORE_DATA
// and nothing copied. With data null only the type and length are returned. A null or empty
// name is the key's unnamed value.
std::int32_t RegQueryValueEx(HKEY key, const char* valueName, std::uint32_t* type, std::uint8_t* data,
                             std::uint32_t* count);

// Stores count raw bytes as the value's data, type REG_SZ or REG_DWORD; one transaction.
std::int32_t RegSetValueEx(HKEY key, const char* valueName, std::uint32_t type, const std::uint8_t* data,
                           std::uint32_t count);

std::int32_t RegCloseKey(HKEY key);

// Creates subKey with any missing levels below key (existing ones are kept) and, when result
// is given, opens it with full access. For tests and maintenance: the program never calls it.
std::int32_t RegCreateKey(HKEY key, const char* subKey, HKEY* result);

// The writes made on this thread while one lives are one save: waiting for a database that
// another process holds locked, they share one busy timeout between them, so once a write has
// waited it out the rest of the save fail at once. A write outside a save may wait the whole
// timeout. Saves may nest; the outermost one counts.
class Save
{
  public:
    Save();
    ~Save();
    Save(const Save&) = delete;
    Save& operator=(const Save&) = delete;
};

namespace testing
{
// Longest wait for a database another process holds locked (normally 1500 ms).
void setBusyTimeout(int ms);
// How many writes so far had to wait for such a lock.
int waitedWrites();
} // namespace testing

} // namespace store
