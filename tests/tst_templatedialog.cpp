// The dialog "Full-Size Template…": the kerf it takes and the kerf it refuses, and the template
// saved or printed through answers given in place of the system's dialogs.

#include "tests/support/pdfpage.h"
#include "tests/support/pdfpages.h"
#include "tests/support/printers.h"
#include "tests/support/scriptedtemplatedialogs.h"
#include "window/templatedialog.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <memory>

using orvane::TemplateDialog;

class TestTemplateDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startsReady();
    void refusedKerf_data();
    void refusedKerf();
    void acceptedKerf_data();
    void acceptedKerf();
    void savesAsPdf();
    void saveDialogCancelled();
    void fileThatCannotBeWrittenIsReported_data();
    void fileThatCannotBeWrittenIsReported();
    void ringThatMakesNoTemplate();
    void prints();
    void printDialogCancelled();
    void printerThatFailsIsReported();

private:
    // Opens a dialog for `count` segments, 36 and 30 inches, fudge 0.25, with scripted dialogs.
    void openDialog(double count = 6);
    template <typename T> T *control(const char *name) const
    {
        return dialog->findChild<T *>(QLatin1String(name));
    }
    void typeKerf(const QString &text);
    QString file(const QString &name) const { return folder->filePath(name); }
    QStringList files() const { return QDir(folder->path()).entryList(QDir::Files); }
    bool ready() const;
    // The dialog is still open and has not closed as done.
    bool stillOpen() const { return dialog->isVisible() && dialog->result() != QDialog::Accepted; }

    std::unique_ptr<TemplateDialog> dialog;
    ScriptedTemplateDialogs *dialogs = nullptr;
    std::unique_ptr<QTemporaryDir> folder;
};

void TestTemplateDialog::initTestCase()
{
    QVERIFY2(hideAllPrinters(), "these tests need a machine without printers");
}

void TestTemplateDialog::init()
{
    folder = std::make_unique<QTemporaryDir>();
    QVERIFY(folder->isValid());
    openDialog();
}

void TestTemplateDialog::cleanup()
{
    dialog.reset();
    folder.reset();
}

void TestTemplateDialog::openDialog(double count)
{
    dialog = std::make_unique<TemplateDialog>(QStringLiteral("Walnut bowl"),
        orvane::ringOf(orvane::RingInputs { count, 36, 30, 0.25 }, 0.75));
    dialogs = scriptTemplateDialogs(*dialog);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
}

void TestTemplateDialog::typeKerf(const QString &text)
{
    auto *kerf = control<QLineEdit>("kerf");
    kerf->clear();
    QTest::keyClicks(kerf, text);
    QCOMPARE(kerf->text(), text);
}

bool TestTemplateDialog::ready() const
{
    return control<QPushButton>("print")->isEnabled()
        && control<QPushButton>("saveAsPdf")->isEnabled()
        && !control<QLabel>("problem")->isVisible();
}

void TestTemplateDialog::startsReady()
{
    QCOMPARE(control<QLineEdit>("kerf")->text(), QStringLiteral("1/8"));
    QCOMPARE(control<QLineEdit>("projectName")->text(), QStringLiteral("Walnut bowl"));
    auto *paper = control<QComboBox>("paper");
    QCOMPARE(paper->count(), 2); // no printer: Letter and A4
    QCOMPARE(paper->itemText(0), QStringLiteral("Letter"));
    QCOMPARE(paper->itemText(1), QStringLiteral("A4"));
    QVERIFY(ready());
    QCOMPARE(control<QPushButton>("print")->text(), QStringLiteral("Print…"));
    QCOMPARE(control<QPushButton>("saveAsPdf")->text(), QStringLiteral("Save as PDF…"));
    QCOMPARE(control<QPushButton>("cancel")->text(), QStringLiteral("Cancel"));
}

void TestTemplateDialog::refusedKerf_data()
{
    QTest::addColumn<QString>("kerf");
    QTest::addColumn<QString>("says");
    QTest::newRow("empty") << ""
                           << "empty";
    QTest::newRow("blanks") << "   "
                            << "empty";
    QTest::newRow("negative") << "-1/8"
                              << "negative";
    QTest::newRow("negative millimetres") << "-0.5 mm"
                                          << "negative";
    QTest::newRow("a word") << "abc"
                            << "not a length";
    QTest::newRow("an exponent") << "1e400"
                                 << "not a length";
    QTest::newRow("over zero") << "1/0"
                               << "not a length";
    QTest::newRow("another unit") << "3 furlongs"
                                  << "not a length";
    QTest::newRow("two inches") << "2"
                                << "wider";
    QTest::newRow("30 mm") << "30 mm"
                           << "wider";
}

// A kerf that is not a saw's refuses both buttons and says why; nothing is asked, printed or
// written, even when the buttons' actions run; a good kerf makes the dialog ready again.
void TestTemplateDialog::refusedKerf()
{
    QFETCH(QString, kerf);
    QFETCH(QString, says);
    typeKerf(kerf);
    auto *problem = control<QLabel>("problem");
    QVERIFY(problem->isVisible());
    QVERIFY2(problem->text().contains(QStringLiteral("kerf"), Qt::CaseInsensitive),
        qPrintable(problem->text()));
    QVERIFY2(problem->text().contains(says), qPrintable(problem->text()));
    QVERIFY(!control<QPushButton>("print")->isEnabled());
    QVERIFY(!control<QPushButton>("saveAsPdf")->isEnabled());

    dialogs->fileName = file(QStringLiteral("refused.pdf"));
    dialogs->setUpPrinter = [](QPrinter &) { return true; };
    dialog->saveAsPdf();
    dialog->print();
    QCOMPARE(dialogs->suggestedNames, QStringList());
    QCOMPARE(dialogs->printDialogs, 0);
    QCOMPARE(dialogs->failures, QStringList());
    QCOMPARE(files(), QStringList());
    QVERIFY(stillOpen());

    typeKerf(QStringLiteral("3 mm"));
    QVERIFY(ready());
}

void TestTemplateDialog::acceptedKerf_data()
{
    QTest::addColumn<QString>("kerf");
    QTest::addColumn<QString>("row"); // the kerf's row of the cut list
    QTest::newRow("decimal") << "0.125"
                             << "Kerf 0 1/ 8 .12500 3.2 mm";
    QTest::newRow("fraction") << "1/8"
                              << "Kerf 0 1/ 8 .12500 3.2 mm";
    QTest::newRow("millimetres") << "3mm"
                                 << "Kerf 0 1/ 8- .11811 3.0 mm";
    QTest::newRow("millimetres with a blank") << "3 mm"
                                              << "Kerf 0 1/ 8- .11811 3.0 mm";
    QTest::newRow("centimetres") << "0.3 cm"
                                 << "Kerf 0 1/ 8- .11811 3.0 mm";
    QTest::newRow("a sixteenth") << "1/16"
                                 << "Kerf 0 1/ 16 .06250 1.6 mm";
    QTest::newRow("none") << "0"
                          << "Kerf 0 0/ 2 .00000 0.0 mm";
    QTest::newRow("an inch") << "1"
                             << "Kerf 1 0/ 2 1.00000 25.4 mm";
}

// Inches as a decimal or a fraction, millimetres, centimetres: the PDF's cut list shows the kerf
// the text stands for.
void TestTemplateDialog::acceptedKerf()
{
    QFETCH(QString, kerf);
    QFETCH(QString, row);
    typeKerf(kerf);
    QVERIFY(ready());
    dialogs->fileName = file(QStringLiteral("kerf.pdf"));
    QTest::mouseClick(control<QPushButton>("saveAsPdf"), Qt::LeftButton);
    QCOMPARE(dialogs->failures, QStringList());
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QString error;
    const QStringList lines = pdfpage::textLines(file(QStringLiteral("kerf.pdf")), 1, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY2(lines.contains(row), qPrintable(lines.join('\n')));
}

// The PDF carries the name as edited in the dialog, on the paper chosen; the save dialog
// suggests a name made of it in the documents folder; done, the dialog closes.
void TestTemplateDialog::savesAsPdf()
{
    auto *project = control<QLineEdit>("projectName");
    project->clear();
    QTest::keyClicks(project, QStringLiteral("Maple: lid"));
    auto *paper = control<QComboBox>("paper");
    paper->setCurrentIndex(paper->findText(QStringLiteral("A4")));
    const QString pdf = file(QStringLiteral("template.pdf"));
    dialogs->fileName = pdf;
    QTest::mouseClick(control<QPushButton>("saveAsPdf"), Qt::LeftButton);

    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty() || !QDir(documents).exists())
        documents = QDir::homePath();
    QCOMPARE(dialogs->suggestedNames,
        QStringList { QDir(documents).filePath(QStringLiteral("Maple_ lid template.pdf")) });
    QCOMPARE(dialogs->failures, QStringList());
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QVERIFY(!dialog->isVisible());

    const PdfContents contents = readPdf(pdf);
    QVERIFY2(contents.error.isEmpty(), qPrintable(contents.error));
    QVERIFY(contents.pages > 2);
    const QSizeF a4 = QPageSize(QPageSize::A4).size(QPageSize::Point);
    QVERIFY2(contents.pageSize == a4 || contents.pageSize == a4.transposed(),
        qPrintable(QStringLiteral("%1 x %2")
                       .arg(contents.pageSize.width())
                       .arg(contents.pageSize.height())));
    QVERIFY(pdfpage::textLines(pdf, 1).contains(QStringLiteral("Project Name: Maple: lid")));
}

void TestTemplateDialog::saveDialogCancelled()
{
    dialogs->fileName.clear();
    QTest::mouseClick(control<QPushButton>("saveAsPdf"), Qt::LeftButton);
    QCOMPARE(dialogs->suggestedNames.size(), 1);
    QCOMPARE(dialogs->failures, QStringList());
    QCOMPARE(files(), QStringList());
    QVERIFY(stillOpen());
}

void TestTemplateDialog::fileThatCannotBeWrittenIsReported_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("cause");
    QTest::newRow("folder that does not exist")
        << "missing/ring.pdf" << QString::fromLocal8Bit(strerror(ENOENT));
    QTest::newRow("name of a folder") << "taken"
                                      << "directory";
}

// Reported naming the file and the cause, never taken for done: the dialog stays open, and the
// next try, to a good file, works.
void TestTemplateDialog::fileThatCannotBeWrittenIsReported()
{
    QFETCH(QString, name);
    QFETCH(QString, cause);
    QVERIFY(QDir(folder->path()).mkdir(QStringLiteral("taken")));
    dialogs->fileName = file(name);
    QTest::mouseClick(control<QPushButton>("saveAsPdf"), Qt::LeftButton);
    QCOMPARE(dialogs->failures.size(), 1);
    const QString message = dialogs->failures.constFirst();
    QVERIFY2(message.contains(QDir::toNativeSeparators(file(name))), qPrintable(message));
    QVERIFY2(message.contains(cause, Qt::CaseInsensitive), qPrintable(message));
    QCOMPARE(files(), QStringList());
    QVERIFY(stillOpen());

    dialogs->fileName = file(QStringLiteral("ring.pdf"));
    QTest::mouseClick(control<QPushButton>("saveAsPdf"), Qt::LeftButton);
    QCOMPARE(dialogs->failures.size(), 1);
    QCOMPARE(files(), QStringList { QStringLiteral("ring.pdf") });
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
}

void TestTemplateDialog::ringThatMakesNoTemplate()
{
    openDialog(0);
    auto *problem = control<QLabel>("problem");
    QVERIFY(problem->isVisible());
    QVERIFY2(problem->text().contains(QStringLiteral("count")), qPrintable(problem->text()));
    QVERIFY(!control<QPushButton>("print")->isEnabled());
    QVERIFY(!control<QPushButton>("saveAsPdf")->isEnabled());
    dialogs->fileName = file(QStringLiteral("none.pdf"));
    dialog->saveAsPdf();
    QCOMPARE(files(), QStringList());
    QVERIFY(stillOpen());
}

// Print… opens the print dialog on a printer at full resolution, not full page, and prints
// every page there: here the dialog's "print to file", which writes a PDF on the paper and in the
// orientation chosen in the dialog.
void TestTemplateDialog::prints()
{
    const QString pdf = file(QStringLiteral("printed.pdf"));
    int resolution = 0;
    bool fullPage = true;
    dialogs->setUpPrinter = [&](QPrinter &printer) {
        resolution = printer.resolution();
        fullPage = printer.fullPage();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::A3));
        printer.setPageOrientation(QPageLayout::Portrait);
        return true;
    };
    QTest::mouseClick(control<QPushButton>("print"), Qt::LeftButton);
    QCOMPARE(dialogs->printDialogs, 1);
    QCOMPARE(dialogs->failures, QStringList());
    QVERIFY2(resolution >= 600, qPrintable(QString::number(resolution)));
    QVERIFY(!fullPage);
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    const PdfContents contents = readPdf(pdf);
    QVERIFY2(contents.error.isEmpty(), qPrintable(contents.error));
    QVERIFY(contents.pages > 1);
    QCOMPARE(contents.pageSize, QPageSize(QPageSize::A3).size(QPageSize::Point));
    QVERIFY(pdfpage::textLines(pdf, 1).contains(QStringLiteral("Project Name: Walnut bowl")));
}

void TestTemplateDialog::printDialogCancelled()
{
    dialogs->setUpPrinter = [](QPrinter &) { return false; };
    QTest::mouseClick(control<QPushButton>("print"), Qt::LeftButton);
    QCOMPARE(dialogs->printDialogs, 1);
    QCOMPARE(dialogs->failures, QStringList());
    QVERIFY(stillOpen());
}

// A printer that cannot start its document is reported by name, and the dialog stays open.
void TestTemplateDialog::printerThatFailsIsReported()
{
    const QString pdf = file(QStringLiteral("missing/printed.pdf"));
    dialogs->setUpPrinter = [&](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    };
    QTest::mouseClick(control<QPushButton>("print"), Qt::LeftButton);
    QCOMPARE(dialogs->failures.size(), 1);
    const QString message = dialogs->failures.constFirst();
    QVERIFY2(message.contains(QDir::toNativeSeparators(pdf)), qPrintable(message));
    QVERIFY2(message.contains(QStringLiteral("could not be printed")), qPrintable(message));
    QVERIFY(stillOpen());
}

QTEST_MAIN(TestTemplateDialog)
#include "tst_templatedialog.moc"
