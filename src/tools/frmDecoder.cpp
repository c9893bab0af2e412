#include "tools/frmDecoder.h"

frmDecoder::frmDecoder() : forms::Form(frmDecoderLayout::form)
{
    // The conversion queue and the close.
    Image1.onClick = forms::bind(this, &frmDecoder::Image1_Click);
    imgClose.onClick = forms::bind(this, &frmDecoder::imgClose_Click);
    picMp3.onMouseDown = forms::bind(this, &frmDecoder::picMp3_MouseDown);
    picMp3.onMouseUp = forms::bind(this, &frmDecoder::picMp3_MouseUp);
    picWav.onMouseDown = forms::bind(this, &frmDecoder::picWav_MouseDown);
    picWav.onMouseUp = forms::bind(this, &frmDecoder::picWav_MouseUp);
    picDecode.onMouseDown = forms::bind(this, &frmDecoder::picDecode_MouseDown);
    picDecode.onMouseUp = forms::bind(this, &frmDecoder::picDecode_MouseUp);
    Tonewheel1.onActFrame = [this](int32_t frame) { Tonewheel1_ActFrame(frame); };
    Tonewheel1.onThreadEnded = forms::bind(this, &frmDecoder::Tonewheel1_ThreadEnded);
}
