#include "player/FrameProgress.h"

#include "player/FrameScale.h"
#include "player/NumberText.h"
#include "player/PlayerLayout.h"

#include <algorithm>
#include <cmath>

using numbers::nearest;
using numbers::text;

namespace
{
constexpr std::int64_t MostSeconds = LastMinute * 60 + LastSecond;
} // namespace

FrameScale seekScale(std::int32_t frameCount)
{
    return FrameScale(frameCount, PlayerLayout::seekTrackMaxWidth - PlayerLayout::seekThumbRoom);
}

FrameProgress frameProgress(float frameMsIn, std::int32_t frameCount, std::int32_t actFrame)
{
    // All products in double and whole numbers in 64 bits: hours-long files must not overflow.
    const double frameMs = std::isfinite(frameMsIn) ? static_cast<double>(frameMsIn) : 0.0;
    FrameProgress p;
    p.Label2 = text(static_cast<long long>(actFrame));

    const std::int64_t total = std::min(nearest(frameMs * frameCount) / 1000, MostSeconds);
    p.Label10 = text(static_cast<long long>(total / 60));
    p.Label7 = text(static_cast<long long>(total % 60));

    const std::int64_t elapsed = std::min(nearest(frameMs * actFrame) / 1000, MostSeconds);
    p.Label4 = text(static_cast<long long>(elapsed % 60));
    p.Label3 = text(static_cast<long long>(elapsed / 60));

    p.ThumbLeft = seekScale(frameCount).twipsOf(actFrame);

    // The mark is the start of the last frame: the component raises that frame when a song
    // runs out (and frame 0 of a file it cannot play), so every song ends after its last frame.
    p.Text7 = text(frameMs * (static_cast<double>(frameCount) - 1));
    p.Text5 = text(frameMs * actFrame / 1000);
    p.ElapsedMs = frameMs * actFrame;
    // Compared as both texts read back: the mark's 15-digit text may round above the exact
    // product, which would otherwise keep the last frame from ever ending the song.
    p.AtEnd = numbers::value(p.Text7) <= numbers::value(text(p.ElapsedMs));
    return p;
}
