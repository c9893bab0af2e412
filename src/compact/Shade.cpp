#include "compact/Shade.h"

Shade::Shade() : forms::Form(ShadeLayout::form)
{
    PlayS.onMouseUp = [this](int Button, int Shift, float X, float Y) { PlayS_MouseUp(Button, Shift, X, Y); };
}
