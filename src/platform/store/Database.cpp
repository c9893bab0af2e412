#include "platform/store/Database.h"

#include <sqlite3.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <mutex>

namespace store::db
{
namespace
{

std::atomic<int> busyTimeoutMs{1500};
std::atomic<int> writesThatWaited{0};

std::chrono::milliseconds busyTimeout()
{
    return std::chrono::milliseconds(busyTimeoutMs.load());
}

// A database found locked past the timeout is probably held by a stuck process: later reads
// of it try once without waiting, so a start-up that reads several values is held up once at
// most. Writes wait, so that a write is never lost to another instance's short lock; the
// writes of one save share one timeout between them.
std::mutex stuckMutex;
std::string stuckFile;

bool isStuck(const std::string& file)
{
    std::lock_guard lock(stuckMutex);
    return file == stuckFile;
}

void noteOutcome(const std::string& file, int rc)
{
    std::lock_guard lock(stuckMutex);
    if ((rc & 0xff) == SQLITE_BUSY || (rc & 0xff) == SQLITE_LOCKED)
        stuckFile = file;
    else if (file == stuckFile)
        stuckFile.clear();
}

using Clock = std::chrono::steady_clock;

// The save under way on this thread: how deep its scopes are nested, and how long its writes
// have waited so far.
struct SaveUnderWay {
    int depth = 0;
    Clock::duration waited{};
};
thread_local SaveUnderWay saving;

// How long one access may wait for other connections' locks, and how long it did.
struct Wait {
    Clock::duration allowed{};
    Clock::duration waited{};
    bool slept = false;
    Clock::duration before{}; // waited before the lock now wanted was found taken
    Clock::time_point since;
};

// Tries again a couple of milliseconds apart, where SQLite's own timeout backs off to 100 ms:
// another instance that writes again and again leaves the lock free only for moments, and a
// waiter that sleeps long misses every one of them.
int waitWhileBusy(void* arg, int tries)
{
    constexpr auto Poll = std::chrono::milliseconds(2);
    auto& wait = *static_cast<Wait*>(arg);
    if (tries == 0) {
        wait.before = wait.waited;
        wait.since = Clock::now();
    }
    wait.waited = wait.before + (Clock::now() - wait.since);
    const auto left = wait.allowed - wait.waited;
    if (left <= Clock::duration::zero()) return 0;
    sqlite3_sleep(
        int(std::chrono::ceil<std::chrono::milliseconds>(std::min<Clock::duration>(left, Poll)).count()));
    wait.slept = true;
    wait.waited = wait.before + (Clock::now() - wait.since);
    return 1;
}

std::int32_t fromSqlite(int rc)
{
    switch (rc & 0xff) {
    case SQLITE_OK:
    case SQLITE_DONE:
    case SQLITE_ROW:
        return ERROR_SUCCESS;
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
    case SQLITE_FORMAT:
        return ERROR_BADDB;
    default:
        return ERROR_REGISTRY_IO_FAILED;
    }
}

class Statement
{
  public:
    Statement(sqlite3* db, const char* sql) { rc_ = sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr); }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    int prepared() const { return rc_; }
    void bind(int i, std::int64_t v) { sqlite3_bind_int64(stmt_, i, v); }
    void bind(int i, const std::string& s)
    {
        sqlite3_bind_text(stmt_, i, s.data(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
    }
    // A null pointer would bind NULL; a zero-length value must stay a (zero-length) blob.
    void bindBlob(int i, const std::uint8_t* data, std::uint32_t count)
    {
        static const std::uint8_t none = 0;
        sqlite3_bind_blob64(stmt_, i, count ? data : &none, count, SQLITE_TRANSIENT);
    }
    int step() { return sqlite3_step(stmt_); }
    sqlite3_stmt* get() const { return stmt_; }

  private:
    sqlite3_stmt* stmt_ = nullptr;
    int rc_ = SQLITE_OK;
};

class Connection
{
  public:
    ~Connection() { sqlite3_close_v2(db_); }
    Connection() = default;
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Waits up to `allowed` for other connections' locks, in all.
    int open(const std::string& file, int flags, Clock::duration allowed)
    {
        wait_.allowed = allowed;
        int rc = sqlite3_open_v2(file.c_str(), &db_, flags, nullptr);
        if (rc == SQLITE_OK) sqlite3_busy_handler(db_, waitWhileBusy, &wait_);
        return rc;
    }
    int exec(const char* sql) { return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr); }
    sqlite3* get() const { return db_; }
    const Wait& wait() const { return wait_; }

  private:
    sqlite3* db_ = nullptr;
    Wait wait_;
};

constexpr int SchemaVersion = 1;

// 0 for a database nothing was ever written to; SchemaVersion for ours.
int readSchemaVersion(sqlite3* db, int& version)
{
    Statement s(db, "PRAGMA user_version");
    if (s.prepared() != SQLITE_OK) return s.prepared();
    int rc = s.step();
    if (rc != SQLITE_ROW) return rc;
    version = sqlite3_column_int(s.get(), 0);
    return SQLITE_OK;
}

using ReadBody = std::function<std::int32_t(sqlite3*)>;
using WriteBody = std::function<std::int32_t(sqlite3*)>;

std::int32_t withReadable(const std::string& file, const ReadBody& body)
{
    std::error_code ec;
    if (file.empty() || !std::filesystem::exists(file, ec)) return ERROR_FILE_NOT_FOUND;
    Connection c;
    // Read-write (never create) so that a journal left by a crashed writer can be rolled back.
    int rc = c.open(file, SQLITE_OPEN_READWRITE, isStuck(file) ? Clock::duration::zero() : busyTimeout());
    int version = 0;
    if (rc == SQLITE_OK) rc = readSchemaVersion(c.get(), version);
    noteOutcome(file, rc);
    if (rc != SQLITE_OK) return fromSqlite(rc);
    if (version == 0) return ERROR_FILE_NOT_FOUND;
    if (version != SchemaVersion) return ERROR_BADDB;
    return body(c.get());
}

// Runs body in one write transaction, creating the folder, the file and the tables as needed.
// Nothing is written unless body succeeds; a damaged or unknown file is left untouched.
std::int32_t writeWith(Connection& c, Clock::duration allowed, const std::string& file, const WriteBody& body)
{
    if (file.empty()) return ERROR_CANTWRITE;
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(file).parent_path(), ec);
    if (ec) return ERROR_CANTWRITE;
    int rc = c.open(file, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, allowed);
    if (rc == SQLITE_OK) rc = c.exec("BEGIN IMMEDIATE");
    noteOutcome(file, rc);
    if (rc != SQLITE_OK) return rc == SQLITE_CANTOPEN ? ERROR_CANTWRITE : fromSqlite(rc);

    int version = 0;
    rc = readSchemaVersion(c.get(), version);
    std::int32_t result = fromSqlite(rc);
    if (result == ERROR_SUCCESS && version == 0) {
        rc =
            c.exec("CREATE TABLE IF NOT EXISTS keys(root INTEGER NOT NULL, path TEXT NOT NULL COLLATE NOCASE,"
                   " PRIMARY KEY(root, path)) WITHOUT ROWID;"
                   "CREATE TABLE IF NOT EXISTS vals(root INTEGER NOT NULL, path TEXT NOT NULL COLLATE NOCASE,"
                   " name TEXT NOT NULL COLLATE NOCASE, type INTEGER NOT NULL, data BLOB NOT NULL,"
                   " PRIMARY KEY(root, path, name)) WITHOUT ROWID;"
                   "PRAGMA user_version = 1;");
        result = fromSqlite(rc);
    } else if (result == ERROR_SUCCESS && version != SchemaVersion) {
        result = ERROR_BADDB;
    }
    if (result == ERROR_SUCCESS) result = body(c.get());
    if (result == ERROR_SUCCESS) result = fromSqlite(c.exec("COMMIT"));
    if (result != ERROR_SUCCESS) c.exec("ROLLBACK");
    return result;
}

std::int32_t withWritable(const std::string& file, const WriteBody& body)
{
    Connection c;
    const std::int32_t result =
        writeWith(c, saving.depth > 0 ? busyTimeout() - saving.waited : busyTimeout(), file, body);
    if (c.wait().slept) ++writesThatWaited;
    if (saving.depth > 0) saving.waited += c.wait().waited;
    return result;
}

std::int32_t findKey(sqlite3* db, HKEY root, const std::string& path)
{
    if (path.empty()) return ERROR_SUCCESS;
    Statement s(db, "SELECT 1 FROM keys WHERE root = ?1 AND path = ?2");
    if (s.prepared() != SQLITE_OK) return fromSqlite(s.prepared());
    s.bind(1, root);
    s.bind(2, path);
    int rc = s.step();
    return rc == SQLITE_ROW ? ERROR_SUCCESS : rc == SQLITE_DONE ? ERROR_FILE_NOT_FOUND : fromSqlite(rc);
}

} // namespace

std::string databasePath()
{
    std::string base;
    // Relative values are to be ignored, as for any XDG base folder.
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && xdg[0] == '/')
        base = xdg;
    else if (const char* home = std::getenv("HOME"); home && home[0] != '\0')
        base = std::string(home) + "/.config";
    else
        return {};
    return base + "/sonavel/registry.db";
}

std::int32_t keyExists(const std::string& file, HKEY root, const std::string& path)
{
    return withReadable(file, [&](sqlite3* db) { return findKey(db, root, path); });
}

std::int32_t readValue(const std::string& file, HKEY root, const std::string& path, const std::string& name,
                       std::uint32_t& type, std::vector<std::uint8_t>& data)
{
    return withReadable(file, [&](sqlite3* db) -> std::int32_t {
        Statement s(db, "SELECT type, data FROM vals WHERE root = ?1 AND path = ?2 AND name = ?3");
        if (s.prepared() != SQLITE_OK) return fromSqlite(s.prepared());
        s.bind(1, root);
        s.bind(2, path);
        s.bind(3, name);
        int rc = s.step();
        if (rc == SQLITE_DONE) return ERROR_FILE_NOT_FOUND;
        if (rc != SQLITE_ROW) return fromSqlite(rc);
        type = static_cast<std::uint32_t>(sqlite3_column_int64(s.get(), 0));
        auto bytes = static_cast<const std::uint8_t*>(sqlite3_column_blob(s.get(), 1));
        data.assign(bytes, bytes + (bytes ? sqlite3_column_bytes(s.get(), 1) : 0));
        return ERROR_SUCCESS;
    });
}

std::int32_t writeValue(const std::string& file, HKEY root, const std::string& path, const std::string& name,
                        std::uint32_t type, const std::uint8_t* data, std::uint32_t count)
{
    return withWritable(file, [&](sqlite3* db) -> std::int32_t {
        std::int32_t found = findKey(db, root, path);
        if (found != ERROR_SUCCESS) return found == ERROR_FILE_NOT_FOUND ? ERROR_KEY_DELETED : found;
        Statement s(
            db, "INSERT INTO vals(root, path, name, type, data) VALUES(?1, ?2, ?3, ?4, ?5)"
                " ON CONFLICT(root, path, name) DO UPDATE SET type = excluded.type, data = excluded.data");
        if (s.prepared() != SQLITE_OK) return fromSqlite(s.prepared());
        s.bind(1, root);
        s.bind(2, path);
        s.bind(3, name);
        s.bind(4, type);
        s.bindBlob(5, data, count);
        return fromSqlite(s.step());
    });
}

std::int32_t createKey(const std::string& file, HKEY root, const std::string& path)
{
    return withWritable(file, [&](sqlite3* db) -> std::int32_t {
        Statement s(db, "INSERT OR IGNORE INTO keys(root, path) VALUES(?1, ?2)");
        if (s.prepared() != SQLITE_OK) return fromSqlite(s.prepared());
        for (std::size_t end = path.find('\\');; end = path.find('\\', end + 1)) {
            sqlite3_reset(s.get());
            s.bind(1, root);
            s.bind(2, path.substr(0, end));
            if (std::int32_t rc = fromSqlite(s.step()); rc != ERROR_SUCCESS) return rc;
            if (end == std::string::npos) return ERROR_SUCCESS;
        }
    });
}

void setBusyTimeout(int ms)
{
    busyTimeoutMs = ms;
}

int waitedWrites()
{
    return writesThatWaited;
}

void beginSave()
{
    if (saving.depth++ == 0) saving.waited = {};
}

void endSave()
{
    --saving.depth;
}

} // namespace store::db
