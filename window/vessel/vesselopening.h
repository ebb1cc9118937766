#pragma once

// Where vessel windows come from: a new vessel, a project file or a CSV opened by the user or
// given on the command line. Each vessel opens in a window of its own, which deletes itself when
// it closes.

#include "core/presets.h"
#include "core/ringdesign.h"
#include "core/vessel.h"

#include <QString>
#include <QStringList>

#include <memory>

class QWidget;

namespace orvane {

class VesselDialogs;
class VesselWindow;

// A vessel of the one ring `ring`, named `name`, in the units and with the kerf a new vessel
// starts with; the ring is named as the first ring and cut with that kerf.
Vessel newVessel(RingDesign ring, const std::string &name = {});
// The vessel of `preset`, in the units and with the kerf a new vessel starts with.
Vessel newVessel(Preset preset);

// Shows `vessel` in a window of its own. `note`, when given, is shown in its status bar.
VesselWindow *showVesselWindow(Vessel vessel, const QString &fileName,
    std::shared_ptr<VesselDialogs> dialogs, const QString &note = {});

// Opens `fileName` (a project file, or a CSV whose rings become a new vessel) in a window of its
// own, or brings forward the window that already has it open. A file that cannot be read or is
// refused is reported through `dialogs` over `parent`, and opens nothing.
VesselWindow *openVesselFile(
    const QString &fileName, std::shared_ptr<VesselDialogs> dialogs, QWidget *parent);

// Asks for a project file and opens it.
void askToOpenVessel(const std::shared_ptr<VesselDialogs> &dialogs, QWidget *parent);
// Asks for a project CSV and opens its rings as a new vessel.
void askToImportCsv(const std::shared_ptr<VesselDialogs> &dialogs, QWidget *parent);

// The files given on the command line, each opened in a window: every file is read first, and
// when any cannot be read or is refused no window opens and the problems are returned.
QStringList openVesselFiles(const QStringList &fileNames);

} // namespace orvane
