#include "playlist/frmPlaylist.h"

frmPlaylist::frmPlaylist() : forms::Form(frmPlaylistLayout::form)
{
    add1.onMouseDown = [this](int B, int S, float X, float Y) { add1_MouseDown(B, S, X, Y); };
    add1.onMouseUp = [this](int B, int S, float X, float Y) { add1_MouseUp(B, S, X, Y); };
    Delete1.onMouseDown = [this](int B, int S, float X, float Y) { Delete1_MouseDown(B, S, X, Y); };
    Delete1.onMouseUp = [this](int B, int S, float X, float Y) { Delete1_MouseUp(B, S, X, Y); };
    imgClear.onMouseDown = [this](int B, int S, float X, float Y) { imgClear_MouseDown(B, S, X, Y); };
    imgClear.onMouseUp = [this](int B, int S, float X, float Y) { imgClear_MouseUp(B, S, X, Y); };
    imgLoad.onMouseDown = [this](int B, int S, float X, float Y) { imgLoad_MouseDown(B, S, X, Y); };
    imgLoad.onMouseUp = [this](int B, int S, float X, float Y) { imgLoad_MouseUp(B, S, X, Y); };
    imgSave.onMouseDown = [this](int B, int S, float X, float Y) { imgSave_MouseDown(B, S, X, Y); };
    imgSave.onMouseUp = [this](int B, int S, float X, float Y) { imgSave_MouseUp(B, S, X, Y); };
    Minimize.onMouseDown = [this](int B, int S, float X, float Y) { Minimize_MouseDown(B, S, X, Y); };
    Minimize.onMouseUp = [this](int B, int S, float X, float Y) { Minimize_MouseUp(B, S, X, Y); };
    pclose.onMouseDown = [this](int B, int S, float X, float Y) { pclose_MouseDown(B, S, X, Y); };
    pclose.onMouseUp = [this](int B, int S, float X, float Y) { pclose_MouseUp(B, S, X, Y); };
    List1.onClick = [this] { List1_Click(); };
    List1.onDblClick = [this] { List1_DblClick(); };
    List7.onClick = [this] { List7_Click(); };
    List7.onDblClick = [this] { List7_DblClick(); };
}
