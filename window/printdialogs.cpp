#include "window/printdialogs.h"

#include "window/pdffile.h"

#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>

namespace orvane {

namespace {

class StandardPrintDialogs : public PrintDialogs
{
public:
    bool offerPdf(QWidget *parent) override
    {
        QMessageBox box(QMessageBox::Information, QObject::tr("Print"),
            QObject::tr("No printer is available."), QMessageBox::NoButton, parent);
        box.setInformativeText(QObject::tr("You can save the report as a PDF file instead, "
                                           "to print it later or elsewhere."));
        QPushButton *save = box.addButton(QObject::tr("Save as PDF…"), QMessageBox::AcceptRole);
        box.addButton(QMessageBox::Cancel);
        box.setDefaultButton(save);
        box.exec();
        return box.clickedButton() == save;
    }

    Instead offerChoice(QWidget *parent) override
    {
        QMessageBox box(QMessageBox::Information, QObject::tr("Print"),
            QObject::tr("No default printer is set."), QMessageBox::NoButton, parent);
        box.setInformativeText(QObject::tr("Choose one of the installed printers for this report, "
                                           "or save the report as a PDF file."));
        QPushButton *choose
            = box.addButton(QObject::tr("Choose Printer…"), QMessageBox::AcceptRole);
        QPushButton *save = box.addButton(QObject::tr("Save as PDF…"), QMessageBox::ActionRole);
        box.addButton(QMessageBox::Cancel);
        box.setDefaultButton(choose);
        box.exec();
        if (box.clickedButton() == choose)
            return Instead::ChoosePrinter;
        return box.clickedButton() == save ? Instead::SavePdf : Instead::Cancel;
    }

    bool choosePrinter(QWidget *parent, QPrinter &printer) override
    {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }

    QString pdfFileName(QWidget *parent, const QString &suggested) override
    {
        return askForPdfFile(parent, QObject::tr("Save the report as PDF"), suggested);
    }

    void showFailure(QWidget *parent, const QString &message) override
    {
        QMessageBox::warning(parent, QObject::tr("Print"), message);
    }
};

} // namespace

std::unique_ptr<PrintDialogs> standardPrintDialogs()
{
    return std::make_unique<StandardPrintDialogs>();
}

} // namespace orvane
