#pragma once

// The four values that the main window keeps in the settings store, all under the root key.

#include "settings/General.h"

#include <string>

namespace settings
{

// What a read answers for a value that is missing or cannot be read.
inline constexpr const char* Unread = General::ReadError;

// The stored text of the value, or Unread.
std::string Read(const std::string& valueName);
// Failures are not noticed.
void Write(const std::string& valueName, const std::string& text);

} // namespace settings
