#include "playlist/frmPlaylist.h"

frmPlaylist::frmPlaylist() : forms::Form(frmPlaylistLayout::form)
{
    add1.onMouseDown = forms::bind(this, &frmPlaylist::add1_MouseDown);
    add1.onMouseUp = forms::bind(this, &frmPlaylist::add1_MouseUp);
    Delete1.onMouseDown = forms::bind(this, &frmPlaylist::Delete1_MouseDown);
    Delete1.onMouseUp = forms::bind(this, &frmPlaylist::Delete1_MouseUp);
    imgClear.onMouseDown = forms::bind(this, &frmPlaylist::imgClear_MouseDown);
    imgClear.onMouseUp = forms::bind(this, &frmPlaylist::imgClear_MouseUp);
    imgLoad.onMouseDown = forms::bind(this, &frmPlaylist::imgLoad_MouseDown);
    imgLoad.onMouseUp = forms::bind(this, &frmPlaylist::imgLoad_MouseUp);
    imgSave.onMouseDown = forms::bind(this, &frmPlaylist::imgSave_MouseDown);
    imgSave.onMouseUp = forms::bind(this, &frmPlaylist::imgSave_MouseUp);
    Minimize.onMouseDown = forms::bind(this, &frmPlaylist::Minimize_MouseDown);
    Minimize.onMouseUp = forms::bind(this, &frmPlaylist::Minimize_MouseUp);
    pclose.onMouseDown = forms::bind(this, &frmPlaylist::pclose_MouseDown);
    pclose.onMouseUp = forms::bind(this, &frmPlaylist::pclose_MouseUp);
    List1.onClick = forms::bind(this, &frmPlaylist::List1_Click);
    List1.onDblClick = forms::bind(this, &frmPlaylist::List1_DblClick);
    List7.onClick = forms::bind(this, &frmPlaylist::List7_Click);
    List7.onDblClick = forms::bind(this, &frmPlaylist::List7_DblClick);
}
