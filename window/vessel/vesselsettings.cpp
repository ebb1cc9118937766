#include "window/vessel/vesselsettings.h"

#include "core/ringreader.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>

#include <cmath>

namespace orvane::vesselSettings {

namespace {

QSettings store()
{
    return QSettings(QStringLiteral("Orvane"), QStringLiteral("Orvane"));
}

const QString recentKey = QStringLiteral("vessel/recentFiles");
const QString folderKey = QStringLiteral("vessel/lastFolder");
const QString paperKey = QStringLiteral("vessel/paper");
const QString unitsKey = QStringLiteral("vessel/newUnits");
const QString kerfKey = QStringLiteral("vessel/newKerf");
const QString widestBoardKey = QStringLiteral("checks/widestBoard");
const QString smallestOpeningKey = QStringLiteral("checks/smallestOpening");
// Each wood kept as its colour, "#rrggbb", a blank and its name: the colour's length is fixed,
// so whatever the name holds reads back.
const QString woodsKey = QStringLiteral("woods/list");
constexpr qsizetype colourLength = 7;

// A length kept in inches, or `fallback` where none more than 0 is kept.
double storedLength(const QString &key, double fallback)
{
    bool number = false;
    const double inches = store().value(key).toDouble(&number);
    return number && inches > 0 && std::isfinite(inches) ? inches : fallback;
}

QString absolute(const QString &fileName)
{
    return QFileInfo(fileName).absoluteFilePath();
}

} // namespace

QStringList recentFiles()
{
    return store().value(recentKey).toStringList().mid(0, recentFileCount);
}

void addRecentFile(const QString &fileName)
{
    QStringList files = recentFiles();
    files.removeAll(absolute(fileName));
    files.prepend(absolute(fileName));
    store().setValue(recentKey, files.mid(0, recentFileCount));
}

void forgetRecentFile(const QString &fileName)
{
    QStringList files = recentFiles();
    files.removeAll(absolute(fileName));
    store().setValue(recentKey, files);
}

QString lastFolder()
{
    const QString folder = store().value(folderKey).toString();
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        return folder;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

void setLastFolder(const QString &folder)
{
    store().setValue(folderKey, folder);
}

QPageSize paper()
{
    const QPageSize stored(QPageSize::PageSizeId(store().value(paperKey, -1).toInt()));
    if (store().contains(paperKey) && stored.isValid())
        return stored;
    return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                : QPageSize::A4);
}

void setPaper(const QPageSize &paper)
{
    if (paper.isValid() && paper.id() != QPageSize::Custom)
        store().setValue(paperKey, int(paper.id()));
}

Units newVesselUnits()
{
    return store().value(unitsKey).toString() == QLatin1String("mm") ? Units::millimetres
                                                                     : Units::inches;
}

double newVesselKerf()
{
    bool number = false;
    const double kerf = store().value(kerfKey).toDouble(&number);
    if (!number || !checkRingField(RingField::kerf, kerf, {}).problem.empty())
        return defaultKerf;
    return kerf;
}

void rememberForNewVessels(Units units, double kerf)
{
    QSettings settings = store();
    settings.setValue(
        unitsKey, units == Units::millimetres ? QStringLiteral("mm") : QStringLiteral("in"));
    settings.setValue(kerfKey, kerf);
}

CheckSettings checkSettings()
{
    const CheckSettings defaults;
    return { storedLength(widestBoardKey, defaults.widestBoard),
        storedLength(smallestOpeningKey, defaults.smallestOpening) };
}

void setCheckSettings(const CheckSettings &settings)
{
    QSettings stored = store();
    stored.setValue(widestBoardKey, settings.widestBoard);
    stored.setValue(smallestOpeningKey, settings.smallestOpening);
}

std::vector<Wood> woods()
{
    if (!store().contains(woodsKey))
        return commonWoods();
    std::vector<Wood> kept;
    for (const QString &entry : store().value(woodsKey).toStringList()) {
        const std::string colour = entry.left(colourLength).toStdString();
        const std::string name = entry.mid(colourLength + 1).toStdString();
        if (isColour(colour) && isWoodName(name))
            kept.push_back({ name, colour });
    }
    return kept;
}

void setWoods(const std::vector<Wood> &woods)
{
    QStringList entries;
    for (const Wood &wood : woods) {
        entries.append(QString::fromStdString(wood.colour) + QLatin1Char(' ')
            + QString::fromStdString(wood.name));
    }
    store().setValue(woodsKey, entries);
}

} // namespace orvane::vesselSettings
