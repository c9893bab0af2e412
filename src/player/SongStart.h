#pragma once

// How the ways of starting a song differ; every one runs the same song start on the main window.

#include "player/Title.h"

struct SongStartMember {
    TitlePads pads;
    bool disablesTimer10; // the one-shot next-song timer switches itself off
    bool movesThumb;      // the play buttons put the seek thumb back at once
    bool hidesPauseP;     // the timer also shows the pause button in its normal look
};

inline constexpr SongStartMember PlayButtonStart{PlayButtonPads, false, true, false};
inline constexpr SongStartMember TimerStartShuffleOn{TimerPadsShuffleOn, true, false, true};
inline constexpr SongStartMember TimerStartShuffleOff{TimerPadsShuffleOff, true, false, true};
