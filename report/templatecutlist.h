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
LengthTexts lengthTexts(const LengthResult &length);

struct CutList
{
    Ring ring;
    double stripLength = 0; // inches

    // The inputs: the count as a number, the lengths in inches ("36 in").
    QString segmentCount;
    QString outerDiameter;
    QString innerDiameter;
    QString fudge;
    QString thickness;

    QString sawAngle; // the cut's angle from square, 180 / n
    QString longSideAngle; // the window's miter angle under "Long Side"
    QString shortSideAngle; // and under "Short Side"

    LengthTexts longSide;
    LengthTexts shortSide;
    LengthTexts boardWidth;
    LengthTexts kerf;
    LengthTexts strip;
    QString boardFeet; // as the window's caption
};

// Why a template cannot be made of `ring`, as a phrase to follow "could not be made: "; nothing
// when it can. A ring with a problem (a count that makes no ring, an inner diameter not below the
// outer one or below twice the fudge, no board thickness...), a segment that is no trapezoid and
// a kerf wider than the widest are refused.
std::optional<QString> templateProblem(const TemplateRing &ring);

// The cut list of `ring`; nothing where templateProblem names a problem.
std::optional<CutList> cutList(const TemplateRing &ring);

// What the strip length takes for granted, in one line for the page.
QString stripAssumption();

} // namespace orvane
