// The vessel's half-section as it lands in pixels: the wall between the outside and the inside the
// closed forms give (a cylinder's inside is its radius less the wall, a cone's lies the wall's
// thickness from it across its slope), the floor solid, the rings' bands over them in their woods'
// tones, pale where the turning takes wood away, the selected ring highlighted and wall no ring
// covers grey; and clicking a band picks its ring.

#include "core/vesselresults.h"
#include "drawing/profilepainting.h"
#include "drawing/stackpainting.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <cmath>

using namespace orvane;

namespace {

enum class Tone
{
    white, // nothing drawn
    wood, // wall in the ring's wood
    band, // the ring's band outside the wall
    selected,
    selectedBand,
    bareWall
};

// A point in inches, the tone it must have and the ring a click there picks (-1 none).
struct Probe
{
    double r;
    double h;
    Tone tone;
    int ring;
};

struct TestRing
{
    double thickness;
    const char *wood;
};

using Points = QList<ProfilePoint>;
using Rings = QList<TestRing>;
using Probes = QList<Probe>;

constexpr QSize imageSize(600, 400);

Vessel vesselOf(const Points &points, const Rings &rings)
{
    Vessel vessel;
    vessel.profile.assign(points.begin(), points.end());
    for (const TestRing &ring : rings) {
        RingDesign design = defaultRing();
        design.inputs.segmentCount = 12;
        design.thickness = ring.thickness;
        design.wood = ring.wood;
        vessel.rings.push_back(design);
    }
    return vessel;
}

QColor expected(Tone tone, std::string_view wood)
{
    switch (tone) {
    case Tone::white: return Qt::white;
    case Tone::wood: return woodTone(wood, {});
    case Tone::band: return fudgeTone(woodTone(wood, {}));
    case Tone::selected: return stackColours::selected;
    case Tone::selectedBand: return profileColours::selectedBand;
    case Tone::bareWall: return profileColours::bareWall;
    }
    return {};
}

} // namespace

Q_DECLARE_METATYPE(Points)
Q_DECLARE_METATYPE(Rings)
Q_DECLARE_METATYPE(Probes)

class TestProfilePainting : public QObject
{
    Q_OBJECT

private slots:
    void frameKeepsTheAspect();
    void wallFloorAndBands_data();
    void wallFloorAndBands();
    void nothingToDrawLeavesTheTargetBlank();
};

// A vessel 3 in across its half and 4 in high in 600 x 400: the height sets the scale, 100 per
// inch, the picture centred across, the bottom on the target's bottom less the margin.
void TestProfilePainting::frameKeepsTheAspect()
{
    const ProfileFrame frame(QRectF(0, 0, 600, 400), { 3, 4 });
    QCOMPARE(frame.scale(), 100.0);
    QCOMPARE(frame.toTarget(0, 0), QPointF(150, 400));
    QCOMPARE(frame.toTarget(3, 4), QPointF(450, 0));
    QCOMPARE(frame.toInches(QPointF(300, 200)), QPointF(1.5, 2));
    const ProfileFrame framed(QRectF(10, 20, 600, 400), { 3, 4 }, 20);
    QCOMPARE(framed.scale(), 90.0);
    QCOMPARE(framed.toTarget(0, 0), QPointF(10 + (600 - 270) / 2.0, 400));
}

void TestProfilePainting::wallFloorAndBands_data()
{
    QTest::addColumn<Points>("points");
    QTest::addColumn<Rings>("rings");
    QTest::addColumn<int>("selected"); // -1 for none
    QTest::addColumn<Probes>("probes");

    // A cylinder of radius 3 with the wall and floor of 1/4 inch: the inside at 2.75. The foot
    // ring holds the floor, a disc across to the axis.
    const Rings maple { { 1, "Maple" }, { 1, "Maple" }, { 1, "Maple" }, { 1, "Maple" } };
    QTest::newRow("cylinder") << Points { { 3, 0, true }, { 3, 4, true } } << maple << -1
                              << Probes { { 2.79, 2.5, Tone::wood, 2 },
                                     { 2.71, 2.5, Tone::white, -1 }, { 1.5, 2.5, Tone::white, -1 },
                                     { 3.05, 2, Tone::white, -1 }, { 1.5, 0.15, Tone::wood, 0 },
                                     { 1.5, 0.7, Tone::band, 0 }, { 2.79, 1.5, Tone::wood, 1 } };

    // A cone from radius 2 at the bottom to 4 at the rim, r = 2 + h / 2: across the slope the
    // wall of 1/4 inch is 0.25 x sqrt(1.25) = 0.2795 wide. Three rings reach 3 in, short of the
    // rim at 4; the middle one, 1 to 2 in, is selected: from 2 x (2.5 - 0.2795) to 2 x 3 across.
    const Points cone { { 2, 0, true }, { 4, 4, true } };
    const Rings woods { { 1, "Maple" }, { 1, "Walnut" }, { 1, "Maple" } };
    QTest::newRow("cone, rings short of the rim")
        << cone << woods << 1
        << Probes { { 2.75 - 0.24, 1.5, Tone::selected, 1 },
               { 2.75 - 0.32, 1.5, Tone::selectedBand, 1 }, { 2.3, 1.9, Tone::selectedBand, 1 },
               { 2.95, 1.1, Tone::selectedBand, 1 }, { 3.25 - 0.1, 2.5, Tone::wood, 2 },
               { 3.75 - 0.1, 3.5, Tone::bareWall, -1 }, { 1, 0.1, Tone::wood, 0 },
               { 0.5, 0.5, Tone::band, 0 }, { 3.9, 1.5, Tone::white, -1 } };

    // A smooth bowl, its foot ring selected: the floor in the selection's colour, the hollow
    // above it in its band's.
    QTest::newRow("bowl, the foot selected")
        << Points { { 1.5, 0, true }, { 2, 0.5, true }, { 3.5, 2 }, { 4, 3.5, true } }
        << Rings { { 1.25, "Cherry" }, { 1.25, "Cherry" }, { 1, "Walnut" } } << 0
        << Probes { { 0.5, 0.2, Tone::selected, 0 }, { 0.5, 1.0, Tone::selectedBand, 0 },
               { 3.9, 3.4, Tone::wood, 2 }, { 3.0, 3.4, Tone::white, -1 } };
}

void TestProfilePainting::wallFloorAndBands()
{
    QFETCH(Points, points);
    QFETCH(Rings, rings);
    QFETCH(int, selected);
    QFETCH(Probes, probes);
    const Vessel vessel = vesselOf(points, rings);
    const VesselResults results = computeVessel(vessel);
    QVERIFY(results.profileProblems.empty());
    QImage image(imageSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QRectF target(QPointF(0, 0), QSizeF(imageSize));
    const ProfileFrame frame = fitProfile(target, vessel, results, 8);
    {
        QPainter painter(&image);
        paintProfile(painter, frame, vessel, results,
            selected < 0 ? std::nullopt : std::optional(std::size_t(selected)));
    }

    // To scale: the outermost pixel drawn is the profile's widest point, as far from the axis as
    // the scale puts it.
    double widest = 0;
    for (const ProfilePoint &point : points)
        widest = std::max(widest, point.r);
    int right = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = right; x < image.width(); ++x) {
            if (image.pixelColor(x, y) != QColor(Qt::white))
                right = x;
        }
    }
    QVERIFY(std::abs(frame.toTarget(widest, 0).x() - right) <= 2);

    for (const Probe &probe : probes) {
        const QPointF at = frame.toTarget(probe.r, probe.h);
        const std::string_view wood = probe.ring < 0 ? "" : rings[probe.ring].wood;
        const QString where = QStringLiteral("r %1, h %2").arg(probe.r).arg(probe.h);
        QVERIFY2(image.pixelColor(at.toPoint()) == expected(probe.tone, wood), qPrintable(where));
        const auto ring = profileRingAt(frame, results, at);
        QCOMPARE(ring ? int(*ring) : -1, probe.ring);
    }
}

void TestProfilePainting::nothingToDrawLeavesTheTargetBlank()
{
    QImage blank(imageSize, QImage::Format_RGB32);
    blank.fill(Qt::white);
    QImage image = blank;
    QPainter painter(&image);
    const Vessel empty;
    paintProfile(
        painter, fitProfile(QRectF(0, 0, 600, 400), empty, computeVessel(empty)), empty, {});
    // A target no larger than its margins.
    const Vessel vessel = vesselOf({ { 3, 0, true }, { 3, 4, true } }, { { 1, "" } });
    paintProfile(painter, fitProfile(QRectF(0, 0, 20, 10), vessel, computeVessel(vessel), 10),
        vessel, computeVessel(vessel));
    painter.end();
    QCOMPARE(image, blank);
}

QTEST_MAIN(TestProfilePainting)
#include "tst_profilepainting.moc"
