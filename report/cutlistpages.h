#pragma once

// What a vessel prints: its cut list (the stack drawn to scale, or the profile with the rings'
// bands over it for a vessel drawn as one, a table of every ring and the lumber per wood, over as
// many pages as the table needs, each page with the project's name and its number) and the
// full-size templates of all its rings in one document. Each gives back the reason when the pages
// did not get there, and nothing when they did.

#include "core/vessel.h"
#include "report/templatering.h"

#include <QList>
#include <QPageSize>
#include <QString>

#include <optional>

class QPrinter;

namespace orvane {

// Writes the cut list of `vessel` into the PDF file `fileName` on `paper` in landscape, as the
// table is wide. A file that is already there is replaced only once the new one has been written
// completely.
std::optional<QString> saveCutListAsPdf(
    const QString &fileName, const Vessel &vessel, const QPageSize &paper);

// Prints the cut list of `vessel` on `printer`, on its paper and in its orientation, within the
// margins it reports; a printer the print dialog sent to a PDF file writes that file as above.
// The printer should be made with QPrinter::HighResolution.
std::optional<QString> printCutList(QPrinter &printer, const Vessel &vessel);

// The templates of the vessel's rings, from the foot up, each under the project's name and the
// ring's own.
QList<TemplateRing> vesselTemplateRings(const Vessel &vessel);

// Writes the full-size templates of every ring of `vessel` into the PDF file `fileName`, safely
// as above; nothing is written when a ring's template cannot be made.
std::optional<QString> saveVesselTemplatesAsPdf(
    const QString &fileName, const Vessel &vessel, const QPageSize &paper);

} // namespace orvane
