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

// The bands of every page, in points: the header with the project name, the tile's label and the
// page number; the footer with the calibration squares.
constexpr double headerHeight = 30;
constexpr double squareInset = 2; // keeps the squares' lines inside the printable area
constexpr double footerHeight = pointsPerInch + squareInset + 10;
constexpr double squareGap = 18;
constexpr double twentyFiveMillimetres = 25 / 25.4 * pointsPerInch;

// The smallest room for a tile, in inches beyond the overlap.
constexpr double smallestTile = 1;

// The cut list's column and the map beside it, in points.
constexpr double cutListWidth = 6.2 * pointsPerInch;
constexpr double smallestMapWidth = 2.5 * pointsPerInch;
constexpr double mapGap = 0.3 * pointsPerInch;
constexpr double largestMapScale = 18; // points to the inch: a quarter of full size

const QColor guideColour(110, 110, 110);
const QColor markColour(80, 80, 80);

QRectF scaled(const QRectF &rect, double factor)
{
    return { rect.x() * factor, rect.y() * factor, rect.width() * factor, rect.height() * factor };
}

QString pageNumber(int page, int pages, int ring, int rings)
{
    const QString number = tr("Page %1 of %2").arg(page).arg(pages);
    if (rings < 2)
        return number;
    return tr("Ring %1 of %2, %3").arg(ring).arg(rings).arg(number);
}

void drawHeader(
    TemplatePainter &page, const QString &project, const QString &centre, const QString &number)
{
    const double width = page.printableSize().width();
    page.setPen(Qt::black, 0.5);
    page.setFont(11, true);
    // The name keeps clear of the label in the middle.
    page.text(QPointF(0, 0), Qt::AlignLeft | Qt::AlignTop, page.elided(project, width * 0.4));
    page.setFont(10);
    page.text(QPointF(width, 0), Qt::AlignRight | Qt::AlignTop, number);
    page.setFont(16, true);
    page.text(QPointF(width / 2, 0), Qt::AlignHCenter | Qt::AlignTop, centre);
    page.setPen(guideColour, 0.35);
    page.painter().drawLine(QLineF(0, headerHeight - 6, width, headerHeight - 6));
}

// The two squares a user measures to see that the page printed at full size.
void drawCalibration(TemplatePainter &page)
{
    const QSizeF size = page.printableSize();
    const double bottom = size.height() - squareInset;
    const QRectF inch(squareInset, bottom - pointsPerInch, pointsPerInch, pointsPerInch);
    const QRectF millimetres(inch.right() + squareGap, bottom - twentyFiveMillimetres,
        twentyFiveMillimetres, twentyFiveMillimetres);
    page.setPen(Qt::black, 0.5);
    page.painter().drawRect(inch);
    page.painter().drawRect(millimetres);
    page.setFont(9);
    page.text(inch.center(), Qt::AlignCenter, tr("1 in"));
    page.text(millimetres.center(), Qt::AlignCenter, tr("25 mm"));
    page.setFont(10, true);
    const double left = millimetres.right() + squareGap;
    const QString advice
        = tr("Print at 100 % (no fit to page). Check these squares before cutting.");
    const double lines = page.measure(advice).width() > size.width() - left ? 2 : 1;
    page.wrapped(QRectF(left, inch.center().y() - lines * page.lineSpacing() / 2,
                     size.width() - left, pointsPerInch),
        advice);
}

// Writes lines of text down the page from a corner.
class Lines
{
public:
    Lines(TemplatePainter &target, double leftEdge, double top)
        : page(target)
        , left(leftEdge)
        , y(top)
    { }

    void line(const QString &text, double points = 10, bool bold = false)
    {
        page.setPen(Qt::black, 0.5);
        page.setFont(points, bold);
        page.text(QPointF(left, y), Qt::AlignLeft | Qt::AlignTop, text);
        y += page.lineSpacing();
    }

    // One row of texts at the given distances from the left.
    void row(const QStringList &texts, const QList<double> &columns, bool bold = false)
    {
        page.setPen(Qt::black, 0.5);
        page.setFont(10, bold);
        for (qsizetype i = 0; i < texts.size() && i < columns.size(); ++i)
            page.text(QPointF(left + columns[i], y), Qt::AlignLeft | Qt::AlignTop, texts[i]);
        y += page.lineSpacing();
    }

    void wrapped(const QString &text, double width, double points)
    {
        page.setPen(Qt::black, 0.5);
        page.setFont(points);
        y += page.wrapped(QRectF(left, y, width, 1000), text).height();
    }

    void skip(double points) { y += points; }
    double bottom() const { return y; }

private:
    TemplatePainter &page;
    double left;
    double y;
};

// The rectangle all the tiles cover together, in inches.
QRectF tilesBounds(const TilePlan &plan)
{
    QRectF bounds;
    for (const Tile &tile : plan.tiles)
        bounds = bounds.united(tile.window);
    return bounds;
}

void drawTileMap(
    TemplatePainter &page, const QRectF &box, const TemplateLayout &layout, int firstTilePage)
{
    const TilePlan &plan = layout.tiles;
    Lines title(page, box.left(), box.top());
    const int last = firstTilePage + int(plan.tiles.size()) - 1;
    title.line(plan.tiles.size() == 1
            ? tr("The segment at full size: page %1").arg(firstTilePage)
            : tr("The segment at full size: pages %1 to %2").arg(firstTilePage).arg(last),
        10, true);
    title.line(tr("%1 × %2 tiles (columns × rows), overlapping by 1/2 in")
                   .arg(plan.columns)
                   .arg(plan.rows),
        9);
    title.skip(6);

    const QRectF room(box.left(), title.bottom(), box.width(), box.bottom() - title.bottom());
    const QRectF bounds = tilesBounds(plan);
    if (room.height() <= 0 || bounds.isEmpty())
        return;
    const double scale = std::min(
        { room.width() / bounds.width(), room.height() / bounds.height(), largestMapScale });
    QTransform toMap;
    toMap.translate(room.left() - bounds.left() * scale, room.top() - bounds.top() * scale);
    toMap.scale(scale, scale);

    page.setPen(guideColour, 0.35);
    page.setFont(9, true);
    for (const Tile &tile : plan.tiles) {
        const QRectF drawn = toMap.mapRect(tile.window);
        page.painter().drawRect(drawn);
        page.text(drawn.center(), Qt::AlignCenter, tileName(tile.row, tile.column));
    }
    page.setPen(Qt::black, 0.5);
    page.painter().drawPolygon(toMap.map(segmentOutline(layout.cutList.ring)));
}

void drawCutListPage(TemplatePainter &page, const TemplateLayout &layout, int firstTilePage)
{
    const CutList &list = layout.cutList;
    const QSizeF size = page.printableSize();
    const double width = std::min(cutListWidth, size.width());
    Lines text(page, 0, headerHeight + 4);
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

    // The map of the tiles: beside the cut list where the page is wide enough, below it else.
    const QRectF area = tileArea(size);
    QRectF box(width + mapGap, headerHeight + 4, size.width() - width - mapGap,
        area.bottom() - headerHeight - 4);
    if (box.width() < smallestMapWidth)
        box = QRectF(0, text.bottom() + 12, size.width(), area.bottom() - text.bottom() - 12);
    drawTileMap(page, box, layout, firstTilePage);
}

// Crosses with a circle, at the middle of every overlap, the same on both tiles of a seam.
void drawAlignmentMarks(TemplatePainter &page, const QTransform &toPage, const TilePlan &plan)
{
    constexpr double arm = 0.15; // inches
    constexpr double ring = 0.07;
    page.setPen(markColour, 0.4);
    QPainter &painter = page.painter();
    const auto cross = [&](const QPointF &centre) {
        painter.drawLine(toPage.map(QLineF(centre - QPointF(arm, 0), centre + QPointF(arm, 0))));
        painter.drawLine(toPage.map(QLineF(centre - QPointF(0, arm), centre + QPointF(0, arm))));
        const QPointF c = toPage.map(centre);
        const double r = ring * pointsPerInch;
        painter.drawEllipse(c, r, r);
    };
    const double half = plan.overlap / 2;
    for (const Tile &tile : plan.tiles) {
        const QRectF &w = tile.window;
        if (tile.column + 1 < plan.columns) {
            const double x = w.right() - half;
            cross(QPointF(x, w.top() + w.height() / 4));
            cross(QPointF(x, w.top() + 3 * w.height() / 4));
        }
        if (tile.row + 1 < plan.rows) {
            const double y = w.bottom() - half;
            cross(QPointF(w.left() + w.width() / 4, y));
            cross(QPointF(w.left() + 3 * w.width() / 4, y));
        }
    }
}

// On one tile, the edges of its overlaps with its neighbours, dashed, and each neighbour's label
// in the overlap it shares with it.
void drawOverlapGuides(
    TemplatePainter &page, const QTransform &toPage, const TilePlan &plan, const Tile &tile)
{
    const QRectF &w = tile.window;
    const double o = plan.overlap;
    QPainter &painter = page.painter();
    const auto guide = [&](const QLineF &edge, const QPointF &labelAt, int row, int column) {
        page.setPen(guideColour, 0.35, Qt::DashLine);
        painter.drawLine(toPage.map(edge));
        page.setPen(guideColour, 0.35);
        page.setFont(8);
        page.text(toPage.map(labelAt), Qt::AlignCenter, tileName(row, column));
    };
    const double middleY = w.center().y();
    const double middleX = w.center().x();
    if (tile.column > 0)
        guide(QLineF(w.left() + o, w.top(), w.left() + o, w.bottom()),
            QPointF(w.left() + o / 2, middleY), tile.row, tile.column - 1);
    if (tile.column + 1 < plan.columns)
        guide(QLineF(w.right() - o, w.top(), w.right() - o, w.bottom()),
            QPointF(w.right() - o / 2, middleY), tile.row, tile.column + 1);
    if (tile.row > 0)
        guide(QLineF(w.left(), w.top() + o, w.right(), w.top() + o),
            QPointF(middleX, w.top() + o / 2), tile.row - 1, tile.column);
    if (tile.row + 1 < plan.rows)
        guide(QLineF(w.left(), w.bottom() - o, w.right(), w.bottom() - o),
            QPointF(middleX, w.bottom() - o / 2), tile.row + 1, tile.column);
}

void drawTilePage(TemplatePainter &page, const TemplateLayout &layout, const Tile &tile)
{
    const QRectF area = tileArea(page.printableSize());
    // Inches of the drawing to points of the page: exactly 72 to the inch.
    QTransform toPage;
    toPage.translate(area.left() - tile.window.left() * pointsPerInch,
        area.top() - tile.window.top() * pointsPerInch);
    toPage.scale(pointsPerInch, pointsPerInch);

    QPainter &painter = page.painter();
    painter.save();
    painter.setClipRect(area);
    drawOverlapGuides(page, toPage, layout.tiles, tile);
    drawAlignmentMarks(page, toPage, layout.tiles);
    drawSegment(page, toPage, layout.cutList);
    painter.restore();
}

} // namespace

QRectF tileArea(const QSizeF &printable)
{
    return QRectF(
        0, headerHeight, printable.width(), printable.height() - headerHeight - footerHeight);
}

LaidOutTemplate layOutTemplate(const TemplateRing &ring, const QSizeF &printable)
{
    LaidOutTemplate result;
    if (const auto problem = templateProblem(ring)) {
        result.problem = *problem;
        return result;
    }
    TemplateLayout layout { ring, *cutList(ring), {}, {} };
    layout.drawing = segmentDrawingBounds(layout.cutList.ring);
    const QSizeF area = scaled(tileArea(printable), 1 / pointsPerInch).size();
    if (!(area.width() >= tileOverlap + smallestTile
            && area.height() >= tileOverlap + smallestTile)) {
        result.problem = tr("the paper's printable area is too small for a template");
        return result;
    }
    const TilingResult tiling = planTiles(layout.drawing, area, tileOverlap, mostTilesPerRing);
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

QSizeF printableSize(const QPaintDevice &device)
{
    return { device.width() * pointsPerInch / device.logicalDpiX(),
        device.height() * pointsPerInch / device.logicalDpiY() };
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
        drawHeader(
            page, project, tr("Cut List"), pageNumber(number, templates.pageCount, r + 1, rings));
        drawCutListPage(page, layout, number + 1);
        drawCalibration(page);
        for (const Tile &tile : layout.tiles.tiles) {
            if (!startPage())
                return tr("a new page could not be started");
            drawHeader(page, project, tileName(tile.row, tile.column),
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
