#include "platform/audio/EncoderInput.h"

#include "platform/audio/InputFile.h"
#include "platform/audio/Sndfile.h"
#include "platform/audio/SongFile.h"

#include <algorithm>
#include <mpg123.h>

namespace platform::audio
{

namespace
{

class SndfileInput final : public EncoderInput
{
  public:
    ~SndfileInput() override
    {
        if (file_) sndfile::close(file_);
    }
    // False when libsndfile cannot read the file; `mpeg` when what it found is an MPEG stream.
    bool open(const std::string& path, bool& mpeg)
    {
        SF_INFO info{};
        file_ = input_.open(path) ? sndfile::openFd(input_.fd(), SFM_READ, &info, SF_FALSE) : nullptr;
        if (!file_ || info.channels < 1 || info.samplerate <= 0 || info.frames < 0) return false;
        mpeg = (info.format & SF_FORMAT_TYPEMASK) == SF_FORMAT_MPEG;
        rate_ = info.samplerate;
        channels_ = info.channels;
        frames_ = uint64_t(info.frames);
        return true;
    }
    size_t read(float* pcm, size_t max) override
    {
        const sf_count_t n = sndfile::readFloatFrames(file_, pcm, sf_count_t(max));
        if (n <= 0) return 0;
        delivered_ += uint64_t(n);
        return size_t(n);
    }
    bool whole() const override
    {
        // A length libsndfile cannot tell is given as its largest count.
        const bool declaredRead = delivered_ >= frames_ || frames_ >= uint64_t(SF_COUNT_MAX);
        return declaredRead && sndfile::error(file_) == SF_ERR_NO_ERROR && input_.intact();
    }

  private:
    InputFile input_;
    SNDFILE* file_ = nullptr;
    uint64_t delivered_ = 0;
};

class Mp3Input final : public EncoderInput
{
  public:
    Mp3Input(std::unique_ptr<SongFile> song, const SongInfo& info) : song_(std::move(song))
    {
        rate_ = int(song_->rate());
        channels_ = song_->channels();
        frames_ = uint64_t(std::max<int64_t>(info.samples, 0));
    }
    size_t read(float* pcm, size_t max) override
    {
        size_t done = 0;
        while (done < max) {
            if (left_ == 0) {
                if (err_ != MPG123_OK) break;
                off_t num = 0;
                err_ = song_->decodeFrame(num, pending_, left_);
                continue;
            }
            const size_t n = std::min(left_ / size_t(channels_), max - done);
            float* to = pcm + done * size_t(channels_);
            for (size_t i = 0; i < n * size_t(channels_); ++i)
                to[i] = float(pending_[i]) / 32768.0f;
            pending_ += n * size_t(channels_);
            left_ -= n * size_t(channels_);
            done += n;
        }
        return done;
    }
    // As MP3 to WAV has it: decoded to the stream's end, from a file that was not cut meanwhile.
    bool whole() const override { return err_ == MPG123_DONE && song_->input().intact(); }

  private:
    std::unique_ptr<SongFile> song_;
    int16_t* pending_ = nullptr; // decoded samples not yet handed on
    size_t left_ = 0;
    int err_ = MPG123_OK;
};

} // namespace

std::unique_ptr<EncoderInput> EncoderInput::open(const std::string& path)
{
    auto file = std::make_unique<SndfileInput>();
    bool mpeg = false;
    if (file->open(path, mpeg) && !mpeg) return file;
    // libsndfile stops at a damaged frame header and tells nobody, and does not know an MP3
    // file damaged at its start at all: both are read as MP3 to WAV reads them.
    file.reset();
    SongInfo info;
    std::unique_ptr<SongFile> song = SongFile::open(path, SongUse::Convert, info);
    if (!song) return nullptr;
    return std::make_unique<Mp3Input>(std::move(song), info);
}

} // namespace platform::audio
