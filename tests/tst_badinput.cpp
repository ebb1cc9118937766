// Texts the spinners never write, put into the input boxes directly: the window shows no "nan" or
// "inf", blanks the results that cannot be computed, keeps working, and shows full results again
// once the inputs are good.

#include "core/reading.h"
#include "drawing/detailview.h"
#include "drawing/picturebox.h"
#include "drawing/planview.h"
#include "tests/support/expectedcaptions.h"
#include "tests/support/recalculationlog.h"
#include "tests/support/watchedsurface.h"
#include "tests/support/windowdriver.h"
#include "window/orvane.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cmath>
#include <memory>

using windowdriver::Part;

class TestBadInput : public QObject
{
    Q_OBJECT

    std::unique_ptr<Orvane> window;

    QMap<QString, QString> inputs() const
    {
        return windowdriver::texts(window.get(), expected::inputBoxes());
    }
    QMap<QString, QString> results() const
    {
        return windowdriver::texts(window.get(), expected::resultFields());
    }
    void write(const QString &box, const QString &text)
    {
        window->findChild<QLineEdit *>(box)->setText(text);
    }

    // No result shows a number that is not one.
    void checkNoNonsense()
    {
        const auto shown = results();
        for (auto it = shown.cbegin(); it != shown.cend(); ++it) {
            const QString lower = it.value().toLower();
            QVERIFY2(!lower.contains("nan") && !lower.contains("inf"),
                qPrintable(it.key() + ": " + it.value()));
        }
    }

    // The results of the current inputs, with `blank` fields empty.
    QMap<QString, QString> expectedWith(const QStringList &blank, const expected::Ring &ring)
    {
        auto wanted = expected::captions(ring);
        for (const QString &field : blank)
            wanted[field] = QString();
        return wanted;
    }

    bool detailViewEmpty()
    {
        const QImage image = window->findChild<PictureBox *>("Picture2")->image();
        const QRgb teal = qRgb(0, 128, 128);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixel(x, y) != teal)
                    return false;
            }
        }
        return true;
    }

    // Draws what the window drew last, from its record and its boxes, on surfaces of the picture
    // boxes' sizes and scales that note all the painter is given.
    void checkDrawings()
    {
        const auto *plan = window->findChild<PictureBox *>("Picture1");
        const auto *detail = window->findChild<PictureBox *>("Picture2");
        const auto number = [this](const char *box) {
            return orvane::leadingNumber(windowdriver::text(window.get(), box).toStdString());
        };
        const orvane::RingInputs inputs { number("numsegs"), number("outerdiam"),
            number("innerdiam"), number("fudge") };

        WatchedSurface planSurface(plan->size());
        planSurface.setScaleLeft(plan->scaleLeft());
        planSurface.setScaleTop(plan->scaleTop());
        planSurface.setScaleWidth(plan->scaleWidth());
        planSurface.setScaleHeight(plan->scaleHeight());
        drawPlanView(planSurface, window->formState(), inputs);
        const QList<QPointF> planPoints = planSurface.points();
        QVERIFY(!planPoints.isEmpty()); // a circle or the boundary lines at least
        checkWithinReach(planPoints, plan->size());

        WatchedSurface detailSurface(detail->size());
        orvane::FormState state = window->formState();
        drawSegmentDetail(detailSurface, state);
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
    void init()
    {
        window = std::make_unique<Orvane>();
        QVERIFY(windowdriver::show(window.get()));
    }
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
        RecalculationLog log(window.get());
        write("numsegs", count);
        QCOMPARE(log.recalculations(), 1);
        checkNoNonsense();
        for (const QString &field : expected::resultFields())
            QVERIFY2(windowdriver::text(window.get(), field).isEmpty(), qPrintable(field));
        QVERIFY(detailViewEmpty());

        // The view buttons recalculate too and keep the results blank.
        for (const char *button : { "Command2", "Command3", "Command8" })
            QTest::mouseClick(window->findChild<QPushButton *>(button), Qt::LeftButton);
        checkNoNonsense();
        QCOMPARE(results(), expectedWith(expected::resultFields(), {}));

        // The segments spinner still stands at 6: one click up writes a good count again.
        QVERIFY(windowdriver::click(window.get(), "VScroll1", Part::UpArrow));
        QCOMPARE(windowdriver::text(window.get(), "numsegs"), QString("7"));
        QCOMPARE(results(), expected::captions(expected::fromInputs(inputs())));
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
        QCOMPARE(results(), expected::captions(expected::fromInputs(inputs())));
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
        RecalculationLog log(window.get());
        write(box, text);
        QCOMPARE(log.recalculations(), 1);
        checkNoNonsense();
        for (const QString &field : blank)
            QVERIFY2(windowdriver::text(window.get(), field).isEmpty(), qPrintable(field));
        QCOMPARE(results(), expectedWith(blank, expected::fromInputs(inputs())));

        // One click up on the spinner writes a good value again.
        QVERIFY(windowdriver::click(window.get(), spinner, Part::UpArrow));
        QVERIFY(windowdriver::text(window.get(), box) != text);
        checkNoNonsense();
        QCOMPARE(results(), expected::captions(expected::fromInputs(inputs())));
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
        RecalculationLog log(window.get());
        write("boardthick", thickness);
        QCOMPARE(log.recalculations(), 0);
        checkNoNonsense();
        auto after = results();
        QCOMPARE(after.take("boardfeet"), QString());
        before.remove("boardfeet");
        QCOMPARE(after, before);

        // A recalculation leaves the estimate blank while the thickness is still bad.
        QVERIFY(windowdriver::click(window.get(), "VScroll1", Part::UpArrow));
        QCOMPARE(results(), expectedWith({ "boardfeet" }, expected::fromInputs(inputs())));

        // The thickness spinner still stands at 0.75: a click writes a good thickness again.
        QVERIFY(windowdriver::click(window.get(), "VScroll5", Part::DownArrow));
        QCOMPARE(windowdriver::text(window.get(), "boardthick"), QString("0.5"));
        QCOMPARE(results(), expected::captions(expected::fromInputs(inputs())));
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
        QTest::mouseClick(window->findChild<QPushButton *>("Command8"), Qt::LeftButton);
        checkDrawings();
        QVERIFY(!window->grab().isNull());
    }

    // A bad count and a bad thickness at once, mended one after the other.
    void badCountAndThickness()
    {
        write("boardthick", "");
        write("numsegs", "0");
        QCOMPARE(results(), expectedWith(expected::resultFields(), {}));
        QVERIFY(windowdriver::click(window.get(), "VScroll1", Part::DownArrow));
        QCOMPARE(results(), expectedWith({ "boardfeet" }, expected::fromInputs(inputs())));
        QVERIFY(windowdriver::click(window.get(), "VScroll5", Part::UpArrow));
        QCOMPARE(windowdriver::text(window.get(), "boardthick"), QString("1"));
        QCOMPARE(results(), expected::captions(expected::fromInputs(inputs())));
    }
};

QTEST_MAIN(TestBadInput)
#include "tst_badinput.moc"
