// The window on a screen of twice the usual pixel density (run with QT_SCALE_FACTOR=2): the layout
// keeps its size in logical pixels, and the drawings are made at the screen's full resolution.

#include "drawing/picturebox.h"
#include "window/orvane.h"

#include <QLineEdit>
#include <QtTest>

class HighDpiTest : public QObject
{
    Q_OBJECT

private slots:
    void layoutKeepsItsLogicalSize();
    void drawingsUseEveryDevicePixel();
};

void HighDpiTest::layoutKeepsItsLogicalSize()
{
    Orvane window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.devicePixelRatio(), 2.0);
    QCOMPARE(window.size(), QSize(637, 583));
    QCOMPARE(window.findChild<QLineEdit *>(QStringLiteral("outerdiam"))->geometry(),
             QRect(96, 56, 65, 27));
    const QPixmap shot = window.grab();
    QCOMPARE(shot.size(), QSize(1274, 1166));
    QCOMPARE(shot.devicePixelRatio(), 2.0);
}

void HighDpiTest::drawingsUseEveryDevicePixel()
{
    Orvane window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *plan = window.findChild<PictureBox *>(QStringLiteral("Picture1"));
    QVERIFY(plan);
    const QImage image = plan->image();
    QCOMPARE(image.devicePixelRatio(), 2.0);
    QCOMPARE(image.size(), QSize(626, 626));

    // The first segment's long side runs from the outer corner on the x axis, straight up on the
    // screen. Its middle, mapped through the view's scale, lands on device pixels twice as far
    // from the corner of the picture as on an ordinary screen, and it is yellow there.
    const orvane::FormState &s = window.formState();
    const double x = (s.outer0x + s.outer1x) / 2;
    const double y = (s.outer0y + s.outer1y) / 2;
    const QPointF logical = plan->toDevice(x, y);
    const QPoint device = (logical * 2).toPoint();
    int yellow = 0;
    for (int dx = -2; dx <= 2; ++dx) {
        const QColor c = image.pixelColor(device + QPoint(dx, 0));
        yellow += c.red() > 160 && c.green() > 160 && c.blue() < 110;
    }
    QVERIFY2(yellow > 0, "no yellow edge where the first segment's long side is drawn");

    // A line is as fine as the device allows: across the 180-degree boundary line no more than
    // a few device pixels differ from the background.
    const int row = qRound(plan->toDevice(0, s.centery).y() * 2);
    const int column = qRound(plan->toDevice(s.centerx - 30, 0).x() * 2);
    int marked = 0;
    for (int dy = -6; dy <= 6; ++dy)
        marked += image.pixelColor(column, row + dy) != QColor(0, 128, 128);
    QVERIFY2(marked >= 1 && marked <= 4, qPrintable(QStringLiteral("%1 pixels marked").arg(marked)));
}

QTEST_MAIN(HighDpiTest)
#include "tst_highdpi.moc"
