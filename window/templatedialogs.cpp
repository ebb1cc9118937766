#include "window/templatedialogs.h"

#include "window/pdffile.h"

#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace orvane {

namespace {

class StandardTemplateDialogs : public PageDialogs
{
public:
    bool choosePrinter(QWidget *parent, QPrinter &printer) override
    {
        QPrintDialog dialog(&printer, parent);
        dialog.setWindowTitle(QObject::tr("Print the Full-Size Template"));
        // Every page is printed: the tiles only make the segment together.
        dialog.setOptions(QAbstractPrintDialog::PrintToFile
            | QAbstractPrintDialog::PrintShowPageSize | QAbstractPrintDialog::PrintCollateCopies);
        return dialog.exec() == QDialog::Accepted;
    }

    QString pdfFileName(QWidget *parent, const QString &suggested) override
    {
        return askForPdfFile(parent, QObject::tr("Save the Full-Size Template as PDF"), suggested);
    }

    void showFailure(QWidget *parent, const QString &message) override
    {
        QMessageBox::warning(parent, QObject::tr("Full-Size Template"), message);
    }
};

} // namespace

std::unique_ptr<PageDialogs> standardTemplateDialogs()
{
    return std::make_unique<StandardTemplateDialogs>();
}

} // namespace orvane
