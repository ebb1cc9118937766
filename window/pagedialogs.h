#pragma once

// What sending pages to a printer or into a PDF file asks the user and tells them, for the report
// and the template alike. The program asks with the system's modal dialogs; a different set of
// answers can be put in where no one is there to click.

#include <QString>

class QPrinter;
class QWidget;

namespace orvane {

class PageDialogs
{
public:
    virtual ~PageDialogs() = default;

    // The system print dialog, setting up `printer`; false when the user cancels.
    virtual bool choosePrinter(QWidget *parent, QPrinter &printer) = 0;
    // The PDF file to write, starting from `suggested`; empty when the user cancels.
    virtual QString pdfFileName(QWidget *parent, const QString &suggested) = 0;
    // The pages did not get where they were sent; `message` says why.
    virtual void showFailure(QWidget *parent, const QString &message) = 0;
};

} // namespace orvane
