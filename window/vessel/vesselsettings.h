#pragma once

// What the vessel windows remember from one run to the next: the files opened last, the folder
// last used, the paper, the units and kerf a new vessel starts with, and the limits the checks
// compare with, and the woods the user keeps with their colours.

#include "core/vessel.h"
#include "core/vesselchecks.h"

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

// The widest board and the smallest opening the checks compare with: those last set, each the
// default until set to a length more than 0.
CheckSettings checkSettings();
void setCheckSettings(const CheckSettings &settings);

// The woods the user keeps: the common woods until the user edits the list.
std::vector<Wood> woods();
void setWoods(const std::vector<Wood> &woods);

} // namespace orvane::vesselSettings
