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
    void typedWoods_data();
    void typedWoods();
    void lumberPerWood_data();
    void lumberPerWood();
    void farthestJoints_data();
    void farthestJoints();
    void vesselJoints();
    void discs();
    void colours_data();
    void colours();
    void commonWoods();
};

namespace {

RingDesign ring(double segments, const std::string &woods, double thickness = 0.75)
{
    RingReader reader(ringOf(RingInputs { segments, 10, 8, 0.25 }, thickness));
    reader.text(RingField::wood, woods);
    const RingReader::Reading reading = reader.finish();
    if (!reading.problems.empty())
        qFatal("refused: %s", reading.problems.front().message.c_str());
    return reading.ring;
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

void TestWoods::typedWoods_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("wood");
    QTest::addColumn<QStringList>("pattern");
    QTest::addColumn<bool>("refused");

    QTest::newRow("one wood") << " Walnut "
                              << "Walnut" << QStringList() << false;
    QTest::newRow("no wood") << "  "
                             << "" << QStringList() << false;
    QTest::newRow("two woods") << "Maple + Walnut"
                               << "" << QStringList { "Maple", "Walnut" } << false;
    QTest::newRow("no blanks, a wood twice")
        << "Maple+Walnut+Maple"
        << "" << QStringList { "Maple", "Walnut", "Maple" } << false;
    QTest::newRow("a name of two words") << "Red Oak +  Ebony"
                                         << "" << QStringList { "Red Oak", "Ebony" } << false;
    QTest::newRow("nothing after +") << "Maple + "
                                     << "" << QStringList() << true;
    QTest::newRow("nothing before +") << "+ Maple"
                                      << "" << QStringList() << true;
    QTest::newRow("nothing between") << "Maple + + Walnut"
                                     << "" << QStringList() << true;
    QTest::newRow("+ alone") << "+"
                             << "" << QStringList() << true;
}

void TestWoods::typedWoods()
{
    QFETCH(QString, typed);
    QFETCH(QString, wood);
    QFETCH(QStringList, pattern);
    QFETCH(bool, refused);
    const WoodReading reading = readWoodField(typed.toStdString());
    QCOMPARE(QString::fromStdString(reading.wood), wood);
    QStringList names;
    for (const std::string &name : reading.pattern)
        names << QString::fromStdString(name);
    QCOMPARE(names, pattern);
    QCOMPARE(QString::fromStdString(reading.problem),
        refused ? '"' + typed + "\" is not allowed: " + QString::fromUtf8(woodAllowed.data())
                : QString());
}

void TestWoods::lumberPerWood_data()
{
    QTest::addColumn<double>("segments");
    QTest::addColumn<QString>("woods");
    QTest::addColumn<QString>("perWood");

    QTest::newRow("12, two woods") << 12.0 << "Maple + Walnut"
                                   << "Maple 6, Walnut 6";
    QTest::newRow("10, three woods") << 10.0 << "Maple + Walnut + Padauk"
                                     << "Maple 4, Walnut 3, Padauk 3";
    QTest::newRow("8, a wood twice in the pattern") << 8.0 << "Maple + Walnut + Maple"
                                                    << "Maple 5, Walnut 3";
    QTest::newRow("3, a wood each") << 3.0 << "Ash + Oak + Ebony"
                                    << "Ash 1, Oak 1, Ebony 1";
    QTest::newRow("7, one wood") << 7.0 << "Cherry"
                                 << "Cherry 7";
    QTest::newRow("9, no wood") << 9.0 << ""
                                << " 9";
}

// Each wood's strip is the ring's formula with its own count c: c (L + S) / 2 + (L - S) / 2 +
// (c - 1) k / cos(180° / n), L and S the ring's sides; its board feet the ring's times c / n.
void TestWoods::lumberPerWood()
{
    QFETCH(double, segments);
    QFETCH(QString, woods);
    QFETCH(QString, perWood);
    const RingResult result = computeRingResult(ring(segments, woods.toStdString()));
    QCOMPARE(segmentsOf(result.woods), perWood);

    const double half = std::numbers::pi / segments;
    const double longSide = 2 * (5 + 0.25) * std::tan(half);
    const double shortSide = 2 * (4 - 0.25) * std::sin(half);
    double feet = 0;
    for (const WoodLumber &wood : result.woods) {
        const double c = wood.segments;
        const double strip = c * (longSide + shortSide) / 2 + (longSide - shortSide) / 2
            + (c - 1) * defaultKerf / std::cos(half);
        QVERIFY2(std::abs(wood.stripLength->inches - strip) < 1e-5, wood.wood.c_str());
        QCOMPARE(wood.boardFeet, *result.boardFeet * c / segments);
        feet += wood.boardFeet;
    }
    QVERIFY(std::abs(feet - *result.boardFeet) < 1e-12);
    // The ring's own strip is the one wood's when it has one.
    if (result.woods.size() == 1)
        QCOMPARE(result.woods[0].stripLength->inches, result.stripLength->inches);
}

void TestWoods::farthestJoints_data()
{
    QTest::addColumn<int>("below");
    QTest::addColumn<int>("above");
    QTest::addColumn<double>("gap"); // hand-worked: half of 360 / lcm

    QTest::newRow("12 on 12: half a segment") << 12 << 12 << 15.0;
    QTest::newRow("7 on 7") << 7 << 7 << 180.0 / 7;
    QTest::newRow("12 on 8") << 8 << 12 << 7.5;
    QTest::newRow("8 on 12") << 12 << 8 << 7.5;
    QTest::newRow("9 on 6") << 6 << 9 << 10.0;
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

// Rings turned from the joints the ring below has, its own rotation included.
void TestWoods::vesselJoints()
{
    Vessel vessel;
    vessel.rings = { ring(12, "Maple"), ring(12, "Walnut"), ring(8, "Maple"), ring(12, "Walnut"),
        ring(12, "Maple + Walnut") };
    vessel.rings[0].rotation = -10; // the bottom ring's own
    vessel.rings[2].rotation = 370; // a whole turn and 10°
    const VesselResults results = computeVessel(vessel);

    QStringList rotations;
    QStringList notes;
    for (const RingResult &result : results.rings) {
        rotations << QString::number(result.rotation);
        notes << (result.turn ? QString::fromStdString(glueUpNote(*result.turn)) : "-");
    }
    QCOMPARE(rotations, QStringList({ "350", "5", "10", "17.5", "32.5" }));
    QCOMPARE(notes,
        QStringList({ "-", QString::fromUtf8("turn 15.0° from the ring below"),
            QString::fromUtf8("turn 5.0° from the ring below"),
            QString::fromUtf8("turn 7.5° from the ring below"),
            QString::fromUtf8("turn 15.0° from the ring below") }));
    // A turn the other way is said as one: 350° counter-clockwise is 10° clockwise.
    QCOMPARE(turnBetween(20, 10), -10.0);
    QCOMPARE(QString::fromStdString(glueUpNote(-10)),
        QString::fromUtf8("turn -10.0° from the ring below"));
}

// A disc is a board of its wood (its pattern's first) with no joints: the ring on it starts
// again at 0. Lumber per wood and per wood and thickness add up the rings and the disc.
void TestWoods::discs()
{
    Vessel vessel;
    vessel.profile = { { 0, 0, false }, { 3, 0, true }, { 3, 4, true } };
    vessel.rings = { ring(8, "Walnut + Maple"), ring(12, "Maple"), ring(12, "Walnut", 1),
        ring(6, "Walnut") };
    const VesselResults results = computeVessel(vessel);
    QCOMPARE(results.rings.size(), 4u);
    const RingResult &disc = results.rings[0];
    QCOMPARE(disc.kind, RingKind::disc);
    QCOMPARE(segmentsOf(disc.woods), QStringLiteral("Walnut 0"));
    QCOMPARE(disc.woods[0].boardFeet, *disc.boardFeet);
    QVERIFY(!disc.woods[0].stripLength);
    QVERIFY(!disc.turn && !results.rings[1].turn);
    QCOMPARE(results.rings[1].rotation, 0.0);
    QCOMPARE(results.rings[2].turn.value_or(0), 15.0);
    QCOMPARE(results.rings[3].turn.value_or(0), 15.0);

    QStringList perWood;
    for (const WoodTotal &wood : results.woods)
        perWood << QString("%1 %2 %3").arg(wood.wood.c_str()).arg(wood.rings).arg(wood.segments);
    QCOMPARE(perWood, QStringList({ "Walnut 3 18", "Maple 1 12" }));
    QStringList perBoard;
    for (const WoodTotal &wood : results.boards)
        perBoard
            << QString("%1 %2 %3").arg(wood.wood.c_str()).arg(wood.thickness).arg(wood.segments);
    QCOMPARE(perBoard, QStringList({ "Walnut 0.75 6", "Walnut 1 12", "Maple 0.75 12" }));
    const double walnut
        = *disc.boardFeet + *results.rings[2].boardFeet + *results.rings[3].boardFeet;
    QVERIFY(std::abs(results.woods[0].boardFeet - walnut) < 1e-12);
    QCOMPARE(results.woods[0].stripLength,
        results.rings[2].stripLength->inches + results.rings[3].stripLength->inches);
}

void TestWoods::colours_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("colour");

    QTest::newRow("the project's own first") << "Maple"
                                             << "#123456";
    QTest::newRow("the project's, in another case") << "CHERRY"
                                                    << "#abcdef";
    QTest::newRow("a common wood") << "Walnut"
                                   << "#5b3d2a";
    QTest::newRow("a common wood in lower case") << "padauk"
                                                 << "#c2451f";
    QTest::newRow("no wood") << "" << QString::fromUtf8(noWoodColour.data());
}

void TestWoods::colours()
{
    QFETCH(QString, name);
    QFETCH(QString, colour);
    const std::vector<Wood> project { { "Maple", "#123456" }, { "Cherry", "#abcdef" } };
    QCOMPARE(QString::fromStdString(woodColour(name.toStdString(), project)), colour);
}

void TestWoods::commonWoods()
{
    const std::vector<Wood> &woods = orvane::commonWoods();
    QVERIFY(woods.size() >= 12);
    double lastLightness = 256;
    for (const Wood &wood : woods) {
        QVERIFY(isWoodName(wood.name));
        const std::optional<Rgb> rgb = colourValue(wood.colour);
        QVERIFY2(rgb && colourText(*rgb) == wood.colour, wood.colour.c_str());
        // From the palest to the darkest.
        const double lightness = 0.2126 * rgb->red + 0.7152 * rgb->green + 0.0722 * rgb->blue;
        QVERIFY2(lightness < lastLightness, wood.name.c_str());
        lastLightness = lightness;
    }
    // A wood the program does not know has a tone of its own, the same every time: brown or
    // amber, red over green over blue, and told apart from another.
    const std::string zebrawood = woodColour("Zebrawood", {});
    const std::optional<Rgb> tone = colourValue(zebrawood);
    QVERIFY(tone && tone->red >= tone->green && tone->green >= tone->blue);
    QCOMPARE(woodColour("zebrawood", {}), zebrawood);
    QVERIFY(woodColour("Bubinga", {}) != zebrawood);
    QVERIFY(colourValue("#E9D7B0") == (Rgb { 0xe9, 0xd7, 0xb0 }));
    for (const char *notAColour : { "e9d7b0", "#e9d7b", "#e9d7b0a", "#e9d7bg", "" })
        QVERIFY2(!isColour(notAColour), notAColour);
}

QTEST_APPLESS_MAIN(TestWoods)
#include "tst_woods.moc"
