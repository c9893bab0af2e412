#include "player/WindowDrag.h"

#include "compact/Shade.h"
#include "menu/About.h"
#include "platform/forms/Menu.h"
#include "player/Player.h"
#include "playlist/frmPlaylist.h"
#include "tools/frmDecoder.h"
#include "tools/frmEncoder.h"

namespace windows
{

void PopupOptions(forms::Form& window)
{
    forms::PopupMenu(window, forms::the<About>().mnuFile);
}

void DragWindow(forms::Form& window, int Button, RightButton right)
{
    if (Button == 2 && right == RightButton::PopsMenu) {
        PopupOptions(window);
        return;
    }
    window.DragWindow();
}

} // namespace windows

void Player::Form_MouseDown(int Button, int, float, float)
{
    windows::DragWindow(*this, Button, windows::RightButton::PopsMenu);
}

void Shade::Form_MouseDown(int Button, int, float, float)
{
    windows::DragWindow(*this, Button, windows::RightButton::PopsMenu);
}

void frmDecoder::Form_MouseDown(int Button, int, float, float)
{
    windows::DragWindow(*this, Button, windows::RightButton::PopsMenu);
}

void frmEncoder::Form_MouseDown(int Button, int, float, float)
{
    windows::DragWindow(*this, Button, windows::RightButton::PopsMenu);
}

void frmPlaylist::Form_MouseDown(int Button, int, float, float)
{
    windows::DragWindow(*this, Button, windows::RightButton::Drags);
}
