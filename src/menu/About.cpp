#include "menu/About.h"

About::About() : forms::Form(AboutLayout::form)
{
    Label3.onClick = [this] { Label3_Click(); };
    mnuAbout.onClick = [this] { mnuAbout_Click(); };
    mnuEncoder.onClick = [this] { mnuEncoder_Click(); };
    mnuDecoder.onClick = [this] { mnuDecoder_Click(); };
    mnuVolumeU.onClick = [this] { mnuVolumeU_Click(); };
    mnuVolumeD.onClick = [this] { mnuVolumeD_Click(); };
    mnuExitEncoder.onClick = [this] { mnuExitEncoder_Click(); };
    mnuExitDecoder.onClick = [this] { mnuExitDecoder_Click(); };
    mnuExitSonavel.onClick = [this] { mnuExitSonavel_Click(); };
}
