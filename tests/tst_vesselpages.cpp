// What a vessel prints, read back from the PDF: every page names the project and counts the pages,
// every ring has its row once with the numbers worked out from the segment's closed forms, the
// lumber is totalled per wood, and the templates of all rings come in one file under the project's
// and the ring's names.

#include "core/stacking.h"
#include "core/vessel.h"
#include "report/cutlistpages.h"
#include "tests/support/expected.h"
#include "tests/support/pdfpage.h"
#include "tests/support/pdfpages.h"

#include <QFile>
#include <QMap>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using orvane::RingDesign;
using orvane::Units;
using orvane::Vessel;

Q_DECLARE_METATYPE(orvane::Vessel)

namespace {

constexpr double pi = 3.141593; // as the closed forms take it

RingDesign ring(const QString &name, int n, double outer, double inner, double thickness,
    const char *wood, double fudge = 0.25)
{
    RingDesign design = orvane::defaultRing();
    design.name = name.toStdString();
    design.inputs = { double(n), outer, inner, fudge };
    design.thickness = thickness;
    design.wood = wood;
    return design;
}

Vessel vase(Units units)
{
    return { "Tall Vase", units, 0.125,
        { ring("Foot", 8, 6, 4.25, 0.75, "Maple", 0.125), ring("Base", 12, 7.5, 5, 0.75, "Walnut"),
            ring("Belly", 16, 10, 7.5, 1, "Maple"), ring("Shoulder", 12, 9, 6.5, 0.75, ""),
            ring("Lip", 12, 5.5, 3.5, 0.625, "Walnut") } };
}

Vessel manyRings(int count)
{
    Vessel vessel { "Stack of Many", Units::inches, 0.125, {} };
    for (int i = 0; i < count; ++i) {
        vessel.rings.push_back(ring(QStringLiteral("R%1").arg(i + 1), 10 + i % 7, 8 + i % 5,
            6 + i % 5, 0.5, i % 2 ? "Cherry" : "Ash"));
    }
    return vessel;
}

expected::Ring closedForm(const RingDesign &design)
{
    return { int(design.inputs.segmentCount), design.inputs.outerDiameter,
        design.inputs.innerDiameter, design.inputs.fudge, design.thickness };
}

// The strip the segments are cut from: n (L + S) / 2 + (L - S) / 2 + (n - 1) k / cos(180 / n).
double strip(const RingDesign &design)
{
    const expected::Ring r = closedForm(design);
    const double L = expected::longSide(r);
    const double S = expected::shortSide(r);
    const double n = r.segmentCount;
    return n * (L + S) / 2 + (L - S) / 2 + (n - 1) * design.kerf / std::cos(pi / n);
}

// A line without its blanks: how far apart pdftotext sets two words (a fraction's mark from its
// digits) depends on the font, the characters in order do not.
QString packed(QString line)
{
    return line.remove(QLatin1Char(' '));
}

QString millimetres(double inches)
{
    return QString::number(inches * 25.4, 'f', 1);
}

// A length at the saw on a row's first line: its fraction, or millimetres.
QString measured(double inches, Units units)
{
    return units == Units::millimetres ? millimetres(inches) + QStringLiteral("mm")
                                       : expected::sixteenths(inches);
}

// The printed lines of a ring's row, without blanks: in inches, the decimals under the fractions.
QStringList ringRow(int place, const RingDesign &design, Units units)
{
    const expected::Ring r = closedForm(design);
    const bool mm = units == Units::millimetres;
    const auto given
        = [mm](double value) { return mm ? millimetres(value) : QString::number(value, 'g', 10); };
    const double lengths[]
        = { expected::longSide(r), expected::shortSide(r), expected::boardWidth(r), strip(design) };
    const QString first = QString::number(place) + QString::fromStdString(design.name + design.wood)
        + QString::number(r.segmentCount) + given(r.outerDiameter) + given(r.innerDiameter)
        + expected::angle(180.0 / r.segmentCount) + measured(lengths[0], units)
        + measured(lengths[1], units) + measured(lengths[2], units) + given(*r.thickness)
        + measured(lengths[3], units) + expected::fourDecimals(expected::boardFeet(r));
    QString decimals;
    for (const double length : lengths)
        decimals += expected::fiveDecimals(length);
    return mm ? QStringList { packed(first) } : QStringList { packed(first), decimals };
}

struct Lumber
{
    int rings = 0;
    double boardFeet = 0;
    double strip = 0;
};

QString woodRow(const QString &wood, const Lumber &lumber, Units units)
{
    return packed(wood + QString::number(lumber.rings) + expected::fourDecimals(lumber.boardFeet)
        + measured(lumber.strip, units));
}

// A vase drawn as a profile, 14 inches high and 5 1/2 in its widest radius, and its nineteen
// rings up to the rim.
Vessel profiledVase()
{
    Vessel vessel { "Profiled Vase", Units::inches, 0.125, {} };
    vessel.profile = { { 2, 0, true }, { 5, 5, true }, { 5.5, 7, true }, { 2.5, 12, true },
        { 3.5, 14, true } };
    for (int i = 0; i < 19; ++i)
        vessel.rings.push_back(ring(QStringLiteral("R%1").arg(i + 1), 12, 0, 0, 0.75, "Ash"));
    return vessel;
}

// The width over the height of what the cut list's first page draws above the caption under its
// picture, left of the lumber beside it and from the lumber's top.
double pictureShape(const QString &file)
{
    const PdfContents contents = readPdf(file);
    double top = 0;
    double bottom = 0;
    double right = 0;
    for (const PdfLine &line : contents.lines) {
        if (line.text.startsWith(QLatin1String("Rings: ")) && bottom == 0) {
            bottom = line.topLeft.y() - 1;
        } else if (line.text == QLatin1String("Lumber per wood")) {
            top = line.topLeft.y();
            right = line.topLeft.x() - 1;
        }
    }
    const QImage page = pdfpage::renderPage(file, 1, 72);
    QRect drawn;
    for (int y = int(top); y < int(bottom); ++y) {
        for (int x = 0; x < int(right); ++x) {
            if (qGray(page.pixel(x, y)) < 250)
                drawn |= QRect(x, y, 1, 1);
        }
    }
    return drawn.isEmpty() ? 0 : double(drawn.width()) / drawn.height();
}

// The lines of every page, from the first.
QList<QStringList> pagesOf(const QString &file)
{
    QList<QStringList> pages;
    for (QStringList lines; !(lines = pdfpage::textLines(file, int(pages.size()) + 1)).isEmpty();)
        pages.append(lines);
    return pages;
}

} // namespace

class TestVesselPages : public QObject
{
    Q_OBJECT

private slots:
    void cutListShowsEveryRingOnce_data();
    void cutListShowsEveryRingOnce();
    void templatesOfEveryRingInOneFile();
    void cutListShowsTheProfile();

private:
    QTemporaryDir folder;
};

void TestVesselPages::cutListShowsEveryRingOnce_data()
{
    QTest::addColumn<Vessel>("vessel");
    QTest::addColumn<QPageSize>("paper");
    QTest::addColumn<bool>("severalPages");
    QTest::addColumn<bool>("printed"); // on a printer that writes PDF, rather than saved
    QTest::newRow("vase in inches on Letter")
        << vase(Units::inches) << QPageSize(QPageSize::Letter) << false << false;
    QTest::newRow("vase in millimetres on A4")
        << vase(Units::millimetres) << QPageSize(QPageSize::A4) << false << false;
    QTest::newRow("60 rings") << manyRings(60) << QPageSize(QPageSize::Letter) << true << false;
    QTest::newRow("60 rings printed on A4 upright")
        << manyRings(60) << QPageSize(QPageSize::A4) << true << true;
}

void TestVesselPages::cutListShowsEveryRingOnce()
{
    QFETCH(Vessel, vessel);
    QFETCH(QPageSize, paper);
    QFETCH(bool, severalPages);
    QFETCH(bool, printed);
    const QString file = folder.filePath(QStringLiteral("cutlist.pdf"));
    if (printed) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFileName(file);
        printer.setPageSize(paper);
        QCOMPARE(orvane::printCutList(printer, vessel), std::nullopt);
    } else {
        QCOMPARE(orvane::saveCutListAsPdf(file, vessel, paper), std::nullopt);
    }

    // Every page opens with the project's name, the title and its number.
    const QList<QStringList> pages = pagesOf(file);
    QCOMPARE(pages.size() > 1, severalPages);
    QStringList lines;
    for (qsizetype page = 0; page < pages.size(); ++page) {
        QCOMPARE(pages[page].value(0),
            QStringLiteral("%1 Cut List Page %2 of %3")
                .arg(QString::fromStdString(vessel.name))
                .arg(page + 1)
                .arg(pages.size()));
        for (const QString &line : pages[page])
            lines << packed(line);
    }

    QMap<QString, Lumber> woods;
    Lumber total;
    for (std::size_t i = 0; i < vessel.rings.size(); ++i) {
        const RingDesign &design = vessel.rings[i];
        const QStringList row = ringRow(int(i + 1), design, vessel.units);
        QCOMPARE(lines.count(row[0]), 1);
        QCOMPARE(lines.mid(lines.indexOf(row[0]), row.size()), row);
        const QString wood = design.wood.empty() ? QStringLiteral("(no wood given)")
                                                 : QString::fromStdString(design.wood);
        for (Lumber *lumber : { &woods[wood], &total }) {
            ++lumber->rings;
            lumber->boardFeet += expected::boardFeet(closedForm(design));
            lumber->strip += strip(design);
        }
    }
    woods.insert(QStringLiteral("All woods"), total);
    for (auto wood = woods.cbegin(); wood != woods.cend(); ++wood) {
        const QString row = woodRow(wood.key(), wood.value(), vessel.units);
        QVERIFY2(lines.contains(row), qPrintable(row));
    }
}

void TestVesselPages::templatesOfEveryRingInOneFile()
{
    const QString file = folder.filePath(QStringLiteral("templates.pdf"));
    Vessel vessel = vase(Units::inches);
    QCOMPARE(
        orvane::saveVesselTemplatesAsPdf(file, vessel, QPageSize(QPageSize::Letter)), std::nullopt);
    // Each ring's template opens with its cut list page, under the project's and the ring's names.
    const QList<QStringList> written = pagesOf(file);
    QStringList titles;
    for (const QStringList &page : written)
        titles << page.filter(QRegularExpression(QStringLiteral("^Project Name: ")));
    QStringList expectedTitles;
    for (const RingDesign &design : vessel.rings)
        expectedTitles << QStringLiteral("Project Name: Tall Vase – ") + design.name.c_str();
    QCOMPARE(titles, expectedTitles);

    // A ring whose template cannot be made is named, and the file is left as it was.
    vessel.rings[2].kerf = 1.5; // wider than any blade that cuts segments
    const auto failure = orvane::saveVesselTemplatesAsPdf(file, vessel, QPageSize(QPageSize::A4));
    QVERIFY(failure && failure->startsWith("the template of ring 3 (Belly) could not be made"));
    QCOMPARE(pagesOf(file), written);
}

// A vessel drawn as a profile shows its half-section, the axis to the widest radius across and the
// foot to the rim up; the same rings without the profile show their stack, both sides of the axis.
void TestVesselPages::cutListShowsTheProfile()
{
    const Vessel profiled = profiledVase();
    const QString file = folder.filePath(QStringLiteral("profile.pdf"));
    QCOMPARE(orvane::saveCutListAsPdf(file, profiled, QPageSize(QPageSize::Letter)), std::nullopt);
    const double halfSection = pictureShape(file);
    QVERIFY2(std::abs(halfSection - 5.5 / 14) < 0.03, qPrintable(QString::number(halfSection)));

    Vessel stacked = profiled;
    stacked.profile.clear();
    stacked.rings.clear();
    for (const orvane::StackedRing &ring : orvane::stackRings(profiled).rings)
        stacked.rings.push_back(ring.design);
    QCOMPARE(orvane::saveCutListAsPdf(file, stacked, QPageSize(QPageSize::Letter)), std::nullopt);
    const double stack = pictureShape(file);
    QVERIFY2(stack > 1.8 * halfSection, qPrintable(QString::number(stack)));
}

QTEST_MAIN(TestVesselPages)
#include "tst_vesselpages.moc"
