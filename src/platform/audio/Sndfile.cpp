#include "platform/audio/Sndfile.h"

#include <dlfcn.h>

namespace platform::audio::sndfile
{
namespace
{

struct Library {
    decltype(&::sf_open_fd) open = nullptr;
    decltype(&::sf_close) close = nullptr;
    decltype(&::sf_error) error = nullptr;
    decltype(&::sf_readf_float) readFloat = nullptr;
    decltype(&::sf_write_short) writeShort = nullptr;
};

template <typename F> void find(void* library, const char* name, F& function)
{
    function = reinterpret_cast<F>(dlsym(library, name));
}

const Library& library()
{
    static const Library loaded = [] {
        Library l;
        void* handle = dlopen("libsndfile.so.1", RTLD_NOW | RTLD_LOCAL);
        if (!handle) return l;
        find(handle, "sf_open_fd", l.open);
        find(handle, "sf_close", l.close);
        find(handle, "sf_error", l.error);
        find(handle, "sf_readf_float", l.readFloat);
        find(handle, "sf_write_short", l.writeShort);
        if (!l.close || !l.error || !l.readFloat || !l.writeShort) l.open = nullptr;
        return l;
    }();
    return loaded;
}

} // namespace

SNDFILE* openFd(int fd, int mode, SF_INFO* info, int closeFd)
{
    const Library& l = library();
    return l.open ? l.open(fd, mode, info, closeFd) : nullptr;
}

// The rest are only reached with a file that openFd opened, so with the library loaded.
int close(SNDFILE* file)
{
    return library().close(file);
}

int error(SNDFILE* file)
{
    return library().error(file);
}

sf_count_t readFloatFrames(SNDFILE* file, float* frames, sf_count_t count)
{
    return library().readFloat(file, frames, count);
}

sf_count_t writeShorts(SNDFILE* file, const short* samples, sf_count_t count)
{
    return library().writeShort(file, samples, count);
}

} // namespace platform::audio::sndfile
