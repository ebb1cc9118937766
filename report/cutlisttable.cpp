#include "report/cutlisttable.h"

#include "core/boardfeet.h"
#include "core/joints.h"
#include "core/picture.h"
#include "core/reading.h"
#include "drawing/conversions.h"

#include <QCoreApplication>

namespace orvane {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("CutList", text);
}

MeasuredLength measured(const std::optional<LengthResult> &length, Units units)
{
    if (!length)
        return {};
    if (units == Units::millimetres)
        return { shown(length->millimetres) + tr(" mm"), {} };
    return { shown(length->fraction).trimmed(), shown(length->decimal) };
}

CutListRingRow ringRow(std::size_t place, const RingResult &result, Units units)
{
    const RingDesign &design = result.design;
    CutListRingRow row;
    row.number = QString::number(place);
    row.name = shown(design.name);
    row.wood = shown(woodText(design));
    row.segments = shown(shortestDecimal(design.inputs.segmentCount));
    row.outer = givenLength(design.inputs.outerDiameter, units);
    row.inner = givenLength(design.inputs.innerDiameter, units);
    row.sawAngle = shown(angleText(result.sawAngle, anglePicture));
    row.longSide = measured(result.longSide, units);
    row.shortSide = measured(result.shortSide, units);
    row.boardWidth = measured(result.boardWidth, units);
    row.thickness = design.thickness ? givenLength(*design.thickness, units) : QString();
    row.stripLength = measured(result.stripLength, units);
    row.boardFeet = shown(result.boardFeetText);
    if (result.turn)
        row.glueUp = shown(glueUpNote(*result.turn));
    return row;
}

// A total of lumber; its strip on one line, as no saw is set to it.
CutListWoodRow woodRow(
    const QString &wood, int rings, int segments, double boardFeet, double strip, Units units)
{
    return { wood, {}, QString::number(rings), QString::number(segments),
        shown(boardFeetCaption(boardFeet)), { measured(lengthResult(strip), units).first, {} } };
}

CutListWoodRow woodRow(const WoodTotal &wood, Units units)
{
    CutListWoodRow row = woodRow(wood.wood.empty() ? noWoodName() : shown(wood.wood), wood.rings,
        wood.segments, wood.boardFeet, wood.stripLength, units);
    if (wood.thickness > 0)
        row.thickness = givenLength(wood.thickness, units);
    return row;
}

} // namespace

QString givenLength(double inches, Units units)
{
    if (units == Units::millimetres)
        return shown(millimetresText(inches));
    return shown(inputInchesText(inches));
}

QString noWoodName()
{
    return tr("(no wood given)");
}

VesselCutList vesselCutList(const Vessel &vessel, const VesselResults &results)
{
    VesselCutList list;
    const Units units = vessel.units;
    list.unit = units == Units::millimetres ? tr("mm") : tr("in");
    for (std::size_t i = 0; i < results.rings.size(); ++i)
        list.rings.append(ringRow(i + 1, results.rings[i], units));
    int segments = 0;
    for (const WoodTotal &wood : results.woods) {
        list.woods.append(woodRow(wood, units));
        segments += wood.segments;
    }
    for (const WoodTotal &board : results.boards)
        list.boards.append(woodRow(board, units));
    // A ring of several woods counts once, and its strips are each wood's.
    list.total = woodRow(tr("All woods"), static_cast<int>(results.rings.size()), segments,
        results.boardFeet, results.stripLengthPerWood, units);
    list.height = givenLength(results.height, units) + QLatin1Char(' ') + list.unit;
    list.widestDiameter = givenLength(results.widestDiameter, units) + QLatin1Char(' ') + list.unit;
    return list;
}

} // namespace orvane
