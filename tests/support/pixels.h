#pragma once

// Picture boxes to draw on, and reading drawn pictures back: where a point of the user scale lands
// in an image, and what kind of colour a pixel has. Tests sample images at computed points instead
// of comparing whole images, so that fonts and antialiasing do not matter.

#include "drawing/picturebox.h"
#include "tests/support/viewscale.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QRgb>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>

namespace pixels {

using orvane::PictureBox;

// The colours of the drawings: the teal background, the yellow ring and the light magenta arcs.
inline constexpr QRgb teal = qRgb(0, 128, 128);
inline constexpr QRgb yellow = qRgb(255, 255, 0);
inline constexpr QRgb lightMagenta = qRgb(255, 0, 255);

inline void setColours(QWidget &widget, const QColor &background, const QColor &foreground)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, foreground);
    widget.setPalette(palette);
}

// A box of `size` in the drawings' colours, teal with black figures, and cleared.
inline std::unique_ptr<PictureBox> tealBox(QSize size)
{
    auto box = std::make_unique<PictureBox>(size);
    setColours(*box, QColor(teal), Qt::black);
    box->clear();
    return box;
}

inline std::unique_ptr<PictureBox> tealBox(QSize size, const ViewScale &scale)
{
    auto box = tealBox(size);
    setScale(*box, scale);
    return box;
}

// The user scale of a picture: left, top, width and height.
struct Scale
{
    double left;
    double top;
    double width;
    double height;
};

// Where (x, y) lands in `image`, in the image's own pixels: (x - left) / width of the way across
// and (y - top) / height of the way down.
inline QPointF landing(const QImage &image, const Scale &scale, double x, double y)
{
    return { (x - scale.left) / scale.width * image.width(),
        (y - scale.top) / scale.height * image.height() };
}

// The pixel that holds a landing point, kept inside the image.
inline QPoint pixelAt(const QImage &image, QPointF p)
{
    const int x = std::clamp(static_cast<int>(std::floor(p.x())), 0, image.width() - 1);
    const int y = std::clamp(static_cast<int>(std::floor(p.y())), 0, image.height() - 1);
    return { x, y };
}

// The pictures' background, teal.
inline bool isTeal(QRgb c)
{
    return qRed(c) == qRed(teal) && qGreen(c) == qGreen(teal) && qBlue(c) == qBlue(teal);
}

// Yellow, or yellow blended by antialiasing into teal or the foreground: of the colours the plan
// view uses, only yellow brings red without blue.
inline bool isYellowish(QRgb c)
{
    return qRed(c) >= 100 && qBlue(c) + 40 <= qRed(c);
}

// Light magenta, possibly blended into teal.
inline bool isMagentaish(QRgb c)
{
    return qRed(c) >= 100 && qGreen(c) < 100 && qBlue(c) >= 100;
}

// Dark ink of the foreground colour (black on the test pictures), possibly blended into teal.
inline bool isInk(QRgb c)
{
    return qRed(c) < 40 && qGreen(c) < 90 && qBlue(c) < 90;
}

// Whether any pixel within `radius` pixels of `centre` (a square) satisfies `test`.
inline bool anyNear(
    const QImage &image, QPoint centre, int radius, const std::function<bool(QRgb)> &test)
{
    for (int y = centre.y() - radius; y <= centre.y() + radius; ++y) {
        for (int x = centre.x() - radius; x <= centre.x() + radius; ++x) {
            if (image.rect().contains(x, y) && test(image.pixel(x, y)))
                return true;
        }
    }
    return false;
}

// Whether every pixel within `radius` pixels of `centre` satisfies `test`.
inline bool allNear(
    const QImage &image, QPoint centre, int radius, const std::function<bool(QRgb)> &test)
{
    return !anyNear(image, centre, radius, [&test](QRgb c) { return !test(c); });
}

// The smallest rectangle holding every pixel that satisfies `test`; empty when none does.
inline QRect boundsOf(const QImage &image, const std::function<bool(QRgb)> &test)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (test(image.pixel(x, y)))
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

// Whether nothing is drawn on `image`: every pixel is the teal background.
inline bool isBlank(const QImage &image)
{
    return boundsOf(image, [](QRgb c) { return !isTeal(c); }).isEmpty();
}

} // namespace pixels
