#include "core/wall.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace orvane {

namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();

// A piece that is not flat as a cubic in s = (h - from.h) / width.
struct Cubic
{
    double from = 0;
    double width = 1;
    double c0 = 0, c1 = 0, c2 = 0, c3 = 0;

    explicit Cubic(const ProfilePiece &piece)
        : from(piece.from.h)
        , width(piece.to.h - piece.from.h)
    {
        const double r0 = piece.from.r;
        const double r1 = piece.to.r;
        const double m0 = piece.curved ? piece.slopeFrom * width : r1 - r0;
        const double m1 = piece.curved ? piece.slopeTo * width : r1 - r0;
        c0 = r0;
        c1 = m0;
        c2 = 3 * (r1 - r0) - 2 * m0 - m1;
        c3 = 2 * (r0 - r1) + m0 + m1;
    }
    double s(double h) const { return (h - from) / width; }
    double second(double h) const { return (2 * c2 + 6 * c3 * s(h)) / (width * width); }

    // The heights in (lo, hi) where dr/dh is 0.
    std::vector<double> turningPoints(double lo, double hi) const
    {
        std::vector<double> roots;
        const double a = 3 * c3;
        const double b = 2 * c2;
        const double c = c1;
        if (a == 0) {
            if (b != 0)
                roots.push_back(-c / b);
        } else {
            const double disc = b * b - 4 * a * c;
            if (disc >= 0) {
                const double q = -0.5 * (b + std::copysign(std::sqrt(disc), b));
                if (q != 0)
                    roots.push_back(c / q);
                roots.push_back(q / a);
            }
        }
        std::vector<double> heights;
        for (double root : roots) {
            const double h = from + root * width;
            if (h > lo && h < hi)
                heights.push_back(h);
        }
        return heights;
    }
};

// The least and largest r of a piece that is not flat over heights [lo, hi] within it.
std::pair<double, double> radiusRange(const ProfilePiece &piece, double lo, double hi)
{
    double least = std::min(piece.radiusAt(lo), piece.radiusAt(hi));
    double largest = std::max(piece.radiusAt(lo), piece.radiusAt(hi));
    if (piece.curved) {
        for (double h : Cubic(piece).turningPoints(lo, hi)) {
            least = std::min(least, piece.radiusAt(h));
            largest = std::max(largest, piece.radiusAt(h));
        }
    }
    return { least, largest };
}

// The inside radius at y that the point of the piece at height h gives, and how it changes with h.
double depth(double t, double u)
{
    return std::sqrt(std::max(0.0, t * t - u * u));
}

// The least of g(h) = r(h) - sqrt(t^2 - (h - y)^2) over [lo, hi] on a curved piece. Where g is
// convex its slope is found by bisection; where it is concave the ends hold the least; elsewhere
// the interval is halved.
double leastOnCubic(const ProfilePiece &piece, const Cubic &cubic, double y, double t, double lo,
    double hi, int depthLeft)
{
    const auto g = [&](double h) { return piece.radiusAt(h) - depth(t, h - y); };
    const auto slope = [&](double h) {
        const double u = h - y;
        const double d = depth(t, u);
        const double bend = d > 0 ? u / d : (u > 0 ? infinity : -infinity);
        return piece.slopeAt(h) + bend;
    };
    const double uLo = lo - y;
    const double uHi = hi - y;
    const double uNear = (uLo <= 0 && uHi >= 0) ? 0 : std::min(std::abs(uLo), std::abs(uHi));
    const double uFar = std::max(std::abs(uLo), std::abs(uHi));
    const auto circleBend = [t](double u) {
        const double d = depth(t, u);
        return d > 0 ? t * t / (d * d * d) : infinity;
    };
    const double secondLo = cubic.second(lo);
    const double secondHi = cubic.second(hi);
    const double leastBend = std::min(secondLo, secondHi) + circleBend(uNear);
    const double largestBend = std::max(secondLo, secondHi) + circleBend(uFar);
    if (leastBend >= 0) {
        if (slope(lo) >= 0)
            return g(lo);
        if (slope(hi) <= 0)
            return g(hi);
        double a = lo;
        double b = hi;
        for (int i = 0; i < 80 && b - a > 1e-13; ++i) {
            const double mid = 0.5 * (a + b);
            (slope(mid) < 0 ? a : b) = mid;
        }
        return std::min({ g(a), g(b), g(0.5 * (a + b)) });
    }
    if (largestBend <= 0 || depthLeft == 0 || hi - lo < 1e-12)
        return std::min(g(lo), g(hi));
    const double mid = 0.5 * (lo + hi);
    return std::min(leastOnCubic(piece, cubic, y, t, lo, mid, depthLeft - 1),
        leastOnCubic(piece, cubic, y, t, mid, hi, depthLeft - 1));
}

// The piece of a straight line of length `length` from `at` on, with slope dr/dh `slope`, going
// up (`upward`) or down in h.
ProfilePiece continuation(const ProfilePoint &at, double slope, double length, bool upward)
{
    const double norm = std::sqrt(1 + slope * slope);
    const double dh = length / norm;
    const ProfilePoint end { at.r + (upward ? 1 : -1) * slope * dh, at.h + (upward ? dh : -dh) };
    return upward ? ProfilePiece { at, end } : ProfilePiece { end, at };
}

} // namespace

VesselWall::VesselWall(const std::vector<ProfilePoint> &points, double thickness, double floor)
    : curve(outsideCurve(points))
    , wall(thickness)
    , floorHeight(floor)
    , rimHeight(points.back().h)
{
    const ProfilePiece &first = curve.front();
    if (!first.flat())
        extended.push_back(continuation(first.from, first.slopeAt(first.from.h), wall, false));
    extended.insert(extended.end(), curve.begin(), curve.end());
    const ProfilePiece &last = curve.back();
    if (!last.flat())
        extended.push_back(continuation(last.to, last.slopeAt(last.to.h), wall, true));
}

double VesselWall::insideFromNear(double y) const
{
    const double t = wall;
    double least = infinity;
    for (const ProfilePiece &piece : extended) {
        if (piece.flat()) {
            const double u = piece.from.h - y;
            if (std::abs(u) < t)
                least = std::min(least, std::min(piece.from.r, piece.to.r) - depth(t, u));
            continue;
        }
        const double lo = std::max(piece.from.h, y - t);
        const double hi = std::min(piece.to.h, y + t);
        if (lo > hi)
            continue;
        if (!piece.curved) {
            // A line: g is convex, least where the circle's slope meets the line's.
            const double m = (piece.to.r - piece.from.r) / (piece.to.h - piece.from.h);
            const double h = std::clamp(y - t * m / std::sqrt(1 + m * m), lo, hi);
            least = std::min(least, piece.radiusAt(h) - depth(t, h - y));
            continue;
        }
        least = std::min(least, leastOnCubic(piece, Cubic(piece), y, t, lo, hi, 48));
    }
    return least;
}

double VesselWall::insideRadius(double h) const
{
    // The flat runs exactly t away count here, as the definition has them.
    double least = insideFromNear(h);
    for (const ProfilePiece &piece : extended) {
        if (piece.flat() && std::abs(piece.from.h - h) == wall)
            least = std::min(least, std::min(piece.from.r, piece.to.r));
    }
    return least;
}

double VesselWall::largestOutside(double bottom, double top) const
{
    double largest = 0;
    for (const ProfilePiece &piece : curve) {
        if (piece.flat()) {
            const double h = piece.from.h;
            // A flat rim belongs to the band that reaches it; no band below it.
            if (h >= bottom && (h < top || (h == rimHeight && h <= top)))
                largest = std::max({ largest, piece.from.r, piece.to.r });
            continue;
        }
        const double lo = std::max(bottom, piece.from.h);
        const double hi = std::min(top, piece.to.h);
        if (lo < hi)
            largest = std::max(largest, radiusRange(piece, lo, hi).second);
    }
    return largest;
}

double VesselWall::leastInside(double bottom, double top) const
{
    // A point of the outside at a height within the band gives its least, r - t, at its own
    // height; one outside the band gives it at the nearer edge. So the band's least is the
    // least r within it less t, or the inside radius at an edge.
    double leastOutside = infinity;
    for (const ProfilePiece &piece : extended) {
        const double lo = std::max(bottom, piece.from.h);
        const double hi = std::min(top, piece.to.h);
        if (lo > hi)
            continue;
        if (piece.flat())
            leastOutside = std::min({ leastOutside, piece.from.r, piece.to.r });
        else
            leastOutside = std::min(leastOutside, radiusRange(piece, lo, hi).first);
    }
    return std::min({ leastOutside - wall, insideFromNear(bottom), insideFromNear(top) });
}

bool VesselWall::solidIn(double bottom, double top) const
{
    return bottom < floorHeight || leastInside(bottom, top) <= 0;
}

} // namespace orvane
