#pragma once

// The playlist procedures over a list box; both windows' commands end up here.

#include <string>

namespace forms
{
class ListBox;
}

namespace playlist
{

// Replaces the list's entries with those of the playlist file F. False when F cannot be
// opened; the list is then untouched and the caller decides what follows.
bool ReadPL(forms::ListBox& list, const std::string& F);
// Writes every entry to F as a plain list; a failure leaves F as it was and is shown to the
// user as "Unable to write Playlist!".
void WritePL(const forms::ListBox& list, const std::string& F);
void PLClear(forms::ListBox& list);

// The same on the playlist window's List1, the playlist that both windows' commands act on.
bool ReadPL(const std::string& F);
void WritePL(const std::string& F);
void PLClear();

} // namespace playlist
