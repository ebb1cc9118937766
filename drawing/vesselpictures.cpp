#include "drawing/vesselpictures.h"

#include "core/woods.h"

#include <cmath>

namespace orvane {

namespace {

QColor colourOf(const std::string &wood, const std::vector<Wood> &woods)
{
    const std::optional<Rgb> rgb = colourValue(woodColour(wood, woods));
    return rgb ? QColor(rgb->red, rgb->green, rgb->blue) : QColor(Qt::lightGray);
}

} // namespace

std::vector<PictureRing> pictureRings(const VesselResults &results, const std::vector<Wood> &woods)
{
    std::vector<PictureRing> rings;
    for (const RingResult &result : results.rings) {
        const RingDesign &design = result.design;
        PictureRing ring;
        ring.bottom = result.bottom;
        ring.top = result.top;
        ring.rotation = result.rotation;
        ring.finishedOuter = design.inputs.outerDiameter / 2;
        ring.finishedInner = design.inputs.innerDiameter / 2;
        if (result.kind == RingKind::disc) {
            if (!result.blankSide)
                continue;
            ring.blankSide = result.blankSide->inches;
            ring.colours.push_back(colourOf(segmentWood(design, 0), woods));
        } else {
            if (!result.geometry || !result.sound())
                continue;
            ring.segments = static_cast<int>(std::lround(result.geometry->segmentCount));
            ring.innerCornerRadius = std::max(0.0, result.geometry->innerRadius);
            ring.outerCornerRadius = result.geometry->cornerRadius;
            for (int i = 0; i < ring.segments; ++i)
                ring.colours.push_back(
                    colourOf(segmentWood(design, static_cast<std::size_t>(i)), woods));
        }
        const bool drawable = std::isfinite(ring.bottom) && std::isfinite(ring.top)
            && ring.top > ring.bottom && std::isfinite(ring.outerCornerRadius)
            && std::isfinite(ring.blankSide) && std::isfinite(ring.finishedOuter);
        if (drawable)
            rings.push_back(std::move(ring));
    }
    return rings;
}

std::vector<SceneTriangle> blankSceneOf(
    const VesselResults &results, const std::vector<Wood> &woods)
{
    return blankScene(pictureRings(results, woods));
}

std::vector<SceneTriangle> turnedSceneOf(
    const Vessel &vessel, const VesselResults &results, const std::vector<Wood> &woods)
{
    std::optional<VesselWall> wall;
    if (!vessel.profile.empty() && results.profileProblems.empty())
        wall.emplace(vessel.profile, vessel.wall, vessel.floorHeight());
    return turnedScene(pictureRings(results, woods), wall);
}

} // namespace orvane
