#include "core/ring.h"

#include "core/picture.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace orvane {

namespace {

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();

// Places a point given relative to the centre as magnitudes (`x`, `y`) into the quadrant of its
// boundary; any other quadrant value leaves it as it is.
void placeInQuadrant(int quadrant, float centerx, float centery, double &x, double &y)
{
    switch (quadrant) {
    case 1:
        x = centerx + x;
        y = centery + y;
        break;
    case 2:
        x = centerx - x;
        y = centery + y;
        break;
    case 3:
        x = centerx - x;
        y = centery - y;
        break;
    case 4:
        x = centerx + x;
        y = centery - y;
        break;
    default: break;
    }
}

// The boundary lines from the centre: each boundary angle is reduced to its quadrant, and its far
// end lies 100 units from the centre along the boundary.
void boundaryLines(FormState &s, double n)
{
    for (int i = 1; i <= n; ++i) {
        s.segangle = i * (360 / n);
        const double a = s.segangle;
        if (a < 90) {
            s.refangle[i] = a;
            s.quadrant[i] = 1;
        } else if (a > 90 && a < 180) {
            s.refangle[i] = 180 - a;
            s.quadrant[i] = 2;
        } else if (a > 180 && a < 270) {
            s.refangle[i] = a - 180;
            s.quadrant[i] = 3;
        } else if (a > 270 && a < 360) {
            s.refangle[i] = 360 - a;
            s.quadrant[i] = 4;
        }

        // Boundaries on an axis point straight along it. Every far end lies 100 units from the
        // centre, so that a boundary line keeps its direction wherever zooming moves the centre.
        if (a == 90) {
            s.refangle[i] = 90 * (s.pi / 180);
            s.spokex[i] = s.centerx;
            s.spokey[i] = s.centery + 100.0;
        } else if (a == 180) {
            s.refangle[i] = 180 * (s.pi / 180);
            s.spokex[i] = s.centerx - 100.0;
            s.spokey[i] = s.centery;
        } else if (a == 270) {
            s.refangle[i] = 270 * (s.pi / 180);
            s.spokex[i] = s.centerx;
            s.spokey[i] = s.centery - 100.0;
        } else if (a == 360) {
            s.refangle[i] = 360 * (s.pi / 180);
            s.spokex[i] = s.centerx + 100.0;
            s.spokey[i] = s.centery;
        } else {
            s.refangle[i] = (s.pi / 180) * s.refangle[i];
            s.spokex[i] = std::cos(s.refangle[i]) * 100;
            s.spokey[i] = std::sin(s.refangle[i]) * 100;
            placeInQuadrant(s.quadrant[i], s.centerx, s.centery, s.spokex[i], s.spokey[i]);
        }
    }
}

// The corners of the glued-up polygon, outer and inner, boundary by boundary.
void ringCorners(FormState &s, double n)
{
    for (int i = 1; i <= n; ++i) {
        s.outerx[i] = std::cos(s.refangle[i]) * s.outerrad;
        s.outery[i] = std::sin(s.refangle[i]) * s.outerrad;
        s.innerx[i] = std::cos(s.refangle[i]) * s.innerrad;
        s.innery[i] = std::sin(s.refangle[i]) * s.innerrad;
        placeInQuadrant(s.quadrant[i], s.centerx, s.centery, s.outerx[i], s.outery[i]);
        placeInQuadrant(s.quadrant[i], s.centerx, s.centery, s.innerx[i], s.innery[i]);

        if (s.refangle[i] == (s.pi * 90) / 180) {
            s.outerx[i] = s.centerx;
            s.outery[i] = s.centery + s.outerrad;
            s.innerx[i] = s.centerx;
            s.innery[i] = s.centery + s.innerrad;
        }
        if (s.refangle[i] == (s.pi * 180) / 180) {
            s.outerx[i] = s.centerx - s.outerrad;
            s.outery[i] = s.centery;
            s.innerx[i] = s.centerx - s.innerrad;
            s.innery[i] = s.centery;
        }
        if (s.refangle[i] == (s.pi * 270) / 180) {
            s.outerx[i] = s.centerx;
            s.outery[i] = s.centery - s.outerrad;
            s.innerx[i] = s.centerx;
            s.innery[i] = s.centery - s.innerrad;
        }
        if (s.refangle[i] == (s.pi * 360) / 180) {
            s.outerx[i] = s.centerx + s.outerrad;
            s.outery[i] = s.centery;
            s.innerx[i] = s.centerx + s.innerrad;
            s.innery[i] = s.centery;
        }
    }
}

double square(double x)
{
    return x * x;
}

} // namespace

bool countComputable(double numsegs)
{
    return std::isfinite(numsegs) && numsegs > 0 && numsegs < boundaryTableSize;
}

void computeRing(FormState &s, const RingInputs &in, float scaleWidth, float scaleTop)
{
    s.pi = programPi;
    s.centerx = scaleWidth / 2;
    s.centery = scaleTop / 2;

    const double n = in.numsegs;
    if (!countComputable(n)) {
        s.centralangle = s.halfangle = s.drawangle = notANumber;
        s.innerdist = s.boardwidthlen = s.shortsidelen = s.halfdiff = s.longsidelen = notANumber;
        s.outerdist = s.cornerrise = s.outerrad = s.innerrad = notANumber;
        return;
    }

    const double outerRadius = in.outerdiam / 2 + in.fudge; // grown by the fudge factor
    const double innerRadius = in.innerdiam / 2 - in.fudge; // shrunk by the fudge factor

    boundaryLines(s, n);

    s.centralangle = (s.pi / 180) * (360 / n);
    s.halfangle = s.centralangle / 2;
    s.drawangle = std::fabs(s.pi / 2 - s.halfangle);
    s.innerdist = innerRadius * std::cos(s.halfangle);
    s.boardwidthlen = outerRadius - s.innerdist;
    s.shortsidelen = (s.innerdist * 2) * std::tan(s.halfangle);
    s.halfdiff = s.boardwidthlen * std::tan(s.halfangle);
    s.longsidelen = s.halfdiff * 2 + s.shortsidelen;

    // The outer corners: half the long side spans the half chord of the outer circle and rises
    // beyond it. Both radicands are never negative in exact arithmetic; rounding must not make
    // them so.
    s.outerdist = outerRadius * std::cos(s.halfangle);
    const double halfChord = std::sqrt(std::max(0.0, square(outerRadius) - square(s.outerdist)));
    s.cornerrise = std::sqrt(std::max(0.0, square(s.longsidelen / 2) - square(halfChord)));
    s.outerrad = s.outerdist + s.cornerrise;

    // The first segment, between the angles 0 and the central angle.
    s.outer0x = s.centerx + s.outerrad;
    s.outer0y = s.centery;
    s.longdx = std::cos(s.drawangle) * s.longsidelen;
    s.longdy = std::sin(s.drawangle) * s.longsidelen;
    s.outer1x = (s.outerrad - s.longdx) + s.centerx;
    s.outer1y = s.centery + s.longdy;
    s.shortdx = std::cos(s.drawangle) * s.shortsidelen;
    s.shortdy = std::sin(s.drawangle) * s.shortsidelen;
    s.inner1x = (s.centerx + innerRadius) - s.shortdx;
    s.inner1y = s.shortdy + s.centery;

    s.innerrad = innerRadius;
    ringCorners(s, n);
}

std::string shortAngleCaption(double numsegs)
{
    if (!countComputable(numsegs))
        return {};
    return formatPicture(std::fabs(90 - 180 / numsegs), anglePicture);
}

std::string longAngleCaption(double numsegs)
{
    if (!countComputable(numsegs))
        return {};
    return formatPicture(90 - std::fabs(90 - 180 / numsegs), anglePicture);
}

} // namespace orvane
