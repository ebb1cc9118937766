#pragma once

// The one-page report of a ring: a border, five header lines, a fixed drawing of one segment with
// its side lengths and angles beside it, and a note that the drawing is not to scale.

#include <QString>

class PageSurface;

// What the report prints, read from the window at the moment of printing: texts and captions as
// the window shows them, lengths in inches as the last recalculation left them.
struct ReportValues
{
    QString projectName; // as typed in the project name prompt
    QString numsegs; // the segment count's text, also read as a number for the two angles
    QString boardWidth; // the board width as a fraction with its mark
    double boardwidthlen = 0;
    QString boardThickness; // the board thickness's text
    QString boardFeet; // the board feet as shown
    QString shortSide; // the short side as a fraction with its mark
    double shortsidelen = 0;
    QString longSide; // the long side as a fraction with its mark
    double longsidelen = 0;
    double pi = 0; // the program's value of pi, for the arcs
};

// Sets `page` up, draws and writes the report on it and ends the document.
void drawReport(PageSurface &page, const ReportValues &values);
