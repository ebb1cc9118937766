// The cut list of the full-size template: the same angles and lengths as the window shows, in
// millimetres too, and the strip the segments are cut from, against a strip laid out cut by cut.

#include "report/templatecutlist.h"
#include "tests/support/expected.h"

#include <QTest>

#include <cmath>

using orvane::CutList;
using orvane::makeTemplateRing;
using orvane::RingDesign;
using orvane::ringOf;
using orvane::TemplateRing;

Q_DECLARE_METATYPE(expected::Ring)
Q_DECLARE_METATYPE(orvane::TemplateRing)

namespace {

constexpr double programPi = 3.141593;
constexpr double inchesPerMillimetre = 1 / 25.4;

TemplateRing templateRing(const expected::Ring &ring, double kerf = 0.125)
{
    return makeTemplateRing(QStringLiteral("Test"),
        ringOf({ double(ring.segmentCount), ring.outerDiameter, ring.innerDiameter, ring.fudge },
            ring.thickness, kerf));
}

// The strip's length found by laying the segments out along it, one after another, each turned
// over from the one before: every cut runs at 180/n degrees from square, so a kerf k wide takes
// k / cos(180/n) of the strip's length, and the strip starts and ends square.
double stripLaidOut(int n, double L, double S, double k)
{
    const double overhang = (L - S) / 2;
    const double alongStrip = k / std::cos(programPi / n);
    // Where the current segment's left end cut meets the strip's bottom and top edges; the
    // first segment has its long side on the bottom edge, starting at the strip's square end.
    double bottom = 0;
    double top = overhang;
    double end = 0;
    for (int i = 0; i < n; ++i) {
        const bool longSideDown = i % 2 == 0;
        const double rightBottom = bottom + (longSideDown ? L : S);
        const double rightTop = top + (longSideDown ? S : L);
        end = std::max(rightBottom, rightTop);
        bottom = rightBottom + alongStrip;
        top = rightTop + alongStrip;
    }
    return end;
}

QString millimetres(double inches)
{
    return QString::number(inches * 25.4, 'f', 1) + QStringLiteral(" mm");
}

} // namespace

class TestTemplateCutList : public QObject
{
    Q_OBJECT

private slots:
    void workedExample();
    void asTheWindowShowsIt_data();
    void asTheWindowShowsIt();
    void stripLength_data();
    void stripLength();
    void refusedRings_data();
    void refusedRings();
};

// The example of the strip's formula: 12 segments, 10 and 7 inches, fudge 0.25, kerf 0.125.
void TestTemplateCutList::workedExample()
{
    const auto list = orvane::cutList(templateRing({ 12, 10, 7, 0.25, 0.75 }));
    QVERIFY(list);
    QCOMPARE(list->longSide.decimal, QStringLiteral("2.81347"));
    QCOMPARE(list->shortSide.decimal, QStringLiteral("1.68232"));
    QVERIFY2(std::abs(list->stripLength - 28.96) < 0.005, qPrintable(list->strip.decimal));
    QCOMPARE(list->kerf.fraction, QStringLiteral(" 0  1/ 8"));
    QCOMPARE(list->kerf.millimetres, QStringLiteral("3.2 mm"));
    QCOMPARE(list->sawAngle, QStringLiteral("15.0°"));
    QCOMPARE(list->segmentCount, QStringLiteral("12"));
    QCOMPARE(list->outerDiameter, QStringLiteral("10 in"));
    QCOMPARE(list->fudge, QStringLiteral("0.25 in"));
    QCOMPARE(list->thickness, QStringLiteral("0.75 in"));
}

void TestTemplateCutList::asTheWindowShowsIt_data()
{
    QTest::addColumn<expected::Ring>("ring");
    QTest::newRow("start") << expected::Ring {};
    QTest::newRow("7 segments") << expected::Ring { 7, 36, 30, 0.25, 0.75 };
    QTest::newRow("8 segments, no fudge") << expected::Ring { 8, 12, 9, 0, 1 };
    QTest::newRow("largest") << expected::Ring { 24, 72, 71, 4, 8 };
    QTest::newRow("smallest") << expected::Ring { 4, 4, 3, 0, 0.25 };
}

// Every angle and length of the cut list reads as the window's caption for it: the angle under
// "Long Side" is 90 - 180/n, under "Short Side" 180/n; millimetres to a tenth.
void TestTemplateCutList::asTheWindowShowsIt()
{
    QFETCH(expected::Ring, ring);
    const auto list = orvane::cutList(templateRing(ring));
    QVERIFY(list);
    const QMap<QString, QString> captions = expected::captions(ring);
    QCOMPARE(list->longSideAngle, captions[QStringLiteral("shortangle")]);
    QCOMPARE(list->shortSideAngle, captions[QStringLiteral("longangle")]);
    QCOMPARE(list->sawAngle, expected::angle(180.0 / ring.segmentCount));
    QCOMPARE(list->longSide.fraction, captions[QStringLiteral("longside")]);
    QCOMPARE(list->longSide.decimal, captions[QStringLiteral("longsidedec")]);
    QCOMPARE(list->shortSide.fraction, captions[QStringLiteral("shortside")]);
    QCOMPARE(list->shortSide.decimal, captions[QStringLiteral("shortsidedec")]);
    QCOMPARE(list->boardWidth.fraction, captions[QStringLiteral("bwidth")]);
    QCOMPARE(list->boardWidth.decimal, captions[QStringLiteral("boardwidthdec")]);
    QCOMPARE(list->boardFeet, captions[QStringLiteral("boardfeet")]);
    QCOMPARE(list->longSide.millimetres, millimetres(expected::longSide(ring)));
    QCOMPARE(list->shortSide.millimetres, millimetres(expected::shortSide(ring)));
    QCOMPARE(list->boardWidth.millimetres, millimetres(expected::boardWidth(ring)));
}

void TestTemplateCutList::stripLength_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<double>("kerf");
    for (const int count : { 4, 5, 6, 7, 8, 12, 16, 24, 30 }) {
        QTest::addRow("%d segments, kerf 1/8", count) << count << 0.125;
        QTest::addRow("%d segments, no kerf", count) << count << 0.0;
        QTest::addRow("%d segments, kerf 3 mm", count) << count << 3 * inchesPerMillimetre;
    }
}

// n (L + S) / 2 + (L - S) / 2 + (n - 1) k / cos(180/n), the formula the cut list states, is the
// length of the strip laid out cut by cut; and it is shown as the window shows lengths.
void TestTemplateCutList::stripLength()
{
    QFETCH(int, count);
    QFETCH(double, kerf);
    const expected::Ring ring { count, 10, 7, 0.25, 0.75 };
    const double L = expected::longSide(ring);
    const double S = expected::shortSide(ring);
    const double laidOut = stripLaidOut(count, L, S, kerf);
    const double formula
        = count * (L + S) / 2 + (L - S) / 2 + (count - 1) * kerf / std::cos(programPi / count);
    QVERIFY2(std::abs(laidOut - formula) < 1e-9,
        qPrintable(QStringLiteral("%1 laid out, %2 by the formula").arg(laidOut).arg(formula)));

    const auto list = orvane::cutList(templateRing(ring, kerf));
    QVERIFY(list);
    QVERIFY2(std::abs(list->stripLength - laidOut) < 1e-9,
        qPrintable(QStringLiteral("%1 instead of %2").arg(list->stripLength).arg(laidOut)));
    QCOMPARE(list->strip.fraction, expected::sixteenths(laidOut));
    QCOMPARE(list->strip.decimal, expected::fiveDecimals(laidOut));
    QCOMPARE(list->strip.millimetres, millimetres(laidOut));
}

void TestTemplateCutList::refusedRings_data()
{
    QTest::addColumn<TemplateRing>("ring");
    QTest::addColumn<bool>("refused");
    const auto ring = [](double n, double D, double d, double f, double k) {
        return makeTemplateRing(QStringLiteral("Test"), ringOf({ n, D, d, f }, 0.75, k));
    };
    QTest::newRow("start") << ring(6, 36, 30, 0.25, 0.125) << false;
    QTest::newRow("no kerf") << ring(6, 36, 30, 0.25, 0) << false;
    QTest::newRow("kerf of an inch") << ring(6, 36, 30, 0.25, 1) << false;
    QTest::newRow("count 0") << ring(0, 36, 30, 0.25, 0.125) << true;
    QTest::newRow("count 101") << ring(101, 36, 30, 0.25, 0.125) << true;
    QTest::newRow("no thickness") << makeTemplateRing(
        QStringLiteral("Test"), ringOf({ 12, 10, 7, 0.25 }, std::nullopt))
                                  << true;
    QTest::newRow("inner below twice the fudge") << ring(12, 10, 0.4, 0.25, 0.125) << true;
    QTest::newRow("count 100") << ring(100, 72, 71, 0.25, 0.125) << false;
    QTest::newRow("inner larger than outer") << ring(6, 10, 12, 0, 0.125) << true;
    QTest::newRow("inner radius below zero") << ring(6, 10, 3, 2, 0.125) << true;
    QTest::newRow("outer diameter infinite") << ring(6, INFINITY, 30, 0.25, 0.125) << true;
    QTest::newRow("fudge not a number") << ring(6, 36, 30, NAN, 0.125) << true;
    QTest::newRow("negative kerf") << ring(6, 36, 30, 0.25, -0.01) << true;
    QTest::newRow("kerf over an inch") << ring(6, 36, 30, 0.25, 1.01) << true;
    QTest::newRow("kerf infinite") << ring(6, 36, 30, 0.25, INFINITY) << true;
    QTest::newRow("kerf not a number") << ring(6, 36, 30, 0.25, NAN) << true;
}

// A ring that makes no trapezoid, or a kerf that is no saw's, makes no cut list, and says why.
void TestTemplateCutList::refusedRings()
{
    QFETCH(TemplateRing, ring);
    QFETCH(bool, refused);
    const auto problem = orvane::templateProblem(ring);
    QCOMPARE(bool(problem), refused);
    QCOMPARE(bool(orvane::cutList(ring)), !refused);
    if (problem)
        QVERIFY(!problem->isEmpty());
}

QTEST_MAIN(TestTemplateCutList)
#include "tst_templatecutlist.moc"
