#include "platform/Tray.h"

#include "platform/forms/Form.h"
#include "platform/forms/Internal.h"
#include "platform/forms/PictureData.h"

#include <QApplication>
#include <QPointer>
#include <QSystemTrayIcon>
#include <cstring>
#include <map>

namespace platform
{

namespace
{

struct Icon {
    NotifyIconData data;
    QPointer<QSystemTrayIcon> shown; // none where the desktop has no tray
};

using Key = std::pair<std::int32_t, std::int32_t>;

std::map<Key, Icon>& icons()
{
    static std::map<Key, Icon> table;
    return table;
}

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
        if (QCoreApplication::instance() && QSystemTrayIcon::isSystemTrayAvailable()) {
            icon.shown = new QSystemTrayIcon(QCoreApplication::instance());
            QObject::connect(icon.shown.data(), &QSystemTrayIcon::activated, icon.shown.data(),
                             [key](QSystemTrayIcon::ActivationReason reason) {
                                 switch (reason) {
                                 case QSystemTrayIcon::Trigger:
                                     report(key, WM_LBUTTONUP);
                                     break;
                                 case QSystemTrayIcon::DoubleClick:
                                     report(key, WM_LBUTTONDBLCLK);
                                     break;
                                 case QSystemTrayIcon::Context:
                                     report(key, WM_RBUTTONUP);
                                     break;
                                 case QSystemTrayIcon::MiddleClick:
                                     report(key, WM_MBUTTONUP);
                                     break;
                                 default:
                                     break;
                                 }
                             });
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
} // namespace testing

} // namespace platform
