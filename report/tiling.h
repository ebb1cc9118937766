#pragma once

// Splitting a drawing too large for one sheet into overlapping sheets, the way a full-size
// pattern is printed: rows and columns of equal tiles that overlap their neighbours by a fixed
// amount, so that the sheets can be laid over each other and lined up.

#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>

namespace orvane {

// One sheet: its place in the grid and the part of the drawing it shows.
struct Tile
{
    int row = 0; // from the top, 0 first
    int column = 0; // from the left, 0 first
    QRectF window; // in the drawing's units, as large as the area of the sheet
};

struct TilePlan
{
    int rows = 0;
    int columns = 0;
    double overlap = 0;
    QList<Tile> tiles; // row by row, left to right
};

// The fewest tiles of `area` that cover `drawing` with neighbours overlapping by `overlap`. The
// grid is centred on the drawing, so the room left over is shared equally by its edges. Nothing
// when the area is not larger than the overlap, or when more than `largestCount` tiles would be
// needed (`needed` then says how many, when it can be counted).
struct TilingResult
{
    bool fits = false;
    TilePlan plan;
    double needed = 0;
};
TilingResult planTiles(const QRectF &drawing, const QSizeF &area, double overlap, int largestCount);

// A tile's label: the row as a letter (A to Z, then AA, AB...) and the column as a number from
// 1, as "A1", "B3".
QString tileName(int row, int column);

} // namespace orvane
