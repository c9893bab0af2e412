#pragma once

#include "compact/ShadeLayout.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

// The compact strip. Controls are declared in layout order, which is also their stacking order.
class Shade : public forms::Form
{
  public:
    Shade();

    // A press on the background: the window drag (and the Options menu where the window has it).
    void Form_MouseDown(int Button, int Shift, float X, float Y) override;

    // Transport buttons: the main window's commands.
    void PauseS_Click();
    void PauseS2_Click();
    void StopS_MouseUp(int Button, int Shift, float X, float Y);
    void NextS_MouseDown(int Button, int Shift, float X, float Y);
    void NextS_MouseUp(int Button, int Shift, float X, float Y);
    void PreviousS_MouseDown(int Button, int Shift, float X, float Y);
    void PreviousS_MouseUp(int Button, int Shift, float X, float Y);

    void PlayS_MouseUp(int Button, int Shift, float X, float Y);

    // The way back to the main window and the end button.
    void shadeshade_MouseDown(int Button, int Shift, float X, float Y);
    void shadeshade_MouseUp(int Button, int Shift, float X, float Y);
    void shadeClose_MouseDown(int Button, int Shift, float X, float Y);
    void shadeClose_MouseUp(int Button, int Shift, float X, float Y);

    // The load button: the load-playlist command on the main window.
    void LoadS_MouseDown(int Button, int Shift, float X, float Y);
    void LoadS_MouseUp(int Button, int Shift, float X, float Y);

    forms::PictureBox colon{*this, ShadeLayout::row("colon")};
    forms::PictureBox time4{*this, ShadeLayout::row("time4")};
    forms::PictureBox time3{*this, ShadeLayout::row("time3")};
    forms::PictureBox time2{*this, ShadeLayout::row("time2")};
    forms::PictureBox Time1{*this, ShadeLayout::row("Time1")};
    forms::Image shadeClose{*this, ShadeLayout::row("shadeClose")};
    forms::Image shadeshade{*this, ShadeLayout::row("shadeshade")};
    forms::Image LoadS{*this, ShadeLayout::row("LoadS")};
    forms::Image NextS{*this, ShadeLayout::row("NextS")};
    forms::Image PreviousS{*this, ShadeLayout::row("PreviousS")};
    forms::Image StopS{*this, ShadeLayout::row("StopS")};
    forms::Image PauseS{*this, ShadeLayout::row("PauseS")};
    forms::Image PlayS{*this, ShadeLayout::row("PlayS")};
    forms::Image PauseS2{*this, ShadeLayout::row("PauseS2")};
};
