#pragma once

#include <string>

namespace platform
{

// The folder of the program's shared data (the digit bitmaps under time/): the environment
// variable "windir" when it is set and not empty; else the installed data folder beside the
// program or under the install prefix, whichever holds time/; else the build tree's. When the
// folder chosen holds no time/, says so once on standard error: the digits stay blank.
std::string sharedDataFolder();

} // namespace platform
