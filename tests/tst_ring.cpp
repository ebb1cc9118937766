// The ring geometry: segment lengths and angles, the boundary lines and the corners of the plan
// view, checked against the closed forms of the trapezoid.

#include "core/ring.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace orvane;

Q_DECLARE_METATYPE(RingInputs)

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
    void corners_data();
    void corners();
    void axisBoundariesGetAxisCorners();
    void boundaryLines_data();
    void boundaryLines();
    void countsThatCannotBeComputed_data();
    void countsThatCannotBeComputed();
};

namespace {

constexpr double pi = 3.141593; // the program's own value; the closed forms use it too
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double infinity = std::numeric_limits<double>::infinity();
constexpr double realPi = 3.14159265358979323846;

// The initial scale of the plan view: width 92.7 and top 50.
constexpr float initialWidth = 92.7f;
constexpr float initialTop = 50.f;

FormState computed(const RingInputs &inputs)
{
    FormState state;
    computeRing(state, inputs, initialWidth, initialTop);
    return state;
}

double field(const FormState &s, const QString &name)
{
    const std::pair<const char *, double> fields[] = {
        { "centralangle", s.centralangle },
        { "innerdist", s.innerdist },
        { "boardwidthlen", s.boardwidthlen },
        { "shortsidelen", s.shortsidelen },
        { "longsidelen", s.longsidelen },
        { "outerrad", s.outerrad },
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

QByteArray describe(const char *what, int n, int i, double actual, double expected)
{
    return QByteArray(what) + " of n=" + QByteArray::number(n) + " i=" + QByteArray::number(i)
        + ": " + QByteArray::number(actual, 'g', 15) + " expected "
        + QByteArray::number(expected, 'g', 15);
}

// Ring inputs with a name, for the data tables that run over many counts.
void addRingRows()
{
    QTest::addColumn<RingInputs>("ring");
    QTest::newRow("36/30/.25") << RingInputs { 0, 36, 30, 0.25 };
    QTest::newRow("10/8/.25") << RingInputs { 0, 10, 8, 0.25 };
    QTest::newRow("12/8/.125") << RingInputs { 0, 12, 8, 0.125 };
    QTest::newRow("no fudge") << RingInputs { 0, 20, 10, 0 };
    QTest::newRow("largest") << RingInputs { 0, 72, 71, 4 };
    QTest::newRow("smallest") << RingInputs { 0, 4, 3, 0 };
    QTest::newRow("inner radius below zero") << RingInputs { 0, 8, 3, 4 };
    QTest::newRow("inner above outer") << RingInputs { 0, 30, 30.25, 0 };
    QTest::newRow("equal diameters") << RingInputs { 0, 30, 30, 0.5 };
}

} // namespace

void TestRing::workedRings_data()
{
    QTest::addColumn<RingInputs>("ring");
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("expected");

    const RingInputs initial { 6, 36, 30, 0.25 };
    QTest::newRow("6 centralangle") << initial << "centralangle" << 1.047197667;
    QTest::newRow("6 innerdist") << initial << "innerdist" << 12.773874280;
    QTest::newRow("6 boardwidthlen") << initial << "boardwidthlen" << 5.476125720;
    QTest::newRow("6 shortsidelen") << initial << "shortsidelen" << 14.750001475;
    QTest::newRow("6 longsidelen") << initial << "longsidelen" << 21.073287635;
    QTest::newRow("6 outerrad") << initial << "outerrad" << 21.073285528;

    const RingInputs twelve { 12, 10, 8, 0.25 };
    QTest::newRow("12 boardwidthlen") << twelve << "boardwidthlen" << 1.627778179;
    QTest::newRow("12 shortsidelen") << twelve << "shortsidelen" << 1.941143047;
    QTest::newRow("12 longsidelen") << twelve << "longsidelen" << 2.813466845;

    const RingInputs eight { 8, 12, 8, 0.125 };
    QTest::newRow("8 boardwidthlen") << eight << "boardwidthlen" << 2.544966876;
    QTest::newRow("8 shortsidelen") << eight << "shortsidelen" << 2.965796911;
    QTest::newRow("8 longsidelen") << eight << "longsidelen" << 5.074116761;

    QTest::newRow("7 longsidelen") << RingInputs { 7, 10, 6, 0.25 } << "longsidelen" << 5.056534138;
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
    QTest::addColumn<double>("numsegs");
    QTest::addColumn<QString>("shortangle"); // under "Long Side": 90 - 180 / n
    QTest::addColumn<QString>("longangle"); // under "Short Side": 180 / n

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
    QFETCH(double, numsegs);
    QFETCH(QString, shortangle);
    QFETCH(QString, longangle);
    QCOMPARE(QString::fromStdString(shortAngleCaption(numsegs)), shortangle);
    QCOMPARE(QString::fromStdString(longAngleCaption(numsegs)), longangle);
}

// For every count the two captions read back as 90 - 180 / n and 180 / n to their five decimals.
void TestRing::angleCaptionsAgreeWithCount()
{
    for (int n = 2; n <= 30; ++n) {
        QString shortText = QString::fromStdString(shortAngleCaption(n));
        QString longText = QString::fromStdString(longAngleCaption(n));
        QVERIFY(shortText.endsWith(u'°') && longText.endsWith(u'°'));
        shortText.chop(1);
        longText.chop(1);
        QVERIFY2(near(shortText.toDouble(), 90 - 180.0 / n, 0.5e-5), qPrintable(shortText));
        QVERIFY2(near(longText.toDouble(), 180.0 / n, 0.5e-5), qPrintable(longText));
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
    const double ro = ring.outerdiam / 2 + ring.fudge;
    const double ri = ring.innerdiam / 2 - ring.fudge;
    for (int n = 3; n <= 30; ++n) {
        ring.numsegs = n;
        const FormState s = computed(ring);
        const double theta = (pi / 180) * (360.0 / n);
        const double tolerance = 1e-9 * (1 + std::fabs(ro) + std::fabs(ri));
        const struct
        {
            const char *name;
            double actual;
            double expected;
        } checks[] = {
            { "centralangle", s.centralangle, theta },
            { "shortsidelen", s.shortsidelen, 2 * ri * std::sin(theta / 2) },
            { "longsidelen", s.longsidelen, 2 * ro * std::tan(theta / 2) },
            { "boardwidthlen", s.boardwidthlen, ro - ri * std::cos(theta / 2) },
            { "outerrad", s.outerrad, ro / std::cos(theta / 2) },
            { "innerrad", s.innerrad, ri },
        };
        for (const auto &check : checks)
            QVERIFY2(near(check.actual, check.expected, tolerance),
                describe(check.name, n, 0, check.actual, check.expected));
    }
}

void TestRing::corners_data()
{
    addRingRows();
}

// Corner i of the glued-up polygon lies on boundary i, i * 360 / n degrees round from the +x axis:
// the outer corners at distance outerrad from the centre, the inner ones at the inner radius.
void TestRing::corners()
{
    QFETCH(RingInputs, ring);
    const double ri = ring.innerdiam / 2 - ring.fudge;
    FormState s;
    for (int n = 3; n <= 30; ++n) {
        ring.numsegs = n;
        computeRing(s, ring, initialWidth, initialTop);
        const double cx = s.centerx;
        const double cy = s.centery;
        // The corners use the program's pi while the directions here use the real one; they
        // differ by under 2e-7 radians.
        const double tolerance = 1e-6 * (1 + std::fabs(s.outerrad));
        for (int i = 1; i <= n; ++i) {
            const double angle = i * (2 * realPi / n);
            const double ox = cx + s.outerrad * std::cos(angle);
            const double oy = cy + s.outerrad * std::sin(angle);
            const double ix = cx + ri * std::cos(angle);
            const double iy = cy + ri * std::sin(angle);
            QVERIFY2(near(s.outerx[i], ox, tolerance), describe("outerx", n, i, s.outerx[i], ox));
            QVERIFY2(near(s.outery[i], oy, tolerance), describe("outery", n, i, s.outery[i], oy));
            QVERIFY2(near(s.innerx[i], ix, tolerance), describe("innerx", n, i, s.innerx[i], ix));
            QVERIFY2(near(s.innery[i], iy, tolerance), describe("innery", n, i, s.innery[i], iy));
            const double outerDistance = std::hypot(s.outerx[i] - cx, s.outery[i] - cy);
            const double innerDistance = std::hypot(s.innerx[i] - cx, s.innery[i] - cy);
            QVERIFY2(near(outerDistance, std::fabs(s.outerrad), 1e-9 * (1 + std::fabs(s.outerrad))),
                describe("outer distance", n, i, outerDistance, s.outerrad));
            QVERIFY2(near(innerDistance, std::fabs(ri), 1e-9 * (1 + std::fabs(ri))),
                describe("inner distance", n, i, innerDistance, ri));
        }
        // The last boundary is the +x axis, where the first segment starts.
        QCOMPARE(s.outerx[n], cx + s.outerrad);
        QCOMPARE(s.outery[n], cy);
        QCOMPARE(s.innerx[n], cx + ri);
        QCOMPARE(s.innery[n], cy);
        QCOMPARE(s.outer0x, cx + s.outerrad);
        QCOMPARE(s.outer0y, cy);
        // The first segment's far corners fall on the first boundary.
        QVERIFY2(near(s.outer1x, s.outerx[1], tolerance),
            describe("outer1x", n, 1, s.outer1x, s.outerx[1]));
        QVERIFY2(near(s.outer1y, s.outery[1], tolerance),
            describe("outer1y", n, 1, s.outer1y, s.outery[1]));
        QVERIFY2(near(s.inner1x, s.innerx[1], tolerance),
            describe("inner1x", n, 1, s.inner1x, s.innerx[1]));
        QVERIFY2(near(s.inner1y, s.innery[1], tolerance),
            describe("inner1y", n, 1, s.inner1y, s.innery[1]));
    }
}

// A boundary at 90, 180, 270 or 360 degrees gets its corners straight on the axis, whatever an
// earlier ring with another count left in the tables.
void TestRing::axisBoundariesGetAxisCorners()
{
    // Boundary i lies on an axis when i * 360 / n is a multiple of 90; (4 * i) / n then counts
    // the quarter turns: +y, -x, -y, +x.
    static const int directions[4][2] = { { 0, 1 }, { -1, 0 }, { 0, -1 }, { 1, 0 } };
    FormState s;
    for (const int n : { 7, 5, 3, 11, 13, 29 }) // fill the tables with ordinary quadrants
        computeRing(s, RingInputs { double(n), 36, 30, 0.25 }, 84, 84);
    for (int n = 1; n <= 30; ++n) {
        computeRing(s, RingInputs { double(n), 36, 30, 0.25 }, 84, 84);
        const double cx = s.centerx;
        const double cy = s.centery;
        for (int i = 1; i <= n; ++i) {
            if ((4 * i) % n != 0)
                continue;
            const int *d = directions[(4 * i) / n - 1];
            const double tolerance = 1e-12 * (1 + std::fabs(s.outerrad));
            const double ox = cx + d[0] * s.outerrad, oy = cy + d[1] * s.outerrad;
            const double ix = cx + d[0] * s.innerrad, iy = cy + d[1] * s.innerrad;
            QVERIFY2(near(s.outerx[i], ox, tolerance), describe("outerx", n, i, s.outerx[i], ox));
            QVERIFY2(near(s.outery[i], oy, tolerance), describe("outery", n, i, s.outery[i], oy));
            QVERIFY2(near(s.innerx[i], ix, tolerance), describe("innerx", n, i, s.innerx[i], ix));
            QVERIFY2(near(s.innery[i], iy, tolerance), describe("innery", n, i, s.innery[i], iy));
        }
    }
}

void TestRing::boundaryLines_data()
{
    QTest::addColumn<float>("scaleWidth");
    QTest::addColumn<float>("scaleTop");
    QTest::addColumn<double>("centerx");
    QTest::addColumn<double>("centery");

    QTest::newRow("initial") << 92.7f << 50.f << double(46.35f) << 25.0;
    QTest::newRow("centred") << 84.f << 84.f << 42.0 << 42.0;
    QTest::newRow("zoomed out") << 185.4f << 100.f << double(92.7f) << 50.0;
    QTest::newRow("zoomed in") << 46.35f << 25.f << double(23.175f) << 12.5;
    QTest::newRow("top below zero") << 300.f << -60.f << 150.0 << -30.0;
}

// Each boundary line runs from the centre 100 units out along its own boundary, also where the
// centre has moved away from the origin.
void TestRing::boundaryLines()
{
    QFETCH(float, scaleWidth);
    QFETCH(float, scaleTop);
    QFETCH(double, centerx);
    QFETCH(double, centery);
    FormState s;
    for (int n = 1; n <= 30; ++n) {
        computeRing(s, RingInputs { double(n), 36, 30, 0.25 }, scaleWidth, scaleTop);
        QCOMPARE(double(s.centerx), centerx);
        QCOMPARE(double(s.centery), centery);
        for (int i = 1; i <= n; ++i) {
            const double angle = i * (2 * realPi / n);
            const double x = centerx + 100 * std::cos(angle);
            const double y = centery + 100 * std::sin(angle);
            QVERIFY2(near(s.spokex[i], x, 1e-4), describe("spokex", n, i, s.spokex[i], x));
            QVERIFY2(near(s.spokey[i], y, 1e-4), describe("spokey", n, i, s.spokey[i], y));
        }
    }
}

void TestRing::countsThatCannotBeComputed_data()
{
    QTest::addColumn<double>("numsegs");
    QTest::newRow("zero") << 0.0;
    QTest::newRow("negative") << -6.0;
    QTest::newRow("above the tables") << 31.0;
    QTest::newRow("far above") << 1e9;
    QTest::newRow("NaN") << notANumber;
    QTest::newRow("infinity") << infinity;
    QTest::newRow("minus infinity") << -infinity;
}

// Nothing is shown for such a count, nothing of an earlier ring is left standing as its result,
// and the boundary tables are left alone.
void TestRing::countsThatCannotBeComputed()
{
    QFETCH(double, numsegs);
    FormState s;
    computeRing(s, RingInputs { 6, 36, 30, 0.25 }, initialWidth, initialTop);
    const FormState before = s;

    computeRing(s, RingInputs { numsegs, 36, 30, 0.25 }, initialWidth, initialTop);
    QVERIFY(std::isnan(s.centralangle));
    QVERIFY(std::isnan(s.longsidelen));
    QVERIFY(std::isnan(s.shortsidelen));
    QVERIFY(std::isnan(s.boardwidthlen));
    QVERIFY(std::isnan(s.outerrad));
    QCOMPARE(s.pi, pi);
    QVERIFY(s.refangle == before.refangle);
    QVERIFY(s.quadrant == before.quadrant);
    QVERIFY(s.spokex == before.spokex && s.spokey == before.spokey);
    QVERIFY(s.outerx == before.outerx && s.outery == before.outery);
    QVERIFY(s.innerx == before.innerx && s.innery == before.innery);

    QCOMPARE(QString::fromStdString(shortAngleCaption(numsegs)), QString());
    QCOMPARE(QString::fromStdString(longAngleCaption(numsegs)), QString());
}

QTEST_APPLESS_MAIN(TestRing)
#include "tst_ring.moc"
