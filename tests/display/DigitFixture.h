#pragma once

// Fresh windows, a scripted UI and a folder of ten digit bitmaps, each one solid colour, so a
// box's picture tells which digit file it came from.

#include "compact/Shade.h"
#include "platform/forms/Form.h"
#include "platform/forms/PictureData.h"
#include "platform/forms/Testing.h"
#include "player/Globals.h"
#include "player/Player.h"
#include "playlist/frmPlaylist.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>

class DigitTest : public ::testing::Test
{
  protected:
    DigitTest()
    {
        writeDigits(dir.path().toStdString());
        WinDir = dir.path().toStdString();
    }
    ~DigitTest() override
    {
        forms::Unload<Player>();
        forms::Unload<Shade>();
        forms::Unload<frmPlaylist>();
        forms::collectUnloaded();
    }

    static QColor colourOf(int digit) { return QColor(20 * digit + 10, 200 - 15 * digit, 7 * digit); }
    static std::string digitPath(const std::string& folder, int digit)
    {
        return folder + "/time/0" + std::to_string(digit) + ".bmp";
    }
    static void writeDigit(const std::string& folder, int digit, int width = 7)
    {
        QImage image(width, 12, QImage::Format_RGB32);
        image.fill(colourOf(digit));
        ASSERT_TRUE(image.save(QString::fromStdString(digitPath(folder, digit)), "BMP"));
    }
    static void writeDigits(const std::string& folder)
    {
        QDir().mkpath(QString::fromStdString(folder + "/time"));
        for (int d = 0; d < 10; ++d)
            writeDigit(folder, d);
    }

    // The digit whose colour the box shows; -1 for an empty box, -2 for a picture of no digit.
    static int digitIn(const forms::PictureBox& box)
    {
        const forms::Picture& p = box.Picture();
        if (p.empty()) return -1;
        for (int d = 0; d < 10; ++d)
            if (p.data->image.pixelColor(0, 0) == colourOf(d)) return d;
        return -2;
    }

    Player& player() { return forms::the<Player>(); }
    Shade& shade() { return forms::the<Shade>(); }

    QTemporaryDir dir;
    forms::testing::ScriptedUi ui;
    forms::testing::ManualClock clock;
};
