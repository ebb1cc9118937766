#include "window/vessel/vesselfile.h"

#include "core/csv.h"
#include "core/project.h"
#include "core/projectfile.h"
#include "core/reading.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cmath>
#include <string_view>

namespace orvane {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("VesselFile", text);
}

// A project file is a small text; anything much larger is not one.
constexpr qint64 largestFile = 16 * 1024 * 1024;

VesselFileReading refused(const QString &message)
{
    VesselFileReading reading;
    reading.problems << message;
    return reading;
}

QStringList messages(const std::vector<std::string> &problems)
{
    QStringList result;
    for (const std::string &problem : problems)
        result << QString::fromStdString(problem);
    return result;
}

std::string lengthText(double inches, Units units)
{
    if (units == Units::millimetres)
        return shortestDecimal(std::round(inches * millimetresPerInch * 1e6) / 1e6) + "mm";
    return shortestDecimal(inches);
}

} // namespace

bool hasProjectExtension(const QString &fileName)
{
    return fileName.endsWith(QString::fromUtf8(projectFileExtension), Qt::CaseInsensitive);
}

VesselFileReading readVesselFile(const QString &fileName, Units units, double kerf)
{
    if (QFileInfo(fileName).isDir())
        return refused(tr("%1 is a folder, not a project file").arg(fileName));
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return refused(tr("%1 cannot be read: %2").arg(fileName, file.errorString()));
    const QByteArray bytes = file.read(largestFile + 1);
    if (file.error() != QFileDevice::NoError)
        return refused(tr("%1 cannot be read: %2").arg(fileName, file.errorString()));
    if (bytes.size() > largestFile)
        return refused(tr("%1 is larger than 16 MB: a project file is a small text").arg(fileName));

    const std::string_view text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    const std::string name = fileName.toStdString();
    VesselFileReading reading;
    if (hasProjectExtension(fileName) || looksLikeProjectFile(text)) {
        ProjectFileReading project = readProjectFile(text, name);
        reading.vessel = std::move(project.vessel);
        reading.projectFile = true;
        reading.problems = messages(project.problems);
    } else {
        Project project = readProject(text, name);
        reading.problems = messages(project.problems);
        if (project.problems.empty()) {
            reading.vessel = Vessel { QFileInfo(fileName).completeBaseName().toStdString(), units,
                kerf, std::move(project.rings) };
        }
    }
    if (!reading.problems.isEmpty())
        reading.vessel.reset();
    return reading;
}

std::string vesselCsv(const Vessel &vessel)
{
    std::string out = "name,segments,outer,inner,fudge,thickness,kerf,wood\n";
    for (const RingDesign &ring : vessel.rings) {
        const auto length = [&vessel](double inches) { return lengthText(inches, vessel.units); };
        out += csvField(ring.name) + ',' + shortestDecimal(ring.inputs.segmentCount) + ','
            + length(ring.inputs.outerDiameter) + ',' + length(ring.inputs.innerDiameter) + ','
            + length(ring.inputs.fudge) + ',' + (ring.thickness ? length(*ring.thickness) : "")
            + ',' + length(ring.kerf) + ',' + csvField(woodText(ring)) + '\n';
    }
    return out;
}

} // namespace orvane
