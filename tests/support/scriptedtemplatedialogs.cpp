#include "tests/support/scriptedtemplatedialogs.h"

#include "window/templatedialog.h"

#include <memory>

ScriptedTemplateDialogs *scriptTemplateDialogs(orvane::TemplateDialog &dialog)
{
    auto dialogs = std::make_unique<ScriptedTemplateDialogs>();
    ScriptedTemplateDialogs *scripted = dialogs.get();
    dialog.setDialogs(std::move(dialogs));
    return scripted;
}
