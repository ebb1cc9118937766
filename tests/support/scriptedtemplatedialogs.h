#pragma once

// Answers to what the full-size template dialog asks, given by the test instead of a user, with
// a record of what was asked and what was told.

#include "window/templatedialogs.h"

#include <QStringList>

#include <functional>

namespace orvane {
class TemplateDialog;
}

class ScriptedTemplateDialogs : public orvane::TemplateDialogs
{
public:
    // The answers: what the print dialog does with the printer (sends it to a PDF file, say),
    // false for Cancel; the file to save the PDF as, empty for Cancel.
    std::function<bool(QPrinter &)> onPrint;
    QString fileName;

    // What happened.
    int printDialogs = 0;
    QStringList suggestedNames;
    QStringList failures;

    bool choosePrinter(QWidget *parent, QPrinter &printer) override;
    QString pdfFileName(QWidget *parent, const QString &suggested) override;
    void showFailure(QWidget *parent, const QString &message) override;
};

// Gives `dialog` scripted dialogs, which it owns, and returns them.
ScriptedTemplateDialogs *scriptTemplateDialogs(orvane::TemplateDialog &dialog);
