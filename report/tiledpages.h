#pragma once

// What every document of full-size drawings split over overlapping pages shares, the segment
// templates and the profile gauge alike: the header with the project name, the page's label and
// its number; the calibration squares at the foot of the page; the area between them that shows a
// tile; the dashed edges of the overlaps with the neighbours' labels and the alignment marks in
// them; and the small map of the tiles on a document's first page.
//
// Pages are drawn in points from the top-left corner of the device's printable area.

#include "report/templatepainter.h"
#include "report/tiling.h"

#include <QPainterPath>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QTransform>

class QPaintDevice;

namespace orvane {

// How far neighbouring tiles overlap, in inches.
inline constexpr double tileOverlap = 0.5;
// The header's height at the top of every page, in points.
inline constexpr double pageHeaderHeight = 30;
// The smallest room for a tile, in inches beyond the overlap.
inline constexpr double smallestTile = 1;

// The printable area of `device` in points.
QSizeF printableSize(const QPaintDevice &device);

// The part of a page of `printable` size (points) that shows a tile, in points from the printable
// area's top-left corner: what the header and the calibration squares leave.
QRectF tileArea(const QSizeF &printable);
// The same in inches, the size of a tile's window on the drawing.
QSizeF tileSize(const QSizeF &printable);
// Whether a page of `printable` size has room for a tile beyond the overlaps.
bool roomForTiles(const QSizeF &printable);

// The header: `project` on the left, `centre` (the page's title or its tile's label) in the
// middle, `number` ("Page 2 of 5") on the right, and a rule under them.
void drawPageHeader(
    TemplatePainter &page, const QString &project, const QString &centre, const QString &number);

// The two squares a user measures to see that the page printed at full size, with the advice to
// check them, after `note` where there is one.
void drawCalibration(TemplatePainter &page, const QString &note = {});

// Inches of the drawing to points of the page within the tile area: exactly 72 to the inch.
QTransform tileToPage(const QSizeF &printable, const Tile &tile);

// On one tile's page, clipped to the tile area already: the dashed edges of its overlaps with its
// neighbours, each neighbour's label in the overlap they share, and the alignment marks, the same
// on both tiles of a seam.
void drawTileGuides(
    TemplatePainter &page, const QTransform &toPage, const TilePlan &plan, const Tile &tile);

// Where the first page's map of the tiles goes: beside the column of text `textWidth` wide where
// the page is wide enough, below the text, which ends at `textBottom`, else.
QRectF tileMapBox(const QSizeF &printable, double textWidth, double textBottom);

// The map of the tiles in `box`: `heading`, the grid's size, and the tiles with their labels and
// `outline` (inches of the drawing) over them, at most a quarter of full size.
void drawTileMap(TemplatePainter &page, const QRectF &box, const TilePlan &plan,
    const QString &heading, const QPainterPath &outline);

// "The segment at full size: pages 2 to 5" for the tiles starting on page `first`.
QString tilePagesHeading(const QString &what, int first, qsizetype count);

// Writes lines of text down the page from a corner.
class PageLines
{
public:
    PageLines(TemplatePainter &target, double leftEdge, double top);

    void line(const QString &text, double points = 10, bool bold = false);
    // One row of texts at the given distances from the left.
    void row(const QStringList &texts, const QList<double> &columns, bool bold = false);
    void wrapped(const QString &text, double width, double points);

    void skip(double points) { y += points; }
    double bottom() const { return y; }

private:
    TemplatePainter &page;
    double left;
    double y;
};

} // namespace orvane
