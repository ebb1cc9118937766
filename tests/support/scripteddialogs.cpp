#include "tests/support/scripteddialogs.h"

#include "window/orvane.h"

#include <memory>

bool ScriptedPrintDialogs::offerPdf(QWidget *)
{
    ++offers;
    if (onOffer)
        onOffer();
    return acceptPdf;
}

ScriptedPrintDialogs::Instead ScriptedPrintDialogs::offerChoice(QWidget *)
{
    ++choicesOffered;
    return instead;
}

bool ScriptedPrintDialogs::choosePrinter(QWidget *, QPrinter &printer)
{
    ++printDialogs;
    return setUpPrinter && setUpPrinter(printer);
}

QString ScriptedPrintDialogs::pdfFileName(QWidget *, const QString &suggested)
{
    suggestedNames.append(suggested);
    return fileName;
}

void ScriptedPrintDialogs::showFailure(QWidget *, const QString &message)
{
    failures.append(message);
}

ScriptedPrintDialogs *scriptPrintDialogs(orvane::Orvane &window)
{
    auto dialogs = std::make_unique<ScriptedPrintDialogs>();
    ScriptedPrintDialogs *scripted = dialogs.get();
    window.setPrintDialogs(std::move(dialogs));
    return scripted;
}
