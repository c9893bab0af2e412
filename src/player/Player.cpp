#include "player/Player.h"

Player::Player() : forms::Form(PlayerLayout::form)
{
    File1.setPattern("*.mp3*");
    imgpause.onClick = forms::bind(this, &Player::imgpause_Click);
    imgPauseP.onClick = forms::bind(this, &Player::imgPauseP_Click);
    imgstop.onClick = forms::bind(this, &Player::imgstop_Click);
    imgSeek1.onMouseDown = forms::bind(this, &Player::imgSeek1_MouseDown);
    imgSeek1.onMouseUp = forms::bind(this, &Player::imgSeek1_MouseUp);
    imgseek2.onMouseDown = forms::bind(this, &Player::imgseek2_MouseDown);
    imgseek2.onMouseUp = forms::bind(this, &Player::imgseek2_MouseUp);
    Picture11.onMouseDown = forms::bind(this, &Player::Picture11_MouseDown);
    Picture11.onMouseMove = forms::bind(this, &Player::Picture11_MouseMove);
    Picture11.onMouseUp = forms::bind(this, &Player::Picture11_MouseUp);
    imgVolumeDown.onMouseDown = forms::bind(this, &Player::imgVolumeDown_MouseDown);
    imgVolumeDown.onMouseUp = forms::bind(this, &Player::imgVolumeDown_MouseUp);
    imgVolumeUp.onMouseDown = forms::bind(this, &Player::imgVolumeUp_MouseDown);
    imgVolumeUp.onMouseUp = forms::bind(this, &Player::imgVolumeUp_MouseUp);
    Timer6.onTimer = forms::bind(this, &Player::Timer6_Timer);
    Timer7.onTimer = forms::bind(this, &Player::Timer7_Timer);
    shuffle1.onClick = forms::bind(this, &Player::shuffle1_Click);
    Shuffle2.onClick = forms::bind(this, &Player::Shuffle2_Click);
    imgplay.onClick = forms::bind(this, &Player::imgplay_Click);
    Timer10.onTimer = forms::bind(this, &Player::Timer10_Timer);
    Timer5.onTimer = forms::bind(this, &Player::Timer5_Timer);
    Tonewheel1.onActFrame = [this](int32_t frame) { Tonewheel1_ActFrame(frame); };
    Label10.onChange = forms::bind(this, &Player::Label10_Change);
    Label7.onChange = forms::bind(this, &Player::Label7_Change);
    Label3.onChange = forms::bind(this, &Player::Label3_Change);
    Label4.onChange = forms::bind(this, &Player::Label4_Change);
    ShadeMode.onClick = forms::bind(this, &Player::ShadeMode_Click);
    Drive1.onChange = forms::bind(this, &Player::Drive1_Change);
    Dir1.onChange = forms::bind(this, &Player::Dir1_Change);
    File1.onClick = forms::bind(this, &Player::File1_Click);
    imgLoad.onMouseDown = forms::bind(this, &Player::imgLoad_MouseDown);
    imgLoad.onMouseUp = forms::bind(this, &Player::imgLoad_MouseUp);
    imgClose.onMouseDown = forms::bind(this, &Player::imgClose_MouseDown);
    imgClose.onMouseUp = forms::bind(this, &Player::imgClose_MouseUp);
    Minimize.onMouseDown = forms::bind(this, &Player::Minimize_MouseDown);
    Minimize.onMouseUp = forms::bind(this, &Player::Minimize_MouseUp);
    Playlist.onClick = forms::bind(this, &Player::Playlist_Click);
    Tools.onClick = forms::bind(this, &Player::Tools_Click);
}
