#include "platform/audio/Presswork.h"

namespace platform
{

class Presswork::Impl
{
};

Presswork::Presswork() : d(std::make_unique<Impl>()) {}
Presswork::~Presswork() = default;
int16_t Presswork::OpenSong(const std::string&, const std::string&)
{
    return 0;
}
void Presswork::EncodeSong() {}
int32_t Presswork::SampleRate() const
{
    return 0;
}
void Presswork::setSampleRate(int32_t) {}
int32_t Presswork::BitRate() const
{
    return 0;
}
void Presswork::setBitRate(int32_t) {}
int32_t Presswork::FrameCount() const
{
    return 0;
}

} // namespace platform
