#pragma once

// What printing the report asks the user and tells them: what every page sent out asks, and what
// to do where there is no default printer.

#include "window/pagedialogs.h"

#include <memory>

namespace orvane {

class PrintDialogs : public PageDialogs
{
public:
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
};

// The dialogs of the running program: message boxes, the print dialog, the standard save dialog
// and a warning.
std::unique_ptr<PrintDialogs> standardPrintDialogs();

} // namespace orvane
