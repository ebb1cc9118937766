#pragma once

// The vessel's cut list as texts to print: a row for every ring with its glue-up note, and the
// lumber of every wood and of every wood and board thickness, in the project's units. Every number
// is one the rings' results hold; nothing is computed again.

#include "core/vessel.h"
#include "core/vesselresults.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace orvane {

// A length measured at the saw: in inches its sixteenth fraction over its decimal, in
// millimetres one text ("71.5 mm").
struct MeasuredLength
{
    QString first;
    QString second; // empty in millimetres
};

struct CutListRingRow
{
    QString number; // the ring's place from the foot, from 1
    QString name;
    QString wood;
    QString segments;
    QString outer;
    QString inner;
    QString sawAngle; // from square, "15.0°"
    MeasuredLength longSide;
    MeasuredLength shortSide;
    MeasuredLength boardWidth;
    QString thickness;
    MeasuredLength stripLength;
    QString boardFeet;
    QString glueUp; // the turn from the ring below; empty for a ring with no joints below it
};

// The lumber of a wood, or of a wood in one board thickness.
struct CutListWoodRow
{
    QString wood;
    QString thickness; // the board's; empty in the totals of all thicknesses
    QString rings;
    QString segments;
    QString boardFeet;
    MeasuredLength stripLength; // one line: the fraction in inches
};

struct VesselCutList
{
    QList<CutListRingRow> rings;
    QList<CutListWoodRow> woods;
    CutListWoodRow total; // all woods together
    QList<CutListWoodRow> boards; // what the woodworker buys: each wood in each thickness
    QString height; // the stack's
    QString widestDiameter;
    QString unit; // "in" or "mm", for the headings
};

VesselCutList vesselCutList(const Vessel &vessel, const VesselResults &results);

// A length the user gives (a diameter, a thickness) in `units`, without the unit: "10.5", "266.7".
QString givenLength(double inches, Units units);

// The name the lumber of rings without a wood is listed under.
QString noWoodName();

} // namespace orvane
