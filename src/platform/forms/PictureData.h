#pragma once

#include "platform/forms/Controls.h"

#include <QImage>
#include <QString>

namespace forms
{

// A skin resource is decoded when it is first drawn: start-up builds every window's controls,
// but only the first window shown needs its pixels before it appears. Only the UI thread
// touches pictures.
struct Picture::Data {
    const QImage& image() const
    {
        if (!resource.isEmpty()) {
            decoded = QImage(resource, "PNG"); // named: the reader then asks no plugin
            resource.clear();
        }
        return decoded;
    }
    QSize size;
    int handle = 0;
    mutable QString resource; // still to decode
    mutable QImage decoded;
};

namespace detail
{
// The image a picture handle names, while some picture still holds it; null image otherwise.
QImage imageOfHandle(int handle);
} // namespace detail

} // namespace forms
