#pragma once

// Where the skinned windows open.

#include "platform/forms/Dialogs.h"
#include "platform/forms/Form.h"
#include "player/NumberText.h"

namespace windows
{

// Centres a window on the screen, then moves it `leftShift` twips to the left. The halves are
// taken in floating point and rounded to the nearest twip, halves to even.
inline void CentreOnScreen(forms::Form& window, int leftShift = 0)
{
    window.setTop(int(numbers::nearest((forms::Screen::Height() - window.Height()) / 2.0)));
    window.setLeft(int(numbers::nearest((forms::Screen::Width() - window.Width()) / 2.0 - leftShift)));
}

} // namespace windows
