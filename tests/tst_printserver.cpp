// The report on a real default printer: a print server of the test's own with a virtual printer
// that writes each job into a PDF file, read back once the job is done.

#include "report/reportoutput.h"
#include "tests/support/pdfpages.h"
#include "tests/support/printserver.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/windowdriver.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

class TestPrintServer : public WindowDriver
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup() { window.reset(); }

    void serversPrinterIsTheDefault();
    void okPrintsOnTheDefaultPrinter();
    void printerGoneBeforePrintingIsReported();
    void withoutADefaultTheUserChoosesAPrinter();
    void withoutADefaultTheUserMaySaveAPdf_data();
    void withoutADefaultTheUserMaySaveAPdf();

private:
    // Print, then OK, with the project named after a token of this run; the PDF the printer made
    // of the job, or an empty name when none turned up.
    QString printNamed(const QString &name);

    std::unique_ptr<PrintServer> server;
    QStringList printedFiles;
};

void TestPrintServer::initTestCase()
{
    server = std::make_unique<PrintServer>();
    if (const auto reason = server->start())
        QSKIP(qPrintable(
            QStringLiteral("No print server could be started for this test: ") + *reason));
}

void TestPrintServer::cleanupTestCase()
{
    for (const QString &file : printedFiles)
        QFile::remove(file);
    server.reset();
}

void TestPrintServer::serversPrinterIsTheDefault()
{
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    QVERIFY(!printer.isNull());
    QCOMPARE(printer.printerName(), server->printerName());
}

void TestPrintServer::okPrintsOnTheDefaultPrinter()
{
    QVERIFY(openWindow());
    const ScriptedPrintDialogs *dialogs = scriptPrintDialogs(*window);

    // A name of this run's own finds its job among the printer's files. Digits only: the virtual
    // printer's renderer sets letter pairs such as "ff" or "fi" as ligatures, which its PDF does
    // not give back as text.
    const QString token = QString::number(QRandomGenerator::global()->generate64());
    const QString name = QStringLiteral("Ring ") + token;
    const QDir output(server->outputFolder());
    clickButton("Command13");
    control<QLineEdit>("Text1")->setText(name);
    QElapsedTimer clock;
    clock.start();
    clickButton("Command12");

    // There is a printer, so nothing is asked and nothing went wrong.
    QCOMPARE(dialogs->offers, 0);
    QCOMPARE(dialogs->failures, QStringList());

    QVERIFY2(server->waitUntilDone(30000), qPrintable(server->report()));
    QStringList found;
    for (const QFileInfo &file : output.entryInfoList({ QStringLiteral("*.pdf") }, QDir::Files)) {
        if (file.fileName().contains(token))
            found.append(file.absoluteFilePath());
    }
    printedFiles = found;
    QVERIFY2(found.size() == 1,
        qPrintable(QStringLiteral("expected one PDF named after the job in %1, found %2%3")
                       .arg(output.path(), found.join(QStringLiteral(", ")), server->report())));
    qInfo("printed and converted in %lld ms", static_cast<long long>(clock.elapsed()));

    const PdfContents contents = readPdf(found.constFirst());
    QVERIFY2(contents.error.isEmpty(), qPrintable(contents.error));
    QCOMPARE(contents.pages, 1);
    // The ring at start, 6 segments of 36 inches outside and 30 inside, and its lengths in
    // inches: board width 5.476125720, short side 14.750001475, long side 21.073287635.
    QStringList expected {
        QStringLiteral("Project Name: ") + name,
        QStringLiteral("# of Segments: 6"),
        QStringLiteral("Board width: ") + text("bwidth") + QStringLiteral("  (5.47613)"),
        QStringLiteral("Board thickness: 0.75"),
        QStringLiteral("Board feet (total): ") + text("boardfeet"),
        text("shortside"),
        QStringLiteral("(14.75000)"),
        text("longside"),
        QStringLiteral("(21.07329)"),
        QStringLiteral("30.°"),
        QStringLiteral("60.°"),
        QStringLiteral("Note: Not to scale or proportion!"),
        QStringLiteral("      All linear dimensions are inches"),
    };
    for (QString &line : expected)
        line = line.simplified();
    QStringList seen = contents.texts();
    // Lines read back in the order they stand on the page: the header from the top, then down.
    QCOMPARE(seen.mid(0, 5), expected.mid(0, 5));
    seen.sort();
    expected.sort();
    QCOMPARE(seen, expected);
}

// A printer taken away after it was looked up: the report says so, rather than going nowhere.
void TestPrintServer::printerGoneBeforePrintingIsReported()
{
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    QVERIFY(!printer.isNull());
    QVERIFY2(server->removePrinter(), qPrintable(server->report()));
    orvane::ReportValues values;
    values.projectName = QStringLiteral("Gone");
    values.segmentCount = QStringLiteral("6");
    const auto failure = orvane::printReport(printer, values);
    QVERIFY(failure.has_value());
    QCOMPARE(*failure, QStringLiteral("the printer is no longer available"));
}

// Printers are installed but none is the default: the user is offered a choice instead of being
// told that there is no printer, picks one in the print dialog, and the report is printed there.
void TestPrintServer::withoutADefaultTheUserChoosesAPrinter()
{
    const QString second = QStringLiteral("OrvaneSecondPDF");
    QVERIFY2(!server->addPrinter(second), qPrintable(server->report()));
    if (!QPrinterInfo::defaultPrinter().isNull())
        QVERIFY2(server->removePrinter(), qPrintable(server->report()));
    QVERIFY(QPrinterInfo::defaultPrinter().isNull());
    QVERIFY(!QPrinterInfo::availablePrinters().isEmpty());

    QVERIFY(openWindow());
    ScriptedPrintDialogs *dialogs = scriptPrintDialogs(*window);
    dialogs->instead = orvane::PrintDialogs::Instead::ChoosePrinter;
    dialogs->setUpPrinter = [&second](QPrinter &printer) {
        printer.setPrinterName(second);
        return true;
    };
    const QString token = QString::number(QRandomGenerator::global()->generate64());
    const QString printed = printNamed(QStringLiteral("Chosen ") + token);

    QCOMPARE(dialogs->offers, 0); // "No printer is available." is not said
    QCOMPARE(dialogs->choicesOffered, 1);
    QCOMPARE(dialogs->printDialogs, 1);
    QCOMPARE(dialogs->failures, QStringList());
    QVERIFY2(!printed.isEmpty(), qPrintable(server->report()));
    const PdfContents contents = readPdf(printed);
    QVERIFY2(contents.error.isEmpty(), qPrintable(contents.error));
    QCOMPARE(contents.pages, 1);
    QVERIFY(contents.texts().contains(QStringLiteral("Project Name: Chosen ") + token));
}

void TestPrintServer::withoutADefaultTheUserMaySaveAPdf_data()
{
    QTest::addColumn<bool>("printToFile"); // the print dialog's "print to file", or "Save as PDF…"
    QTest::addColumn<QString>("name"); // of the file, in a folder of the test's own
    QTest::addColumn<bool>("written");
    QTest::newRow("save as PDF") << false << "instead.pdf" << true;
    QTest::newRow("print to file") << true << "printed.pdf" << true;
    QTest::newRow("print to a file that cannot be written")
        << true << "missing/printed.pdf" << false;
}

// Printers but no default: the user may take a PDF of the report instead, with "Save as PDF…" or
// with the print dialog's "print to file". A file that cannot be written is reported by its name.
void TestPrintServer::withoutADefaultTheUserMaySaveAPdf()
{
    QFETCH(bool, printToFile);
    QFETCH(QString, name);
    QFETCH(bool, written);
    QVERIFY(QPrinterInfo::defaultPrinter().isNull());
    QVERIFY(openWindow());
    ScriptedPrintDialogs *dialogs = scriptPrintDialogs(*window);
    QTemporaryDir folder;
    const QString pdf = folder.filePath(name);
    dialogs->instead = printToFile ? orvane::PrintDialogs::Instead::ChoosePrinter
                                   : orvane::PrintDialogs::Instead::SavePdf;
    dialogs->fileName = pdf;
    dialogs->setUpPrinter = [&pdf](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    };
    clickButton("Command13");
    clickButton("Command12");

    QCOMPARE(dialogs->choicesOffered, 1);
    QCOMPARE(dialogs->printDialogs, printToFile ? 1 : 0);
    QCOMPARE(QFileInfo::exists(pdf), written);
    QCOMPARE(dialogs->failures.size(), written ? 0 : 1);
    if (!written) {
        const QString message = dialogs->failures.constFirst();
        QVERIFY2(message.contains(QDir::toNativeSeparators(pdf)), qPrintable(message));
        return;
    }
    const PdfContents contents = readPdf(pdf);
    QVERIFY2(contents.error.isEmpty(), qPrintable(contents.error));
    QCOMPARE(contents.pages, 1);
    QVERIFY(contents.texts().contains(QStringLiteral("Project Name: Segmented Circle")));
}

QString TestPrintServer::printNamed(const QString &name)
{
    clickButton("Command13");
    control<QLineEdit>("Text1")->setText(name);
    clickButton("Command12");
    if (!server->waitUntilDone(30000))
        return {};
    const QString token = name.section(QLatin1Char(' '), -1);
    const QDir output(server->outputFolder());
    for (const QFileInfo &file : output.entryInfoList({ QStringLiteral("*.pdf") }, QDir::Files)) {
        if (file.fileName().contains(token)) {
            printedFiles.append(file.absoluteFilePath());
            return file.absoluteFilePath();
        }
    }
    return {};
}

QTEST_MAIN(TestPrintServer)
#include "tst_printserver.moc"
