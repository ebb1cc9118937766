#pragma once

// A value typed into a cell of the ring table: read as the command line reads it, then the ring
// checked as a whole, so that the table never takes a value the ring reader or the ring's rules
// refuse.

#include "core/ringdesign.h"
#include "core/vessel.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace orvane {

// The ring with the value taken, or why the value is refused.
struct RingEdit
{
    RingDesign ring;
    std::string problem; // empty when the value is taken
};

// `text` typed into `field` of `ring`, the ring at `place` from the bottom, from 0. Counts and
// lengths are read as on the command line ("10 1/2", "254mm"), except that in a project kept in
// millimetres a plain number is millimetres, as the table shows it. The name is taken as typed,
// blanks around it left out; an empty name is the ring's default name. The wood is read as
// everywhere (readWoodField): "Maple + Walnut" is a pattern, no longer than the ring's count.
RingEdit editRing(
    const RingDesign &ring, std::size_t place, RingField field, std::string_view text, Units units);

} // namespace orvane
