#pragma once

// The one-page report of a ring: a border, five header lines, a fixed drawing of one segment with
// its side lengths and angles beside it, and a note that the drawing is not to scale.

#include "core/ringresult.h"

#include <QString>

namespace orvane {

class PageSurface;

// What the report prints: three texts as the user gave them, and the ring's one result for every
// number on the page.
struct ReportValues
{
    QString projectName; // as typed in the project name prompt
    QString segmentCount; // the segment count as its box shows it
    QString boardThickness; // the board thickness as its box shows it
    RingResult ring;
};

// Sets `page` up and draws the report on it; the document stays open for more pages.
void drawReportPage(PageSurface &page, const ReportValues &values);

// Draws the report on `page` and ends the document.
void drawReport(PageSurface &page, const ReportValues &values);

} // namespace orvane
