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
        // Shading: the face's normal turned toward the viewer, lit by the light.
        const Vector normal = cross(minus(triangle.corners[1], triangle.corners[0]),
            minus(triangle.corners[2], triangle.corners[0]));
        Vector seenNormal = camera.view(normal.x, normal.y, normal.z);
        const double length = std::sqrt(dot(seenNormal, seenNormal));
        if (!(length > 0))
            continue;
        if (seenNormal.z < 0)
            seenNormal = { -seenNormal.x, -seenNormal.y, -seenNormal.z };
        const double facing = std::max(0.0, dot(seenNormal, light) / length);
        const QRgb colour = shaded(triangle.colour, 0.35 + 0.7 * facing);

        const Vector &a = screen[0];
        const Vector &b = screen[1];
        const Vector &c = screen[2];
        const double area = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
        if (std::abs(area) < 1e-12)
            continue;
        const int left = std::max(0, static_cast<int>(std::floor(std::min({ a.x, b.x, c.x }))));
        const int right
            = std::min(width - 1, static_cast<int>(std::ceil(std::max({ a.x, b.x, c.x }))));
        const int top = std::max(0, static_cast<int>(std::floor(std::min({ a.y, b.y, c.y }))));
        const int bottom
            = std::min(height - 1, static_cast<int>(std::ceil(std::max({ a.y, b.y, c.y }))));
        for (int y = top; y <= bottom; ++y) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            float *depthLine = depth.data() + static_cast<std::size_t>(y) * width;
            const double py = y + 0.5;
            for (int x = left; x <= right; ++x) {
                const double px = x + 0.5;
                // The pixel's share of each corner; all three of one sign inside the triangle.
                const double wa = ((b.x - px) * (c.y - py) - (b.y - py) * (c.x - px)) / area;
                const double wb = ((c.x - px) * (a.y - py) - (c.y - py) * (a.x - px)) / area;
                const double wc = 1 - wa - wb;
                if (wa < 0 || wb < 0 || wc < 0)
                    continue;
                const auto z = static_cast<float>(wa * a.z + wb * b.z + wc * c.z);
                if (z <= depthLine[x])
                    continue;
                depthLine[x] = z;
                line[x] = colour;
            }
        }
    }
    return image;
}

} // namespace orvane
