#pragma once

#include "platform/forms/Controls.h"

#include <QImage>

namespace forms
{

struct Picture::Data {
    QImage image;
    int handle = 0;
};

namespace detail
{
// The image a picture handle names, while some picture still holds it; null image otherwise.
QImage imageOfHandle(int handle);
} // namespace detail

} // namespace forms
