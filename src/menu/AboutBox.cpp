#include "menu/About.h"
#include "platform/forms/Dialogs.h"

// The browser is asked through the desktop, never through a command line, so no text of the
// address can run as a command. A failure to open it is not reported.
void About::OpenUrl(const std::string& URL)
{
    forms::OpenUrl(URL);
}

void About::Label3_Click()
{
    OpenUrl(Label3.Caption());
}
