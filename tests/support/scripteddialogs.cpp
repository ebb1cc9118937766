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

ScriptedPrintDialogs *scriptPrintDialogs(orvane::Orvane &window)
{
    auto dialogs = std::make_unique<ScriptedPrintDialogs>();
    ScriptedPrintDialogs *scripted = dialogs.get();
    window.setPrintDialogs(std::move(dialogs));
    return scripted;
}
