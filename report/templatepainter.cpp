#include "report/templatepainter.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPen>

namespace orvane {

namespace {

// Room enough for any one line of text on a page, in points.
constexpr double textRoom = 4000;

} // namespace

TemplatePainter::TemplatePainter(QPainter &painter)
    : device(painter)
{
    const QPaintDevice *paintDevice = painter.device();
    dotsX = paintDevice->logicalDpiX() / pointsPerInch;
    dotsY = paintDevice->logicalDpiY() / pointsPerInch;
    device.resetTransform();
    device.scale(dotsX, dotsY);
    device.setRenderHint(QPainter::Antialiasing);
    device.setBrush(Qt::NoBrush);
    setPen(Qt::black, 0.5);
    setFont(10);
}

QSizeF TemplatePainter::printableSize() const
{
    const QPaintDevice *paintDevice = device.device();
    return { paintDevice->width() / dotsX, paintDevice->height() / dotsY };
}

void TemplatePainter::setPen(const QColor &colour, double width, Qt::PenStyle style)
{
    QPen pen(colour, width, style, Qt::FlatCap, Qt::MiterJoin);
    pen.setCosmetic(false);
    device.setPen(pen);
}

void TemplatePainter::setFont(double points, bool bold)
{
    font = QFont();
    font.setPointSizeF(points);
    font.setBold(bold);
    // No ligatures: "fit" stays three letters for whoever copies the text out of a PDF.
    font.setStyleStrategy(QFont::PreferNoShaping);
}

QRectF TemplatePainter::text(const QPointF &anchor, Qt::Alignment alignment, const QString &text)
{
    QRectF box(0, 0, textRoom, textRoom);
    if (alignment & Qt::AlignRight)
        box.moveRight(anchor.x());
    else if (alignment & Qt::AlignHCenter)
        box.moveLeft(anchor.x() - textRoom / 2);
    else
        box.moveLeft(anchor.x());
    if (alignment & Qt::AlignBottom)
        box.moveBottom(anchor.y());
    else if (alignment & Qt::AlignVCenter)
        box.moveTop(anchor.y() - textRoom / 2);
    else
        box.moveTop(anchor.y());
    return drawText(box, int(alignment), text);
}

QRectF TemplatePainter::wrapped(const QRectF &box, const QString &text)
{
    return drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
}

QSizeF TemplatePainter::measure(const QString &text) const
{
    const QFontMetricsF metrics(font, device.device());
    return { metrics.horizontalAdvance(text) / dotsX, metrics.height() / dotsY };
}

QString TemplatePainter::elided(const QString &text, double width) const
{
    return QFontMetricsF(font, device.device()).elidedText(text, Qt::ElideRight, width * dotsX);
}

double TemplatePainter::lineSpacing() const
{
    return QFontMetricsF(font, device.device()).lineSpacing() / dotsY;
}

QRectF TemplatePainter::toDevice(const QRectF &box) const
{
    return { box.x() * dotsX, box.y() * dotsY, box.width() * dotsX, box.height() * dotsY };
}

QRectF TemplatePainter::fromDevice(const QRectF &box) const
{
    return { box.x() / dotsX, box.y() / dotsY, box.width() / dotsX, box.height() / dotsY };
}

QRectF TemplatePainter::drawText(const QRectF &box, int flags, const QString &text)
{
    // The clip stays where it was set: it is kept in device dots.
    device.save();
    device.resetTransform();
    device.setFont(font);
    QRectF taken;
    device.drawText(toDevice(box), flags, text, &taken);
    device.restore();
    return fromDevice(taken);
}

} // namespace orvane
