#pragma once

// A printed page that prints nothing: it records the page's operations along with the drawing
// ones, and answers with the printable size it was given.

#include "report/pagesurface.h"
#include "tests/support/recordingsurface.h"

class RecordingPageSurface : public RecordingSurface, public PageSurface
{
public:
    // The printable area the page reports, in inches.
    RecordingPageSurface(float printableWidth, float printableHeight);

    void setScaleUnitInches() override;
    float printableHeight() override;
    float printableWidth() override;
    void setFontSize(float points) override;
    void setPenWidth(int dots) override;
    void rectangle(float x1, float y1, float x2, float y2) override;
    using RecordingSurface::arc;
    void arc(float x, float y, float radius, float start, float end) override;
    void endDocument() override;

private:
    float width_;
    float height_;
};
