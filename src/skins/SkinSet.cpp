#include "skins/SkinSet.h"

#include "skins/Art.h"
#include "skins/Backgrounds.h"
#include "skins/Buttons.h"
#include "skins/SkinWindows.h"

#include <QBuffer>

#include <algorithm>
#include <map>

namespace skins
{

namespace
{

using namespace palette;

void drawOwn(const Art* art, Canvas& c, Look look)
{
    if (art)
        art->draw(c, look);
    else
        drawBlankButton(c, look);
}

void drawWindow(const SkinWindow& w, std::map<std::string, QImage>& out, std::vector<std::string>* unknown)
{
    const bool hasBackground = !w.form->Picture.empty() && w.backgroundWidth > 0;
    Canvas background(std::max(1, w.backgroundWidth), std::max(1, w.backgroundHeight));
    if (hasBackground) paintBase(w, background);

    for (const forms::Layout& row : w.rows) {
        if (row.Picture.empty()) continue;
        const Art* art = artFor(row.Picture);
        if (!art && unknown) unknown->emplace_back(row.Picture);
        const int width = std::max(1, px(row.Width));
        const int height = std::max(1, px(row.Height));
        Canvas own(width, height);
        drawOwn(art, own, art ? art->own : Look::Normal);
        out[std::string(row.Picture)] = own.image();

        if (!hasBackground || !parentOf(w, row.Name).empty()) continue;
        const Under under = art ? art->under : Under::PressedLook;
        if (under == Under::PressedLook) {
            Canvas pressed(width, height);
            drawOwn(art, pressed, Look::Pressed);
            background.paste(pressed, px(row.Left), px(row.Top));
        } else if (under == Under::Black) {
            background.fill(QRect(px(row.Left), px(row.Top), width, height), Black);
        }
    }
    if (hasBackground) out[std::string(w.form->Picture)] = background.image();
    if (!w.form->Icon.empty()) out[std::string(w.form->Icon)] = drawIcon();
}

// Seven segments, 6 x 9 pixels, in the top left of the bitmap so that the shortest digit
// box (10 pixels on the compact strip) still shows the whole figure.
const QRect segments[7] = {
    QRect(1, 0, 4, 1), // a: top
    QRect(5, 1, 1, 3), // b: upper right
    QRect(5, 5, 1, 3), // c: lower right
    QRect(1, 8, 4, 1), // d: bottom
    QRect(0, 5, 1, 3), // e: lower left
    QRect(0, 1, 1, 3), // f: upper left
    QRect(1, 4, 4, 1), // g: middle
};
constexpr const char* lit[10] = {"abcdef", "bc",     "abged", "abgcd",   "fgbc",
                                 "afgcd",  "afgedc", "abc",   "abcdefg", "abcdfg"};

} // namespace

std::vector<SkinImage> drawSkins(std::vector<std::string>* unknown)
{
    std::map<std::string, QImage> images;
    for (const SkinWindow& w : skinWindows())
        drawWindow(w, images, unknown);
    if (!images.count(std::string(IconResource))) images[std::string(IconResource)] = drawIcon();
    std::vector<SkinImage> out;
    for (auto& [name, image] : images)
        out.push_back({name, image});
    return out;
}

std::array<QImage, 10> drawDigits()
{
    std::array<QImage, 10> out;
    for (int d = 0; d < 10; ++d) {
        Canvas c(DigitWidth, DigitHeight, Black);
        for (int s = 0; s < 7; ++s) {
            const bool on = std::string_view(lit[d]).find(char('a' + s)) != std::string_view::npos;
            c.fill(segments[s].translated(0, 1), on ? Led : LedGhost);
        }
        out[std::size_t(d)] = c.image();
    }
    return out;
}

QImage drawIcon()
{
    Canvas c(IconSize, IconSize, Outline);
    const QRect face(1, 1, IconSize - 2, IconSize - 2);
    buttons::face(c, face, Look::Normal, 2);
    const QRect screen(5, 5, IconSize - 10, IconSize - 10);
    c.fill(screen, Black);
    c.bevel(screen.adjusted(-1, -1, 1, 1), WellEdgeDark, WellEdgeLight, 1);
    // A play triangle and three level bars
    for (int i = 0; i < 7; ++i)
        c.vline(8 + i, 9 + i, 22 - i, i == 0 ? LedDim : Led);
    const int bars[3][2] = {{17, 13}, {20, 9}, {23, 15}};
    for (const auto& b : bars) {
        c.fill(QRect(b[0], 9, 2, 14), LedGhost);
        c.fill(QRect(b[0], b[1], 2, 23 - b[1]), Led);
        c.fill(QRect(b[0], b[1], 2, 1), LedHot);
    }
    return c.image();
}

QByteArray pngBytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_RGB888).save(&buffer, "PNG", 9);
    return bytes;
}

QByteArray bmpBytes(const QImage& source)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB888);
    const int w = image.width();
    const int h = image.height();
    const int stride = (w * 3 + 3) & ~3;
    const quint32 pixelBytes = quint32(stride * h);
    QByteArray out;
    const auto put16 = [&out](quint16 v) {
        out.append(char(v & 0xff));
        out.append(char(v >> 8));
    };
    const auto put32 = [&out](quint32 v) {
        for (int i = 0; i < 4; ++i)
            out.append(char((v >> (8 * i)) & 0xff));
    };
    out.append("BM");
    put32(54 + pixelBytes);
    put32(0);
    put32(54);
    put32(40);
    put32(quint32(w));
    put32(quint32(h));
    put16(1);
    put16(24);
    put32(0); // uncompressed
    put32(pixelBytes);
    put32(2835); // 72 dots per inch
    put32(2835);
    put32(0);
    put32(0);
    for (int y = h - 1; y >= 0; --y) {
        const uchar* line = image.constScanLine(y);
        for (int x = 0; x < w; ++x) {
            out.append(char(line[3 * x + 2]));
            out.append(char(line[3 * x + 1]));
            out.append(char(line[3 * x]));
        }
        for (int pad = w * 3; pad < stride; ++pad)
            out.append('\0');
    }
    return out;
}

QByteArray qrcBytes(const std::vector<SkinImage>& images)
{
    QByteArray out = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/skins\">\n";
    for (const auto& i : images)
        out += "  <file>" + QByteArray::fromStdString(i.name) + ".png</file>\n";
    out += "</qresource>\n</RCC>\n";
    return out;
}

} // namespace skins
