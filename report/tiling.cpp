#include "report/tiling.h"

#include <cmath>

namespace orvane {

namespace {

// How many tiles of `size`, each one overlapping the next by `overlap`, cover `length`.
double tilesAlong(double length, double size, double overlap)
{
    if (length <= size)
        return 1;
    return std::ceil((length - overlap) / (size - overlap));
}

// Where the first of `count` tiles starts so that the row of them is centred on the drawing.
double firstStart(double start, double length, double size, double overlap, int count)
{
    const double span = count * (size - overlap) + overlap;
    return start - (span - length) / 2;
}

} // namespace

TilingResult planTiles(const QRectF &drawing, const QSizeF &area, double overlap, int largestCount)
{
    TilingResult result;
    if (!(area.width() > overlap && area.height() > overlap) || !drawing.isValid())
        return result;
    const double columns = tilesAlong(drawing.width(), area.width(), overlap);
    const double rows = tilesAlong(drawing.height(), area.height(), overlap);
    result.needed = columns * rows;
    if (!std::isfinite(result.needed) || result.needed > largestCount)
        return result;

    TilePlan &plan = result.plan;
    plan.rows = int(rows);
    plan.columns = int(columns);
    plan.overlap = overlap;
    const double left
        = firstStart(drawing.left(), drawing.width(), area.width(), overlap, plan.columns);
    const double top
        = firstStart(drawing.top(), drawing.height(), area.height(), overlap, plan.rows);
    for (int row = 0; row < plan.rows; ++row) {
        for (int column = 0; column < plan.columns; ++column) {
            const QPointF corner(
                left + column * (area.width() - overlap), top + row * (area.height() - overlap));
            plan.tiles.append(Tile { row, column, QRectF(corner, area) });
        }
    }
    result.fits = true;
    return result;
}

QString tileName(int row, int column)
{
    // Bijective base 26, as spreadsheet columns are named: A..Z, AA..AZ, BA...
    QString letters;
    for (int n = row + 1; n > 0; n = (n - 1) / 26)
        letters.prepend(QChar(u'A' + (n - 1) % 26));
    return letters + QString::number(column + 1);
}

} // namespace orvane
