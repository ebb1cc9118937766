#pragma once

// The vessel in 3D: a scene of triangles drawn with depth, flat-shaded by a light over the
// viewer's shoulder, from an angle the user turns. Drawn into an image, so that the window, the
// offscreen platform and the printed page show the same picture.

#include "drawing/vesselscene.h"

#include <QColor>
#include <QImage>
#include <QSize>

#include <vector>

namespace orvane {

// Where the piece is seen from, in degrees: turned about its axis, and tilted above the level
// of its foot (negative from below).
struct PictureAngle
{
    double turn = -30;
    double tilt = 25;

    bool operator==(const PictureAngle &) const = default;
};
// The tilt stops short of straight above or below, where turning would no longer show.
inline constexpr double steepestTilt = 89;

// `scene` drawn at `angle` into an image of `size` device pixels on `background`. The scale is
// the same at every angle: the sphere around the scene fills the image's shorter side.
QImage renderScene(
    const std::vector<SceneTriangle> &scene, PictureAngle angle, QSize size, QColor background);

} // namespace orvane
