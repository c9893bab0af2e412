#pragma once

#include "platform/Tray.h"
#include "platform/audio/Tonewheel.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/FileControls.h"
#include "platform/forms/Form.h"
#include "platform/forms/Timer.h"
#include "player/PlayerLayout.h"

#include <map>
#include <string>

// The main window. Controls are declared in layout order, which is also their stacking order.
class Player : public forms::Form
{
  public:
    Player();

    // Transport, seek thumb, volume and shuffle.
    // Pause, resume and stop set the transport images of both windows; next and previous
    // leave them to the song start that follows.
    void PausePlayback();
    void ResumePlayback();
    void StopPlayback();
    void SkipNext(forms::Image& button);
    void SkipPrevious(forms::Image& button);
    void imgpause_Click();
    void imgPauseP_Click();
    void imgstop_Click();
    void imgSeek1_MouseDown(int Button, int Shift, float X, float Y);
    void imgSeek1_MouseUp(int Button, int Shift, float X, float Y);
    void imgseek2_MouseDown(int Button, int Shift, float X, float Y);
    void imgseek2_MouseUp(int Button, int Shift, float X, float Y);
    void Picture11_MouseDown(int Button, int Shift, float X, float Y);
    void Picture11_MouseMove(int Button, int Shift, float X, float Y);
    void Picture11_MouseUp(int Button, int Shift, float X, float Y);
    void DragThumb(float X); // a move of the pressed thumb, and the release's last one
    enum class VolumeDirection { Down, Up };
    // One step of both channel volumes; the Options menu's Volume Up/Down use it too.
    void StepVolume(VolumeDirection direction, int step, int threshold);
    void imgVolumeDown_MouseDown(int Button, int Shift, float X, float Y);
    void imgVolumeDown_MouseUp(int Button, int Shift, float X, float Y);
    void imgVolumeUp_MouseDown(int Button, int Shift, float X, float Y);
    void imgVolumeUp_MouseUp(int Button, int Shift, float X, float Y);
    void Timer6_Timer();
    void Timer7_Timer();
    void shuffle1_Click();
    void Shuffle2_Click();

    // A drag of the seek thumb: in progress, the pointer's X over the thumb at the press, the
    // thumb's Left as last dragged (twips), and whether the drag has moved it at all.
    bool SeekDrag = false;
    float SeekGrabX = 0;
    int SeekLeft = 0;
    bool SeekMoved = false;

    // The playback road: song start, next-song timer, scrolling title, per-frame progress.
    void StartSong(const struct SongStartMember& member);
    void imgplay_Click();
    void Timer10_Timer();
    void Timer5_Timer();
    void Tonewheel1_ActFrame(int32_t ActFrame);

    // Time display: each time caption draws its value as digit pictures.
    void Label10_Change();
    void Label7_Change();
    void Label3_Change();
    void Label4_Change();
    // The switch into the compact strip.
    void ShadeMode_Click();

    // File browser and the load button.
    void Drive1_Change();
    void Dir1_Change();
    void File1_Click();
    void imgLoad_MouseDown(int Button, int Shift, float X, float Y);
    void imgLoad_MouseUp(int Button, int Shift, float X, float Y);

    // Start-up, settings save and exit; the tray icon and the window's own handling.
    void Form_Load() override;
    void Form_Unload(int& Cancel) override;
    void Form_Terminate() override;
    void SaveSettings();
    // A stored value as settings::Read gives it, noting one that is there but could not be read.
    std::string ReadSetting(const std::string& valueName);
    // Called once start-up has applied what it read.
    void NoteUnreadSettings();
    // Writes the value unless start-up could not read it and the program still holds for it
    // what it held then.
    void WriteSetting(const std::string& valueName, const std::string& text);
    // Values that start-up could not read (the store locked or damaged), each with what the
    // program held for it once started: a save must not put a default over the stored value.
    std::map<std::string, std::string> UnreadSettings;
    void imgClose_MouseDown(int Button, int Shift, float X, float Y);
    void imgClose_MouseUp(int Button, int Shift, float X, float Y);
    void Form_MouseDown(int Button, int Shift, float X, float Y) override;
    void Form_MouseMove(int Button, int Shift, float X, float Y) override;
    void Minimize_MouseDown(int Button, int Shift, float X, float Y);
    void Minimize_MouseUp(int Button, int Shift, float X, float Y);
    void Playlist_Click();
    void Tools_Click();
    // The tray record, filled once at start-up and kept for the window's life.
    platform::NotifyIconData nid;

    forms::Image Minimize{*this, PlayerLayout::row("Minimize")};
    forms::Image imgClose{*this, PlayerLayout::row("imgClose")};
    forms::Image Tools{*this, PlayerLayout::row("Tools")};
    forms::Image ShadeMode{*this, PlayerLayout::row("ShadeMode")};
    forms::Image imgLoad{*this, PlayerLayout::row("imgLoad")};
    forms::Image Playlist{*this, PlayerLayout::row("Playlist")};

    forms::Image imgplay{*this, PlayerLayout::row("imgplay")};
    forms::Image imgpause{*this, PlayerLayout::row("imgpause")};
    forms::Image imgPauseP{*this, PlayerLayout::row("imgPauseP")};
    forms::Image imgstop{*this, PlayerLayout::row("imgstop")};
    forms::Image imgseek2{*this, PlayerLayout::row("imgseek2")};
    forms::Image imgSeek1{*this, PlayerLayout::row("imgSeek1")};

    forms::Image shuffle1{*this, PlayerLayout::row("shuffle1")};
    forms::Image Shuffle2{*this, PlayerLayout::row("Shuffle2")};

    forms::Image imgVolumeDown{*this, PlayerLayout::row("imgVolumeDown")};
    forms::Image imgVolumeUp{*this, PlayerLayout::row("imgVolumeUp")};
    forms::Label Label14{*this, PlayerLayout::row("Label14")};
    forms::Timer Timer6{*this, PlayerLayout::row("Timer6")};
    forms::Timer Timer7{*this, PlayerLayout::row("Timer7")};

    forms::PictureBox Picture1{*this, PlayerLayout::row("Picture1")};
    forms::Label Label6{Picture1, PlayerLayout::row("Label6")};
    forms::PictureBox time5{Picture1, PlayerLayout::row("time5")};
    forms::PictureBox time6{Picture1, PlayerLayout::row("time6")};
    forms::PictureBox Picture9{Picture1, PlayerLayout::row("Picture9")};
    forms::PictureBox time7{Picture1, PlayerLayout::row("time7")};
    forms::PictureBox time8{Picture1, PlayerLayout::row("time8")};
    forms::Label Label8{Picture1, PlayerLayout::row("Label8")};
    forms::PictureBox Time1{Picture1, PlayerLayout::row("Time1")};
    forms::PictureBox time2{Picture1, PlayerLayout::row("time2")};
    forms::PictureBox colon{Picture1, PlayerLayout::row("colon")};
    forms::PictureBox time3{Picture1, PlayerLayout::row("time3")};
    forms::PictureBox time4{Picture1, PlayerLayout::row("time4")};

    forms::Label Label9{*this, PlayerLayout::row("Label9")};
    forms::Label Label11{*this, PlayerLayout::row("Label11")};
    forms::Label Label12{*this, PlayerLayout::row("Label12")};
    forms::Label Label13{*this, PlayerLayout::row("Label13")};

    forms::TextBox Text1{*this, PlayerLayout::row("Text1")};

    forms::PictureBox Picture10{*this, PlayerLayout::row("Picture10")};
    forms::PictureBox Picture11{Picture10, PlayerLayout::row("Picture11")};

    forms::DriveListBox Drive1{*this, PlayerLayout::row("Drive1")};
    forms::DirListBox Dir1{*this, PlayerLayout::row("Dir1")};
    forms::FileListBox File1{*this, PlayerLayout::row("File1")};

    forms::Timer Timer1{*this, PlayerLayout::row("Timer1")};
    forms::Timer Timer2{*this, PlayerLayout::row("Timer2")};
    forms::Timer Timer3{*this, PlayerLayout::row("Timer3")};
    forms::Timer Timer4{*this, PlayerLayout::row("Timer4")};
    forms::Timer Timer5{*this, PlayerLayout::row("Timer5")};
    forms::Timer Timer10{*this, PlayerLayout::row("Timer10")};

    forms::Label Label2{*this, PlayerLayout::row("Label2")};
    forms::Label Label10{*this, PlayerLayout::row("Label10")};
    forms::Label Label7{*this, PlayerLayout::row("Label7")};
    forms::Label Label4{*this, PlayerLayout::row("Label4")};
    forms::Label Label3{*this, PlayerLayout::row("Label3")};
    forms::TextBox Text2{*this, PlayerLayout::row("Text2")};
    forms::TextBox Text3{*this, PlayerLayout::row("Text3")};
    forms::TextBox Text5{*this, PlayerLayout::row("Text5")};
    forms::TextBox Text7{*this, PlayerLayout::row("Text7")};
    forms::TextBox Text14{*this, PlayerLayout::row("Text14")};
    forms::TextBox txtsongfile{*this, PlayerLayout::row("txtsongfile")};
    forms::TextBox txtDrive{*this, PlayerLayout::row("txtDrive")};
    forms::TextBox txtDir{*this, PlayerLayout::row("txtDir")};
    forms::TextBox txtFile{*this, PlayerLayout::row("txtFile")};

    forms::CommonDialog CommonDialog1;
    // Last, so that it stops before any control it reports to goes away.
    platform::Tonewheel Tonewheel1;
};
