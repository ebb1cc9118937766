// The window on a screen with two device pixels to a window pixel: the layout keeps its size in
// window pixels, the picture boxes' backing images have the screen's resolution, the scale maps
// onto it, and lines stay one window pixel wide.

#include "drawing/picturebox.h"
#include "tests/support/pixels.h"
#include "tests/support/windowdriver.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

using orvane::PictureBox;
using pixels::tealBox;
using pixels::yellow;

namespace {

bool isFullYellow(QRgb c)
{
    return qRed(c) >= 250 && qGreen(c) >= 250 && qBlue(c) <= 5;
}

} // namespace

class TestPictureBoxHighDpi : public WindowDriver
{
    Q_OBJECT

private slots:
    void layoutKeepsItsLogicalSize();
    void backingImageHasTheScreensResolution();
    void scaleMapsOntoDevicePixels();
    void linesAreOneWindowPixelWide();
    void windowDrawsAtTheScreensResolution();
};

void TestPictureBoxHighDpi::layoutKeepsItsLogicalSize()
{
    QVERIFY(openWindow());
    QCOMPARE(window->devicePixelRatio(), 2.0);
    QCOMPARE(window->size(), QSize(637, 583));
    QCOMPARE(control<QLineEdit>("outerdiam")->geometry(), QRect(96, 56, 65, 27));
    const QPixmap shot = window->grab();
    QCOMPARE(shot.size(), QSize(1274, 1166));
    QCOMPARE(shot.devicePixelRatio(), 2.0);
}

void TestPictureBoxHighDpi::backingImageHasTheScreensResolution()
{
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
    auto box = tealBox(QSize(150, 100));
    QCOMPARE(box->image().size(), QSize(300, 200));
    QCOMPARE(box->image().devicePixelRatio(), 2.0);
}

// The centre of the scale lands in the middle of the device pixels, the bottom-left corner of the
// scale at the image's bottom-left corner.
void TestPictureBoxHighDpi::scaleMapsOntoDevicePixels()
{
    auto box = tealBox(QSize(150, 100), centredScale);
    box->line(0, 42, 84, 42, yellow); // across the middle
    box->line(42, 0, 42, 84, yellow); // up the middle
    const QImage &image = box->image();
    QVERIFY(pixels::anyNear(image, QPoint(150, 100), 0, pixels::isYellowish));
    QVERIFY(pixels::anyNear(image, QPoint(150, 199), 1, pixels::isYellowish));
    QVERIFY(pixels::anyNear(image, QPoint(0, 100), 1, pixels::isYellowish));
    QVERIFY(pixels::allNear(image, QPoint(140, 90), 3, pixels::isTeal));
    QVERIFY(pixels::allNear(image, QPoint(160, 110), 3, pixels::isTeal));
}

// A line through the middle of a window pixel covers both of its device pixel rows fully and
// nothing around them.
void TestPictureBoxHighDpi::linesAreOneWindowPixelWide()
{
    auto box = tealBox(QSize(150, 100), ViewScale { 0, 0, 150, 100 });
    box->line(0, 50.5f, 150, 50.5f, yellow);
    const QImage &image = box->image();
    QVERIFY(isFullYellow(image.pixel(150, 100)));
    QVERIFY(isFullYellow(image.pixel(150, 101)));
    QVERIFY(pixels::isTeal(image.pixel(150, 98)));
    QVERIFY(pixels::isTeal(image.pixel(150, 103)));
}

// The load recalculation draws the ring before the window is shown, at the screen's resolution.
void TestPictureBoxHighDpi::windowDrawsAtTheScreensResolution()
{
    window = std::make_unique<Orvane>();
    auto *plan = control<PictureBox>("Picture1");
    QVERIFY(plan);
    const QImage &image = plan->image();
    QCOMPARE(image.size(), plan->size() * 2);
    // The top edge of the ring's polygon, 18.25 above the centre (46.35, 25), five units right.
    const pixels::Scale start { 0, 50, 92.7, -92.7 };
    const QPoint edge = pixels::pixelAt(image, pixels::landing(image, start, 51.35, 43.25));
    QVERIFY(pixels::anyNear(image, edge, 1, pixels::isYellowish));
}

int main(int argc, char *argv[])
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestPictureBoxHighDpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_picturebox_hidpi.moc"
