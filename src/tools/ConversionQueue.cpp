#include "tools/ConversionQueue.h"

#include "player/NumberText.h"

#include <filesystem>
#include <system_error>

namespace tools
{

namespace
{

// True when converting `input` into `output` would write over the input itself.
bool sameFile(const std::string& input, const std::string& output)
{
    if (input == output) return true;
    std::error_code ec; // a name that does not exist yet cannot be the input
    return std::filesystem::equivalent(input, output, ec) && !ec;
}

} // namespace

bool StartNextPair(const ConversionQueue& q, const std::function<void()>& run)
{
    std::string input, output;
    for (;; ++q.JobIndex) {
        input = q.List1.List(q.JobIndex);
        output = q.List2.List(q.JobIndex);
        // A run's first pair, left empty by a cancelled pick, must not block the pairs behind it.
        if ((input.empty() || output.empty()) && q.JobIndex == 0) continue;
        if (input.empty() || output.empty()) {
            q.StartButton.setVisible(true);
            q.BusyLook.setVisible(false);
            return false;
        }
        if (!sameFile(input, output)) break;
        q.RunFailed = true;
    }
    q.InFile = input;
    q.OutFile = output;
    run();
    q.List1.setListIndex(q.JobIndex);
    q.List2.setListIndex(q.JobIndex);
    q.txtFilename.setText(input);
    q.txtOutname.setText(output);
    ++q.JobIndex;
    return true;
}

void PickInto(forms::CommonDialog& dialog, const char* filter, forms::ListBox& list, forms::TextBox& box)
{
    dialog.Filter = filter;
    dialog.ShowOpen();
    list.AddItem(dialog.FileName);
    box.setText(dialog.FileName);
}

std::string EndWord(bool failed)
{
    return failed ? "Failed" : "Complete";
}

std::string PercentText(int32_t frame, int32_t frameCount)
{
    if (frameCount <= 0) return {};
    // The product in 64 bits: hours of input do not overflow it.
    const long long percent = numbers::nearest(double(int64_t(frame) * 100) / frameCount);
    return numbers::text(percent) + " %";
}

} // namespace tools
