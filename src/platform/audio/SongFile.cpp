#include "platform/audio/SongFile.h"

#include <cmath>
#include <cstring>
#include <filesystem>
#include <mpg123.h>
#include <mutex>

namespace platform::audio
{
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

int32_t averageKbps(const std::string& path, mpg123_handle* mh, int32_t frameCount, double tpf)
{
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    const off_t start = mpg123_framepos(mh);
    const double seconds = frameCount * tpf;
    if (ec || start < 0 || seconds <= 0 || off_t(size) <= start) return 0;
    mpg123_id3v1* v1 = nullptr;
    mpg123_id3v2* v2 = nullptr;
    const bool hasV1 = mpg123_id3(mh, &v1, &v2) == MPG123_OK && v1;
    const double bytes = double(off_t(size) - start) - (hasV1 ? 128 : 0);
    return int32_t(std::lround(bytes * 8 / seconds / 1000));
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

mpg123_handle* openSong(const std::string& path, bool stereoOnly, SongInfo& info)
{
    info = SongInfo{};
    static std::once_flag initialised;
    std::call_once(initialised, [] { mpg123_init(); });
    mpg123_handle* mh = mpg123_new(nullptr, nullptr);
    if (!mh) return nullptr;
    mpg123_param2(mh, MPG123_ADD_FLAGS, MPG123_QUIET, 0);
    mpg123_format_none(mh);
    const long* rates = nullptr;
    size_t rateCount = 0;
    mpg123_rates(&rates, &rateCount);
    for (size_t i = 0; i < rateCount; ++i)
        mpg123_format2(mh, rates[i], stereoOnly ? MPG123_STEREO : MPG123_MONO | MPG123_STEREO,
                       MPG123_ENC_SIGNED_16);

    long rate = 0;
    int channels = 0, encoding = 0;
    // Only a plain file: opening a pipe waits for a writer, and a device may never end.
    std::error_code notPlain;
    if (!std::filesystem::is_regular_file(path, notPlain) || mpg123_open(mh, path.c_str()) != MPG123_OK ||
        mpg123_getformat(mh, &rate, &channels, &encoding) != MPG123_OK || mpg123_scan(mh) != MPG123_OK) {
        closeSong(mh);
        return nullptr;
    }
    const off_t frames = mpg123_framelength(mh);
    const double tpf = mpg123_tpf(mh);
    mpg123_frameinfo2 fi{};
    if (frames <= 0 || frames > INT32_MAX || tpf <= 0 || mpg123_info2(mh, &fi) != MPG123_OK ||
        mpg123_seek_frame(mh, 0, SEEK_SET) < 0) {
        closeSong(mh);
        return nullptr;
    }
    info.frameCount = int32_t(frames);
    info.frameMs = float(1000 * tpf);
    info.frequency = int32_t(fi.rate);
    info.bitrate = fi.vbr == MPG123_CBR ? fi.bitrate : averageKbps(path, mh, info.frameCount, tpf);
    readTags(mh, info);
    return mh;
}

void closeSong(mpg123_handle* mh)
{
    if (!mh) return;
    mpg123_close(mh);
    mpg123_delete(mh);
}

} // namespace platform::audio
