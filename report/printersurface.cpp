#include "report/printersurface.h"

#include <QPagedPaintDevice>

PrinterSurface::PrinterSurface(QPagedPaintDevice &device)
    : device_(device)
{ }

PrinterSurface::~PrinterSurface()
{
    // A document left open is still closed, so that the device lets go of its output.
    if (painter_.isActive())
        painter_.end();
}

bool PrinterSurface::begin()
{
    if (!painter_.begin(&device_))
        return false;
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setBrush(Qt::NoBrush);
    return true;
}

void PrinterSurface::clear()
{
    painter_.eraseRect(QRectF(QPointF(0, 0), area()));
}

QSizeF PrinterSurface::area() const
{
    return { qreal(device_.width()), qreal(device_.height()) };
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
    return static_cast<float>(double(device_.height()) / device_.logicalDpiY());
}

float PrinterSurface::printableWidth()
{
    return static_cast<float>(double(device_.width()) / device_.logicalDpiX());
}

void PrinterSurface::setFontSize(float points)
{
    QFont font = painter_.font();
    font.setPointSizeF(points);
    painter_.setFont(font);
}

void PrinterSurface::setPenWidth(int dots)
{
    // The painter draws in device coordinates, so a width in device units is one in dots.
    QPen pen = painter_.pen();
    pen.setWidth(dots);
    painter_.setPen(pen);
}

void PrinterSurface::rectangle(float x1, float y1, float x2, float y2)
{
    painter_.drawRect(QRectF(toDevice(x1, y1), toDevice(x2, y2)).normalized());
}

void PrinterSurface::arc(float x, float y, float radius, float start, float end)
{
    PainterSurface::arc(x, y, radius, painter_.pen().color().rgba(), start, end);
}

void PrinterSurface::endDocument()
{
    ended_ = painter_.end();
}
