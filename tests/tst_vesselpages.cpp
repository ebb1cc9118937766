// What a vessel prints, read back from the PDF: every page names the project and counts the pages,
// every ring has its row once with the numbers worked out from the segment's closed forms, the
// lumber is totalled per wood and board, and the templates of all rings come in one file under
// the project's and the ring's names.

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
#include <QVector3D>

#include <algorithm>
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

// The strip m of the segments are cut from: m (L + S) / 2 + (L - S) / 2 + (m - 1) k / cos(180 / n).
double strip(const RingDesign &design, double m)
{
    const expected::Ring r = closedForm(design);
    const double L = expected::longSide(r);
    const double S = expected::shortSide(r);
    const double n = r.segmentCount;
    return m * (L + S) / 2 + (L - S) / 2 + (m - 1) * design.kerf / std::cos(pi / n);
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

// The wood of segment `segment` of a ring, from 0: its pattern repeated, or its one wood.
QString woodOf(const RingDesign &design, int segment)
{
    const std::string &name = design.pattern.empty()
        ? design.wood
        : design.pattern[std::size_t(segment) % design.pattern.size()];
    return name.empty() ? QStringLiteral("(no wood given)") : QString::fromStdString(name);
}

// The printed lines of a ring's row, without blanks: in inches, the decimals under the fractions.
QStringList ringRow(int place, const RingDesign &design, Units units)
{
    const expected::Ring r = closedForm(design);
    const bool mm = units == Units::millimetres;
    std::string woodAsTyped = design.wood; // or its pattern's woods
    for (const std::string &wood : design.pattern)
        woodAsTyped += (woodAsTyped.empty() ? "" : " + ") + wood;
    const auto given
        = [mm](double value) { return mm ? millimetres(value) : QString::number(value, 'g', 10); };
    const double lengths[] = { expected::longSide(r), expected::shortSide(r),
        expected::boardWidth(r), strip(design, r.segmentCount) };
    const QString first = QString::number(place) + QString::fromStdString(design.name + woodAsTyped)
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
    int segments = 0;
    double boardFeet = 0;
    double strip = 0;
};

// A wood's row: its rings in all, or its board's thickness, then what is cut of it.
QString woodRow(const QString &wood, const QString &rings, const Lumber &lumber, Units units)
{
    return packed(wood + rings + QString::number(lumber.segments)
        + expected::fourDecimals(lumber.boardFeet) + measured(lumber.strip, units));
}

// Three rings in maple and walnut: half and half, all walnut, and two maples to a walnut; each
// turned from the ring below to put its joints farthest from the joints there.
Vessel twoWoods(Units units)
{
    RingDesign foot = ring(QStringLiteral("Foot"), 12, 8, 6, 0.75, "");
    foot.pattern = { "Maple", "Walnut" };
    RingDesign rim = ring(QStringLiteral("Rim"), 8, 7, 5, 1, "");
    rim.pattern = { "Maple", "Maple", "Walnut" };
    Vessel vessel { "Two Woods", units, 0.125,
        { foot, ring(QStringLiteral("Band"), 12, 8, 6, 0.75, "Walnut"), rim } };
    vessel.woods = { { "Maple", "#e9d7b0" }, { "Walnut", "#5b3a29" } };
    return vessel;
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

// What the cut list's first page, `page` rendered from `file` at `dpi`, draws above the caption
// under its pictures, left of the lumber and from its top: each part that blank paper parts.
QList<QRect> drawnParts(const QString &file, const QImage &page, int dpi)
{
    const double scale = dpi / 72.0;
    double top = 0;
    double bottom = 0;
    double right = 0;
    for (const PdfLine &line : readPdf(file).lines) {
        if (line.text.startsWith(QLatin1String("Rings: ")) && bottom == 0) {
            bottom = line.topLeft.y() - 1;
        } else if (line.text == QLatin1String("Lumber per wood")) {
            top = line.topLeft.y();
            right = line.topLeft.x() - 1;
        }
    }
    const int gap = int(10 * scale); // blank paper wider than a drawing leaves within itself
    QList<QRect> parts;
    int blank = gap;
    for (int x = 0; x < int(right * scale); ++x) {
        for (int y = int(top * scale); y < int(bottom * scale); ++y) {
            if (qGray(page.pixel(x, y)) >= 250)
                continue;
            if (blank >= gap)
                parts.append(QRect());
            parts.back() |= QRect(x, y, 1, 1);
            blank = -1;
        }
        ++blank;
    }
    return parts;
}

// The width over the height of the section on the cut list's first page, its leftmost part.
double pictureShape(const QString &file)
{
    const QList<QRect> parts = drawnParts(file, pdfpage::renderPage(file, 1, 72), 72);
    return parts.isEmpty() ? 0 : double(parts[0].width()) / parts[0].height();
}

// Whether a line ends with `row`: the lumber beside the pictures shares its lines with them.
bool endsALine(const QStringList &lines, const QString &row)
{
    return std::any_of(
        lines.begin(), lines.end(), [&](const QString &line) { return line.endsWith(row); });
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
    void cutListPicturesTheBlankInItsWoods();

private:
    QTemporaryDir folder;
};

void TestVesselPages::cutListShowsEveryRingOnce_data()
{
    QTest::addColumn<Vessel>("vessel");
    QTest::addColumn<QPageSize>("paper");
    QTest::addColumn<bool>("severalPages");
    QTest::addColumn<bool>("printed"); // on a printer that writes PDF, rather than saved
    // Each ring's turn from the one below, worked out by hand; none given: not checked.
    QTest::addColumn<QStringList>("turns");
    // 8, 12, 16, 12, 12 segments: 180 / lcm of the two counts.
    const QStringList vaseTurns { {}, "7.5", "3.8", "3.8", "15.0" };
    QTest::newRow("vase in inches on Letter")
        << vase(Units::inches) << QPageSize(QPageSize::Letter) << false << false << vaseTurns;
    QTest::newRow("vase in millimetres on A4")
        << vase(Units::millimetres) << QPageSize(QPageSize::A4) << false << false << vaseTurns;
    // 12 segments M W M W..., 12 W, 8 M M W M M W M M: 6 + 6 maple, 6 + 12 + 2 walnut.
    QTest::newRow("two woods in inches on Letter")
        << twoWoods(Units::inches) << QPageSize(QPageSize::Letter) << false << false
        << QStringList { {}, "15.0", "7.5" };
    QTest::newRow("two woods in millimetres on A4")
        << twoWoods(Units::millimetres) << QPageSize(QPageSize::A4) << false << false
        << QStringList { {}, "15.0", "7.5" };
    QTest::newRow("60 rings") << manyRings(60) << QPageSize(QPageSize::Letter) << true << false
                              << QStringList();
    QTest::newRow("60 rings printed on A4 upright")
        << manyRings(60) << QPageSize(QPageSize::A4) << true << true << QStringList();
}

void TestVesselPages::cutListShowsEveryRingOnce()
{
    QFETCH(Vessel, vessel);
    QFETCH(QPageSize, paper);
    QFETCH(bool, severalPages);
    QFETCH(bool, printed);
    QFETCH(QStringList, turns);
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

    // Every ring's row with its glue-up note, the lumber of each wood in it by its segments.
    QMap<QString, Lumber> woods;
    QMap<QPair<QString, double>, Lumber> boards;
    Lumber total;
    const bool mm = vessel.units == Units::millimetres;
    for (std::size_t i = 0; i < vessel.rings.size(); ++i) {
        const RingDesign &design = vessel.rings[i];
        const QStringList row = ringRow(int(i + 1), design, vessel.units);
        const QString turn = turns.value(qsizetype(i));
        const QString note = turns.isEmpty() ? QStringLiteral("(turn.*fromtheringbelow)?")
            : turn.isEmpty()                 ? QString()
                                             : QStringLiteral("turn%1°fromtheringbelow").arg(turn);
        const QRegularExpression rowLine(
            QStringLiteral("^%1%2$").arg(QRegularExpression::escape(row[0]), note));
        QVERIFY2(lines.filter(rowLine).size() == 1, qPrintable(row[0] + note));
        QCOMPARE(lines.mid(lines.indexOf(rowLine) + 1, row.size() - 1), row.mid(1));
        const int n = int(design.inputs.segmentCount);
        QMap<QString, int> around;
        for (int segment = 0; segment < n; ++segment)
            ++around[woodOf(design, segment)];
        ++total.rings;
        for (auto wood = around.cbegin(); wood != around.cend(); ++wood) {
            ++woods[wood.key()].rings;
            for (Lumber *lumber :
                { &woods[wood.key()], &boards[{ wood.key(), *design.thickness }], &total }) {
                lumber->segments += wood.value();
                lumber->boardFeet += expected::boardFeet(closedForm(design)) * wood.value() / n;
                lumber->strip += strip(design, wood.value());
            }
        }
    }
    woods.insert(QStringLiteral("All woods"), total);
    for (auto wood = woods.cbegin(); wood != woods.cend(); ++wood) {
        const QString row
            = woodRow(wood.key(), QString::number(wood->rings), wood.value(), vessel.units);
        QVERIFY2(endsALine(lines, row), qPrintable(row));
    }
    for (auto board = boards.cbegin(); board != boards.cend(); ++board) {
        const double thickness = board.key().second;
        const QString row = woodRow(board.key().first,
            mm ? millimetres(thickness) : QString::number(thickness), board.value(), vessel.units);
        QVERIFY2(endsALine(lines, row), qPrintable(row));
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

// The glued-up blank, right of the section, shows each wood in the project's colour however it
// is lit: each a good share of what is drawn there.
void TestVesselPages::cutListPicturesTheBlankInItsWoods()
{
    const QString file = folder.filePath(QStringLiteral("twowoods.pdf"));
    QCOMPARE(orvane::saveCutListAsPdf(file, twoWoods(Units::inches), QPageSize(QPageSize::Letter)),
        std::nullopt);
    constexpr int dpi = 144;
    const QImage page = pdfpage::renderPageInColour(file, 1, dpi);
    const QList<QRect> parts = drawnParts(file, page, dpi);
    QCOMPARE(parts.size(), 2);
    const auto chroma = [](QColor colour) {
        return QVector3D(float(colour.redF()), float(colour.greenF()), float(colour.blueF()))
            / float(colour.redF() + colour.greenF() + colour.blueF() + 1e-9);
    };
    const QVector3D maple = chroma(QColor(0xe9d7b0));
    const QVector3D walnut = chroma(QColor(0x5b3a29));
    int seen[2] = { 0, 0 };
    int drawn = 0;
    for (int y = parts[1].top(); y <= parts[1].bottom(); ++y) {
        for (int x = parts[1].left(); x <= parts[1].right(); ++x) {
            const QColor pixel = page.pixelColor(x, y);
            drawn += qGray(pixel.rgb()) < 250;
            const float toMaple = (chroma(pixel) - maple).length();
            const float toWalnut = (chroma(pixel) - walnut).length();
            if (qGray(pixel.rgb()) < 250 && std::min(toMaple, toWalnut) < 0.02f)
                ++seen[toMaple < toWalnut ? 0 : 1];
        }
    }
    QVERIFY2(seen[0] > drawn / 5 && seen[1] > drawn / 5,
        qPrintable(
            QStringLiteral("maple %1, walnut %2 of %3").arg(seen[0]).arg(seen[1]).arg(drawn)));
}

QTEST_MAIN(TestVesselPages)
#include "tst_vesselpages.moc"
