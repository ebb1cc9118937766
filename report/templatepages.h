#pragma once

// The pages of full-size templates. For each ring: a first page with the project name, the
// ring's inputs, the cut list and a small map of the tiles; then the segment at full size over
// as many pages as it needs, the tiles overlapping by half an inch with alignment marks in the
// overlap. Every page carries the project name and the calibration squares.
//
// Pages are drawn in points from the top-left corner of the device's printable area, the scale
// taken from the device's resolution; nothing is fitted to the page.

#include "report/templatecutlist.h"
#include "report/templatering.h"
#include "report/tiledpages.h"
#include "report/tiling.h"

#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <optional>

class QPagedPaintDevice;
class QPainter;

namespace orvane {

// The most tiles one ring may take; more is no template anyone tapes together.
inline constexpr int mostTilesPerRing = 100;

// One ring's template laid out on pages of a size: the ring, its cut list, the rectangle its
// drawing takes (inches, see segmentDrawingBounds) and its tiles.
struct TemplateLayout
{
    TemplateRing ring;
    CutList cutList;
    QRectF drawing;
    TilePlan tiles;
};

// The layout of `ring` on pages whose printable area is `printable` points, or the reason there is
// none, as a phrase to follow "could not be made: ".
struct LaidOutTemplate
{
    std::optional<TemplateLayout> layout;
    QString problem;
};
LaidOutTemplate layOutTemplate(const TemplateRing &ring, const QSizeF &printable);

// The layouts of all `rings`, in order, or the first reason one cannot be laid out.
struct LaidOutTemplates
{
    QList<TemplateLayout> layouts;
    QString problem; // empty when every ring was laid out
    int pageCount = 0;
};
LaidOutTemplates layOutTemplates(const QList<TemplateRing> &rings, const QSizeF &printable);

// Draws the laid-out templates, one after another, on `painter`, begun on `device`, whose
// printable area they were laid out for. Gives the reason when the device would not start a new
// page.
std::optional<QString> drawTemplates(
    QPainter &painter, QPagedPaintDevice &device, const LaidOutTemplates &templates);

// The title of the document: from the first ring's project name.
QString templateTitle(const QList<TemplateRing> &rings);

} // namespace orvane
