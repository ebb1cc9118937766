#pragma once

// What the full-size template dialog asks the user through the system's dialogs and tells them.
// A different set of answers can be put in where no one is there to click.

#include <QString>

#include <memory>

class QPrinter;
class QWidget;

namespace orvane {

class TemplateDialogs
{
public:
    virtual ~TemplateDialogs() = default;

    // The system print dialog for `printer`, which it sets up; false when the user cancels.
    virtual bool choosePrinter(QWidget *parent, QPrinter &printer) = 0;
    // The PDF file to write, starting from `suggested`; empty when the user cancels.
    virtual QString pdfFileName(QWidget *parent, const QString &suggested) = 0;
    // The template did not get where it was sent; `message` says why.
    virtual void showFailure(QWidget *parent, const QString &message) = 0;
};

// The dialogs of the running program: the system print dialog, the standard save dialog and a
// warning.
std::unique_ptr<TemplateDialogs> standardTemplateDialogs();

} // namespace orvane
