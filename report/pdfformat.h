#pragma once

// What every PDF the program writes shares: the paper where no one chose one, the margins, the
// resolution and the document's particulars, and the print dialog's PDF files.

#include <QPageLayout>
#include <QPageSize>

class QPdfWriter;
class QPrinter;
class QString;

namespace orvane {

// US Letter where the locale measures in US units, A4 elsewhere.
QPageSize localePaper();

// A page of `paper` turned to `orientation`, with a margin of a quarter inch all round, as most
// printers can print it.
QPageLayout pdfLayout(const QPageSize &paper, QPageLayout::Orientation orientation);

// Sets `writer` up for pages laid out as `layout`, at the resolution of a good printer, as the
// document `title` made by Orvane.
void setUpPdfWriter(QPdfWriter &writer, const QPageLayout &layout, const QString &title);

// Whether the print dialog sent `printer` into a PDF file (its "print to file") rather than to a
// printer.
bool printsToPdfFile(const QPrinter &printer);
// That file's page: the paper and orientation chosen in the print dialog, in a PDF's margins.
QPageLayout pdfLayout(const QPrinter &printer);

} // namespace orvane
