#include "platform/audio/WavWriter.h"

#include "platform/audio/Sndfile.h"

#include <unistd.h>

namespace platform::audio
{
namespace
{
// libsndfile writes straight through to the file: gather samples into larger writes.
constexpr size_t BufferSamples = 1 << 17;
} // namespace

WavWriter::~WavWriter()
{
    close();
}

bool WavWriter::open(const std::string& path, long rate, int channels)
{
    close();
    const int fd = temp_.create(path);
    if (fd < 0) return false;
    SF_INFO info{};
    info.samplerate = int(rate);
    info.channels = channels;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    file_ = sndfile::openFd(fd, SFM_WRITE, &info, SF_TRUE);
    if (!file_) {
        ::close(fd);
        temp_.abandon();
        return false;
    }
    buffer_.reserve(BufferSamples);
    failed_ = false;
    return true;
}

bool WavWriter::write(const int16_t* samples, size_t count)
{
    if (!file_ || failed_) return false;
    if (buffer_.size() + count > BufferSamples && !flush()) return false;
    buffer_.insert(buffer_.end(), samples, samples + count);
    return true;
}

bool WavWriter::flush()
{
    const auto count = sf_count_t(buffer_.size());
    if (count > 0 && sndfile::writeShorts(file_, buffer_.data(), count) != count) failed_ = true;
    buffer_.clear();
    return !failed_;
}

bool WavWriter::finish()
{
    if (!file_) return false;
    const bool flushed = flush();
    const bool closed = sndfile::close(file_) == 0;
    file_ = nullptr;
    if (!flushed || !closed) {
        temp_.abandon();
        return false;
    }
    return temp_.commit();
}

void WavWriter::close()
{
    if (file_) sndfile::close(file_);
    file_ = nullptr;
    buffer_.clear();
    temp_.abandon();
}

} // namespace platform::audio
