#include "report/reportpage.h"

#include "core/picture.h"
#include "core/reading.h"
#include "core/ring.h"
#include "report/pagesurface.h"

namespace {

float single(double value)
{
    return static_cast<float>(value);
}

QString shown(const std::string &text)
{
    return QString::fromStdString(text);
}

QString decimal(double inches)
{
    return shown(orvane::formatPicture(inches, orvane::decimalPicture));
}

double segmentCount(const QString &numsegs)
{
    return orvane::leadingNumber(numsegs.toStdString());
}

QString angle(double degrees)
{
    return shown(orvane::formatPicture(degrees, orvane::reportAnglePicture));
}

// The two angle labels: 180 / n beside the long side and 90 - 180 / n beside the short side, n
// being the segment count's text read as a number. Both are blank for a count that makes no ring
// (0, as an empty or non-numeric count reads, among them), as on the window.
QString longSideAngle(const QString &numsegs)
{
    const double n = segmentCount(numsegs);
    return orvane::countComputable(n) ? angle(180 / n) : QString();
}

QString shortSideAngle(const QString &numsegs)
{
    const double n = segmentCount(numsegs);
    return orvane::countComputable(n) ? angle(90 - 180 / n) : QString();
}

} // namespace

void drawReport(PageSurface &page, const ReportValues &v)
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
    const double pi = v.pi;
    page.arc(single(cx - 1.5), single(cy + 4), 1.2f, single(3 * pi / 2),
        single(3 * pi / 2 + 60 * pi / 180));
    page.arc(single(cx + 1.5), single(cy - 2.3), 2, single(pi), single(pi + 30 * pi / 180));

    // The header, at the top left.
    const auto indented = [&page](const QString &text) {
        page.setCurrentX(single(page.currentX() + 0.1));
        page.print(text);
    };
    page.setCurrentX(0.1f);
    page.setCurrentY(single(H - 0.2));
    page.print(QStringLiteral("Project Name: ") + v.projectName);
    indented(QStringLiteral("# of Segments: ") + v.numsegs);
    indented(QStringLiteral("Board width: ") + v.boardWidth + QStringLiteral("  (")
        + decimal(v.boardwidthlen) + QLatin1Char(')'));
    indented(QStringLiteral("Board thickness: ") + v.boardThickness);
    indented(QStringLiteral("Board feet (total): ") + v.boardFeet);

    // The side lengths: right of the short side and left of the long side, from mid-height down.
    page.setCurrentX(single(cx + 1.6));
    page.setCurrentY(single(cy));
    page.print(v.shortSide);
    page.setCurrentX(single(cx + 1.6));
    page.print(QLatin1Char('(') + decimal(v.shortsidelen) + QLatin1Char(')'));
    page.setCurrentX(single(cx - 2.5));
    page.setCurrentY(single(cy));
    page.print(v.longSide);
    page.setCurrentX(single(cx - 2.5));
    page.print(QLatin1Char('(') + decimal(v.longsidelen) + QLatin1Char(')'));

    // The angles, inside the corners their arcs mark.
    page.setCurrentX(single(cx - 1.4));
    page.setCurrentY(single(cy + 3.3));
    page.print(longSideAngle(v.numsegs));
    page.setCurrentX(single(cx - 0.1));
    page.setCurrentY(single(cy - 2.6));
    page.print(shortSideAngle(v.numsegs));

    // The note, at the bottom left; its second line starts at the left edge.
    page.setCurrentX(0.2f);
    page.setCurrentY(0.5f);
    page.print(QStringLiteral("Note: Not to scale or proportion!"));
    page.print(QStringLiteral("      All linear dimensions are inches"));

    page.endDocument();
}
