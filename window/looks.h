#pragma once

// The looks that recur on the window: fonts, caption labels, result fields and input boxes.

#include <QColor>
#include <QFont>

class QLabel;
class QLineEdit;
class QWidget;

namespace orvane::looks {

inline const QColor windowBlue { 0, 0, 128 };
inline const QColor captionYellow { 255, 255, 128 };
inline const QColor pictureTeal { 0, 128, 128 };
// Disabled text keeps this colour instead of the faint system grey, so that it stays legible.
inline const QColor greyedText { 96, 96, 96 };

// The window's default font, 12 point, and the small 8.25 point one of labels and buttons.
QFont windowFont();
QFont smallFont();

// Light yellow text in the small font on the colour of an active title bar.
void makeCaptionLabel(QLabel *label);
// A disabled single-line box that only its spinner writes, its text greyed but legible.
void makeInputBox(QLineEdit *box);
// A drawing area: teal, with the button-text colour for figures and labels.
void makePicture(QWidget *picture);

} // namespace orvane::looks
