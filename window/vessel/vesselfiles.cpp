// The vessel window's file commands: saving the project file, exporting the rings as a CSV, the
// cut list and templates printed or saved as PDF, and the profile gauge saved as PDF. Every file
// is written whole or not at all.

#include "core/projectfile.h"
#include "report/cutlistpages.h"
#include "report/profilegauge.h"
#include "window/vessel/vesseldialogs.h"
#include "window/vessel/vesseldocument.h"
#include "window/vessel/vesselfile.h"
#include "window/vessel/vesselsettings.h"
#include "window/vessel/vesselwindow.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QSaveFile>
#include <QStatusBar>

#include <string>

namespace orvane {

namespace {

// Writes `text` to `fileName` through a safe save; the reason when it did not get there.
std::optional<QString> writeWhole(const QString &fileName, const std::string &text)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    const auto size = static_cast<qint64>(text.size());
    if (file.write(text.data(), size) != size) {
        const QString error = file.errorString();
        file.cancelWriting();
        return error;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

} // namespace

QString VesselWindow::askForFileToWrite(const QString &title, const QString &suggestedName,
    const QString &extension, const QString &filter)
{
    const QString &current = vesselDocument->fileName();
    const QString folder
        = current.isEmpty() ? vesselSettings::lastFolder() : QFileInfo(current).absolutePath();
    QString fileName = vesselDialogs->saveFileName(
        this, title, QDir(folder).filePath(suggestedName + extension), filter);
    if (fileName.isEmpty())
        return {};
    if (QFileInfo(fileName).suffix().isEmpty())
        fileName += extension;
    vesselSettings::setLastFolder(QFileInfo(fileName).absolutePath());
    return fileName;
}

QString VesselWindow::fileStem() const
{
    const QString &fileName = vesselDocument->fileName();
    return fileName.isEmpty() ? displayName() : QFileInfo(fileName).completeBaseName();
}

bool VesselWindow::save()
{
    takePendingEdits();
    const QString &fileName = vesselDocument->fileName();
    if (fileName.isEmpty())
        return saveAs();
    return writeProjectFile(fileName);
}

bool VesselWindow::saveAs()
{
    takePendingEdits();
    const QString fileName = askForFileToWrite(tr("Save Vessel"), fileStem(),
        QString::fromUtf8(projectFileExtension), tr("Orvane vessels (*.orvane)"));
    return !fileName.isEmpty() && writeProjectFile(fileName);
}

bool VesselWindow::writeProjectFile(const QString &fileName)
{
    VesselDocument &document = *vesselDocument;
    // A vessel without a name takes its file's, as it would reading the file back.
    if (document.vessel().name.empty())
        document.setName(QFileInfo(fileName).completeBaseName().toStdString());
    if (const auto problem
        = writeWhole(fileName, orvane::writeProjectFile(document.vesselToSave()))) {
        vesselDialogs->showProblem(this, tr("Save Vessel"),
            tr("%1 could not be saved: %2").arg(QDir::toNativeSeparators(fileName), *problem));
        return false;
    }
    document.setFileName(QFileInfo(fileName).absoluteFilePath());
    document.undoStack().setClean();
    vesselSettings::addRecentFile(fileName);
    vesselSettings::rememberForNewVessels(document.vessel().units, document.vessel().kerf);
    statusBar()->showMessage(tr("Saved %1").arg(QDir::toNativeSeparators(fileName)), 5000);
    return true;
}

void VesselWindow::exportCsv()
{
    takePendingEdits();
    const QString fileName = askForFileToWrite(
        tr("Export CSV"), fileStem(), QStringLiteral(".csv"), tr("Project CSV files (*.csv)"));
    if (fileName.isEmpty())
        return;
    if (const auto problem = writeWhole(fileName, vesselCsv(vesselDocument->vessel()))) {
        vesselDialogs->showProblem(this, tr("Export CSV"),
            tr("%1 could not be written: %2").arg(QDir::toNativeSeparators(fileName), *problem));
    }
}

void VesselWindow::printCutList()
{
    takePendingEdits();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(vesselSettings::paper());
    printer.setDocName(fileStem());
    if (!vesselDialogs->choosePrinter(this, printer))
        return;
    if (const auto problem = orvane::printCutList(printer, vesselDocument->vesselToSave())) {
        vesselDialogs->showProblem(this, tr("Print Cut List"), *problem);
        return;
    }
    vesselSettings::setPaper(printer.pageLayout().pageSize());
}

void VesselWindow::saveCutListAsPdf()
{
    takePendingEdits();
    const QString fileName = askForFileToWrite(tr("Save Cut List as PDF"),
        tr("%1 cut list").arg(fileStem()), QStringLiteral(".pdf"), tr("PDF files (*.pdf)"));
    if (fileName.isEmpty())
        return;
    if (const auto problem = orvane::saveCutListAsPdf(
            fileName, vesselDocument->vesselToSave(), vesselSettings::paper()))
        vesselDialogs->showProblem(this, tr("Save Cut List as PDF"), *problem);
}

void VesselWindow::saveTemplatesAsPdf()
{
    takePendingEdits();
    const QString fileName = askForFileToWrite(tr("Save Templates as PDF"),
        tr("%1 templates").arg(fileStem()), QStringLiteral(".pdf"), tr("PDF files (*.pdf)"));
    if (fileName.isEmpty())
        return;
    if (const auto problem = orvane::saveVesselTemplatesAsPdf(
            fileName, vesselDocument->vessel(), vesselSettings::paper()))
        vesselDialogs->showProblem(this, tr("Save Templates as PDF"), *problem);
}

void VesselWindow::saveProfileGaugeAsPdf()
{
    takePendingEdits();
    const QString fileName = askForFileToWrite(tr("Save Profile Gauge as PDF"),
        tr("%1 profile gauge").arg(fileStem()), QStringLiteral(".pdf"), tr("PDF files (*.pdf)"));
    if (fileName.isEmpty())
        return;
    if (const auto problem = orvane::saveProfileGaugeAsPdf(
            fileName, vesselDocument->vessel(), vesselSettings::paper())) {
        vesselDialogs->showProblem(this, tr("Save Profile Gauge as PDF"),
            tr("%1 could not be written: %2").arg(QDir::toNativeSeparators(fileName), *problem));
    }
}

} // namespace orvane
