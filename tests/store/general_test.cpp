#include "StoreFixture.h"

#include "platform/forms/Dialogs.h"
#include "platform/forms/Testing.h"
#include "platform/store/Registry.h"
#include "settings/General.h"

#include <array>

using namespace General;

namespace
{

class GeneralTest : public StoreTest
{
  protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        RegKey = RegRoot = RegBufferLen = 0;
        RegResult = RegDword = 0;
        RegBuffer.clear();
    }
    std::vector<forms::testing::Script::MsgBoxShown>& boxes() { return ui_.script().msgBoxes; }

    // A fresh key text each time, as the settings code passes it.
    static RegValue readString(const std::string& key, const std::string& name)
    {
        std::string k = key;
        return RegReadString(k, name);
    }
    static void writeString(const std::string& key, const std::string& name, const std::string& value)
    {
        std::string k = key;
        RegWriteString(k, name, value);
    }
    // Raw data stored by some other program.
    static void storeRaw(const std::string& name, std::uint32_t type, const std::string& data)
    {
        ASSERT_EQ(store::RegSetValueEx(store::HKEY_LOCAL_MACHINE, name.c_str(), type,
                                       reinterpret_cast<const std::uint8_t*>(data.data()),
                                       static_cast<std::uint32_t>(data.size())),
                  store::ERROR_SUCCESS);
    }
    static std::string storedRaw(store::HKEY root, const std::string& path, const std::string& name)
    {
        store::HKEY key = 0;
        if (store::RegOpenKeyEx(root, path.c_str(), 0, store::KEY_READ, &key) != store::ERROR_SUCCESS)
            return "<no key>";
        std::string data(1024, '\0');
        std::uint32_t count = 1024;
        std::int32_t rc = store::RegQueryValueEx(key, name.c_str(), nullptr,
                                                 reinterpret_cast<std::uint8_t*>(data.data()), &count);
        store::RegCloseKey(key);
        return rc == store::ERROR_SUCCESS ? data.substr(0, count) : "<none>";
    }

    forms::testing::ScriptedUi ui_;
};

const RegValue Error = std::string("Error");

} // namespace

TEST_F(GeneralTest, RootKeyFromNameKnowsExactlyTheSevenRoots)
{
    const std::pair<const char*, std::uint32_t> cases[] = {
        {"HKEY_CLASSES_ROOT", 0x80000000},
        {"HKEY_CURRENT_USER", 0x80000001},
        {"HKEY_LOCAL_MACHINE", 0x80000002},
        {"HKEY_USERS", 0x80000003},
        {"HKEY_PERFORMANCE_DATA", 0x80000004},
        {"HKEY_CURRENT_CONFIG", 0x80000005},
        {"HKEY_DYN_DATA", 0x80000006},
        {"hkey_local_machine", 0},
        {"HKEY_LOCAL_MACHINE ", 0},
        {"HKEY_", 0},
        {"", 0},
    };
    for (const auto& [name, root] : cases)
        EXPECT_EQ(RootKeyFromName(name), root) << name;
}

TEST_F(GeneralTest, SplitKeyPathSplitsAtTheFirstBackslashOrShowsTheFormatMessage)
{
    struct Case {
        std::string text;
        std::uint32_t root;    // 7 stands for "left as it was"
        std::string rewritten; // the key text afterwards
        std::int32_t position; // RegResult
        bool message;
    };
    const Case cases[] = {
        {"HKEY_LOCAL_MACHINE", 0x80000002, "", 0, false},
        {"HKEY_CURRENT_USER\\Software\\Sonavel", 0x80000001, "Software\\Sonavel", 18, false},
        {"HKEY_NOWHERE\\Software", 0, "Software", 13, false},
        {"HKEY_Ü\\x", 0, "x", 7, false}, // a position in characters, not bytes
        {"HKEY_LOCAL_MACHINE\\", 7, "HKEY_LOCAL_MACHINE\\", 19, true},
        {"hkey_local_machine", 7, "hkey_local_machine", 0, true},
        {"HKEY", 7, "HKEY", 0, true},
        {"", 7, "", 0, true},
        {"\\HKEY_LOCAL_MACHINE", 7, "\\HKEY_LOCAL_MACHINE", 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        boxes().clear();
        std::string text = c.text;
        std::uint32_t root = 7;
        SplitKeyPath(text, root);
        EXPECT_EQ(root, c.root);
        EXPECT_EQ(text, c.rewritten);
        EXPECT_EQ(RegResult, c.position);
        ASSERT_EQ(boxes().size(), c.message ? 1u : 0u);
        if (c.message) {
            EXPECT_EQ(boxes()[0].prompt, "Incorrect Format:\n\n" + c.text);
            EXPECT_EQ(boxes()[0].style, forms::vbOKOnly);
            EXPECT_EQ(boxes()[0].title, "Sonavel");
        }
    }
}

TEST_F(GeneralTest, KeyTextIsRewrittenToTheSubKeyPath)
{
    ASSERT_EQ(store::RegCreateKey(store::HKEY_CURRENT_USER, "Software\\Sonavel", nullptr),
              store::ERROR_SUCCESS);
    std::string key = "HKEY_CURRENT_USER\\Software\\Sonavel";
    RegWriteString(key, "Dir1", "/music");
    EXPECT_EQ(key, "Software\\Sonavel");
    EXPECT_EQ(RegRoot, store::HKEY_CURRENT_USER);
    key = "HKEY_CURRENT_USER\\Software\\Sonavel";
    EXPECT_EQ(RegReadString(key, "Dir1"), RegValue(std::string("/music")));
    EXPECT_EQ(key, "Software\\Sonavel");
    key = "HKEY_LOCAL_MACHINE";
    RegReadString(key, "Dir1");
    EXPECT_EQ(key, "");
    EXPECT_EQ(storedRaw(store::HKEY_CURRENT_USER, "Software\\Sonavel", "Dir1"), std::string("/music\0", 7));
}

// The wrong form stops the routine even though RegRoot still holds the root of an earlier
// call, under which the unsplit text names a key that exists.
TEST_F(GeneralTest, WrongFormStopsWhateverTheEarlierRoot)
{
    ASSERT_EQ(store::RegCreateKey(store::HKEY_LOCAL_MACHINE, "hkey_local_machine", nullptr),
              store::ERROR_SUCCESS);
    writeString("HKEY_LOCAL_MACHINE\\hkey_local_machine", "v", "kept");
    ASSERT_EQ(RegRoot, store::HKEY_LOCAL_MACHINE);

    EXPECT_TRUE(IsEmpty(readString("hkey_local_machine", "v")));
    writeString("hkey_local_machine", "v", "changed");
    std::string key = "hkey_local_machine";
    RegWriteDword(key, "d", 1);
    EXPECT_TRUE(IsEmpty(RegReadDword(key, "v")));
    EXPECT_EQ(key, "hkey_local_machine");
    EXPECT_EQ(boxes().size(), 4u);
    EXPECT_EQ(RegRoot, store::HKEY_LOCAL_MACHINE);
    EXPECT_EQ(storedRaw(store::HKEY_LOCAL_MACHINE, "hkey_local_machine", "v"), std::string("kept\0", 5));
    EXPECT_EQ(storedRaw(store::HKEY_LOCAL_MACHINE, "hkey_local_machine", "d"), "<none>");
}

TEST_F(GeneralTest, UnknownRootAnswersEmptyAndWritesNothingWithoutMessage)
{
    writeString("HKEY_LOCAL_MACHINE", "v", "x");
    EXPECT_TRUE(IsEmpty(readString("HKEY_NOWHERE", "v")));
    EXPECT_EQ(RegRoot, 0u);
    writeString("HKEY_NOWHERE", "w", "y");
    std::string key = "HKEY_NOWHERE\\Sub";
    RegWriteDword(key, "d", 5);
    key = "HKEY_NOWHERE";
    EXPECT_TRUE(IsEmpty(RegReadDword(key, "d")));
    EXPECT_TRUE(boxes().empty());
    EXPECT_EQ(AsText(readString("HKEY_NOWHERE", "v")), "");
    EXPECT_EQ(storedRaw(store::HKEY_LOCAL_MACHINE, "", "w"), "<none>");
}

TEST_F(GeneralTest, StringsRoundTripAsTheBufferAllows)
{
    const std::string e2 = "\xC3\xA9"; // é, two bytes
    std::string e127, e128;
    for (int i = 0; i < 127; ++i)
        e127 += e2;
    e128 = e127 + e2;
    const std::pair<std::string, RegValue> cases[] = {
        {"/home/user/music", std::string("/home/user/music")},
        {"", std::string()},
        {" lead and trail ", std::string("lead and trail ")},
        {"   ", std::string()},
        {"trail\t", std::string("trail\t")},
        {std::string(254, 'x'), std::string(254, 'x')},
        {std::string(255, 'x'), Error},
        {std::string(1000, 'x'), Error},
        {"Gr\xC3\xBC\xC3\x9F"
         "e",
         std::string("Gr\xC3\xBC\xC3\x9F"
                     "e")},
        {e127, e127},  // 254 bytes
        {e128, Error}, // 256 bytes
        {"Error", Error},
    };
    for (const auto& [value, expected] : cases) {
        SCOPED_TRACE(value.substr(0, 20) + " (" + std::to_string(value.size()) + ")");
        writeString("HKEY_LOCAL_MACHINE", "String Value2", value);
        EXPECT_EQ(storedRaw(store::HKEY_LOCAL_MACHINE, "", "String Value2"), value + '\0');
        EXPECT_EQ(readString("HKEY_LOCAL_MACHINE", "String Value2"), expected);
    }
    EXPECT_TRUE(boxes().empty());
}

TEST_F(GeneralTest, DataStoredByAnotherProgramAreReadAsText)
{
    const std::tuple<std::string, std::uint32_t, RegValue> cases[] = {
        {"abc", store::REG_SZ, std::string("ab")},          // no NUL: loses its last character
        {"ab \xC3\xA9", store::REG_SZ, std::string("ab ")}, // ... a whole character
        {"", store::REG_SZ, std::string()},
        {"    ", store::REG_SZ, std::string()},
        {" x", store::REG_SZ, std::string()},
        {std::string("a\0b\0", 4), store::REG_SZ, std::string("a\0b", 3)},
        {std::string("\x05\0\0\0", 4), store::REG_DWORD, std::string("\x05\0\0", 3)},
        {std::string(255, 'y'), store::REG_SZ, std::string(254, 'y')},
        {std::string(256, 'y'), store::REG_SZ, Error},
    };
    for (const auto& [data, type, expected] : cases) {
        SCOPED_TRACE(data.substr(0, 10) + " (" + std::to_string(data.size()) + ")");
        storeRaw("File1", type, data);
        EXPECT_EQ(readString("HKEY_LOCAL_MACHINE", "File1"), expected);
    }
}

TEST_F(GeneralTest, MissingValueOrSubKeyReadsErrorAndWritesNothing)
{
    EXPECT_EQ(readString("HKEY_LOCAL_MACHINE", "Drive1"), Error);
    EXPECT_EQ(RegResult, store::ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(readString("HKEY_LOCAL_MACHINE\\Software", "Drive1"), Error);
    writeString("HKEY_LOCAL_MACHINE\\Software", "Drive1", "/");
    std::string key = "HKEY_LOCAL_MACHINE\\Software";
    RegWriteDword(key, "n", 5);
    EXPECT_EQ(RegReadDword(key = "HKEY_LOCAL_MACHINE\\Software", "n"), Error);
    EXPECT_EQ(storedRaw(store::HKEY_LOCAL_MACHINE, "Software", "Drive1"), "<no key>");
    EXPECT_EQ(storedRaw(store::HKEY_LOCAL_MACHINE, "", "Drive1"), "<none>");
    EXPECT_TRUE(boxes().empty());
}

TEST_F(GeneralTest, DwordsRoundTripAsFourLittleEndianBytes)
{
    const std::pair<std::int32_t, std::string> cases[] = {
        {5, std::string("\x05\0\0\0", 4)},
        {0x12345678, "\x78\x56\x34\x12"},
        {-1, "\xFF\xFF\xFF\xFF"},
        {INT32_MIN, std::string("\0\0\0\x80", 4)},
    };
    for (const auto& [value, bytes] : cases) {
        std::string key = "HKEY_CURRENT_USER";
        RegWriteDword(key, "Volume", value);
        EXPECT_EQ(storedRaw(store::HKEY_CURRENT_USER, "", "Volume"), bytes);
        key = "HKEY_CURRENT_USER";
        const RegValue read = RegReadDword(key, "Volume");
        ASSERT_TRUE(IsNumber(read));
        EXPECT_EQ(std::get<std::int32_t>(read), value);
        EXPECT_EQ(AsText(read), std::to_string(value));
    }
    std::string key = "HKEY_CURRENT_USER";
    EXPECT_EQ(RegReadDword(key, "Missing"), Error);
    storeRaw("Long", store::REG_SZ, "12345");
    EXPECT_EQ(RegReadDword(key = "HKEY_LOCAL_MACHINE", "Long"), Error);
    EXPECT_EQ(RegResult, store::ERROR_MORE_DATA);
}

TEST_F(GeneralTest, DamagedDatabaseOrUnwritableFolderReadsErrorAndWritesNothing)
{
    for (bool damaged : {true, false}) {
        SCOPED_TRACE(damaged ? "damaged" : "unwritable");
        if (damaged)
            damageDatabase();
        else
            blockFolder();
        const std::string before = readFile(damaged ? dbPath() : tempPath() + "/sonavel");
        writeString("HKEY_LOCAL_MACHINE", "Drive1", "/");
        std::string key = "HKEY_LOCAL_MACHINE";
        RegWriteDword(key, "n", 5);
        EXPECT_EQ(readString("HKEY_LOCAL_MACHINE", "Drive1"), Error);
        EXPECT_EQ(RegReadDword(key = "HKEY_LOCAL_MACHINE", "n"), Error);
        EXPECT_EQ(readString("HKEY_LOCAL_MACHINE\\Software", "Drive1"), Error);
        EXPECT_EQ(readFile(damaged ? dbPath() : tempPath() + "/sonavel"), before);
        std::filesystem::remove_all(tempPath() + "/sonavel");
    }
    EXPECT_TRUE(boxes().empty());
}

// Two running instances save their settings at the same moment, four values a save; both sets
// of values stay, so each waits out the other's short locks within its saves.
TEST_F(GeneralTest, TwoProcessesSavingAtOnceBothKeepTheirValues)
{
    constexpr int Saves = 5;
    const auto name = [](int p, int save, int value) {
        return "P" + std::to_string(p) + "-" + std::to_string(save) + "-" + std::to_string(value);
    };
    EXPECT_TRUE(runAtOnce(2, [&](int p) {
        for (int save = 0; save < Saves; ++save) {
            const store::Save saving;
            for (int value = 0; value < 4; ++value)
                writeString("HKEY_LOCAL_MACHINE", name(p, save, value), "value " + name(p, save, value));
        }
        return true;
    }));
    for (int p = 0; p < 2; ++p)
        for (int save = 0; save < Saves; ++save)
            for (int value = 0; value < 4; ++value)
                EXPECT_EQ(readString("HKEY_LOCAL_MACHINE", name(p, save, value)),
                          RegValue("value " + name(p, save, value)));
}
