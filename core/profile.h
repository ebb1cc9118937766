#pragma once

// A vessel's profile: the outside of the piece as points (r, h), r the radius from the axis and h
// the height above the bottom, in inches, and the outside curve through them.

#include <cstddef>
#include <string>
#include <vector>

namespace orvane {

struct ProfilePoint
{
    double r = 0;
    double h = 0;
    bool corner = false; // the curve may turn sharply here; smooth points it passes through evenly
};

// Every problem of `points` as a profile, each naming the point it is about, counting from 1:
// "point 3: h 1.5 is below the height of the point before it (2)". Empty for a profile to use.
std::vector<std::string> profileProblems(const std::vector<ProfilePoint> &points);

// One piece of the outside curve, from `from` to `to`. A flat piece (both at one height) and a
// straight piece are lines; a curved piece is the cubic Hermite interpolant of r over h with the
// slopes dr/dh `slopeFrom` and `slopeTo` at its ends.
struct ProfilePiece
{
    ProfilePoint from;
    ProfilePoint to;
    bool curved = false;
    double slopeFrom = 0;
    double slopeTo = 0;

    bool flat() const { return from.h == to.h; }
    // r and dr/dh at height h within a piece that is not flat.
    double radiusAt(double h) const;
    double slopeAt(double h) const;
};

// The outside curve of a valid profile, the pieces in order from the first point to the last.
// Straight between corners and along flat runs; through each run of smooth points between them
// (a flat run ends a run) the shape-preserving piecewise cubic of r over h (Fritsch-Carlson, the
// ends by the three-point rule); a run of two points is straight.
std::vector<ProfilePiece> outsideCurve(const std::vector<ProfilePoint> &points);

// The slopes dr/dh at each of `h`, `r` (h increasing, at least two points) of the shape-preserving
// piecewise cubic through them.
std::vector<double> pchipSlopes(const std::vector<double> &h, const std::vector<double> &r);

// The outside radius at height h: the largest r of the curve there (the outer end of a flat run).
double outsideRadius(const std::vector<ProfilePiece> &curve, double h);

} // namespace orvane
