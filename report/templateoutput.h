#pragma once

// Where full-size templates go: a PDF file or a printer. Both draw at full size, nothing fitted
// to the page, and give back the reason when the template did not get there, nothing when it did.

#include "report/templatering.h"

#include <QList>
#include <QPageLayout>
#include <QPageSize>
#include <QString>

#include <optional>

class QPrinter;

namespace orvane {

// The orientation of `layout`'s page in which the templates of `rings` take the fewest pages:
// landscape, as segments are long and low, unless portrait takes fewer.
QPageLayout::Orientation templateOrientation(
    const QPageLayout &layout, const QList<TemplateRing> &rings);

// The page of templates saved as a PDF: `paper` in the orientation that takes the fewest pages,
// with a margin of a quarter inch all round, as most printers can print it.
QPageLayout templatePdfLayout(const QPageSize &paper, const QList<TemplateRing> &rings);

// Writes the templates of `rings`, one after another, into the PDF file `fileName` on `paper`.
// A file that is already there is replaced only once the new one has been written completely;
// nothing is written for rings that cannot be drawn.
std::optional<QString> saveTemplateAsPdf(
    const QString &fileName, const QList<TemplateRing> &rings, const QPageSize &paper);

// Prints the templates of `rings` on `printer`, on its paper, in its orientation and within the
// margins it reports. The printer should be made with QPrinter::HighResolution. Where the print
// dialog sent it into a PDF file, that file is written as a saved PDF is, on the paper and in the
// orientation chosen.
std::optional<QString> printTemplate(QPrinter &printer, const QList<TemplateRing> &rings);

} // namespace orvane
