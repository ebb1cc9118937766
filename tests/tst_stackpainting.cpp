// The vessel's stack as it lands in pixels. The picture's scale is read from the image itself (the
// outermost pixels in the rings' tones are the widest blank's edges, the foot and the top), and
// every ring is then looked for where the rings' own numbers put it: its band in its wood's tone
// on both sides of the axis, its fudge paler around it, hollow inside.

#include "core/vesselresults.h"
#include "drawing/stackpainting.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <functional>

using orvane::Vessel;
using orvane::VesselResults;

namespace {

struct TestRing
{
    double outer;
    double inner;
    double fudge;
    double thickness;
    const char *wood;
};
using TestRings = QList<TestRing>;

Vessel vesselOf(const TestRings &rings)
{
    Vessel vessel;
    vessel.name = "Test";
    for (const TestRing &r : rings) {
        orvane::RingSpec spec = orvane::defaultRing();
        spec.inputs = { 12, r.outer, r.inner, r.fudge };
        spec.thickness = r.thickness;
        spec.wood = r.wood;
        vessel.rings.push_back(spec);
    }
    return vessel;
}

QImage painted(const VesselResults &vessel, std::optional<std::size_t> selected, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QFont font;
    font.setPixelSize(12);
    painter.setFont(font);
    orvane::paintStack(painter, QRectF(QPointF(0, 0), QSizeF(size)), vessel, selected);
    return image;
}

bool isRingColour(QRgb c, const VesselResults &vessel)
{
    if (QColor(c) == orvane::stackColours::selected)
        return true;
    for (std::size_t w = 0; w < vessel.woods.size(); ++w) {
        if (QColor(c) == orvane::woodTone(w) || QColor(c) == orvane::fudgeTone(w))
            return true;
    }
    return false;
}

std::size_t woodIndex(const VesselResults &vessel, const std::string &wood)
{
    const auto found = std::find_if(vessel.woods.begin(), vessel.woods.end(),
        [&wood](const orvane::WoodTotal &total) { return total.wood == wood; });
    return static_cast<std::size_t>(found - vessel.woods.begin());
}

QRect boundsOf(const QImage &image, const std::function<bool(QRgb)> &test)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (test(image.pixel(x, y)))
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

// Where the picture stands in the image: the axis and the foot in pixels, and the pixels to the
// inch, read from the outermost pixels in the rings' tones: the widest blank's edges, the foot
// and the top.
struct Picture
{
    double axis = 0;
    double foot = 0;
    double scale = 0;
    QRect bounds;

    double x(double radius) const { return axis + radius * scale; }
    double y(double height) const { return foot - height * scale; }
};

Picture measured(const QImage &image, const VesselResults &vessel, const TestRings &rings)
{
    double halfWidth = 0;
    for (const TestRing &r : rings) {
        if (r.outer > r.inner)
            halfWidth = std::max(halfWidth, r.outer / 2 + r.fudge);
    }
    Picture picture;
    picture.bounds = boundsOf(image, [&vessel](QRgb c) { return isRingColour(c, vessel); });
    picture.scale = (picture.bounds.width() + 1) / (2 * halfWidth);
    picture.axis = picture.bounds.left() + (picture.bounds.width() + 1) / 2.0;
    picture.foot = picture.bounds.bottom() + 1;
    return picture;
}

QString colourName(QRgb c)
{
    return QColor(c).name();
}

} // namespace

class TestStackPainting : public QObject
{
    Q_OBJECT

private slots:
    void ringsStandWhereTheirNumbersPutThem_data();
    void ringsStandWhereTheirNumbersPutThem();
    void narrowJointsAreMarked_data();
    void narrowJointsAreMarked();
    void nothingToDrawLeavesTheTargetBlank();
};

void TestStackPainting::ringsStandWhereTheirNumbersPutThem_data()
{
    QTest::addColumn<TestRings>("rings");
    QTest::addColumn<int>("selected"); // -1 for none
    QTest::addColumn<QSize>("size");
    QTest::newRow("bowl, middle ring selected") << TestRings { { 6, 4, 0.25, 0.75, "Maple" },
        { 9, 5, 0.25, 1, "Walnut" }, { 11, 8.5, 0.125, 0.75, "Maple" } }
                                                << 1 << QSize(640, 420);
    QTest::newRow("one ring, none selected")
        << TestRings { { 10, 8, 0.25, 0.75, "" } } << -1 << QSize(500, 300);
    QTest::newRow("tall vase, the height sets the scale")
        << TestRings { { 4, 2.5, 0.25, 2, "Cherry" }, { 5, 3, 0.25, 2, "Oak" },
               { 4.5, 3, 0.25, 2, "Cherry" }, { 3.5, 2.5, 0.125, 2, "" } }
        << 3 << QSize(700, 360);
    QTest::newRow("a ring that cannot be drawn keeps its height") << TestRings {
        { 8, 6, 0.25, 1, "Maple" }, { 6, 7, 0.25, 1, "Maple" }, { 8, 6, 0.25, 1, "Ash" }
    } << -1 << QSize(400, 400);
}

void TestStackPainting::ringsStandWhereTheirNumbersPutThem()
{
    QFETCH(TestRings, rings);
    QFETCH(int, selected);
    QFETCH(QSize, size);
    const VesselResults vessel = orvane::computeVessel(vesselOf(rings));
    const std::optional<std::size_t> selection
        = selected < 0 ? std::nullopt : std::optional(std::size_t(selected));
    const QImage image = painted(vessel, selection, size);

    const Picture picture = measured(image, vessel, rings);
    QVERIFY(!picture.bounds.isEmpty());
    // To scale: the height takes as many pixels to the inch as the width.
    double height = 0;
    for (const TestRing &r : rings)
        height += r.thickness;
    QVERIFY2(std::abs((picture.bounds.height() + 1) - height * picture.scale) <= 2.5,
        qPrintable(QStringLiteral("%1 px high, %2 expected")
                       .arg(picture.bounds.height() + 1)
                       .arg(height * picture.scale)));
    // As large as the target allows: one of the two nearly fills it.
    QVERIFY(picture.bounds.width() > size.width() * 0.7
        || picture.bounds.height() > size.height() * 0.7);

    double bottom = 0;
    for (qsizetype i = 0; i < rings.size(); ++i) {
        const TestRing &r = rings[i];
        const double middle = picture.y(bottom + r.thickness / 2);
        bottom += r.thickness;
        if (!(r.outer > r.inner))
            continue;
        const std::size_t wood = woodIndex(vessel, r.wood);
        const QColor band = i == selected ? orvane::stackColours::selected : orvane::woodTone(wood);
        for (const double side : { -1.0, 1.0 }) {
            const auto at = [&](double radius) {
                return image.pixel(int(std::floor(picture.x(side * radius))), int(middle));
            };
            const QRgb finished = at((r.outer + r.inner) / 4);
            QVERIFY2(QColor(finished) == band,
                qPrintable(QStringLiteral("ring %1, side %2: %3 instead of %4")
                               .arg(i + 1)
                               .arg(side)
                               .arg(colourName(finished), band.name())));
            QCOMPARE(QColor(at(r.outer / 2 + r.fudge / 2)), orvane::fudgeTone(wood));
            QCOMPARE(QColor(at(r.inner / 2 - r.fudge / 2)), orvane::fudgeTone(wood));
            QCOMPARE(QColor(at((r.inner / 2 - r.fudge) * 0.6)), QColor(Qt::white));
            // Clicking there picks the ring.
            QFont font;
            font.setPixelSize(12);
            const QPointF point(picture.x(side * (r.outer + r.inner) / 4), middle);
            QCOMPARE(orvane::stackRingAt(QRectF(QPointF(0, 0), QSizeF(size)), vessel,
                         QFontMetricsF(font, &image), point),
                std::optional(std::size_t(i)));
        }
    }
}

void TestStackPainting::narrowJointsAreMarked_data()
{
    QTest::addColumn<TestRings>("rings");
    QTest::addColumn<int>("narrowBelow"); // the lower ring of the narrow joint, -1 for none
    // A glue face of 0.2 in: 5 - 4.6 over two.
    QTest::newRow("face of 0.2 in")
        << TestRings { { 10, 6, 0.25, 1, "" }, { 12, 9.6, 0.25, 1, "" } } << 0;
    QTest::newRow("face of 1/4 in is enough")
        << TestRings { { 10, 6, 0.25, 1, "" }, { 12, 9.5, 0.25, 1, "" } } << -1;
    QTest::newRow("rings that do not meet")
        << TestRings { { 8, 6, 0.25, 1, "" }, { 8, 6, 0.25, 1, "" }, { 14, 10, 0.25, 1, "" } } << 1;
}

void TestStackPainting::narrowJointsAreMarked()
{
    QFETCH(TestRings, rings);
    QFETCH(int, narrowBelow);
    const VesselResults vessel = orvane::computeVessel(vesselOf(rings));
    const QImage image = painted(vessel, std::nullopt, QSize(600, 400));
    const Picture picture = measured(image, vessel, rings);
    const QRect red
        = boundsOf(image, [](QRgb c) { return qRed(c) > 180 && qGreen(c) < 90 && qBlue(c) < 90; });
    if (narrowBelow < 0) {
        QVERIFY(red.isEmpty());
        return;
    }
    // Both rings of the joint are outlined in red, and no other ring.
    double bottom = 0;
    for (int i = 0; i < narrowBelow; ++i)
        bottom += rings[i].thickness;
    const double top = bottom + rings[narrowBelow].thickness + rings[narrowBelow + 1].thickness;
    QVERIFY2(std::abs(red.bottom() + 1 - picture.y(bottom)) <= 3
            && std::abs(red.top() - picture.y(top)) <= 3,
        qPrintable(QStringLiteral("red from %1 to %2, the rings from %3 to %4")
                       .arg(red.top())
                       .arg(red.bottom())
                       .arg(picture.y(top))
                       .arg(picture.y(bottom))));
    const double widest
        = std::max(rings[narrowBelow].outer, rings[narrowBelow + 1].outer) / 2 * picture.scale;
    QVERIFY(std::abs(red.width() - 2 * widest) <= 4);
}

void TestStackPainting::nothingToDrawLeavesTheTargetBlank()
{
    QImage blank(300, 200, QImage::Format_RGB32);
    blank.fill(Qt::white);
    const VesselResults none = orvane::computeVessel(Vessel {});
    QCOMPARE(painted(none, std::nullopt, blank.size()), blank);
    const VesselResults vessel = orvane::computeVessel(vesselOf({ { 10, 8, 0.25, 0.75, "" } }));
    QCOMPARE(painted(vessel, 0, QSize(20, 10)), QImage(painted(none, std::nullopt, QSize(20, 10))));
}

QTEST_MAIN(TestStackPainting)
#include "tst_stackpainting.moc"
