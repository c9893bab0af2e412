#pragma once

// SQLite side of the settings store. Each call opens the database, does its work in at most
// one transaction and closes it again, so no lock outlives a call and a changed
// XDG_CONFIG_HOME takes effect at once. Results are the store's error codes.

#include "platform/store/Registry.h"

#include <cstdint>
#include <string>
#include <vector>

namespace store::db
{

// The database file as the environment names it now; empty when there is no home folder.
std::string databasePath();

std::int32_t keyExists(const std::string& file, HKEY root, const std::string& path);
std::int32_t readValue(const std::string& file, HKEY root, const std::string& path, const std::string& name,
                       std::uint32_t& type, std::vector<std::uint8_t>& data);
// Fails with ERROR_KEY_DELETED when the key is no longer there; a root always is.
std::int32_t writeValue(const std::string& file, HKEY root, const std::string& path, const std::string& name,
                        std::uint32_t type, const std::uint8_t* data, std::uint32_t count);
// Creates every level of path ("a\b\c" creates "a", "a\b" and "a\b\c").
std::int32_t createKey(const std::string& file, HKEY root, const std::string& path);

void setBusyTimeout(int ms);
// Writes, since the start, that waited for another connection's lock.
int waitedWrites();

// The writes between these calls on one thread are one save (calls may nest).
void beginSave();
void endSave();

} // namespace store::db
