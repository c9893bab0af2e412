#include "platform/X11.h"

#include <QGuiApplication>
#include <QWidget>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <xcb/xcb.h>

namespace platform::x11
{

namespace
{

xcb_connection_t* connection()
{
    if (!qGuiApp) return nullptr;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};

} // namespace

void clearStaleIconicHint(QWidget* window)
{
    xcb_connection_t* c = connection();
    const WId id = window->internalWinId();
    if (!c || !id) return;
    const auto cookie =
        xcb_get_property(c, 0, static_cast<xcb_window_t>(id), XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS, 0, 9);
    const std::unique_ptr<xcb_get_property_reply_t, FreeReply> reply(
        xcb_get_property_reply(c, cookie, nullptr));
    // flags, input, initial_state, ...: the ICCCM's WM_HINTS.
    constexpr std::uint32_t StateHint = 1u << 1, NormalState = 1, IconicState = 3;
    if (!reply || reply->format != 32) return;
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    if (count < 3) return;
    std::uint32_t hints[9] = {};
    std::memcpy(hints, xcb_get_property_value(reply.get()), static_cast<std::size_t>(std::min(count, 9)) * 4);
    if (!(hints[0] & StateHint) || hints[2] != IconicState) return;
    hints[2] = NormalState;
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(id), XCB_ATOM_WM_HINTS,
                        XCB_ATOM_WM_HINTS, 32, static_cast<std::uint32_t>(std::min(count, 9)), hints);
}

} // namespace platform::x11
