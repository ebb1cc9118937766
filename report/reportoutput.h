#pragma once

// Where a report goes: a printer, or a PDF file for those who have none. Each gives back the
// reason when the report did not get there, and nothing when it did.

#include "report/reportpage.h"

#include <QPageLayout>
#include <QString>

#include <optional>
#include <vector>

class QPrinter;
class QPrinterInfo;

namespace orvane {

// The name of the print job and the title of a PDF: the project name, or a plain title when the
// name is blank.
QString reportTitle(const ReportValues &values);

// Prints the report on `printer`, at the printer's full resolution.
std::optional<QString> printReport(const QPrinterInfo &printer, const ReportValues &values);
// Prints the report on a printer the user has set up, as the system print dialog left it; where
// the dialog sent it into a PDF file, that file is written as a saved PDF is.
std::optional<QString> printReport(QPrinter &device, const ReportValues &values);

// The page of a report saved as a PDF: US Letter where the locale measures in US units, A4
// elsewhere, with a margin of a quarter inch all round, as most printers can print it.
QPageLayout pdfPageLayout();

// Writes the report into the PDF file `fileName`. A file that is already there is replaced only
// once the new one has been written completely.
std::optional<QString> saveReportAsPdf(const QString &fileName, const ReportValues &values);

// Writes the reports of several rings into the PDF file `fileName`, one page each, in the same
// way, on pages laid out as `layout`.
std::optional<QString> saveReportsAsPdf(const QString &fileName,
    const std::vector<ReportValues> &pages, const QPageLayout &layout = pdfPageLayout());

} // namespace orvane
