#include "drawing/detailview.h"

#include "core/picture.h"
#include "drawing/surface.h"

#include <cmath>

namespace {

float single(double value)
{
    return static_cast<float>(value);
}

QString angleLabel(double degrees)
{
    return QString::fromStdString(
        orvane::formatPicture(orvane::fifteenDigits(degrees), orvane::detailAnglePicture));
}

} // namespace

void drawSegmentDetail(DrawingSurface &surface, orvane::FormState &s)
{
    surface.clear();
    const double L = s.longsidelen;
    const double S = s.shortsidelen;
    const double W = s.boardwidthlen;
    if (!std::isfinite(L) || !std::isfinite(S) || !std::isfinite(W)
        || !std::isfinite(s.centralangle))
        return;

    // One unit is one inch of the segment, equally long across and down, with a unit of margin
    // at each end of the long side.
    surface.setScaleLeft(0);
    surface.setScaleHeight(single(-(L + 2) / detailAspect));
    surface.setScaleTop(single((L + 2) / detailAspect));
    surface.setScaleWidth(single(L + 2));

    const double lean = (L - S) / 2; // how far each end cut leans in
    s.detail1x = 1;
    s.detail1y = 0.25;
    s.detail2x = L + 1;
    s.detail2y = 0.25;
    s.detail3x = S + lean + 1;
    s.detail3y = W + 0.25;
    s.detail4x = lean + 1;
    s.detail4y = W + 0.25;
    s.detail5x = lean + 1;
    s.detail5y = 0.25;
    s.detail6x = L + 1 - lean;
    s.detail6y = 0.25;

    const auto line = [&surface](double x1, double y1, double x2, double y2) {
        surface.line(single(x1), single(y1), single(x2), single(y2));
    };
    line(s.detail1x, s.detail1y, s.detail2x, s.detail2y); // long side
    line(s.detail2x, s.detail2y, s.detail3x, s.detail3y); // right end cut
    line(s.detail3x, s.detail3y, s.detail4x, s.detail4y); // short side
    line(s.detail4x, s.detail4y, s.detail1x, s.detail1y); // left end cut
    line(s.detail5x, s.detail5y, s.detail4x, s.detail4y); // left height line
    line(s.detail6x, s.detail6y, s.detail3x, s.detail3y); // right height line

    const double halfCentral = s.centralangle / 2;
    surface.arc(single(s.detail1x), single(s.detail1y), single(0.6 * (s.detail5x - s.detail1x)),
        palette::lightMagenta, 0, single(s.pi / 2 - halfCentral));
    surface.arc(single(s.detail3x), single(s.detail3y), single(0.6 * (s.detail3y - s.detail6y)),
        palette::lightMagenta, single(3 * s.pi / 2), single(3 * s.pi / 2 + halfCentral));

    // The angle between the long side and an end cut, inside the left corner.
    surface.setCurrentX(single(s.detail1x + 0.8 * (s.detail5x - s.detail1x) * std::cos(s.pi / 4)));
    surface.setCurrentY(
        single(s.detail1y + 0.9 * (s.detail5x - s.detail1x) * std::sin(s.pi / 4) + 1));
    surface.print(angleLabel((s.pi / 2 - halfCentral) * 180 / s.pi));

    // The miter angle between a height line and an end cut, under the right corner.
    surface.setCurrentX(single(s.detail3x - 1));
    surface.setCurrentY(single(s.detail3y - 0.9 * (s.detail3y - s.detail6y) * std::sin(s.pi / 4)));
    surface.print(angleLabel(halfCentral * 180 / s.pi));
}
