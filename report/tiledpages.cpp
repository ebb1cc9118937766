#include "report/tiledpages.h"

#include <QCoreApplication>
#include <QPaintDevice>

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("TemplatePages", text);
}

// The bands of every page, in points: the header with the project name, the tile's label and the
// page number; the footer with the calibration squares.
constexpr double squareInset = 2; // keeps the squares' lines inside the printable area
constexpr double footerHeight = pointsPerInch + squareInset + 10;
constexpr double squareGap = 18;
constexpr double twentyFiveMillimetres = 25 / 25.4 * pointsPerInch;

constexpr double largestMapScale = 18; // points to the inch: a quarter of full size

const QColor guideColour(110, 110, 110);
const QColor markColour(80, 80, 80);

// The rectangle all the tiles cover together, in inches.
QRectF tilesBounds(const TilePlan &plan)
{
    QRectF bounds;
    for (const Tile &tile : plan.tiles)
        bounds = bounds.united(tile.window);
    return bounds;
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

// The edges of a tile's overlaps with its neighbours, dashed, and each neighbour's label in the
// overlap it shares with it.
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

} // namespace

QSizeF printableSize(const QPaintDevice &device)
{
    return { device.width() * pointsPerInch / device.logicalDpiX(),
        device.height() * pointsPerInch / device.logicalDpiY() };
}

QRectF tileArea(const QSizeF &printable)
{
    return QRectF(0, pageHeaderHeight, printable.width(),
        printable.height() - pageHeaderHeight - footerHeight);
}

QSizeF tileSize(const QSizeF &printable)
{
    return tileArea(printable).size() / pointsPerInch;
}

bool roomForTiles(const QSizeF &printable)
{
    const QSizeF tile = tileSize(printable);
    return tile.width() >= tileOverlap + smallestTile
        && tile.height() >= tileOverlap + smallestTile;
}

void drawPageHeader(
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
    page.painter().drawLine(QLineF(0, pageHeaderHeight - 6, width, pageHeaderHeight - 6));
}

void drawCalibration(TemplatePainter &page, const QString &note)
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
    QString advice = tr("Print at 100 % (no fit to page). Check these squares before cutting.");
    if (!note.isEmpty())
        advice = note + QLatin1Char(' ') + advice;
    const double lines = std::ceil(page.measure(advice).width() / (size.width() - left));
    page.wrapped(QRectF(left, inch.center().y() - lines * page.lineSpacing() / 2,
                     size.width() - left, pointsPerInch),
        advice);
}

QTransform tileToPage(const QSizeF &printable, const Tile &tile)
{
    const QRectF area = tileArea(printable);
    QTransform toPage;
    toPage.translate(area.left() - tile.window.left() * pointsPerInch,
        area.top() - tile.window.top() * pointsPerInch);
    toPage.scale(pointsPerInch, pointsPerInch);
    return toPage;
}

void drawTileGuides(
    TemplatePainter &page, const QTransform &toPage, const TilePlan &plan, const Tile &tile)
{
    drawOverlapGuides(page, toPage, plan, tile);
    drawAlignmentMarks(page, toPage, plan);
}

QRectF tileMapBox(const QSizeF &printable, double textWidth, double textBottom)
{
    constexpr double smallestMapWidth = 2.5 * pointsPerInch;
    constexpr double mapGap = 0.3 * pointsPerInch;
    const QRectF area = tileArea(printable);
    const double top = pageHeaderHeight + 4;
    const QRectF beside(
        textWidth + mapGap, top, printable.width() - textWidth - mapGap, area.bottom() - top);
    if (beside.width() >= smallestMapWidth)
        return beside;
    return QRectF(0, textBottom + 12, printable.width(), area.bottom() - textBottom - 12);
}

void drawTileMap(TemplatePainter &page, const QRectF &box, const TilePlan &plan,
    const QString &heading, const QPainterPath &outline)
{
    PageLines title(page, box.left(), box.top());
    title.line(heading, 10, true);
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
    page.painter().drawPath(toMap.map(outline));
}

QString tilePagesHeading(const QString &what, int first, qsizetype count)
{
    return count == 1
        ? tr("%1 at full size: page %2").arg(what).arg(first)
        : tr("%1 at full size: pages %2 to %3").arg(what).arg(first).arg(first + int(count) - 1);
}

PageLines::PageLines(TemplatePainter &target, double leftEdge, double top)
    : page(target)
    , left(leftEdge)
    , y(top)
{ }

void PageLines::line(const QString &text, double points, bool bold)
{
    page.setPen(Qt::black, 0.5);
    page.setFont(points, bold);
    page.text(QPointF(left, y), Qt::AlignLeft | Qt::AlignTop, text);
    y += page.lineSpacing();
}

void PageLines::row(const QStringList &texts, const QList<double> &columns, bool bold)
{
    page.setPen(Qt::black, 0.5);
    page.setFont(10, bold);
    for (qsizetype i = 0; i < texts.size() && i < columns.size(); ++i)
        page.text(QPointF(left + columns[i], y), Qt::AlignLeft | Qt::AlignTop, texts[i]);
    y += page.lineSpacing();
}

void PageLines::wrapped(const QString &text, double width, double points)
{
    page.setPen(Qt::black, 0.5);
    page.setFont(points);
    y += page.wrapped(QRectF(left, y, width, 1000), text).height();
}

} // namespace orvane
