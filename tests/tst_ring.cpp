// The ring geometry: segment lengths, radii and angles, and the miter angles, checked against
// worked rings and the closed forms of the trapezoid.

#include "core/angles.h"
#include "core/picture.h"
#include "core/ring.h"
#include "tests/support/ringrows.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace orvane;

class TestRing : public QObject
{
    Q_OBJECT

private slots:
    void workedRings_data();
    void workedRings();
    void angleCaptions_data();
    void angleCaptions();
    void angleCaptionsAgreeWithCount();
    void closedForms_data();
    void closedForms();
    void sidesJoinTheCorners_data();
    void sidesJoinTheCorners();
    void countsThatCannotBeComputed_data();
    void countsThatCannotBeComputed();
};

namespace {

constexpr double pi = 3.141593; // the program's own value; the closed forms use it too
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double infinity = std::numeric_limits<double>::infinity();
constexpr double realPi = 3.14159265358979323846;

Ring computed(const RingInputs &inputs)
{
    const std::optional<Ring> ring = computeRing(inputs);
    if (!ring)
        qFatal("no ring for %g segments", inputs.segmentCount);
    return *ring;
}

// The worked values by name. The distance from the centre to the short side is no field of its
// own: it is what the board width leaves of the outer radius.
double field(const Ring &r, const QString &name)
{
    const std::pair<const char *, double> fields[] = {
        { "centralAngle", r.centralAngle },
        { "innerDistance", r.outerRadius - r.boardWidth },
        { "boardWidth", r.boardWidth },
        { "shortSide", r.shortSide },
        { "longSide", r.longSide },
        { "cornerRadius", r.cornerRadius },
        { "outerRadius", r.outerRadius },
        { "innerRadius", r.innerRadius },
    };
    for (const auto &[fieldName, value] : fields)
        if (name == QLatin1String(fieldName))
            return value;
    qFatal("no field %s", qPrintable(name));
}

bool near(double actual, double expected, double tolerance)
{
    return std::fabs(actual - expected) <= tolerance;
}

QByteArray describe(const char *what, int n, double actual, double expected)
{
    return QByteArray(what) + " of n=" + QByteArray::number(n) + ": "
        + QByteArray::number(actual, 'g', 15) + " expected "
        + QByteArray::number(expected, 'g', 15);
}

// The captions under the headings "Long Side" and "Short Side" for a count.
QString longSideCaption(double segmentCount)
{
    const auto angles = miterAngles(segmentCount);
    return QString::fromStdString(
        angleText(angles ? std::optional(angles->longSide) : std::nullopt, anglePicture));
}

QString shortSideCaption(double segmentCount)
{
    const auto angles = miterAngles(segmentCount);
    return QString::fromStdString(
        angleText(angles ? std::optional(angles->shortSide) : std::nullopt, anglePicture));
}

} // namespace

void TestRing::workedRings_data()
{
    QTest::addColumn<RingInputs>("ring");
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("expected");

    const RingInputs initial { 6, 36, 30, 0.25 };
    QTest::newRow("6 centralAngle") << initial << "centralAngle" << 1.047197667;
    QTest::newRow("6 outerRadius") << initial << "outerRadius" << 18.25;
    QTest::newRow("6 innerRadius") << initial << "innerRadius" << 14.75;
    QTest::newRow("6 innerDistance") << initial << "innerDistance" << 12.773874280;
    QTest::newRow("6 boardWidth") << initial << "boardWidth" << 5.476125720;
    QTest::newRow("6 shortSide") << initial << "shortSide" << 14.750001475;
    QTest::newRow("6 longSide") << initial << "longSide" << 21.073287635;
    QTest::newRow("6 cornerRadius") << initial << "cornerRadius" << 21.073285528;

    const RingInputs twelve { 12, 10, 8, 0.25 };
    QTest::newRow("12 boardWidth") << twelve << "boardWidth" << 1.627778179;
    QTest::newRow("12 shortSide") << twelve << "shortSide" << 1.941143047;
    QTest::newRow("12 longSide") << twelve << "longSide" << 2.813466845;

    const RingInputs eight { 8, 12, 8, 0.125 };
    QTest::newRow("8 boardWidth") << eight << "boardWidth" << 2.544966876;
    QTest::newRow("8 shortSide") << eight << "shortSide" << 2.965796911;
    QTest::newRow("8 longSide") << eight << "longSide" << 5.074116761;

    QTest::newRow("7 longSide") << RingInputs { 7, 10, 6, 0.25 } << "longSide" << 5.056534138;
}

void TestRing::workedRings()
{
    QFETCH(RingInputs, ring);
    QFETCH(QString, name);
    QFETCH(double, expected);
    const double actual = field(computed(ring), name);
    QVERIFY2(near(actual, expected, 0.5e-9), QByteArray::number(actual, 'f', 12));
}

void TestRing::angleCaptions_data()
{
    QTest::addColumn<double>("segmentCount");
    QTest::addColumn<QString>("longSide"); // under "Long Side": 90 - 180 / n
    QTest::addColumn<QString>("shortSide"); // under "Short Side": 180 / n

    QTest::newRow("3") << 3.0 << "30.0°"
                       << "60.0°";
    QTest::newRow("4") << 4.0 << "45.0°"
                       << "45.0°";
    QTest::newRow("5") << 5.0 << "54.0°"
                       << "36.0°";
    QTest::newRow("6") << 6.0 << "60.0°"
                       << "30.0°";
    QTest::newRow("7") << 7.0 << "64.28571°"
                       << "25.71429°";
    QTest::newRow("8") << 8.0 << "67.5°"
                       << "22.5°";
    QTest::newRow("11") << 11.0 << "73.63636°"
                        << "16.36364°";
    QTest::newRow("12") << 12.0 << "75.0°"
                        << "15.0°";
    QTest::newRow("13") << 13.0 << "76.15385°"
                        << "13.84615°";
    QTest::newRow("16") << 16.0 << "78.75°"
                        << "11.25°";
    QTest::newRow("24") << 24.0 << "82.5°"
                        << "7.5°";
    QTest::newRow("30") << 30.0 << "84.0°"
                        << "6.0°";
}

void TestRing::angleCaptions()
{
    QFETCH(double, segmentCount);
    QFETCH(QString, longSide);
    QFETCH(QString, shortSide);
    QCOMPARE(longSideCaption(segmentCount), longSide);
    QCOMPARE(shortSideCaption(segmentCount), shortSide);
}

// For every count the two captions read back as 90 - 180 / n and 180 / n to their five decimals,
// and the saw is set 180 / n from square.
void TestRing::angleCaptionsAgreeWithCount()
{
    for (int n = 2; n <= 30; ++n) {
        QString longText = longSideCaption(n);
        QString shortText = shortSideCaption(n);
        QVERIFY(longText.endsWith(u'°') && shortText.endsWith(u'°'));
        longText.chop(1);
        shortText.chop(1);
        QVERIFY2(near(longText.toDouble(), 90 - 180.0 / n, 0.5e-5), qPrintable(longText));
        QVERIFY2(near(shortText.toDouble(), 180.0 / n, 0.5e-5), qPrintable(shortText));
        const auto cut = cutAngle(n);
        QVERIFY(cut.has_value());
        QVERIFY2(near(*cut, 180.0 / n, 1e-12), QByteArray::number(*cut, 'g', 17));
    }
}

void TestRing::closedForms_data()
{
    addRingRows();
}

// The lengths of the step-by-step computation against the closed forms of the trapezoid.
void TestRing::closedForms()
{
    QFETCH(RingInputs, ring);
    const double ro = ring.outerDiameter / 2 + ring.fudge;
    const double ri = ring.innerDiameter / 2 - ring.fudge;
    for (int n = 3; n <= 30; ++n) {
        ring.segmentCount = n;
        const Ring r = computed(ring);
        const double theta = (pi / 180) * (360.0 / n);
        const double tolerance = 1e-9 * (1 + std::fabs(ro) + std::fabs(ri));
        QCOMPARE(r.segmentCount, double(n));
        const struct
        {
            const char *name;
            double actual;
            double expected;
        } checks[] = {
            { "centralAngle", r.centralAngle, theta },
            { "halfAngle", r.halfAngle, theta / 2 },
            { "shortSide", r.shortSide, 2 * ri * std::sin(theta / 2) },
            { "longSide", r.longSide, 2 * ro * std::tan(theta / 2) },
            { "boardWidth", r.boardWidth, ro - ri * std::cos(theta / 2) },
            { "cornerRadius", r.cornerRadius, ro / std::cos(theta / 2) },
            { "outerRadius", r.outerRadius, ro },
            { "innerRadius", r.innerRadius, ri },
        };
        for (const auto &check : checks)
            QVERIFY2(near(check.actual, check.expected, tolerance),
                describe(check.name, n, check.actual, check.expected));
    }
}

void TestRing::sidesJoinTheCorners_data()
{
    addRingRows();
}

// The glued-up polygon closes: the first segment's long side, laid square to its centre line from
// the outer corner on the +x axis, ends on the next boundary, 360 / n degrees round, at the same
// distance from the centre; its short side, from the inner corner on the axis, ends on that
// boundary at the inner radius. The board width is the distance between the two sides.
void TestRing::sidesJoinTheCorners()
{
    QFETCH(RingInputs, ring);
    for (int n = 3; n <= 30; ++n) {
        ring.segmentCount = n;
        const Ring r = computed(ring);
        // The ring uses the program's pi while the directions here use the real one; they differ
        // by under 2e-7 radians.
        const double tolerance = 1e-6 * (1 + std::fabs(r.cornerRadius) + std::fabs(r.innerRadius));
        const double boundary = 2 * realPi / n;
        const double half = boundary / 2;
        // Square to the centre line at half the central angle, towards the next boundary.
        const double alongX = -std::sin(half), alongY = std::cos(half);

        const double outerX = r.cornerRadius + r.longSide * alongX;
        const double outerY = r.longSide * alongY;
        QVERIFY2(near(outerX, r.cornerRadius * std::cos(boundary), tolerance),
            describe("outer corner x", n, outerX, r.cornerRadius * std::cos(boundary)));
        QVERIFY2(near(outerY, r.cornerRadius * std::sin(boundary), tolerance),
            describe("outer corner y", n, outerY, r.cornerRadius * std::sin(boundary)));

        const double innerX = r.innerRadius + r.shortSide * alongX;
        const double innerY = r.shortSide * alongY;
        QVERIFY2(near(innerX, r.innerRadius * std::cos(boundary), tolerance),
            describe("inner corner x", n, innerX, r.innerRadius * std::cos(boundary)));
        QVERIFY2(near(innerY, r.innerRadius * std::sin(boundary), tolerance),
            describe("inner corner y", n, innerY, r.innerRadius * std::sin(boundary)));

        // Both sides stand square to the centre line: their distances from the centre differ by
        // the board width.
        const double between = (r.cornerRadius - r.innerRadius) * std::cos(half);
        QVERIFY2(near(r.boardWidth, between, tolerance),
            describe("board width", n, r.boardWidth, between));
    }
}

void TestRing::countsThatCannotBeComputed_data()
{
    QTest::addColumn<double>("segmentCount");
    QTest::newRow("zero") << 0.0;
    QTest::newRow("negative") << -6.0;
    QTest::newRow("above the largest count") << 101.0;
    QTest::newRow("far above") << 1e9;
    QTest::newRow("NaN") << notANumber;
    QTest::newRow("infinity") << infinity;
    QTest::newRow("minus infinity") << -infinity;
}

// Such a count makes no ring: no lengths, no angles and blank angle captions.
void TestRing::countsThatCannotBeComputed()
{
    QFETCH(double, segmentCount);
    QVERIFY(!countComputable(segmentCount));
    const std::optional<Ring> ring = computeRing(RingInputs { segmentCount, 36, 30, 0.25 });
    QVERIFY2(!ring.has_value(), QByteArray::number(ring ? ring->longSide : 0, 'g', 17));
    QVERIFY(!cutAngle(segmentCount).has_value());
    QVERIFY(!miterAngles(segmentCount).has_value());
    QCOMPARE(longSideCaption(segmentCount), QString());
    QCOMPARE(shortSideCaption(segmentCount), QString());
}

QTEST_APPLESS_MAIN(TestRing)
#include "tst_ring.moc"
