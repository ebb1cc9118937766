#include "report/printersurface.h"

#include "drawing/painting.h"

#include <QPagedPaintDevice>

#include <numbers>

namespace orvane {

PrinterSurface::PrinterSurface(QPagedPaintDevice &pageDevice)
    : device(pageDevice)
{ }

PrinterSurface::~PrinterSurface()
{
    // A document left open is still closed, so that the device lets go of its output.
    if (painter.isActive())
        painter.end();
}

bool PrinterSurface::begin()
{
    if (!painter.begin(&device))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    return true;
}

void PrinterSurface::newPage()
{
    pageRefused = !device.newPage() || pageRefused;
}

void PrinterSurface::clear()
{
    painter.eraseRect(QRectF(QPointF(0, 0), area()));
}

void PrinterSurface::drawLine(float x1, float y1, float x2, float y2, std::optional<QRgb> colour)
{
    if (const auto path = mapping().line(x1, y1, x2, y2))
        strokeFigure(painter, *path, colour);
}

void PrinterSurface::circle(float x, float y, float radius)
{
    penArc(x, y, radius, 0, static_cast<float>(2 * std::numbers::pi));
}

void PrinterSurface::arc(float x, float y, float radius, QRgb colour, float start, float end)
{
    if (const auto path = mapping().arc(x, y, radius, start, end))
        strokeFigure(painter, *path, colour);
}

void PrinterSurface::penArc(float x, float y, float radius, float start, float end)
{
    arc(x, y, radius, painter.pen().color().rgba(), start, end);
}

void PrinterSurface::print(const QString &text)
{
    newLine(mapping().print(painter, text));
}

ScaleMapping PrinterSurface::mapping() const
{
    return ScaleMapping(*this, area());
}

QSizeF PrinterSurface::area() const
{
    return { qreal(device.width()), qreal(device.height()) };
}

void PrinterSurface::setScaleUnitInches()
{
    setScaleLeft(0);
    setScaleTop(0);
    setScaleWidth(printableWidth());
    setScaleHeight(printableHeight());
}

float PrinterSurface::printableHeight()
{
    return static_cast<float>(double(device.height()) / device.logicalDpiY());
}

float PrinterSurface::printableWidth()
{
    return static_cast<float>(double(device.width()) / device.logicalDpiX());
}

void PrinterSurface::setFontSize(float points)
{
    QFont font = painter.font();
    font.setPointSizeF(points);
    painter.setFont(font);
}

void PrinterSurface::setPenWidth(int dots)
{
    // The painter draws in device coordinates, so a width in device units is one in dots.
    QPen pen = painter.pen();
    pen.setWidth(dots);
    painter.setPen(pen);
}

void PrinterSurface::rectangle(float x1, float y1, float x2, float y2)
{
    const ScaleMapping map = mapping();
    painter.drawRect(QRectF(map.toDevice(x1, y1), map.toDevice(x2, y2)).normalized());
}

void PrinterSurface::endDocument()
{
    endedCleanly = painter.end() && !pageRefused;
}

} // namespace orvane
