#include "tools/frmDecoder.h"

frmDecoder::frmDecoder() : forms::Form(frmDecoderLayout::form)
{
    // The conversion queue and the close.
    Image1.onClick = [this] { Image1_Click(); };
    imgClose.onClick = [this] { imgClose_Click(); };
    picMp3.onMouseDown = [this](int Button, int Shift, float X, float Y) {
        picMp3_MouseDown(Button, Shift, X, Y);
    };
    picMp3.onMouseUp = [this](int Button, int Shift, float X, float Y) {
        picMp3_MouseUp(Button, Shift, X, Y);
    };
    picWav.onMouseDown = [this](int Button, int Shift, float X, float Y) {
        picWav_MouseDown(Button, Shift, X, Y);
    };
    picWav.onMouseUp = [this](int Button, int Shift, float X, float Y) {
        picWav_MouseUp(Button, Shift, X, Y);
    };
    picDecode.onMouseDown = [this](int Button, int Shift, float X, float Y) {
        picDecode_MouseDown(Button, Shift, X, Y);
    };
    picDecode.onMouseUp = [this](int Button, int Shift, float X, float Y) {
        picDecode_MouseUp(Button, Shift, X, Y);
    };
    Tonewheel1.onActFrame = [this](int32_t frame) { Tonewheel1_ActFrame(frame); };
    Tonewheel1.onThreadEnded = [this] { Tonewheel1_ThreadEnded(); };
}
