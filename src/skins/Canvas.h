#pragma once

#include "skins/Palette.h"

#include <QImage>
#include <QPainter>
#include <QRect>

#include <string_view>
#include <vector>

namespace skins
{

// A pixel pattern: one string per row, '#' lit, '+' half-lit (drawn in a second colour),
// anything else left alone.
using Pattern = std::vector<std::string_view>;

int patternWidth(const Pattern& p);

// Solid-colour drawing only (no antialiasing, no fonts, no blending), so the pixels are the
// same on every machine.
class Canvas
{
  public:
    Canvas(int width, int height, Rgb fill = palette::Black);
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    ~Canvas();

    int width() const { return image_.width(); }
    int height() const { return image_.height(); }

    void fill(const QRect& r, Rgb c);
    void pixel(int x, int y, Rgb c);
    void hline(int x0, int x1, int y, Rgb c);
    void vline(int x, int y0, int y1, Rgb c);
    void frame(const QRect& r, Rgb c);
    // A vertical gradient in whole colour steps, row by row.
    void gradient(const QRect& r, Rgb top, Rgb bottom);
    // Light top-left edges and dark bottom-right edges, `depth` pixels deep.
    void bevel(const QRect& r, Rgb light, Rgb dark, int depth = 1);
    void pattern(const Pattern& p, int x, int y, Rgb on, Rgb half = palette::Black);
    // A copy of another canvas at (x, y), clipped to this one.
    void paste(const Canvas& other, int x, int y);

    // The finished picture, 24 bits a pixel.
    QImage image() const;

    static Rgb mix(Rgb a, Rgb b, int num, int den);

  private:
    QImage image_;
    QPainter painter_;
};

} // namespace skins
