#pragma once

#include "platform/forms/Controls.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/Form.h"
#include "playlist/frmPlaylistLayout.h"

// The playlist window. Controls are declared in layout order, which is also their stacking order.
class frmPlaylist : public forms::Form
{
  public:
    frmPlaylist();

    // A press on the background drags the window, whatever the button.
    void Form_MouseDown(int Button, int Shift, float X, float Y) override;

    // Buttons (press look on the down, the command on the up) and the lists' picks.
    void add1_MouseDown(int Button, int Shift, float X, float Y);
    void add1_MouseUp(int Button, int Shift, float X, float Y);
    void Delete1_MouseDown(int Button, int Shift, float X, float Y);
    void Delete1_MouseUp(int Button, int Shift, float X, float Y);
    void imgClear_MouseDown(int Button, int Shift, float X, float Y);
    void imgClear_MouseUp(int Button, int Shift, float X, float Y);
    void imgLoad_MouseDown(int Button, int Shift, float X, float Y);
    void imgLoad_MouseUp(int Button, int Shift, float X, float Y);
    void imgSave_MouseDown(int Button, int Shift, float X, float Y);
    void imgSave_MouseUp(int Button, int Shift, float X, float Y);
    void Minimize_MouseDown(int Button, int Shift, float X, float Y);
    void Minimize_MouseUp(int Button, int Shift, float X, float Y);
    void pclose_MouseDown(int Button, int Shift, float X, float Y);
    void pclose_MouseUp(int Button, int Shift, float X, float Y);
    void List1_Click();
    void List1_DblClick();
    void List7_Click();
    void List7_DblClick();

    forms::ListBox List1{*this, frmPlaylistLayout::row("List1")};
    forms::ListBox List7{*this, frmPlaylistLayout::row("List7")};
    forms::TextBox Text1{*this, frmPlaylistLayout::row("Text1")};
    forms::CommonDialog CommonDialog1;
    forms::Image imgSave{*this, frmPlaylistLayout::row("imgSave")};
    forms::Image imgClear{*this, frmPlaylistLayout::row("imgClear")};
    forms::Image imgLoad{*this, frmPlaylistLayout::row("imgLoad")};
    forms::Image add1{*this, frmPlaylistLayout::row("add1")};
    forms::Image Delete1{*this, frmPlaylistLayout::row("Delete1")};
    forms::Image Minimize{*this, frmPlaylistLayout::row("Minimize")};
    forms::Image pclose{*this, frmPlaylistLayout::row("pclose")};
};
