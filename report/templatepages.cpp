#include "report/templatepages.h"

#include "report/templatepainter.h"
#include "report/templatesegment.h"

#include <QCoreApplication>
#include <QPagedPaintDevice>
#include <QPainter>

#include <cmath>

namespace orvane {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("TemplatePages", text);
}

// The cut list's column and the map beside it, in points.
constexpr double cutListWidth = 6.2 * pointsPerInch;

QString pageNumber(int page, int pages, int ring, int rings)
{
    const QString number = tr("Page %1 of %2").arg(page).arg(pages);
    if (rings < 2)
        return number;
    return tr("Ring %1 of %2, %3").arg(ring).arg(rings).arg(number);
}

void drawCutListPage(TemplatePainter &page, const TemplateLayout &layout, int firstTilePage)
{
    const CutList &list = layout.cutList;
    const QSizeF size = page.printableSize();
    const double width = std::min(cutListWidth, size.width());
    PageLines text(page, 0, pageHeaderHeight + 4);
    text.line(tr("Full-Size Template and Cut List"), 16, true);
    text.skip(4);
    text.wrapped(tr("Project Name: %1").arg(layout.ring.projectName), width, 11);
    text.skip(6);

    text.line(tr("Ring"), 11, true);
    text.line(tr("Number of segments: %1").arg(list.segmentCount));
    text.line(tr("Outer diameter: %1").arg(list.outerDiameter));
    text.line(tr("Inner diameter: %1").arg(list.innerDiameter));
    text.line(tr("Fudge factor: %1").arg(list.fudge));
    text.line(tr("Board thickness: %1").arg(list.thickness));
    text.skip(6);

    text.line(tr("Cut List"), 11, true);
    text.line(tr("Saw angle from square: %1").arg(list.sawAngle));
    text.line(tr("Miter angles: Long Side %1, Short Side %2")
                  .arg(list.longSideAngle, list.shortSideAngle));
    text.skip(4);
    const QList<double> columns { 0, 1.3 * pointsPerInch, 2.6 * pointsPerInch,
        3.8 * pointsPerInch };
    text.row({ QString(), tr("Fraction"), tr("Decimal, in."), tr("Millimetres") }, columns, true);
    const auto lengthRow = [&](const QString &name, const LengthTexts &length) {
        text.row({ name, length.fraction, length.decimal, length.millimetres }, columns);
    };
    lengthRow(tr("Long side"), list.longSide);
    lengthRow(tr("Short side"), list.shortSide);
    lengthRow(tr("Board width"), list.boardWidth);
    lengthRow(tr("Kerf"), list.kerf);
    lengthRow(tr("Strip length"), list.strip);
    text.skip(4);
    text.line(tr("Board feet (total): %1").arg(list.boardFeet));
    text.skip(6);
    text.wrapped(stripAssumption(), width, 9);
    text.line(tr("Strip = n (L + S) / 2 + (L − S) / 2 + (n − 1) k / cos(180° / n)"), 9);

    const QRectF box = tileMapBox(size, width, text.bottom());
    QPainterPath outline;
    outline.addPolygon(segmentOutline(layout.cutList.ring));
    outline.closeSubpath();
    drawTileMap(page, box, layout.tiles,
        tilePagesHeading(tr("The segment"), firstTilePage, layout.tiles.tiles.size()), outline);
}

void drawTilePage(TemplatePainter &page, const TemplateLayout &layout, const Tile &tile)
{
    const QTransform toPage = tileToPage(page.printableSize(), tile);
    QPainter &painter = page.painter();
    painter.save();
    painter.setClipRect(tileArea(page.printableSize()));
    drawTileGuides(page, toPage, layout.tiles, tile);
    drawSegment(page, toPage, layout.cutList);
    painter.restore();
}

} // namespace

LaidOutTemplate layOutTemplate(const TemplateRing &ring, const QSizeF &printable)
{
    LaidOutTemplate result;
    if (const auto problem = templateProblem(ring)) {
        result.problem = *problem;
        return result;
    }
    TemplateLayout layout { ring, *cutList(ring), {}, {} };
    layout.drawing = segmentDrawingBounds(layout.cutList.ring);
    if (!roomForTiles(printable)) {
        result.problem = tr("the paper's printable area is too small for a template");
        return result;
    }
    const TilingResult tiling
        = planTiles(layout.drawing, tileSize(printable), tileOverlap, mostTilesPerRing);
    if (!tiling.fits) {
        result.problem = std::isfinite(tiling.needed)
            ? tr("the segment would take %1 pages on this paper, more than the %2 a template "
                 "may take")
                  .arg(tiling.needed, 0, 'f', 0)
                  .arg(mostTilesPerRing)
            : tr("the segment is too large for a template on paper");
        return result;
    }
    layout.tiles = tiling.plan;
    result.layout = layout;
    return result;
}

LaidOutTemplates layOutTemplates(const QList<TemplateRing> &rings, const QSizeF &printable)
{
    LaidOutTemplates result;
    if (rings.isEmpty()) {
        result.problem = tr("there is no ring to draw");
        return result;
    }
    for (const TemplateRing &ring : rings) {
        LaidOutTemplate one = layOutTemplate(ring, printable);
        if (!one.layout) {
            result.layouts.clear();
            result.pageCount = 0;
            result.problem = one.problem;
            return result;
        }
        result.pageCount += 1 + int(one.layout->tiles.tiles.size());
        result.layouts.append(*one.layout);
    }
    return result;
}

std::optional<QString> drawTemplates(
    QPainter &painter, QPagedPaintDevice &device, const LaidOutTemplates &templates)
{
    TemplatePainter page(painter);
    const int rings = int(templates.layouts.size());
    int number = 0;
    const auto startPage = [&]() -> bool {
        if (number++ > 0 && !device.newPage())
            return false;
        return true;
    };
    for (int r = 0; r < rings; ++r) {
        const TemplateLayout &layout = templates.layouts[r];
        const QString project = layout.ring.projectName.simplified();
        if (!startPage())
            return tr("a new page could not be started");
        drawPageHeader(
            page, project, tr("Cut List"), pageNumber(number, templates.pageCount, r + 1, rings));
        drawCutListPage(page, layout, number + 1);
        drawCalibration(page);
        for (const Tile &tile : layout.tiles.tiles) {
            if (!startPage())
                return tr("a new page could not be started");
            drawPageHeader(page, project, tileName(tile.row, tile.column),
                pageNumber(number, templates.pageCount, r + 1, rings));
            drawTilePage(page, layout, tile);
            drawCalibration(page);
        }
    }
    return std::nullopt;
}

QString templateTitle(const QList<TemplateRing> &rings)
{
    const QString name = rings.isEmpty() ? QString() : rings.constFirst().projectName.simplified();
    return name.isEmpty() ? tr("Full-size template") : tr("%1: full-size template").arg(name);
}

} // namespace orvane
