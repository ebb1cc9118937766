// What a vessel prints, read back from the PDF: every page names the project and counts the pages,
// every ring has its row once with the numbers worked out from the segment's closed forms, the
// lumber is totalled per wood, and the templates of all rings come in one file under the project's
// and the ring's names.

#include "core/vessel.h"
#include "report/cutlistpages.h"
#include "tests/support/expected.h"
#include "tests/support/pdfpage.h"

#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using orvane::RingSpec;
using orvane::Units;
using orvane::Vessel;

Q_DECLARE_METATYPE(orvane::Vessel)

namespace {

constexpr double pi = 3.141593; // as the closed forms take it

RingSpec ring(const char *name, int n, double outer, double inner, double thickness,
    const char *wood, double fudge = 0.25)
{
    RingSpec spec = orvane::defaultRing();
    spec.name = name;
    spec.inputs = { double(n), outer, inner, fudge };
    spec.thickness = thickness;
    spec.wood = wood;
    return spec;
}

Vessel vase(Units units = Units::inches)
{
    Vessel vessel;
    vessel.name = "Tall Vase";
    vessel.units = units;
    vessel.rings = { ring("Foot", 8, 6, 4.25, 0.75, "Maple", 0.125),
        ring("Base", 12, 7.5, 5, 0.75, "Walnut"), ring("Belly", 16, 10, 7.5, 1, "Maple"),
        ring("Shoulder", 12, 9, 6.5, 0.75, ""), ring("Lip", 12, 5.5, 3.5, 0.625, "Walnut") };
    return vessel;
}

Vessel manyRings(int count)
{
    Vessel vessel;
    vessel.name = "Stack of Many";
    for (int i = 0; i < count; ++i) {
        const double outer = 8 + (i % 5);
        vessel.rings.push_back(ring(qPrintable(QStringLiteral("R%1").arg(i + 1)), 10 + i % 7, outer,
            outer - 2, 0.5, i % 2 ? "Cherry" : "Ash"));
    }
    return vessel;
}

expected::Ring closedForm(const RingSpec &spec)
{
    return { int(spec.inputs.segmentCount), spec.inputs.outerDiameter, spec.inputs.innerDiameter,
        spec.inputs.fudge, spec.thickness };
}

// The strip the segments are cut from: n (L + S) / 2 + (L - S) / 2 + (n - 1) k / cos(180 / n).
double strip(const RingSpec &spec)
{
    const expected::Ring r = closedForm(spec);
    const double L = expected::longSide(r);
    const double S = expected::shortSide(r);
    const double n = r.segmentCount;
    return n * (L + S) / 2 + (L - S) / 2 + (n - 1) * spec.kerf / std::cos(pi / n);
}

QString inches(double value)
{
    return QString::number(value, 'g', 10);
}

QString millimetres(double inches)
{
    return QString::number(inches * 25.4, 'f', 1);
}

// A length at the saw as its cell prints it: the fraction over the decimal, or millimetres.
QStringList measured(double value, Units units)
{
    if (units == Units::millimetres)
        return { millimetres(value) + QStringLiteral(" mm") };
    return { expected::sixteenths(value).simplified(), expected::fiveDecimals(value) };
}

// The two printed lines of a ring's row (one in millimetres), as pdftotext lays them out.
QStringList ringRow(int place, const RingSpec &spec, Units units)
{
    const expected::Ring r = closedForm(spec);
    const auto given = [units](double value) {
        return units == Units::millimetres ? millimetres(value) : inches(value);
    };
    const QStringList lengths[]
        = { measured(expected::longSide(r), units), measured(expected::shortSide(r), units),
              measured(expected::boardWidth(r), units), measured(strip(spec), units) };
    QStringList first { QString::number(place), QString::fromStdString(spec.name) };
    if (!spec.wood.empty())
        first << QString::fromStdString(spec.wood);
    first << QString::number(r.segmentCount) << given(r.outerDiameter) << given(r.innerDiameter)
          << expected::angle(180.0 / r.segmentCount) << lengths[0][0] << lengths[1][0]
          << lengths[2][0] << given(*r.thickness) << lengths[3][0]
          << expected::fourDecimals(expected::boardFeet(r));
    if (units == Units::millimetres)
        return { first.join(QLatin1Char(' ')) };
    return { first.join(QLatin1Char(' ')),
        QStringList { lengths[0][1], lengths[1][1], lengths[2][1], lengths[3][1] }.join(
            QLatin1Char(' ')) };
}

struct Lumber
{
    int rings = 0;
    double boardFeet = 0;
    double strip = 0;
};

// A line without its blanks: how far apart pdftotext sets two words (a fraction's mark from its
// digits) depends on the font, the characters in order do not.
QString packed(QString line)
{
    return line.remove(QLatin1Char(' '));
}

QString woodRow(const QString &wood, const Lumber &lumber, Units units)
{
    return QStringList { wood, QString::number(lumber.rings),
        expected::fourDecimals(lumber.boardFeet), measured(lumber.strip, units)[0] }
        .join(QLatin1Char(' '));
}

} // namespace

class TestVesselPages : public QObject
{
    Q_OBJECT

private slots:
    void cutListShowsEveryRingOnce_data();
    void cutListShowsEveryRingOnce();
    void templatesOfEveryRingInOneFile();
    void refusedTemplatesLeaveTheFileAlone();

private:
    QTemporaryDir folder;
};

void TestVesselPages::cutListShowsEveryRingOnce_data()
{
    QTest::addColumn<Vessel>("vessel");
    QTest::addColumn<QPageSize>("paper");
    QTest::addColumn<bool>("severalPages");
    QTest::newRow("vase in inches on Letter") << vase() << QPageSize(QPageSize::Letter) << false;
    QTest::newRow("vase in millimetres on A4")
        << vase(Units::millimetres) << QPageSize(QPageSize::A4) << false;
    QTest::newRow("60 rings") << manyRings(60) << QPageSize(QPageSize::Letter) << true;
}

void TestVesselPages::cutListShowsEveryRingOnce()
{
    QFETCH(Vessel, vessel);
    QFETCH(QPageSize, paper);
    QFETCH(bool, severalPages);
    const QString file = folder.filePath(QStringLiteral("cutlist.pdf"));
    QCOMPARE(orvane::saveCutListAsPdf(file, vessel, paper), std::nullopt);

    // Every page opens with the project's name, the title and its number.
    int pages = 0;
    while (!pdfpage::textLines(file, pages + 1).isEmpty())
        ++pages;
    QCOMPARE(pages > 1, severalPages);
    QStringList lines;
    for (int page = 1; page <= pages; ++page) {
        const QStringList text = pdfpage::textLines(file, page);
        QCOMPARE(text.value(0),
            QStringLiteral("%1 Cut List Page %2 of %3")
                .arg(QString::fromStdString(vessel.name))
                .arg(page)
                .arg(pages));
        for (const QString &line : text)
            lines << packed(line);
    }

    QMap<QString, Lumber> woods;
    Lumber total;
    for (std::size_t i = 0; i < vessel.rings.size(); ++i) {
        const RingSpec &spec = vessel.rings[i];
        const QStringList row = ringRow(int(i + 1), spec, vessel.units);
        const qsizetype at = lines.indexOf(packed(row[0]));
        QVERIFY2(at >= 0, qPrintable(QStringLiteral("no row \"%1\"").arg(row[0])));
        QCOMPARE(lines.count(packed(row[0])), 1);
        if (row.size() > 1)
            QCOMPARE(lines.value(at + 1), packed(row[1]));
        for (Lumber *lumber : { &woods[QString::fromStdString(spec.wood)], &total }) {
            ++lumber->rings;
            lumber->boardFeet += expected::boardFeet(closedForm(spec));
            lumber->strip += strip(spec);
        }
    }
    for (auto wood = woods.cbegin(); wood != woods.cend(); ++wood) {
        const QString name = wood.key().isEmpty() ? QStringLiteral("(no wood given)") : wood.key();
        QVERIFY2(lines.contains(packed(woodRow(name, wood.value(), vessel.units))),
            qPrintable(woodRow(name, wood.value(), vessel.units)));
    }
    QVERIFY2(lines.contains(packed(woodRow(QStringLiteral("All woods"), total, vessel.units))),
        qPrintable(woodRow(QStringLiteral("All woods"), total, vessel.units)));
}

void TestVesselPages::templatesOfEveryRingInOneFile()
{
    const Vessel vessel = vase();
    const QString file = folder.filePath(QStringLiteral("templates.pdf"));
    QCOMPARE(
        orvane::saveVesselTemplatesAsPdf(file, vessel, QPageSize(QPageSize::Letter)), std::nullopt);
    // Each ring's template opens with its cut list page, under the project's and the ring's names.
    QStringList titles;
    for (int page = 1;; ++page) {
        const QStringList lines = pdfpage::textLines(file, page);
        if (lines.isEmpty())
            break;
        for (const QString &line : lines) {
            if (line.startsWith(QStringLiteral("Project Name: ")))
                titles << line;
        }
    }
    QStringList expectedTitles;
    for (const RingSpec &spec : vessel.rings) {
        expectedTitles << QStringLiteral("Project Name: Tall Vase – %1")
                              .arg(QString::fromStdString(spec.name));
    }
    QCOMPARE(titles, expectedTitles);
}

void TestVesselPages::refusedTemplatesLeaveTheFileAlone()
{
    Vessel vessel = vase();
    vessel.rings[2].kerf = 1.5; // wider than any blade that cuts segments
    const QString file = folder.filePath(QStringLiteral("kept.pdf"));
    QFile kept(file);
    QVERIFY(kept.open(QIODevice::WriteOnly));
    kept.write("kept");
    kept.close();
    const auto failure = orvane::saveVesselTemplatesAsPdf(file, vessel, QPageSize(QPageSize::A4));
    QVERIFY(failure);
    QVERIFY2(
        failure->startsWith(QStringLiteral("the template of ring 3 (Belly) could not be made")),
        qPrintable(*failure));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("kept"));
}

QTEST_MAIN(TestVesselPages)
#include "tst_vesselpages.moc"
