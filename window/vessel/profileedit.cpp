#include "window/vessel/profileedit.h"

#include "core/length.h"
#include "core/reading.h"
#include "core/ringdesign.h"
#include "core/stacking.h"
#include "core/text.h"

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

std::string joined(const std::vector<std::string> &problems)
{
    std::string text;
    for (const std::string &problem : problems) {
        if (!text.empty())
            text += "; ";
        text += problem;
    }
    return text;
}

ProfileEdit checked(std::vector<ProfilePoint> points)
{
    std::string problem = joined(profileProblems(points));
    return { std::move(points), std::move(problem) };
}

std::string quoted(std::string_view text)
{
    return '"' + std::string(text) + '"';
}

} // namespace

LengthReading readTypedLength(std::string_view text, Units units, bool positive)
{
    const std::string_view typed = trimmed(text);
    std::optional<double> inches;
    if (units == Units::millimetres && wholeNumber(typed)) {
        if (const auto millimetres = readLength(typed))
            inches = *millimetres / millimetresPerInch;
    } else {
        inches = readLength(typed);
    }
    if (!inches)
        return { 0, quoted(typed) + std::string(notALength) + std::string(whyNotALength(typed)) };
    if (!std::isfinite(*inches) || (positive ? !(*inches > 0) : !(*inches >= 0))) {
        return { 0,
            quoted(typed) + std::string(notAllowed)
                + std::string(positive ? positiveLengthAllowed : nonNegativeLengthAllowed) };
    }
    return { *inches, {} };
}

ProfileEdit typeIntoPoint(const std::vector<ProfilePoint> &points, std::size_t place,
    PointField field, std::string_view text, Units units)
{
    const LengthReading reading = readTypedLength(text, units, false);
    if (!reading.problem.empty())
        return { points, reading.problem };
    std::vector<ProfilePoint> edited = points;
    (field == PointField::r ? edited.at(place).r : edited.at(place).h) = reading.inches;
    return checked(std::move(edited));
}

std::optional<std::vector<ProfilePoint>> movePoint(
    const std::vector<ProfilePoint> &points, std::size_t place, double r, double h)
{
    std::vector<ProfilePoint> moved = points;
    ProfilePoint &point = moved.at(place);
    point.r = std::max(0.0, r);
    point.h = place == 0 ? 0 : std::max(h, points[place - 1].h);
    if (place + 1 < points.size())
        point.h = std::min(point.h, points[place + 1].h);
    if (!profileProblems(moved).empty())
        return std::nullopt;
    return moved;
}

ProfileEdit addPoint(
    const std::vector<ProfilePoint> &points, std::size_t place, const ProfilePoint &point)
{
    std::vector<ProfilePoint> added = points;
    added.insert(
        added.begin() + static_cast<std::ptrdiff_t>(std::min(place, points.size())), point);
    return checked(std::move(added));
}

ProfileEdit removePoint(const std::vector<ProfilePoint> &points, std::size_t place)
{
    if (points.size() <= 2)
        return { points, "a profile needs at least two points: the bottom (h 0) and the rim" };
    std::vector<ProfilePoint> removed = points;
    removed.erase(removed.begin() + static_cast<std::ptrdiff_t>(place));
    return checked(std::move(removed));
}

double snapped(double inches, Units units)
{
    if (units == Units::millimetres)
        return std::round(inches * millimetresPerInch) / millimetresPerInch;
    return std::round(inches * 16) / 16;
}

double snapStep(Units units)
{
    return units == Units::millimetres ? 1 / millimetresPerInch : 1.0 / 16;
}

std::vector<ProfilePoint> profileOfRings(const Vessel &vessel)
{
    Vessel plain = vessel;
    plain.profile.clear();
    std::vector<StackedRing> rings;
    for (StackedRing &ring : stackRings(plain).rings) {
        if (ring.top > ring.bottom && std::isfinite(ring.top)
            && std::isfinite(ring.design.inputs.outerDiameter)
            && ring.design.inputs.outerDiameter > 0)
            rings.push_back(std::move(ring));
    }
    std::vector<ProfilePoint> points;
    const auto add = [&points](double r, double h) {
        const ProfilePoint point { r, h, true };
        if (points.empty() || points.back().r != r || points.back().h != h)
            points.push_back(point);
    };
    for (std::size_t i = 0; i < rings.size(); ++i) {
        const double radius = rings[i].design.inputs.outerDiameter / 2;
        add(radius, rings[i].bottom);
        const bool narrowerAbove
            = i + 1 < rings.size() && rings[i + 1].design.inputs.outerDiameter / 2 < radius;
        if (!narrowerAbove)
            add(radius, rings[i].top);
    }
    // A point between two of the same radius straight above and below it adds nothing.
    for (std::size_t i = 1; i + 1 < points.size();) {
        if (points[i - 1].r == points[i].r && points[i + 1].r == points[i].r)
            points.erase(points.begin() + static_cast<std::ptrdiff_t>(i));
        else
            ++i;
    }
    return points;
}

double vesselLength(const Vessel &vessel, VesselLength field)
{
    switch (field) {
    case VesselLength::wall: return vessel.wall;
    case VesselLength::floor: return vessel.floorHeight();
    case VesselLength::pad: return vessel.pad;
    case VesselLength::flatten: return vessel.flatten;
    }
    return 0;
}

} // namespace orvane
