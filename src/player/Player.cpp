#include "player/Player.h"

Player::Player() : forms::Form(PlayerLayout::form)
{
    File1.setPattern("*.mp3*");
    imgplay.onClick = [this] { imgplay_Click(); };
    Timer10.onTimer = [this] { Timer10_Timer(); };
    Timer5.onTimer = [this] { Timer5_Timer(); };
    Tonewheel1.onActFrame = [this](int32_t frame) { Tonewheel1_ActFrame(frame); };
}
