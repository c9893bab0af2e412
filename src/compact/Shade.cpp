#include "compact/Shade.h"

Shade::Shade() : forms::Form(ShadeLayout::form)
{
    PauseS.onClick = forms::bind(this, &Shade::PauseS_Click);
    PauseS2.onClick = forms::bind(this, &Shade::PauseS2_Click);
    StopS.onMouseUp = forms::bind(this, &Shade::StopS_MouseUp);
    NextS.onMouseDown = forms::bind(this, &Shade::NextS_MouseDown);
    NextS.onMouseUp = forms::bind(this, &Shade::NextS_MouseUp);
    PreviousS.onMouseDown = forms::bind(this, &Shade::PreviousS_MouseDown);
    PreviousS.onMouseUp = forms::bind(this, &Shade::PreviousS_MouseUp);
    PlayS.onMouseUp = forms::bind(this, &Shade::PlayS_MouseUp);
    shadeshade.onMouseDown = forms::bind(this, &Shade::shadeshade_MouseDown);
    shadeshade.onMouseUp = forms::bind(this, &Shade::shadeshade_MouseUp);
    shadeClose.onMouseDown = forms::bind(this, &Shade::shadeClose_MouseDown);
    shadeClose.onMouseUp = forms::bind(this, &Shade::shadeClose_MouseUp);
    LoadS.onMouseDown = forms::bind(this, &Shade::LoadS_MouseDown);
    LoadS.onMouseUp = forms::bind(this, &Shade::LoadS_MouseUp);
}
