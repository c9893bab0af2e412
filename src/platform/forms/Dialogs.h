#pragma once

#include <stdexcept>
#include <string>

namespace forms
{

// Raised by ShowOpen/ShowSave when the user cancels and CancelError is set.
struct DialogCancelled : std::runtime_error {
    DialogCancelled() : std::runtime_error("cancelled") {}
};

// CommonDialog flags.
inline constexpr long cdlOFNOverwritePrompt = 0x2;
inline constexpr long cdlOFNHideReadOnly = 0x4; // the dialog shows no read-only box anyway
inline constexpr long cdlOFNFileMustExist = 0x1000;

// The common file dialog. Every setting and the last chosen name persist between uses.
class CommonDialog
{
  public:
    std::string Filter;  // "description|pattern|description|pattern..."
    int FilterIndex = 1; // 1-based
    std::string DialogTitle;
    std::string InitDir;
    long Flags = 0;
    std::string FileName;
    bool CancelError = false;
    int Action = 0; // 1 after ShowOpen, 2 after ShowSave

    void ShowOpen(); // cancel: throws DialogCancelled when CancelError, else returns
    void ShowSave();
};

// Message box styles and answers, as the original values.
enum MsgBoxStyle : int { vbOKOnly = 0, vbOKCancel = 1, vbYesNo = 4, vbCritical = 16, vbExclamation = 48 };
enum MsgBoxResult : int { vbOK = 1, vbCancel = 2, vbYes = 6, vbNo = 7 };

int MsgBox(const std::string& prompt, int style = vbOKOnly, const std::string& title = "Sonavel");

// Ends the process at once: no unload handlers run, nothing is stopped first. Under test
// (forms::testing) the request is recorded and the call returns.
void End();

struct Screen {
    static int Width(); // twips, primary screen
    static int Height();
    static int TwipsPerPixelX() { return 15; }
    static int TwipsPerPixelY() { return 15; }
};

// Opens a web address in the user's browser.
void OpenUrl(const std::string& url);

} // namespace forms
