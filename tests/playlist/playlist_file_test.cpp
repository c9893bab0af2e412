#include "playlist/PlaylistFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using playlist::parsePlaylist;
using Entries = std::vector<std::string>;

namespace
{

struct ParseCase {
    const char* name;
    const char* path;
    std::string contents;
    Entries expected;
};

const ParseCase parseCases[] = {
    {"m3u with header, comments and blanks",
     "/music/list.m3u",
     "#EXTM3U\r\n\r\n  song.mp3\r\nbest_of/my_song.mp3\r\n/other/a_b.mp3\r\n#EXTINF:12,A - B\r\n"
     "   # indented comment\r\n \t \r\n",
     {"/music//song.mp3", "/music//best_of/my_song.mp3", "/other/a_b.mp3"}},
    {"lines end at CR, LF or CR LF", "/m/x.m3u", "a\rb\nc\r\nd", {"/m//a", "/m//b", "/m//c", "/m//d"}},
    {"LF CR is two line ends", "/m/x.m3u", "a\n\rb\n", {"/m//a", "/m//b"}},
    {"empty file", "/m/x.m3u", "", {}},
    {"blank lines only", "/m/x.m3u", "\r\n\r\n   \r\n", {}},
    {"byte-order mark before the header", "/m/x.m3u", "\xEF\xBB\xBF#EXTM3U\na.mp3\n", {"/m//a.mp3"}},
    {"only the last three characters choose the reader", "/m/LIST.m3U", "a\n", {"/m//a"}},
    {"m3u8 is not read", "/m/list.m3u8", "a\n", {}},
    {"txt is not read", "/m/list.txt", "a\n", {}},
    {"a name shorter than an extension", "/m/u", "a\n", {}},
    {"no folder: relative entries stay relative", "list.m3u", "a.mp3\n/b.mp3\n", {"a.mp3", "/b.mp3"}},
    {"playlist at the root", "/list.m3u", "a.mp3\n", {"//a.mp3"}},
    {"entry keeps its underscores and trailing blanks",
     "/m_x/l.m3u",
     "my_song.mp3 \n",
     {"/m_x//my_song.mp3 "}},
    {"pls",
     "/music/list.PLS",
     "[playlist]\r\nFile1=/a.mp3\r\nTitle1=A\r\n  "
     "File2=b.mp3\r\nfile3=c.mp3\r\nFile4\r\nNumberOfEntries=4\r\n",
     {"/a.mp3", "/music//b.mp3"}},
    {"pls value empty, with a blank, with a second =",
     "/music/l.pls",
     "File1=\nFile2= /a.mp3\nFile3=x=y\n",
     {"/music//", "/music// /a.mp3", "/music//x=y"}},
    {"pls keys in any order", "/p/l.pls", "File9=/z\nFile1=/a\nFileX=/x\n", {"/z", "/a", "/x"}},
    {"pls comment lines are no entries", "/p/l.pls", "#File1=/a\n", {}},
    {"no path is longer than 4096 bytes, joined to the folder or not",
     "/m/l.m3u",
     "/" + std::string(4095, 'a') + "\n/" + std::string(4096, 'b') + "\n" + std::string(4092, 'c') + "\n" +
         std::string(4093, 'd') + "\n   /e\n",
     {"/" + std::string(4095, 'a'), "/m//" + std::string(4092, 'c'), "/e"}},
    {"pls: the key is no part of the path",
     "/p/l.pls",
     "File1=/" + std::string(4095, 'a') + "\nFile2=/" + std::string(4096, 'b') + "\n",
     {"/" + std::string(4095, 'a')}},
    // Lines that name no file and are no UTF-8 come from the original platform's code page.
    {"windows-1252 lines, relative and absolute",
     "/m/x.m3u",
     "caf\xe9 \xfc"
     "ber.mp3\n/old/\x80\x8a\x9f\xa0.mp3\n",
     {"/m//caf\u00e9 \u00fcber.mp3", "/old/\u20ac\u0160\u0178\u00a0.mp3"}},
    {"windows-1252 in a pls value", "/p/l.pls", "File1=\xc0_\xff.mp3\n", {"/p//\u00c0_\u00ff.mp3"}},
    {"utf-8 stays; overlong and surrogate forms are no utf-8",
     "/m/x.m3u",
     "caf\u00e9 \U0001F3B5.mp3\n\xc0\xaf\n\xed\xa0\x80\n\xf5\x80\x80\x80\n",
     {"/m//caf\u00e9 \U0001F3B5.mp3", "/m//\u00c0\u00af", "/m//\u00ed\u00a0\u20ac",
      "/m//\u00f5\u20ac\u20ac\u20ac"}},
    {"a line with bytes windows-1252 leaves undefined keeps its own",
     "/m/x.m3u",
     "\x81\x8d\x8f\x90\x9d\xe9\n",
     {"/m//\x81\x8d\x8f\x90\x9d\xe9"}},
};

void PrintTo(const ParseCase& c, std::ostream* os)
{
    *os << c.name;
}

class ParseTest : public ::testing::TestWithParam<ParseCase>
{
};

TEST_P(ParseTest, GivesEntries)
{
    EXPECT_EQ(parsePlaylist(GetParam().path, GetParam().contents), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Files, ParseTest, ::testing::ValuesIn(parseCases), [](const auto& info) {
    std::string n = info.param.name;
    for (char& c : n)
        if (!isalnum(static_cast<unsigned char>(c))) c = '_';
    return n;
});

TEST(Parse, StopsAtTheEntryLimit)
{
    std::string m3u = "#EXTM3U\n";
    for (int i = 0; i < 40000; ++i)
        m3u += "#EXTINF:1,x\n/s" + std::to_string(i) + ".mp3\n";
    const auto entries = parsePlaylist("/l.m3u", m3u);
    ASSERT_EQ(entries.size(), playlist::MaxEntries);
    EXPECT_EQ(entries.front(), "/s0.mp3");
    EXPECT_EQ(entries.back(), "/s32765.mp3");
}

TEST(FileTitle, ReplacesUnderscoresAndReturnsTheName)
{
    struct {
        std::string in, changed, title;
    } cases[] = {{"my_song.mp3", "my song.mp3", "my song.mp3"},
                 {"/a_b/c_d.mp3", "/a b/c d.mp3", "c d.mp3"},
                 {"/dir/", "/dir/", ""},
                 {"", "", ""}};
    for (auto& c : cases) {
        std::string a = c.in;
        EXPECT_EQ(playlist::FileTitle(a), c.title) << c.in;
        EXPECT_EQ(a, c.changed) << c.in;
    }
}

class PlaylistFiles : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("road-pl-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override
    {
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(dir);
    }
    static void put(const fs::path& p, const std::string& bytes)
    {
        std::ofstream(p, std::ios::binary) << bytes;
    }
    static std::string get(const fs::path& p)
    {
        std::ostringstream s;
        s << std::ifstream(p, std::ios::binary).rdbuf();
        return s.str();
    }
    std::vector<std::string> names() const
    {
        std::vector<std::string> out;
        for (auto& e : fs::directory_iterator(dir))
            out.push_back(e.path().filename());
        std::sort(out.begin(), out.end());
        return out;
    }
    fs::path dir;
};

TEST_F(PlaylistFiles, ReadFailsOnlyWhenTheFileCannotBeOpened)
{
    EXPECT_FALSE(playlist::readPlaylist(dir / "missing.m3u"));
    EXPECT_FALSE(playlist::readPlaylist(dir)); // a folder
    ASSERT_EQ(::mkfifo((dir / "pipe.m3u").c_str(), 0600), 0);
    EXPECT_FALSE(playlist::readPlaylist(dir / "pipe.m3u")); // and does not wait on it
    put(dir / "other.txt", "/a.mp3\n");
    auto none = playlist::readPlaylist(dir / "other.txt");
    ASSERT_TRUE(none);
    EXPECT_TRUE(none->empty());
}

TEST_F(PlaylistFiles, ReadJoinsLinesSplitAcrossChunksAndSkipsHugeOnes)
{
    // Lines up to the end of the first 64 KiB chunk; then CR as its last byte and LF as the
    // first of the next (one line end), or a line that runs on into the next chunk.
    for (std::size_t lastLine : {65535u, 66000u}) {
        SCOPED_TRACE(lastLine);
        Entries expected;
        std::string m3u;
        while (m3u.size() + 200 < 65536) {
            expected.push_back("/" + std::to_string(m3u.size()) + std::string(95, 'a'));
            m3u += expected.back() + "\n";
        }
        expected.push_back("/" + std::string(lastLine - m3u.size() - 1, 'b'));
        m3u += expected.back() + "\r\n/b\r\n";
        expected.push_back("/b");
        put(dir / "l.m3u", m3u);
        EXPECT_EQ(playlist::readPlaylist(dir / "l.m3u"), expected);
    }
    // A line far longer than any path is skipped whole; the lines around it are kept.
    put(dir / "l.m3u", "/a\r\n/" + std::string(10 << 20, 'x') + "\r\n/b\r\n");
    EXPECT_EQ(playlist::readPlaylist(dir / "l.m3u"), (Entries{"/a", "/b"}));
}

TEST_F(PlaylistFiles, WriteRoundTrip)
{
    const fs::path f = dir / "out.m3u";
    ASSERT_TRUE(playlist::writePlaylist(f, {}));
    EXPECT_EQ(fs::file_size(f), 0u);

    const Entries list{"/a b/c.mp3", "/d_e.mp3", "/ü.mp3"};
    ASSERT_TRUE(playlist::writePlaylist(f, list));
    EXPECT_EQ(get(f), "/a b/c.mp3\r\n/d_e.mp3\r\n/ü.mp3\r\n");
    EXPECT_EQ(playlist::readPlaylist(f), list);
    EXPECT_EQ(names(), (std::vector<std::string>{"out.m3u"})); // no temporary file left
}

TEST_F(PlaylistFiles, LinesNameTheirFilesByTheirBytesFirst)
{
    put(dir / "caf\xe9.mp3", "");             // a name in Latin-1 on disk
    put(dir / "caf\u00e9 \u00fcber.mp3", ""); // the same name as an old playlist spells it
    put(dir / "l.m3u", "caf\xe9.mp3\r\ncaf\xe9 \xfc"
                       "ber.mp3\r\n");
    const std::string d = dir.string();
    const Entries expected{d + "//caf\xe9.mp3", d + "//caf\u00e9 \u00fcber.mp3"};
    EXPECT_EQ(playlist::readPlaylist(dir / "l.m3u"), expected);
    // Written back, each path keeps its own bytes and reads back the same.
    ASSERT_TRUE(playlist::writePlaylist(dir / "l.m3u", expected));
    EXPECT_EQ(get(dir / "l.m3u"), expected[0] + "\r\n" + expected[1] + "\r\n");
    EXPECT_EQ(playlist::readPlaylist(dir / "l.m3u"), expected);
}

TEST_F(PlaylistFiles, FailedWriteLeavesTheOldFile)
{
    const fs::path ro = dir / "ro.m3u";
    put(ro, "keep\r\n");
    fs::permissions(ro, fs::perms::owner_read);
    EXPECT_FALSE(playlist::writePlaylist(ro, {"/x"}));
    EXPECT_EQ(get(ro), "keep\r\n");

    fs::create_directory(dir / "folder.m3u");
    EXPECT_FALSE(playlist::writePlaylist(dir / "folder.m3u", {"/x"}));
    EXPECT_FALSE(playlist::writePlaylist(dir / "no" / "such.m3u", {"/x"}));
    EXPECT_EQ(names(), (std::vector<std::string>{"folder.m3u", "ro.m3u"}));
}

// Folder permissions bind the super-user (CI runs as root) only under another file-system
// user id, which belongs to the calling thread alone: the rest of the process stays root.
class AsAnotherUser
{
  public:
    AsAnotherUser()
    {
        if (!root) return;
        ::setfsuid(Nobody);
        acting_ = ::setfsuid(uid_t(-1)) == Nobody; // an invalid id changes nothing, tells the current one
    }
    ~AsAnotherUser()
    {
        if (root) ::setfsuid(0);
    }
    AsAnotherUser(const AsAnotherUser&) = delete;
    AsAnotherUser& operator=(const AsAnotherUser&) = delete;
    bool acting() const { return acting_; }

  private:
    static constexpr uid_t Nobody = 65534;
    const bool root = ::geteuid() == 0;
    bool acting_ = !root;
};

TEST_F(PlaylistFiles, FailedWriteInReadOnlyFolder)
{
    // Only the folder refuses: the file itself may be written by anyone.
    put(dir / "l.m3u", "keep\r\n");
    using P = fs::perms;
    fs::permissions(dir / "l.m3u", P::owner_read | P::owner_write | P::group_read | P::group_write |
                                       P::others_read | P::others_write);
    fs::permissions(dir, P::owner_read | P::owner_exec | P::group_read | P::group_exec | P::others_read |
                             P::others_exec);
    {
        const AsAnotherUser user;
        if (!user.acting()) GTEST_SKIP() << "the super-user cannot take another file-system user id here";
        EXPECT_FALSE(playlist::writePlaylist(dir / "l.m3u", {"/x"}));
    }
    EXPECT_EQ(get(dir / "l.m3u"), "keep\r\n");
    EXPECT_EQ(names(), (std::vector<std::string>{"l.m3u"}));
}

} // namespace
