#pragma once

// Answers to what the full-size template dialog asks, given by the test instead of a user, with
// a record of what was asked and what was told.

#include "tests/support/scripteddialogs.h"

namespace orvane {
class TemplateDialog;
}

using ScriptedTemplateDialogs = ScriptedPageDialogs<orvane::PageDialogs>;

// Gives `dialog` scripted dialogs, which it owns, and returns them.
ScriptedTemplateDialogs *scriptTemplateDialogs(orvane::TemplateDialog &dialog);
