#pragma once

// What assistive technology hears of the window: every input box, spinner and result field is
// named after its caption label (and the column it sits in), the spinners tell their value as the
// user sees it, result fields tell their result, and the drawings say what they show.

class QWidget;

namespace orvane::accessibility {

// Lets spinners and result fields answer for themselves. Call once, before the window is built.
void install();

// Names the controls of `window` after their captions; call once its controls exist.
void nameControls(QWidget *window);

} // namespace orvane::accessibility
