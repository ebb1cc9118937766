// The woods of a vessel: the typed pattern of a ring, each wood's segments, strip and board feet
// against hand-worked rings, the joints turned farthest from the ring below against a search of
// every turn, and the colours the woods are drawn in.

#include "core/joints.h"
#include "core/ringreader.h"
#include "core/vesselresults.h"
#include "core/woods.h"

#include <QTest>

#include <cmath>
#include <numbers>

using namespace orvane;

class TestWoods : public QObject
{
    Q_OBJECT

private slots:
    void lumberPerWood_data();
    void lumberPerWood();
    void farthestJoints_data();
    void farthestJoints();
    void vesselJoints();
    void colours();
};

namespace {

RingReader::Reading typed(double segments, const std::string &woods, double thickness = 0.75)
{
    RingReader reader(ringOf(RingInputs { segments, 10, 8, 0.25 }, thickness));
    reader.text(RingField::wood, woods);
    return reader.finish();
}

RingDesign ring(double segments, const std::string &woods, double thickness = 0.75)
{
    return typed(segments, woods, thickness).ring;
}

// "Maple 6, Walnut 6": each wood and its segments, in the order given.
QString segmentsOf(const std::vector<WoodLumber> &woods)
{
    QStringList list;
    for (const WoodLumber &wood : woods)
        list << QString::fromStdString(wood.wood) + ' ' + QString::number(wood.segments);
    return list.join(", ");
}

// The smallest angle between a joint of a ring of `count` segments turned `turn` degrees and
// the nearest joint of a ring of `belowCount` segments at 0, every pair of joints measured.
double smallestGap(int belowCount, int count, double turn)
{
    double gap = 360;
    for (int j = 0; j < count; ++j) {
        for (int k = 0; k < belowCount; ++k) {
            const double apart
                = std::fmod(std::abs(turn + 360.0 * j / count - 360.0 * k / belowCount), 360.0);
            gap = std::min({ gap, apart, 360 - apart });
        }
    }
    return gap;
}

} // namespace

void TestWoods::lumberPerWood_data()
{
    QTest::addColumn<double>("segments");
    QTest::addColumn<QString>("woods"); // as typed
    QTest::addColumn<QString>("perWood"); // or the refusal

    // clang-format off
    QTest::newRow("12, two woods") << 12.0 << "Maple + Walnut" << "Maple 6, Walnut 6";
    QTest::newRow("10, three woods") << 10.0 << "Maple+Walnut +Padauk" << "Maple 4, Walnut 3, Padauk 3";
    QTest::newRow("8, a wood twice") << 8.0 << "Maple + Walnut + Maple" << "Maple 5, Walnut 3";
    QTest::newRow("3, a wood each") << 3.0 << "Red Oak + Ash + Ebony" << "Red Oak 1, Ash 1, Ebony 1";
    QTest::newRow("7, one wood") << 7.0 << " Cherry " << "Cherry 7";
    QTest::newRow("9, no wood") << 9.0 << "  " << " 9";
    QTest::newRow("nothing after +") << 6.0 << "Maple + " << "\"Maple + \" is not allowed: the ring's wood, or";
    QTest::newRow("+ alone") << 6.0 << "+" << "\"+\" is not allowed";
    QTest::newRow("longer than the count") << 3.0 << "A + B + C + D"
        << "a pattern of 4 woods is not allowed: at most one wood for each of the ring's 3 segments";
    // clang-format on
}

// Each wood's strip is the ring's formula with its own count c: c (L + S) / 2 + (L - S) / 2 +
// (c - 1) k / cos(180° / n), L and S the ring's sides; its board feet the ring's times c / n.
void TestWoods::lumberPerWood()
{
    QFETCH(double, segments);
    QFETCH(QString, woods);
    QFETCH(QString, perWood);
    const RingReader::Reading reading = typed(segments, woods.toStdString());
    if (!reading.problems.empty()) {
        QCOMPARE(reading.problems.size(), 1u);
        QCOMPARE(reading.problems[0].field, RingField::wood);
        QVERIFY2(QString::fromStdString(reading.problems[0].message).startsWith(perWood),
            reading.problems[0].message.c_str());
        return;
    }
    const RingResult result = computeRingResult(reading.ring);
    QCOMPARE(segmentsOf(result.woods), perWood);
    // Segment by segment round the ring, the same count of each wood.
    for (const WoodLumber &wood : result.woods) {
        int segmentsOfWood = 0;
        for (std::size_t i = 0; i < std::size_t(segments); ++i)
            segmentsOfWood += segmentWood(result.design, i) == wood.wood ? 1 : 0;
        QCOMPARE(segmentsOfWood, wood.segments);
    }

    const double half = std::numbers::pi / segments;
    const double longSide = 2 * (5 + 0.25) * std::tan(half);
    const double shortSide = 2 * (4 - 0.25) * std::sin(half);
    double feet = 0;
    for (const WoodLumber &wood : result.woods) {
        const double c = wood.segments;
        const double strip = c * (longSide + shortSide) / 2 + (longSide - shortSide) / 2
            + (c - 1) * defaultKerf / std::cos(half);
        QVERIFY2(std::abs(*wood.stripLength - strip) < 1e-5, wood.wood.c_str());
        QCOMPARE(wood.boardFeet, *result.boardFeet * c / segments);
        feet += wood.boardFeet;
    }
    QVERIFY(std::abs(feet - *result.boardFeet) < 1e-12);
}

void TestWoods::farthestJoints_data()
{
    QTest::addColumn<int>("below");
    QTest::addColumn<int>("above");
    QTest::addColumn<double>("gap"); // hand-worked: half of 360 / lcm

    QTest::newRow("12 on 12: half a segment") << 12 << 12 << 15.0;
    QTest::newRow("12 on 8") << 8 << 12 << 7.5;
    QTest::newRow("16 on 24") << 24 << 16 << 3.75;
    QTest::newRow("24 on 3") << 3 << 24 << 7.5;
    QTest::newRow("7 on 9, no common joint") << 9 << 7 << 180.0 / 63;
    QTest::newRow("99 on 100") << 100 << 99 << 180.0 / 9900;
}

// The turn is the best of every turn tried in steps of a thousandth of a segment above: no step
// keeps the joints farther apart, and the best step is within a step of it.
void TestWoods::farthestJoints()
{
    QFETCH(int, below);
    QFETCH(int, above);
    QFETCH(double, gap);
    const double turn = farthestTurn(below, above);
    QVERIFY(std::abs(smallestGap(below, above, turn) - gap) < 1e-9);

    const double segment = 360.0 / above;
    const double step = segment / 1000;
    double best = 0;
    for (int i = 0; i < 1000; ++i)
        best = std::max(best, smallestGap(below, above, i * step));
    QVERIFY2(best <= gap + 1e-9 && best >= gap - step,
        qPrintable(QString("best step %1, turn %2").arg(best).arg(gap)));
}

// Each ring turned from the joints the ring below has, its own rotation included; a disc is a
// board of its wood (its pattern's first) with no joints, and the ring on it starts again as the
// bottom ring does. The lumber per wood, and per wood and board thickness, adds up every ring.
void TestWoods::vesselJoints()
{
    Vessel vessel;
    vessel.profile = { { 0, 0, false }, { 3, 0, true }, { 3, 5, true } };
    vessel.rings = { ring(8, "Walnut + Maple"), ring(12, "Maple"), ring(12, "Walnut", 1),
        ring(8, "Maple"), ring(12, "Walnut") };
    vessel.rings[1].rotation = -10;
    vessel.rings[3].rotation = 715; // two turns less 5°
    const VesselResults results = computeVessel(vessel);
    QStringList joints;
    for (const RingResult &result : results.rings) {
        joints << (result.kind == RingKind::disc ? "disc" : QString::number(result.rotation))
                + (result.turn ? ", " + QString::fromStdString(glueUpNote(*result.turn)) : "");
    }
    QCOMPARE(joints,
        QStringList({ "disc", "350", QString::fromUtf8("5, turn 15.0° from the ring below"),
            QString::fromUtf8("355, turn -10.0° from the ring below"),
            QString::fromUtf8("2.5, turn 7.5° from the ring below") }));

    const RingResult &disc = results.rings[0];
    QCOMPARE(segmentsOf(disc.woods), QStringLiteral("Walnut 0"));
    QVERIFY(disc.woods[0].boardFeet == *disc.boardFeet && !disc.woods[0].stripLength);
    QStringList lumber;
    for (const WoodTotal &wood : results.woods)
        lumber
            << QString("%1 %2 rings %3").arg(wood.wood.c_str()).arg(wood.segments).arg(wood.rings);
    for (const WoodTotal &wood : results.boards)
        lumber
            << QString("%1 %2 of %3").arg(wood.wood.c_str()).arg(wood.segments).arg(wood.thickness);
    QCOMPARE(lumber,
        QStringList({ "Walnut 24 rings 3", "Maple 20 rings 2", "Walnut 12 of 0.75",
            "Walnut 12 of 1", "Maple 20 of 0.75" }));
    const double walnut
        = *disc.boardFeet + *results.rings[2].boardFeet + *results.rings[4].boardFeet;
    QVERIFY(std::abs(results.woods[0].boardFeet - walnut) < 1e-12);
}

// The project's colours first, then the common woods' (palest to darkest), then a tone of the
// name's own: the same every time, brown or amber (red over green over blue).
void TestWoods::colours()
{
    const std::vector<Wood> project { { "Maple", "#123456" }, { "Cherry", "#abcdef" } };
    QCOMPARE(woodColour("Maple", project), "#123456");
    QCOMPARE(woodColour("CHERRY", project), "#abcdef");
    QCOMPARE(woodColour("padauk", project), "#c2451f");
    QCOMPARE(woodColour(" ", project), noWoodColour);

    QVERIFY(orvane::commonWoods().size() >= 12);
    double lastLightness = 256;
    for (const Wood &wood : orvane::commonWoods()) {
        const std::optional<Rgb> rgb = colourValue(wood.colour);
        QVERIFY2(rgb && isWoodName(wood.name), wood.name.c_str());
        const double lightness = 0.2126 * rgb->red + 0.7152 * rgb->green + 0.0722 * rgb->blue;
        QVERIFY2(lightness < lastLightness, wood.name.c_str());
        lastLightness = lightness;
    }
    const std::string zebrawood = woodColour("Zebrawood", {});
    const std::optional<Rgb> tone = colourValue(zebrawood);
    QVERIFY(tone && tone->red >= tone->green && tone->green >= tone->blue);
    QCOMPARE(woodColour("zebrawood", {}), zebrawood);
    for (const char *notAColour : { "e9d7b0", "#e9d7b", "#e9d7b0a", "#e9d7bg" })
        QVERIFY2(!isColour(notAColour), notAColour);
}

QTEST_APPLESS_MAIN(TestWoods)
#include "tst_woods.moc"
