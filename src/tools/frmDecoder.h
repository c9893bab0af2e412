#pragma once

#include "platform/audio/Tonewheel.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/Form.h"
#include "tools/frmDecoderLayout.h"

#include <cstdint>
#include <string>

// The MP3-to-WAV tool. Controls are declared in layout order, which is also their stacking order.
class frmDecoder : public forms::Form
{
  public:
    frmDecoder();

    // The MP3-to-WAV queue through Tonewheel1, the window's placement and its close.
    void Form_Load() override;
    void Form_Unload(int& Cancel) override;
    void Image1_Click();
    void imgClose_Click();
    void picMp3_MouseDown(int Button, int Shift, float X, float Y);
    void picMp3_MouseUp(int Button, int Shift, float X, float Y);
    void picWav_MouseDown(int Button, int Shift, float X, float Y);
    void picWav_MouseUp(int Button, int Shift, float X, float Y);
    void picDecode_MouseDown(int Button, int Shift, float X, float Y);
    void picDecode_MouseUp(int Button, int Shift, float X, float Y);
    void Tonewheel1_ActFrame(int32_t ActFrame);
    void Tonewheel1_ThreadEnded();
    int JobIndex = 0;       // the pair to start next
    bool RunFailed = false; // a pair of this run was not written
    std::string InFile, OutFile;

    // A press on the background: the window drag (and the Options menu where the window has it).
    void Form_MouseDown(int Button, int Shift, float X, float Y) override;

    forms::ListBox List1{*this, frmDecoderLayout::row("List1")};
    forms::ListBox List2{*this, frmDecoderLayout::row("List2")};
    forms::TextBox txtFilename{*this, frmDecoderLayout::row("txtFilename")};
    forms::TextBox txtOutname{*this, frmDecoderLayout::row("txtOutname")};
    forms::PictureBox picMp3{*this, frmDecoderLayout::row("picMp3")};
    forms::PictureBox picMp3b{*this, frmDecoderLayout::row("picMp3b")};
    forms::PictureBox picWav{*this, frmDecoderLayout::row("picWav")};
    forms::PictureBox picWav2{*this, frmDecoderLayout::row("picWav2")};
    forms::PictureBox picDecode{*this, frmDecoderLayout::row("picDecode")};
    forms::PictureBox picDecode2{*this, frmDecoderLayout::row("picDecode2")};
    forms::PictureBox Picture1{*this, frmDecoderLayout::row("Picture1")};
    forms::PictureBox Picture2{Picture1, frmDecoderLayout::row("Picture2")};
    forms::Label lblComplete{*this, frmDecoderLayout::row("lblComplete")};
    forms::Image Image1{*this, frmDecoderLayout::row("Image1")};
    forms::Image imgClose{*this, frmDecoderLayout::row("imgClose")};
    forms::CommonDialog CommonDialog1;
    forms::CommonDialog CommonDialog2;
    // Last, so that it stops before any control it reports to goes away.
    platform::Tonewheel Tonewheel1;
};
