#include "report/reportpage.h"

#include "core/angles.h"
#include "core/picture.h"
#include "core/ring.h"
#include "drawing/conversions.h"
#include "report/pagesurface.h"

#include <QCoreApplication>

namespace orvane {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ReportPage", text);
}

QString fraction(const std::optional<LengthResult> &length)
{
    return length ? shown(length->fraction) : QString();
}

QString decimal(const std::optional<LengthResult> &length)
{
    return length ? shown(length->decimal) : QString();
}

// The two angle labels: 180 / n beside the long side and 90 - 180 / n beside the short side. Both
// are blank for a count that makes no ring, as on the window.
QString angle(std::optional<double> sawAngle, double (*fromCut)(double))
{
    const auto degrees = sawAngle ? std::optional(fromCut(*sawAngle)) : std::nullopt;
    return shown(angleText(degrees, reportAnglePicture));
}

} // namespace

void drawReportPage(PageSurface &page, const ReportValues &v)
{
    // The printable area in inches, y growing up the page from its bottom edge.
    page.setScaleUnitInches();
    const double H = page.printableHeight();
    page.setScaleHeight(single(-H));
    page.setScaleTop(single(H));
    const double W = page.printableWidth();
    page.setFontSize(12);
    page.setPenWidth(5);

    page.rectangle(0.05f, 0.05f, single(W - 0.05), single(H - 0.05));

    // One segment seen from above, the same for every ring: the long side on the left, 8 inches,
    // the short side on the right, 4.6 inches, and the angles marked at two corners.
    const double cx = W / 2;
    const double cy = H / 2;
    const auto line = [&page](double x1, double y1, double x2, double y2) {
        page.line(single(x1), single(y1), single(x2), single(y2));
    };
    line(cx - 1.5, cy - 4, cx + 1.5, cy - 2.3); // lower slanted edge
    line(cx + 1.5, cy - 2.3, cx + 1.5, cy + 2.3); // short side
    line(cx + 1.5, cy + 2.3, cx - 1.5, cy + 4); // upper slanted edge
    line(cx - 1.5, cy + 4, cx - 1.5, cy - 4); // long side
    line(cx - 1, cy - 2.3, cx, cy - 2.3); // reference line at the foot of the short side
    const double pi = programPi;
    page.penArc(single(cx - 1.5), single(cy + 4), 1.2f, single(3 * pi / 2),
        single(3 * pi / 2 + 60 * pi / 180));
    page.penArc(single(cx + 1.5), single(cy - 2.3), 2, single(pi), single(pi + 30 * pi / 180));

    // The header, at the top left.
    const auto indented = [&page](const QString &text) {
        page.setCurrentX(single(page.currentX() + 0.1));
        page.print(text);
    };
    page.setCurrentX(0.1f);
    page.setCurrentY(single(H - 0.2));
    page.print(tr("Project Name: ") + v.projectName);
    indented(tr("# of Segments: ") + v.segmentCount);
    indented(tr("Board width: ") + fraction(v.ring.boardWidth) + QStringLiteral("  (")
        + decimal(v.ring.boardWidth) + QLatin1Char(')'));
    indented(tr("Board thickness: ") + v.boardThickness);
    indented(tr("Board feet (total): ") + shown(v.ring.boardFeetText));

    // The side lengths: right of the short side and left of the long side, from mid-height down.
    page.setCurrentX(single(cx + 1.6));
    page.setCurrentY(single(cy));
    page.print(fraction(v.ring.shortSide));
    page.setCurrentX(single(cx + 1.6));
    page.print(QLatin1Char('(') + decimal(v.ring.shortSide) + QLatin1Char(')'));
    page.setCurrentX(single(cx - 2.5));
    page.setCurrentY(single(cy));
    page.print(fraction(v.ring.longSide));
    page.setCurrentX(single(cx - 2.5));
    page.print(QLatin1Char('(') + decimal(v.ring.longSide) + QLatin1Char(')'));

    // The angles, inside the corners their arcs mark.
    page.setCurrentX(single(cx - 1.4));
    page.setCurrentY(single(cy + 3.3));
    page.print(angle(v.ring.sawAngle, [](double cut) { return cut; }));
    page.setCurrentX(single(cx - 0.1));
    page.setCurrentY(single(cy - 2.6));
    page.print(angle(v.ring.sawAngle, [](double cut) { return 90 - cut; }));

    // The note, at the bottom left; its second line starts at the left edge.
    page.setCurrentX(0.2f);
    page.setCurrentY(0.5f);
    page.print(tr("Note: Not to scale or proportion!"));
    page.print(tr("      All linear dimensions are inches"));
}

void drawReport(PageSurface &page, const ReportValues &values)
{
    drawReportPage(page, values);
    page.endDocument();
}

} // namespace orvane
