#pragma once

// Drives are mounted file systems; each remembers the folder last shown on it this run.

#include <map>
#include <string>
#include <vector>

namespace forms::detail
{

std::vector<std::string> drives();            // "/" first, then the mount points of real file systems
std::string driveOf(const std::string& path); // the drive that holds a path
std::string cleanPath(const std::string& path, const std::string& base = "/");
bool listable(const std::string& path);
std::map<std::string, std::string>& driveFolders();
std::string workingFolder();

} // namespace forms::detail
