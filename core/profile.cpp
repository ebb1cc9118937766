#include "core/profile.h"

#include "core/reading.h"

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

std::string number(double value)
{
    return shortestDecimal(value);
}

std::string pointPrefix(std::size_t index)
{
    return "point " + std::to_string(index + 1) + ": ";
}

int sign(double value)
{
    return (value > 0) - (value < 0);
}

// The three-point end slope: from the first two secants `d0` (at the end) and `d1`, over the
// widths `w0` and `w1`, kept from overshooting.
double endSlope(double w0, double w1, double d0, double d1)
{
    double slope = ((2 * w0 + w1) * d0 - w0 * d1) / (w0 + w1);
    if (sign(slope) != sign(d0))
        slope = 0;
    else if (sign(d0) != sign(d1) && std::abs(slope) > std::abs(3 * d0))
        slope = 3 * d0;
    return slope;
}

void addRun(const std::vector<ProfilePoint> &points, std::size_t first, std::size_t last,
    std::vector<ProfilePiece> &curve)
{
    if (last - first == 1) {
        curve.push_back({ points[first], points[last] });
        return;
    }
    std::vector<double> h;
    std::vector<double> r;
    for (std::size_t i = first; i <= last; ++i) {
        h.push_back(points[i].h);
        r.push_back(points[i].r);
    }
    const std::vector<double> slopes = pchipSlopes(h, r);
    for (std::size_t i = first; i < last; ++i)
        curve.push_back(
            { points[i], points[i + 1], true, slopes[i - first], slopes[i + 1 - first] });
}

} // namespace

std::vector<std::string> profileProblems(const std::vector<ProfilePoint> &points)
{
    std::vector<std::string> problems;
    if (points.size() < 2) {
        problems.push_back("a profile needs at least two points: the bottom (h 0) and the rim");
        return problems;
    }
    for (std::size_t i = 0; i < points.size(); ++i) {
        const ProfilePoint &p = points[i];
        const std::string at = pointPrefix(i);
        if (!std::isfinite(p.r) || p.r < 0)
            problems.push_back(at + "r " + number(p.r) + " is not allowed: a radius of 0 or more");
        if (!std::isfinite(p.h) || p.h < 0) {
            problems.push_back(at + "h " + number(p.h) + " is not allowed: a height of 0 or more");
            continue;
        }
        if (i == 0 && p.h != 0)
            problems.push_back(
                at + "h " + number(p.h) + " is not allowed: the first point is at the bottom, h 0");
        if (i == 0)
            continue;
        const ProfilePoint &before = points[i - 1];
        if (p.h < before.h) {
            problems.push_back(at + "h " + number(p.h)
                + " is below the height of the point before it (" + number(before.h) + ")");
        } else if (p.h == before.h && p.r == before.r) {
            problems.push_back(at + "the same point as point " + std::to_string(i));
        } else if (i >= 2 && p.h == before.h && points[i - 2].h == p.h) {
            problems.push_back(at + "a third point in a row at height " + number(p.h)
                + ": a flat run is two points");
        }
    }
    if (points.back().h <= 0 && std::isfinite(points.back().h))
        problems.push_back(pointPrefix(points.size() - 1)
            + "the last point, the rim, must be above the bottom (h more than 0)");
    return problems;
}

std::vector<double> pchipSlopes(const std::vector<double> &h, const std::vector<double> &r)
{
    const std::size_t n = h.size();
    std::vector<double> width(n - 1);
    std::vector<double> secant(n - 1);
    for (std::size_t i = 0; i + 1 < n; ++i) {
        width[i] = h[i + 1] - h[i];
        secant[i] = (r[i + 1] - r[i]) / width[i];
    }
    std::vector<double> slopes(n, 0.0);
    if (n == 2) {
        slopes[0] = slopes[1] = secant[0];
        return slopes;
    }
    for (std::size_t i = 1; i + 1 < n; ++i) {
        const double before = secant[i - 1];
        const double after = secant[i];
        if (sign(before) * sign(after) > 0) {
            // The weighted harmonic mean of the secants keeps the curve from overshooting.
            const double w1 = 2 * width[i] + width[i - 1];
            const double w2 = width[i] + 2 * width[i - 1];
            slopes[i] = (w1 + w2) / (w1 / before + w2 / after);
        }
    }
    slopes[0] = endSlope(width[0], width[1], secant[0], secant[1]);
    slopes[n - 1] = endSlope(width[n - 2], width[n - 3], secant[n - 2], secant[n - 3]);
    return slopes;
}

std::vector<ProfilePiece> outsideCurve(const std::vector<ProfilePoint> &points)
{
    std::vector<ProfilePiece> curve;
    std::size_t runStart = 0;
    for (std::size_t i = 1; i < points.size(); ++i) {
        if (points[i].h == points[i - 1].h) {
            // A flat run: it ends the run before it and is a piece of its own.
            if (runStart < i - 1)
                addRun(points, runStart, i - 1, curve);
            curve.push_back({ points[i - 1], points[i] });
            runStart = i;
        } else if (points[i].corner || i + 1 == points.size()) {
            addRun(points, runStart, i, curve);
            runStart = i;
        }
    }
    return curve;
}

double ProfilePiece::radiusAt(double h) const
{
    if (h <= from.h)
        return from.r;
    if (h >= to.h)
        return to.r;
    const double width = to.h - from.h;
    const double s = (h - from.h) / width;
    if (!curved)
        return from.r + s * (to.r - from.r);
    const double s2 = s * s;
    const double s3 = s2 * s;
    return (2 * s3 - 3 * s2 + 1) * from.r + (s3 - 2 * s2 + s) * width * slopeFrom
        + (-2 * s3 + 3 * s2) * to.r + (s3 - s2) * width * slopeTo;
}

double ProfilePiece::slopeAt(double h) const
{
    const double width = to.h - from.h;
    if (!curved)
        return (to.r - from.r) / width;
    const double s = std::clamp((h - from.h) / width, 0.0, 1.0);
    const double s2 = s * s;
    return (6 * s2 - 6 * s) * (from.r - to.r) / width + (3 * s2 - 4 * s + 1) * slopeFrom
        + (3 * s2 - 2 * s) * slopeTo;
}

double outsideRadius(const std::vector<ProfilePiece> &curve, double h)
{
    double radius = 0;
    for (const ProfilePiece &piece : curve) {
        if (h < piece.from.h || h > piece.to.h)
            continue;
        radius = std::max(
            radius, piece.flat() ? std::max(piece.from.r, piece.to.r) : piece.radiusAt(h));
    }
    return radius;
}

} // namespace orvane
