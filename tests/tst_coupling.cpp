// The outer and inner diameter spinners keep the outer diameter above the inner one. Each write of
// a box recalculates once, and the chain of writes a move sets off runs through the intermediate
// diameters before it comes to rest.

#include "tests/support/expected.h"
#include "tests/support/recalculationlog.h"
#include "tests/support/windowdriver.h"

#include <QScrollBar>
#include <QTest>

using Part = WindowDriver::Part;

Q_DECLARE_METATYPE(WindowDriver::Part)

class TestCoupling : public WindowDriver
{
    Q_OBJECT

    // Each recalculation on the way showed the results of the diameters it saw.
    void checkEveryRecalculation(const RecalculationLog &log)
    {
        for (const RecalculationLog::Entry &entry : log.entries)
            QCOMPARE(entry.captions, expected::captionsFor(entry.inputs));
    }

    // Brings the diameters to `outer` and `inner` (quarter inches) with arrow clicks that set off
    // no chain: the outer one first, while it is still above the start's inner 30.
    bool setDiameters(int outer, int inner)
    {
        return stepTo("VScroll2", outer) && stepTo("VScroll3", inner)
            && spinnerValue("VScroll2") == outer;
    }

private slots:
    void init() { QVERIFY(openWindow()); }
    void cleanup() { window.reset(); }

    void chains_data()
    {
        QTest::addColumn<int>("outer");
        QTest::addColumn<int>("inner");
        QTest::addColumn<QString>("spinner");
        QTest::addColumn<Part>("part");
        // The outer and inner diameter each recalculation saw, in order; the last is the end state.
        QTest::addColumn<QStringList>("seen");

        QTest::newRow("outer lowered, still above inner")
            << 144 << 120 << "VScroll2" << Part::DownArrow << QStringList { "35.75/30" };
        QTest::newRow("outer lowered onto inner")
            << 121 << 120 << "VScroll2" << Part::DownArrow << QStringList { "30/30", "30/29.75" };
        QTest::newRow("outer lowered to a quarter below inner")
            << 124 << 120 << "VScroll2" << Part::TrackBelow
            << QStringList { "29.75/30", "29.75/29.75" };
        QTest::newRow("outer lowered to half an inch below inner")
            << 123 << 120 << "VScroll2" << Part::TrackBelow
            << QStringList { "29.5/30", "29.5/29.75", "30/29.75" };
        QTest::newRow("outer lowered from level with inner")
            << 121 << 121 << "VScroll2" << Part::DownArrow << QStringList { "30/30.25", "30/30" };
        QTest::newRow("inner raised, still below outer")
            << 144 << 120 << "VScroll3" << Part::UpArrow << QStringList { "36/30.25" };
        QTest::newRow("inner raised onto outer")
            << 121 << 120 << "VScroll3" << Part::UpArrow << QStringList { "30.25/30.25" };
        QTest::newRow("inner raised past outer") << 122 << 120 << "VScroll3" << Part::TrackAbove
                                                 << QStringList { "30.5/31.25", "31.5/31.25" };
        // Moving the outer diameter up or the inner one down never sets off a chain.
        QTest::newRow("outer raised from level")
            << 121 << 121 << "VScroll2" << Part::UpArrow << QStringList { "30.5/30.25" };
        QTest::newRow("inner lowered from level")
            << 121 << 121 << "VScroll3" << Part::DownArrow << QStringList { "30.25/30" };
        QTest::newRow("inner lowered by a track click")
            << 121 << 121 << "VScroll3" << Part::TrackBelow << QStringList { "30.25/29" };
    }
    void chains()
    {
        QFETCH(int, outer);
        QFETCH(int, inner);
        QFETCH(QString, spinner);
        QFETCH(Part, part);
        QFETCH(QStringList, seen);
        QVERIFY(setDiameters(outer, inner));

        RecalculationLog log(*this);
        QVERIFY(clickSpinner(spinner, part));
        QCOMPARE(log.diameters(), seen);
        checkEveryRecalculation(log);

        // The boxes and the spinners agree at the end.
        const QStringList end = seen.last().split('/');
        QCOMPARE(text("outerdiam"), end[0]);
        QCOMPARE(text("innerdiam"), end[1]);
        QCOMPARE(expected::quarters(spinnerValue("VScroll2")), end[0]);
        QCOMPARE(expected::quarters(spinnerValue("VScroll3")), end[1]);
    }

    // A drag of the outer diameter from 36 down towards 20, well below the inner 30: the inner
    // one drops a quarter inch and the outer one comes back to a quarter inch above it.
    void dragOuterBelowInner()
    {
        RecalculationLog log(*this);
        QVERIFY(dragThumb(spinner("VScroll2"), (288.0 - 80) / (288 - 16)));
        QCOMPARE(log.recalculations(), 3);
        // Where the thumb was let go: somewhere below 29.75.
        const double dropped = log.entries.first().inputs.value("outerdiam").toDouble();
        QVERIFY2(dropped < 29.75, qPrintable(QString::number(dropped)));
        const QString first = log.entries.first().inputs.value("outerdiam");
        QCOMPARE(log.diameters(), (QStringList { first + "/30", first + "/29.75", "30/29.75" }));
        checkEveryRecalculation(log);
        QCOMPARE(text("outerdiam"), QString("30"));
        QCOMPARE(text("innerdiam"), QString("29.75"));
    }

    // A drag of the inner diameter from 30 up towards 40, past the outer 36: the outer one rises
    // to a quarter inch above it.
    void dragInnerAboveOuter()
    {
        RecalculationLog log(*this);
        QVERIFY(dragThumb(spinner("VScroll3"), (284.0 - 160) / (284 - 12)));
        QCOMPARE(log.recalculations(), 2);
        const int landed = spinnerValue("VScroll3");
        QVERIFY2(landed > 144, qPrintable(QString::number(landed)));
        const QString raised = expected::quarters(landed);
        const QString above = expected::quarters(landed + 1);
        QCOMPARE(log.diameters(), (QStringList { "36/" + raised, above + "/" + raised }));
        checkEveryRecalculation(log);
        QCOMPARE(text("innerdiam"), raised);
        QCOMPARE(text("outerdiam"), above);
    }

    // Raised page by page from 30 to 40 past the outer 36, the inner diameter pushes the outer
    // one ahead of it and ends at 40 with the outer at 40.25.
    void innerPagedPastOuter()
    {
        RecalculationLog log(*this);
        for (int page = 0; page < 8; ++page)
            pressKey(spinner("VScroll3"), Qt::Key_PageUp);
        QCOMPARE(log.diameters(),
            (QStringList { "36/31.25", "36/32.5", "36/33.75", "36/35", "36/36.25", "36.5/36.25",
                "36.5/37.5", "37.75/37.5", "37.75/38.75", "39/38.75", "39/40", "40.25/40" }));
        checkEveryRecalculation(log);
        QCOMPARE(text("innerdiam"), QString("40"));
        QCOMPARE(text("outerdiam"), QString("40.25"));
    }
};

QTEST_MAIN(TestCoupling)
#include "tst_coupling.moc"
