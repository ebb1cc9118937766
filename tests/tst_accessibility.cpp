// What assistive technology and the keyboard alone get from the window.

#include "tests/support/expected.h"
#include "tests/support/windowdriver.h"
#include "window/spinner.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

class AccessibilityTest : public WindowDriver
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void controlsAreNamedAfterTheirCaptions_data();
    void controlsAreNamedAfterTheirCaptions();
    void spinnersTellTheValueTheUserSees_data();
    void spinnersTellTheValueTheUserSees();
    void resultFieldsTellTheirResult();
    void drawingsDescribeThemselves();
    void tabVisitsEveryControlInOrder();
    void keysAloneChangeAnInput();

private:
    QAccessibleInterface *accessible(const QString &name) const
    {
        QWidget *widget = control(name);
        return widget ? QAccessible::queryAccessibleInterface(widget) : nullptr;
    }
};

void AccessibilityTest::init()
{
    QVERIFY(openWindow());
}

void AccessibilityTest::cleanup()
{
    window.reset();
}

void AccessibilityTest::controlsAreNamedAfterTheirCaptions_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::newRow("segment count") << "numsegs"
                                   << "# of Segments";
    QTest::newRow("its spinner") << "VScroll1"
                                 << "# of Segments";
    QTest::newRow("outer diameter") << "outerdiam"
                                    << "Outer Diameter, in.";
    QTest::newRow("its spinner") << "VScroll2"
                                 << "Outer Diameter, in.";
    QTest::newRow("inner diameter") << "innerdiam"
                                    << "Inner Diameter, in.";
    QTest::newRow("its spinner") << "VScroll3"
                                 << "Inner Diameter, in.";
    QTest::newRow("fudge") << "fudge"
                           << "Fudge Factor, in.";
    QTest::newRow("its spinner") << "VScroll4"
                                 << "Fudge Factor, in.";
    QTest::newRow("thickness") << "boardthick"
                               << "Board thickness, in.";
    QTest::newRow("its spinner") << "VScroll5"
                                 << "Board thickness, in.";
    QTest::newRow("long side fraction") << "longside"
                                        << "Long side Length, in., Approx. Fraction";
    QTest::newRow("long side decimal") << "longsidedec"
                                       << "Long side Length, in., Decimal Value";
    QTest::newRow("short side fraction") << "shortside"
                                         << "Short side Length, in., Approx. Fraction";
    QTest::newRow("short side decimal") << "shortsidedec"
                                        << "Short side Length, in., Decimal Value";
    QTest::newRow("board width fraction") << "bwidth"
                                          << "Board width, in., Approx. Fraction";
    QTest::newRow("board width decimal") << "boardwidthdec"
                                         << "Board width, in., Decimal Value";
    QTest::newRow("angle of the long side") << "shortangle"
                                            << "Miter angle,°, Long Side";
    QTest::newRow("angle of the short side") << "longangle"
                                             << "Miter angle,°, Short Side";
    QTest::newRow("board feet") << "boardfeet"
                                << "Board feet of lumber";
}

void AccessibilityTest::controlsAreNamedAfterTheirCaptions()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    QAccessibleInterface *face = accessible(control);
    QVERIFY(face);
    QCOMPARE(face->text(QAccessible::Name), name);
}

void AccessibilityTest::spinnersTellTheValueTheUserSees_data()
{
    QTest::addColumn<QString>("spinner");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("bottom");
    QTest::addColumn<int>("top");
    for (const expected::SpinnerRange &s : expected::spinners)
        QTest::newRow(s.name) << s.name << s.start << s.bottom << s.top;
}

void AccessibilityTest::spinnersTellTheValueTheUserSees()
{
    QFETCH(QString, spinner);
    QFETCH(int, start);
    QFETCH(int, bottom);
    QFETCH(int, top);
    QAccessibleInterface *face = accessible(spinner);
    QVERIFY(face);
    QAccessibleValueInterface *value = face->valueInterface();
    QVERIFY(value);
    QCOMPARE(value->currentValue().toInt(), start);
    QCOMPARE(value->minimumValue().toInt(), bottom);
    QCOMPARE(value->maximumValue().toInt(), top);
    QCOMPARE(face->text(QAccessible::Value), QString::number(start));

    // Raised from the keyboard, it tells the raised value.
    auto *bar = control<orvane::Spinner>(spinner);
    bar->setFocus();
    QTest::keyClick(bar, Qt::Key_Up);
    QCOMPARE(value->currentValue().toInt(), start + 1);
}

void AccessibilityTest::resultFieldsTellTheirResult()
{
    for (const char *name : { "longside", "shortsidedec", "bwidth", "shortangle", "boardfeet" }) {
        QAccessibleInterface *face = accessible(name);
        QVERIFY(face);
        const auto *field = control<QLabel>(name);
        QVERIFY(!field->text().isEmpty());
        QCOMPARE(face->text(QAccessible::Value), field->text());
    }
    QCOMPARE(accessible("longangle")->text(QAccessible::Value), QStringLiteral("30.0°"));
}

void AccessibilityTest::drawingsDescribeThemselves()
{
    for (const char *name : { "Picture1", "Picture2" }) {
        QAccessibleInterface *face = accessible(name);
        QVERIFY(face);
        QVERIFY(!face->text(QAccessible::Name).isEmpty());
        QVERIFY(face->text(QAccessible::Description).size() > 40);
    }
    QVERIFY(accessible("Picture1")->text(QAccessible::Description).contains(QLatin1String("ring")));
    QVERIFY(
        accessible("Picture2")->text(QAccessible::Description).contains(QLatin1String("segment")));
}

void AccessibilityTest::tabVisitsEveryControlInOrder()
{
    const QStringList expected { "Picture1", "Command2", "Command3", "Command8", "VScroll1",
        "VScroll3", "VScroll2", "VScroll4", "Picture2", "VScroll5", "Command9", "Command13",
        "Picture1" };
    control("Picture1")->setFocus();
    QCOMPARE(tabWalk(int(expected.size()) - 1), expected);

    // With the help panel and the prompt open, their controls join the order where they stand.
    clickButton("Command9");
    clickButton("Command13");
    control("VScroll5")->setFocus();
    QCOMPARE(tabWalk(6).mid(1),
        (QStringList { "Command9", "Picture3", "Command10", "Text1", "Command12", "Command13" }));
}

void AccessibilityTest::keysAloneChangeAnInput()
{
    auto *outer = control<orvane::Spinner>("VScroll2");
    auto *box = control<QLineEdit>("outerdiam");
    outer->setFocus();
    QTest::keyClick(outer, Qt::Key_Up);
    QCOMPARE(box->text(), QStringLiteral("36.25"));
    QTest::keyClick(outer, Qt::Key_Down);
    QTest::keyClick(outer, Qt::Key_Down);
    QCOMPARE(box->text(), QStringLiteral("35.75"));

    // A view button pressed with the space bar zooms the plan view out.
    auto *zoomOut = control<QPushButton>("Command2");
    zoomOut->setFocus();
    QWidget *plan = control("Picture1");
    const QImage before = plan->grab().toImage();
    QTest::keyClick(zoomOut, Qt::Key_Space);
    QVERIFY(plan->grab().toImage() != before);
}

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
