// The decoder window: MP3 inputs and WAV outputs queued pair by pair and converted one after
// another through the window's own playback component.

#include "player/FrameScale.h"
#include "player/Player.h"
#include "player/WindowPlacement.h"
#include "tools/ConversionQueue.h"
#include "tools/ToolWindows.h"
#include "tools/frmDecoder.h"

namespace
{

// Ten frames to a twip, spread over the window's room for a longer job.
FrameScale progressScale(int32_t frameCount)
{
    return FrameScale(frameCount, frmDecoderLayout::progressMaxWidth);
}

// Opens and starts the pair at JobIndex; false at the end of the queue.
bool startNextPair(frmDecoder& w)
{
    return tools::StartNextPair({w.List1, w.List2, w.txtFilename, w.txtOutname, w.picDecode, w.picDecode2,
                                 w.JobIndex, w.RunFailed, w.InFile, w.OutFile},
                                [&w] {
                                    w.Tonewheel1.OpenSong(w.InFile, w.OutFile);
                                    w.Tonewheel1.PlaySong();
                                    w.Picture1.setWidth(progressScale(w.Tonewheel1.FrameCount()).width());
                                });
}

} // namespace

void frmDecoder::Form_Load()
{
    windows::CentreOnScreen(*this);
}

void frmDecoder::Form_Unload(int&)
{
    tools::DetachEvents(Tonewheel1);
}

void frmDecoder::Image1_Click()
{
    setWindowState(1);
}

void frmDecoder::imgClose_Click()
{
    CloseToolWindow<frmDecoder>();
}

void frmDecoder::picMp3_MouseDown(int, int, float, float)
{
    picMp3.setVisible(false);
    picMp3b.setVisible(true);
    txtFilename.setText("");
    txtOutname.setText("");
    picDecode.setEnabled(false);
    lblComplete.setCaption("");
}

void frmDecoder::picMp3_MouseUp(int, int, float, float)
{
    tools::PickInto(CommonDialog1, "MP3 Files|*.mp3|ALL Files|*.*", List1, txtFilename);
    picMp3b.setVisible(false);
    picMp3.setVisible(true);
    Picture2.setWidth(15);
}

void frmDecoder::picWav_MouseDown(int, int, float, float)
{
    picWav.setVisible(false);
    picWav2.setVisible(true);
}

void frmDecoder::picWav_MouseUp(int, int, float, float)
{
    tools::PickInto(CommonDialog2, "WAV Files|*.WAV|ALL Files|*.*", List2, txtOutname);
    picWav.setVisible(true);
    picWav2.setVisible(false);
    picDecode.setEnabled(true);
}

void frmDecoder::picDecode_MouseDown(int, int, float, float)
{
    picDecode.setVisible(false);
    picDecode2.setVisible(true);
    forms::the<Player>().Tonewheel1.StopSong();
}

void frmDecoder::picDecode_MouseUp(int, int, float, float)
{
    JobIndex = 0;
    RunFailed = false;
    if (startNextPair(*this)) lblComplete.setVisible(true);
}

void frmDecoder::Tonewheel1_ActFrame(int32_t ActFrame)
{
    const int32_t frames = Tonewheel1.FrameCount();
    Picture2.setWidth(progressScale(frames).twipsOf(ActFrame));
    // The last hundred twips of fill at ten frames a twip, whatever the scale on the window.
    if (float(frames / 10 - 100) < float(ActFrame / 10)) {
        picDecode.setVisible(true);
        picDecode2.setVisible(false);
    } else {
        lblComplete.setCaption("Decoding");
    }
}

void frmDecoder::Tonewheel1_ThreadEnded()
{
    const bool failed = Tonewheel1.JobFailed();
    RunFailed = RunFailed || failed;
    lblComplete.setCaption(tools::EndWord(failed));
    if (!startNextPair(*this)) lblComplete.setCaption(tools::EndWord(RunFailed));
}
