#pragma once

// A page of a printer or of a PDF writer as a drawing surface. The scale maps onto the printable
// area of the page; fonts and pens are measured on the device, so that 12 points are 12 points on
// paper and a dot is one of the printer's dots.

#include "drawing/paintersurface.h"
#include "report/pagesurface.h"

#include <QPainter>

class QPagedPaintDevice;

class PrinterSurface : public PainterSurface, public PageSurface
{
public:
    explicit PrinterSurface(QPagedPaintDevice &device);
    ~PrinterSurface() override;

    // Starts the document; false when the device cannot be started. Nothing may be drawn before.
    bool begin();
    // Whether the document was started and ended without a failure of the device.
    bool ended() const { return ended_; }

    void clear() override;

    void setScaleUnitInches() override;
    float printableHeight() override;
    float printableWidth() override;
    void setFontSize(float points) override;
    void setPenWidth(int dots) override;
    void rectangle(float x1, float y1, float x2, float y2) override;
    using PainterSurface::arc;
    void arc(float x, float y, float radius, float start, float end) override;
    void endDocument() override;

protected:
    QPainter &painter() override { return painter_; }
    QSizeF area() const override;

private:
    QPagedPaintDevice &device_;
    QPainter painter_;
    bool ended_ = false;
};
