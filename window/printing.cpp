// Printing the report: on the default printer, on one the user chooses, or into a PDF file.

#include "report/reportoutput.h"
#include "window/orvane.h"
#include "window/pdffile.h"
#include "window/printdialogs.h"
#include "window/projectprompt.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>

namespace orvane {

void Orvane::setPrintDialogs(std::unique_ptr<PrintDialogs> dialogs)
{
    printDialogs = std::move(dialogs);
}

ReportValues Orvane::reportValues() const
{
    ReportValues values;
    values.projectName = projectPrompt->nameBox()->text();
    values.segmentCount = segmentCountBox->text();
    values.boardThickness = thicknessBox->text();
    values.ring = result;
    return values;
}

void Orvane::printReport()
{
    const ReportValues values = reportValues();

    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (!printer.isNull()) {
        if (const auto failure = orvane::printReport(printer, values))
            showPrintFailure(
                printer.description().isEmpty() ? printer.printerName() : printer.description(),
                *failure);
        return;
    }

    // No printer at all, which is common: the same page goes into a PDF file.
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        if (printDialogs->offerPdf(this))
            saveReportAsPdf();
        return;
    }

    // Printers, but none is the default: the user picks one, or takes a PDF after all.
    switch (printDialogs->offerChoice(this)) {
    case PrintDialogs::Instead::ChoosePrinter: {
        QPrinter chosen(QPrinter::HighResolution);
        if (!printDialogs->choosePrinter(this, chosen))
            return;
        // The dialog's "print to file" writes a PDF there instead.
        if (const auto failure = orvane::printReport(chosen, values))
            showPrintFailure(destinationName(chosen), *failure);
        return;
    }
    case PrintDialogs::Instead::SavePdf: saveReportAsPdf(); return;
    case PrintDialogs::Instead::Cancel: return;
    }
}

void Orvane::saveReportAsPdf()
{
    const ReportValues values = reportValues();
    const QString fileName = printDialogs->pdfFileName(this, suggestedPdfPath(reportTitle(values)));
    if (fileName.isEmpty())
        return;
    if (const auto failure = orvane::saveReportAsPdf(fileName, values)) {
        printDialogs->showFailure(this,
            tr("The report could not be saved as %1: %2.")
                .arg(QDir::toNativeSeparators(fileName), *failure));
    }
}

void Orvane::showPrintFailure(const QString &printerName, const QString &cause)
{
    printDialogs->showFailure(
        this, tr("The report could not be printed on %1: %2.").arg(printerName, cause));
}

} // namespace orvane
