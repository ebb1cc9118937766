#pragma once

// The profile's edits as values: a point moved, added or removed, a value typed into a point or
// into the vessel's wall, floor, pad or flattening, a profile made from the rings. Each gives the
// profile or value to take, or why it is refused; a profile is never taken with a problem that
// profileProblems finds.

#include "core/profile.h"
#include "core/vessel.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// The values of a point typed in the point table.
enum class PointField
{
    r,
    h
};

// The lengths of the vessel that go with its profile.
enum class VesselLength
{
    wall,
    floor,
    pad,
    flatten
};

// A length typed in a project kept in `units`, read as the ring table reads one: "10 1/2",
// "254mm"; a plain number in a millimetre project is millimetres. `positive` asks for more than
// 0, otherwise 0 is allowed too.
struct LengthReading
{
    double inches = 0;
    std::string problem; // empty when the length is taken
};
LengthReading readTypedLength(std::string_view text, Units units, bool positive);

// A profile to take, or why not.
struct ProfileEdit
{
    std::vector<ProfilePoint> points;
    std::string problem; // empty when the profile is taken
};

// `text` typed into `field` of the point at `place`.
ProfileEdit typeIntoPoint(const std::vector<ProfilePoint> &points, std::size_t place,
    PointField field, std::string_view text, Units units);

// The point at `place` moved toward (r, h): r no less than 0, the first point kept at the
// bottom, h kept between the heights of the points beside it. Nothing when even so the move
// would break the profile (a third point in a row at one height, two points the same).
std::optional<std::vector<ProfilePoint>> movePoint(
    const std::vector<ProfilePoint> &points, std::size_t place, double r, double h);

// A point added at `place` (before the point there now), or removed from it.
ProfileEdit addPoint(
    const std::vector<ProfilePoint> &points, std::size_t place, const ProfilePoint &point);
ProfileEdit removePoint(const std::vector<ProfilePoint> &points, std::size_t place);

// A length in inches on the grid points snap to: the nearest 1/16 inch, or in a millimetre
// project the nearest whole millimetre, as the same number of millimetres typed gives it.
double snapped(double inches, Units units);
// The grid's step in inches.
double snapStep(Units units);

// A profile of the vessel's rings as they stack: each ring's outer radius from its bottom to its
// top, straight, every point a corner. Where the next ring is wider the outside steps out along
// its bottom, a ledge of the wider ring; where it is narrower it runs straight in across the
// lower ring, so that each ring's outer diameter comes out of the profile as it is. Empty
// without a ring of any height.
std::vector<ProfilePoint> profileOfRings(const Vessel &vessel);

// The vessel's length `field` in inches; a floor at the wall's thickness when it has none of its
// own.
double vesselLength(const Vessel &vessel, VesselLength field);

} // namespace orvane
