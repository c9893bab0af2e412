#include "skins/Buttons.h"

namespace skins::buttons
{

using namespace palette;

void face(Canvas& c, const QRect& r, Look look, int depth)
{
    if (look == Look::Normal) {
        c.gradient(r, FaceTop, FaceBottom);
        c.bevel(r, FaceHilite, FaceShadow, 1);
        if (depth > 1)
            c.bevel(r.adjusted(1, 1, -1, -1), Canvas::mix(FaceTop, FaceHilite, 1, 2),
                    Canvas::mix(FaceBottom, FaceShadow, 1, 2), depth - 1);
    } else {
        c.gradient(r, PressedTop, PressedBottom);
        c.bevel(r, FaceShadow, PressedEdge, 1);
        if (depth > 1)
            c.bevel(r.adjusted(1, 1, -1, -1), Canvas::mix(PressedTop, Black, 1, 2), PressedBottom, depth - 1);
    }
}

void glyph(Canvas& c, const QRect& r, const Pattern& p, Look look, int dx, int dy)
{
    const int w = patternWidth(p);
    const int h = int(p.size());
    int x = r.left() + (r.width() - w) / 2 + dx;
    int y = r.top() + (r.height() - h) / 2 + dy;
    switch (look) {
    case Look::Normal:
        c.pattern(p, x + 1, y + 1, FaceShadow);
        c.pattern(p, x, y, Led);
        break;
    case Look::Pressed:
        c.pattern(p, x + 1, y + 1, LedDim);
        break;
    case Look::Lit:
        ++x, ++y;
        for (int ox = -1; ox <= 1; ++ox)
            for (int oy = -1; oy <= 1; ++oy)
                if (ox != 0 || oy != 0) c.pattern(p, x + ox, y + oy, LedGlow);
        c.pattern(p, x, y, Led);
        break;
    }
}

void transport(Canvas& c, const Pattern& p, Look look)
{
    const QRect r(0, 0, c.width(), c.height());
    face(c, r, look, 2);
    glyph(c, r, p, look);
}

void titleBar(Canvas& c, const Pattern& p, Look look)
{
    const QRect r(0, 0, c.width(), c.height());
    face(c, r, look, 1);
    const int w = patternWidth(p);
    const int h = int(p.size());
    const int x = (c.width() - w) / 2;
    const int y = (c.height() - h) / 2;
    if (look == Look::Normal)
        c.pattern(p, x, y, Led);
    else
        c.pattern(p, x + (c.width() > w + 2 ? 1 : 0), y + (c.height() > h + 2 ? 1 : 0),
                  look == Look::Lit ? Led : LedDim);
}

void text(Canvas& c, std::string_view label, FontSize size, Look look)
{
    const QRect r(0, 0, c.width(), c.height());
    const int depth = size == FontSize::Large ? 2 : 1;
    face(c, r, look, depth);
    const int x = (c.width() - textWidth(size, label) + 1) / 2;
    const int y = (c.height() - fontHeight(size) + 1) / 2;
    switch (look) {
    case Look::Normal:
        if (size == FontSize::Large) drawText(c, size, label, x + 1, y + 1, FaceShadow);
        drawText(c, size, label, x, y, Led);
        break;
    case Look::Pressed:
        drawText(c, size, label, x + 1, y + (size == FontSize::Large ? 1 : 0), LedDim);
        break;
    case Look::Lit:
        drawText(c, size, label, x + 1, y + (size == FontSize::Large ? 1 : 0), LedHot);
        break;
    }
}

void strip(Canvas& c, const Pattern& p, Look look)
{
    c.fill(QRect(0, 0, c.width(), c.height()), Black);
    c.pattern(p, 0, 0, look == Look::Normal ? PureRed : PureBlue);
}

void separator(Canvas& c)
{
    c.fill(QRect(0, 0, c.width(), c.height()), Black);
    c.fill(QRect(1, 2, 2, 2), Led);
    c.fill(QRect(1, 7, 2, 2), Led);
}

void seekThumb(Canvas& c)
{
    const QRect r(0, 0, c.width(), c.height());
    face(c, r, Look::Normal, 1);
    const int mid = c.width() / 2;
    for (int x = mid - 4; x <= mid + 4; x += 2)
        c.vline(x, 2, c.height() - 3, x == mid ? Led : LedDim);
}

} // namespace skins::buttons
