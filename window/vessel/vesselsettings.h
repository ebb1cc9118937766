#pragma once

// What the vessel windows remember from one run to the next: the files opened last, the folder
// last used, the paper, and the units and kerf a new vessel starts with.

#include "core/vessel.h"

#include <QPageSize>
#include <QString>
#include <QStringList>

namespace orvane::vesselSettings {

// The project files opened or saved last, the latest first, at most `recentFileCount`.
inline constexpr int recentFileCount = 8;
QStringList recentFiles();
void addRecentFile(const QString &fileName);
void forgetRecentFile(const QString &fileName);

// Where the file dialogs start: the folder of the file last opened or saved, or the documents.
QString lastFolder();
void setLastFolder(const QString &folder);

// The paper of the cut list and templates: the one last printed on, or the locale's own.
QPageSize paper();
void setPaper(const QPageSize &paper);

// A new vessel's units and kerf: those of the vessel last saved or given new units.
Units newVesselUnits();
double newVesselKerf();
void rememberForNewVessels(Units units, double kerf);

} // namespace orvane::vesselSettings
