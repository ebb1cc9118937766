#include "report/templatecutlist.h"

#include "core/angles.h"
#include "core/boardfeet.h"
#include "core/cutlist.h"
#include "core/fractions.h"
#include "core/picture.h"
#include "core/reading.h"
#include "drawing/conversions.h"

#include <QCoreApplication>

#include <cmath>

namespace orvane {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("TemplateCutList", text);
}

QString inches(double value)
{
    return shown(inputInchesText(value)) + tr(" in");
}

bool isTrapezoid(const Ring &ring)
{
    const double L = ring.longSide;
    const double S = ring.shortSide;
    const double W = ring.boardWidth;
    return std::isfinite(L) && std::isfinite(S) && std::isfinite(W) && S >= 0 && L > S && W > 0;
}

} // namespace

LengthTexts lengthTexts(double inches)
{
    return { shown(fractionText(inches)), shown(decimalText(inches)),
        shown(millimetresText(inches)) + tr(" mm") };
}

std::optional<QString> templateProblem(const TemplateRing &ring)
{
    const auto geometry = computeRing(ring.inputs);
    if (!geometry)
        return tr("the segment count makes no ring");
    if (!isTrapezoid(*geometry))
        return tr("the segment is not a shape that can be cut: the inner diameter, less the "
                  "fudge factor, must be smaller than the outer one and not below zero");
    if (!std::isfinite(ring.kerf) || ring.kerf < 0 || ring.kerf > widestKerf)
        return tr("the kerf must be a length from 0 to 1 inch");
    return std::nullopt;
}

std::optional<CutList> cutList(const TemplateRing &ring)
{
    if (templateProblem(ring))
        return std::nullopt;
    CutList list;
    list.ring = *computeRing(ring.inputs);
    const Ring &r = list.ring;
    list.stripLength = stripLength(r, ring.kerf);

    const RingInputs &in = ring.inputs;
    list.segmentCount = shown(shortestDecimal(in.segmentCount));
    list.outerDiameter = inches(in.outerDiameter);
    list.innerDiameter = inches(in.innerDiameter);
    list.fudge = inches(in.fudge);
    if (ring.thickness && std::isfinite(*ring.thickness))
        list.thickness = inches(*ring.thickness);

    const auto miters = miterAngles(in.segmentCount);
    list.sawAngle = shown(angleText(cutAngle(in.segmentCount), anglePicture));
    list.longSideAngle = shown(angleText(miters->longSide, anglePicture));
    list.shortSideAngle = shown(angleText(miters->shortSide, anglePicture));

    list.longSide = lengthTexts(r.longSide);
    list.shortSide = lengthTexts(r.shortSide);
    list.boardWidth = lengthTexts(r.boardWidth);
    list.kerf = lengthTexts(ring.kerf);
    list.strip = lengthTexts(list.stripLength);
    list.boardFeet = shown(boardFeetCaption(boardFeet(r, ring.thickness)));
    return list;
}

QString stripAssumption()
{
    return tr("The strip length assumes all segments are cut one after another from one strip "
              "of the board width, turned over between cuts, with the kerf measured square to "
              "the blade and the two waste triangles at the ends included.");
}

} // namespace orvane
