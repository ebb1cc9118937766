// The two drawings on the window: drawn before the window is first shown, redrawn when an input
// changes, kept unchanged while covered, and a recalculation that goes through for counts the
// spinner never offers.

#include "drawing/picturebox.h"
#include "tests/support/pixels.h"
#include "tests/support/windowdriver.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cmath>
#include <numbers>

using orvane::PictureBox;

namespace {

constexpr double pi = std::numbers::pi;
const pixels::Scale startScale { 0, 50, 92.7, -92.7 };
constexpr double cx = 46.35; // the ring centre at the start scale
constexpr double cy = 25;

// Where the plan view puts the point `radius` from the ring centre at `degrees`.
QPoint planPixel(const QImage &image, double radius, double degrees)
{
    const double a = degrees * pi / 180;
    return pixels::pixelAt(image,
        pixels::landing(image, startScale, cx + radius * std::cos(a), cy + radius * std::sin(a)));
}

} // namespace

using Part = WindowDriver::Part;

class TestDrawingWindow : public WindowDriver
{
    Q_OBJECT

private slots:
    void cleanup() { window.reset(); }

    void drawnBeforeFirstShown();
    void redrawnWhenAnInputChanges();
    void coveringLeavesTheDrawingsUnchanged();
    void countsBelowThreeKeepTheWindowWorking_data();
    void countsBelowThreeKeepTheWindowWorking();
    void everyCountAfterOtherCounts_data();
    void everyCountAfterOtherCounts();
};

void TestDrawingWindow::drawnBeforeFirstShown()
{
    window = std::make_unique<Orvane>();
    auto *plan = control<PictureBox>("Picture1");
    auto *detail = control<PictureBox>("Picture2");
    QVERIFY(plan && detail);
    QVERIFY(!window->isVisible());

    // The joint at 60 degrees runs from the inner corner (radius 14.75) to the outer one (21.07);
    // between the boundary lines at 0 and 60 degrees, inside the inner circle, there is nothing.
    const QImage &ring = plan->image();
    QVERIFY(pixels::anyNear(ring, planPixel(ring, 20, 60), 1, pixels::isYellowish));
    QVERIFY(pixels::allNear(ring, planPixel(ring, 8, 30), 2, pixels::isTeal));

    // The segment: its first arc, 0.6 of the end cut's lean (3.16 inches) around the left end of
    // the long side at (1, 0.25), from 0 to 60 degrees.
    const QImage &segment = detail->image();
    const double width = 21.073287635 + 2;
    const pixels::Scale detailScale { 0, width / 1.702899, width, -width / 1.702899 };
    const double lean = (21.073287635 - 14.750001475) / 2;
    const QPoint arc = pixels::pixelAt(segment,
        pixels::landing(segment, detailScale, 1 + 0.6 * lean * std::cos(pi / 6),
            0.25 + 0.6 * lean * std::sin(pi / 6)));
    QVERIFY(pixels::anyNear(segment, arc, 1, pixels::isMagentaish));

    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const QImage shown = plan->grab().toImage();
    QVERIFY(pixels::anyNear(shown, planPixel(shown, 20, 60), 1, pixels::isYellowish));
}

void TestDrawingWindow::redrawnWhenAnInputChanges()
{
    QVERIFY(openWindow());
    auto *plan = control<PictureBox>("Picture1");
    auto *detail = control<PictureBox>("Picture2");
    QVERIFY(plan && detail && spinner("VScroll1"));
    const QImage segmentBefore = detail->grab().toImage();
    QImage ring = plan->grab().toImage();
    QVERIFY(pixels::anyNear(ring, planPixel(ring, 20, 60), 1, pixels::isYellowish));

    QVERIFY(clickSpinner("VScroll1", Part::UpArrow, 2));
    QCOMPARE(text("numsegs"), QStringLiteral("8"));

    // Eight segments: a joint at 45 degrees, none at 60.
    ring = plan->grab().toImage();
    QVERIFY(pixels::anyNear(ring, planPixel(ring, 19, 45), 1, pixels::isYellowish));
    QVERIFY(pixels::allNear(ring, planPixel(ring, 20, 60), 2, pixels::isTeal));
    QVERIFY(detail->grab().toImage() != segmentBefore);
}

// The help panel covers parts of both drawings; closing it shows them as they were.
void TestDrawingWindow::coveringLeavesTheDrawingsUnchanged()
{
    QVERIFY(openWindow());
    auto *plan = control<PictureBox>("Picture1");
    auto *detail = control<PictureBox>("Picture2");
    auto *close = control<QPushButton>("Command10");
    QVERIFY(plan && detail && control("Command9") && close);
    const auto shown
        = [this](const QWidget *picture) { return window->grab(picture->geometry()).toImage(); };
    const QImage planBefore = shown(plan);
    const QImage detailBefore = shown(detail);
    const QImage backingBefore = plan->image();

    clickButton("Command9");
    QVERIFY(close->isVisible());
    QVERIFY(shown(plan) != planBefore);
    QVERIFY(shown(detail) != detailBefore);

    clickButton("Command10");
    QVERIFY(!close->isVisible());
    QCOMPARE(shown(plan), planBefore);
    QCOMPARE(shown(detail), detailBefore);
    QCOMPARE(plan->image(), backingBefore);
}

void TestDrawingWindow::countsBelowThreeKeepTheWindowWorking_data()
{
    QTest::addColumn<QString>("count");
    QTest::newRow("2 segments") << QStringLiteral("2");
    QTest::newRow("1 segment") << QStringLiteral("1");
}

// The spinner offers 4 to 24 segments; a count below three written into the box still runs the
// whole recalculation down to the board feet, and the window comes back whole afterwards.
void TestDrawingWindow::countsBelowThreeKeepTheWindowWorking()
{
    QFETCH(QString, count);
    QVERIFY(openWindow());
    auto *plan = control<PictureBox>("Picture1");
    auto *detail = control<PictureBox>("Picture2");
    auto *segmentCount = control<QLineEdit>("numsegs");
    auto *boardFeet = control<QLabel>("boardfeet");
    QVERIFY(plan && detail && segmentCount && boardFeet);
    const QImage planBefore = plan->image();
    const QImage detailBefore = detail->image();
    const QString feetBefore = boardFeet->text();

    const QString unset = QStringLiteral("unset");
    boardFeet->setText(unset);
    segmentCount->setText(count);
    QVERIFY(boardFeet->text() != unset);
    QVERIFY(plan->image() != planBefore);

    segmentCount->setText(QStringLiteral("6"));
    QCOMPARE(boardFeet->text(), feetBefore);
    QCOMPARE(plan->image(), planBefore);
    QCOMPARE(detail->image(), detailBefore);
}

void TestDrawingWindow::everyCountAfterOtherCounts_data()
{
    QTest::addColumn<int>("count");
    for (int n = 1; n <= 30; ++n)
        QTest::addRow("%d segments", n) << n;
}

// A count shown after every other count, the larger ones first, shows what a window that never
// showed another count shows for it: nothing an earlier count drew or computed is left in the
// drawings, the results or the ring.
void TestDrawingWindow::everyCountAfterOtherCounts()
{
    QFETCH(int, count);
    QVERIFY(openWindow());
    for (int earlier = 30; earlier >= 1; --earlier)
        control<QLineEdit>("numsegs")->setText(QString::number(earlier));
    control<QLineEdit>("numsegs")->setText(QString::number(count));
    const WindowState afterOthers = state();

    QVERIFY(openWindow());
    control<QLineEdit>("numsegs")->setText(QString::number(count));
    const WindowState fresh = state();
    QCOMPARE(afterOthers.pictures.value("Picture1"), fresh.pictures.value("Picture1"));
    QCOMPARE(afterOthers.pictures.value("Picture2"), fresh.pictures.value("Picture2"));
    QCOMPARE(afterOthers.texts, fresh.texts);
    QCOMPARE(afterOthers.ring, fresh.ring);
    QVERIFY(afterOthers == fresh);
}

QTEST_MAIN(TestDrawingWindow)
#include "tst_drawingwindow.moc"
