#pragma once

#include <QRect>

namespace kirvano {

// The windows were drawn in twips, 1440 to the inch: 15 to a pixel at 96 dpi.
constexpr int TwipsPerPixel = 15;

constexpr int px(int twips)
{
    return twips / TwipsPerPixel;
}

// A rectangle in twips, relative to its container's top-left corner.
struct TwipRect
{
    int left;
    int top;
    int width;
    int height;

    QRect toPixels() const { return QRect(px(left), px(top), px(width), px(height)); }
};

// A font as drawn: face, size in points, weight. No face: the container's font.
struct FontSpec
{
    const char *face;
    double points;
    bool bold;
};

} // namespace kirvano
