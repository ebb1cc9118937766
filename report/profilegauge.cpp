#include "report/profilegauge.h"

#include "drawing/conversions.h"
#include "report/pagefailure.h"
#include "report/pdfformat.h"
#include "report/safesave.h"
#include "report/templatepainter.h"
#include "report/tiledpages.h"

#include <QCoreApplication>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <cmath>
#include <limits>

namespace orvane {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ProfileGauge", text);
}

// The first page's column of text and the map beside it, in points.
constexpr double summaryWidth = 4.2 * pointsPerInch;

QString projectTitle(const GaugeDrawing &gauge)
{
    return gauge.projectName.isEmpty() ? tr("Vessel") : gauge.projectName;
}

QString unitsNote(Units units)
{
    return units == Units::millimetres ? tr("Lengths in millimetres.") : tr("Lengths in inches.");
}

// The half-section the tile map shows: the outside, the rim across to the axis, and the axis
// down to the base.
QPainterPath halfSection(const GaugeDrawing &gauge)
{
    QPainterPath path = outsidePath(gauge.curve);
    const QPointF end = path.currentPosition();
    path.lineTo(0, end.y());
    path.lineTo(0, 0);
    path.closeSubpath();
    return path;
}

void drawSummaryPage(TemplatePainter &page, const GaugeLayout &layout)
{
    const GaugeDrawing &gauge = layout.gauge;
    const auto length = [&](double inches) { return gaugeLength(inches, gauge.units); };
    const double rim = gauge.curve.back().to.h;
    const QSizeF size = page.printableSize();
    const double width = std::min(summaryWidth, size.width());

    PageLines text(page, 0, pageHeaderHeight + 4);
    text.line(tr("Profile Gauge"), 16, true);
    text.skip(4);
    text.wrapped(tr("Project Name: %1").arg(gauge.projectName), width, 11);
    text.line(unitsNote(gauge.units), 10);
    text.skip(6);
    text.line(tr("Vessel"), 11, true);
    text.line(tr("Height to the rim: %1").arg(length(rim)));
    text.line(tr("Foot diameter: %1").arg(length(2 * outsideRadius(gauge.curve, 0))));
    text.line(tr("Widest diameter: %1").arg(length(2 * widestRadius(gauge.curve))));
    text.line(tr("Rim diameter: %1").arg(length(2 * gauge.curve.back().to.r)));
    text.skip(6);

    text.line(tr("Rings"), 11, true);
    const QList<double> joints = jointHeights(gauge);
    if (gauge.bands.isEmpty()) {
        text.wrapped(tr("No rings: the gauge shows the profile alone."), width, 10);
    } else {
        QStringList heights;
        for (const double h : joints)
            heights << length(h);
        text.wrapped(joints.isEmpty() ? tr("%1 rings, from the foot up.").arg(gauge.bands.size())
                                      : tr("%1 rings, from the foot up, joined at the heights %2.")
                                            .arg(gauge.bands.size())
                                            .arg(heights.join(QStringLiteral(", "))),
            width, 10);
        const double reached = gauge.bands.constLast().top;
        if (reached < rim) {
            text.wrapped(
                tr("The rings reach %1, below the rim at %2.").arg(length(reached), length(rim)),
                width, 10);
        }
    }
    text.skip(6);
    text.line(tr("Using the gauge"), 11, true);
    text.wrapped(tr("Tape the pages together by their alignment marks and cut along the outside "
                    "curve. Hold the gauge against the turned piece with its base line on the "
                    "foot's face and its axis on the centre: the piece is turned to its profile "
                    "where it meets the curve all along. The ticks across the curve mark the "
                    "joints between the rings."),
        width, 9);

    drawTileMap(page, tileMapBox(size, width, text.bottom()), layout.tiles,
        tilePagesHeading(tr("The gauge"), 2, layout.tiles.tiles.size()), halfSection(gauge));
}

void drawTilePage(TemplatePainter &page, const GaugeLayout &layout, const Tile &tile)
{
    const QTransform toPage = tileToPage(page.printableSize(), tile);
    QPainter &painter = page.painter();
    painter.save();
    painter.setClipRect(tileArea(page.printableSize()));
    drawTileGuides(page, toPage, layout.tiles, tile);
    drawGauge(page, toPage, layout.gauge);
    painter.restore();
}

// Draws the gauge's pages on `device`, whose printable area it was laid out for.
PageFailure drawOn(QPagedPaintDevice &device, const GaugeLayout &layout)
{
    QPainter painter;
    if (!painter.begin(&device))
        return PageFailure::start;
    TemplatePainter page(painter);
    const QString project = projectTitle(layout.gauge);
    const QString note = unitsNote(layout.gauge.units);
    const int pages = layout.pageCount();
    const auto number = [pages](int n) { return tr("Page %1 of %2").arg(n).arg(pages); };
    drawPageHeader(page, project, tr("Profile Gauge"), number(1));
    drawSummaryPage(page, layout);
    drawCalibration(page, note);
    bool added = true;
    for (qsizetype i = 0; i < layout.tiles.tiles.size() && added; ++i) {
        added = device.newPage();
        if (!added)
            break;
        const Tile &tile = layout.tiles.tiles[i];
        drawPageHeader(page, project, tileName(tile.row, tile.column), number(int(i) + 2));
        drawTilePage(page, layout, tile);
        drawCalibration(page, note);
    }
    if (!painter.end())
        return PageFailure::finish;
    return added ? PageFailure::none : PageFailure::newPage;
}

QString gaugeTitle(const Vessel &vessel)
{
    const QString name = shown(vessel.name).simplified();
    return name.isEmpty() ? tr("Profile gauge") : tr("%1: profile gauge").arg(name);
}

std::optional<QString> writeGaugePdf(
    const QString &fileName, const Vessel &vessel, const QPageLayout &pageLayout)
{
    // A gauge that cannot be drawn leaves the file as it is.
    const LaidOutGauge planned
        = layOutGauge(vessel, pageLayout.paintRect(QPageLayout::Point).size());
    if (!planned.layout)
        return planned.problem;

    return writePdfSafely(fileName, pageLayout, gaugeTitle(vessel),
        [&vessel](QPdfWriter &writer) -> std::optional<QString> {
            // Laid out again on the writer's own printable area, to the dot.
            const LaidOutGauge laidOut = layOutGauge(vessel, printableSize(writer));
            if (!laidOut.layout)
                return laidOut.problem;
            const PageFailure drawing = drawOn(writer, *laidOut.layout);
            if (drawing != PageFailure::none)
                return pdfFailure(drawing);
            return std::nullopt;
        });
}

} // namespace

std::optional<QString> gaugeProblem(const Vessel &vessel)
{
    if (vessel.profile.empty())
        return tr("the vessel has no profile, the outside the gauge is drawn from");
    const std::vector<std::string> problems = profileProblems(vessel.profile);
    if (!problems.empty())
        return tr("the vessel's profile cannot be used: %1").arg(shown(problems.front()));
    return std::nullopt;
}

LaidOutGauge layOutGauge(const Vessel &vessel, const QSizeF &printable)
{
    LaidOutGauge result;
    if (const auto problem = gaugeProblem(vessel)) {
        result.problem = *problem;
        return result;
    }
    if (!roomForTiles(printable)) {
        result.problem = tr("the paper's printable area is too small for a gauge");
        return result;
    }
    GaugeLayout layout { gaugeDrawing(vessel), {}, {} };
    layout.drawing = gaugeBounds(layout.gauge);
    const TilingResult tiling
        = planTiles(layout.drawing, tileSize(printable), tileOverlap, mostGaugeTiles);
    if (!tiling.fits) {
        result.problem = std::isfinite(tiling.needed)
            ? tr("the gauge would take %1 pages on this paper, more than the %2 a gauge may take")
                  .arg(tiling.needed, 0, 'f', 0)
                  .arg(mostGaugeTiles)
            : tr("the profile is too large for a gauge on paper");
        return result;
    }
    layout.tiles = tiling.plan;
    result.layout = std::move(layout);
    return result;
}

QPageLayout gaugePdfLayout(const QPageSize &paper, const Vessel &vessel)
{
    const auto pages = [&](QPageLayout::Orientation orientation) {
        const LaidOutGauge laidOut = layOutGauge(
            vessel, pdfLayout(paper, orientation).paintRect(QPageLayout::Point).size());
        return laidOut.layout ? laidOut.layout->pageCount() : std::numeric_limits<int>::max();
    };
    return pdfLayout(paper,
        pages(QPageLayout::Landscape) < pages(QPageLayout::Portrait) ? QPageLayout::Landscape
                                                                     : QPageLayout::Portrait);
}

std::optional<QString> saveProfileGaugeAsPdf(
    const QString &fileName, const Vessel &vessel, const QPageSize &paper)
{
    if (!paper.isValid())
        return tr("the paper size is not known");
    return writeGaugePdf(fileName, vessel, gaugePdfLayout(paper, vessel));
}

} // namespace orvane
