// Every writer puts out its file through one routine: links, permissions and read-only targets
// are treated alike, and what killed runs left behind is cleared away.

#include "AudioFixtures.h"
#include "platform/audio/Presswork.h"
#include "platform/audio/Tonewheel.h"
#include "playlist/PlaylistFile.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sndfile.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace audiotest;
namespace fs = std::filesystem;

namespace
{

class OutputTest : public ::testing::Test
{
  protected:
    TempDir dir;
    platform::Presswork pw;
    platform::Tonewheel tw;
};

using Perms = fs::perms;

TEST_F(OutputTest, EveryWriterKeepsLinksAndPermissionsAndRefusesReadOnlyTargets)
{
    const std::string wav = dir.path("in.wav"), mp3 = dir.path("in.mp3");
    writeWav(wav, 44100, 1, 0.2, SF_FORMAT_PCM_16);
    writeMp3(mp3, plainMp3(44100, 1, 0.2));
    const struct {
        const char* name;
        std::function<void(const std::string&)> write;
    } writers[] = {
        {"playlist", [](const std::string& out) { playlist::writePlaylist(out, {"/new.mp3"}); }},
        {"mp3 conversion", [&](const std::string& out) { encode(pw, wav, out); }},
        {"wav conversion", [&](const std::string& out) { play(tw, mp3, out); }},
    };
    const struct {
        const char* name;
        bool link, exists;
        Perms perms;
        bool replaced;
    } cases[] = {
        {"plain file", false, true, Perms::owner_read | Perms::owner_write | Perms::group_read, true},
        {"private file", false, true, Perms::owner_read | Perms::owner_write, true},
        {"link to a private file", true, true, Perms::owner_read | Perms::owner_write, true},
        {"link to no file yet", true, false, Perms::none, true},
        {"read-only file", false, true, Perms::owner_read | Perms::group_read, false},
        {"link to a read-only file", true, true, Perms::owner_read, false},
    };
    for (const auto& w : writers) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(w.name) + ", " + c.name);
            const std::string real = dir.path("real.out"), link = dir.path("link.out");
            if (c.exists) {
                writeBytes(real, "old");
                fs::permissions(real, c.perms);
            }
            if (c.link) fs::create_symlink("real.out", link);
            w.write(c.link ? link : real);

            EXPECT_EQ(fs::is_symlink(link), c.link);
            const std::string now = fs::exists(real) ? readBytes(real) : "";
            EXPECT_EQ(now.empty() || now == "old", !c.replaced);
            if (c.exists) {
                EXPECT_EQ(fs::status(real).permissions() & Perms::all, c.perms);
            }
            for (const auto& name : dir.entries())
                EXPECT_EQ(name.find(".part"), std::string::npos) << name;
            fs::remove(real);
            fs::remove(link);
        }
    }
}

// Temporary outputs that killed runs left (".NAME.PID.N.part") go when the next output starts
// in their folder; those of a process that is still there, and every look-alike, stay.
TEST_F(OutputTest, OutputsStartedInAFolderRemoveWhatKilledRunsLeftThere)
{
    const pid_t gone = fork();
    if (gone == 0) _exit(0);
    ASSERT_GT(gone, 0);
    ASSERT_EQ(waitpid(gone, nullptr, 0), gone);
    const std::string dead = std::to_string(gone), mine = std::to_string(getpid());
    const std::vector<std::string> removed = {".song.mp3." + dead + ".0.part",
                                              ".a.b.m3u." + dead + ".4294967295.part",
                                              "." + std::string(200, 'n') + "." + dead + ".1.part"};
    std::vector<std::string> kept = {
        ".song.mp3." + mine + ".7.part", // a job of this process still running
        ".song.mp3.1.7.part",            // process 1 is always there
        "song.mp3." + dead + ".0.part",
        ".song.mp3." + dead + ".part",
        "." + dead + ".0.part",
        ".song.mp3.0" + dead + ".0.part",
        ".song.mp3." + dead + ".x.part",
        ".song.mp3." + dead + ".0.part.old",
        ".song.mp3." + dead + ".4294967296.part",
        "." + std::string(201, 'n') + "." + dead + ".0.part",
        ".link.mp3." + dead + ".0.part", // a link to a file
        ".folder.mp3." + dead + ".0.part",
        "victim",
    };
    for (const auto& name : removed)
        writeBytes(dir.path(name), "left");
    for (const auto& name : kept)
        if (name.find("link") == std::string::npos && name.find("folder") == std::string::npos)
            writeBytes(dir.path(name), "kept");
    fs::create_symlink("victim", dir.path(".link.mp3." + dead + ".0.part"));
    fs::create_directory(dir.path(".folder.mp3." + dead + ".0.part"));
    if (geteuid() == 0) { // only the super-user can make a file of another user's
        const std::string other = ".other.mp3." + dead + ".0.part";
        writeBytes(dir.path(other), "kept");
        ASSERT_EQ(chown(dir.path(other).c_str(), 65534, 65534), 0);
        kept.push_back(other);
    }

    ASSERT_TRUE(playlist::writePlaylist(dir.path("new.m3u"), {"/a.mp3"}));
    std::vector<std::string> expected = kept;
    expected.push_back("new.m3u");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(dir.entries(), expected);
    EXPECT_EQ(readBytes(dir.path("victim")), "kept");
}

} // namespace
