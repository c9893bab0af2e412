#pragma once

#include "platform/forms/Controls.h"
#include "platform/forms/Dialogs.h"

#include <cstdint>
#include <functional>
#include <string>

namespace tools
{

// The parts of a tool window that its queue steps read and write: the two lists hold the
// inputs and outputs pair by pair, the name boxes show the pair being converted, and the start
// button shows its busy look while the queue runs.
struct ConversionQueue {
    forms::ListBox& List1;
    forms::ListBox& List2;
    forms::TextBox& txtFilename;
    forms::TextBox& txtOutname;
    forms::Control& StartButton;
    forms::Control& BusyLook;
    int& JobIndex;
    bool& RunFailed;
    std::string& InFile;
    std::string& OutFile;
};

// Starts the pair at JobIndex with `run` (which opens and starts InFile -> OutFile), shows it in
// both lists and name boxes, and moves JobIndex past it. A pair whose output names its own input
// is passed over, so the input survives, and counts as not written (RunFailed); so is an empty
// first pair (a cancelled pick), which is no pair at all. The
// queue is over at the first later position whose input or output is missing or empty: nothing
// is started then (an empty output would play to the sound device instead of writing a file),
// the start button comes back (its busy look takes no clicks, so it must never be left showing)
// and the answer is false.
bool StartNextPair(const ConversionQueue& q, const std::function<void()>& run);

// A picker: the dialog with `filter`, then the name it holds (the last chosen, also after a
// cancel) queued in `list` and shown in `box`.
void PickInto(forms::CommonDialog& dialog, const char* filter, forms::ListBox& list, forms::TextBox& box);

// An unloaded tool window takes no more events of its component, which lives until the window
// object goes: an event still queued must not start the next pair of a closed window.
template <class Component> void DetachEvents(Component& component)
{
    component.onActFrame = nullptr;
    component.onThreadEnded = nullptr;
}

// The status word of a job that has just ended, by whether the component wrote its output
// whole, and at the end of the queue, by whether any pair of the run was not written.
std::string EndWord(bool failed);

// The encoder's progress: the nearest whole percentage of frame in frameCount (halves to even)
// followed by " %"; empty when the count is not known (0), so nothing is divided by it.
std::string PercentText(int32_t frame, int32_t frameCount);

} // namespace tools
