#include "platform/Application.h"

#include "platform/forms/Form.h"

#include <QApplication>
#include <QDBusConnection>
#include <cstdlib>
#include <fontconfig/fontconfig.h>
#include <thread>

namespace platform
{

int runApplication(int argc, char** argv, const std::function<void()>& start)
{
    // Docked windows need global positions, which Wayland clients cannot set.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    // The font configuration takes milliseconds to read, and the first text box's
    // construction waits for it: read it beside the application object's set-up.
    std::thread fonts([] { FcInit(); });
    QApplication app(argc, argv);
    // The accessibility bridge connects to the session bus when the first control gets its
    // text, and the first window waits for it: connect beside the windows' construction.
    std::thread bus([] { QDBusConnection::sessionBus(); });
    app.setApplicationName(QStringLiteral("Sonavel"));
    // Hidden windows stay loaded; the program ends when the last one is unloaded, or at End.
    app.setQuitOnLastWindowClosed(false);
    forms::detail::quitWhenNoneLoaded();
    // The first windows are shown before the event loop's first turn, as a plain Qt program
    // shows its own: what that turn does (the window system's first replies) can wait.
    start();
    const int code = app.exec();
    // Windows hold widgets, which must go while the application object still exists.
    forms::detail::unloadAll();
    fonts.join();
    bus.join();
    return code;
}

} // namespace platform
