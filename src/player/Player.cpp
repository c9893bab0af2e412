#include "player/Player.h"

Player::Player() : forms::Form(PlayerLayout::form)
{
    File1.setPattern("*.mp3*");
}
