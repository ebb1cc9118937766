#include "window/vessel/vesselopening.h"

#include "window/vessel/vesseldialogs.h"
#include "window/vessel/vesseldocument.h"
#include "window/vessel/vesselfile.h"
#include "window/vessel/vesselsettings.h"
#include "window/vessel/vesselwindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QStatusBar>

#include <vector>

namespace orvane {

namespace {

VesselFileReading readWithSettings(const QString &fileName)
{
    return readVesselFile(
        fileName, vesselSettings::newVesselUnits(), vesselSettings::newVesselKerf());
}

// The window that has `fileName` open, if any.
VesselWindow *windowOf(const QString &fileName)
{
    const QString wanted = QFileInfo(fileName).canonicalFilePath();
    if (wanted.isEmpty())
        return nullptr;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *window = qobject_cast<VesselWindow *>(widget);
        if (window && !window->document().fileName().isEmpty()
            && QFileInfo(window->document().fileName()).canonicalFilePath() == wanted)
            return window;
    }
    return nullptr;
}

VesselWindow *showReading(
    VesselFileReading reading, const QString &fileName, std::shared_ptr<VesselDialogs> dialogs)
{
    vesselSettings::setLastFolder(QFileInfo(fileName).absolutePath());
    if (reading.projectFile)
        vesselSettings::addRecentFile(fileName);
    const QString file = reading.projectFile ? QFileInfo(fileName).absoluteFilePath() : QString();
    const QString note = reading.projectFile
        ? QString()
        : QObject::tr("The rings of %1, as a new vessel").arg(QFileInfo(fileName).fileName());
    return showVesselWindow(std::move(*reading.vessel), file, std::move(dialogs), note);
}

} // namespace

Vessel newVessel(RingDesign ring, const std::string &name)
{
    Vessel vessel;
    vessel.name = name;
    vessel.units = vesselSettings::newVesselUnits();
    vessel.kerf = vesselSettings::newVesselKerf();
    ring.name = defaultRingName(1);
    ring.kerf = vessel.kerf;
    ring.line = 0;
    vessel.rings.push_back(std::move(ring));
    return vessel;
}

Vessel newVessel(Preset preset)
{
    Vessel vessel = presetVessel(preset);
    vessel.units = vesselSettings::newVesselUnits();
    vessel.kerf = vesselSettings::newVesselKerf();
    for (RingDesign &ring : vessel.rings)
        ring.kerf = vessel.kerf;
    return vessel;
}

VesselWindow *showVesselWindow(Vessel vessel, const QString &fileName,
    std::shared_ptr<VesselDialogs> dialogs, const QString &note)
{
    auto *window = new VesselWindow(std::move(vessel), fileName);
    window->setAttribute(Qt::WA_DeleteOnClose);
    if (dialogs)
        window->setDialogs(std::move(dialogs));
    if (!note.isEmpty())
        window->statusBar()->showMessage(note);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

VesselWindow *openVesselFile(
    const QString &fileName, std::shared_ptr<VesselDialogs> dialogs, QWidget *parent)
{
    if (VesselWindow *open = windowOf(fileName)) {
        open->raise();
        open->activateWindow();
        return open;
    }
    VesselFileReading reading = readWithSettings(fileName);
    if (!reading.vessel) {
        if (!QFileInfo::exists(fileName))
            vesselSettings::forgetRecentFile(fileName);
        dialogs->showProblem(parent, QObject::tr("Open Vessel"), reading.problems.join(u'\n'));
        return nullptr;
    }
    return showReading(std::move(reading), fileName, std::move(dialogs));
}

void askToOpenVessel(const std::shared_ptr<VesselDialogs> &dialogs, QWidget *parent)
{
    const QString fileName
        = dialogs->openFileName(parent, QObject::tr("Open Vessel"), vesselSettings::lastFolder(),
            QObject::tr("Orvane vessels (*.orvane);;Project CSV files (*.csv);;All files (*)"));
    if (!fileName.isEmpty())
        openVesselFile(fileName, dialogs, parent);
}

void askToImportCsv(const std::shared_ptr<VesselDialogs> &dialogs, QWidget *parent)
{
    const QString fileName = dialogs->openFileName(parent, QObject::tr("Import CSV"),
        vesselSettings::lastFolder(), QObject::tr("Project CSV files (*.csv);;All files (*)"));
    if (!fileName.isEmpty())
        openVesselFile(fileName, dialogs, parent);
}

QStringList openVesselFiles(const QStringList &fileNames)
{
    std::vector<VesselFileReading> readings;
    QStringList problems;
    for (const QString &fileName : fileNames) {
        readings.push_back(readWithSettings(fileName));
        problems << readings.back().problems;
    }
    if (!problems.isEmpty())
        return problems;
    const std::shared_ptr<VesselDialogs> dialogs = standardVesselDialogs();
    for (std::size_t i = 0; i < readings.size(); ++i)
        showReading(std::move(readings[i]), fileNames[static_cast<qsizetype>(i)], dialogs);
    return {};
}

} // namespace orvane
