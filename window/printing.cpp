// Printing the report: on the default printer, or into a PDF file when there is none.

#include "report/projectprompt.h"
#include "report/reportoutput.h"
#include "window/orvane.h"
#include "window/printdialogs.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QStandardPaths>

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
    values.projectName = Frame1->nameBox()->text();
    values.numsegs = numsegs->text();
    values.boardWidth = bwidth->text();
    values.boardwidthlen = state.boardwidthlen;
    values.boardThickness = boardthick->text();
    values.boardFeet = boardfeet->text();
    values.shortSide = shortside->text();
    values.shortsidelen = state.shortsidelen;
    values.longSide = longside->text();
    values.longsidelen = state.longsidelen;
    values.pi = state.pi;
    return values;
}

void Orvane::printreport()
{
    const ReportValues values = reportValues();

    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (!printer.isNull()) {
        if (const auto failure = printReport(printer, values)) {
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
