// The encoder window: WAV inputs and MP3 outputs queued pair by pair and encoded one after
// another through the encoding component, at the bit rate and sample rate of the two combos.

#include "player/Player.h"
#include "player/WindowPlacement.h"
#include "tools/ConversionQueue.h"
#include "tools/ToolWindows.h"
#include "tools/frmEncoder.h"

#include <array>

namespace
{

constexpr std::array<int32_t, 6> BitRates{128000, 112000, 96000, 64000, 56000, 32000};
constexpr std::array<int32_t, 4> SampleRates{0, 32000, 44100, 48000}; // 0: the encoder's choice

// The entry a combo box shows, or -1 when its text is not one of them (typed by the user).
int chosenEntry(const forms::ComboBox& combo)
{
    const int i = combo.ListIndex();
    return i >= 0 && combo.List(i) == combo.Text() ? i : -1;
}

// Opens and starts the pair at JobIndex; false at the end of the queue.
bool startNextPair(frmEncoder& w)
{
    return tools::StartNextPair({w.List1, w.List2, w.txtFilename, w.txtOutname, w.encode1, w.encode2,
                                 w.JobIndex, w.RunFailed, w.InFile, w.OutFile},
                                [&w] {
                                    // Each pair's share starts afresh: one that fails before
                                    // its first frame shows none rather than the last pair's.
                                    w.Label1.setCaption(std::string(frmEncoderLayout::row("Label1").Caption));
                                    w.Presswork1.OpenSong(w.InFile, w.OutFile);
                                    w.Presswork1.EncodeSong();
                                });
}

} // namespace

void frmEncoder::Form_Load()
{
    windows::CentreOnScreen(*this);
}

void frmEncoder::Form_Unload(int&)
{
    tools::DetachEvents(Presswork1);
}

void frmEncoder::Image2_Click()
{
    setWindowState(1);
}

void frmEncoder::Image1_Click()
{
    CloseToolWindow<frmEncoder>();
}

void frmEncoder::wav1_MouseDown(int, int, float, float)
{
    wav2.setVisible(true);
    wav1.setVisible(false);
}

void frmEncoder::wav1_MouseUp(int, int, float, float)
{
    tools::PickInto(CommonDialog1, "WAV Files|*.WAV|ALL Files|*.*", List1, txtFilename);
    wav1.setVisible(true);
    wav2.setVisible(false);
}

void frmEncoder::mp31_MouseDown(int, int, float, float)
{
    mp31.setVisible(false);
    mp32.setVisible(true);
}

void frmEncoder::mp31_MouseUp(int, int, float, float)
{
    tools::PickInto(CommonDialog2, "MP3 Files|*.mp3|ALL Files|*.*", List2, txtOutname);
    mp32.setVisible(false);
    mp31.setVisible(true);
}

void frmEncoder::encode1_MouseDown(int, int, float, float)
{
    encode1.setVisible(false);
    encode2.setVisible(true);
    forms::the<Player>().Tonewheel1.StopSong();
}

void frmEncoder::encode1_MouseUp(int, int, float, float)
{
    InFile = CommonDialog1.FileName;
    OutFile = CommonDialog2.FileName;
    Presswork1.OpenSong(InFile, OutFile); // never started: the rates below apply to later jobs

    if (const int bits = chosenEntry(Combo1); bits >= 0) BitsPerSec = BitRates[size_t(bits)];
    if (Combo1.Text() == frmEncoderLayout::row("Combo1").Caption) BitsPerSec = 128000;
    // A typed text names no rate: the bit rate of the last start is sent again, and the sample
    // rate stays. "default" hands the rate back to the encoder, even after a start that chose one.
    if (const int rate = chosenEntry(Combo2); rate >= 0)
        Presswork1.setSampleRate(SampleRates[size_t(rate)]);
    else if (Combo2.Text() == frmEncoderLayout::row("Combo2").Caption)
        Presswork1.setSampleRate(0);
    Presswork1.setBitRate(BitsPerSec);

    JobIndex = 0;
    RunFailed = false;
    if (startNextPair(*this)) lblComplete.setVisible(true);
}

void frmEncoder::Presswork1_ActFrame(int32_t ActFrame)
{
    const int32_t frames = Presswork1.FrameCount();
    if (frames > 0) Label1.setCaption(tools::PercentText(ActFrame, frames));
    lblComplete.setCaption("Encoding");
}

void frmEncoder::Presswork1_ThreadEnded()
{
    const bool failed = Presswork1.JobFailed();
    RunFailed = RunFailed || failed;
    lblComplete.setCaption(tools::EndWord(failed));
    if (!failed) Label1.setCaption("100"); // a failed job keeps the share it reached
    if (!startNextPair(*this)) lblComplete.setCaption(tools::EndWord(RunFailed));
}
