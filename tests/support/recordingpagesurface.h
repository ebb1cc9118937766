#pragma once

// A printed page that prints nothing: it records the page's operations along with the drawing
// ones, each with the font size and pen width in force, and answers with the printable size it
// was given.

#include "report/pagesurface.h"
#include "tests/support/recordingsurface.h"

class RecordingPageSurface : public Recording<orvane::PageSurface>
{
public:
    // The printable area the page reports, in inches.
    RecordingPageSurface(float printableWidth, float printableHeight);

    void setScaleUnitInches() override;
    float printableHeight() override { return height; }
    float printableWidth() override { return width; }
    void setFontSize(float points) override { fontSize = points; }
    void setPenWidth(int dots) override { penWidth = dots; }
    void rectangle(float x1, float y1, float x2, float y2) override;
    void penArc(float x, float y, float radius, float start, float end) override;
    void newPage() override { record(Operation::NewPage, {}); }
    void endDocument() override { record(Operation::EndDocument, {}); }

protected:
    void stamp(Operation &operation) const override;

private:
    float width;
    float height;
    float fontSize = 0;
    int penWidth = 0;
};
