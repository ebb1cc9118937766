#pragma once

// The 3D scenes of a vessel's results: its rings' segments in their woods' colours and turned to
// their joints, as the glued-up blank or as turned.

#include "core/vessel.h"
#include "core/vesselresults.h"
#include "drawing/vesselscene.h"

#include <vector>

namespace orvane {

// What the picture draws of each ring that has numbers to draw, the bottom ring first. Colours
// come from `woods` first (the project's, then the user's own), then the common woods.
std::vector<PictureRing> pictureRings(const VesselResults &results, const std::vector<Wood> &woods);

std::vector<SceneTriangle> blankSceneOf(
    const VesselResults &results, const std::vector<Wood> &woods);
// The profile revolved when the vessel has one to use, else each ring turned to its diameters.
std::vector<SceneTriangle> turnedSceneOf(
    const Vessel &vessel, const VesselResults &results, const std::vector<Wood> &woods);

} // namespace orvane
