#pragma once

#include "platform/audio/Presswork.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/Form.h"
#include "tools/frmEncoderLayout.h"

#include <cstdint>
#include <string>

// The WAV-to-MP3 tool. Controls are declared in layout order, which is also their stacking order.
class frmEncoder : public forms::Form
{
  public:
    frmEncoder();

    // The WAV-to-MP3 queue through Presswork1 at the chosen rates, the placement and the close.
    void Form_Load() override;
    void Form_Unload(int& Cancel) override;
    void Image2_Click();
    void Image1_Click();
    void wav1_MouseDown(int Button, int Shift, float X, float Y);
    void wav1_MouseUp(int Button, int Shift, float X, float Y);
    void mp31_MouseDown(int Button, int Shift, float X, float Y);
    void mp31_MouseUp(int Button, int Shift, float X, float Y);
    void encode1_MouseDown(int Button, int Shift, float X, float Y);
    void encode1_MouseUp(int Button, int Shift, float X, float Y);
    void Presswork1_ActFrame(int32_t ActFrame);
    void Presswork1_ThreadEnded();
    int32_t BitsPerSec = 0; // the bit rate sent at the last start
    int JobIndex = 0;       // the pair to start next
    bool RunFailed = false; // a pair of this run was not written
    std::string InFile, OutFile;

    // A press on the background: the window drag (and the Options menu where the window has it).
    void Form_MouseDown(int Button, int Shift, float X, float Y) override;

    forms::ListBox List1{*this, frmEncoderLayout::row("List1")};
    forms::ListBox List2{*this, frmEncoderLayout::row("List2")};
    forms::TextBox txtFilename{*this, frmEncoderLayout::row("txtFilename")};
    forms::TextBox txtOutname{*this, frmEncoderLayout::row("txtOutname")};
    forms::ComboBox Combo1{*this, frmEncoderLayout::row("Combo1")};
    forms::ComboBox Combo2{*this, frmEncoderLayout::row("Combo2")};
    forms::Label Label1{*this, frmEncoderLayout::row("Label1")};
    forms::Label lblComplete{*this, frmEncoderLayout::row("lblComplete")};
    forms::Image wav1{*this, frmEncoderLayout::row("wav1")};
    forms::Image wav2{*this, frmEncoderLayout::row("wav2")};
    forms::Image mp31{*this, frmEncoderLayout::row("mp31")};
    forms::Image mp32{*this, frmEncoderLayout::row("mp32")};
    forms::Image encode1{*this, frmEncoderLayout::row("encode1")};
    forms::Image encode2{*this, frmEncoderLayout::row("encode2")};
    forms::Image Image2{*this, frmEncoderLayout::row("Image2")};
    forms::Image Image1{*this, frmEncoderLayout::row("Image1")};
    forms::CommonDialog CommonDialog1;
    forms::CommonDialog CommonDialog2;
    // Last, so that it stops before any control it reports to goes away.
    platform::Presswork Presswork1;
};
