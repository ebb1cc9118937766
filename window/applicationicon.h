#pragma once

// Orvane's icon on every window of the program: the calculator, its dialogs and message boxes.

namespace orvane {

// Gives the application Orvane's icon at every size the program carries, which every window shows
// unless it has one of its own. Call once the QApplication is made.
void setApplicationIcon();

} // namespace orvane
