#pragma once

#include <string>
#include <sys/types.h>

namespace platform::audio
{

// A job's input, held open for reading from start to end of the job.
class InputFile
{
  public:
    InputFile() = default;
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // Only a plain file: opening a pipe waits for a writer, and a device may never end.
    bool open(const std::string& path);
    int fd() const { return fd_; }
    off_t size() const { return size_; } // when opened
    // False once the file is shorter than when it was opened: it was cut while being read,
    // so an end of input seen now is no natural end.
    bool intact() const;

  private:
    int fd_ = -1;
    off_t size_ = 0;
};

} // namespace platform::audio
