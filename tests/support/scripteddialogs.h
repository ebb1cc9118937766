#pragma once

// Answers to what printing and saving pages asks, given by the test instead of a user, with a
// record of what was asked and what was told.

#include "window/printdialogs.h"

#include <QStringList>

#include <functional>

namespace orvane {
class Orvane;
} // namespace orvane

// The answers every page sent out needs, to the interface `Dialogs` (PageDialogs or one extending
// it).
template <typename Dialogs> class ScriptedPageDialogs : public Dialogs
{
public:
    // How the print dialog sets up the printer (chooses one, sends it into a PDF file...); none
    // or false: the dialog is cancelled.
    std::function<bool(QPrinter &)> setUpPrinter;
    // The file to save the PDF as; empty: the save dialog is cancelled.
    QString fileName;

    // What happened.
    int printDialogs = 0;
    QStringList suggestedNames;
    QStringList failures;

    bool choosePrinter(QWidget *, QPrinter &printer) override
    {
        ++printDialogs;
        return setUpPrinter && setUpPrinter(printer);
    }
    QString pdfFileName(QWidget *, const QString &suggested) override
    {
        suggestedNames.append(suggested);
        return fileName;
    }
    void showFailure(QWidget *, const QString &message) override { failures.append(message); }
};

class ScriptedPrintDialogs : public ScriptedPageDialogs<orvane::PrintDialogs>
{
public:
    // The answers: whether to save a PDF when there is no printer, and, where printers are
    // installed but none is the default, what to do instead.
    bool acceptPdf = true;
    Instead instead = Instead::Cancel;
    // Runs when the PDF is offered, to look at the window at that moment.
    std::function<void()> onOffer;

    // What happened.
    int offers = 0;
    int choicesOffered = 0;

    bool offerPdf(QWidget *parent) override;
    Instead offerChoice(QWidget *parent) override;
};

// Gives `window` scripted dialogs, which it owns, and returns them.
ScriptedPrintDialogs *scriptPrintDialogs(orvane::Orvane &window);
