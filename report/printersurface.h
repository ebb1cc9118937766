#pragma once

// A page of a printer or of a PDF writer as a drawing surface. The scale maps onto the printable
// area of the page; fonts and pens are measured on the device, so that 12 points are 12 points on
// paper and a dot is one of the printer's dots.

#include "report/pagesurface.h"

#include <QPainter>

class QPagedPaintDevice;
class QPainterPath;

namespace orvane {

class ScaleMapping;

class PrinterSurface : public PageSurface
{
public:
    explicit PrinterSurface(QPagedPaintDevice &device);
    ~PrinterSurface() override;

    // Starts the document; false when the device cannot be started. Nothing may be drawn before.
    bool begin();
    // Whether the document was started, paged and ended without a failure of the device.
    bool ended() const { return endedCleanly; }

    void clear() override;
    void circle(float x, float y, float radius) override;
    void arc(float x, float y, float radius, QRgb colour, float start, float end) override;
    void print(const QString &text) override;

    void setScaleUnitInches() override;
    float printableHeight() override;
    float printableWidth() override;
    void setFontSize(float points) override;
    void setPenWidth(int dots) override;
    void rectangle(float x1, float y1, float x2, float y2) override;
    void penArc(float x, float y, float radius, float start, float end) override;
    void newPage() override;
    void endDocument() override;

protected:
    void drawLine(float x1, float y1, float x2, float y2, std::optional<QRgb> colour) override;

private:
    ScaleMapping mapping() const;
    QSizeF area() const;

    QPagedPaintDevice &device;
    QPainter painter;
    bool pageRefused = false; // the device could not start a new page
    bool endedCleanly = false;
};

} // namespace orvane
