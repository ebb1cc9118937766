#pragma once

// What the window must show: the ranges of its spinners, and the captions of a ring worked out
// here from the closed forms of the segment and the caption formats, without the program's own
// calculation: short side 2 Ri sin(t/2), long side 2 Ro tan(t/2), board width Ro - Ri cos(t/2),
// with Ro = D/2 + f, Ri = d/2 - f and t = 360/n degrees taken with pi = 3.141593; board feet
// n (S + L)/2 W T / 144.

#include <QMap>
#include <QString>

#include <array>
#include <optional>

namespace expected {

// A spinner: the box it writes, the values at its two ends and at start, and how far a click in
// its track moves it.
struct SpinnerRange
{
    const char *name;
    const char *box;
    int bottom;
    int top;
    int start;
    int trackStep;
};

// The five spinners, in the order of their boxes on the window.
inline constexpr std::array<SpinnerRange, 5> spinners { {
    { "VScroll1", "numsegs", 4, 24, 6, 1 },
    { "VScroll2", "outerdiam", 16, 288, 144, 5 },
    { "VScroll3", "innerdiam", 12, 284, 120, 5 },
    { "VScroll4", "fudge", 0, 16, 1, 1 },
    { "VScroll5", "boardthick", 1, 32, 3, 1 },
} };

// The range of the named spinner.
SpinnerRange spinner(const QString &name);

struct Ring
{
    int segmentCount = 6;
    double outerDiameter = 36;
    double innerDiameter = 30;
    double fudge = 0.25;
    // Nothing for a thickness that gives no estimate.
    std::optional<double> thickness = 0.75;
};

double shortSide(const Ring &ring);
double longSide(const Ring &ring);
double boardWidth(const Ring &ring);
double boardFeet(const Ring &ring);

// The nine result captions, keyed by field name.
QMap<QString, QString> captions(const Ring &ring);
// The captions of the ring the input boxes describe, keyed by box name.
QMap<QString, QString> captionsFor(const QMap<QString, QString> &boxes);

// The first caption that shows a number that is not one ("nan", "inf"), as "field: caption";
// empty when none does.
QString nonsense(const QMap<QString, QString> &captions);

// Caption formats, written independently of the program's format pictures.
QString angle(double degrees); // "30.0°", "25.71429°", ".5°"
QString fiveDecimals(double value); // "14.75000", ".30000"
QString fourDecimals(double value); // ".2109", "3.", "3.0652"
QString sixteenths(double value); // " 14  3/ 4+", " 5  1/ 16-", " 6 -"

// The ring the input boxes describe, read as plain numbers: {"6", "36", "30", ".25", "0.75"}.
Ring fromInputs(const QMap<QString, QString> &boxes);

// A spinner value in quarter inches as its box shows it: 121 gives "30.25", 144 gives "36".
QString quarters(int value);
// What the named spinner writes into its box at `value`: the count itself, or quarter inches.
QString boxText(const QString &spinner, int value);

} // namespace expected
