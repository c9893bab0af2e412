#pragma once

// Tests of the program's windows end with none of them left: each goes through its own unload
// (so its components stop reporting) and is deleted before the next test makes it anew.

#include "compact/Shade.h"
#include "menu/About.h"
#include "platform/forms/Form.h"
#include "player/Player.h"
#include "playlist/frmPlaylist.h"
#include "tools/frmDecoder.h"
#include "tools/frmEncoder.h"

namespace testsupport
{

inline void unloadWindows()
{
    forms::Unload<About>();
    forms::Unload<frmDecoder>();
    forms::Unload<frmEncoder>();
    forms::Unload<Shade>();
    forms::Unload<Player>();
    forms::Unload<frmPlaylist>();
    forms::collectUnloaded();
}

} // namespace testsupport
