#pragma once

// A printed page as a drawing surface: besides what the screen's surfaces do, a page measures
// itself in inches, takes a font size and a pen width, draws rectangle outlines and arcs in its
// own pen, and is sent off at the end of the document.

#include "drawing/surface.h"

namespace orvane {

class PageSurface : public DrawingSurface
{
public:
    // Makes inches the scale unit: the scale becomes left 0, top 0 and the printable width and
    // height, with y growing down the page until the scale is set again.
    virtual void setScaleUnitInches() = 0;
    // The printable area of the page, in inches.
    virtual float printableHeight() = 0;
    virtual float printableWidth() = 0;

    // The size of the text printed from here on.
    virtual void setFontSize(float points) = 0;
    // The width of lines, rectangles and arcs drawn from here on, in the printer's dots.
    virtual void setPenWidth(int dots) = 0;

    // The outline of the rectangle with opposite corners (x1, y1) and (x2, y2).
    virtual void rectangle(float x1, float y1, float x2, float y2) = 0;
    // An arc in the page's own pen; angles as for the coloured arc.
    virtual void penArc(float x, float y, float radius, float start, float end) = 0;

    // Starts the next page of the document.
    virtual void newPage() = 0;
    // Ends the document, which sends its pages to the printer.
    virtual void endDocument() = 0;
};

} // namespace orvane
