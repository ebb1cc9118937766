// The vessel in 3D: the woods seen where the rings stand, at every angle the picture is turned to,
// as the blank and as turned, with and without a profile.

#include "drawing/vesselpicture.h"
#include "drawing/vesselscene.h"
#include "tests/support/vesselpicturetab.h"

#include <QtTest>

#include <array>
#include <optional>

using namespace orvane;

namespace {

const QColor yellow(220, 200, 60);
const QColor blue(60, 80, 200);
const QColor red(200, 40, 40);
const QColor background(Qt::white);
const std::array woods { yellow, blue, red };

// A foot disc of blue, a ring of 12 segments yellow and blue in turn, and a red ring turned
// 15 degrees: each an inch high.
std::vector<PictureRing> threeRings()
{
    PictureRing disc { 0, 1, 0, 0, 0, 2.9, 0, 6.5, 0, { blue } };
    PictureRing pattern { 1, 2, 2, 3, 2.2, 2.9, 12, 0, 0, { yellow, blue } };
    PictureRing plain { 2, 3, 2, 3, 2.2, 2.9, 12, 15, 0, { red } };
    return { disc, pattern, plain };
}

// The wood whose colour `pixel` is a shade of; -1 for the background.
int woodOf(QRgb pixel)
{
    if (pixel == background.rgb())
        return -1;
    const auto chroma = [](QColor colour) {
        const double sum = colour.red() + colour.green() + colour.blue() + 1e-9;
        return std::array { colour.red() / sum, colour.green() / sum, colour.blue() / sum };
    };
    const auto seen = chroma(QColor(pixel));
    int nearest = 0;
    double best = 1e9;
    for (std::size_t i = 0; i < woods.size(); ++i) {
        const auto wood = chroma(woods[i]);
        double distance = 0;
        for (std::size_t c = 0; c < 3; ++c)
            distance += (seen[c] - wood[c]) * (seen[c] - wood[c]);
        if (distance < best) {
            best = distance;
            nearest = static_cast<int>(i);
        }
    }
    return nearest;
}

int woodIndex(QColor colour)
{
    return static_cast<int>(std::find(woods.begin(), woods.end(), colour) - woods.begin());
}

// A cylinder 3 inches high and 2.9 in radius, walls a quarter inch thick over a solid inch.
VesselWall cylinder()
{
    return VesselWall({ { 2.9, 0, true }, { 2.9, 3, true } }, 0.25, 1);
}

enum class Shape
{
    blank,
    turned,
    turnedProfile
};

std::vector<SceneTriangle> sceneOf(Shape shape)
{
    switch (shape) {
    case Shape::blank: return blankScene(threeRings());
    case Shape::turned: return turnedScene(threeRings(), std::nullopt);
    case Shape::turnedProfile: return turnedScene(threeRings(), cylinder());
    }
    return {};
}

} // namespace

class VesselPictureTest : public QObject
{
    Q_OBJECT

private slots:
    void frontShowsTheWoodOfEachRing_data();
    void frontShowsTheWoodOfEachRing();
    void fromAboveTheFloorShowsThroughTheRings_data();
    void fromAboveTheFloorShowsThroughTheRings();
    void sameScaleAtEveryAngle();
    void windowShowsTheWoodsAndTurnsWithTheMouse();
};

void VesselPictureTest::frontShowsTheWoodOfEachRing_data()
{
    QTest::addColumn<int>("shape");
    QTest::addColumn<double>("turn");
    for (const auto &[shape, name] : { std::pair { Shape::blank, "blank" },
             { Shape::turned, "turned" }, { Shape::turnedProfile, "profile" } }) {
        // The segment in front of the viewer at the centre of the picture is the one at the
        // angle turn - 90: a yellow one, then a blue one, and the other way round.
        for (const double turn : { -75.0, -45.0, 0.0, 15.0, 150.0, 165.0 })
            QTest::addRow("%s, turned %g", name, turn) << static_cast<int>(shape) << turn;
    }
}

void VesselPictureTest::frontShowsTheWoodOfEachRing()
{
    QFETCH(int, shape);
    QFETCH(double, turn);
    const QImage image
        = renderScene(sceneOf(static_cast<Shape>(shape)), { turn, 0 }, QSize(300, 240), background);

    // Seen level, the centre column runs up the front of the piece, a third of it each ring.
    const int column = image.width() / 2;
    int lowest = -1;
    int highest = -1;
    for (int y = 0; y < image.height(); ++y) {
        if (image.pixel(column, y) != background.rgb()) {
            highest = highest < 0 ? y : highest;
            lowest = y;
        }
    }
    QVERIFY(highest >= 0);
    const std::vector<PictureRing> rings = threeRings();
    for (std::size_t ring = 0; ring < rings.size(); ++ring) {
        const double share = (static_cast<double>(ring) + 0.5) / 3;
        const int y = lowest - static_cast<int>(share * (lowest - highest));
        QCOMPARE(woodOf(image.pixel(column, y)), woodIndex(colourAt(rings[ring], turn - 90)));
    }
}

void VesselPictureTest::fromAboveTheFloorShowsThroughTheRings_data()
{
    QTest::addColumn<int>("shape");
    QTest::addRow("blank") << static_cast<int>(Shape::blank);
    QTest::addRow("turned") << static_cast<int>(Shape::turned);
    QTest::addRow("profile") << static_cast<int>(Shape::turnedProfile);
}

void VesselPictureTest::fromAboveTheFloorShowsThroughTheRings()
{
    QFETCH(int, shape);
    const QImage image = renderScene(
        sceneOf(static_cast<Shape>(shape)), { 0, steepestTilt }, QSize(240, 240), background);
    // Straight down the axis: the blue foot at the centre, inside the red top ring.
    QCOMPARE(woodOf(image.pixel(120, 120)), woodIndex(blue));
    int reds = 0;
    for (int x = 0; x < image.width(); ++x)
        reds += woodOf(image.pixel(x, 120)) == woodIndex(red);
    QVERIFY(reds > 0);
}

void VesselPictureTest::sameScaleAtEveryAngle()
{
    // Turning the piece about its axis changes nothing of its outline seen level.
    const std::vector<SceneTriangle> scene = sceneOf(Shape::turned);
    const auto outline = [&scene](double turn) {
        const QImage image = renderScene(scene, { turn, 0 }, QSize(200, 200), background);
        return image.createMaskFromColor(background.rgb());
    };
    const QImage first = outline(0);
    QCOMPARE(first.size(), QSize(200, 200));
    int differing = 0;
    const QImage second = outline(37);
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 200; ++x)
            differing += first.pixel(x, y) != second.pixel(x, y);
    }
    // Only the facets' edges along the outline may move by a pixel.
    QVERIFY2(differing < 200, qPrintable(QString::number(differing)));
}

void VesselPictureTest::windowShowsTheWoodsAndTurnsWithTheMouse()
{
    Vessel vessel;
    vessel.woods = { { "Blue", "#3c50c8" }, { "Yellow", "#dcc83c" } };
    RingDesign ring = ringOf({ 12, 6, 4.5, 0.25 }, 0.75);
    ring.pattern = { "Yellow", "Blue" };
    vessel.rings = { ring, ring, ring };
    VesselWindow window(vessel);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    VesselPictureView *picture = openPictureTab(window);
    QVERIFY(picture);

    // Both woods of the pattern are seen, and nothing of a third.
    const auto woodsSeen = [picture] {
        const QImage image = picture->grab().toImage();
        std::array<int, 3> seen {};
        for (int y = 0; y < image.height(); y += 2) {
            for (int x = 0; x < image.width(); x += 2) {
                const QRgb pixel = image.pixel(x, y);
                if (QColor(pixel) != picture->palette().color(QPalette::Base))
                    ++seen[static_cast<std::size_t>(woodOf(pixel))];
            }
        }
        return seen;
    };
    const std::array<int, 3> first = woodsSeen();
    QVERIFY(first[0] > 100 && first[1] > 100);
    QCOMPARE(first[2], 0);

    const QImage before = picture->grab().toImage();
    const QPoint middle = picture->rect().center();
    QTest::mousePress(picture, Qt::LeftButton, {}, middle);
    QTest::mouseMove(picture, middle + QPoint(40, 30));
    QTest::mouseRelease(picture, Qt::LeftButton, {}, middle + QPoint(40, 30));
    QCOMPARE(picture->angle().turn, PictureAngle {}.turn - 20);
    QCOMPARE(picture->angle().tilt, PictureAngle {}.tilt + 15);
    QVERIFY(picture->grab().toImage() != before);

    QTest::mouseDClick(picture, Qt::LeftButton, {}, middle);
    QCOMPARE(picture->angle(), PictureAngle {});
    QCOMPARE(picture->grab().toImage(), before);

    // The View menu turns the blank into the turned piece, and its check follows the picture.
    QAction *turned = nullptr;
    for (QAction *action : window.findChildren<QAction *>()) {
        if (action->text() == QStringLiteral("Turned"))
            turned = action;
    }
    QVERIFY(turned && !turned->isChecked());
    turned->trigger();
    QCOMPARE(picture->shape(), VesselPictureView::Shape::turned);
    QVERIFY(picture->grab().toImage() != before);
    picture->setShape(VesselPictureView::Shape::blank);
    QVERIFY(!turned->isChecked());
    QCOMPARE(picture->grab().toImage(), before);
}

QTEST_MAIN(VesselPictureTest)
#include "tst_vesselpicture.moc"
