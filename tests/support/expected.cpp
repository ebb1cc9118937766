#include "tests/support/expected.h"

#include <cmath>
#include <cstdlib>
#include <numeric>

namespace expected {

namespace {

constexpr double programPi = 3.141593;

double halfAngle(const Ring &ring)
{
    return programPi / ring.segmentCount;
}
double outerRadius(const Ring &ring)
{
    return ring.outerDiameter / 2 + ring.fudge;
}
double innerRadius(const Ring &ring)
{
    return ring.innerDiameter / 2 - ring.fudge;
}

// "0.5" becomes ".5" and "-0.5" becomes "-.5": no digit stands before the point when the whole
// part is zero.
QString dropLeadingZero(QString text)
{
    if (text.startsWith(QLatin1String("0.")))
        text.remove(0, 1);
    else if (text.startsWith(QLatin1String("-0.")))
        text.remove(1, 1);
    return text;
}

QString dropTrailingZeros(QString text, int keep)
{
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    while (text.size() - point - 1 > keep && text.endsWith(QLatin1Char('0')))
        text.chop(1);
    return text;
}

// A whole number as the fraction texts write it: a blank or a minus, then the digits.
QString signedWhole(long long value)
{
    return (value < 0 ? QStringLiteral("-") : QStringLiteral(" "))
        + QString::number(std::llabs(value));
}

} // namespace

SpinnerRange spinner(const QString &name)
{
    for (const SpinnerRange &range : spinners) {
        if (name == QLatin1String(range.name))
            return range;
    }
    return {};
}

double shortSide(const Ring &ring)
{
    return 2 * innerRadius(ring) * std::sin(halfAngle(ring));
}
double longSide(const Ring &ring)
{
    return 2 * outerRadius(ring) * std::tan(halfAngle(ring));
}
double boardWidth(const Ring &ring)
{
    return outerRadius(ring) - innerRadius(ring) * std::cos(halfAngle(ring));
}

double boardFeet(const Ring &ring)
{
    const double face = (shortSide(ring) + longSide(ring)) / 2 * boardWidth(ring);
    return ring.segmentCount * face * ring.thickness.value_or(NAN) / 144;
}

QMap<QString, QString> captions(const Ring &ring)
{
    // The angle under "Long Side" is 90 - 180/n, the one under "Short Side" 180/n.
    const double half = 180.0 / ring.segmentCount;
    return {
        { QStringLiteral("longside"), sixteenths(longSide(ring)) },
        { QStringLiteral("longsidedec"), fiveDecimals(longSide(ring)) },
        { QStringLiteral("shortside"), sixteenths(shortSide(ring)) },
        { QStringLiteral("shortsidedec"), fiveDecimals(shortSide(ring)) },
        { QStringLiteral("bwidth"), sixteenths(boardWidth(ring)) },
        { QStringLiteral("boardwidthdec"), fiveDecimals(boardWidth(ring)) },
        { QStringLiteral("shortangle"), angle(std::fabs(90 - half)) },
        { QStringLiteral("longangle"), angle(90 - std::fabs(90 - half)) },
        { QStringLiteral("boardfeet"), ring.thickness ? fourDecimals(boardFeet(ring)) : QString() },
    };
}

QMap<QString, QString> captionsFor(const QMap<QString, QString> &boxes)
{
    return captions(fromInputs(boxes));
}

QString nonsense(const QMap<QString, QString> &captions)
{
    for (auto it = captions.cbegin(); it != captions.cend(); ++it) {
        const QString lower = it.value().toLower();
        if (lower.contains(QLatin1String("nan")) || lower.contains(QLatin1String("inf")))
            return it.key() + QStringLiteral(": ") + it.value();
    }
    return {};
}

QString angle(double degrees)
{
    return dropLeadingZero(dropTrailingZeros(QString::number(degrees, 'f', 5), 1))
        + QStringLiteral("°");
}

QString fiveDecimals(double value)
{
    if (!std::isfinite(value))
        return {};
    return dropLeadingZero(QString::number(value, 'f', 5));
}

QString fourDecimals(double value)
{
    if (!std::isfinite(value))
        return {};
    return dropLeadingZero(dropTrailingZeros(QString::number(value, 'f', 4), 0));
}

QString sixteenths(double value)
{
    if (!std::isfinite(value))
        return {};
    // The nearest whole number of sixteenths; half a sixteenth goes up.
    const double exact = value * 16;
    const double rounded = std::floor(exact + 0.5);
    const auto nearest = static_cast<long long>(rounded);
    const QString mark = rounded > exact ? QStringLiteral("-")
        : rounded < exact                ? QStringLiteral("+")
                                         : QString();
    const long long whole = nearest >= 0 ? nearest / 16 : -((-nearest + 15) / 16);
    long long numerator = nearest - whole * 16;
    long long denominator = 16;
    if (numerator == 0 && whole > static_cast<long long>(std::floor(value)))
        return signedWhole(whole) + QStringLiteral(" ") + mark; // rounded up to a whole inch
    if (numerator == 0) {
        denominator = 2; // a whole number of inches shows as 0/2
    } else {
        const long long common = std::gcd(numerator, denominator);
        numerator /= common;
        denominator /= common;
    }
    return signedWhole(whole) + QStringLiteral(" ") + signedWhole(numerator) + QStringLiteral("/")
        + signedWhole(denominator) + mark;
}

Ring fromInputs(const QMap<QString, QString> &boxes)
{
    // Numbers too large for a double read as infinities.
    const auto number = [&boxes](const char *box) {
        return std::strtod(boxes.value(QLatin1String(box)).toLatin1().constData(), nullptr);
    };
    Ring ring;
    ring.segmentCount = boxes.value(QStringLiteral("numsegs")).toInt();
    ring.outerDiameter = number("outerdiam");
    ring.innerDiameter = number("innerdiam");
    ring.fudge = number("fudge");
    bool isNumber = false;
    const double thickness = boxes.value(QStringLiteral("boardthick")).toDouble(&isNumber);
    ring.thickness = isNumber && thickness >= 0 ? std::optional(thickness) : std::nullopt;
    return ring;
}

QString quarters(int value)
{
    static const char *const parts[] = { "", ".25", ".5", ".75" };
    return QString::number(value / 4) + QLatin1String(parts[value % 4]);
}

QString boxText(const QString &spinner, int value)
{
    return spinner == QLatin1String("VScroll1") ? QString::number(value) : quarters(value);
}

} // namespace expected
