#include "playlist/PlaylistStore.h"

#include "platform/forms/Controls.h"
#include "platform/forms/Dialogs.h"
#include "playlist/PlaylistFile.h"
#include "playlist/frmPlaylist.h"

namespace playlist
{

bool ReadPL(forms::ListBox& list, const std::string& F)
{
    auto entries = readPlaylist(F);
    if (!entries) return false;
    PLClear(list);
    list.AddItems(*entries);
    return true;
}

void WritePL(const forms::ListBox& list, const std::string& F)
{
    std::vector<std::string> entries;
    const int count = list.ListCount();
    entries.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        entries.push_back(list.List(i));
    if (!writePlaylist(F, entries)) forms::MsgBox("Unable to write Playlist!", forms::vbOKOnly, "Sonavel");
}

void PLClear(forms::ListBox& list)
{
    list.Clear();
}

bool ReadPL(const std::string& F)
{
    return ReadPL(forms::the<frmPlaylist>().List1, F);
}

void WritePL(const std::string& F)
{
    WritePL(forms::the<frmPlaylist>().List1, F);
}

void PLClear()
{
    PLClear(forms::the<frmPlaylist>().List1);
}

} // namespace playlist
