#include "window/vessel/vesseltexts.h"

#include "core/cutlist.h"
#include "core/reading.h"
#include "drawing/conversions.h"

#include <cmath>

namespace orvane {

namespace {

QString rounded(double value, double places)
{
    const double scale = std::pow(10.0, places);
    return shown(shortestDecimal(std::round(value * scale) / scale));
}

} // namespace

QString inputText(double inches, Units units)
{
    if (units == Units::millimetres)
        return rounded(inches * millimetresPerInch, 2) + QStringLiteral(" mm");
    return shown(inputInchesText(inches));
}

QString resultText(const LengthResult &length, Units units)
{
    if (units == Units::millimetres)
        return shown(length.millimetres) + QStringLiteral(" mm");
    return shown(length.fraction).trimmed();
}

QString resultDetail(const LengthResult &length, Units units)
{
    if (units == Units::millimetres)
        return shown(length.fraction).trimmed() + QStringLiteral(" in, ") + shown(length.decimal)
            + QStringLiteral(" in");
    return shown(length.decimal);
}

QString sizeText(double inches, Units units)
{
    if (units == Units::millimetres)
        return rounded(inches * millimetresPerInch, 1) + QStringLiteral(" mm");
    return rounded(inches, 5) + QStringLiteral(" in");
}

} // namespace orvane
