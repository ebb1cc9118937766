#pragma once

// A vessel: the rings of one piece, from its foot up, with the project's name, units and kerf.

#include "core/cutlist.h"
#include "core/ringspec.h"

#include <string>
#include <vector>

namespace orvane {

// The unit a project shows and writes its lengths in; the values themselves are always inches.
enum class Units
{
    inches,
    millimetres
};

struct Vessel
{
    std::string name;
    Units units = Units::inches;
    double kerf = defaultKerf; // inches; the kerf a ring takes unless it has its own
    std::vector<RingSpec> rings; // the bottom ring first
};

// The name a ring has when none is given: "Ring N", N its place from the bottom, from 1.
std::string defaultRingName(std::size_t place);

} // namespace orvane
