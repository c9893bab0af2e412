#pragma once

#include "menu/AboutLayout.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"
#include "platform/forms/Menu.h"

#include <string>

// The About box; it also carries the program's one menu, the hidden popup "Options".
class About : public forms::Form
{
  public:
    About();

    // The Options menu's entries.
    void mnuAbout_Click();
    void mnuEncoder_Click();
    void mnuDecoder_Click();
    void mnuVolumeU_Click();
    void mnuVolumeD_Click();
    void mnuExitEncoder_Click();
    void mnuExitDecoder_Click();
    void mnuExitSonavel_Click();

    // The box's web address.
    void OpenUrl(const std::string& URL);
    void Label3_Click();

    forms::Label Label1{*this, AboutLayout::row("Label1")};
    forms::Label Label2{*this, AboutLayout::row("Label2")};
    forms::Label Label3{*this, AboutLayout::row("Label3")};

    forms::Menu mnuFile{nullptr, "mnuFile", "Options", false};
    forms::Menu mnuAbout{&mnuFile, "mnuAbout", "About"};
    forms::Menu Hyphen{&mnuFile, "Hyphen", "-"};
    forms::Menu mnuSonavel{&mnuFile, "mnuSonavel", "Sonavel Tools"};
    forms::Menu mnuEncoder{&mnuSonavel, "mnuEncoder", "Encoder"};
    forms::Menu mnuDecoder{&mnuSonavel, "mnuDecoder", "Decoder"};
    forms::Menu Hyphen2{&mnuFile, "Hyphen2", "-"};
    forms::Menu mnuVolumeU{&mnuFile, "mnuVolumeU", "Volume Up"};
    forms::Menu mnuVolumeD{&mnuFile, "mnuVolumeD", "Volume Down"};
    forms::Menu Hyphen3{&mnuFile, "Hyphen3", "-"};
    forms::Menu mnuExitEncoder{&mnuFile, "mnuExitEncoder", "Exit Encoder"};
    forms::Menu mnuExitDecoder{&mnuFile, "mnuExitDecoder", "Exit Decoder"};
    forms::Menu Hyphen4{&mnuFile, "Hyphen4", "-"};
    forms::Menu mnuExitSonavel{&mnuFile, "mnuExitSonavel", "Exit Sonavel"};
};
