#include "report/pdfformat.h"

#include <QLocale>
#include <QPdfWriter>
#include <QPrinter>

namespace orvane {

namespace {

// The resolution of a good printer; it divides into points exactly.
constexpr int pdfResolution = 1200;

} // namespace

QPageSize localePaper()
{
    return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                : QPageSize::A4);
}

QPageLayout pdfLayout(const QPageSize &paper, QPageLayout::Orientation orientation)
{
    return QPageLayout(paper, orientation, QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch);
}

void setUpPdfWriter(QPdfWriter &writer, const QPageLayout &layout, const QString &title)
{
    writer.setResolution(pdfResolution);
    writer.setPageLayout(layout);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Orvane"));
}

bool printsToPdfFile(const QPrinter &printer)
{
    return printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
}

QPageLayout pdfLayout(const QPrinter &printer)
{
    const QPageLayout chosen = printer.pageLayout();
    return pdfLayout(chosen.pageSize(), chosen.orientation());
}

} // namespace orvane
