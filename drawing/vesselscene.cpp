#include "drawing/vesselscene.h"

#include "core/profile.h"

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

constexpr double degreesPerRadian = 57.29577951308232;
// The facets of a full turn of a turned surface; each segment gets at least one.
constexpr int facetsPerTurn = 72;
// The heights at which the inside of a profile is taken between the floor and the rim.
constexpr int insideSteps = 80;
// The samples along the outside's curved pieces, from the foot to the rim.
constexpr int curveSteps = 120;
// Where no ring stands: a neutral grey.
const QColor noWood(170, 170, 170);

ScenePoint around(double radius, double degrees, double z)
{
    const double angle = degrees / degreesPerRadian;
    return { radius * std::cos(angle), radius * std::sin(angle), z };
}

// The triangle a, b, c with its corners ordered counter-clockwise seen from `outward`'s side;
// nothing for a triangle without area.
void addTriangle(std::vector<SceneTriangle> &scene, const ScenePoint &a, const ScenePoint &b,
    const ScenePoint &c, const ScenePoint &outward, QRgb colour)
{
    const ScenePoint u { b.x - a.x, b.y - a.y, b.z - a.z };
    const ScenePoint v { c.x - a.x, c.y - a.y, c.z - a.z };
    const ScenePoint normal { u.y * v.z - u.z * v.y, u.z * v.x - u.x * v.z, u.x * v.y - u.y * v.x };
    const double facing = normal.x * outward.x + normal.y * outward.y + normal.z * outward.z;
    if (facing > 0)
        scene.push_back({ { a, b, c }, colour });
    else if (facing < 0)
        scene.push_back({ { a, c, b }, colour });
}

void addQuad(std::vector<SceneTriangle> &scene, const ScenePoint &a, const ScenePoint &b,
    const ScenePoint &c, const ScenePoint &d, const ScenePoint &outward, QColor colour)
{
    addTriangle(scene, a, b, c, outward, colour.rgb());
    addTriangle(scene, a, c, d, outward, colour.rgb());
}

// A point of a meridian: the section of a turned surface through the axis.
struct MeridianPoint
{
    double r = 0;
    double h = 0;
};

void addPrism(std::vector<SceneTriangle> &scene, const std::vector<ScenePoint> &outline,
    double bottom, double top, QColor colour)
{
    const auto at = [](ScenePoint point, double z) { return ScenePoint { point.x, point.y, z }; };
    const std::size_t n = outline.size();
    // The outline is convex: each side faces away from its middle.
    ScenePoint middle;
    for (const ScenePoint &point : outline) {
        middle.x += point.x / static_cast<double>(n);
        middle.y += point.y / static_cast<double>(n);
    }
    for (std::size_t i = 0; i < n; ++i) {
        const ScenePoint &a = outline[i];
        const ScenePoint &b = outline[(i + 1) % n];
        const ScenePoint outward { (a.x + b.x) / 2 - middle.x, (a.y + b.y) / 2 - middle.y, 0 };
        addQuad(scene, at(a, bottom), at(b, bottom), at(b, top), at(a, top), outward, colour);
    }
    for (std::size_t i = 1; i + 1 < n; ++i) {
        addTriangle(scene, at(outline[0], bottom), at(outline[i], bottom),
            at(outline[i + 1], bottom), { 0, 0, -1 }, colour.rgb());
        addTriangle(scene, at(outline[0], top), at(outline[i], top), at(outline[i + 1], top),
            { 0, 0, 1 }, colour.rgb());
    }
}

// The ring whose band holds the height h, looking a hair above it (`upward`) or below it.
const PictureRing *ringAt(const std::vector<PictureRing> &rings, double h, bool upward)
{
    for (const PictureRing &ring : rings) {
        const bool inside
            = upward ? (ring.bottom <= h && h < ring.top) : (ring.bottom < h && h <= ring.top);
        if (inside)
            return &ring;
    }
    return nullptr;
}

// The meridian of the piece as turned, counter-clockwise in the (r, h) half plane: up the
// outside, across the rim, down the inside and across the floor, back to where it began.
std::vector<MeridianPoint> profileMeridian(const VesselWall &wall)
{
    std::vector<MeridianPoint> meridian;
    const std::vector<ProfilePiece> &outside = wall.outside();
    meridian.push_back({ 0, 0 });
    meridian.push_back({ outside.front().from.r, outside.front().from.h });
    for (const ProfilePiece &piece : outside) {
        const double share = (piece.to.h - piece.from.h) / wall.rim();
        const int steps
            = piece.curved ? std::max(2, static_cast<int>(std::ceil(curveSteps * share))) : 1;
        for (int i = 1; i <= steps; ++i) {
            if (i == steps) {
                meridian.push_back({ piece.to.r, piece.to.h });
                continue;
            }
            const double h = piece.from.h + (piece.to.h - piece.from.h) * i / steps;
            meridian.push_back({ piece.radiusAt(h), h });
        }
    }
    const double floor = std::min(wall.floor(), wall.rim());
    for (int i = 0; i <= insideSteps; ++i) {
        const double h = wall.rim() - (wall.rim() - floor) * i / insideSteps;
        meridian.push_back({ std::max(0.0, wall.insideRadius(h)), h });
    }
    meridian.push_back({ 0, floor });
    return meridian;
}

// The meridian of a stack of rings each turned to its finished diameters.
std::vector<MeridianPoint> stackMeridian(const std::vector<PictureRing> &rings)
{
    std::vector<MeridianPoint> meridian;
    const auto innerOf = [](const PictureRing &ring) {
        return ring.segments > 0 ? std::max(0.0, ring.finishedInner) : 0.0;
    };
    for (const PictureRing &ring : rings) {
        meridian.push_back({ ring.finishedOuter, ring.bottom });
        meridian.push_back({ ring.finishedOuter, ring.top });
    }
    for (auto ring = rings.rbegin(); ring != rings.rend(); ++ring) {
        meridian.push_back({ innerOf(*ring), ring->top });
        meridian.push_back({ innerOf(*ring), ring->bottom });
    }
    return meridian;
}

// The piece of the meridian from `from` to `to` revolved, each facet in the wood of its segment.
void revolve(std::vector<SceneTriangle> &scene, const std::vector<PictureRing> &rings,
    MeridianPoint from, MeridianPoint to)
{
    if (from.r == 0 && to.r == 0)
        return;
    // A flat face looking down (the meridian going out) is the underside of the ring above it,
    // one looking up the top of the ring below.
    const double middle = (from.h + to.h) / 2;
    const PictureRing *ring = ringAt(rings, middle, from.h != to.h || to.r > from.r);
    const int segments = ring ? ring->segments : 0;
    const int slices = segments > 0 ? std::max(1, (facetsPerTurn + segments - 1) / segments) : 1;
    const int facets = segments > 0 ? segments * slices : facetsPerTurn;
    const double start = ring ? ring->rotation : 0;
    // The facets' edges and middles round the turn, each angle's cosine and sine taken once.
    std::vector<ScenePoint> edges;
    edges.reserve(static_cast<std::size_t>(facets) + 1);
    for (int i = 0; i <= facets; ++i)
        edges.push_back(around(1, start + 360.0 * i / facets, 0));
    const auto at = [](const ScenePoint &direction, double r, double h) {
        return ScenePoint { direction.x * r, direction.y * r, h };
    };
    for (int i = 0; i < facets; ++i) {
        const QColor colour = ring ? colourAt(*ring, start + 360.0 * (i + 0.5) / facets) : noWood;
        const ScenePoint &a = edges[static_cast<std::size_t>(i)];
        const ScenePoint &b = edges[static_cast<std::size_t>(i) + 1];
        // The meridian runs counter-clockwise round the solid's section: the solid lies on its
        // left, so its right is outward.
        const ScenePoint across { (a.x + b.x) / 2, (a.y + b.y) / 2, 0 };
        const ScenePoint outward = at(across, to.h - from.h, from.r - to.r);
        addQuad(scene, at(a, from.r, from.h), at(b, from.r, from.h), at(b, to.r, to.h),
            at(a, to.r, to.h), outward, colour);
    }
}

// The meridian cut at every band's edge, so that each piece lies within one ring.
std::vector<MeridianPoint> cutAtBands(
    const std::vector<MeridianPoint> &meridian, const std::vector<PictureRing> &rings)
{
    std::vector<double> edges;
    for (const PictureRing &ring : rings)
        edges.insert(edges.end(), { ring.bottom, ring.top });
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    std::vector<MeridianPoint> cut;
    for (std::size_t i = 0; i < meridian.size(); ++i) {
        const MeridianPoint &from = meridian[i];
        cut.push_back(from);
        if (i + 1 == meridian.size())
            break;
        const MeridianPoint &to = meridian[i + 1];
        const double low = std::min(from.h, to.h);
        const double high = std::max(from.h, to.h);
        std::vector<double> crossings;
        for (const double edge : edges) {
            if (edge > low && edge < high)
                crossings.push_back(edge);
        }
        if (to.h < from.h)
            std::reverse(crossings.begin(), crossings.end());
        for (const double h : crossings) {
            const double share = (h - from.h) / (to.h - from.h);
            cut.push_back({ from.r + (to.r - from.r) * share, h });
        }
    }
    return cut;
}

} // namespace

QColor colourAt(const PictureRing &ring, double degrees)
{
    if (ring.colours.empty())
        return noWood;
    if (ring.segments <= 0)
        return ring.colours.front();
    const double share = 360.0 / ring.segments;
    const double turned = std::fmod(std::fmod(degrees - ring.rotation, 360.0) + 360.0, 360.0);
    const auto segment = std::clamp(static_cast<int>(turned / share), 0, ring.segments - 1);
    return ring.colours[static_cast<std::size_t>(segment) % ring.colours.size()];
}

std::vector<SceneTriangle> blankScene(const std::vector<PictureRing> &rings)
{
    std::vector<SceneTriangle> scene;
    for (const PictureRing &ring : rings) {
        if (ring.segments <= 0) {
            const double half = ring.blankSide / 2;
            addPrism(scene,
                { { -half, -half, 0 }, { half, -half, 0 }, { half, half, 0 }, { -half, half, 0 } },
                ring.bottom, ring.top, colourAt(ring, 0));
            continue;
        }
        const double share = 360.0 / ring.segments;
        for (int i = 0; i < ring.segments; ++i) {
            const double a = ring.rotation + share * i;
            const double b = a + share;
            const std::vector<ScenePoint> outline { around(ring.innerCornerRadius, a, 0),
                around(ring.outerCornerRadius, a, 0), around(ring.outerCornerRadius, b, 0),
                around(ring.innerCornerRadius, b, 0) };
            addPrism(scene, outline, ring.bottom, ring.top, colourAt(ring, a + share / 2));
        }
    }
    return scene;
}

std::vector<SceneTriangle> turnedScene(
    const std::vector<PictureRing> &rings, const std::optional<VesselWall> &wall)
{
    std::vector<SceneTriangle> scene;
    if (!wall && rings.empty())
        return scene;
    const std::vector<MeridianPoint> meridian
        = cutAtBands(wall ? profileMeridian(*wall) : stackMeridian(rings), rings);
    // Two triangles a facet, and a few facets more than a turn's for the segments to fit.
    scene.reserve(meridian.size() * 2 * (facetsPerTurn + facetsPerTurn / 4));
    for (std::size_t i = 0; i < meridian.size(); ++i)
        revolve(scene, rings, meridian[i], meridian[(i + 1) % meridian.size()]);
    return scene;
}

} // namespace orvane
