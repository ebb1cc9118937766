// The project name prompt on the real window: Print asks for the name, OK hides the prompt and
// prints the report with the name as it stands then.

#include "tests/support/pdfpages.h"
#include "tests/support/printers.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/windowdriver.h"
#include "window/twips.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using Part = WindowDriver::Part;

using orvane::twipsRect;

class TestProjectPrompt : public WindowDriver
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void hiddenAtStart();
    void printShowsThePromptAndPrintsNothing();
    void printAgainChangesNothing();
    void okHidesThePromptThenPrints();
    void printsTheNameAsTyped_data();
    void printsTheNameAsTyped();
    void nameIsOfferedAgain();
    void printsTheRingAsItIsWhenOkIsPressed();
    void hiddenPrintButtonPrints();

private:
    QPushButton *button(const char *name) const { return control<QPushButton>(name); }
    QWidget *prompt() const { return control("Frame1"); }
    QLineEdit *nameBox() const { return control<QLineEdit>("Text1"); }
    // The first line of the page last saved.
    QString printedName();

    ScriptedPrintDialogs *dialogs = nullptr;
    std::unique_ptr<QTemporaryDir> folder;
    QString pdf;
};

void TestProjectPrompt::initTestCase()
{
    QVERIFY2(hideAllPrinters(), "these tests need a machine without printers");
}

void TestProjectPrompt::init()
{
    folder = std::make_unique<QTemporaryDir>();
    QVERIFY(folder->isValid());
    pdf = folder->filePath(QStringLiteral("report.pdf"));
    QVERIFY(openWindow());
    dialogs = scriptPrintDialogs(*window);
    dialogs->fileName = pdf;
}

void TestProjectPrompt::cleanup()
{
    window.reset();
    folder.reset();
}

QString TestProjectPrompt::printedName()
{
    const PdfContents contents = readPdf(pdf);
    if (!contents.error.isEmpty())
        return contents.error;
    for (const PdfLine &line : contents.lines) {
        if (line.text.startsWith(QLatin1String("Project Name:")))
            return line.text;
    }
    return QStringLiteral("no project name on the page");
}

void TestProjectPrompt::hiddenAtStart()
{
    QVERIFY(!prompt()->isVisible());
    QCOMPARE(nameBox()->text(), QStringLiteral("Segmented Circle "));
    QVERIFY(button("Command13")->isVisible());
    QCOMPARE(button("Command13")->text(), QStringLiteral("Print"));
    QVERIFY(!button("Command11")->isVisible());
    QCOMPARE(button("Command11")->text(), QStringLiteral("Print"));
}

void TestProjectPrompt::printShowsThePromptAndPrintsNothing()
{
    clickButton("Command13");
    QVERIFY(prompt()->isVisible());
    QCOMPARE(prompt()->property("title").toString(), QStringLiteral("Project Name"));
    QVERIFY(nameBox()->isVisible());
    QCOMPARE(nameBox()->text(), QStringLiteral("Segmented Circle "));
    QVERIFY(button("Command12")->isVisible());
    QCOMPARE(button("Command12")->text(), QStringLiteral("OK"));
    QCOMPARE(dialogs->offers, 0);
    QVERIFY(!QFileInfo::exists(pdf));

    // The prompt lies above the drawings and the results it overlaps.
    const QPoint overPlanView = twipsRect(5000, 4000, 0, 0).topLeft();
    const QPoint overResults = twipsRect(3000, 3500, 0, 0).topLeft();
    QVERIFY(isOnTop(overPlanView, prompt()));
    QVERIFY(isOnTop(overResults, prompt()));
    QVERIFY(!button("Command11")->isVisible());
}

void TestProjectPrompt::printAgainChangesNothing()
{
    clickButton("Command13");
    nameBox()->selectAll();
    QTest::keyClicks(nameBox(), QStringLiteral("Platter"));
    const auto before = state();
    clickButton("Command13");
    QVERIFY(prompt()->isVisible());
    QCOMPARE(nameBox()->text(), QStringLiteral("Platter"));
    QVERIFY(state() == before);
    QCOMPARE(dialogs->offers, 0);
}

void TestProjectPrompt::okHidesThePromptThenPrints()
{
    bool promptShownWhilePrinting = true;
    dialogs->onOffer = [&] { promptShownWhilePrinting = prompt()->isVisible(); };
    clickButton("Command13");
    clickButton("Command12");
    QCOMPARE(dialogs->offers, 1);
    QVERIFY(!promptShownWhilePrinting);
    QVERIFY(!prompt()->isVisible());
    QCOMPARE(printedName(), QStringLiteral("Project Name: Segmented Circle"));
}

void TestProjectPrompt::printsTheNameAsTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("firstLine");
    QTest::newRow("a name") << "Walnut bowl, ring 3"
                            << "Project Name: Walnut bowl, ring 3";
    QTest::newRow("no name") << ""
                             << "Project Name:";
    QTest::newRow("a long name on one line")
        << "Maple and walnut platter with a feature ring"
        << "Project Name: Maple and walnut platter with a feature ring";
}

void TestProjectPrompt::printsTheNameAsTyped()
{
    QFETCH(QString, typed);
    QFETCH(QString, firstLine);
    clickButton("Command13");
    nameBox()->selectAll();
    QTest::keyClick(nameBox(), Qt::Key_Backspace);
    QTest::keyClicks(nameBox(), typed);
    clickButton("Command12");
    QCOMPARE(printedName(), firstLine);
}

void TestProjectPrompt::nameIsOfferedAgain()
{
    clickButton("Command13");
    nameBox()->selectAll();
    QTest::keyClicks(nameBox(), QStringLiteral("Vase"));
    clickButton("Command12");
    clickButton("Command13");
    QCOMPARE(nameBox()->text(), QStringLiteral("Vase"));
    nameBox()->end(false);
    QTest::keyClicks(nameBox(), QStringLiteral(" 2"));
    clickButton("Command12");
    QCOMPARE(printedName(), QStringLiteral("Project Name: Vase 2"));
}

// The window goes on working while the prompt is shown, and OK prints what it shows then.
void TestProjectPrompt::printsTheRingAsItIsWhenOkIsPressed()
{
    clickButton("Command13");
    QVERIFY(clickSpinner("VScroll1", Part::UpArrow, 2));
    QCOMPARE(text("numsegs"), QStringLiteral("8"));
    QVERIFY(prompt()->isVisible());
    clickButton("Command12");
    const QStringList texts = readPdf(pdf).texts();
    for (const char *line : { "# of Segments: 8", "22.5°", "67.5°" })
        QVERIFY2(texts.contains(QString::fromUtf8(line)), qPrintable(texts.join('\n')));
}

// The hidden "Print" button stands for the report itself: its click prints without asking.
void TestProjectPrompt::hiddenPrintButtonPrints()
{
    button("Command11")->click();
    QCOMPARE(dialogs->offers, 1);
    QVERIFY(!prompt()->isVisible());
    QCOMPARE(printedName(), QStringLiteral("Project Name: Segmented Circle"));
    QVERIFY(!button("Command11")->isVisible());
}

QTEST_MAIN(TestProjectPrompt)
#include "tst_projectprompt.moc"
