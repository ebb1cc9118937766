#include "drawing/vesselpicture.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace orvane {

namespace {

constexpr double radiansPerDegree = 0.017453292519943295;

struct Vector
{
    double x = 0;
    double y = 0;
    double z = 0;
};

Vector minus(const ScenePoint &a, const ScenePoint &b)
{
    return { a.x - b.x, a.y - b.y, a.z - b.z };
}

Vector cross(const Vector &a, const Vector &b)
{
    return { a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x };
}

double dot(const Vector &a, const Vector &b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

// The view: screen x to the right, screen y up, depth toward the viewer.
class Camera
{
public:
    explicit Camera(PictureAngle angle)
        : turnCos(std::cos(angle.turn * radiansPerDegree))
        , turnSin(std::sin(angle.turn * radiansPerDegree))
        , tiltCos(std::cos(std::clamp(angle.tilt, -steepestTilt, steepestTilt) * radiansPerDegree))
        , tiltSin(std::sin(std::clamp(angle.tilt, -steepestTilt, steepestTilt) * radiansPerDegree))
    { }

    Vector view(double x, double y, double z) const
    {
        const double across = x * turnCos + y * turnSin;
        const double away = -x * turnSin + y * turnCos;
        return { across, z * tiltCos + away * tiltSin, z * tiltSin - away * tiltCos };
    }

private:
    double turnCos, turnSin, tiltCos, tiltSin;
};

// The light, in view coordinates: from the upper left, over the viewer's shoulder.
Vector lightDirection()
{
    const Vector light { -0.45, 0.6, 0.66 };
    const double length = std::sqrt(dot(light, light));
    return { light.x / length, light.y / length, light.z / length };
}

QRgb shaded(QRgb colour, double brightness)
{
    const auto channel = [brightness](int value) {
        return std::clamp(static_cast<int>(std::lround(value * brightness)), 0, 255);
    };
    return qRgb(channel(qRed(colour)), channel(qGreen(colour)), channel(qBlue(colour)));
}

// Fills the triangle `corners` (x and y in pixels, z the depth toward the viewer) with `colour`
// where it is nearer than what `depth` holds: every pixel whose centre lies within it, row by row
// over the span its three edges leave.
void fillTriangle(
    const std::array<Vector, 3> &corners, QRgb colour, QImage &image, std::vector<float> &depth)
{
    const Vector &a = corners[0];
    const Vector &b = corners[1];
    const Vector &c = corners[2];
    const double area = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
    if (!(std::abs(area) > 1e-12))
        return;
    // Each corner's share at (x, y) is linear: share = dx * x + dy * y + at0.
    struct Share
    {
        double dx, dy, at0;
    };
    const auto shareOf = [area](const Vector &from, const Vector &to) {
        return Share { (from.y - to.y) / area, (to.x - from.x) / area,
            (from.x * to.y - to.x * from.y) / area };
    };
    const std::array<Share, 3> shares { shareOf(b, c), shareOf(c, a), shareOf(a, b) };
    const Share depthPlane { shares[0].dx * a.z + shares[1].dx * b.z + shares[2].dx * c.z,
        shares[0].dy * a.z + shares[1].dy * b.z + shares[2].dy * c.z,
        shares[0].at0 * a.z + shares[1].at0 * b.z + shares[2].at0 * c.z };

    const int width = image.width();
    const int top = std::max(0, static_cast<int>(std::floor(std::min({ a.y, b.y, c.y }))));
    const int bottom
        = std::min(image.height() - 1, static_cast<int>(std::ceil(std::max({ a.y, b.y, c.y }))));
    for (int y = top; y <= bottom; ++y) {
        const double py = y + 0.5;
        // The span of pixel centres x + 0.5 where no share is below zero.
        double from = 0.5;
        double to = width - 0.5;
        for (const Share &share : shares) {
            const double rest = share.dy * py + share.at0;
            if (share.dx > 0)
                from = std::max(from, -rest / share.dx);
            else if (share.dx < 0)
                to = std::min(to, -rest / share.dx);
            else if (rest < 0)
                to = -1;
        }
        if (from > to)
            continue;
        const int first = static_cast<int>(std::ceil(from - 0.5));
        const int last = std::min(width - 1, static_cast<int>(std::floor(to - 0.5)));
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        float *depthLine = depth.data() + static_cast<std::ptrdiff_t>(y) * width;
        double z = depthPlane.dx * (first + 0.5) + depthPlane.dy * py + depthPlane.at0;
        for (int x = first; x <= last; ++x, z += depthPlane.dx) {
            const auto near = static_cast<float>(z);
            if (near > depthLine[x]) {
                depthLine[x] = near;
                line[x] = colour;
            }
        }
    }
}

} // namespace

QImage renderScene(
    const std::vector<SceneTriangle> &scene, PictureAngle angle, QSize size, QColor background)
{
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(background);
    if (scene.empty())
        return image;

    // The sphere around the scene, centred on the axis halfway up, sets the scale.
    double low = std::numeric_limits<double>::max();
    double high = std::numeric_limits<double>::lowest();
    for (const SceneTriangle &triangle : scene) {
        for (const ScenePoint &corner : triangle.corners) {
            low = std::min(low, corner.z);
            high = std::max(high, corner.z);
        }
    }
    const double middle = (low + high) / 2;
    double reach = 0;
    for (const SceneTriangle &triangle : scene) {
        for (const ScenePoint &corner : triangle.corners) {
            const double up = corner.z - middle;
            reach = std::max(reach, corner.x * corner.x + corner.y * corner.y + up * up);
        }
    }
    reach = std::sqrt(reach);
    if (!(reach > 0) || !std::isfinite(reach))
        return image;
    const int width = image.width();
    const int height = image.height();
    const double scale = std::min(width, height) / (2.08 * reach);
    const double centreX = width / 2.0;
    const double centreY = height / 2.0;

    const Camera camera(angle);
    const Vector light = lightDirection();
    std::vector<float> depth(static_cast<std::size_t>(width) * static_cast<std::size_t>(height),
        std::numeric_limits<float>::lowest());

    for (const SceneTriangle &triangle : scene) {
        std::array<Vector, 3> screen;
        for (std::size_t i = 0; i < 3; ++i) {
            const ScenePoint &corner = triangle.corners[i];
            const Vector seen = camera.view(corner.x, corner.y, corner.z - middle);
            screen[i] = { centreX + seen.x * scale, centreY - seen.y * scale, seen.z };
        }
        // Faces turned away are behind the solid; the others are lit by their facing.
        const Vector normal = cross(minus(triangle.corners[1], triangle.corners[0]),
            minus(triangle.corners[2], triangle.corners[0]));
        const Vector seenNormal = camera.view(normal.x, normal.y, normal.z);
        const double length = std::sqrt(dot(seenNormal, seenNormal));
        if (!(seenNormal.z > 0) || !(length > 0))
            continue;
        const double facing = std::max(0.0, dot(seenNormal, light) / length);
        const QRgb colour = shaded(triangle.colour, 0.35 + 0.7 * facing);
        fillTriangle(screen, colour, image, depth);
    }
    return image;
}

} // namespace orvane
