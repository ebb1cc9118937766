#include "report/templatecutlist.h"

#include "core/cutlist.h"
#include "core/picture.h"
#include "core/reading.h"
#include "drawing/conversions.h"

#include <QCoreApplication>

#include <algorithm>
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

LengthTexts lengthTexts(const LengthResult &length)
{
    return { shown(length.fraction), shown(length.decimal), shown(length.millimetres) + tr(" mm") };
}

std::optional<QString> templateProblem(const TemplateRing &ring)
{
    const RingResult &result = ring.ring;
    const auto blames = [&result](RingField field) {
        return std::any_of(result.problems.begin(), result.problems.end(),
            [field](const RingProblem &problem) { return problem.field == field; });
    };
    if (!result.geometry || blames(RingField::segments))
        return tr("the segment count makes no ring");
    if (!isTrapezoid(*result.geometry) || blames(RingField::inner) || blames(RingField::outer)
        || blames(RingField::fudge))
        return tr("the segment is not a shape that can be cut: the inner diameter, less the "
                  "fudge factor, must be smaller than the outer one and not below zero");
    if (blames(RingField::kerf) || result.design.kerf > widestKerf)
        return tr("the kerf must be a length from 0 to 1 inch");
    if (!result.sound())
        return shown(result.problems.front().message);
    return std::nullopt;
}

std::optional<CutList> cutList(const TemplateRing &ring)
{
    if (templateProblem(ring))
        return std::nullopt;
    const RingResult &result = ring.ring;
    const RingDesign &design = result.design;
    CutList list;
    list.ring = *result.geometry;
    list.stripLength = result.stripLength->inches;

    list.segmentCount = shown(shortestDecimal(design.inputs.segmentCount));
    list.outerDiameter = inches(design.inputs.outerDiameter);
    list.innerDiameter = inches(design.inputs.innerDiameter);
    list.fudge = inches(design.inputs.fudge);
    list.thickness = inches(*design.thickness);

    list.sawAngle = shown(angleText(result.sawAngle, anglePicture));
    list.longSideAngle = shown(result.longSideAngleText);
    list.shortSideAngle = shown(result.shortSideAngleText);

    list.longSide = lengthTexts(*result.longSide);
    list.shortSide = lengthTexts(*result.shortSide);
    list.boardWidth = lengthTexts(*result.boardWidth);
    list.kerf = lengthTexts(lengthResult(design.kerf));
    list.strip = lengthTexts(*result.stripLength);
    list.boardFeet = shown(result.boardFeetText);
    return list;
}

QString stripAssumption()
{
    return tr("The strip length assumes all segments are cut one after another from one strip "
              "of the board width, turned over between cuts, with the kerf measured square to "
              "the blade and the two waste triangles at the ends included.");
}

} // namespace orvane
