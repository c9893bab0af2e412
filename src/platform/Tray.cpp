#include "platform/Tray.h"

#include "platform/forms/Form.h"
#include "platform/forms/Internal.h"
#include "platform/forms/PictureData.h"
#include "platform/forms/Timer.h"

#include <QApplication>
#include <QPointer>
#include <QStyleHints>
#include <QSystemTrayIcon>
#include <cstring>
#include <map>
#include <memory>

namespace platform
{

namespace
{

struct Icon {
    NotifyIconData data;
    QPointer<QSystemTrayIcon> shown; // docked in the desktop's tray whenever there is one
    std::unique_ptr<forms::Timer> heldClick;
};

using Key = std::pair<std::int32_t, std::int32_t>;

std::map<Key, Icon>& icons()
{
    // Never destroyed: an icon's timer must not outlive the timers' own registry at exit.
    static auto* table = new std::map<Key, Icon>;
    return *table;
}

// The held clicks' timers belong to no window, so no window's unload stops them.
struct NoWindow : forms::Container {
    QWidget* containerWidget() const override { return nullptr; }
    forms::Form* form() override { return nullptr; }
};

std::vector<testing::TrayCall>& calls()
{
    static std::vector<testing::TrayCall> list;
    return list;
}

QString tipOf(const NotifyIconData& data)
{
    const std::size_t length = strnlen(data.szTip, sizeof data.szTip);
    return QString::fromUtf8(data.szTip, static_cast<qsizetype>(length));
}

// Passes a mouse message to the window, as the record's callback asks.
bool report(Key key, int mouseMessage)
{
    auto it = icons().find(key);
    if (it == icons().end()) return false;
    const NotifyIconData& d = it->second.data;
    if (!(d.uFlags & NIF_MESSAGE) || d.uCallbackMessage != WM_MOUSEMOVE) return true;
    forms::Form* form = forms::detail::formFromHandle(d.hWnd);
    if (!form) return true;
    const float x = static_cast<float>(mouseMessage) * forms::TwipsPerPixel;
    forms::detail::runHandler([form, x] { form->Form_MouseMove(0, 0, x, 0); });
    return true;
}

int doubleClickMs()
{
    return qGuiApp ? QGuiApplication::styleHints()->mouseDoubleClickInterval() : 400;
}

// What the icon's host reports. A click is held for the double-click interval: reported at
// once, its menu would still be open when the second click of a double click arrives, which
// then only closes the menu, and the double click that restores the window never comes.
bool activate(Key key, TrayActivation what)
{
    auto it = icons().find(key);
    if (it == icons().end()) return false;
    Icon& icon = it->second;
    switch (what) {
    case TrayActivation::Click:
        icon.heldClick->setEnabled(true); // a click while one is held stays one click
        return true;
    case TrayActivation::DoubleClick:
        icon.heldClick->setEnabled(false);
        return report(key, WM_LBUTTONDBLCLK);
    case TrayActivation::RightClick:
        return report(key, WM_RBUTTONUP);
    case TrayActivation::MiddleClick:
        return report(key, WM_MBUTTONUP);
    }
    return true;
}

// The desktop's kinds of click, as Qt's activated signal gives them; any other reason is no
// click. False if there is no such icon.
bool activated(Key key, QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        return activate(key, TrayActivation::Click);
    case QSystemTrayIcon::DoubleClick:
        return activate(key, TrayActivation::DoubleClick);
    case QSystemTrayIcon::Context:
        return activate(key, TrayActivation::RightClick);
    case QSystemTrayIcon::MiddleClick:
        return activate(key, TrayActivation::MiddleClick);
    default:
        return icons().count(key) > 0;
    }
}

std::unique_ptr<forms::Timer> heldClickTimer(Key key)
{
    static NoWindow noWindow;
    auto timer = std::make_unique<forms::Timer>(
        noWindow, forms::Layout{.Name = "heldClick", .Enabled = false, .Interval = doubleClickMs()});
    forms::Timer* t = timer.get();
    t->onTimer = [t, key] {
        t->setEnabled(false);
        report(key, WM_LBUTTONUP);
    };
    return timer;
}

void apply(Icon& icon, const NotifyIconData& data)
{
    if (data.uFlags & NIF_ICON) icon.data.hIcon = data.hIcon;
    if (data.uFlags & NIF_TIP) std::memcpy(icon.data.szTip, data.szTip, sizeof data.szTip);
    if (data.uFlags & NIF_MESSAGE) icon.data.uCallbackMessage = data.uCallbackMessage;
    icon.data.uFlags |= data.uFlags;
    if (!icon.shown) return;
    if (data.uFlags & NIF_ICON) {
        const QImage image = forms::detail::imageOfHandle(icon.data.hIcon);
        icon.shown->setIcon(image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image)));
    }
    if (data.uFlags & NIF_TIP) icon.shown->setToolTip(tipOf(icon.data));
}

} // namespace

bool Shell_NotifyIcon(int message, const NotifyIconData& data)
{
    calls().push_back({message, data});
    const Key key{data.hWnd, data.uID};
    auto& table = icons();
    auto it = table.find(key);
    switch (message) {
    case NIM_ADD: {
        if (it != table.end() || !forms::detail::formFromHandle(data.hWnd)) return false;
        Icon& icon = table[key];
        icon.data = data;
        icon.data.uFlags = 0;
        icon.heldClick = heldClickTimer(key);
        // Made even while the desktop has no tray: Qt docks it in a tray that starts later,
        // as a desktop's panel may start after its programs.
        if (qGuiApp) {
            icon.shown = new QSystemTrayIcon(QCoreApplication::instance());
            QObject::connect(icon.shown.data(), &QSystemTrayIcon::activated, icon.shown.data(),
                             [key](QSystemTrayIcon::ActivationReason reason) { activated(key, reason); });
        }
        apply(icon, data);
        if (icon.shown) icon.shown->show();
        return true;
    }
    case NIM_MODIFY:
        if (it == table.end()) return false;
        apply(it->second, data);
        return true;
    case NIM_DELETE:
        if (it == table.end()) return false;
        delete it->second.shown.data();
        table.erase(it);
        return true;
    default:
        return false;
    }
}

namespace testing
{
const std::vector<TrayCall>& trayCalls()
{
    return calls();
}
void clearTrayCalls()
{
    calls().clear();
}
bool trayIconRegistered(std::int32_t hWnd, std::int32_t uID)
{
    return icons().count({hWnd, uID}) > 0;
}
bool trayMouse(std::int32_t hWnd, std::int32_t uID, int mouseMessage)
{
    return report({hWnd, uID}, mouseMessage);
}
bool trayActivate(std::int32_t hWnd, std::int32_t uID, TrayActivation what)
{
    return activate({hWnd, uID}, what);
}
bool trayActivated(std::int32_t hWnd, std::int32_t uID, int reason)
{
    return activated({hWnd, uID}, static_cast<QSystemTrayIcon::ActivationReason>(reason));
}
} // namespace testing

} // namespace platform
