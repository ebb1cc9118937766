// Opening a vessel's project file, as the vessel window and `--project` do: the file read from
// disk, its JSON read into a vessel with every ring checked, and every ring's result computed.
//
// The vessel has 1,000 rings, every count from 4 to 36 and diameters from 6 to 56 inches, a third
// of them with a wood, named as the window names new rings; it is written once, before timing,
// in inches and in millimetres.

#include "core/projectfile.h"
#include "core/vesselresults.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

orvane::Vessel thousandRings(orvane::Units units)
{
    orvane::Vessel vessel;
    vessel.name = "Thousand rings";
    vessel.units = units;
    for (int i = 0; i < 1000; ++i) {
        orvane::RingDesign ring = orvane::defaultRing();
        ring.name = orvane::defaultRingName(std::size_t(i) + 1);
        const double outer = 6 + (i * 37 % 500) / 10.0;
        ring.inputs = { double(4 + i % 33), outer, outer * 0.75, 0.25 };
        ring.thickness = 0.5 + (i % 4) * 0.125;
        ring.kerf = vessel.kerf;
        if (i % 3 == 0)
            ring.wood = i % 2 ? "Walnut" : "Maple";
        vessel.rings.push_back(ring);
    }
    return vessel;
}

std::string readFile(const std::filesystem::path &path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

void openVessel(benchmark::State &state, orvane::Units units)
{
    const std::filesystem::path path = std::filesystem::temp_directory_path()
        / ("bench-vessel-" + std::to_string(int(units)) + ".orvane");
    std::ofstream(path, std::ios::binary) << orvane::writeProjectFile(thousandRings(units));
    const std::string fileName = path.string();
    for (auto _ : state) {
        const orvane::ProjectFileReading reading
            = orvane::readProjectFile(readFile(path), fileName);
        if (!reading.vessel || reading.vessel->rings.size() != 1000) {
            state.SkipWithError("the vessel was not read back");
            break;
        }
        const orvane::VesselResults results = orvane::computeVessel(*reading.vessel);
        benchmark::DoNotOptimize(results.boardFeet);
    }
    state.counters["bytes"] = double(std::filesystem::file_size(path));
    std::filesystem::remove(path);
}

void thousandRingsInInches(benchmark::State &state)
{
    openVessel(state, orvane::Units::inches);
}

void thousandRingsInMillimetres(benchmark::State &state)
{
    openVessel(state, orvane::Units::millimetres);
}

} // namespace

BENCHMARK(thousandRingsInInches)->Unit(benchmark::kMillisecond);
BENCHMARK(thousandRingsInMillimetres)->Unit(benchmark::kMillisecond);
