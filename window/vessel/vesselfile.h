#pragma once

// A vessel's files: a project file read, or the rings of a project CSV taken in, both with every
// problem named; and the rings written back as a CSV the command line reads.

#include "core/vessel.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <string>

namespace orvane {

struct VesselFileReading
{
    std::optional<Vessel> vessel; // none when the file is refused
    bool projectFile = false; // a project file, saved back to itself; else rings taken from a CSV
    QStringList problems; // each naming the file
};

// The vessel of the file `fileName`: a project file by its extension or its content, else a
// project CSV, named after the file and kept in `units` with the kerf `kerf`.
VesselFileReading readVesselFile(const QString &fileName, Units units, double kerf);

// Whether `fileName` names a project file rather than another kind of file, by its extension.
bool hasProjectExtension(const QString &fileName);

// The rings as a project CSV, one ring a row under the header "name,segments,outer,inner,fudge,
// thickness,kerf,wood", the lengths in the vessel's units ("150mm" in millimetres).
std::string vesselCsv(const Vessel &vessel);

} // namespace orvane
