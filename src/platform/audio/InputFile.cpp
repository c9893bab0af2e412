#include "platform/audio/InputFile.h"

#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::audio
{

InputFile::~InputFile()
{
    if (fd_ >= 0) ::close(fd_);
}

bool InputFile::open(const std::string& path)
{
    std::error_code notPlain;
    if (fd_ >= 0 || !std::filesystem::is_regular_file(path, notPlain)) return false;
    // Not blocking, in case the name was replaced by a pipe since the test above.
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    struct stat st {
    };
    if (fd_ < 0 || ::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode) ||
        ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) & ~O_NONBLOCK) != 0)
        return false;
    size_ = st.st_size;
    return true;
}

bool InputFile::intact() const
{
    struct stat st {
    };
    return fd_ >= 0 && ::fstat(fd_, &st) == 0 && st.st_size >= size_;
}

} // namespace platform::audio
