#pragma once

// The one-page report of a ring: a border, five header lines, a fixed drawing of one segment with
// its side lengths and angles beside it, and a note that the drawing is not to scale.

#include <QString>

#include <optional>

namespace orvane {

class PageSurface;

// What the report prints: texts and captions as the window shows them, and the lengths in inches
// (none for a count that makes no ring).
struct ReportValues
{
    QString projectName; // as typed in the project name prompt
    QString segmentCount; // the segment count's text, also read as a number for the two angles
    QString boardWidth; // the board width as a fraction with its mark
    std::optional<double> boardWidthInches;
    QString boardThickness; // the board thickness's text
    QString boardFeet; // the board feet as shown
    QString shortSide; // the short side as a fraction with its mark
    std::optional<double> shortSideInches;
    QString longSide; // the long side as a fraction with its mark
    std::optional<double> longSideInches;
};

// Sets `page` up and draws the report on it; the document stays open for more pages.
void drawReportPage(PageSurface &page, const ReportValues &values);

// Draws the report on `page` and ends the document.
void drawReport(PageSurface &page, const ReportValues &values);

} // namespace orvane
