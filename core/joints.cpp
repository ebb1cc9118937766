#include "core/joints.h"

#include "core/picture.h"

#include <cmath>
#include <numeric>

namespace orvane {

// A ring of m segments turned t from a ring of n segments has its joints at t + 360 j / m and
// those below at 360 k / n. Their differences t + 360 (j n - k m) / (m n) take, as j and k run,
// every multiple of gcd(m, n) in place of j n - k m: t plus every multiple of 360 / lcm(m, n).
// The joint nearest to any joint above is as far as t is from the nearest of those multiples,
// at most half of 360 / lcm(m, n), reached at t = 180 / lcm(m, n).
double farthestTurn(int belowCount, int count)
{
    return 180.0 / std::lcm(belowCount, count);
}

double normalDegrees(double degrees)
{
    double turned = std::fmod(degrees, 360.0);
    if (turned < 0)
        turned += 360; // which rounds a tiny negative angle up to 360 itself
    return turned >= 360 ? 0.0 : turned + 0.0; // and no -0
}

double turnBetween(double below, double above)
{
    const double turn = normalDegrees(above - below);
    return turn > 180 ? turn - 360 : turn;
}

void placeJoints(std::vector<RingResult> &rings)
{
    bool jointsBelow = false;
    double belowRotation = 0;
    int belowCount = 0;
    for (RingResult &ring : rings) {
        const RingDesign &design = ring.design;
        ring.turn.reset();
        if (ring.kind == RingKind::disc) {
            ring.rotation = normalDegrees(design.rotation.value_or(0));
            jointsBelow = false;
            continue;
        }
        // A count the ring cannot have (the window keeps a ring being corrected) gives no joints.
        const double n = design.inputs.segmentCount;
        const int count = n >= 1 && n <= largestSegmentCount ? static_cast<int>(n) : 0;
        if (design.rotation) {
            ring.rotation = normalDegrees(*design.rotation);
            if (jointsBelow)
                ring.turn = turnBetween(belowRotation, ring.rotation);
        } else if (jointsBelow && count > 0) {
            ring.turn = farthestTurn(belowCount, count);
            ring.rotation = normalDegrees(belowRotation + *ring.turn);
        } else {
            ring.rotation = 0;
        }
        jointsBelow = count > 0;
        belowRotation = ring.rotation;
        belowCount = count;
    }
}

std::string glueUpNote(double turn)
{
    return "turn " + formatPicture(turn, "##0.0°") + " from the ring below";
}

} // namespace orvane
