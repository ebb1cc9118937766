#pragma once

// The profile gauge as a document: a first page with the vessel's heights, its joints, how to
// use the gauge and a map of the tiles; then the gauge's drawing at full size over as many pages
// as it needs, tiled, marked and calibrated as the segment templates are. Every page carries the
// project name, the units of its lengths and the calibration squares.

#include "core/vessel.h"
#include "report/gaugedrawing.h"
#include "report/tiling.h"

#include <QPageLayout>
#include <QPageSize>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <optional>

namespace orvane {

// The most pages the gauge's drawing may take; more is no gauge anyone tapes together.
inline constexpr int mostGaugeTiles = 100;

// Why `vessel` has no gauge, as a phrase to follow "could not be made: ": it has no profile, or
// one that cannot be used; nothing when it has one.
std::optional<QString> gaugeProblem(const Vessel &vessel);

// The gauge laid out on pages whose printable area is `printable` points: its drawing, the
// rectangle that takes (inches, see gaugeBounds) and its tiles.
struct GaugeLayout
{
    GaugeDrawing gauge;
    QRectF drawing;
    TilePlan tiles;
    int pageCount() const { return 1 + int(tiles.tiles.size()); }
};
// The layout, or the reason there is none, as a phrase to follow "could not be made: ".
struct LaidOutGauge
{
    std::optional<GaugeLayout> layout;
    QString problem;
};
LaidOutGauge layOutGauge(const Vessel &vessel, const QSizeF &printable);

// The page of a saved gauge: `paper` in the orientation that takes the fewest pages (upright
// when both take as many), with a margin of a quarter inch all round.
QPageLayout gaugePdfLayout(const QPageSize &paper, const Vessel &vessel);

// Writes the profile gauge of `vessel` into the PDF file `fileName` on `paper`. A file that is
// already there is replaced only once the new one has been written completely; nothing is
// written for a vessel without a gauge. Gives the reason when the file was not written.
std::optional<QString> saveProfileGaugeAsPdf(
    const QString &fileName, const Vessel &vessel, const QPageSize &paper);

} // namespace orvane
