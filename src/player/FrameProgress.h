#pragma once

// What one played frame shows on the main window: the frame figure, the four time captions,
// the seek thumb, the end mark and the elapsed time, and whether the song is over.

#include "player/FrameScale.h"

#include <cstdint>
#include <string>

struct FrameProgress {
    std::string Label2;  // frame number
    std::string Label10; // total minutes
    std::string Label7;  // total seconds within the last minute
    std::string Label4;  // elapsed seconds within the current minute
    std::string Label3;  // elapsed minutes
    int ThumbLeft = 0;   // Picture11.Left, twips
    std::string Text7;   // end mark, ms
    std::string Text5;   // elapsed seconds with their fraction
    double ElapsedMs = 0;
    bool AtEnd = false; // the last frame has been played: stop and start the next song
};

// Two digits of minutes: from 100 minutes on a row holds at 99:59, the most it can show.
inline constexpr int LastMinute = 99;
inline constexpr int LastSecond = 59;

// The seek thumb's travel for a song of frameCount frames: ten frames to a twip where the track
// fits in the window.
FrameScale seekScale(std::int32_t frameCount);

// frameMs as the component reports it (a non-number counts as 0 ms).
FrameProgress frameProgress(float frameMs, std::int32_t frameCount, std::int32_t actFrame);
