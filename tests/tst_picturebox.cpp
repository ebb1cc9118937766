// A picture box on real pixels: where the user scale puts points, clipping at the edges, arcs
// counter-clockwise as seen, text by its top-left corner, line width independent of the scale, and
// a backing image that is there before the box is shown. Images are sampled at points computed
// from the scale, never compared whole.

#include "drawing/picturebox.h"
#include "tests/support/pixels.h"

#include <QFontMetricsF>
#include <QLineF>
#include <QTest>

#include <cmath>
#include <memory>
#include <numbers>

using orvane::PictureBox;
using pixels::lightMagenta;
using pixels::teal;
using pixels::tealBox;
using pixels::yellow;

namespace {

constexpr double pi = std::numbers::pi;

QPointF onImage(const QImage &image, QPointF fraction)
{
    return { fraction.x() * image.width(), fraction.y() * image.height() };
}

} // namespace

class TestPictureBox : public QObject
{
    Q_OBJECT

private slots:
    void mapsTheScale_data();
    void mapsTheScale();
    void clipsAtTheEdges_data();
    void clipsAtTheEdges();
    void arcs_data();
    void arcs();
    void circleIsRoundAsSeen();
    void textHangsFromTheCurrentPosition();
    void lineWidthDoesNotFollowTheScale_data();
    void lineWidthDoesNotFollowTheScale();
    void clearErasesToTheBackground();
    void emptyPictureTakesANewBackground();
    void drawingBeforeShownIsShown();
};

void TestPictureBox::mapsTheScale_data()
{
    QTest::addColumn<ViewScale>("scale");
    QTest::addColumn<QPointF>("point");
    QTest::addColumn<QPointF>("fraction"); // of the way across and down

    QTest::newRow("centre of the Center scale")
        << centredScale << QPointF(42, 42) << QPointF(.5, .5);
    QTest::newRow("bottom-left corner") << centredScale << QPointF(0, 0) << QPointF(0, 1);
    QTest::newRow("top-right corner") << centredScale << QPointF(84, 84) << QPointF(1, 0);
    QTest::newRow("ring centre at start")
        << ViewScale { 0, 50, 92.7f, -92.7f } << QPointF(46.35, 25) << QPointF(.5, .2696872);
    QTest::newRow("scale moved sideways")
        << ViewScale { 10, 50, 92.7f, -92.7f } << QPointF(56.35, 25) << QPointF(.5, .2696872);
    QTest::newRow("y growing downwards")
        << ViewScale { 0, 0, 100, 60 } << QPointF(25, 15) << QPointF(.25, .25);
    QTest::newRow("negative width")
        << ViewScale { 10, 0, -10, 10 } << QPointF(2.5, 2.5) << QPointF(.75, .25);
    QTest::newRow("both reversed")
        << ViewScale { 10, 10, -10, -10 } << QPointF(7.5, 2.5) << QPointF(.25, .75);
}

// A small yellow cross drawn at the point is found where the scale puts it (clipped by the edges
// at the corners).
void TestPictureBox::mapsTheScale()
{
    QFETCH(ViewScale, scale);
    QFETCH(QPointF, point);
    QFETCH(QPointF, fraction);
    const QSize size(200, 120);
    auto box = tealBox(size, scale);
    const double arm = 4; // pixels
    const float ax = float(arm * std::fabs(scale.width) / size.width());
    const float ay = float(arm * std::fabs(scale.height) / size.height());
    const float x = float(point.x());
    const float y = float(point.y());
    box->line(x - ax, y, x + ax, y, yellow);
    box->line(x, y - ay, x, y + ay, yellow);

    const QImage &image = box->image();
    const QPointF expected = onImage(image, fraction);
    const QRectF cross = QRectF(expected - QPointF(arm, arm), QSizeF(2 * arm, 2 * arm))
                             .intersected(QRectF(image.rect()));
    const QRect found = pixels::boundsOf(image, pixels::isYellowish);
    QVERIFY(!found.isEmpty());
    const auto near = [](double a, double b) { return std::fabs(a - b) <= 1.5; };
    QVERIFY2(near(found.left(), cross.left()) && near(found.right() + 1, cross.right())
            && near(found.top(), cross.top()) && near(found.bottom() + 1, cross.bottom()),
        qPrintable(QStringLiteral("cross found at %1,%2 %3x%4, expected around %5,%6")
                       .arg(found.x())
                       .arg(found.y())
                       .arg(found.width())
                       .arg(found.height())
                       .arg(expected.x())
                       .arg(expected.y())));
}

void TestPictureBox::clipsAtTheEdges_data()
{
    QTest::addColumn<QLineF>("line");
    QTest::addColumn<QList<QPointF>>("yellowAt"); // fractions across and down

    QTest::newRow("leaving on the right")
        << QLineF(50, 50, 1000, 50) << QList<QPointF> { { .75, .5 }, { .998, .5 } };
    QTest::newRow("crossing from outside to outside")
        << QLineF(-1000, 30, 1000, 30) << QList<QPointF> { { .002, .7 }, { .5, .7 }, { .998, .7 } };
    QTest::newRow("ends far beyond the picture")
        << QLineF(-1e7, 70, 1e7, 70) << QList<QPointF> { { .002, .3 }, { .5, .3 }, { .998, .3 } };
    QTest::newRow("out through a corner")
        << QLineF(50, 50, 150, -50) << QList<QPointF> { { .75, .75 }, { .995, .995 } };
    QTest::newRow("wholly outside") << QLineF(120, 10, 300, 90) << QList<QPointF> {};
}

// A line that leaves the picture is drawn up to the edge, and nothing lands anywhere else.
void TestPictureBox::clipsAtTheEdges()
{
    QFETCH(QLineF, line);
    QFETCH(QList<QPointF>, yellowAt);
    auto box = tealBox(QSize(200, 200), ViewScale { 0, 100, 100, -100 });
    box->line(float(line.x1()), float(line.y1()), float(line.x2()), float(line.y2()), yellow);
    const QImage &image = box->image();
    for (const QPointF fraction : yellowAt) {
        const QPoint at = pixels::pixelAt(image, onImage(image, fraction));
        QVERIFY2(pixels::anyNear(image, at, 1, pixels::isYellowish),
            qPrintable(QStringLiteral("no yellow at %1,%2").arg(at.x()).arg(at.y())));
    }
    if (yellowAt.isEmpty())
        QVERIFY(pixels::isBlank(image));
}

void TestPictureBox::arcs_data()
{
    QTest::addColumn<ViewScale>("scale");
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("end");
    QTest::addColumn<QList<double>>("drawnAt"); // degrees counter-clockwise from the right, as seen
    QTest::addColumn<QList<double>>("emptyAt");

    // Every scale below puts the centre (50, 50) in the middle of the 200 by 200 box and the
    // radius of 30 x units at 60 pixels.
    const ViewScale up { 0, 100, 100, -100 };
    const ViewScale down { 0, 0, 100, 100 };
    QTest::newRow("first quarter, y up")
        << up << 0.0 << pi / 2 << QList<double> { 10, 45, 80 } << QList<double> { -45, 135, 225 };
    QTest::newRow("first quarter, y down")
        << down << 0.0 << pi / 2 << QList<double> { 10, 45, 80 } << QList<double> { -45, 135, 225 };
    QTest::newRow("a twelfth turn from straight down")
        << up << 3 * pi / 2 << 3 * pi / 2 + pi / 6 << QList<double> { 275, 285, 295 }
        << QList<double> { 255, 315, 90 };
    QTest::newRow("start above end goes on through 0")
        << up << 3 * pi / 2 << pi / 2 << QList<double> { -60, 0, 60 }
        << QList<double> { 120, 180, 240 };
    QTest::newRow("end just past a full turn")
        << up << 3 * pi / 2 << 6.283186 << QList<double> { 280, 315, 350 }
        << QList<double> { 45, 180, 240 };
    QTest::newRow("end below zero") << up << 0.0 << -pi / 2 << QList<double> { 10, 135, 260 }
                                    << QList<double> { 290, 315, 340 };
    QTest::newRow("full circle") << up << 0.0 << 2 * pi << QList<double> { 0, 90, 180, 270 }
                                 << QList<double> {};
}

void TestPictureBox::arcs()
{
    QFETCH(ViewScale, scale);
    QFETCH(double, start);
    QFETCH(double, end);
    QFETCH(QList<double>, drawnAt);
    QFETCH(QList<double>, emptyAt);
    auto box = tealBox(QSize(200, 200), scale);
    box->arc(50, 50, 30, lightMagenta, float(start), float(end));
    const QImage &image = box->image();
    const auto rim = [&image](double degrees) {
        const double a = degrees * pi / 180;
        const double r = 60 * image.width() / 200.0;
        return pixels::pixelAt(image,
            QPointF(image.width() / 2.0 + r * std::cos(a), image.height() / 2.0 - r * std::sin(a)));
    };
    for (const double degrees : drawnAt) {
        QVERIFY2(pixels::anyNear(image, rim(degrees), 1, pixels::isMagentaish),
            qPrintable(QStringLiteral("nothing at %1 degrees").arg(degrees)));
    }
    for (const double degrees : emptyAt) {
        QVERIFY2(pixels::allNear(image, rim(degrees), 2, pixels::isTeal),
            qPrintable(QStringLiteral("something at %1 degrees").arg(degrees)));
    }
}

// The radius is measured in x units and the circle is round as seen, whatever the scale's aspect.
void TestPictureBox::circleIsRoundAsSeen()
{
    // Two pixels to an x unit, one to a y unit; the centre (50, 50) in the middle.
    auto box = tealBox(QSize(200, 200), ViewScale { 0, 150, 100, -200 });
    box->circle(50, 50, 30);
    const QImage &image = box->image();
    for (const QPoint rim :
        { QPoint(160, 100), QPoint(100, 40), QPoint(40, 100), QPoint(100, 160) })
        QVERIFY2(pixels::anyNear(image, rim, 1, pixels::isInk),
            qPrintable(QStringLiteral("nothing at %1,%2").arg(rim.x()).arg(rim.y())));
    QVERIFY(pixels::allNear(image, QPoint(100, 70), 2, pixels::isTeal));
    QVERIFY(pixels::allNear(image, QPoint(130, 100), 2, pixels::isTeal));
}

// Printed text hangs from the current position by its top-left corner, and the position then
// moves to the start of the next line.
void TestPictureBox::textHangsFromTheCurrentPosition()
{
    auto box = tealBox(QSize(300, 200), ViewScale { 0, 100, 100, -100 });
    QFont font = box->font();
    font.setPixelSize(20);
    box->setFont(font);
    box->setCurrentX(20);
    box->setCurrentY(80);
    box->print(QStringLiteral("HM"));

    // Its top-left corner lands at pixel (60, 40).
    const QImage &image = box->image();
    const QRect ink = pixels::boundsOf(image, pixels::isInk);
    const QFontMetricsF metrics(font, box.get());
    QVERIFY(!ink.isEmpty());
    QVERIFY2(ink.left() >= 59 && ink.left() <= 64, qPrintable(QString::number(ink.left())));
    QVERIFY2(ink.top() >= 39 && ink.top() <= 40 + metrics.height() / 2,
        qPrintable(QString::number(ink.top())));
    QVERIFY(ink.bottom() <= 40 + metrics.height());

    QCOMPARE(box->currentX(), 0.0f);
    const double lineHeight = metrics.height() / 200 * 100; // in scale units
    QVERIFY2(std::fabs(box->currentY() - (80 - lineHeight)) < 1e-3,
        qPrintable(QString::number(box->currentY())));
}

void TestPictureBox::lineWidthDoesNotFollowTheScale_data()
{
    QTest::addColumn<double>("span");
    QTest::newRow("one unit across") << 1.0;
    QTest::newRow("a hundred units") << 100.0;
    QTest::newRow("ten thousand units") << 10000.0;
}

// Lines are one pixel wide whatever the scale.
void TestPictureBox::lineWidthDoesNotFollowTheScale()
{
    QFETCH(double, span);
    auto box = tealBox(QSize(200, 200), ViewScale { 0, float(span), float(span), -float(span) });
    // Through the middle of pixel row 100.
    const float y = float(span - span * 100.5 / 200);
    box->line(0, y, float(span), y, yellow);
    const QImage &image = box->image();
    // Rows the line covers more than faintly (antialiasing may tint a neighbour by a few per cent).
    const auto covered = [](QRgb c) {
        return qRed(c) + std::abs(qGreen(c) - 128) + std::abs(qBlue(c) - 128) > 24;
    };
    int rows = 0;
    for (int row = 0; row < image.height(); ++row)
        rows += covered(image.pixel(100, row)) ? 1 : 0;
    QCOMPARE(rows, 1);
    QVERIFY(pixels::isYellowish(image.pixel(100, 100)));
}

void TestPictureBox::clearErasesToTheBackground()
{
    auto box = tealBox(QSize(100, 100), ViewScale { 0, 0, 10, 10 });
    box->line(0, 0, 10, 10);
    box->arc(5, 5, 3, lightMagenta, 0, 3);
    box->circle(5, 5, 4);
    QVERIFY(!pixels::isBlank(box->image()));
    box->clear();
    QVERIFY(pixels::isBlank(box->image()));
}

// A box with nothing drawn on it shows a new background colour at once; one with a drawing keeps
// the drawing until it is cleared.
void TestPictureBox::emptyPictureTakesANewBackground()
{
    PictureBox box(QSize(50, 40));
    pixels::setColours(box, teal, Qt::black);
    QVERIFY(pixels::isBlank(box.image()));

    box.setScaleWidth(50);
    box.setScaleHeight(40);
    box.line(0, 20.5f, 50, 20.5f, yellow);
    pixels::setColours(box, Qt::red, Qt::black);
    QVERIFY(pixels::isYellowish(box.image().pixel(25, 20)));
    QVERIFY(pixels::isTeal(box.image().pixel(25, 5)));

    box.clear();
    QCOMPARE(box.image().pixel(25, 20), qRgb(255, 0, 0));
}

// Drawing made on a box inside a window that was never shown is there when the window is shown,
// and painting the box shows it.
void TestPictureBox::drawingBeforeShownIsShown()
{
    QWidget window;
    window.resize(300, 200);
    auto *box = new PictureBox(QSize(200, 100), &window);
    box->move(50, 50);
    pixels::setColours(*box, teal, Qt::black);
    box->clear();
    box->setScaleWidth(200);
    box->setScaleHeight(100);
    box->line(0, 50.5f, 200, 50.5f, yellow);
    QVERIFY(pixels::isYellowish(box->image().pixel(100, 50)));

    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QImage shown = window.grab().toImage();
    const qreal ratio = shown.devicePixelRatio();
    QVERIFY(
        pixels::anyNear(shown, QPoint(int(150 * ratio), int(100 * ratio)), 1, pixels::isYellowish));
    QVERIFY(pixels::isTeal(shown.pixel(int(150 * ratio), int(80 * ratio))));
}

QTEST_MAIN(TestPictureBox)
#include "tst_picturebox.moc"
