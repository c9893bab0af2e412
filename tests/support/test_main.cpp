#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Set here, not by CTest: it hands a discovered test only the first variable of a list.
    // Tests play to the silent unpaced output and keep settings in a folder of their own.
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    if (qgetenv("SONAVEL_AUDIO_OUTPUT").isEmpty()) qputenv("SONAVEL_AUDIO_OUTPUT", "null");
    QTemporaryDir config;
    // Nor do they reach the desktop's session bus, or fork a launcher for one.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + config.path().toUtf8() + "/no-bus");
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
