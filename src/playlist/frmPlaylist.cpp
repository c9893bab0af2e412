#include "playlist/frmPlaylist.h"

frmPlaylist::frmPlaylist() : forms::Form(frmPlaylistLayout::form) {}
