#pragma once

// A bar that stands for a job's frames: ten frames to a twip while the job fits in the room
// the window gives; a longer job is spread over that room, so its end stays on the window.

#include <algorithm>
#include <cstdint>

class FrameScale
{
  public:
    FrameScale(std::int32_t frameCount, int room)
        : span_(std::max(frameCount, 0) / 10), room_(std::max(room, 1))
    {
    }

    // The bar's length in twips: frameCount \ 10, at most the room.
    int width() const { return static_cast<int>(std::min<std::int64_t>(span_, room_)); }
    bool scaled() const { return span_ > room_; }

    // Where a frame stands on the bar, 0 .. width().
    int twipsOf(std::int64_t frame) const
    {
        const std::int64_t tens = std::max<std::int64_t>(frame, 0) / 10;
        const std::int64_t at = scaled() ? tens * room_ / span_ : tens;
        return static_cast<int>(std::min<std::int64_t>(at, width()));
    }
    // The frame a place on the bar stands for: the inverse of twipsOf, so the bar's end is the
    // job's end.
    std::int32_t frameOf(std::int64_t twips) const
    {
        const std::int64_t at = std::clamp<std::int64_t>(twips, 0, width());
        return static_cast<std::int32_t>(scaled() ? at * span_ / room_ * 10 : at * 10);
    }

  private:
    std::int64_t span_, room_;
};
