#pragma once

// The core's numbers and texts as the drawings and the Qt side take them.

#include <QString>

#include <string>

namespace orvane {

// A coordinate as the surfaces take it: in single precision.
inline float single(double value)
{
    return static_cast<float>(value);
}

// A text of the core (UTF-8) as Qt shows it.
inline QString shown(const std::string &text)
{
    return QString::fromStdString(text);
}

} // namespace orvane
