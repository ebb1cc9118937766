#include "cli/commandline.h"

#include "cli/request.h"
#include "cli/ringpages.h"
#include "core/projectfile.h"
#include "core/results.h"
#include "core/vesselresults.h"
#include "report/cutlistpages.h"
#include "report/pdfformat.h"
#include "report/profilegauge.h"
#include "report/reportoutput.h"
#include "report/safesave.h"
#include "report/templateoutput.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace orvane {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("CommandLine", text);
}

constexpr int exitSuccess = 0;
constexpr int exitUnwritten = 1;
constexpr int exitBadInput = 2;

void tell(const QString &message)
{
    const QByteArray text = (QStringLiteral("orvane: ") + message + QLatin1Char('\n')).toUtf8();
    std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stderr);
}

// Writes `text` to standard output; the reason when it could not be written.
std::optional<QString> writeStandardOutput(std::string_view text)
{
    errno = 0;
    const std::size_t written = std::fwrite(text.data(), 1, text.size(), stdout);
    if (std::fflush(stdout) != 0 || written != text.size() || std::ferror(stdout))
        return QString::fromLocal8Bit(std::strerror(errno != 0 ? errno : EIO));
    return std::nullopt;
}

std::string resultsIn(ResultsFormat format, const std::vector<RingResult> &rings)
{
    switch (format) {
    case ResultsFormat::csv: return resultsCsv(rings);
    case ResultsFormat::json: return resultsJson(rings);
    case ResultsFormat::text: break;
    }
    return resultsText(rings);
}

// Writes `vessel` as a project file `fileName`, replacing a file already there only once the new
// one is complete; the reason when it could not be written.
std::optional<QString> saveProjectFile(const QString &fileName, const Vessel &vessel)
{
    const std::string text = writeProjectFile(vessel);
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(text.data(), static_cast<qint64>(text.size()))
        != static_cast<qint64>(text.size())) {
        const QString cause = file.errorString();
        file.cancelWriting();
        return cause;
    }
    return commitSafely(file);
}

// The window system's options that QGuiApplication and QApplication take, with a value or none.
bool isWindowSystemOption(std::string_view argument, bool &takesValue)
{
    static constexpr std::string_view withValue[] = { "platform", "platformpluginpath",
        "platformtheme", "plugin", "qwindowgeometry", "qwindowicon", "qwindowtitle", "session",
        "style", "stylesheet", "display", "geometry" };
    static constexpr std::string_view alone[] = { "reverse", "widgetcount" };
    if (argument.starts_with("--"))
        argument.remove_prefix(2);
    else if (argument.starts_with('-'))
        argument.remove_prefix(1);
    else
        return false;
    for (const std::string_view name : withValue) {
        if (argument == name) {
            takesValue = true;
            return true;
        }
    }
    for (const std::string_view name : alone) {
        if (argument == name) {
            takesValue = false;
            return true;
        }
    }
    return false;
}

} // namespace

bool isVesselFileArgument(std::string_view argument)
{
    return !argument.empty() && !argument.starts_with('-');
}

bool wantsCommandLine(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        bool takesValue = false;
        if (!isWindowSystemOption(argv[i], takesValue) && !isVesselFileArgument(argv[i]))
            return true;
        if (takesValue)
            ++i;
    }
    return false;
}

QStringList vesselFileArguments(int argc, char *argv[])
{
    QStringList files;
    if (wantsCommandLine(argc, argv))
        return files;
    for (int i = 1; i < argc; ++i) {
        bool takesValue = false;
        if (isWindowSystemOption(argv[i], takesValue))
            i += takesValue ? 1 : 0;
        else
            files << QString::fromLocal8Bit(argv[i]);
    }
    return files;
}

int runCommandLine(const QStringList &arguments)
{
    QCoreApplication::setApplicationName(QStringLiteral("orvane"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ORVANE_VERSION));
    const RequestReading reading = readRequest(arguments);
    switch (reading.outcome) {
    case RequestReading::Outcome::show:
        return writeStandardOutput(reading.shown.toStdString()) ? exitUnwritten : exitSuccess;
    case RequestReading::Outcome::refuse:
        for (const QString &problem : reading.problems)
            tell(problem);
        return exitBadInput;
    case RequestReading::Outcome::run: break;
    }
    const Request &request = reading.request;

    // Every ring was checked as it was read: each result is sound.
    const Vessel &vessel = request.vessel;
    const VesselResults results = computeVessel(vessel);
    const std::vector<RingResult> &rings = results.rings;
    // Rings above the rim are left out, and discs above the floor close the vessel: said, not
    // refused.
    for (const std::string &warning : results.warnings)
        tell(QString::fromStdString(warning));

    // A ring the template cannot draw is bad input too: refused before anything is written. The
    // templates go on the paper of the locale, as the window's template dialog starts with.
    const QPageSize paper = localePaper();
    if (!request.templateFile.isEmpty()) {
        const QStringList problems = templateProblems(rings, request.projectFile, paper);
        for (const QString &problem : problems)
            tell(problem);
        if (!problems.isEmpty())
            return exitBadInput;
    }

    // So is a profile too large for a gauge on that paper.
    if (!request.gaugeFile.isEmpty()) {
        const QPageLayout page = gaugePdfLayout(paper, vessel);
        const LaidOutGauge gauge = layOutGauge(vessel, page.paintRect(QPageLayout::Point).size());
        if (!gauge.layout) {
            tell(tr("--gauge: the profile gauge could not be made: %1").arg(gauge.problem));
            return exitBadInput;
        }
    }

    // Each output stands alone: one that cannot be written leaves the others as they are.
    int status = exitSuccess;
    const auto failed = [&](const QString &file, const QString &cause) {
        tell(tr("%1 could not be written: %2").arg(QDir::toNativeSeparators(file), cause));
        status = exitUnwritten;
    };
    if (!request.reportFile.isEmpty()) {
        std::vector<ReportValues> pages;
        pages.reserve(rings.size());
        for (const RingResult &result : rings)
            pages.push_back(reportValues(result));
        if (const auto failure = saveReportsAsPdf(request.reportFile, pages))
            failed(request.reportFile, *failure);
    }
    if (!request.templateFile.isEmpty()) {
        // A vessel's templates carry its name and each ring's; a CSV's rings are named alone.
        const QList<TemplateRing> templates
            = request.vesselFile ? vesselTemplateRings(vessel) : templateRings(rings);
        if (const auto failure = saveTemplateAsPdf(request.templateFile, templates, paper))
            failed(request.templateFile, *failure);
    }
    if (!request.cutListFile.isEmpty()) {
        if (const auto failure = saveCutListAsPdf(request.cutListFile, vessel, paper))
            failed(request.cutListFile, *failure);
    }
    if (!request.gaugeFile.isEmpty()) {
        if (const auto failure = saveProfileGaugeAsPdf(request.gaugeFile, vessel, paper))
            failed(request.gaugeFile, *failure);
    }
    if (!request.saveFile.isEmpty()) {
        if (const auto failure = saveProjectFile(request.saveFile, vessel))
            failed(request.saveFile, *failure);
    }
    if (request.results) {
        if (const auto failure = writeStandardOutput(resultsIn(*request.results, rings)))
            failed(tr("standard output"), *failure);
    }
    return status;
}

} // namespace orvane
