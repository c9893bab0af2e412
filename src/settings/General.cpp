#include "settings/General.h"

#include "platform/forms/Dialogs.h"
#include "platform/store/Registry.h"

#include <array>

namespace General
{

std::uint32_t RegKey = 0;
std::uint32_t RegRoot = 0;
std::int32_t RegResult = 0;
std::int32_t RegDword = 0;
std::string RegBuffer;
std::uint32_t RegBufferLen = 0;

namespace
{

constexpr std::uint32_t BufferSize = 255;

bool isContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

// 1-based position in characters (UTF-8) of the byte at index, as a text search reports it.
std::int32_t charPosition(const std::string& text, std::size_t index)
{
    std::int32_t pos = 1;
    for (std::size_t i = 0; i < index; ++i)
        if (!isContinuation(static_cast<unsigned char>(text[i]))) ++pos;
    return pos;
}

// Bytes of the last character: a whole UTF-8 sequence, or one byte where the text is not
// well-formed.
std::size_t lastCharLength(const std::string& text)
{
    std::size_t start = text.size() - 1;
    while (start > 0 && text.size() - start < 4 && isContinuation(static_cast<unsigned char>(text[start])))
        --start;
    auto lead = static_cast<unsigned char>(text[start]);
    std::size_t expected = lead < 0x80             ? 1
                           : (lead & 0xE0) == 0xC0 ? 2
                           : (lead & 0xF0) == 0xE0 ? 3
                           : (lead & 0xF8) == 0xF0 ? 4
                                                   : 0;
    return expected == text.size() - start ? expected : 1;
}

std::array<std::uint8_t, 4> littleEndian(std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    return {static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
            static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)};
}

std::string trimBlanks(const std::string& text)
{
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The steps of SplitKeyPath; false when the key text is of the wrong form.
bool split(std::string& keyText, std::uint32_t& root)
{
    const std::size_t slash = keyText.find('\\');
    RegResult = slash == std::string::npos ? 0 : charPosition(keyText, slash);
    if (keyText.rfind("HKEY_", 0) != 0 || keyText.back() == '\\') {
        forms::MsgBox("Incorrect Format:\n\n" + keyText, forms::vbOKOnly, "Sonavel");
        return false;
    }
    if (slash == std::string::npos) {
        root = RootKeyFromName(keyText);
        keyText.clear();
    } else {
        root = RootKeyFromName(keyText.substr(0, slash));
        keyText = keyText.substr(slash + 1);
    }
    return true;
}

// The start of every value routine. A key text of the wrong form stops the routine even
// when RegRoot still holds the root of an earlier call.
bool splitForValue(std::string& keyText)
{
    return split(keyText, RegRoot) && RegRoot != 0;
}

// Opens the key that splitForValue left in RegRoot and keyText; false on failure.
bool openKey(const std::string& subKey, std::uint32_t access)
{
    RegResult = store::RegOpenKeyEx(RegRoot, subKey.c_str(), 0, access, &RegKey);
    return RegResult == store::ERROR_SUCCESS;
}

// Closes the key of a read; false when its query failed, whose code then stays in RegResult.
bool closeAfterQuery()
{
    if (RegResult != store::ERROR_SUCCESS) {
        store::RegCloseKey(RegKey);
        return false;
    }
    RegResult = store::RegCloseKey(RegKey);
    return true;
}

} // namespace

std::string AsText(const RegValue& v)
{
    if (const auto* text = std::get_if<std::string>(&v)) return *text;
    if (const auto* number = std::get_if<std::int32_t>(&v)) return std::to_string(*number);
    return {};
}

std::uint32_t RootKeyFromName(const std::string& name)
{
    static const std::array<std::pair<const char*, std::uint32_t>, 7> roots{{
        {"HKEY_CLASSES_ROOT", store::HKEY_CLASSES_ROOT},
        {"HKEY_CURRENT_USER", store::HKEY_CURRENT_USER},
        {"HKEY_LOCAL_MACHINE", store::HKEY_LOCAL_MACHINE},
        {"HKEY_USERS", store::HKEY_USERS},
        {"HKEY_PERFORMANCE_DATA", store::HKEY_PERFORMANCE_DATA},
        {"HKEY_CURRENT_CONFIG", store::HKEY_CURRENT_CONFIG},
        {"HKEY_DYN_DATA", store::HKEY_DYN_DATA},
    }};
    for (const auto& [rootName, handle] : roots)
        if (name == rootName) return handle;
    return 0;
}

void SplitKeyPath(std::string& keyText, std::uint32_t& root)
{
    split(keyText, root);
}

RegValue RegReadString(std::string& keyText, const std::string& valueName)
{
    if (!splitForValue(keyText)) return {};
    if (!openKey(keyText, store::KEY_READ)) return std::string(ReadError);
    RegBuffer.assign(BufferSize, ' ');
    RegBufferLen = BufferSize;
    std::uint32_t type = 0;
    RegResult = store::RegQueryValueEx(RegKey, valueName.c_str(), &type,
                                       reinterpret_cast<std::uint8_t*>(RegBuffer.data()), &RegBufferLen);
    if (!closeAfterQuery()) return std::string(ReadError);
    RegBuffer = trimBlanks(RegBuffer);
    // Drops the terminating NUL that stands behind the text; data stored without one lose
    // their last character instead, and data of blanks only give the empty text.
    if (RegBuffer.empty()) return std::string();
    return RegBuffer.substr(0, RegBuffer.size() - lastCharLength(RegBuffer));
}

void RegWriteString(std::string& keyText, const std::string& valueName, const std::string& value)
{
    if (!splitForValue(keyText) || !openKey(keyText, store::KEY_WRITE)) return;
    const std::string data = value + '\0';
    RegResult = store::RegSetValueEx(RegKey, valueName.c_str(), store::REG_SZ,
                                     reinterpret_cast<const std::uint8_t*>(data.data()),
                                     static_cast<std::uint32_t>(data.size()));
    store::RegCloseKey(RegKey);
}

RegValue RegReadDword(std::string& keyText, const std::string& valueName)
{
    if (!splitForValue(keyText)) return {};
    if (!openKey(keyText, store::KEY_READ)) return std::string(ReadError);
    // Shorter data fill only the first bytes; the rest keep what the last read left.
    auto bytes = littleEndian(RegDword);
    std::uint32_t type = 0;
    std::uint32_t count = 4;
    RegResult = store::RegQueryValueEx(RegKey, valueName.c_str(), &type, bytes.data(), &count);
    if (!closeAfterQuery()) return std::string(ReadError);
    std::uint32_t bits = 0;
    for (int i = 0; i < 4; ++i)
        bits |= std::uint32_t(bytes[i]) << (8 * i);
    RegDword = static_cast<std::int32_t>(bits);
    return RegDword;
}

void RegWriteDword(std::string& keyText, const std::string& valueName, std::int32_t value)
{
    if (!splitForValue(keyText) || !openKey(keyText, store::KEY_WRITE)) return;
    const auto bytes = littleEndian(value);
    RegResult = store::RegSetValueEx(RegKey, valueName.c_str(), store::REG_DWORD, bytes.data(), 4);
    store::RegCloseKey(RegKey);
}

} // namespace General
