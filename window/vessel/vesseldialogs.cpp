#include "window/vessel/vesseldialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>

namespace orvane {

namespace {

class StandardVesselDialogs : public VesselDialogs
{
public:
    UnsavedChanges askToSave(QWidget *parent, const QString &name) override
    {
        QMessageBox box(QMessageBox::Warning, QObject::tr("Close"),
            QObject::tr("Save the changes to “%1” before closing?").arg(name),
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
        box.setInformativeText(QObject::tr("Changes not saved are lost."));
        box.setDefaultButton(QMessageBox::Save);
        switch (box.exec()) {
        case QMessageBox::Save: return UnsavedChanges::save;
        case QMessageBox::Discard: return UnsavedChanges::discard;
        default: return UnsavedChanges::cancel;
        }
    }

    QString openFileName(QWidget *parent, const QString &title, const QString &folder,
        const QString &filter) override
    {
        return QFileDialog::getOpenFileName(parent, title, folder, filter);
    }

    QString saveFileName(QWidget *parent, const QString &title, const QString &suggested,
        const QString &filter) override
    {
        return QFileDialog::getSaveFileName(parent, title, suggested, filter);
    }

    bool choosePrinter(QWidget *parent, QPrinter &printer) override
    {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }

    void showProblem(QWidget *parent, const QString &title, const QString &message) override
    {
        QMessageBox::warning(parent, title, message);
    }
};

} // namespace

std::unique_ptr<VesselDialogs> standardVesselDialogs()
{
    return std::make_unique<StandardVesselDialogs>();
}

} // namespace orvane
