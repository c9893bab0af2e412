#include "platform/audio/Tonewheel.h"

namespace platform
{

class Tonewheel::Impl
{
};

Tonewheel::Tonewheel() : d(std::make_unique<Impl>()) {}
Tonewheel::~Tonewheel() = default;
int16_t Tonewheel::OpenSong(const std::string&, const std::string&)
{
    return 0;
}
int16_t Tonewheel::PlaySong()
{
    return 0;
}
int16_t Tonewheel::PauseSong()
{
    return 0;
}
int16_t Tonewheel::SeekTo(int32_t)
{
    return 0;
}
int16_t Tonewheel::StopSong()
{
    return 0;
}
int16_t Tonewheel::SetVolume(int16_t, int16_t)
{
    return 0;
}
int16_t Tonewheel::VolumeA() const
{
    return 0;
}
int16_t Tonewheel::VolumeB() const
{
    return 0;
}
int32_t Tonewheel::FrameCount() const
{
    return 0;
}
float Tonewheel::FrameMs() const
{
    return 0;
}
int32_t Tonewheel::StreamFrequency() const
{
    return 0;
}
int32_t Tonewheel::StreamBitrate() const
{
    return 0;
}
std::string Tonewheel::TagField1() const
{
    return {};
}
std::string Tonewheel::TagField2() const
{
    return {};
}
bool Tonewheel::HasTag() const
{
    return false;
}
int16_t Tonewheel::IsPlaying() const
{
    return 0;
}

} // namespace platform
