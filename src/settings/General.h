#pragma once

// The program's only access to persistent settings: one named value at a time under a key
// given as one text, "HKEY_LOCAL_MACHINE" or "HKEY_...\sub\key". No routine raises an error;
// a failed read answers the text "Error", a failed write does nothing.

#include <cstdint>
#include <string>
#include <variant>

namespace General
{

// What a failed read answers.
inline constexpr const char* ReadError = "Error";

// A read's answer: empty (the key text named no root), a text, or a number.
using RegValue = std::variant<std::monostate, std::string, std::int32_t>;

inline bool IsEmpty(const RegValue& v)
{
    return std::holds_alternative<std::monostate>(v);
}
inline bool IsText(const RegValue& v)
{
    return std::holds_alternative<std::string>(v);
}
inline bool IsNumber(const RegValue& v)
{
    return std::holds_alternative<std::int32_t>(v);
}
// The answer as a caller that keeps it in a text sees it: empty gives "", a number its digits.
std::string AsText(const RegValue& v);

// Module state, kept for the life of the process. Only the UI thread calls these routines.
extern std::uint32_t RegKey;
extern std::uint32_t RegRoot;
extern std::int32_t RegResult;
extern std::int32_t RegDword;
extern std::string RegBuffer;
extern std::uint32_t RegBufferLen;

std::uint32_t RootKeyFromName(const std::string& name);

// On success rewrites keyText to the sub-key path and sets root. A text not starting with
// "HKEY_" or ending in "\" shows the format message and writes neither.
void SplitKeyPath(std::string& keyText, std::uint32_t& root);

// keyText is rewritten to its sub-key path, as SplitKeyPath leaves it.
RegValue RegReadString(std::string& keyText, const std::string& valueName);
void RegWriteString(std::string& keyText, const std::string& valueName, const std::string& value);
RegValue RegReadDword(std::string& keyText, const std::string& valueName);
void RegWriteDword(std::string& keyText, const std::string& valueName, std::int32_t value);

} // namespace General
