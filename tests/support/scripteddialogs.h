#pragma once

// Answers to what printing asks, given by the test instead of a user, with a record of what was
// asked and what was told.

#include "window/printdialogs.h"

#include <QStringList>

#include <functional>

namespace orvane {
class Orvane;
} // namespace orvane

class ScriptedPrintDialogs : public orvane::PrintDialogs
{
public:
    // The answers: whether to save a PDF when there is no printer, and the file to save it as
    // (empty: the save dialog is cancelled).
    bool acceptPdf = true;
    QString fileName;
    // Where printers are installed but none is the default: what to do instead, and how the print
    // dialog sets up the printer chosen (none: the dialog is cancelled).
    Instead instead = Instead::Cancel;
    std::function<bool(QPrinter &)> setUpPrinter;
    // Runs when the PDF is offered, to look at the window at that moment.
    std::function<void()> onOffer;

    // What happened.
    int offers = 0;
    int choicesOffered = 0;
    int printDialogs = 0;
    QStringList suggestedNames;
    QStringList failures;

    bool offerPdf(QWidget *parent) override;
    Instead offerChoice(QWidget *parent) override;
    bool choosePrinter(QWidget *parent, QPrinter &printer) override;
    QString pdfFileName(QWidget *parent, const QString &suggested) override;
    void showFailure(QWidget *parent, const QString &message) override;
};

// Gives `window` scripted dialogs, which it owns, and returns them.
ScriptedPrintDialogs *scriptPrintDialogs(orvane::Orvane &window);
