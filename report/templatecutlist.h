#pragma once

// The cut list of a template's first page: the ring's inputs, the saw's angles, the lengths the
// woodworker measures and the strip of board the segments are cut from, all as texts ready to
// print. The angles and the fractions are those the window shows for the same ring.

#include "core/ring.h"
#include "report/templatering.h"

#include <QString>

#include <optional>

namespace orvane {

// A length three ways: the window's sixteenth fraction with its mark, the window's decimal inches
// and millimetres to a tenth ("71.5 mm").
struct LengthTexts
{
    QString fraction;
    QString decimal;
    QString millimetres;
};
LengthTexts lengthTexts(double inches);

struct CutList
{
    Ring ring;
    double stripLength = 0; // inches

    // The inputs: the count as a number, the lengths in inches ("36 in").
    QString segmentCount;
    QString outerDiameter;
    QString innerDiameter;
    QString fudge;
    QString thickness; // empty when there is none

    QString sawAngle; // the cut's angle from square, 180 / n
    QString longSideAngle; // the window's miter angle under "Long Side"
    QString shortSideAngle; // and under "Short Side"

    LengthTexts longSide;
    LengthTexts shortSide;
    LengthTexts boardWidth;
    LengthTexts kerf;
    LengthTexts strip;
    QString boardFeet; // as the window's caption, empty when there is no thickness
};

// Why a template cannot be made of `ring`, as a phrase to follow "could not be made: "; nothing
// when it can. A count that makes no ring, a segment that is no trapezoid (the short side longer
// than the long one, a board width of nothing, a number that is not finite) and a kerf that is
// negative, wider than the widest or not finite are refused.
std::optional<QString> templateProblem(const TemplateRing &ring);

// The cut list of `ring`; nothing where templateProblem names a problem.
std::optional<CutList> cutList(const TemplateRing &ring);

// What the strip length takes for granted, in one line for the page.
QString stripAssumption();

} // namespace orvane
