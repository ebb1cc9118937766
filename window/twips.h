#pragma once

// Positions and sizes of the window layout are given in twips, 1/1440 inch: 15 to a logical pixel.

#include <QRect>

namespace orvane {

constexpr int twipsPerPixel = 15;

constexpr int pixels(int twips)
{
    return (twips + twipsPerPixel / 2) / twipsPerPixel;
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return { pixels(left), pixels(top), pixels(width), pixels(height) };
}

} // namespace orvane
