#include "report/pagefailure.h"

#include <QCoreApplication>
#include <QPrinter>

namespace orvane {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("PageFailure", text);
}

} // namespace

QString pdfFailure(PageFailure failure)
{
    switch (failure) {
    case PageFailure::start: return tr("the PDF could not be started");
    case PageFailure::newPage: return tr("a page of the PDF could not be added");
    case PageFailure::finish:
    case PageFailure::none: break;
    }
    return tr("the PDF could not be finished");
}

std::optional<QString> printerRefusal(const QPrinter &printer)
{
    if (!printer.isValid())
        return tr("the printer is no longer available");
    if (printer.outputFormat() == QPrinter::NativeFormat && printer.printerName().isEmpty())
        return tr("no printer was chosen");
    return std::nullopt;
}

std::optional<QString> printerFailure(PageFailure failure, const QPrinter &printer)
{
    switch (failure) {
    case PageFailure::none: break;
    case PageFailure::start: return tr("the printer could not be started");
    case PageFailure::newPage: return tr("the printer could not start a new page");
    case PageFailure::finish: return tr("the printer could not finish the document");
    }
    if (printer.printerState() == QPrinter::Error)
        return tr("the printer reported an error");
    return std::nullopt;
}

} // namespace orvane
