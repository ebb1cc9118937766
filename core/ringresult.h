#pragma once

// The one result of a ring: computed once from its inputs, it holds every number and text any
// output shows (the window's captions, the report page, the template's cut list, the vessel's
// table and every command-line format) and the ring's problems, if any.

#include "core/angles.h"
#include "core/ring.h"
#include "core/ringdesign.h"

#include <optional>
#include <string>
#include <vector>

namespace orvane {

// A length as every output shows it.
struct LengthResult
{
    double inches = 0;
    std::string fraction; // the nearest sixteenth with its mark, as its caption: " 2  13/ 16+"
    std::string decimal; // five places, as its caption: "2.81250"
    std::string millimetres; // to a tenth, without the unit: "71.5"
};
LengthResult lengthResult(double inches);

// The lumber of one of a ring's woods: its segments, the strip they are cut from (the ring's
// strip with their count in place of the ring's, the ring's own angle and sides) and the ring's
// board feet in proportion to them. A disc is one board of its wood: no segments, no strip.
struct WoodLumber
{
    std::string wood; // empty when the ring names none
    int segments = 0;
    std::optional<LengthResult> stripLength; // with the ring's kerf; none for a disc
    double boardFeet = 0;
};

// A ring of segments, or a disc: a solid square board with no segments.
enum class RingKind
{
    ring,
    disc
};

struct RingResult
{
    RingDesign design;
    std::optional<Ring> geometry; // none for a count that makes no ring
    std::optional<double> sawAngle; // each end cut's angle from square, 180 / n degrees
    std::optional<MiterAngles> miters; // the window's row of miter angles
    std::string longSideAngleText; // the miter angles as their captions show them
    std::string shortSideAngleText;
    std::optional<LengthResult> longSide;
    std::optional<LengthResult> shortSide;
    std::optional<LengthResult> boardWidth;
    std::optional<LengthResult> stripLength; // with the design's kerf
    std::optional<double> boardFeet; // none without a thickness
    std::string boardFeetText; // as its caption shows it: ".2965"
    std::vector<RingProblem> problems; // empty for a ring to cut
    RingKind kind = RingKind::ring;
    double bottom = 0; // the height of the ring's faces above the foot, inches
    double top = 0;
    std::optional<LengthResult> blankSide; // a disc's square blank: outer + 2 x fudge a side
    // Each of the ring's woods, in the order they first appear from segment 1; empty for a ring
    // whose numbers cannot be computed.
    std::vector<WoodLumber> woods;
    // In a vessel (see computeVessel): where the joints stand, in degrees counter-clockwise
    // from the +x axis to segment 1's first joint, and the turn from the ring below, above -180
    // and up to 180; no turn for the bottom ring, a disc or a ring on a disc, with no joints below.
    double rotation = 0;
    std::optional<double> turn;

    bool sound() const { return problems.empty(); }
};

// The result of `design`, computing counts up to `largestCount`; the calculator window computes
// whatever its boxes make, and shows the numbers whatever the problems.
RingResult computeRingResult(const RingDesign &design, int largestCount = largestSegmentCount);
// The result of `design` cut as a disc: its square blank and its board feet, and no segments.
RingResult computeDiscResult(const RingDesign &design);

} // namespace orvane
