// The report end to end on a machine with no printer: Print, OK, the PDF the user chooses, read
// back from the file.

#include "report/reportoutput.h"
#include "tests/support/pdfpages.h"
#include "tests/support/printers.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/windowdriver.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>

namespace {

constexpr double pointsPerInch = 72;

struct ExpectedLine
{
    QString text;
    double x; // inches from the left edge of the printable area
    double down; // inches from its top edge to the top of the text, before adding whole lines
    int linesDown; // whole lines of text further down
};

} // namespace

using Part = WindowDriver::Part;

class TestReportPdf : public WindowDriver
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void pageAsTheWindowShowsIt();
    void followsTheRing();
    void printingChangesNothing();
    void printingTwiceGivesTheSamePage();
    void declinedOrCancelledSavesNothing_data();
    void declinedOrCancelledSavesNothing();
    void fileThatCannotBeWrittenIsReported_data();
    void fileThatCannotBeWrittenIsReported();
    void replacesAnExistingFile();

private:
    // Print, then OK, as the user does; the dialogs answer with `fileName`.
    void printAs(const QString &fileName);
    QString file(const QString &name) const { return folder->filePath(name); }

    ScriptedPrintDialogs *dialogs = nullptr;
    std::unique_ptr<QTemporaryDir> folder;
};

void TestReportPdf::initTestCase()
{
    QVERIFY2(hideAllPrinters(), "these tests need a machine without printers");
}

void TestReportPdf::init()
{
    folder = std::make_unique<QTemporaryDir>();
    QVERIFY(folder->isValid());
    QVERIFY(openWindow());
    dialogs = scriptPrintDialogs(*window);
}

void TestReportPdf::cleanup()
{
    window.reset();
    folder.reset();
}

void TestReportPdf::printAs(const QString &fileName)
{
    dialogs->fileName = fileName;
    clickButton("Command13");
    clickButton("Command12");
}

// Every line of the page, at its place: the header at the top left, the lengths beside the
// drawing, the angles inside its corners, the note at the bottom left, on a single page.
void TestReportPdf::pageAsTheWindowShowsIt()
{
    const QString pdf = file(QStringLiteral("ring.pdf"));
    printAs(pdf);
    QCOMPARE(dialogs->offers, 1);
    QCOMPARE(dialogs->failures, QStringList());

    const PdfContents contents = readPdf(pdf);
    QVERIFY2(contents.error.isEmpty(), qPrintable(contents.error));
    QCOMPARE(contents.pages, 1);
    QCOMPARE(contents.title, QStringLiteral("Segmented Circle"));

    // The page and its printable area, in inches.
    const QPageLayout layout = orvane::pdfPageLayout();
    const QSizeF page = layout.fullRectPoints().size();
    QCOMPARE(contents.pageSize, page);
    const QMarginsF margins = layout.margins(QPageLayout::Inch);
    const double W = page.width() / pointsPerInch - margins.left() - margins.right();
    const double H = page.height() / pointsPerInch - margins.top() - margins.bottom();
    const double cx = W / 2;
    const double cy = H / 2;

    // The ring at start: 6 segments, 36 inches outside, 30 inside, a quarter inch of fudge. Its
    // board width is 5.476125720, short side 14.750001475 and long side 21.073287635 inches.
    // Positions are given as y up from the bottom edge, as the page is laid out.
    const QList<ExpectedLine> expected {
        { QStringLiteral("Project Name: Segmented Circle "), 0.1, H - 0.2, 0 },
        { QStringLiteral("# of Segments: 6"), 0.1, H - 0.2, 1 },
        { QStringLiteral("Board width: ") + text("bwidth") + QStringLiteral("  (5.47613)"), 0.1,
            H - 0.2, 2 },
        { QStringLiteral("Board thickness: 0.75"), 0.1, H - 0.2, 3 },
        { QStringLiteral("Board feet (total): ") + text("boardfeet"), 0.1, H - 0.2, 4 },
        { text("shortside"), cx + 1.6, cy, 0 },
        { QStringLiteral("(14.75000)"), cx + 1.6, cy, 1 },
        { text("longside"), cx - 2.5, cy, 0 },
        { QStringLiteral("(21.07329)"), cx - 2.5, cy, 1 },
        { QStringLiteral("30.°"), cx - 1.4, cy + 3.3, 0 },
        { QStringLiteral("60.°"), cx - 0.1, cy - 2.6, 0 },
        { QStringLiteral("Note: Not to scale or proportion!"), 0.2, 0.5, 0 },
        { QStringLiteral("      All linear dimensions are inches"), 0, 0.5, 1 },
    };

    // The same lines as the report prints, each once.
    QStringList texts;
    for (const ExpectedLine &line : expected)
        texts.append(line.text.simplified());
    QStringList seenTexts = contents.texts();
    seenTexts.sort();
    QStringList sortedTexts = texts;
    sortedTexts.sort();
    QCOMPARE(seenTexts, sortedTexts);
    const auto topLeft = [&contents](const QString &text) {
        return contents.lines[contents.texts().indexOf(text)].topLeft;
    };

    // One line of the 12-point font, as the page shows it between the first two lines.
    const double lineHeight = topLeft(texts[1]).y() - topLeft(texts[0]).y();
    QVERIFY2(lineHeight > 12 && lineHeight < 18, qPrintable(QString::number(lineHeight)));

    constexpr double tolerance = 1.5; // points: the side bearing of a glyph, rounding
    for (qsizetype i = 0; i < expected.size(); ++i) {
        const ExpectedLine &line = expected[i];
        const QPointF seen = topLeft(texts[i]);
        const double x = (margins.left() + line.x) * pointsPerInch;
        const double y
            = (margins.top() + H - line.down) * pointsPerInch + line.linesDown * lineHeight;
        const QString where = QStringLiteral("line %1 \"%2\" at %3, %4 instead of %5, %6")
                                  .arg(i + 1)
                                  .arg(line.text)
                                  .arg(seen.x())
                                  .arg(seen.y())
                                  .arg(x)
                                  .arg(y);
        // Leading blanks push the first word to the right of the text's own left edge.
        if (line.text.startsWith(QLatin1Char(' ')))
            QVERIFY2(seen.x() > x && seen.x() < x + 40, qPrintable(where));
        else
            QVERIFY2(std::abs(seen.x() - x) < tolerance, qPrintable(where));
        QVERIFY2(std::abs(seen.y() - y) < tolerance, qPrintable(where));
    }
}

// The report follows the inputs: one more segment, and the count, angles and lengths change.
void TestReportPdf::followsTheRing()
{
    QVERIFY(clickSpinner("VScroll1", Part::UpArrow));
    QCOMPARE(text("numsegs"), QStringLiteral("7"));
    const QString pdf = file(QStringLiteral("seven.pdf"));
    printAs(pdf);
    const PdfContents contents = readPdf(pdf);
    QVERIFY2(contents.error.isEmpty(), qPrintable(contents.error));
    const QStringList texts = contents.texts();
    // The closed forms with the fudge taken off the inner radius and added to the outer one:
    // short side 2 * 14.75 * sin(180 / 7 degrees), long side 2 * 18.25 * tan(180 / 7 degrees),
    // board width 18.25 - 14.75 * cos(180 / 7 degrees), to five places.
    const QString widthLine = "Board width: " + text("bwidth").simplified() + " (4.96071)";
    for (const QString &line : { QStringLiteral("# of Segments: 7"), QStringLiteral("25.71429°"),
             QStringLiteral("64.28571°"), QStringLiteral("(12.79957)"),
             QStringLiteral("(17.57748)"), widthLine })
        QVERIFY2(texts.contains(line), qPrintable(texts.join('\n')));
}

void TestReportPdf::printingChangesNothing()
{
    const auto before = state();
    printAs(file(QStringLiteral("ring.pdf")));
    QVERIFY(QFileInfo::exists(file(QStringLiteral("ring.pdf"))));
    QVERIFY(state() == before);
    QVERIFY(!control("Frame1")->isVisible());
}

void TestReportPdf::printingTwiceGivesTheSamePage()
{
    printAs(file(QStringLiteral("first.pdf")));
    printAs(file(QStringLiteral("second.pdf")));
    const PdfContents first = readPdf(file(QStringLiteral("first.pdf")));
    const PdfContents second = readPdf(file(QStringLiteral("second.pdf")));
    QVERIFY2(first.error.isEmpty(), qPrintable(first.error));
    QCOMPARE(second.pages, 1);
    QCOMPARE(second.texts(), first.texts());
    const QByteArray firstPixels = renderPdf(file(QStringLiteral("first.pdf")), 50);
    QVERIFY(!firstPixels.isEmpty());
    QVERIFY(renderPdf(file(QStringLiteral("second.pdf")), 50) == firstPixels);
}

void TestReportPdf::declinedOrCancelledSavesNothing_data()
{
    QTest::addColumn<bool>("acceptPdf");
    QTest::newRow("no to the PDF") << false;
    QTest::newRow("save dialog cancelled") << true;
}

void TestReportPdf::declinedOrCancelledSavesNothing()
{
    QFETCH(bool, acceptPdf);
    dialogs->acceptPdf = acceptPdf;
    printAs(QString());
    QCOMPARE(dialogs->offers, 1);
    QCOMPARE(dialogs->suggestedNames.size(), acceptPdf ? 1 : 0);
    QCOMPARE(dialogs->failures, QStringList());
    QCOMPARE(QDir(folder->path()).entryList(QDir::Files), QStringList());
    // The window goes on as before: Print asks for the name again.
    clickButton("Command13");
    QVERIFY(control("Frame1")->isVisible());
}

void TestReportPdf::fileThatCannotBeWrittenIsReported_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("cause");
    QTest::newRow("folder that does not exist")
        << "missing/ring.pdf" << QString::fromLocal8Bit(strerror(ENOENT));
    QTest::newRow("name of a folder") << "taken"
                                      << "directory";
}

void TestReportPdf::fileThatCannotBeWrittenIsReported()
{
    QFETCH(QString, name);
    QFETCH(QString, cause);
    QVERIFY(QDir(folder->path()).mkdir(QStringLiteral("taken")));
    const QString pdf = file(name);
    printAs(pdf);

    QCOMPARE(dialogs->failures.size(), 1);
    const QString message = dialogs->failures.constFirst();
    QVERIFY2(message.contains(QDir::toNativeSeparators(pdf)), qPrintable(message));
    QVERIFY2(message.contains(cause, Qt::CaseInsensitive), qPrintable(message));
    QCOMPARE(QDir(folder->path()).entryList(QDir::Files), QStringList());
    QVERIFY(QFileInfo(pdf).isDir() == (name == QLatin1String("taken")));

    // The window stays usable: the next print, to a good file, works.
    printAs(file(QStringLiteral("ring.pdf")));
    QCOMPARE(dialogs->failures.size(), 1);
    QCOMPARE(readPdf(file(QStringLiteral("ring.pdf"))).pages, 1);
}

void TestReportPdf::replacesAnExistingFile()
{
    const QString pdf = file(QStringLiteral("ring.pdf"));
    QFile old(pdf);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("an older file");
    old.close();
    printAs(pdf);
    QCOMPARE(dialogs->failures, QStringList());
    QCOMPARE(readPdf(pdf).pages, 1);
}

QTEST_MAIN(TestReportPdf)
#include "tst_reportpdf.moc"
