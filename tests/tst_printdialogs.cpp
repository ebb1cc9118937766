// Printing with no printer through the dialogs the user sees: the message that there is no
// printer, the standard save dialog, and the warning when the file cannot be written.

#include "tests/support/modaldriver.h"
#include "tests/support/pdfpages.h"
#include "tests/support/printers.h"
#include "tests/support/windowdriver.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>

namespace {

QAbstractButton *buttonCalled(QMessageBox *box, const QString &text)
{
    for (QAbstractButton *button : box->buttons()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

} // namespace

class TestPrintDialogs : public WindowDriver
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void noPrinterLeadsToASavedPdf();
    void noPrinterCancelled();
    void saveDialogCancelled();
    void fileThatCannotBeWrittenIsShown();

private:
    void printAndOk()
    {
        clickButton("Command13");
        clickButton("Command12");
    }
    // Answers to the three dialogs, each noting in `problems` what was not as it should be.
    ModalDriver::Answer answerNoPrinter(const QString &button);
    ModalDriver::Answer answerSaveDialog(const QString &fileName);
    ModalDriver::Answer answerWarning(const QString &expectedCause);

    std::unique_ptr<ModalDriver> driver;
    std::unique_ptr<QTemporaryDir> folder;
    QStringList problems;
    QString suggested;
    QString warning;
};

void TestPrintDialogs::initTestCase()
{
    QVERIFY2(hideAllPrinters(), "these tests need a machine without printers");
}

void TestPrintDialogs::init()
{
    folder = std::make_unique<QTemporaryDir>();
    QVERIFY(folder->isValid());
    problems.clear();
    suggested.clear();
    warning.clear();
    driver = std::make_unique<ModalDriver>();
    QVERIFY(openWindow());
}

void TestPrintDialogs::cleanup()
{
    QCOMPARE(problems, QStringList());
    QCOMPARE(driver->unexpected, QStringList());
    QCOMPARE(driver->pending(), 0);
    window.reset();
    driver.reset();
    folder.reset();
}

ModalDriver::Answer TestPrintDialogs::answerNoPrinter(const QString &button)
{
    return [this, button](QWidget *dialog) {
        auto *box = qobject_cast<QMessageBox *>(dialog);
        if (!box || box->text() != QStringLiteral("No printer is available.")) {
            problems.append(QStringLiteral("expected the message that there is no printer, got ")
                + describeDialog(dialog));
            dialog->close();
            return;
        }
        QAbstractButton *choice = buttonCalled(box, button);
        if (!choice) {
            problems.append(QStringLiteral("no button ") + button);
            box->reject();
            return;
        }
        QTest::mouseClick(choice, Qt::LeftButton);
    };
}

ModalDriver::Answer TestPrintDialogs::answerSaveDialog(const QString &fileName)
{
    return [this, fileName](QWidget *dialog) {
        auto *files = qobject_cast<QFileDialog *>(dialog);
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        auto *buttons = dialog->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
        if (!files || !name || !buttons || files->acceptMode() != QFileDialog::AcceptSave) {
            problems.append(
                QStringLiteral("expected a save dialog, got ") + describeDialog(dialog));
            dialog->close();
            return;
        }
        suggested = QDir(files->directory()).filePath(name->text());
        if (fileName.isEmpty()) {
            QTest::mouseClick(buttons->button(QDialogButtonBox::Cancel), Qt::LeftButton);
            return;
        }
        name->setText(fileName);
        QTest::mouseClick(buttons->button(QDialogButtonBox::Save), Qt::LeftButton);
    };
}

ModalDriver::Answer TestPrintDialogs::answerWarning(const QString &expectedCause)
{
    return [this, expectedCause](QWidget *dialog) {
        auto *box = qobject_cast<QMessageBox *>(dialog);
        if (!box || box->icon() != QMessageBox::Warning) {
            problems.append(QStringLiteral("expected a warning, got ") + describeDialog(dialog));
            dialog->close();
            return;
        }
        warning = box->text();
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    };
}

// Print, OK, and the user is led to a PDF of the page, named after the project.
void TestPrintDialogs::noPrinterLeadsToASavedPdf()
{
    const QString pdf = folder->filePath(QStringLiteral("ring.pdf"));
    driver->expect(answerNoPrinter(QStringLiteral("Save as PDF…")));
    driver->expect(answerSaveDialog(pdf));
    printAndOk();

    QCOMPARE(QFileInfo(suggested).fileName(), QStringLiteral("Segmented Circle.pdf"));
    const PdfContents contents = readPdf(pdf);
    QVERIFY2(contents.error.isEmpty(), qPrintable(contents.error));
    QCOMPARE(contents.pages, 1);
    QVERIFY(contents.texts().contains(QStringLiteral("Project Name: Segmented Circle")));
    QVERIFY(contents.texts().contains(QStringLiteral("Note: Not to scale or proportion!")));
}

void TestPrintDialogs::noPrinterCancelled()
{
    driver->expect(answerNoPrinter(QStringLiteral("Cancel")));
    printAndOk();
    QVERIFY(suggested.isEmpty()); // no save dialog
    // The window goes on: Print shows the prompt again.
    clickButton("Command13");
    QVERIFY(control("Frame1")->isVisible());
}

void TestPrintDialogs::saveDialogCancelled()
{
    driver->expect(answerNoPrinter(QStringLiteral("Save as PDF…")));
    driver->expect(answerSaveDialog(QString()));
    printAndOk();
    QVERIFY(!suggested.isEmpty());
    QCOMPARE(
        QDir(folder->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

void TestPrintDialogs::fileThatCannotBeWrittenIsShown()
{
    const QString pdf = folder->filePath(QStringLiteral("missing/ring.pdf"));
    driver->expect(answerNoPrinter(QStringLiteral("Save as PDF…")));
    driver->expect(answerSaveDialog(pdf));
    driver->expect(answerWarning(QString()));
    printAndOk();
    QVERIFY2(warning.contains(QDir::toNativeSeparators(pdf)), qPrintable(warning));
    QVERIFY2(warning.contains(QString::fromLocal8Bit(strerror(ENOENT)), Qt::CaseInsensitive),
        qPrintable(warning));
    QVERIFY(!QFileInfo::exists(pdf));
}

QTEST_MAIN(TestPrintDialogs)
#include "tst_printdialogs.moc"
