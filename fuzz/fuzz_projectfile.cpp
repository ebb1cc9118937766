// The project file reader on any bytes at all. It gives a vessel exactly when it finds no problem;
// a vessel it gives, written and read again, is the same vessel, and is written the same again.

#include "core/projectfile.h"
#include "fuzz/check.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace {

bool sameRing(const orvane::RingDesign &a, const orvane::RingDesign &b)
{
    return a.name == b.name && a.inputs.segmentCount == b.inputs.segmentCount
        && a.inputs.outerDiameter == b.inputs.outerDiameter
        && a.inputs.innerDiameter == b.inputs.innerDiameter && a.inputs.fudge == b.inputs.fudge
        && a.thickness == b.thickness && a.kerf == b.kerf && a.wood == b.wood
        && a.pattern == b.pattern && a.rotation == b.rotation;
}

bool sameVessel(const orvane::Vessel &a, const orvane::Vessel &b)
{
    if (a.name != b.name || a.units != b.units || a.kerf != b.kerf
        || orvane::listedWoods(a) != orvane::listedWoods(b) || a.rings.size() != b.rings.size())
        return false;
    for (std::size_t i = 0; i < a.rings.size(); ++i) {
        if (!sameRing(a.rings[i], b.rings[i]))
            return false;
    }
    return true;
}

std::string joined(const std::vector<std::string> &lines)
{
    std::string text;
    for (const std::string &line : lines)
        text += line + '\n';
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(bytes), size);
    const orvane::ProjectFileReading reading = orvane::readProjectFile(text, "fuzz.orvane");
    fuzz::check(reading.vessel.has_value() == reading.problems.empty(),
        "a vessel exactly when there is no problem");
    for (const std::string &problem : reading.problems)
        fuzz::check(problem.starts_with("fuzz.orvane:"), "a message names the file", problem);
    if (!reading.vessel)
        return 0;

    const std::string written = orvane::writeProjectFile(*reading.vessel);
    fuzz::check(orvane::looksLikeProjectFile(written), "a written file is recognised", written);
    const orvane::ProjectFileReading again = orvane::readProjectFile(written, "fuzz.orvane");
    fuzz::check(
        again.vessel.has_value(), "a written file reads back", written + joined(again.problems));
    fuzz::check(sameVessel(*reading.vessel, *again.vessel), "the same vessel reads back", written);
    fuzz::check(
        orvane::writeProjectFile(*again.vessel) == written, "written the same again", written);
    return 0;
}
