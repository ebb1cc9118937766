#include "tests/support/recordingpagesurface.h"

RecordingPageSurface::RecordingPageSurface(float printableWidth, float printableHeight)
    : width(printableWidth)
    , height(printableHeight)
{ }

void RecordingPageSurface::setScaleUnitInches()
{
    setScale(*this, ViewScale { 0, 0, width, height });
}

void RecordingPageSurface::rectangle(float x1, float y1, float x2, float y2)
{
    record(Operation::Rectangle, { x1, y1, x2, y2 });
}

void RecordingPageSurface::penArc(float x, float y, float radius, float start, float end)
{
    record(Operation::Arc, { x, y, radius, start, end });
}

void RecordingPageSurface::stamp(Operation &operation) const
{
    operation.fontSize = fontSize;
    operation.penWidth = penWidth;
}
