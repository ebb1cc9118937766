// Printing the report: on the default printer, or into a PDF file when there is none.

#include "report/reportoutput.h"
#include "window/orvane.h"
#include "window/printdialogs.h"
#include "window/projectprompt.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace orvane {

namespace {

// A file name for the report's PDF in the user's documents, or at home where there is no such
// folder: the title with the characters that file systems refuse taken out.
QString suggestedPdfName(const ReportValues &values)
{
    QString name = reportTitle(values);
    static const QString refused = QStringLiteral("/\\:*?\"<>|");
    for (QChar &c : name) {
        if (refused.contains(c) || c.category() == QChar::Other_Control)
            c = QLatin1Char('_');
    }
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    return QDir(folder).filePath(name + QStringLiteral(".pdf"));
}

} // namespace

void Orvane::setPrintDialogs(std::unique_ptr<PrintDialogs> dialogs)
{
    printDialogs = std::move(dialogs);
}

ReportValues Orvane::reportValues() const
{
    ReportValues values;
    values.projectName = projectPrompt->nameBox()->text();
    values.segmentCount = segmentCountBox->text();
    values.boardWidth = boardWidthFraction->text();
    values.boardWidthInches = currentLength(&Ring::boardWidth);
    values.boardThickness = thicknessBox->text();
    values.boardFeet = boardFeetField->text();
    values.shortSide = shortSideFraction->text();
    values.shortSideInches = currentLength(&Ring::shortSide);
    values.longSide = longSideFraction->text();
    values.longSideInches = currentLength(&Ring::longSide);
    return values;
}

void Orvane::printReport()
{
    const ReportValues values = reportValues();

    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (!printer.isNull()) {
        if (const auto failure = orvane::printReport(printer, values)) {
            printDialogs->showFailure(this,
                tr("The report could not be printed on %1: %2.")
                    .arg(printer.description().isEmpty() ? printer.printerName()
                                                         : printer.description(),
                        *failure));
        }
        return;
    }

    // No printer at all, which is common: the same page goes into a PDF file.
    if (!printDialogs->offerPdf(this))
        return;
    const QString fileName = printDialogs->pdfFileName(this, suggestedPdfName(values));
    if (fileName.isEmpty())
        return;
    if (const auto failure = saveReportAsPdf(fileName, values)) {
        printDialogs->showFailure(this,
            tr("The report could not be saved as %1: %2.")
                .arg(QDir::toNativeSeparators(fileName), *failure));
    }
}

} // namespace orvane
