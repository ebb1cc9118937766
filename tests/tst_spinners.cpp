// The five spinners as a user works them: arrows, arrow keys, clicks in the track and drags of the
// thumb, what each writes into its box, the ends of their ranges, and the board thickness spinner
// that moves nothing but the board feet.

#include "drawing/picturebox.h"
#include "tests/support/expected.h"
#include "tests/support/recalculationlog.h"
#include "tests/support/windowdriver.h"

#include <QScrollBar>
#include <QTest>

using orvane::PictureBox;

using Part = WindowDriver::Part;
using Texts = QMap<QString, QString>;

namespace {

// Counts the paintings of a widget.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *widget)
        : QObject(widget)
    {
        widget->installEventFilter(this);
    }
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace

class TestSpinners : public WindowDriver
{
    Q_OBJECT

    // One user action on a spinner, by mouse or key.
    bool act(const QString &name, const QString &action)
    {
        QScrollBar *bar = spinner(name);
        if (action == QLatin1String("up arrow"))
            return clickPart(bar, Part::UpArrow);
        if (action == QLatin1String("down arrow"))
            return clickPart(bar, Part::DownArrow);
        if (action == QLatin1String("track above"))
            return clickPart(bar, Part::TrackAbove);
        if (action == QLatin1String("track below"))
            return clickPart(bar, Part::TrackBelow);
        const QMap<QString, int> keys { { "Up key", Qt::Key_Up }, { "Down key", Qt::Key_Down },
            { "Page Up key", Qt::Key_PageUp }, { "Page Down key", Qt::Key_PageDown } };
        if (!keys.contains(action))
            return false;
        pressKey(bar, keys.value(action));
        return bar->hasFocus();
    }

    void settle() { QTest::qWait(20); }

private slots:
    void init() { QVERIFY(openWindow()); }
    void cleanup() { window.reset(); }

    // One move from the start state: the value moves one step (arrows, arrow keys) or one track
    // step (a click in the track, the page keys), the box shows the new value and the window
    // recalculates once.
    void oneMove_data()
    {
        QTest::addColumn<QString>("spinner");
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("value");

        // The diameters move 5 quarter inches for a click in the track, the others 1.
        for (const expected::SpinnerRange &s : expected::spinners) {
            const auto row = [&s](const char *action, int value) {
                QTest::addRow("%s %s", s.name, action) << s.name << action << value;
            };
            row("up arrow", s.start + 1);
            row("down arrow", s.start - 1);
            row("Up key", s.start + 1);
            row("Down key", s.start - 1);
            row("track above", s.start + s.trackStep);
            row("Page Up key", s.start + s.trackStep);
            // The fudge factor starts one step off its bottom: the track step takes it there.
            row("Page Down key", std::max(s.bottom, s.start - s.trackStep));
        }
        // A click in the track below the thumb needs room there.
        QTest::addRow("VScroll2 track below") << "VScroll2"
                                              << "track below" << 139;
        QTest::addRow("VScroll3 track below") << "VScroll3"
                                              << "track below" << 115;
    }
    void oneMove()
    {
        QFETCH(QString, spinner);
        QFETCH(QString, action);
        QFETCH(int, value);
        const QString box = expected::spinner(spinner).box;
        const bool thickness = box == QLatin1String("boardthick");

        RecalculationLog log(*this);
        QVERIFY(act(spinner, action));
        QCOMPARE(spinnerValue(spinner), value);
        QCOMPARE(text(box), expected::boxText(spinner, value));
        QCOMPARE(log.recalculations(), thickness ? 0 : 1);
        QCOMPARE(log.thicknessWrites, thickness ? 1 : 0);
        QCOMPARE(results(), expectedResults());
    }

    void texts_data()
    {
        QTest::addColumn<QString>("spinner");
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("inner diameter up")
            << "VScroll3" << QStringList { "up arrow" } << QStringList { "30.25" };
        QTest::newRow("outer diameter up, down, down")
            << "VScroll2" << QStringList { "up arrow", "down arrow", "down arrow" }
            << QStringList { "36.25", "36", "35.75" };
        // The fudge factor starts as ".25" and keeps that form only until its spinner moves.
        QTest::newRow("fudge up, down, down")
            << "VScroll4" << QStringList { "up arrow", "down arrow", "down arrow" }
            << QStringList { "0.5", "0.25", "0" };
        QTest::newRow("fudge down")
            << "VScroll4" << QStringList { "down arrow" } << QStringList { "0" };
        QTest::newRow("thickness down, down, up")
            << "VScroll5" << QStringList { "down arrow", "down arrow", "up arrow" }
            << QStringList { "0.5", "0.25", "0.5" };
        QTest::newRow("segments up")
            << "VScroll1" << QStringList { "up arrow" } << QStringList { "7" };
    }
    void texts()
    {
        QFETCH(QString, spinner);
        QFETCH(QStringList, actions);
        QFETCH(QStringList, texts);
        QStringList written;
        for (const QString &action : actions) {
            QVERIFY(act(spinner, action));
            written.append(text(expected::spinner(spinner).box));
        }
        QCOMPARE(written, texts);
    }

    // Back at the start value by way of another, the fudge factor reads "0.25" and the results are
    // those of the start.
    void fudgeBackAtStart()
    {
        const auto start = results();
        QVERIFY(act("VScroll4", "up arrow"));
        QVERIFY(results() != start);
        QVERIFY(act("VScroll4", "down arrow"));
        QCOMPARE(text("fudge"), QString("0.25"));
        QCOMPARE(results(), start);
    }

    // Arrow clicks all the way to each end of a range, then one more, which changes nothing.
    void ends_data()
    {
        QTest::addColumn<QString>("spinner");
        QTest::addColumn<bool>("up");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<Texts>("boxes");
        QTest::newRow("segments top") << "VScroll1" << true << 18 << Texts { { "numsegs", "24" } };
        QTest::newRow("segments bottom")
            << "VScroll1" << false << 2 << Texts { { "numsegs", "4" } };
        QTest::newRow("outer top") << "VScroll2" << true << 144 << Texts { { "outerdiam", "72" } };
        // On its way down the outer diameter pushes the inner one ahead of it.
        QTest::newRow("outer bottom") << "VScroll2" << false << 128
                                      << Texts { { "outerdiam", "4" }, { "innerdiam", "3.75" } };
        // On its way up the inner diameter drags the outer one along; they end level.
        QTest::newRow("inner top")
            << "VScroll3" << true << 164 << Texts { { "innerdiam", "71" }, { "outerdiam", "71" } };
        QTest::newRow("inner bottom")
            << "VScroll3" << false << 108 << Texts { { "innerdiam", "3" } };
        QTest::newRow("fudge top") << "VScroll4" << true << 15 << Texts { { "fudge", "4" } };
        QTest::newRow("fudge bottom") << "VScroll4" << false << 1 << Texts { { "fudge", "0" } };
        QTest::newRow("thickness top")
            << "VScroll5" << true << 29 << Texts { { "boardthick", "8" } };
        QTest::newRow("thickness bottom")
            << "VScroll5" << false << 2 << Texts { { "boardthick", "0.25" } };
    }
    void ends()
    {
        QFETCH(QString, spinner);
        QFETCH(bool, up);
        QFETCH(int, clicks);
        QFETCH(Texts, boxes);
        const expected::SpinnerRange range = expected::spinner(spinner);
        const Part arrow = up ? Part::UpArrow : Part::DownArrow;

        QVERIFY(clickSpinner(spinner, arrow, clicks));
        QCOMPARE(spinnerValue(spinner), up ? range.top : range.bottom);
        for (auto it = boxes.cbegin(); it != boxes.cend(); ++it)
            QCOMPARE(text(it.key()), it.value());
        const auto atEnd = results();
        QCOMPARE(atEnd, expectedResults());

        const auto before = inputs();
        RecalculationLog log(*this);
        QVERIFY(clickSpinner(spinner, arrow));
        pressKey(this->spinner(spinner), up ? Qt::Key_Up : Qt::Key_Down);
        QCOMPARE(spinnerValue(spinner), up ? range.top : range.bottom);
        QCOMPARE(inputs(), before);
        QCOMPARE(log.recalculations(), 0);
        QCOMPARE(log.thicknessWrites, 0);
        QCOMPARE(results(), atEnd);
    }

    // A drag of the thumb to an end of its travel sets that end's value.
    void dragToEnd_data()
    {
        QTest::addColumn<QString>("spinner");
        QTest::addColumn<int>("from");
        QTest::addColumn<bool>("up");
        QTest::addColumn<QString>("text");
        QTest::newRow("segments top") << "VScroll1" << 6 << true << "24";
        QTest::newRow("segments bottom") << "VScroll1" << 10 << false << "4";
        QTest::newRow("outer top") << "VScroll2" << 144 << true << "72";
        QTest::newRow("inner bottom") << "VScroll3" << 120 << false << "3";
        QTest::newRow("fudge top") << "VScroll4" << 1 << true << "4";
        QTest::newRow("fudge bottom") << "VScroll4" << 8 << false << "0";
        QTest::newRow("thickness top") << "VScroll5" << 3 << true << "8";
        QTest::newRow("thickness bottom") << "VScroll5" << 16 << false << "0.25";
    }
    void dragToEnd()
    {
        QFETCH(QString, spinner);
        QFETCH(int, from);
        QFETCH(bool, up);
        QFETCH(QString, text);
        const expected::SpinnerRange range = expected::spinner(spinner);
        QVERIFY(stepTo(spinner, from));
        RecalculationLog log(*this);
        QVERIFY(dragThumb(this->spinner(spinner), up ? 0 : 1));
        QCOMPARE(spinnerValue(spinner), up ? range.top : range.bottom);
        QCOMPARE(this->text(range.box), text);
        const bool thickness = spinner == QLatin1String("VScroll5");
        QCOMPARE(log.recalculations(), thickness ? 0 : 1);
        QCOMPARE(log.thicknessWrites, thickness ? 1 : 0);
        QCOMPARE(results(), expectedResults());
    }

    // While the thumb is dragged nothing changes; letting it go changes the value once.
    void dragChangesOnceOnRelease()
    {
        QScrollBar *bar = spinner("VScroll1");
        const auto before = results();
        RecalculationLog log(*this);
        const QPoint grip = grabThumb(bar);
        QVERIFY(!grip.isNull());
        const QPoint there = moveThumb(bar, grip, 0.5);
        QVERIFY(there.y() < grip.y() - 1); // it went up several pixels
        QCOMPARE(spinnerValue("VScroll1"), 6);
        QCOMPARE(text("numsegs"), QString("6"));
        QCOMPARE(log.recalculations(), 0);
        QCOMPARE(results(), before);

        releaseThumb(bar, there);
        // Half way along the travel from 24 down to 4, give or take the value of a pixel.
        const int landed = spinnerValue("VScroll1");
        QVERIFY2(qAbs(landed - 14) <= 3, qPrintable(QString::number(landed)));
        QCOMPARE(text("numsegs"), QString::number(landed));
        QCOMPARE(log.recalculations(), 1);
        QCOMPARE(results(), expectedResults());
    }

    // The board thickness enters nothing but the board feet: no other result changes and the
    // drawings are not drawn again. The board feet are those the closed form gives for the
    // thickness shown, across the spinner's range; that they grow in proportion to the thickness
    // is checked with the estimate itself.
    void thicknessMovesOnlyBoardFeet_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("thickness");
        QTest::newRow("up arrow") << 3 << "up arrow"
                                  << "1";
        QTest::newRow("down arrow") << 3 << "down arrow"
                                    << "0.5";
        QTest::newRow("track above") << 3 << "track above"
                                     << "1";
        QTest::newRow("Page Up key") << 3 << "Page Up key"
                                     << "1";
        QTest::newRow("up to 1.5") << 5 << "up arrow"
                                   << "1.5";
        QTest::newRow("up to 4") << 15 << "up arrow"
                                 << "4";
        QTest::newRow("down to 0.25") << 2 << "down arrow"
                                      << "0.25";
        QTest::newRow("up to 8") << 31 << "up arrow"
                                 << "8";
    }
    void thicknessMovesOnlyBoardFeet()
    {
        QFETCH(int, from);
        QFETCH(QString, action);
        QFETCH(QString, thickness);
        QVERIFY(stepTo("VScroll5", from));
        auto *plan = control<PictureBox>("Picture1");
        auto *detail = control<PictureBox>("Picture2");
        // The focus leaving a drawing repaints it: let that happen before watching.
        spinner("VScroll5")->setFocus(Qt::MouseFocusReason);
        settle();
        const QImage planBefore = plan->image();
        const QImage detailBefore = detail->image();
        auto before = results();
        auto *planPaints = new PaintCounter(plan);
        auto *detailPaints = new PaintCounter(detail);
        RecalculationLog log(*this);

        QVERIFY(act("VScroll5", action));
        settle();
        QCOMPARE(text("boardthick"), thickness);
        QCOMPARE(log.thicknessWrites, 1);
        QCOMPARE(log.recalculations(), 0);
        auto after = results();
        const QString feet = after.take("boardfeet");
        QCOMPARE(feet, expectedResults().value("boardfeet"));
        QVERIFY(feet != before.take("boardfeet"));
        QCOMPARE(after, before);
        QCOMPARE(planPaints->paints, 0);
        QCOMPARE(detailPaints->paints, 0);
        QCOMPARE(plan->image(), planBefore);
        QCOMPARE(detail->image(), detailBefore);

        // The same watch sees a recalculation draw both again.
        QVERIFY(act("VScroll1", "up arrow"));
        settle();
        QVERIFY(planPaints->paints > 0);
        QVERIFY(detailPaints->paints > 0);
    }
};

QTEST_MAIN(TestSpinners)
#include "tst_spinners.moc"
