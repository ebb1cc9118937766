#include "tests/support/recordingpagesurface.h"

RecordingPageSurface::RecordingPageSurface(float printableWidth, float printableHeight)
    : width_(printableWidth)
    , height_(printableHeight)
{ }

void RecordingPageSurface::setScaleUnitInches()
{
    // The scale changes without recording each value: the page sets it as one operation.
    DrawingSurface::setScaleLeft(0);
    DrawingSurface::setScaleTop(0);
    DrawingSurface::setScaleWidth(width_);
    DrawingSurface::setScaleHeight(height_);
    record(Operation::ScaleUnitInches, {});
}

float RecordingPageSurface::printableHeight()
{
    record(Operation::PrintableHeight, { height_ });
    return height_;
}

float RecordingPageSurface::printableWidth()
{
    record(Operation::PrintableWidth, { width_ });
    return width_;
}

void RecordingPageSurface::setFontSize(float points)
{
    record(Operation::FontSize, { points });
}

void RecordingPageSurface::setPenWidth(int dots)
{
    record(Operation::PenWidth, { static_cast<float>(dots) });
}

void RecordingPageSurface::rectangle(float x1, float y1, float x2, float y2)
{
    record(Operation::Rectangle, { x1, y1, x2, y2 });
}

void RecordingPageSurface::arc(float x, float y, float radius, float start, float end)
{
    record(Operation::Arc, { x, y, radius, start, end });
}

void RecordingPageSurface::endDocument()
{
    record(Operation::EndDocument, {});
}
