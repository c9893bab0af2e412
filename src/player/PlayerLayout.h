#pragma once

// The main window's layout: geometry in twips, rows in stacking order (earlier lies above).
// A control inside a picture box (see `parents`) is placed relative to that box.

#include "platform/forms/Form.h"
#include "platform/forms/Types.h"
#include "player/LayoutTable.h"

#include <array>

namespace PlayerLayout
{

inline constexpr forms::FormLayout form{
    .Caption = " ",
    .Width = 5550,
    .Height = 2790,
    .Picture = "player/background",
    .Icon = "icon",
};

inline constexpr forms::Font smallBold{.Name = "Small Fonts", .Size = 6.75, .Bold = true};
inline constexpr forms::Font browserFont{.Name = "Small Fonts", .Size = 6};
inline constexpr forms::Font captionFont{.Name = "MS Serif", .Size = 8.25, .Bold = true};

// clang-format off
inline constexpr auto rows = std::to_array<forms::Layout>({
    // Window buttons
    {.Name = "Minimize", .Left = 5100, .Top = 90, .Width = 135, .Height = 120, .ToolTipText = "Minimize", .Picture = "player/Minimize"},
    {.Name = "imgClose", .Left = 5295, .Top = 90, .Width = 120, .Height = 120, .ToolTipText = "Close", .Picture = "player/imgClose"},
    {.Name = "Tools", .Left = 5350, .Top = 320, .Width = 105, .Height = 120, .ToolTipText = "Tools", .Picture = "player/Tools"},
    {.Name = "ShadeMode", .Left = 4900, .Top = 80, .Width = 135, .Height = 150, .ToolTipText = "Windows Shade Mode", .Picture = "player/ShadeMode"},
    {.Name = "imgLoad", .Left = 4080, .Top = 1920, .Width = 270, .Height = 255, .ToolTipText = "Load", .Picture = "player/imgLoad"},
    {.Name = "Playlist", .Left = 4860, .Top = 1920, .Width = 285, .Height = 255, .ToolTipText = "Playlist", .Picture = "player/Playlist"},

    // Transport; imgpause lies above its paused twin imgPauseP
    {.Name = "imgplay", .Left = 2655, .Top = 1920, .Width = 270, .Height = 255, .ToolTipText = "Play", .Picture = "player/imgplay"},
    {.Name = "imgpause", .Left = 2940, .Top = 1920, .Width = 270, .Height = 255, .ToolTipText = "Pause", .Picture = "player/imgpause"},
    {.Name = "imgPauseP", .Left = 2940, .Top = 1920, .Width = 270, .Height = 255, .Visible = false, .Picture = "player/imgPauseP"},
    {.Name = "imgstop", .Left = 3225, .Top = 1920, .Width = 270, .Height = 255, .ToolTipText = "Stop", .Picture = "player/imgstop"},
    {.Name = "imgseek2", .Left = 3510, .Top = 1920, .Width = 270, .Height = 255, .ToolTipText = "Previous Song", .Picture = "player/imgseek2"},
    {.Name = "imgSeek1", .Left = 3795, .Top = 1920, .Width = 270, .Height = 255, .ToolTipText = "Next Song", .Picture = "player/imgSeek1"},

    // Shuffle: two looks of one button
    {.Name = "shuffle1", .Left = 4560, .Top = 1920, .Width = 285, .Height = 255, .ToolTipText = "Shuffle", .Picture = "player/shuffle1"},
    {.Name = "Shuffle2", .Left = 4560, .Top = 1920, .Width = 285, .Height = 255, .Visible = false, .Picture = "player/Shuffle2"},

    // Volume
    {.Name = "imgVolumeDown", .Left = 4170, .Top = 1335, .Width = 285, .Height = 255, .ToolTipText = "Volume Down", .Picture = "player/imgVolumeDown"},
    {.Name = "imgVolumeUp", .Left = 4470, .Top = 1335, .Width = 285, .Height = 255, .ToolTipText = "Volume Up", .Picture = "player/imgVolumeUp"},
    {.Name = "Label14", .Left = 4905, .Top = 1350, .Width = 255, .Height = 240, .Caption = "10", .BackColor = 0x00000000, .ForeColor = 0x000000FF, .Font = {.Name = "MS Sans Serif", .Size = 9.75, .Bold = true}},
    {.Name = "Timer6", .Enabled = false, .Interval = 100},
    {.Name = "Timer7", .Enabled = false, .Interval = 100},

    // Time display; the rows up to "time4" lie inside Picture1
    {.Name = "Picture1", .Left = 2530, .Top = 280, .Width = 1530, .Height = 615, .BackColor = 0x00000000},
    {.Name = "Label6", .Left = 120, .Top = 40, .Width = 600, .Height = 195, .Caption = "Total Time", .BackColor = 0x00000000, .ForeColor = 0x000000FF, .Font = captionFont},
    {.Name = "time5", .Left = 720, .Top = 70, .Width = 110, .Height = 180, .BackColor = 0x00000000},
    {.Name = "time6", .Left = 840, .Top = 70, .Width = 110, .Height = 180, .BackColor = 0x00000000},
    {.Name = "Picture9", .Left = 975, .Top = 70, .Width = 60, .Height = 150, .Picture = "player/Picture9", .BackColor = 0x000000FF},
    {.Name = "time7", .Left = 1065, .Top = 70, .Width = 110, .Height = 180, .BackColor = 0x00000000},
    {.Name = "time8", .Left = 1200, .Top = 70, .Width = 110, .Height = 180, .BackColor = 0x00000000},
    {.Name = "Label8", .Left = 120, .Top = 280, .Width = 600, .Height = 195, .Caption = "Time", .BackColor = 0x00000000, .ForeColor = 0x000000FF, .Font = captionFont},
    {.Name = "Time1", .Left = 720, .Top = 330, .Width = 110, .Height = 170, .BackColor = 0x00000000},
    {.Name = "time2", .Left = 840, .Top = 330, .Width = 110, .Height = 170, .BackColor = 0x00000000},
    {.Name = "colon", .Left = 975, .Top = 330, .Width = 60, .Height = 150, .Picture = "player/colon", .BackColor = 0x00000000},
    {.Name = "time3", .Left = 1065, .Top = 330, .Width = 110, .Height = 170, .BackColor = 0x00000000},
    {.Name = "time4", .Left = 1200, .Top = 330, .Width = 110, .Height = 170, .BackColor = 0x00000000},

    // Stream figures
    {.Name = "Label9", .Left = 2640, .Top = 1245, .Width = 300, .Height = 165, .Caption = "kHz", .BackColor = 0x00000000, .ForeColor = 0x00C0C0C0, .Font = smallBold},
    {.Name = "Label11", .Left = 2640, .Top = 1500, .Width = 375, .Height = 165, .Caption = "kbps", .BackColor = 0x00000000, .ForeColor = 0x00C0C0C0, .Font = smallBold},
    {.Name = "Label12", .Left = 3240, .Top = 1245, .Width = 735, .Height = 180, .Caption = " ", .BackColor = 0x00000000, .ForeColor = 0x000000FF, .Font = smallBold},
    {.Name = "Label13", .Left = 3240, .Top = 1500, .Width = 735, .Height = 180, .Caption = " ", .BackColor = 0x00000000, .ForeColor = 0x000000FF, .Font = smallBold},

    // Scrolling title
    {.Name = "Text1", .Left = 2535, .Top = 960, .Width = 2750, .Height = 250, .BackColor = 0x00000000, .ForeColor = 0x000000FF, .Font = smallBold},

    // Seek track and its thumb (the thumb lies inside the track)
    {.Name = "Picture10", .Left = 405, .Top = 2520, .Width = 440, .Height = 135, .BackColor = 0x00000000},
    {.Name = "Picture11", .Left = 0, .Top = 0, .Width = 435, .Height = 135, .ToolTipText = "Seekbar", .Picture = "player/Picture11", .BackColor = 0x00000000},

    // File browser
    {.Name = "Drive1", .Left = 405, .Top = 290, .Width = 2100, .Height = 270, .BackColor = 0x00000000, .ForeColor = 0x0000C000, .Font = browserFont},
    {.Name = "Dir1", .Left = 405, .Top = 560, .Width = 2100, .Height = 810, .BackColor = 0x00000000, .ForeColor = 0x0000C000, .Font = browserFont},
    {.Name = "File1", .Left = 405, .Top = 1400, .Width = 2100, .Height = 930, .ToolTipText = "Click file once to add to playlist.", .BackColor = 0x00000000, .ForeColor = 0x0000C000, .Font = browserFont},

    // Timers
    {.Name = "Timer1", .Enabled = false, .Interval = 50},
    {.Name = "Timer2", .Enabled = false, .Interval = 50},
    {.Name = "Timer3", .Enabled = false, .Interval = 50},
    {.Name = "Timer4", .Enabled = false, .Interval = 50},
    {.Name = "Timer5", .Enabled = false, .Interval = 100},
    {.Name = "Timer10", .Enabled = false, .Interval = 1000},

    // Value holders below the visible area; later code reads their design texts
    {.Name = "Label2", .Left = 120, .Top = 2880, .Width = 735, .Height = 180, .Visible = false, .Caption = "Label2"},
    {.Name = "Label10", .Left = 960, .Top = 2880, .Width = 735, .Height = 180, .Visible = false, .Caption = "Label10"},
    {.Name = "Label7", .Left = 1800, .Top = 2880, .Width = 735, .Height = 180, .Visible = false, .Caption = "Label7"},
    {.Name = "Label4", .Left = 2640, .Top = 2880, .Width = 735, .Height = 180, .Visible = false, .Caption = "Label4"},
    {.Name = "Label3", .Left = 3480, .Top = 2880, .Width = 735, .Height = 180, .Visible = false, .Caption = "Label3"},
    {.Name = "Text2", .Left = 120, .Top = 3120, .Width = 735, .Height = 285, .Visible = false, .Caption = "Text2"},
    {.Name = "Text3", .Left = 960, .Top = 3120, .Width = 735, .Height = 285, .Visible = false, .Caption = "Text3"},
    {.Name = "Text5", .Left = 1800, .Top = 3120, .Width = 735, .Height = 285, .Visible = false, .Caption = "Text5"},
    {.Name = "Text7", .Left = 2640, .Top = 3120, .Width = 735, .Height = 285, .Visible = false, .Caption = "Text7"},
    {.Name = "Text14", .Left = 3480, .Top = 3120, .Width = 735, .Height = 285, .Visible = false, .Caption = "Text14"},
    {.Name = "txtsongfile", .Left = 120, .Top = 3480, .Width = 735, .Height = 285, .Visible = false, .Caption = "txtsongfile"},
    {.Name = "txtDrive", .Left = 960, .Top = 3480, .Width = 735, .Height = 285, .Visible = false, .Caption = "txtDrive"},
    {.Name = "txtDir", .Left = 1800, .Top = 3480, .Width = 735, .Height = 285, .Visible = false, .Caption = "txtDir"},
    {.Name = "txtFile", .Left = 2640, .Top = 3480, .Width = 735, .Height = 285, .Visible = false, .Caption = "txtFile"},
});
// clang-format on

// Controls that lie inside a picture box, with that box.
inline constexpr auto parents = std::to_array<layout::Nesting>({
    {"Label6", "Picture1"},
    {"time5", "Picture1"},
    {"time6", "Picture1"},
    {"Picture9", "Picture1"},
    {"time7", "Picture1"},
    {"time8", "Picture1"},
    {"Label8", "Picture1"},
    {"Time1", "Picture1"},
    {"time2", "Picture1"},
    {"colon", "Picture1"},
    {"time3", "Picture1"},
    {"time4", "Picture1"},
    {"Picture11", "Picture10"},
});

// The seek track grows with the song by ten frames a twip, plus room for the thumb; the skin's
// groove ends where the track may end at most (twips from the track's left).
inline constexpr int seekThumbRoom = 440;
inline constexpr int seekTrackMaxWidth = 5040;

consteval const forms::Layout& row(std::string_view name)
{
    return layout::rowIn(rows, name);
}
constexpr const forms::Layout* find(std::string_view name)
{
    return layout::findIn(rows, name);
}
constexpr std::string_view parentOf(std::string_view name)
{
    return layout::parentIn(parents, name);
}

} // namespace PlayerLayout
