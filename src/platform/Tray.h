#pragma once

// The tray icon, driven as the system drives it: one record, three messages.

#include <cstdint>
#include <vector>

namespace platform
{

// The 88-byte tray record in its single-byte-text form.
struct NotifyIconData {
    std::int32_t cbSize = 88;
    std::int32_t hWnd = 0; // Form::hWnd() of the window that gets the clicks
    std::int32_t uID = 0;
    std::int32_t uFlags = 0;           // NIF_MESSAGE | NIF_ICON | NIF_TIP
    std::int32_t uCallbackMessage = 0; // WM_MOUSEMOVE: clicks arrive as the window's mouse moves
    std::int32_t hIcon = 0;            // Picture::Handle() of the icon
    char szTip[64] = {};
};
static_assert(sizeof(NotifyIconData) == 88);

inline constexpr int NIM_ADD = 0, NIM_MODIFY = 1, NIM_DELETE = 2;
inline constexpr int NIF_MESSAGE = 1, NIF_ICON = 2, NIF_TIP = 4;
inline constexpr int WM_MOUSEMOVE = 512, WM_LBUTTONDOWN = 513, WM_LBUTTONUP = 514, WM_LBUTTONDBLCLK = 515,
                     WM_RBUTTONUP = 517, WM_MBUTTONUP = 520;

// Adds, changes or removes the icon that (hWnd, uID) names; false when that cannot be done.
// With NIF_MESSAGE and WM_MOUSEMOVE, a click on the icon reaches the window as
// Form_MouseMove(0, 0, message * 15, 0): 514 a click, 515 a double click. A click is held for
// the desktop's double-click interval and dropped when a double click follows. Where the desktop
// has no tray there is no icon, and the record of calls is all there is.
bool Shell_NotifyIcon(int message, const NotifyIconData& data);

// What a tray host reports of the icon.
enum class TrayActivation { Click, DoubleClick, RightClick, MiddleClick };

namespace testing
{
struct TrayCall {
    int message;
    NotifyIconData data;
};
// Every call made, in order (cleared by clearTrayCalls).
const std::vector<TrayCall>& trayCalls();
void clearTrayCalls();
// Whether an icon (hWnd, uID) is registered now, whether or not a tray shows it.
bool trayIconRegistered(std::int32_t hWnd, std::int32_t uID);
// The icon reports a mouse message (WM_LBUTTONUP, ...) as the tray would; false if no icon.
bool trayMouse(std::int32_t hWnd, std::int32_t uID, int mouseMessage);
// The icon's host reports an activation, as Qt gives it; a click reaches the window only once
// the double-click interval has passed without a double click (on the manual clock in tests).
bool trayActivate(std::int32_t hWnd, std::int32_t uID, TrayActivation what);
// The same through the icon's own handler of Qt's activated signal, with a
// QSystemTrayIcon::ActivationReason; false if no icon.
bool trayActivated(std::int32_t hWnd, std::int32_t uID, int reason);
} // namespace testing

} // namespace platform
