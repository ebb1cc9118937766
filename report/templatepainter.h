#pragma once

// A painter on a page whose unit is the point, 1/72 inch, whatever the device's resolution: the
// scale comes from the device's own dots per inch, so a length drawn is that length on paper.
// Text is laid out at the device's full resolution, so that its metrics are those of the size
// printed and not of a tiny font magnified.

#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>

namespace orvane {

inline constexpr double pointsPerInch = 72;

class TemplatePainter
{
public:
    // Sets up `painter`, already begun on its device, with its origin at the top-left corner of
    // the printable area.
    explicit TemplatePainter(QPainter &painter);

    QPainter &painter() { return device; }

    // The printable area's size, in points.
    QSizeF printableSize() const;

    // Lines and outlines drawn from here on: `width` in points, solid or dashed.
    void setPen(const QColor &colour, double width, Qt::PenStyle style = Qt::SolidLine);
    // The font of the text drawn from here on, `points` high.
    void setFont(double points, bool bold = false);

    // Draws `text` with its corner or edge given by `alignment` at `anchor`: Qt::AlignRight |
    // Qt::AlignTop puts its top-right corner there. Gives the rectangle it takes.
    QRectF text(const QPointF &anchor, Qt::Alignment alignment, const QString &text);
    // Draws `text` in `box`, wrapped at word boundaries; gives the rectangle it takes.
    QRectF wrapped(const QRectF &box, const QString &text);
    // `text` shortened with an ellipsis to fit `width` points in the current font.
    QString elided(const QString &text, double width) const;
    // The size `text` takes in the current font, on one line.
    QSizeF measure(const QString &text) const;
    // The distance from one line of the current font to the next.
    double lineSpacing() const;

private:
    QRectF toDevice(const QRectF &box) const;
    QRectF fromDevice(const QRectF &box) const;
    QRectF drawText(const QRectF &box, int flags, const QString &text);

    QPainter &device;
    double dotsX = 1; // device dots per point
    double dotsY = 1;
    QFont font; // sized for the device, drawn without the scale
};

} // namespace orvane
