#pragma once

// How the vessel window writes lengths: in the project's units, the rings' inputs as the user
// types them, their results as the calculator's captions show them.

#include "core/ringresult.h"
#include "core/vessel.h"

#include <QString>

namespace orvane {

// A ring's input: "4.25" in inches (to five places at most), "108 mm" in millimetres (to a
// hundredth at most). A cell's editor starts from this text, which reads back as the same value.
QString inputText(double inches, Units units);

// A result: its fraction with the mark in inches, "2  13/ 16+", or "71.5 mm".
QString resultText(const LengthResult &length, Units units);
// What a result's tool tip adds: its decimal, "2.81250", with the unit in a millimetre project.
QString resultDetail(const LengthResult &length, Units units);

// A size of the whole vessel: "6.25 in" or "158.8 mm".
QString sizeText(double inches, Units units);

} // namespace orvane
