#include "platform/audio/SongFile.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <limits>
#include <mpg123.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::audio
{

// The decoder reads each frame's header and body apart: two system calls a frame, millions for
// a scan of a long file. It reads through this instead, a block at a time.
struct BlockReader {
    explicit BlockReader(int file) : fd(file) {}
    int fd;
    off_t pos = 0;   // where the decoder reads next
    off_t start = 0; // where the block was read from
    size_t fill = 0;
    std::array<unsigned char, 64 * 1024> block;
};

namespace
{

std::string v2Text(const mpg123_string* s)
{
    if (!s || !s->p || s->fill == 0) return {};
    return std::string(s->p, strnlen(s->p, s->fill));
}

void readTags(mpg123_handle* mh, SongInfo& info)
{
    mpg123_id3v1* v1 = nullptr;
    mpg123_id3v2* v2 = nullptr;
    if (mpg123_id3(mh, &v1, &v2) != MPG123_OK) return;
    // A file with only a v1 tag still gives a v2 record, with null fields.
    if (v2) {
        info.artist = v2Text(v2->artist);
        info.title = v2Text(v2->title);
    }
    if (v1) {
        if (info.artist.empty()) info.artist = latin1Field(v1->artist, sizeof v1->artist);
        if (info.title.empty()) info.title = latin1Field(v1->title, sizeof v1->title);
    }
}

// `start`: where the first frame lies.
int32_t averageKbps(mpg123_handle* mh, off_t size, off_t start, int32_t frameCount, double tpf)
{
    const double seconds = frameCount * tpf;
    if (start < 0 || seconds <= 0 || size <= start) return 0;
    mpg123_id3v1* v1 = nullptr;
    mpg123_id3v2* v2 = nullptr;
    const bool hasV1 = mpg123_id3(mh, &v1, &v2) == MPG123_OK && v1;
    const double bytes = double(size - start) - (hasV1 ? 128 : 0);
    return int32_t(std::lround(bytes * 8 / seconds / 1000));
}

uint32_t bigEndian(const unsigned char* p)
{
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}

// The frame count in the encoder's tag frame (Xing or Info) when the file is exactly what the
// tag describes: its byte count is the stream's, so nothing was joined on or cut off. 0 when
// there is no such count and the file has to be scanned.
off_t taggedFrameCount(const InputFile& in)
{
    const int fd = in.fd();
    unsigned char id3[10];
    off_t start = 0;
    if (pread(fd, id3, sizeof id3, 0) == sizeof id3 && std::memcmp(id3, "ID3", 3) == 0) {
        if ((id3[6] | id3[7] | id3[8] | id3[9]) & 0x80) return 0;
        const off_t footer = (id3[5] & 0x10) ? 10 : 0;
        start = 10 + footer + (off_t(id3[6]) << 21 | off_t(id3[7]) << 14 | off_t(id3[8]) << 7 | id3[9]);
    }
    // The frame header, its side information, then the tag: name, flags, frames, bytes.
    unsigned char f[4 + 32 + 16];
    if (pread(fd, f, sizeof f, start) != sizeof f) return 0;
    const int version = (f[1] >> 3) & 3; // 3: MPEG-1, 2: MPEG-2, 0: MPEG-2.5
    const bool layer3 = ((f[1] >> 1) & 3) == 1, crc = !(f[1] & 1);
    const int bitrate = f[2] >> 4, rate = (f[2] >> 2) & 3;
    if (f[0] != 0xFF || (f[1] & 0xE0) != 0xE0 || version == 1 || !layer3 || crc || bitrate == 0 ||
        bitrate == 15 || rate == 3)
        return 0;
    const bool mono = (f[3] >> 6) == 3;
    const unsigned char* tag = f + 4 + (version == 3 ? (mono ? 17 : 32) : (mono ? 9 : 17));
    if ((std::memcmp(tag, "Xing", 4) != 0 && std::memcmp(tag, "Info", 4) != 0) ||
        (bigEndian(tag + 4) & 3) != 3)
        return 0;
    off_t end = in.size();
    char v1[3];
    if (end - start >= 128 && pread(fd, v1, sizeof v1, end - 128) == sizeof v1 &&
        std::memcmp(v1, "TAG", 3) == 0)
        end -= 128;
    return off_t(bigEndian(tag + 12)) == end - start ? off_t(bigEndian(tag + 8)) : 0;
}

mpg123_ssize_t readBlocks(void* handle, void* out, size_t size)
{
    auto& r = *static_cast<BlockReader*>(handle);
    auto* to = static_cast<unsigned char*>(out);
    size_t done = 0;
    while (done < size) {
        if (r.pos >= r.start && r.pos < r.start + off_t(r.fill)) {
            const auto at = size_t(r.pos - r.start);
            const size_t n = std::min(size - done, r.fill - at);
            std::memcpy(to + done, r.block.data() + at, n);
            done += n;
            r.pos += off_t(n);
            continue;
        }
        ssize_t got = 0;
        do
            got = pread(r.fd, r.block.data(), r.block.size(), r.pos);
        while (got < 0 && errno == EINTR);
        if (got <= 0) {
            r.fill = 0;
            if (got < 0 && done == 0) return -1;
            break;
        }
        r.start = r.pos;
        r.fill = size_t(got);
    }
    return mpg123_ssize_t(done);
}

off_t seekBlocks(void* handle, off_t offset, int whence)
{
    auto& r = *static_cast<BlockReader*>(handle);
    off_t base = -1;
    struct stat st {
    };
    if (whence == SEEK_SET) base = 0;
    if (whence == SEEK_CUR) base = r.pos;
    if (whence == SEEK_END && fstat(r.fd, &st) == 0) base = st.st_size;
    if (base < 0 || (offset < 0 && base + offset < 0) ||
        (offset > 0 && offset > std::numeric_limits<off_t>::max() - base)) {
        errno = EINVAL;
        return -1;
    }
    r.pos = base + offset;
    return r.pos;
}

void closeHandle(mpg123_handle* mh)
{
    if (!mh) return;
    mpg123_close(mh);
    mpg123_delete(mh);
}
using Handle = std::unique_ptr<mpg123_handle, decltype(&closeHandle)>;

// A handle reading the file from its start, its first frame's format read. Without gapless
// decoding every frame comes up, also those inside the encoder's delay.
Handle openHandle(BlockReader& reader, bool stereoOnly, bool gapless, long& rate, int& channels)
{
    static std::once_flag initialised;
    std::call_once(initialised, [] { mpg123_init(); });
    Handle mh(mpg123_new(nullptr, nullptr), closeHandle);
    if (!mh) return mh;
    mpg123_param2(mh.get(), MPG123_ADD_FLAGS, MPG123_QUIET, 0);
    if (!gapless) mpg123_param2(mh.get(), MPG123_REMOVE_FLAGS, MPG123_GAPLESS, 0);
    mpg123_format_none(mh.get());
    const long* rates = nullptr;
    size_t rateCount = 0;
    mpg123_rates(&rates, &rateCount);
    for (size_t i = 0; i < rateCount; ++i)
        mpg123_format2(mh.get(), rates[i], stereoOnly ? MPG123_STEREO : MPG123_MONO | MPG123_STEREO,
                       MPG123_ENC_SIGNED_16);
    int encoding = 0;
    reader.pos = 0;
    if (mpg123_replace_reader_handle(mh.get(), readBlocks, seekBlocks, nullptr) != MPG123_OK ||
        mpg123_open_handle(mh.get(), &reader) != MPG123_OK ||
        mpg123_getformat(mh.get(), &rate, &channels, &encoding) != MPG123_OK)
        mh.reset();
    return mh;
}

struct Walk {
    off_t frames = 0;
    double samples = 0; // at the song's rate, before gapless decoding takes any off
};

// Every frame header of the file, read on a handle of its own without decoding, as a scan does.
// A frame of another rate comes out converted to the song's rate, as many samples as it lasts.
bool walkFrames(int fd, long songRate, Walk& walk)
{
    const auto reader = std::make_unique<BlockReader>(fd);
    long rate = 0;
    int channels = 0;
    Handle mh = openHandle(*reader, false, false, rate, channels);
    if (!mh) return false;
    int err = MPG123_OK;
    mpg123_frameinfo2 fi{};
    while ((err == MPG123_OK || err == MPG123_NEW_FORMAT) && mpg123_info2(mh.get(), &fi) == MPG123_OK &&
           fi.rate > 0) {
        ++walk.frames;
        walk.samples += double(mpg123_spf(mh.get())) * double(songRate) / double(fi.rate);
        err = mpg123_framebyframe_next(mh.get());
    }
    return walk.frames > 0;
}

// The samples gapless decoding takes off, as libmpg123 does: at the start the encoder's delay
// and the decoder's own; at the end, within the frames the tag counts, the padding less the
// decoder's delay. Frames beyond the tag's count (a file joined on) are kept whole.
int64_t gaplessTrim(mpg123_handle* mh, off_t frames, off_t taggedFrames)
{
    constexpr int64_t DecoderDelay = 529;
    long delay = -1, padding = -1;
    mpg123_getstate(mh, MPG123_ENC_DELAY, &delay, nullptr);
    mpg123_getstate(mh, MPG123_ENC_PADDING, &padding, nullptr);
    if (delay < 0 || padding < 0 || taggedFrames <= 0) return 0;
    const int64_t spf = mpg123_spf(mh);
    const int64_t end = int64_t(taggedFrames) * spf - padding + DecoderDelay; // the first not kept
    return delay + DecoderDelay + std::max<int64_t>(0, int64_t(std::min(frames, taggedFrames)) * spf - end);
}

} // namespace

std::string latin1Field(const char* field, size_t size)
{
    size_t n = strnlen(field, size);
    while (n > 0 && (field[n - 1] == ' ' || field[n - 1] == '\0'))
        --n;
    std::string out;
    out.reserve(n);
    for (size_t i = 0; i < n; ++i) {
        const auto c = static_cast<unsigned char>(field[i]);
        if (c < 0x80) {
            out += char(c);
        } else {
            out += char(0xC0 | (c >> 6));
            out += char(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::unique_ptr<SongFile> SongFile::open(const std::string& path, SongUse use, SongInfo& info)
{
    info = SongInfo{};
    std::unique_ptr<SongFile> song(new SongFile);
    if (!song->input_.open(path)) return nullptr;
    song->reader_ = std::make_unique<BlockReader>(song->input_.fd());
    Handle mh = openHandle(*song->reader_, use == SongUse::Play, true, song->rate_, song->channels_);
    if (!mh) return nullptr;
    SongInfo found;
    readTags(mh.get(), found);
    const off_t start = mpg123_framepos(mh.get());
    // Before any scan, the frames the tag counts (or a guess from the file's size without one).
    const off_t taggedFrames = mpg123_framelength(mh.get());
    // A song starts at once on the tag's count when the file is exactly what the tag describes;
    // a conversion reads every frame header, so what it foretells holds for any file.
    off_t frames = use == SongUse::Play ? taggedFrameCount(song->input_) : 0;
    Walk walk;
    if (frames <= 0 || frames != taggedFrames) {
        if (!walkFrames(song->input_.fd(), song->rate_, walk)) return nullptr;
        frames = walk.frames;
    } else {
        walk.samples = double(frames) * mpg123_spf(mh.get());
    }
    // What decoding will give, per channel.
    found.samples =
        std::max<int64_t>(0, std::llround(walk.samples) - gaplessTrim(mh.get(), frames, taggedFrames));
    const double tpf = mpg123_tpf(mh.get());
    mpg123_frameinfo2 fi{};
    if (frames <= 0 || frames > INT32_MAX || tpf <= 0 || mpg123_info2(mh.get(), &fi) != MPG123_OK)
        return nullptr;
    found.frameCount = int32_t(frames);
    found.frameMs = float(1000 * tpf);
    found.frequency = int32_t(fi.rate);
    found.bitrate = fi.vbr == MPG123_CBR
                        ? fi.bitrate
                        : averageKbps(mh.get(), song->input_.size(), start, found.frameCount, tpf);
    // One format for the whole file: a frame of another rate or channel count comes out
    // converted, so no output ever changes format mid-job.
    if (mpg123_format_none(mh.get()) != MPG123_OK ||
        mpg123_format(mh.get(), song->rate_, song->channels_ == 1 ? MPG123_MONO : MPG123_STEREO,
                      MPG123_ENC_SIGNED_16) != MPG123_OK)
        return nullptr;
    song->mh_ = mh.release();
    info = std::move(found);
    return song;
}

SongFile::~SongFile()
{
    closeHandle(mh_);
}

int SongFile::decodeFrame(off_t& num, int16_t*& samples, size_t& count)
{
    for (;;) {
        unsigned char* audio = nullptr;
        size_t bytes = 0;
        const int err = mpg123_decode_frame(mh_, &num, &audio, &bytes);
        if (err == MPG123_NEW_FORMAT) {
            // The decoder converts every frame to the song's format; should it ever give
            // another, those samples are passed over.
            long r = 0;
            int c = 0, e = 0;
            sameFormat_ = mpg123_getformat(mh_, &r, &c, &e) == MPG123_OK && r == rate_ && c == channels_;
            if (bytes == 0) continue;
        } else if (err != MPG123_OK) {
            return err;
        }
        samples = reinterpret_cast<int16_t*>(audio);
        count = sameFormat_ ? bytes / sizeof(int16_t) : 0;
        return MPG123_OK;
    }
}

} // namespace platform::audio
