#include "compact/Shade.h"

Shade::Shade() : forms::Form(ShadeLayout::form)
{
    PauseS.onClick = [this] { PauseS_Click(); };
    PauseS2.onClick = [this] { PauseS2_Click(); };
    StopS.onMouseUp = [this](int B, int S, float X, float Y) { StopS_MouseUp(B, S, X, Y); };
    NextS.onMouseDown = [this](int B, int S, float X, float Y) { NextS_MouseDown(B, S, X, Y); };
    NextS.onMouseUp = [this](int B, int S, float X, float Y) { NextS_MouseUp(B, S, X, Y); };
    PreviousS.onMouseDown = [this](int B, int S, float X, float Y) { PreviousS_MouseDown(B, S, X, Y); };
    PreviousS.onMouseUp = [this](int B, int S, float X, float Y) { PreviousS_MouseUp(B, S, X, Y); };
    PlayS.onMouseUp = [this](int Button, int Shift, float X, float Y) { PlayS_MouseUp(Button, Shift, X, Y); };
    shadeshade.onMouseDown = [this](int B, int S, float X, float Y) { shadeshade_MouseDown(B, S, X, Y); };
    shadeshade.onMouseUp = [this](int B, int S, float X, float Y) { shadeshade_MouseUp(B, S, X, Y); };
    shadeClose.onMouseDown = [this](int B, int S, float X, float Y) { shadeClose_MouseDown(B, S, X, Y); };
    shadeClose.onMouseUp = [this](int B, int S, float X, float Y) { shadeClose_MouseUp(B, S, X, Y); };
    LoadS.onMouseDown = [this](int B, int S, float X, float Y) { LoadS_MouseDown(B, S, X, Y); };
    LoadS.onMouseUp = [this](int B, int S, float X, float Y) { LoadS_MouseUp(B, S, X, Y); };
}
