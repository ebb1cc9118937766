#include "tests/support/scripteddialogs.h"

bool ScriptedPrintDialogs::offerPdf(QWidget *)
{
    ++offers;
    if (onOffer)
        onOffer();
    return acceptPdf;
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
