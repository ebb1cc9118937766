// Texts the spinners never write, put into the input boxes directly: the window shows no "nan" or
// "inf", blanks the results that cannot be computed, keeps working, and shows full results again
// once the inputs are good.

#include "drawing/detailview.h"
#include "drawing/picturebox.h"
#include "drawing/planview.h"
#include "tests/support/expected.h"
#include "tests/support/pixels.h"
#include "tests/support/recalculationlog.h"
#include "tests/support/viewscale.h"
#include "tests/support/watchedsurface.h"
#include "tests/support/windowdriver.h"

#include <QLineEdit>
#include <QTest>

#include <cmath>

using orvane::PictureBox;

using Part = WindowDriver::Part;

class TestBadInput : public WindowDriver
{
    Q_OBJECT

    void write(const QString &box, const QString &text) { control<QLineEdit>(box)->setText(text); }

    // No result shows a number that is not one.
    void checkNoNonsense()
    {
        const QString nonsense = expected::nonsense(results());
        QVERIFY2(nonsense.isEmpty(), qPrintable(nonsense));
    }

    // The results of the current inputs, with `blank` fields empty.
    QMap<QString, QString> expectedWith(const QStringList &blank) const
    {
        auto wanted = expectedResults();
        for (const QString &field : blank)
            wanted[field] = QString();
        return wanted;
    }

    bool detailViewEmpty() { return pixels::isBlank(control<PictureBox>("Picture2")->image()); }

    // Draws what the window drew last, from the ring it computed and the inputs in its boxes, on
    // surfaces of the picture boxes' sizes and scales that note all the painter is given.
    void checkDrawings()
    {
        const auto *plan = control<PictureBox>("Picture1");
        const auto *detail = control<PictureBox>("Picture2");

        WatchedSurface planSurface(plan->size());
        setScale(planSurface, scaleOf(*plan));
        drawPlanView(planSurface, ringInputs(), window->ring());
        const QList<QPointF> planPoints = planSurface.points();
        QVERIFY(!planPoints.isEmpty()); // a circle or the boundary lines at least
        checkWithinReach(planPoints, plan->size());

        WatchedSurface detailSurface(detail->size());
        drawSegmentDetail(detailSurface, window->ring());
        checkWithinReach(detailSurface.points(), detail->size());
    }

    // A point a thousand pictures away is as bad as one that is no number: the painter would
    // spend its time on figures no one sees.
    void checkWithinReach(const QList<QPointF> &points, QSize picture)
    {
        const double reach = 1000.0 * std::max(picture.width(), picture.height());
        for (const QPointF &p : points) {
            QVERIFY2(std::isfinite(p.x()) && std::isfinite(p.y()) && std::fabs(p.x()) <= reach
                    && std::fabs(p.y()) <= reach,
                qPrintable(QStringLiteral("%1, %2").arg(p.x()).arg(p.y())));
        }
    }

private slots:
    void init() { QVERIFY(openWindow()); }
    void cleanup() { window.reset(); }

    // A count no ring can have: every result depends on it, so all are blank, and the detail view
    // shows no segment left over from the last good count.
    void badCount_data()
    {
        QTest::addColumn<QString>("count");
        for (const char *count : { "0", "-3", "31", "1000", "", "abc", ".", "-", "1e400", "nan" })
            QTest::newRow(*count ? count : "empty") << count;
    }
    void badCount()
    {
        QFETCH(QString, count);
        RecalculationLog log(*this);
        write("numsegs", count);
        QCOMPARE(log.recalculations(), 1);
        checkNoNonsense();
        for (const QString &field : resultFields())
            QVERIFY2(text(field).isEmpty(), qPrintable(field));
        QVERIFY(detailViewEmpty());

        // The view buttons recalculate too and keep the results blank.
        for (const char *button : { "Command2", "Command3", "Command8" })
            clickButton(button);
        checkNoNonsense();
        QCOMPARE(results(), expectedWith(resultFields()));

        // The segments spinner still stands at 6: one click up writes a good count again.
        QVERIFY(clickSpinner("VScroll1", Part::UpArrow));
        QCOMPARE(text("numsegs"), QString("7"));
        QCOMPARE(results(), expectedResults());
        QVERIFY(!detailViewEmpty());
    }

    // Good counts within the tables the program keeps, beyond what the spinner offers.
    void countsOutsideTheSpinner_data()
    {
        QTest::addColumn<QString>("count");
        for (const char *count : { "3", "25", "30" })
            QTest::newRow(count) << count;
    }
    void countsOutsideTheSpinner()
    {
        QFETCH(QString, count);
        write("numsegs", count);
        checkNoNonsense();
        QCOMPARE(results(), expectedResults());
    }

    // Diameters and fudge factors the spinners never write.
    void badLengths_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("blank");
        QTest::addColumn<QString>("spinner");

        const QStringList lengths { "longside", "longsidedec", "shortside", "shortsidedec",
            "bwidth", "boardwidthdec", "boardfeet" };
        // Finite numbers give finite results, shown as they are.
        QTest::newRow("outer 0") << "outerdiam"
                                 << "0" << QStringList() << "VScroll2";
        QTest::newRow("outer -5") << "outerdiam"
                                  << "-5" << QStringList() << "VScroll2";
        QTest::newRow("inner 0") << "innerdiam"
                                 << "0" << QStringList() << "VScroll3";
        QTest::newRow("inner -5") << "innerdiam"
                                  << "-5" << QStringList() << "VScroll3";
        QTest::newRow("inner above outer") << "innerdiam"
                                           << "40" << QStringList() << "VScroll3";
        QTest::newRow("inner far above outer") << "innerdiam"
                                               << "200" << QStringList() << "VScroll3";
        QTest::newRow("fudge -1") << "fudge"
                                  << "-1" << QStringList() << "VScroll4";
        // Texts with no number in front read as 0.
        const std::pair<const char *, const char *> boxes[]
            = { { "outerdiam", "VScroll2" }, { "innerdiam", "VScroll3" }, { "fudge", "VScroll4" } };
        for (const auto &[box, spinner] : boxes) {
            for (const char *text : { "", "abc", "." })
                QTest::addRow("%s '%s'", box, text) << box << text << QStringList() << spinner;
        }
        // Too large for a number: what depends on it is blank. The short side depends only on the
        // inner diameter.
        QTest::newRow("outer 1e400")
            << "outerdiam"
            << "1e400"
            << QStringList { "longside", "longsidedec", "bwidth", "boardwidthdec", "boardfeet" }
            << "VScroll2";
        QTest::newRow("inner 1e400") << "innerdiam"
                                     << "1e400" << lengths << "VScroll3";
        QTest::newRow("inner -1e400") << "innerdiam"
                                      << "-1e400" << lengths << "VScroll3";
        QTest::newRow("fudge 1e400") << "fudge"
                                     << "1e400" << lengths << "VScroll4";
    }
    void badLengths()
    {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QStringList, blank);
        QFETCH(QString, spinner);
        RecalculationLog log(*this);
        write(box, text);
        QCOMPARE(log.recalculations(), 1);
        checkNoNonsense();
        for (const QString &field : blank)
            QVERIFY2(this->text(field).isEmpty(), qPrintable(field));
        QCOMPARE(results(), expectedWith(blank));

        // One click up on the spinner writes a good value again.
        QVERIFY(clickSpinner(spinner, Part::UpArrow));
        QVERIFY(this->text(box) != text);
        checkNoNonsense();
        QCOMPARE(results(), expectedResults());
    }

    // A thickness that is not a number, or is negative, gives no estimate; nothing else changes.
    void badThickness_data()
    {
        QTest::addColumn<QString>("thickness");
        for (const char *thickness : { "", "x", "-1", ".", "1x", "1e400", "nan", "inf" })
            QTest::newRow(*thickness ? thickness : "empty") << thickness;
    }
    void badThickness()
    {
        QFETCH(QString, thickness);
        auto before = results();
        RecalculationLog log(*this);
        write("boardthick", thickness);
        QCOMPARE(log.recalculations(), 0);
        checkNoNonsense();
        auto after = results();
        QCOMPARE(after.take("boardfeet"), QString());
        before.remove("boardfeet");
        QCOMPARE(after, before);

        // A recalculation leaves the estimate blank while the thickness is still bad.
        QVERIFY(clickSpinner("VScroll1", Part::UpArrow));
        QCOMPARE(results(), expectedWith({ "boardfeet" }));

        // The thickness spinner still stands at 0.75: a click writes a good thickness again.
        QVERIFY(clickSpinner("VScroll5", Part::DownArrow));
        QCOMPARE(text("boardthick"), QString("0.5"));
        QCOMPARE(results(), expectedResults());
    }

    // Every box in turn takes texts the spinners never write, some of them numbers far too
    // large for the drawings. Nothing the drawings then hand to a painter is anything but a number
    // within reach of the picture, at the start scale and after "Center", and the window still
    // paints itself.
    void drawsWithinThePictures_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        const char *const counts[]
            = { "0", "-3", "0.5", "30.5", "31", "1000", "", "abc", ".", "1e400", "-1e400" };
        for (const char *text : counts)
            QTest::addRow("numsegs '%s'", text) << "numsegs" << text;
        const char *const lengths[]
            = { "", "abc", ".", "0", "-5", "200", "1e30", "1e300", "1e400", "-1e400" };
        for (const char *box : { "outerdiam", "innerdiam", "fudge" }) {
            for (const char *text : lengths)
                QTest::addRow("%s '%s'", box, text) << box << text;
        }
        for (const char *text : { "", "x", "-1" })
            QTest::addRow("boardthick '%s'", text) << "boardthick" << text;
    }
    void drawsWithinThePictures()
    {
        QFETCH(QString, box);
        QFETCH(QString, text);
        write(box, text);
        checkNoNonsense();
        checkDrawings();
        clickButton("Command8");
        checkDrawings();
        QVERIFY(!window->grab().isNull());
    }

    // A bad count and a bad thickness at once, mended one after the other.
    void badCountAndThickness()
    {
        write("boardthick", "");
        write("numsegs", "0");
        QCOMPARE(results(), expectedWith(resultFields()));
        QVERIFY(clickSpinner("VScroll1", Part::DownArrow));
        QCOMPARE(results(), expectedWith({ "boardfeet" }));
        QVERIFY(clickSpinner("VScroll5", Part::UpArrow));
        QCOMPARE(text("boardthick"), QString("1"));
        QCOMPARE(results(), expectedResults());
    }
};

QTEST_MAIN(TestBadInput)
#include "tst_badinput.moc"
