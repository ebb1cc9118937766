#pragma once

// What printing asks the user and tells them. The program asks with the system's modal dialogs;
// a different set of answers can be put in where no one is there to click.

#include <QString>

#include <memory>

class QPrinter;
class QWidget;

namespace orvane {

class PrintDialogs
{
public:
    virtual ~PrintDialogs() = default;

    // There is no printer: whether to save the report as a PDF file instead.
    virtual bool offerPdf(QWidget *parent) = 0;

    // Printers are installed but none is the default: choose one, or save a PDF instead.
    enum class Instead
    {
        ChoosePrinter,
        SavePdf,
        Cancel
    };
    virtual Instead offerChoice(QWidget *parent) = 0;
    // The system print dialog, setting up `printer`; false when the user cancels.
    virtual bool choosePrinter(QWidget *parent, QPrinter &printer) = 0;

    // The PDF file to write, starting from `suggested`; empty when the user cancels.
    virtual QString pdfFileName(QWidget *parent, const QString &suggested) = 0;
    // The report did not get where it was sent; `message` says why.
    virtual void showFailure(QWidget *parent, const QString &message) = 0;
};

// The dialogs of the running program: message boxes, the print dialog, the standard save dialog
// and a warning.
std::unique_ptr<PrintDialogs> standardPrintDialogs();

} // namespace orvane
