#pragma once

// The one reader of a ring's fields, for the command line's options, the rows of a project CSV,
// the project file and the vessel's table: the same rules, limits and messages everywhere.

#include "core/length.h"
#include "core/ringdesign.h"

#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// One value read: the value, or why it is not allowed (the value quoted, then what is allowed).
struct FieldReading
{
    double value = 0;
    std::string problem;
};

// A count or a length read from its text, as typed on the command line or in a cell.
FieldReading readRingField(
    RingField field, std::string_view text, DecimalMark mark = DecimalMark::point);
// A count or a length given as a number (a length in inches), written as `written` in messages.
FieldReading checkRingField(RingField field, double value, std::string_view written);

// A ring's woods read from their text: one name for a ring of one wood, or names joined by '+'
// for a pattern around it ("Maple + Walnut"), each name without the blanks around it; or why the
// text is not allowed (a name left empty). A blank text names no wood.
struct WoodReading
{
    std::string wood;
    std::vector<std::string> pattern;
    std::string problem;
};
WoodReading readWoodField(std::string_view text);

// Reads a ring's fields one by one onto a start ring, then checks the ring as a whole.
class RingReader
{
public:
    explicit RingReader(RingDesign start = defaultRing());

    // A value as text: the name as it is, the wood as readWoodField reads it, counts and lengths
    // read as lengths are.
    void text(RingField field, std::string_view value, DecimalMark mark = DecimalMark::point);
    // A count, or a length in inches, given as a number; `written` is how the source wrote it.
    void number(RingField field, double value, std::string_view written);
    // A required field that is not given.
    void missing(RingField field);
    // A value its source refuses before it could be read (text where a file has a number), `why`
    // saying what is given and what is allowed.
    void refuse(RingField field, std::string why);

    // The ring, or every problem of it: first those of single values; when there are none, those
    // of the ring as a whole (an inner diameter not below the outer, a short side below zero...).
    struct Reading
    {
        RingDesign ring;
        std::vector<RingProblem> problems;
    };
    Reading finish() const;

private:
    void take(RingField field, const FieldReading &reading);
    void takeWoods(WoodReading reading);

    RingDesign ring;
    std::vector<RingProblem> problems;
};

} // namespace orvane
