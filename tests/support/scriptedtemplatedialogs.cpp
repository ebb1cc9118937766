#include "tests/support/scriptedtemplatedialogs.h"

#include "window/templatedialog.h"

#include <memory>

bool ScriptedTemplateDialogs::choosePrinter(QWidget *, QPrinter &printer)
{
    ++printDialogs;
    return onPrint ? onPrint(printer) : false;
}

QString ScriptedTemplateDialogs::pdfFileName(QWidget *, const QString &suggested)
{
    suggestedNames.append(suggested);
    return fileName;
}

void ScriptedTemplateDialogs::showFailure(QWidget *, const QString &message)
{
    failures.append(message);
}

ScriptedTemplateDialogs *scriptTemplateDialogs(orvane::TemplateDialog &dialog)
{
    auto dialogs = std::make_unique<ScriptedTemplateDialogs>();
    ScriptedTemplateDialogs *scripted = dialogs.get();
    dialog.setDialogs(std::move(dialogs));
    return scripted;
}
