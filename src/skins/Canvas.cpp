#include "skins/Canvas.h"

#include <algorithm>

namespace skins
{

namespace
{
QColor color(Rgb c)
{
    return QColor(int((c >> 16) & 0xff), int((c >> 8) & 0xff), int(c & 0xff));
}
} // namespace

int patternWidth(const Pattern& p)
{
    std::size_t w = 0;
    for (auto row : p)
        w = std::max(w, row.size());
    return int(w);
}

Canvas::Canvas(int width, int height, Rgb fill) : image_(width, height, QImage::Format_RGB32)
{
    image_.fill(color(fill));
    painter_.begin(&image_);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setPen(Qt::NoPen);
}

Canvas::~Canvas()
{
    painter_.end();
}

void Canvas::fill(const QRect& r, Rgb c)
{
    painter_.fillRect(r, color(c));
}

void Canvas::pixel(int x, int y, Rgb c)
{
    fill(QRect(x, y, 1, 1), c);
}

void Canvas::hline(int x0, int x1, int y, Rgb c)
{
    if (x1 < x0) std::swap(x0, x1);
    fill(QRect(x0, y, x1 - x0 + 1, 1), c);
}

void Canvas::vline(int x, int y0, int y1, Rgb c)
{
    if (y1 < y0) std::swap(y0, y1);
    fill(QRect(x, y0, 1, y1 - y0 + 1), c);
}

void Canvas::frame(const QRect& r, Rgb c)
{
    hline(r.left(), r.right(), r.top(), c);
    hline(r.left(), r.right(), r.bottom(), c);
    vline(r.left(), r.top(), r.bottom(), c);
    vline(r.right(), r.top(), r.bottom(), c);
}

Rgb Canvas::mix(Rgb a, Rgb b, int num, int den)
{
    if (den <= 0) return a;
    Rgb out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int ca = int((a >> shift) & 0xff);
        const int cb = int((b >> shift) & 0xff);
        out |= Rgb(ca + (cb - ca) * num / den) << shift;
    }
    return out;
}

void Canvas::gradient(const QRect& r, Rgb top, Rgb bottom)
{
    const int rows = r.height();
    for (int i = 0; i < rows; ++i)
        hline(r.left(), r.right(), r.top() + i, mix(top, bottom, i, std::max(1, rows - 1)));
}

void Canvas::bevel(const QRect& r, Rgb light, Rgb dark, int depth)
{
    for (int d = 0; d < depth; ++d) {
        const QRect e = r.adjusted(d, d, -d, -d);
        if (e.width() <= 0 || e.height() <= 0) return;
        hline(e.left(), e.right(), e.bottom(), dark);
        vline(e.right(), e.top(), e.bottom(), dark);
        hline(e.left(), e.right() - 1, e.top(), light);
        vline(e.left(), e.top(), e.bottom() - 1, light);
    }
}

void Canvas::pattern(const Pattern& p, int x, int y, Rgb on, Rgb half)
{
    for (std::size_t row = 0; row < p.size(); ++row)
        for (std::size_t col = 0; col < p[row].size(); ++col) {
            const char ch = p[row][col];
            if (ch == '#')
                pixel(x + int(col), y + int(row), on);
            else if (ch == '+')
                pixel(x + int(col), y + int(row), half);
        }
}

void Canvas::paste(const Canvas& other, int x, int y)
{
    painter_.drawImage(x, y, other.image_);
}

QImage Canvas::image() const
{
    return image_.convertToFormat(QImage::Format_RGB888);
}

} // namespace skins
