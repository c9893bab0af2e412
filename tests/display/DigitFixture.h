#pragma once

// Fresh windows, a scripted UI and a folder of ten digit bitmaps, each one solid colour, so a
// box's picture tells which digit file it came from.

#include "compact/Shade.h"
#include "platform/forms/PictureData.h"
#include "platform/forms/Testing.h"
#include "player/Globals.h"
#include "player/Player.h"
#include "playlist/frmPlaylist.h"
#include "support/AppWindows.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <vector>

class DigitTest : public ::testing::Test
{
  protected:
    using Digits = std::vector<int>; // tens and units of each row; -1 empty

    DigitTest()
    {
        // The main window's start-up reads the data folder from "windir".
        setenv("windir", dir.path().toUtf8().constData(), 1);
        WinDir = dir.path().toStdString();
        QDir().mkpath(dir.path() + "/time");
        for (int d = 0; d < 10; ++d)
            writeDigit(d);
        player();
    }
    ~DigitTest() override
    {
        unsetenv("windir");
        testsupport::unloadWindows();
    }

    static QColor colourOf(int digit) { return QColor(20 * digit + 10, 200 - 15 * digit, 7 * digit); }
    static QString digitPath(int digit)
    {
        return QString::fromStdString(WinDir) + QString("/time/0%1.bmp").arg(digit);
    }
    static void writeDigit(int digit, int width = 7)
    {
        QImage image(width, 12, QImage::Format_RGB32);
        image.fill(colourOf(digit));
        ASSERT_TRUE(image.save(digitPath(digit), "BMP"));
    }
    // The digit whose colour a box shows; -1 for an empty box.
    static int digitIn(const forms::PictureBox& box)
    {
        if (box.Picture().empty()) return -1;
        for (int d = 0; d < 10; ++d)
            if (box.Picture().data->image().pixelColor(0, 0) == colourOf(d)) return d;
        return -2;
    }
    Digits elapsed()
    {
        Player& p = player();
        return {digitIn(p.Time1), digitIn(p.time2), digitIn(p.time3), digitIn(p.time4)};
    }
    Digits strip()
    {
        Shade& s = shade();
        return {digitIn(s.Time1), digitIn(s.time2), digitIn(s.time3), digitIn(s.time4)};
    }

    Player& player() { return forms::the<Player>(); }
    Shade& shade() { return forms::the<Shade>(); }

    QTemporaryDir dir;
    forms::testing::ScriptedUi ui;
    forms::testing::ManualClock clock;
};
