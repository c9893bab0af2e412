#include "playlist/PlaylistFile.h"

#include "platform/TempOutput.h"
#include "playlist/Windows1252.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace playlist
{

namespace
{

// The longest line kept: the longest path and room for a .PLS key before it.
constexpr std::size_t MaxLine = MaxPath + 64;

bool namesFile(const std::string& path)
{
    std::error_code failed;
    return path.find('\0') == std::string::npos && std::filesystem::exists(path, failed);
}

std::string_view withoutLeadingBlanks(std::string_view line)
{
    const auto start = line.find_first_not_of(' ');
    return start == std::string_view::npos ? std::string_view{} : line.substr(start);
}

// Collects entries line by line; lines end at CR, LF or CR LF, also across chunks.
class Reader
{
  public:
    Reader(std::string_view path, std::vector<std::string>& out) : format_(formatOf(path)), out_(out)
    {
        // The playlist folder, with its closing separator; relative entries are joined to it.
        const auto slash = path.rfind('/');
        if (slash != std::string_view::npos) folder_ = path.substr(0, slash + 1);
    }

    bool full() const { return format_ == Format::None || out_.size() >= MaxEntries; }

    void feed(std::string_view chunk)
    {
        if (first_) {
            first_ = false;
            if (chunk.substr(0, 3) == "\xEF\xBB\xBF") // a byte-order mark is not text
                chunk.remove_prefix(3);
        }
        while (!chunk.empty() && !full()) {
            if (afterCR_ && chunk.front() == '\n') chunk.remove_prefix(1);
            afterCR_ = false;
            const auto end = std::size_t(
                std::find_if(chunk.begin(), chunk.end(), [](char c) { return c == '\r' || c == '\n'; }) -
                chunk.begin());
            take(chunk.substr(0, end));
            if (end == chunk.size()) return;
            afterCR_ = chunk[end] == '\r';
            endLine();
            chunk.remove_prefix(end + 1);
        }
    }

    void finish()
    {
        if (!full()) endLine();
    }

  private:
    // Leading blanks are no part of an entry, and a line too long to give a path is not kept
    // at all: only its end is looked for.
    void take(std::string_view part)
    {
        if (tooLong_) return;
        if (pending_.empty()) part = withoutLeadingBlanks(part);
        if (pending_.size() + part.size() > MaxLine) {
            tooLong_ = true;
            pending_ = std::string();
            return;
        }
        pending_.append(part);
    }

    void endLine()
    {
        if (!tooLong_ && !pending_.empty()) line(pending_);
        pending_.clear();
        tooLong_ = false;
    }

    void line(std::string_view text)
    {
        if (format_ == Format::M3U) {
            // Blank and comment lines (#EXTM3U, #EXTINF) name no song.
            if (text.find_first_not_of(" \t") == std::string_view::npos || text.front() == '#') return;
            add(text);
        } else if (text.substr(0, 4) == "File") {
            const auto eq = text.find('=');
            if (eq != std::string_view::npos) add(text.substr(eq + 1));
        }
    }

    // The line's own bytes first. A line that names no file and is no UTF-8 was written on the
    // original platform, in Windows-1252; that reading is taken where it gives text or names a
    // file, so a list read and written again reads back the same.
    void add(std::string_view e)
    {
        std::string path = resolved(e);
        // One longer than any path can be names no file, in any reading.
        if (path.size() > MaxPath) return;
        if (!isUtf8(e) && !namesFile(path)) {
            const std::string text = fromWindows1252(e);
            std::string converted = resolved(text);
            if (converted.size() <= MaxPath && (isUtf8(text) || namesFile(converted)))
                path = std::move(converted);
        }
        out_.push_back(std::move(path));
    }

    // An absolute entry as it stands; a relative one joined to the playlist's folder, or, for a
    // playlist named without a folder, relative to the current one.
    std::string resolved(std::string_view e) const
    {
        if (folder_.empty() || (!e.empty() && e.front() == '/')) return std::string(e);
        std::string path;
        path.reserve(folder_.size() + 1 + e.size());
        path.append(folder_).append("/").append(e);
        return path;
    }

    Format format_;
    std::vector<std::string>& out_;
    std::string_view folder_;
    std::string pending_;
    bool tooLong_ = false;
    bool afterCR_ = false;
    bool first_ = true;
};

struct Fd {
    int fd = -1;
    ~Fd()
    {
        if (fd >= 0) ::close(fd);
    }
};

bool writeAll(int fd, const std::string& data)
{
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

Format formatOf(std::string_view path)
{
    std::string ext(path.substr(path.size() < 3 ? 0 : path.size() - 3));
    for (char& c : ext)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return ext == "M3U" ? Format::M3U : ext == "PLS" ? Format::PLS : Format::None;
}

std::string FileTitle(std::string& a)
{
    for (char& c : a)
        if (c == '_') c = ' ';
    const auto slash = a.rfind('/');
    return slash == std::string::npos ? a : a.substr(slash + 1);
}

std::vector<std::string> parsePlaylist(std::string_view path, std::string_view contents)
{
    std::vector<std::string> entries;
    Reader reader(path, entries);
    reader.feed(contents);
    reader.finish();
    return entries;
}

std::optional<std::vector<std::string>> readPlaylist(const std::string& path)
{
    Fd in;
    in.fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (in.fd < 0) return std::nullopt;
    struct stat st {
    };
    // A folder, pipe or device is no playlist; reading a pipe could wait for ever.
    if (::fstat(in.fd, &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;

    std::vector<std::string> entries;
    Reader reader(path, entries);
    std::string chunk(1 << 16, '\0');
    bool complete = true;
    while (!reader.full()) {
        const ssize_t n = ::read(in.fd, chunk.data(), chunk.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) complete = false; // keep the lines read so far, not the torn one
        if (n <= 0) break;
        reader.feed(std::string_view(chunk.data(), static_cast<std::size_t>(n)));
    }
    if (complete) reader.finish();
    return entries;
}

bool writePlaylist(const std::string& path, const std::vector<std::string>& entries)
{
    std::string data;
    std::size_t size = 0;
    for (const auto& e : entries)
        size += e.size() + 2;
    data.reserve(size);
    for (const auto& e : entries)
        data.append(e).append("\r\n");

    platform::TempOutput temp;
    Fd out;
    out.fd = temp.create(path);
    if (out.fd < 0) return false;
    bool ok = writeAll(out.fd, data) && ::fsync(out.fd) == 0;
    ok = ::close(out.fd) == 0 && ok;
    out.fd = -1;
    return ok && temp.commit();
}

} // namespace playlist
