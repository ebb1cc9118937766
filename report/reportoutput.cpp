#include "report/reportoutput.h"

#include "report/pdfformat.h"
#include "report/printersurface.h"
#include "report/safesave.h"

#include <QCoreApplication>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

namespace orvane {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ReportOutput", text);
}

// PDF pages are written at the resolution of a good printer.
constexpr int pdfResolution = 1200;

} // namespace

QString reportTitle(const ReportValues &values)
{
    const QString name = values.projectName.simplified();
    return name.isEmpty() ? tr("Orvane report") : name;
}

std::optional<QString> printReport(const QPrinterInfo &printer, const ReportValues &values)
{
    QPrinter device(printer, QPrinter::HighResolution);
    return printReport(device, values);
}

std::optional<QString> printReport(QPrinter &device, const ReportValues &values)
{
    if (printsToPdfFile(device))
        return saveReportsAsPdf(device.outputFileName(), { values }, pdfLayout(device));
    // A printer that went away since it was looked up leaves a device that would drop the page.
    if (device.outputFormat() != QPrinter::NativeFormat || !device.isValid()
        || device.printerName().isEmpty())
        return tr("the printer is no longer available");
    device.setDocName(reportTitle(values));
    device.setCreator(QStringLiteral("Orvane"));

    PrinterSurface page(device);
    if (!page.begin())
        return tr("the printer could not be started");
    drawReport(page, values);
    if (!page.ended() || device.printerState() == QPrinter::Error)
        return tr("the printer reported an error");
    return std::nullopt;
}

QPageLayout pdfPageLayout()
{
    return pdfLayout(localePaper(), QPageLayout::Portrait);
}

std::optional<QString> saveReportAsPdf(const QString &fileName, const ReportValues &values)
{
    return saveReportsAsPdf(fileName, { values });
}

std::optional<QString> saveReportsAsPdf(
    const QString &fileName, const std::vector<ReportValues> &pages, const QPageLayout &layout)
{
    if (pages.empty())
        return tr("there is no page to write");
    const ReportValues &values = pages.front();
    return writePdfSafely(fileName, layout, reportTitle(values),
        [&pages](QPdfWriter &writer) -> std::optional<QString> {
            PrinterSurface page(writer);
            if (!page.begin())
                return tr("the PDF could not be started");
            for (std::size_t i = 0; i < pages.size(); ++i) {
                if (i > 0)
                    page.newPage();
                drawReportPage(page, pages[i]);
            }
            page.endDocument();
            if (!page.ended())
                return tr("the PDF could not be finished");
            return std::nullopt;
        });
}

} // namespace orvane
