#pragma once

// The vessel's stack of rings seen from the side and cut in half through its axis, to scale: each
// ring its board thickness high, from its inner to its outer diameter on both sides of the axis,
// with the fudge around it, the rings stacked from the foot up, the height and the widest
// diameter dimensioned. The same picture serves the window and the printed cut list.

#include "core/vessel.h"
#include "core/vesselresults.h"

#include <QColor>
#include <QFontMetricsF>
#include <QPointF>
#include <QRectF>

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

class QPainter;

namespace orvane {

// The colours of the picture. A ring is filled in its wood's colour (segment 1's wood in a ring
// of several), its fudge in a paler tone of the same around it.
namespace stackColours {
inline const QColor selected(52, 132, 228); // the selected ring
inline const QColor narrowJoint(214, 30, 30); // rings that share too narrow a glue face
inline const QColor ink(40, 40, 40); // outlines, axis and dimensions
} // namespace stackColours
// The colour of `wood` among `colours` (the project's woods, then the user's; see woodColour).
QColor woodTone(std::string_view wood, const std::vector<Wood> &colours);
// The colour a ring is drawn in where one colour stands for it: its segment 1's wood's.
QColor ringTone(const RingDesign &ring, const std::vector<Wood> &colours);
// A tone two thirds of the way to white, for the wood the turning takes away.
QColor fudgeTone(const QColor &tone);
// Tones told apart by the order the woods first appear, light and dark in turn, for pictures that
// know no colours.
QColor woodTone(std::size_t woodIndex);
QColor fudgeTone(std::size_t woodIndex);

// Paints the stack of `vessel` into `target`, in the painter's coordinates and current font, the
// picture centred and as large as the dimensions around it leave room for. `selectedRing`, counted
// from the foot from 0, is highlighted; the dimensions are written in `units`, the woods in their
// `colours` (the common woods' without). Rings whose numbers cannot be drawn (not finite, no
// thickness) take no room.
void paintStack(QPainter &painter, const QRectF &target, const VesselResults &vessel,
    std::optional<std::size_t> selectedRing, Units units = Units::inches,
    const std::vector<Wood> &colours = {});

// The ring that paintStack paints under `point` of `target` (either side of the axis, its fudge
// included), counted from the foot from 0; nothing when none is. `metrics` are those of the font
// the stack is painted in, in the coordinates of `target` (a widget's fontMetrics()).
std::optional<std::size_t> stackRingAt(
    const QRectF &target, const VesselResults &vessel, const QFontMetricsF &metrics, QPointF point);

} // namespace orvane
