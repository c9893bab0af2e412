#include "player/Player.h"

Player::Player() : forms::Form(PlayerLayout::form)
{
    File1.setPattern("*.mp3*");
    imgpause.onClick = [this] { imgpause_Click(); };
    imgPauseP.onClick = [this] { imgPauseP_Click(); };
    imgstop.onClick = [this] { imgstop_Click(); };
    imgSeek1.onMouseDown = [this](int B, int S, float X, float Y) { imgSeek1_MouseDown(B, S, X, Y); };
    imgSeek1.onMouseUp = [this](int B, int S, float X, float Y) { imgSeek1_MouseUp(B, S, X, Y); };
    imgseek2.onMouseDown = [this](int B, int S, float X, float Y) { imgseek2_MouseDown(B, S, X, Y); };
    imgseek2.onMouseUp = [this](int B, int S, float X, float Y) { imgseek2_MouseUp(B, S, X, Y); };
    Picture11.onMouseDown = [this](int B, int S, float X, float Y) { Picture11_MouseDown(B, S, X, Y); };
    Picture11.onMouseMove = [this](int B, int S, float X, float Y) { Picture11_MouseMove(B, S, X, Y); };
    Picture11.onMouseUp = [this](int B, int S, float X, float Y) { Picture11_MouseUp(B, S, X, Y); };
    imgVolumeDown.onMouseDown = [this](int B, int S, float X, float Y) {
        imgVolumeDown_MouseDown(B, S, X, Y);
    };
    imgVolumeDown.onMouseUp = [this](int B, int S, float X, float Y) { imgVolumeDown_MouseUp(B, S, X, Y); };
    imgVolumeUp.onMouseDown = [this](int B, int S, float X, float Y) { imgVolumeUp_MouseDown(B, S, X, Y); };
    imgVolumeUp.onMouseUp = [this](int B, int S, float X, float Y) { imgVolumeUp_MouseUp(B, S, X, Y); };
    Timer6.onTimer = [this] { Timer6_Timer(); };
    Timer7.onTimer = [this] { Timer7_Timer(); };
    shuffle1.onClick = [this] { shuffle1_Click(); };
    Shuffle2.onClick = [this] { Shuffle2_Click(); };
    imgplay.onClick = [this] { imgplay_Click(); };
    Timer10.onTimer = [this] { Timer10_Timer(); };
    Timer5.onTimer = [this] { Timer5_Timer(); };
    Tonewheel1.onActFrame = [this](int32_t frame) { Tonewheel1_ActFrame(frame); };
    Label10.onChange = [this] { Label10_Change(); };
    Label7.onChange = [this] { Label7_Change(); };
    Label3.onChange = [this] { Label3_Change(); };
    Label4.onChange = [this] { Label4_Change(); };
    ShadeMode.onClick = [this] { ShadeMode_Click(); };
    Drive1.onChange = [this] { Drive1_Change(); };
    Dir1.onChange = [this] { Dir1_Change(); };
    File1.onClick = [this] { File1_Click(); };
    imgLoad.onMouseDown = [this](int B, int S, float X, float Y) { imgLoad_MouseDown(B, S, X, Y); };
    imgLoad.onMouseUp = [this](int B, int S, float X, float Y) { imgLoad_MouseUp(B, S, X, Y); };
    imgClose.onMouseDown = [this](int B, int S, float X, float Y) { imgClose_MouseDown(B, S, X, Y); };
    imgClose.onMouseUp = [this](int B, int S, float X, float Y) { imgClose_MouseUp(B, S, X, Y); };
    Minimize.onMouseDown = [this](int B, int S, float X, float Y) { Minimize_MouseDown(B, S, X, Y); };
    Minimize.onMouseUp = [this](int B, int S, float X, float Y) { Minimize_MouseUp(B, S, X, Y); };
    Playlist.onClick = [this] { Playlist_Click(); };
    Tools.onClick = [this] { Tools_Click(); };
}
