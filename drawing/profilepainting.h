#pragma once

// The vessel's half-section to scale: the axis on the left, the wall between the outside curve and
// the inside, the solid floor, and the ring bands over them, each from its inner to its outer
// diameter and from its bottom to its top. The wall within a band is filled in the ring's wood
// tone, the rest of the band paler: what the turning takes away. Wall that no ring covers stays
// grey. The same picture serves the profile editor and the printed cut list.

#include "core/vessel.h"
#include "core/vesselresults.h"

#include <QColor>
#include <QPointF>
#include <QRectF>

#include <cstddef>
#include <optional>
#include <vector>

class QPainter;

namespace orvane {

namespace profileColours {
inline const QColor bareWall(196, 196, 196); // wall that no ring covers
inline const QColor selectedBand(196, 220, 248); // the selected ring's band outside the wall
} // namespace profileColours

// How far the picture reaches, in inches: from the axis out to `radius` and from the bottom up to
// `height`.
struct ProfileExtent
{
    double radius = 0;
    double height = 0;
};

// The profile's points, the rings' bands and the rim: everything the picture shows.
ProfileExtent profileExtent(const Vessel &vessel, const VesselResults &results);

// The mapping between the vessel's inches, r from the axis and h above the bottom, and a target's
// coordinates: the extent fitted into the target less `margin` on every side, centred, to one
// scale across and up (h grows upward).
class ProfileFrame
{
public:
    ProfileFrame() = default;
    ProfileFrame(const QRectF &target, const ProfileExtent &extent, double margin = 0);

    // Whether there is a picture to draw: a finite scale above zero.
    bool drawn() const;
    // Target units per inch.
    double scale() const { return unitsPerInch; }
    // The target's point of (r, h), and back: x is r, y is h.
    QPointF toTarget(double r, double h) const;
    QPointF toTarget(const ProfilePoint &point) const { return toTarget(point.r, point.h); }
    QPointF toInches(QPointF target) const;

private:
    double unitsPerInch = 0;
    QPointF origin; // the axis at the bottom, in the target's coordinates
};

// The frame paintProfile uses for the vessel in `target`.
ProfileFrame fitProfile(
    const QRectF &target, const Vessel &vessel, const VesselResults &results, double margin = 0);

// Paints the half-section of `vessel` (its profile, wall and floor) with the bands of `results`
// through `frame`, in the painter's coordinates; `selectedRing`, counted from the foot from 0, is
// highlighted, and a disc is crossed. A vessel without a usable profile shows its bands alone.
// The woods are drawn in `colours` (see woodColour), without them in the vessel's own woods'.
void paintProfile(QPainter &painter, const ProfileFrame &frame, const Vessel &vessel,
    const VesselResults &results, std::optional<std::size_t> selectedRing = std::nullopt,
    const std::vector<Wood> &colours = {});

// The ring whose band paintProfile paints under `point` of the frame's target, counted from the
// foot from 0; nothing when none is.
std::optional<std::size_t> profileRingAt(
    const ProfileFrame &frame, const VesselResults &results, QPointF point);

} // namespace orvane
