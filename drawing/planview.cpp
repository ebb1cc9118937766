#include "drawing/planview.h"

#include "drawing/surface.h"

#include <cmath>

using orvane::FormState;
using orvane::RingInputs;

namespace {

float single(double value)
{
    return static_cast<float>(value);
}

void yellowLine(DrawingSurface &surface, double x1, double y1, double x2, double y2)
{
    surface.line(single(x1), single(y1), single(x2), single(y2), palette::yellow);
}

} // namespace

void drawPlanView(DrawingSurface &surface, const FormState &s, const RingInputs &in)
{
    surface.clear();
    // The circles show the ring's own diameters, without the fudge factor.
    surface.circle(s.centerx, s.centery, single(std::fabs(in.innerdiam / 2)));
    surface.circle(s.centerx, s.centery, single(std::fabs(in.outerdiam / 2)));
    if (!orvane::countComputable(in.numsegs))
        return;
    const double n = in.numsegs;

    for (int i = 1; i <= n; ++i)
        surface.line(s.centerx, s.centery, single(s.spokex[i]), single(s.spokey[i]));

    // The first segment's four sides: long side, short side and its two ends.
    const double innerRadius = in.innerdiam / 2 - in.fudge;
    yellowLine(surface, s.outer0x, s.outer0y, s.outer1x, s.outer1y);
    yellowLine(surface, s.centerx + innerRadius, s.centery, s.inner1x, s.inner1y);
    yellowLine(surface, s.outer0x, s.outer0y, s.centerx + innerRadius, s.centery);
    yellowLine(surface, s.inner1x, s.inner1y, s.outer1x, s.outer1y);

    // The rest of the ring, edge by edge: outer edge, inner edge and the joint at each boundary.
    for (int i = 1; i <= n; ++i) {
        if (i == 1) {
            yellowLine(surface, s.outer1x, s.outer1y, s.outerx[1], s.outery[1]);
            yellowLine(surface, s.inner1x, s.inner1y, s.innerx[1], s.innery[1]);
        } else {
            yellowLine(surface, s.outerx[i - 1], s.outery[i - 1], s.outerx[i], s.outery[i]);
            yellowLine(surface, s.innerx[i - 1], s.innery[i - 1], s.innerx[i], s.innery[i]);
            yellowLine(surface, s.outerx[i], s.outery[i], s.innerx[i], s.innery[i]);
        }
    }
}
