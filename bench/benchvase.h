#pragma once

// The vessel the profile benchmarks work on: a vase 12 inches high, a belly, a neck and a flaring
// lip through 30 smooth points and two corners, with 40 rings of 12 segments.

#include "core/vessel.h"

#include <cmath>

inline orvane::Vessel benchmarkVase()
{
    orvane::Vessel vessel;
    vessel.name = "Vase";
    for (int i = 0; i < 30; ++i) {
        const double h = 12.0 * i / 29;
        const double r = 3 + 2.5 * std::sin(h / 12 * 4.5) + 0.4 * std::cos(h * 1.7);
        vessel.profile.push_back({ r, h, i == 10 || i == 20 });
    }
    vessel.wall = 0.3;
    orvane::RingDesign ring = orvane::ringOf({ 12, 0, 0, 0.25 }, 0.3);
    for (int i = 0; i < 40; ++i) {
        ring.name = orvane::defaultRingName(static_cast<std::size_t>(i) + 1);
        vessel.rings.push_back(ring);
    }
    return vessel;
}
