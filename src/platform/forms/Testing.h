#pragma once

// Test seams of the forms layer: nothing here is used by the program itself.

#include "platform/forms/Types.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace forms
{
class Control;
class Form;
class Menu;
} // namespace forms

namespace forms::testing
{

// While a ManualClock exists every Timer runs on it instead of the event loop.
class ManualClock
{
  public:
    ManualClock();
    ~ManualClock();
    ManualClock(const ManualClock&) = delete;
    ManualClock& operator=(const ManualClock&) = delete;
    // Moves time on by ms, running every timer that falls due, in time order.
    void advance(int ms);
    long long now() const;
};

// Scripted answers; each queue is consumed in order. With no answer queued a dialog
// is cancelled, a message box answers its default (OK / first button), a popup picks nothing.
struct Script {
    std::deque<std::optional<std::string>> fileDialogAnswers; // nullopt = cancel
    std::deque<int> msgBoxAnswers;
    std::deque<std::string> menuChoices; // entry Name to click

    struct MsgBoxShown {
        std::string prompt;
        int style;
        std::string title;
    };
    struct DialogShown {
        bool save;
        std::string Filter;
        int FilterIndex;
        std::string DialogTitle;
        std::string InitDir;
        long Flags;
        std::string FileName;
        bool CancelError;
    };
    struct MenuShown {
        std::string menu;
        std::vector<std::string> visibleEntries;
    };
    std::vector<MsgBoxShown> msgBoxes;
    std::vector<DialogShown> dialogs;
    std::vector<MenuShown> menus;
    std::vector<std::string> urlsOpened;
    int endRequests = 0;
    int dragRequests = 0;
};

// Installs a script for the lifetime of this object: no dialog, box or menu is ever shown.
class ScriptedUi
{
  public:
    ScriptedUi();
    ~ScriptedUi();
    ScriptedUi(const ScriptedUi&) = delete;
    ScriptedUi& operator=(const ScriptedUi&) = delete;
    Script& script();
};

// Mount table text (as /proc/self/mounts) used in place of the system's; empty restores it.
void setMountTable(const std::string& table);
// Forgets every drive's current folder of this run.
void forgetDriveFolders();

// Screen size in pixels for Screen::Width/Height while set.
void setScreenPixels(int width, int height);
void resetScreen();

// Mouse input through Qt's event delivery, as a user gives it. Points are in twips relative
// to the given control or form; the event lands on whatever lies there on screen.
void press(Control& c, int button, float x = 15, float y = 15, int shift = 0);
void move(Control& c, int button, float x, float y, int shift = 0);
void release(Control& c, int button, float x = 15, float y = 15, int shift = 0);
void click(Control& c, float x = 15, float y = 15); // left press and release
void doubleClick(Control& c, float x = 15, float y = 15);
void press(Form& f, int button, float x, float y, int shift = 0);
void move(Form& f, int button, float x, float y, int shift = 0);
void release(Form& f, int button, float x, float y, int shift = 0);

} // namespace forms::testing
