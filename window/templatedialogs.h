#pragma once

// What the full-size template dialog asks the user through the system's dialogs and tells them.

#include "window/pagedialogs.h"

#include <memory>

namespace orvane {

// The dialogs of the running program for the template: the system print dialog, the standard
// save dialog and a warning.
std::unique_ptr<PageDialogs> standardTemplateDialogs();

} // namespace orvane
