// The checks of a vessel against hand-worked vessels, each check at its boundary: just clear of
// it and just over it, with the numbers in the messages; and the presets, which cut as they are.

#include "core/presets.h"
#include "core/projectfile.h"
#include "core/vesselchecks.h"

#include <QFile>
#include <QTest>

using namespace orvane;

Q_DECLARE_METATYPE(Vessel)
Q_DECLARE_METATYPE(CheckSettings)
Q_DECLARE_METATYPE(Preset)

namespace {

RingDesign ring(const char *name, double segments, double outer, double inner)
{
    RingDesign design = ringOf({ segments, outer, inner, 0.25 }, 0.75);
    design.name = name;
    return design;
}

Vessel vesselOf(std::vector<RingDesign> rings, Units units = Units::inches)
{
    Vessel vessel;
    vessel.units = units;
    vessel.rings = std::move(rings);
    return vessel;
}

// A straight-sided vessel of radius r and height h with `count` rings 3/4 in high, 12 segments.
Vessel cylinder(double r, double h, double wall, std::size_t count)
{
    Vessel vessel;
    vessel.profile = { { r, 0, true }, { r, h, true } };
    vessel.wall = wall;
    for (std::size_t i = 0; i < count; ++i)
        vessel.rings.push_back(ring(defaultRingName(i + 1).c_str(), 12, 36, 30));
    return vessel;
}

Vessel locked(Vessel vessel, std::size_t place, std::optional<double> outer,
    std::optional<double> inner, double segments = 12)
{
    RingDesign &ring = vessel.rings.at(place);
    ring.inputs.segmentCount = segments;
    if (outer) {
        ring.inputs.outerDiameter = *outer;
        ring.outerLocked = true;
    }
    if (inner) {
        ring.inputs.innerDiameter = *inner;
        ring.innerLocked = true;
    }
    return vessel;
}

QStringList messages(const std::vector<VesselCheck> &checks)
{
    QStringList texts;
    for (const VesselCheck &check : checks)
        texts << QString::fromStdString(check.message);
    return texts;
}

} // namespace

class TestVesselChecks : public QObject
{
    Q_OBJECT

private slots:
    void checks_data();
    void checks();
    void presetsCutAsTheyAre_data();
    void presetsCutAsTheyAre();
    void exampleProjectReadsBack();
};

void TestVesselChecks::checks_data()
{
    QTest::addColumn<Vessel>("vessel");
    QTest::addColumn<CheckSettings>("settings");
    QTest::addColumn<QStringList>("expected");
    const CheckSettings defaults;

    // Glue faces: radius 3 against inner radii 2.75 and 2.8125.
    QTest::newRow("glue face of 1/4 in")
        << vesselOf({ ring("A", 12, 6, 4.5), ring("B", 12, 6, 5.5) }) << defaults << QStringList();
    QTest::newRow("glue face under 1/4 in")
        << vesselOf({ ring("A", 12, 6, 4.5), ring("B", 12, 6, 5.625) }) << defaults
        << QStringList { "ring 2 (B): it and ring 1 (A) share 0.1875 in of glue face, less than "
                         "0.25 in: the joint may not hold" };
    QTest::newRow("rings that only touch")
        << vesselOf({ ring("A", 16, 10, 8), ring("B", 12, 8, 6) }) << defaults
        << QStringList { "ring 2 (B): it and ring 1 (A) only touch: their walls meet at an edge, "
                         "with no glue face" };
    QTest::newRow("rings that do not meet")
        << vesselOf({ ring("A", 16, 10, 8), ring("B", 12, 4, 3) }) << defaults
        << QStringList { "ring 2 (B): it and ring 1 (A) do not meet: 2 in lies between their "
                         "walls, and no glue face" };

    // Six segments: the short side is the inner radius less the fudge, 0.5 and 0.46875.
    const CheckSettings smallOpening { defaults.widestBoard, 1 };
    QTest::newRow("short side of 1/2 in")
        << vesselOf({ ring("R", 6, 4, 1.5) }) << smallOpening << QStringList();
    QTest::newRow("short side under 1/2 in")
        << vesselOf({ ring("R", 6, 4, 1.4375) }) << smallOpening
        << QStringList { "ring 1 (R): its segments' short side is 0.46875 in, under 0.5 in: "
                         "segments that small are hard to cut safely" };
    QTest::newRow("short side under 1/2 in, in millimetres")
        << vesselOf({ ring("R", 6, 4, 1.4375) }, Units::millimetres) << smallOpening
        << QStringList { "ring 1 (R): its segments' short side is 11.9 mm, under 12.7 mm: "
                         "segments that small are hard to cut safely" };

    // Board width 6.25 - 0.75 cos 30 = 5.60048; the opening, 2 in, is the smallest allowed.
    QTest::newRow("board narrower than the widest")
        << vesselOf({ ring("R", 6, 12, 2) }) << CheckSettings { 5.61, 2 } << QStringList();
    QTest::newRow("board wider than the widest")
        << vesselOf({ ring("R", 6, 12, 2) }) << CheckSettings { 5.6, 2 }
        << QStringList { "ring 1 (R): its segments take a board 5.60048 in wide, wider than the "
                         "widest board (5.6 in)" };
    // A disc's blank is its outer diameter and the pad on each side: 7.25 and 7.5 in.
    QTest::newRow("blank as wide as the widest board")
        << cylinder(3.375, 0.75, 0.25, 1) << defaults << QStringList();
    QTest::newRow("blank wider than the widest board")
        << cylinder(3.5, 0.75, 0.25, 1) << defaults
        << QStringList { "ring 1 (Ring 1): its blank is 7.5 in square, wider than the widest "
                         "board (7.25 in): it takes a glued-up panel" };

    // The hand reaches in past the neck, ring 2, to the foot's wider inside.
    const Vessel neck
        = vesselOf({ ring("Foot", 6, 6, 4), ring("Neck", 6, 5, 1.75), ring("Lip", 6, 4, 2.5) });
    QTest::newRow("opening as wide as the smallest")
        << neck << CheckSettings { defaults.widestBoard, 1.75 } << QStringList();
    QTest::newRow("opening narrower than the smallest")
        << neck << defaults
        << QStringList { "ring 2 (Neck): the opening a hand turns the inside through is 1.75 in "
                         "across here, narrower than 2 in" };

    // A cylinder 6 in across and 3 in high: four rings reach the rim, the foot a disc.
    QTest::newRow("rings that reach the rim")
        << cylinder(3, 3, 0.25, 4) << defaults << QStringList();
    QTest::newRow("rings that stop below the rim")
        << cylinder(3, 3, 0.25, 3) << defaults
        << QStringList { "ring 3 (Ring 3): the rings stop at its top, 2.25 in, 0.75 in below the "
                         "rim (3 in)" };
    QTest::newRow("a ring above the rim")
        << cylinder(3, 3, 0.25, 5) << defaults
        << QStringList { "ring 5 (Ring 5): it starts at or above the rim (3 in): it is not part "
                         "of the vessel" };
    Vessel lid = cylinder(3, 2, 0.25, 4);
    lid.profile.push_back({ 0, 2 });
    for (RingDesign &ringOfLid : lid.rings)
        ringOfLid.thickness = 0.5;
    QTest::newRow("a disc above the floor")
        << lid << defaults
        << QStringList { "ring 4 (Ring 4): a solid disc above the floor (0.25 in): it closes the "
                         "vessel" };

    // A wall of 1/2 in: ring 2 needs 6 in outside and 5 in inside, the foot solid wood.
    const Vessel thick = cylinder(3, 3, 0.5, 4);
    QTest::newRow("locked diameters that cover the wall")
        << locked(thick, 1, 6, 5) << defaults << QStringList();
    QTest::newRow("locked outer diameter too small")
        << locked(thick, 1, 5.9375, std::nullopt) << defaults
        << QStringList { "ring 2 (Ring 2): its locked outer diameter, 5.9375 in, is smaller than "
                         "the 6 in the profile needs between 0.75 in and 1.5 in: turned to the "
                         "profile, the outside would cut into it" };
    QTest::newRow("locked inner diameter too large")
        << locked(thick, 1, std::nullopt, 5.0625) << defaults
        << QStringList { "ring 2 (Ring 2): its locked inner diameter, 5.0625 in, is larger than "
                         "the 5 in the profile needs between 0.75 in and 1.5 in: turned to the "
                         "profile, the inside would cut through the wall" };
    QTest::newRow("locked inner diameter in the floor")
        << locked(thick, 0, std::nullopt, 2, 6) << defaults
        << QStringList { "ring 1 (Ring 1): its locked inner diameter, 2 in, is larger than the "
                         "solid wood the profile needs between 0 in and 0.75 in: it leaves a hole "
                         "in the floor" };
}

void TestVesselChecks::checks()
{
    QFETCH(Vessel, vessel);
    QFETCH(CheckSettings, settings);
    QFETCH(QStringList, expected);

    const VesselResults results = computeVessel(vessel);
    const std::vector<VesselCheck> found = checkVessel(vessel, results, settings);
    QCOMPARE(messages(found), expected);
    for (const VesselCheck &check : found) {
        QCOMPARE(check.ring, vessel.rings.at(check.place).name);
        QVERIFY(!check.neighbour || *check.neighbour + 1 == check.place);
    }
}

void TestVesselChecks::presetsCutAsTheyAre_data()
{
    QTest::addColumn<Preset>("preset");
    for (const Preset preset : allPresets)
        QTest::newRow(presetName(preset).data()) << preset;
}

// Every preset stacks its rings from the foot exactly to the rim, each a sound ring or disc, and
// no check fires: there is nothing to fill, remove or change before cutting.
void TestVesselChecks::presetsCutAsTheyAre()
{
    QFETCH(Preset, preset);
    const Vessel vessel = presetVessel(preset);
    QCOMPARE(vessel.name, std::string(presetName(preset)));
    const VesselResults results = computeVessel(vessel);
    QVERIFY(results.profileProblems.empty());
    QCOMPARE(results.rings.size(), vessel.rings.size());
    QVERIFY(results.aboveRim.empty());
    QCOMPARE(results.rings.back().top, vessel.profile.back().h);
    QVERIFY(!stackBelowRim(vessel, results));
    QCOMPARE(fillToRim(vessel).size(), vessel.rings.size());
    QCOMPARE(results.rings.front().kind, RingKind::disc); // the foot, under the floor
    for (const RingResult &ring : results.rings)
        QVERIFY2(ring.sound(), ring.design.name.c_str());
    QCOMPARE(messages(checkVessel(vessel, results)), QStringList());
}

// The example profile project is the bowl preset as the program writes it, and reads back as it.
void TestVesselChecks::exampleProjectReadsBack()
{
    QFile file(QStringLiteral(ORVANE_SOURCE_DIR "/docs/examples/bowl.orvane"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const std::string text = file.readAll().toStdString();
    const ProjectFileReading reading = readProjectFile(text, "bowl.orvane");
    QVERIFY(reading.problems.empty());
    QCOMPARE(writeProjectFile(*reading.vessel), text);
    QCOMPARE(text, writeProjectFile(presetVessel(Preset::bowl)));
}

QTEST_APPLESS_MAIN(TestVesselChecks)
#include "tst_vesselchecks.moc"
