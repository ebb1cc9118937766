#pragma once

// What the drawings require of a surface: a user scale, lines, circles and arcs, and text at a
// current position. The plan view, the detail view and the printed page draw through it.

#include <QRgb>
#include <QString>

#include <optional>

namespace orvane {

class DrawingSurface
{
public:
    virtual ~DrawingSurface() = default;

    // Erases the whole surface to its background colour.
    virtual void clear() = 0;

    // The user scale: the left edge lies at x = left and the top edge at y = top; the surface
    // spans `width` across and `height` down. A negative height makes y grow upwards. A point
    // (x, y) lies at (x - left) / width of the way across and (y - top) / height of the way down.
    float scaleLeft() const { return scale.left; }
    float scaleTop() const { return scale.top; }
    float scaleWidth() const { return scale.width; }
    float scaleHeight() const { return scale.height; }
    virtual void setScaleLeft(float value) { scale.left = value; }
    virtual void setScaleTop(float value) { scale.top = value; }
    virtual void setScaleWidth(float value) { scale.width = value; }
    virtual void setScaleHeight(float value) { scale.height = value; }

    // A straight line, in the foreground colour or in the given one.
    void line(float x1, float y1, float x2, float y2) { drawLine(x1, y1, x2, y2, std::nullopt); }
    void line(float x1, float y1, float x2, float y2, QRgb colour)
    {
        drawLine(x1, y1, x2, y2, colour);
    }

    // A full circle in the foreground colour; the radius is measured in x units.
    virtual void circle(float x, float y, float radius) = 0;

    // An arc in the given colour, in radians from `start` to `end`, 0 pointing right and running
    // counter-clockwise as seen on the surface.
    virtual void arc(float x, float y, float radius, QRgb colour, float start, float end) = 0;

    // The text position: a print puts the top-left corner of its text there, then moves the
    // position to the start of the next line (x back to the scale's left, y one line down).
    float currentX() const { return textX; }
    float currentY() const { return textY; }
    virtual void setCurrentX(float value) { textX = value; }
    virtual void setCurrentY(float value) { textY = value; }
    virtual void print(const QString &text) = 0;

protected:
    virtual void drawLine(float x1, float y1, float x2, float y2, std::optional<QRgb> colour) = 0;

    // Moves the text position to the start of the next line, `lineHeight` being the height of a
    // line in scale units down the surface.
    void newLine(float lineHeight)
    {
        textX = scale.left;
        textY += lineHeight;
    }

private:
    struct Scale
    {
        float left = 0;
        float top = 0;
        float width = 1;
        float height = 1;
    };
    Scale scale;
    float textX = 0;
    float textY = 0;
};

// Colours of the standard 16-colour palette that the drawings name.
namespace palette {
inline constexpr QRgb lightMagenta = 0xffff00ff; // colour 13
inline constexpr QRgb yellow = 0xffffff00; // colour 14
} // namespace palette

} // namespace orvane
