#pragma once

// The window's form-level values: created empty with the window and rewritten by every
// recalculation. The three lengths, `centralangle` and `pi` are what the rest of the program
// reads; everything else is working storage of the procedure that writes it.

#include <array>
#include <cstdint>
#include <string>

namespace orvane {

// Entries 1 to n of the per-boundary tables are used; entry 0 never is. The tables limit the
// segment count to 30.
inline constexpr int boundaryTableSize = 31;
using BoundaryTable = std::array<double, boundaryTableSize>;

// Working storage of the sixteenth-inch conversion of one length.
struct FractionWork
{
    double fracpart = 0;
    double sixteenths = 0;
    double numerator = 0;
    double remainder = 0;
    int divisor = 0;
    int carry = 0;
    std::string fractext;
};

// The six points of the segment detail view, in that view's units.
struct DetailPoints
{
    double detail1x = 0, detail1y = 0;
    double detail2x = 0, detail2y = 0;
    double detail3x = 0, detail3y = 0;
    double detail4x = 0, detail4y = 0;
    double detail5x = 0, detail5y = 0;
    double detail6x = 0, detail6y = 0;
};

struct FormState : FractionWork, DetailPoints
{
    double pi = 0; // 3.141593 once a recalculation has run; every angle of the program uses it

    // Plan view: ring centre and the boundary lines.
    float centerx = 0;
    float centery = 0;
    double segangle = 0; // degrees
    BoundaryTable refangle {};
    std::array<std::int16_t, boundaryTableSize> quadrant {};
    BoundaryTable spokex {};
    BoundaryTable spokey {};

    // Segment geometry, in inches and radians.
    double centralangle = 0;
    double halfangle = 0;
    double drawangle = 0;
    double innerdist = 0;
    double boardwidthlen = 0;
    double shortsidelen = 0;
    double halfdiff = 0;
    double longsidelen = 0;
    double outerdist = 0;
    double cornerrise = 0;
    double outerrad = 0;
    double innerrad = 0;

    // Plan view: the first segment and the corners of the ring.
    double longdx = 0, longdy = 0, shortdx = 0, shortdy = 0;
    double outer0x = 0, outer0y = 0, outer1x = 0, outer1y = 0, inner1x = 0, inner1y = 0;
    BoundaryTable outerx {};
    BoundaryTable outery {};
    BoundaryTable innerx {};
    BoundaryTable innery {};
};

} // namespace orvane
