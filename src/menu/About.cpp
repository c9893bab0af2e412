#include "menu/About.h"

About::About() : forms::Form(AboutLayout::form)
{
    Label3.onClick = forms::bind(this, &About::Label3_Click);
    mnuAbout.onClick = forms::bind(this, &About::mnuAbout_Click);
    mnuEncoder.onClick = forms::bind(this, &About::mnuEncoder_Click);
    mnuDecoder.onClick = forms::bind(this, &About::mnuDecoder_Click);
    mnuVolumeU.onClick = forms::bind(this, &About::mnuVolumeU_Click);
    mnuVolumeD.onClick = forms::bind(this, &About::mnuVolumeD_Click);
    mnuExitEncoder.onClick = forms::bind(this, &About::mnuExitEncoder_Click);
    mnuExitDecoder.onClick = forms::bind(this, &About::mnuExitDecoder_Click);
    mnuExitSonavel.onClick = forms::bind(this, &About::mnuExitSonavel_Click);
}
