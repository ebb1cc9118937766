// The help panel on the real window: "Help" shows it in place, "Close" hides it, and the project
// name prompt lies above it.

#include "tests/support/windowdriver.h"
#include "window/twips.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using orvane::twipsRect;

class TestHelpPanel : public WindowDriver
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void hiddenAtStart();
    void helpShowsThePanelInPlace();
    void helpAgainChangesNothing();
    void closeHidesThePanelWhereItIs();
    void answersShownWhole_data();
    void answersShownWhole();
    void coveredControlsComeBackUnchanged();
    void promptLiesAbovePanel_data();
    void promptLiesAbovePanel();

private:
    QWidget *panel() const { return control("Picture3"); }
    // A control of the help panel itself.
    template <typename T = QWidget> T *onPanel(const char *name) const
    {
        return panel()->findChild<T *>(QLatin1String(name));
    }
    void clickClose() const
    {
        QTest::mouseClick(onPanel<QPushButton>("Command10"), Qt::LeftButton);
    }
};

void TestHelpPanel::init()
{
    QVERIFY(openWindow());
}

void TestHelpPanel::cleanup()
{
    window.reset();
}

void TestHelpPanel::hiddenAtStart()
{
    QVERIFY(!panel()->isVisible());
    QCOMPARE(control<QPushButton>("Command9")->text(), QStringLiteral("Help"));
}

void TestHelpPanel::helpShowsThePanelInPlace()
{
    clickButton("Command9");
    QVERIFY(panel()->isVisible());
    // 2520, 120 twips, 5535 by 8415: inside the window's client area.
    QCOMPARE(panel()->geometry(), twipsRect(2520, 120, 5535, 8415));
    QVERIFY(window->rect().contains(panel()->geometry()));
    for (const char *name : { "Label22", "Label23", "Label24", "Command10" })
        QVERIFY2(onPanel(name)->isVisible(), name);
    QCOMPARE(onPanel<QPushButton>("Command10")->text(), QStringLiteral("Close"));

    // It covers the spinners and parts of both drawings; the boxes and the Help button stay seen.
    for (const char *name : { "VScroll1", "VScroll2", "VScroll3", "VScroll4", "VScroll5" })
        QVERIFY2(isOnTop(control(name)->geometry().center(), panel()), name);
    for (const char *name : { "numsegs", "outerdiam", "innerdiam", "fudge", "Command9" })
        QVERIFY2(!isOnTop(control(name)->geometry().center(), panel()), name);
    QVERIFY(isOnTop(twipsRect(5000, 1000, 0, 0).topLeft(), panel()));
    QVERIFY(isOnTop(twipsRect(5000, 6000, 0, 0).topLeft(), panel()));
}

void TestHelpPanel::helpAgainChangesNothing()
{
    clickButton("Command9");
    const auto before = state();
    clickButton("Command9");
    QVERIFY(panel()->isVisible());
    QCOMPARE(panel()->geometry(), twipsRect(2520, 120, 5535, 8415));
    QVERIFY(state() == before);
}

void TestHelpPanel::closeHidesThePanelWhereItIs()
{
    clickButton("Command9");
    clickClose();
    QVERIFY(!panel()->isVisible());
    QCOMPARE(panel()->pos(), twipsRect(2520, 120, 0, 0).topLeft());
    clickButton("Command9");
    QVERIFY(panel()->isVisible());
}

void TestHelpPanel::answersShownWhole_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("fudge") << "Label22"
                           << "What is Fudge factor?  Fudge is the extra material beyond the cut "
                              "line.  Its there for tolerances.  Trying to make your cuts exactly "
                              "to the line would be difficult.";
    QTest::newRow("plus or minus")
        << "Label23"
        << "What is this +/- thing all about?  The \"real\" values are calculated in decimal "
           "form, then converted to fractions.  Since most of the calculated values aren't even "
           "fractions, the closest fraction to the decimal value is calculated.  The plus or "
           "minus tells you whether the fraction was rounded up or down.  For example, if the "
           "decimal value is 14.130, the fraction qould be 14 1/8+ meaning that the fraction is a "
           "small amount less than the decimal value.  The software rounds to the nearest "
           "1/16\".  ";
    QTest::newRow("lines") << "Label24"
                           << "Why don't the lines meet on the screen?  The picture boxes on the "
                              "screen are scaled using integers.  Most of the coordinates are not "
                              "integers, so there is a small error depending on the scale values. "
                              " The values are based on calculations, however, and are not "
                              "affected by the scaling of the pictures.";
}

// Each answer stands in full, broken into lines at word boundaries to fit its label.
void TestHelpPanel::answersShownWhole()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    clickButton("Command9");
    auto *label = panel()->findChild<QLabel *>(name);
    QCOMPARE(label->text(), text);
    QVERIFY(label->wordWrap());
    const QFontMetrics metrics(label->font());
    const QRect needed = metrics.boundingRect(
        QRect(0, 0, label->contentsRect().width(), 100000), Qt::TextWordWrap, text);
    QVERIFY2(needed.height() <= label->contentsRect().height(),
        qPrintable(QStringLiteral("needs %1 pixels, has %2")
                       .arg(needed.height())
                       .arg(label->contentsRect().height())));
    QVERIFY(needed.height() > metrics.lineSpacing()); // broken into several lines
}

void TestHelpPanel::coveredControlsComeBackUnchanged()
{
    const auto before = state();
    clickButton("Command9");
    clickClose();
    QVERIFY(state() == before);
    QWidget *spinner = control("VScroll2");
    QVERIFY(isOnTop(spinner->geometry().center(), spinner));
}

void TestHelpPanel::promptLiesAbovePanel_data()
{
    QTest::addColumn<bool>("helpFirst");
    QTest::newRow("help, then print") << true;
    QTest::newRow("print, then help") << false;
}

void TestHelpPanel::promptLiesAbovePanel()
{
    QFETCH(bool, helpFirst);
    clickButton(helpFirst ? "Command9" : "Command13");
    clickButton(helpFirst ? "Command13" : "Command9");
    QWidget *prompt = control("Frame1");
    QVERIFY(prompt->isVisible());
    QVERIFY(panel()->isVisible());
    const QRect both = prompt->geometry().intersected(panel()->geometry());
    QVERIFY(!both.isEmpty());
    QVERIFY(isOnTop(both.center(), prompt));
}

QTEST_MAIN(TestHelpPanel)
#include "tst_helppanel.moc"
