// The vessel's profile: the outside curve through its points, the inside the wall's thickness
// within it, and the rings stacked in the bands, against closed forms, hand-worked slopes and a
// dense sampling of the same curve.

#include "core/stacking.h"
#include "core/vesselresults.h"
#include "core/wall.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace orvane;

using Points = std::vector<ProfilePoint>;
using Numbers = std::vector<double>;
Q_DECLARE_METATYPE(Points)
Q_DECLARE_METATYPE(Numbers)

class TestProfile : public QObject
{
    Q_OBJECT

private slots:
    void problems_data();
    void problems();
    void pchipSlopes_data();
    void pchipSlopes();
    void curvePassesThroughPoints();
    void closedForms_data();
    void closedForms();
    void bands_data();
    void bands();
    void bandsAgainstSampling();
    void discsAndRim();
};

namespace {

constexpr double t = defaultWallThickness;

ProfilePoint corner(double r, double h)
{
    return { r, h, true };
}

// The outside sampled densely, with its continuations beyond the ends, as (r, h) pairs.
std::vector<std::pair<double, double>> sampledOutside(const VesselWall &wall)
{
    std::vector<std::pair<double, double>> samples;
    const auto addLine = [&samples](double r0, double h0, double r1, double h1) {
        for (int i = 0; i <= 400; ++i)
            samples.emplace_back(r0 + (r1 - r0) * i / 400.0, h0 + (h1 - h0) * i / 400.0);
    };
    const std::vector<ProfilePiece> &curve = wall.outside();
    for (const ProfilePiece &piece : curve) {
        if (piece.flat()) {
            addLine(piece.from.r, piece.from.h, piece.to.r, piece.to.h);
            continue;
        }
        for (int i = 0; i <= 1500; ++i) {
            const double h = piece.from.h + (piece.to.h - piece.from.h) * i / 1500.0;
            samples.emplace_back(piece.radiusAt(h), h);
        }
    }
    for (const ProfilePiece *end : { &curve.front(), &curve.back() }) {
        if (end->flat())
            continue;
        const bool top = end == &curve.back();
        const ProfilePoint &p = top ? end->to : end->from;
        const double m = end->slopeAt(p.h);
        const double dh = (top ? 1 : -1) * wall.thickness() / std::sqrt(1 + m * m);
        addLine(p.r, p.h, p.r + m * dh, p.h + dh);
    }
    return samples;
}

} // namespace

void TestProfile::problems_data()
{
    QTest::addColumn<Points>("points");
    QTest::addColumn<QString>("problem");
    QTest::newRow("sound") << Points { { 2, 0 }, { 3, 1 }, { 2.5, 1 }, { 3, 4 } } << QString();
    QTest::newRow("one point") << Points { { 2, 0 } }
                               << "a profile needs at least two points: the bottom (h 0) and the "
                                  "rim";
    QTest::newRow("not from the bottom") << Points { { 2, 0.5 },
        { 3, 1 } } << "point 1: h 0.5 is not allowed: the first point is at the bottom, h 0";
    QTest::newRow("negative radius")
        << Points { { 2, 0 }, { -1, 1 } } << "point 2: r -1 is not allowed: a radius of 0 or more";
    QTest::newRow("going down") << Points { { 2, 0 }, { 3, 2 }, { 3, 1.5 } }
                                << "point 3: h 1.5 is below the height of the point before it (2)";
    QTest::newRow("repeated") << Points { { 2, 0 }, { 3, 2 }, { 3, 2 }, { 3, 3 } }
                              << "point 3: the same point as point 2";
    QTest::newRow("three at one height") << Points { { 2, 0 }, { 3, 2 }, { 4, 2 }, { 5, 2 },
        { 5, 3 } } << "point 4: a third point in a row at height 2: a flat run is two points";
    QTest::newRow("flat rim only") << Points { { 2, 0 },
        { 3, 0 } } << "point 2: the last point, the rim, must be above the bottom (h more than 0)";
}

void TestProfile::problems()
{
    QFETCH(Points, points);
    QFETCH(QString, problem);
    const std::vector<std::string> found = profileProblems(points);
    QCOMPARE(found.empty() ? QString() : QString::fromStdString(found.front()), problem);
}

void TestProfile::pchipSlopes_data()
{
    QTest::addColumn<Numbers>("h");
    QTest::addColumn<Numbers>("r");
    QTest::addColumn<Numbers>("slopes");
    // Worked by hand: secants 1 and 1/4; the middle the weighted harmonic mean 9 / (5 + 16); the
    // first end (4 - 1/4) / 3; the last end's (5/4 - 2) / 3 turns against its secant: 0.
    QTest::newRow("three points") << Numbers { 0, 1, 3 } << Numbers { 0, 1, 1.5 }
                                  << Numbers { 1.25, 3.0 / 7, 0 };
    // Secants 2, -1, 1/4: the middle slopes 0 where they change sign; the first end 7/2 stays
    // under three times its secant; the last (5/4 + 2) / 3 is held to 3 x 1/4.
    QTest::newRow("four points") << Numbers { 0, 1, 2, 4 } << Numbers { 1, 3, 2, 2.5 }
                                 << Numbers { 3.5, 0, 0, 0.75 };
    QTest::newRow("two points") << Numbers { 0, 2 } << Numbers { 1, 2 } << Numbers { 0.5, 0.5 };
}

void TestProfile::pchipSlopes()
{
    QFETCH(Numbers, h);
    QFETCH(Numbers, r);
    QFETCH(Numbers, slopes);
    const std::vector<double> found = orvane::pchipSlopes(h, r);
    QCOMPARE(found.size(), slopes.size());
    for (std::size_t i = 0; i < slopes.size(); ++i)
        QVERIFY2(std::abs(found[i] - slopes[i]) < 1e-12, std::to_string(i).c_str());
}

void TestProfile::curvePassesThroughPoints()
{
    const Points points { { 3, 0 }, { 3.6, 0.5 }, { 4.5, 2 }, { 4.2, 3 }, corner(3, 4),
        { 3.5, 4.5 }, { 4, 4.5 }, { 4.1, 5.5 } };
    const VesselWall wall(points, t, t);
    for (const ProfilePoint &p : points)
        QCOMPARE(outsideRadius(wall.outside(), p.h) >= p.r, true);
    for (const ProfilePiece &piece : wall.outside()) {
        if (piece.flat())
            continue;
        QCOMPARE(piece.radiusAt(piece.from.h), piece.from.r);
        QCOMPARE(piece.radiusAt(piece.to.h), piece.to.r);
        // No overshoot: every piece stays between its ends' radii.
        for (int i = 0; i <= 100; ++i) {
            const double r = piece.radiusAt(piece.from.h + (piece.to.h - piece.from.h) * i / 100);
            QVERIFY(r >= std::min(piece.from.r, piece.to.r) - 1e-12);
            QVERIFY(r <= std::max(piece.from.r, piece.to.r) + 1e-12);
        }
    }
    // Hand-worked: the three points above through h 0.5 on the first piece.
    const VesselWall three(Points { { 0, 0 }, { 1, 1 }, { 1.5, 3 } }, t, t);
    QVERIFY(std::abs(three.outside().front().radiusAt(0.5) - 0.6026785714285714) < 1e-12);
}

void TestProfile::closedForms_data()
{
    QTest::addColumn<Points>("points");
    QTest::addColumn<double>("h");
    QTest::addColumn<double>("inside");
    QTest::addColumn<double>("tolerance");
    const Points cylinder { corner(3, 0), corner(3, 6) };
    QTest::newRow("cylinder") << cylinder << 3.0 << 3 - t << 1e-12;
    QTest::newRow("cylinder at the foot") << cylinder << 0.0 << 3 - t << 1e-12;
    const Points cone { corner(2, 0), corner(5, 6) };
    const double coneInset = t * std::sqrt(1 + 0.25);
    QTest::newRow("cone") << cone << 3.0 << 3.5 - coneInset << 1e-12;
    QTest::newRow("cone at the rim") << cone << 6.0 << 5 - coneInset << 1e-12;
    // A zone of a sphere of radius 4 about h 2, through 41 smooth points.
    Points sphere;
    for (int i = 0; i <= 40; ++i) {
        const double h = i / 10.0;
        sphere.push_back({ std::sqrt(16 - (h - 2) * (h - 2)), h });
    }
    for (double h : { 1.0, 2.0, 2.7 }) {
        QTest::addRow("sphere at %g", h)
            << sphere << h << std::sqrt((4 - t) * (4 - t) - (h - 2) * (h - 2)) << 1e-4;
    }
    const Points flatFloor { { 0, 0 }, corner(3, 0), corner(3, 5) };
    QTest::newRow("over a flat floor") << flatFloor << 0.1 << -std::sqrt(t * t - 0.01) << 1e-12;
    QTest::newRow("above a flat floor") << flatFloor << 1.0 << 3 - t << 1e-12;
    // A lip leaning in, slope -1/2, stays parallel up to the rim.
    const Points lip { { 0, 0 }, corner(3, 0), corner(4, 3), corner(3.5, 4) };
    QTest::newRow("lip at the rim") << lip << 4.0 << 3.5 - coneInset << 1e-12;
}

void TestProfile::closedForms()
{
    QFETCH(Points, points);
    QFETCH(double, h);
    QFETCH(double, inside);
    QFETCH(double, tolerance);
    const VesselWall wall(points, t, t);
    QVERIFY2(std::abs(wall.insideRadius(h) - inside) < tolerance,
        std::to_string(wall.insideRadius(h)).c_str());
}

void TestProfile::bands_data()
{
    QTest::addColumn<Points>("points");
    QTest::addColumn<double>("bottom");
    QTest::addColumn<double>("top");
    QTest::addColumn<double>("outer");
    QTest::addColumn<double>("inner");
    const Points cone { corner(2, 0), corner(5, 6) };
    const double coneInset = t * std::sqrt(1.25);
    QTest::newRow("cone") << cone << 1.0 << 2.0 << 2 * 3.0 << 2 * (2.5 - coneInset);
    // A ledge at a band's edge widens the ring above it, not the one below.
    const Points outward { corner(2, 0), corner(2, 1), corner(3, 1), corner(3, 3) };
    QTest::newRow("ledge out, below") << outward << 0.0 << 1.0 << 4.0 << 2 * (2 - t);
    QTest::newRow("ledge out, above") << outward << 1.0 << 2.0 << 6.0 << 2 * (2 - t);
    const Points inward { corner(3, 0), corner(3, 1), corner(2, 1), corner(2, 3) };
    QTest::newRow("ledge in, below") << inward << 0.0 << 1.0 << 6.0 << 2 * (2 - t);
    QTest::newRow("ledge in, above") << inward << 1.0 << 2.0 << 6.0 << 2 * (2 - t);
    QTest::newRow("flat rim") << Points { corner(2, 0), corner(2, 1), corner(3, 1) } << 0.5 << 1.0
                              << 6.0 << 2 * (2 - t);
    QTest::newRow("below a flat rim")
        << Points { corner(2, 0), corner(2, 2), corner(3, 2) } << 0.5 << 1.0 << 4.0 << 2 * (2 - t);
}

void TestProfile::bands()
{
    QFETCH(Points, points);
    QFETCH(double, bottom);
    QFETCH(double, top);
    QFETCH(double, outer);
    QFETCH(double, inner);
    const VesselWall wall(points, t, 0);
    QCOMPARE(2 * wall.largestOutside(bottom, top), outer);
    QVERIFY2(std::abs(2 * wall.leastInside(bottom, top) - inner) < 1e-12,
        std::to_string(2 * wall.leastInside(bottom, top)).c_str());
}

void TestProfile::bandsAgainstSampling()
{
    // A vase: a foot, a belly, a neck with a corner and a flaring lip.
    const Points vase { corner(1.5, 0), { 2.2, 0.6 }, { 3.4, 2.1 }, { 3.7, 3.2 }, { 2.6, 5 },
        corner(1.4, 6.2), { 1.3, 6.8 }, { 1.9, 7.6 }, { 2.4, 8 } };
    const VesselWall wall(vase, 0.3, 0.3);
    const auto samples = sampledOutside(wall);
    for (double bottom = 0; bottom < 8; bottom += 0.7) {
        const double top = std::min(bottom + 0.7, 8.0);
        double outer = 0;
        double inner = std::numeric_limits<double>::infinity();
        // The vase has no flat run, so the band's closed ends may be sampled.
        for (int i = 0; i <= 300; ++i) {
            const double h = bottom + (top - bottom) * i / 300;
            outer = std::max(outer, outsideRadius(wall.outside(), h));
            for (const auto &[r, ph] : samples) {
                const double u = ph - h;
                if (std::abs(u) <= 0.3)
                    inner = std::min(inner, r - std::sqrt(0.09 - u * u));
            }
        }
        const QByteArray band = QByteArray::number(bottom);
        // Samples reach the extremes from one side only; the exact values lie beyond them.
        const double exactOuter = wall.largestOutside(bottom, top);
        const double exactInner = wall.leastInside(bottom, top);
        QVERIFY2(exactOuter >= outer - 1e-12 && exactOuter - outer < 1e-4, band);
        QVERIFY2(exactInner <= inner + 1e-12 && inner - exactInner < 2e-4, band);
    }
}

void TestProfile::discsAndRim()
{
    Vessel vessel;
    vessel.profile = { { 0, 0 }, corner(3, 0), corner(3, 2) };
    RingDesign ring = ringOf({ 12, 1, 0.5, 0.1 }, 0.75);
    ring.name = "Ring";
    vessel.rings = { ring, ring, ring, ring };
    const VesselResults results = computeVessel(vessel);
    // Three rings reach the rim at 2; the fourth starts above it and is left out.
    QCOMPARE(results.rings.size(), std::size_t(3));
    QCOMPARE(results.aboveRim, std::vector<std::size_t> { 3 });
    QCOMPARE(results.warnings.size(), std::size_t(1));
    const RingResult &foot = results.rings[0];
    QCOMPARE(foot.kind, RingKind::disc);
    QCOMPARE(foot.design.inputs.innerDiameter, 0.0);
    QCOMPARE(foot.design.inputs.fudge, 0.25); // the vessel's pad
    QCOMPARE(foot.blankSide->inches, 6.5);
    QVERIFY(std::abs(*foot.boardFeet - 6.5 * 6.5 * 0.75 / 144) < 1e-12);
    QVERIFY(!foot.geometry && !foot.longSide && !foot.stripLength);
    QVERIFY(foot.sound());
    const RingResult &wallRing = results.rings[1];
    QCOMPARE(wallRing.kind, RingKind::ring);
    QCOMPARE(wallRing.design.inputs.outerDiameter, 6.0);
    QCOMPARE(wallRing.design.inputs.innerDiameter, 5.5);
    QCOMPARE(wallRing.bottom, 0.75);
    QCOMPARE(results.rings[2].top, 2.0);
    // A typed diameter stays; fill to rim adds rings of the top ring's thickness.
    vessel.rings = { ring };
    vessel.rings[0].outerLocked = true;
    QCOMPARE(computeVessel(vessel).rings[0].design.inputs.outerDiameter, 1.0);
    QVERIFY(!stackRings(vessel).rings[0].coversWall());
    QCOMPARE(stackRings(vessel).rings[0].profileOuter, 6.0);
    QCOMPARE(fillToRim(vessel).size(), std::size_t(3));

    // A box with a flat lid at the rim, faces flattened by 1/4: the top ring is a disc that closes
    // it, above the floor.
    vessel.profile.push_back({ 0, 2 });
    vessel.flatten = 0.25;
    vessel.rings = { ring, ring, ring, ring };
    const VesselResults box = computeVessel(vessel);
    QCOMPARE(box.rings.size(), std::size_t(4));
    QCOMPARE(box.rings[1].bottom, 0.5);
    QCOMPARE(box.rings[3].top, 2.0);
    QCOMPARE(box.rings[2].kind, RingKind::ring);
    QCOMPARE(box.rings[3].kind, RingKind::disc);
    QCOMPARE(box.warnings,
        std::vector<std::string> {
            "ring 4 (Ring) is a disc above the floor: it closes the vessel" });
}

QTEST_APPLESS_MAIN(TestProfile)
#include "tst_profile.moc"
