#include "AudioFixtures.h"
#include "platform/audio/Presswork.h"
#include "platform/audio/Tonewheel.h"

#include <QTemporaryDir>
#include <cmath>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <lame/lame.h>
#include <mpg123.h>
#include <sndfile.h>
#include <sstream>
#include <stdexcept>
#include <sys/resource.h>

namespace audiotest
{

std::vector<float> tone(int rate, int channels, double seconds)
{
    const auto frames = size_t(rate * seconds);
    std::vector<float> out(frames * channels);
    for (size_t i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c)
            out[i * channels + c] = 0.5f * float(std::sin(2 * M_PI * (440.0 + 220.0 * c) * double(i) / rate));
    return out;
}

void writeWav(const std::string& path, int rate, int channels, double seconds, int format)
{
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = (format & SF_FORMAT_TYPEMASK) ? format : SF_FORMAT_WAV | format;
    SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!f) throw std::runtime_error("cannot write " + path);
    const auto samples = tone(rate, channels, seconds);
    sf_write_float(f, samples.data(), sf_count_t(samples.size()));
    sf_close(f);
}

namespace
{

std::vector<unsigned short> utf16(const std::string& utf8)
{
    const QString text = QString::fromUtf8(utf8.c_str());
    std::vector<unsigned short> out{0xFEFF};
    for (QChar c : text)
        out.push_back(c.unicode());
    out.push_back(0);
    return out;
}

} // namespace

std::string mp3Bytes(const Mp3Fixture& fixture)
{
    lame_t gf = lame_init();
    lame_set_in_samplerate(gf, fixture.rate);
    lame_set_out_samplerate(gf, fixture.rate);
    lame_set_num_channels(gf, fixture.channels);
    lame_set_mode(gf, fixture.channels == 1 ? MONO : JOINT_STEREO);
    if (fixture.vbr) {
        lame_set_VBR(gf, vbr_default);
        lame_set_VBR_q(gf, 4);
    } else {
        lame_set_brate(gf, fixture.kbps);
    }
    lame_set_write_id3tag_automatic(gf, 0);
    if (fixture.tag != Mp3Fixture::Tag::None) {
        id3tag_init(gf);
        if (fixture.tag == Mp3Fixture::Tag::V1) {
            id3tag_v1_only(gf);
            id3tag_set_artist(gf, QString::fromUtf8(fixture.artist.c_str()).toLatin1().constData());
            id3tag_set_title(gf, QString::fromUtf8(fixture.title.c_str()).toLatin1().constData());
        } else {
            id3tag_v2_only(gf);
            if (!fixture.artist.empty()) id3tag_set_textinfo_utf16(gf, "TPE1", utf16(fixture.artist).data());
            if (!fixture.title.empty()) id3tag_set_textinfo_utf16(gf, "TIT2", utf16(fixture.title).data());
        }
    }
    if (lame_init_params(gf) < 0) throw std::runtime_error("lame_init_params");
    const auto pcm = tone(fixture.rate, fixture.channels, fixture.seconds);
    const int frames = int(pcm.size() / fixture.channels);
    std::vector<unsigned char> out(size_t(1.25 * frames) + 7200 + 65536);
    std::string file;
    const size_t v2 = lame_get_id3v2_tag(gf, out.data(), out.size());
    file.append(reinterpret_cast<char*>(out.data()), v2);
    const size_t audioStart = file.size();
    int n =
        fixture.channels == 1
            ? lame_encode_buffer_ieee_float(gf, pcm.data(), nullptr, frames, out.data(), int(out.size()))
            : lame_encode_buffer_interleaved_ieee_float(gf, pcm.data(), frames, out.data(), int(out.size()));
    if (n < 0) throw std::runtime_error("lame encode");
    file.append(reinterpret_cast<char*>(out.data()), size_t(n));
    n = lame_encode_flush(gf, out.data(), int(out.size()));
    file.append(reinterpret_cast<char*>(out.data()), size_t(n));
    const size_t v1 = lame_get_id3v1_tag(gf, out.data(), out.size());
    file.append(reinterpret_cast<char*>(out.data()), v1);
    const size_t tagFrame = lame_get_lametag_frame(gf, out.data(), out.size());
    if (tagFrame > 0 && tagFrame <= file.size() - audioStart)
        file.replace(audioStart, tagFrame, reinterpret_cast<char*>(out.data()), tagFrame);
    lame_close(gf);
    return file;
}

void writeMp3(const std::string& path, const Mp3Fixture& fixture)
{
    writeBytes(path, mp3Bytes(fixture));
}

namespace
{

mpg123_handle* openMp3(const std::string& path)
{
    mpg123_handle* mh = mpg123_new(nullptr, nullptr);
    mpg123_param2(mh, MPG123_ADD_FLAGS, MPG123_QUIET, 0);
    mpg123_format_none(mh);
    const long* rates = nullptr;
    size_t count = 0;
    mpg123_rates(&rates, &count);
    for (size_t i = 0; i < count; ++i)
        mpg123_format2(mh, rates[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
    if (mpg123_open(mh, path.c_str()) == MPG123_OK) return mh;
    mpg123_delete(mh);
    return nullptr;
}

void closeMp3(mpg123_handle* mh)
{
    mpg123_close(mh);
    mpg123_delete(mh);
}

} // namespace

Decoded decodeMp3(const std::string& path)
{
    Decoded d;
    // The count from a handle of its own: decoding from one that scanned is not always exact.
    if (mpg123_handle* scan = openMp3(path)) {
        if (mpg123_scan(scan) == MPG123_OK) d.frames = long(mpg123_framelength(scan));
        closeMp3(scan);
    }
    mpg123_handle* mh = openMp3(path);
    if (!mh) return d;
    int enc = 0;
    if (mpg123_getformat(mh, &d.rate, &d.channels, &enc) == MPG123_OK) {
        mpg123_frameinfo2 fi{};
        mpg123_info2(mh, &fi);
        d.bitrate = fi.bitrate;
        long rate = d.rate;
        int channels = d.channels;
        bool opening = true;
        for (;;) {
            off_t num = 0;
            unsigned char* audio = nullptr;
            size_t bytes = 0;
            const int err = mpg123_decode_frame(mh, &num, &audio, &bytes);
            if (err == MPG123_NEW_FORMAT) {
                mpg123_getformat(mh, &rate, &channels, &enc);
                opening = opening && rate == d.rate && channels == d.channels;
            } else if (err != MPG123_OK) {
                break;
            }
            const auto* s = reinterpret_cast<const int16_t*>(audio);
            d.samples.insert(d.samples.end(), s, s + bytes / 2);
            if (opening) d.opening += bytes / 2;
            d.seconds += double(bytes / 2) / channels / double(rate);
        }
    }
    closeMp3(mh);
    return d;
}

bool mpg123Wav(const std::string& mp3, const std::string& wav)
{
    if (std::system("command -v mpg123 >/dev/null 2>&1") != 0) return false;
    return std::system(("mpg123 -q -w '" + wav + "' '" + mp3 + "'").c_str()) == 0;
}

WavData readWav(const std::string& path)
{
    WavData w;
    SF_INFO info{};
    SNDFILE* f = sf_open(path.c_str(), SFM_READ, &info);
    if (!f) return w;
    w.rate = info.samplerate;
    w.channels = info.channels;
    w.samples.resize(size_t(info.frames * info.channels));
    sf_read_short(f, w.samples.data(), sf_count_t(w.samples.size()));
    sf_close(f);
    return w;
}

namespace
{
std::string repeatedFrames(int frames)
{
    // Header FF E3 18 C0: MPEG 2.5 layer III, 8 kbps, 8000 Hz, mono; zero side info is silence.
    std::string frame("\xFF\xE3\x18\xC0", 4);
    frame.resize(72, '\0');
    std::string bytes;
    bytes.reserve(frame.size() * size_t(std::max(frames, 0)));
    for (int i = 0; i < frames; ++i)
        bytes += frame;
    return bytes;
}
} // namespace

void writeRepeatedFrames(const std::string& path, int frames)
{
    writeBytes(path, repeatedFrames(frames));
}

std::string mp3EndingInError()
{
    // "TAG" 128 bytes before the end makes libmpg123 take the file to end there, within the
    // second frame, and reading on past it an error.
    std::string bytes = repeatedFrames(2).substr(0, 142);
    bytes.replace(14, 3, "TAG");
    return bytes;
}

FileSizeLimit::FileSizeLimit(long bytes)
{
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    savedLimit_ = limit.rlim_cur;
    savedHandler_ = std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead
    limit.rlim_cur = rlim_t(bytes);
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = rlim_t(savedLimit_);
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, savedHandler_);
}

void writeBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

std::string readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

Recorder play(platform::Tonewheel& tw, const std::string& input, const std::string& output)
{
    return runToEnd(tw, [&] {
        tw.OpenSong(input, output);
        tw.PlaySong();
    });
}

Recorder encode(platform::Presswork& pw, const std::string& input, const std::string& output)
{
    return runToEnd(pw, [&] {
        pw.OpenSong(input, output);
        pw.EncodeSong();
    });
}

std::vector<int32_t> frameRange(int32_t first, int32_t end)
{
    std::vector<int32_t> v;
    for (int32_t f = first; f < end; ++f)
        v.push_back(f);
    return v;
}

TempDir::TempDir()
{
    QTemporaryDir t;
    t.setAutoRemove(false);
    dir_ = t.path().toStdString();
}

TempDir::~TempDir()
{
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
}

std::vector<std::string> TempDir::entries(const std::string& folder) const
{
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir_ / folder))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace audiotest
