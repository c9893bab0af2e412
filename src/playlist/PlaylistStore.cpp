#include "playlist/PlaylistStore.h"

#include "platform/forms/Controls.h"
#include "platform/forms/Dialogs.h"
#include "playlist/PlaylistFile.h"

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

} // namespace playlist
