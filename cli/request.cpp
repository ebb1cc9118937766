#include "cli/request.h"

#include "core/project.h"
#include "core/projectfile.h"
#include "core/reading.h"
#include "core/ringreader.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace orvane {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("CommandLine", text);
}

QString fromCore(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A project file is a small text: a thousand rings take some 50 kB. Anything much larger is not
// one, and is not read into memory.
constexpr qint64 largestProjectFile = 16 * 1024 * 1024;

const QString resultsName = QStringLiteral("results");
const QString projectName = QStringLiteral("project");
const QString reportName = QStringLiteral("report");
const QString templateName = QStringLiteral("template");
const QString cutListName = QStringLiteral("cutlist");
const QString saveName = QStringLiteral("save");
const QString unitsName = QStringLiteral("units");

// The option of each of a ring's values has the name of its project file column.
QString optionName(RingField field)
{
    return fromCore(fieldName(field));
}

QString dashed(const QString &name)
{
    return QStringLiteral("--") + name;
}

// The options that take a value, as a separate argument or after "=".
QStringList valueOptions()
{
    QStringList names;
    for (const RingField field : allRingFields)
        names << dashed(optionName(field));
    names << dashed(projectName) << dashed(reportName) << dashed(templateName)
          << dashed(cutListName) << dashed(saveName) << dashed(unitsName);
    return names;
}

// QCommandLineParser knows options that always take a value and options that never do; the
// format after --results may be left out. So "--results csv" becomes "--results=csv" and a
// "--results" with no format after it "--results=text", before the parser sees them. The values
// of the other options are passed over, so that a name such as "--results" stays a name.
QStringList withResultsFormat(const QStringList &arguments)
{
    static const QStringList takeValues = valueOptions();
    QStringList result = arguments.mid(0, 1);
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == QStringLiteral("--")) {
            result << arguments.mid(i);
            break;
        }
        if (argument == dashed(resultsName)) {
            const bool formatFollows
                = i + 1 < arguments.size() && !arguments[i + 1].startsWith(QLatin1Char('-'));
            result << argument + QLatin1Char('=')
                    + (formatFollows ? arguments[++i] : QStringLiteral("text"));
            continue;
        }
        result << argument;
        if (takeValues.contains(argument) && i + 1 < arguments.size())
            result << arguments[++i];
    }
    return result;
}

// A default as the help shows it: "36 in".
QString inches(double value)
{
    return QString::fromStdString(shortestDecimal(value)) + tr(" in");
}

QString ringOptionHelp(RingField field)
{
    switch (field) {
    case RingField::name:
        return tr("The project name printed on the report (default \"%1\").")
            .arg(fromCore(ringDefaults::name));
    case RingField::segments:
        return tr("The number of segments, a whole number from 3 to 100 (default %1).")
            .arg(QString::fromStdString(shortestDecimal(ringDefaults::segmentCount)));
    case RingField::outer:
        return tr("The outer diameter of the finished ring (default %1).")
            .arg(inches(ringDefaults::outerDiameter));
    case RingField::inner:
        return tr("The inner diameter, below the outer one and at least twice the fudge factor "
                  "(default %1).")
            .arg(inches(ringDefaults::innerDiameter));
    case RingField::fudge:
        return tr("The fudge factor, material left beyond the cut line inside and outside, 0 or "
                  "more (default %1).")
            .arg(inches(ringDefaults::fudge));
    case RingField::thickness:
        return tr("The board thickness, more than 0 (default %1).")
            .arg(inches(ringDefaults::thickness));
    case RingField::kerf:
        return tr("The saw's kerf, 0 or more, for the strip length; a template takes at most 1 "
                  "in (default %1).")
            .arg(inches(ringDefaults::kerf));
    case RingField::wood:
        return tr("The ring's wood, or the woods around it from segment 1 joined by + for a "
                  "repeating pattern, as in \"Maple + Walnut\" (default none).");
    }
    return {};
}

QString ringOptionValue(RingField field)
{
    switch (field) {
    case RingField::name:
    case RingField::wood: return tr("text");
    case RingField::segments: return tr("n");
    default: return tr("length");
    }
}

QString description()
{
    return tr("Segmented ring calculator. With no arguments Orvane opens its window; with files as "
              "its only arguments it opens each in a vessel window of its own; with options it "
              "computes one ring, or every ring of a project file, and writes the results, the "
              "report pages, the full-size templates, the vessel's cut list and its project file "
              "without a window:\n"
              "\n"
              "  orvane [ring options] [outputs]      one ring\n"
              "  orvane --project FILE [outputs]      every ring of a project file\n"
              "  orvane FILE.orvane|FILE.csv...       the vessel window, one for each file\n"
              "\n"
              "A length is a number with an optional unit: in or \" (inches, when no unit is "
              "given), mm or cm. Inches may also be written as a fraction: 3/4, 10 1/2 or "
              "10-1/2 (quote it for the shell).\n"
              "\n"
              "A project file is a vessel as the vessel window saves it (JSON: a file named "
              "FILE.orvane, or any that starts with \"{\"), or CSV. A CSV file has a "
              "header row naming its columns in any order: name, segments, outer and inner, and "
              "optionally fudge, thickness, kerf and wood, which take the defaults below where "
              "the column or a cell is missing. Its cells take the same lengths as the options. "
              "Blank lines and lines starting with # are skipped. Cells are separated by commas, "
              "or by semicolons where the header row has one first; then a length may use a "
              "decimal comma (10,5). A file that is not UTF-8 is read as Windows-1252.\n"
              "\n"
              "With no output option, --results is meant. Exit status: 0 success, 1 an output "
              "that could not be written, 2 bad input (nothing is written).");
}

class ArgumentReader
{
public:
    ArgumentReader()
    {
        parser.setApplicationDescription(description());
        for (const RingField field : allRingFields) {
            parser.addOption(QCommandLineOption(
                optionName(field), ringOptionHelp(field), ringOptionValue(field)));
        }
        parser.addOption(QCommandLineOption(projectName,
            tr("Computes every ring of the project file, a vessel (.orvane) or CSV, instead of "
               "one ring."),
            tr("file")));
        parser.addOption(QCommandLineOption(resultsName,
            tr("Writes the results to standard output as text (when no format follows), csv "
               "or json."),
            tr("format")));
        parser.addOption(QCommandLineOption(reportName,
            tr("Writes the printed report into a PDF file, one page per ring."), tr("file.pdf")));
        parser.addOption(QCommandLineOption(templateName,
            tr("Writes the full-size template and cut list of every ring into a PDF file."),
            tr("file.pdf")));
        parser.addOption(QCommandLineOption(cutListName,
            tr("Writes the vessel's cut list into a PDF file: its stack of rings drawn to scale, "
               "a table of every ring and the lumber per wood."),
            tr("file.pdf")));
        parser.addOption(QCommandLineOption(saveName,
            tr("Writes the rings as a project file, which the vessel window opens."),
            tr("file.orvane")));
        parser.addOption(QCommandLineOption(unitsName,
            tr("The units of the lengths --save writes and --cutlist prints: in or mm (default: "
               "the project file's own, else in)."),
            tr("in|mm")));
    }

    RequestReading read(const QStringList &arguments)
    {
        RequestReading reading;
        if (!parser.parse(withResultsFormat(arguments))) {
            reading.problems << parser.errorText();
            return reading;
        }
        if (parser.isSet(helpOption) || parser.isSet(QStringLiteral("help-all"))) {
            reading.outcome = RequestReading::Outcome::show;
            reading.shown = parser.helpText();
            return reading;
        }
        if (parser.isSet(versionOption)) {
            reading.outcome = RequestReading::Outcome::show;
            reading.shown = QCoreApplication::applicationName() + QLatin1Char(' ')
                + QCoreApplication::applicationVersion() + QLatin1Char('\n');
            return reading;
        }
        for (const QString &stray : parser.positionalArguments())
            problems << tr("\"%1\": not an option; see --help").arg(stray);

        readOutputs(reading.request);
        if (parser.isSet(projectName))
            readProject(reading.request);
        else
            readRing(reading.request);
        readUnits(reading.request);

        reading.problems = problems;
        reading.outcome
            = problems.isEmpty() ? RequestReading::Outcome::run : RequestReading::Outcome::refuse;
        return reading;
    }

private:
    QCommandLineParser parser;
    QCommandLineOption helpOption = parser.addHelpOption();
    QCommandLineOption versionOption = parser.addVersionOption();
    QStringList problems;

    void problem(const QString &option, const QString &message)
    {
        problems << dashed(option) + QStringLiteral(": ") + message;
    }

    void readOutputs(Request &request)
    {
        if (parser.isSet(resultsName)) {
            const QString format = parser.value(resultsName);
            if (format == QStringLiteral("text"))
                request.results = ResultsFormat::text;
            else if (format == QStringLiteral("csv"))
                request.results = ResultsFormat::csv;
            else if (format == QStringLiteral("json"))
                request.results = ResultsFormat::json;
            else
                problem(resultsName, tr("\"%1\" is not a format: text, csv or json").arg(format));
        }
        request.reportFile = outputFile(reportName, tr("the PDF file to write"));
        request.templateFile = outputFile(templateName, tr("the PDF file to write"));
        request.cutListFile = outputFile(cutListName, tr("the PDF file to write"));
        request.saveFile = outputFile(saveName, tr("the project file to write"));
        // Each output a file of its own: a later one would replace an earlier one.
        const std::pair<QString, QString> outputs[]
            = { { reportName, request.reportFile }, { templateName, request.templateFile },
                  { cutListName, request.cutListFile }, { saveName, request.saveFile } };
        for (std::size_t later = 1; later < std::size(outputs); ++later) {
            for (std::size_t earlier = 0; earlier < later; ++earlier) {
                if (sameFile(outputs[later].second, outputs[earlier].second)) {
                    problem(outputs[later].first,
                        tr("the same file as %1: each output a file of its own")
                            .arg(dashed(outputs[earlier].first)));
                    break;
                }
            }
        }
        if (!parser.isSet(resultsName) && request.reportFile.isEmpty()
            && request.templateFile.isEmpty() && request.cutListFile.isEmpty()
            && request.saveFile.isEmpty())
            request.results = ResultsFormat::text;
    }

    QString outputFile(const QString &option, const QString &what)
    {
        if (!parser.isSet(option))
            return {};
        const QString file = parser.value(option);
        if (file.isEmpty()) {
            problem(option, tr("no file name: the name of %1").arg(what));
        } else if (parser.isSet(projectName) && sameFile(file, parser.value(projectName))) {
            problem(option, tr("the same file as --project, which would be overwritten"));
        }
        return file;
    }

    // The units of the outputs that have any: those asked for, else the project file's own.
    void readUnits(Request &request)
    {
        if (!parser.isSet(unitsName))
            return;
        const QString units = parser.value(unitsName);
        if (units == QStringLiteral("in"))
            request.vessel.units = Units::inches;
        else if (units == QStringLiteral("mm"))
            request.vessel.units = Units::millimetres;
        else
            problem(unitsName, tr("\"%1\" is not a unit: in or mm").arg(units));
        if (request.saveFile.isEmpty() && request.cutListFile.isEmpty()) {
            problem(unitsName,
                tr("only with --save or --cutlist: the results give every length in inches and "
                   "millimetres"));
        }
    }

    static bool sameFile(const QString &a, const QString &b)
    {
        if (a.isEmpty() || b.isEmpty())
            return false;
        const QFileInfo first(a);
        const QFileInfo second(b);
        if (first.exists() && second.exists())
            return first.canonicalFilePath() == second.canonicalFilePath();
        return first.absoluteFilePath() == second.absoluteFilePath();
    }

    void readRing(Request &request)
    {
        RingReader reader;
        for (const RingField field : allRingFields) {
            if (parser.isSet(optionName(field)))
                reader.text(field, parser.value(optionName(field)).toStdString());
        }
        RingReader::Reading reading = reader.finish();
        for (const RingProblem &trouble : reading.problems) {
            const QString message = QString::fromStdString(trouble.message);
            if (trouble.field)
                problem(optionName(*trouble.field), message);
            else
                problems << message;
        }
        if (!reading.problems.empty())
            return;
        // The one ring is a vessel of its own, under the ring's name, with its kerf.
        request.vessel.name = reading.ring.name;
        request.vessel.kerf = reading.ring.kerf;
        request.vessel.rings.push_back(std::move(reading.ring));
    }

    void readProject(Request &request)
    {
        for (const RingField field : allRingFields) {
            if (parser.isSet(optionName(field))) {
                problem(optionName(field),
                    tr("not allowed with --project: the project file gives every ring's "
                       "values"));
            }
        }
        const QString fileName = parser.value(projectName);
        if (fileName.isEmpty()) {
            problem(projectName, tr("no file name: the name of the project file to read"));
            return;
        }
        QFile file(fileName);
        if (QFileInfo(fileName).isDir()) {
            problem(projectName, tr("%1 is a folder, not a project file").arg(fileName));
            return;
        }
        if (!file.open(QIODevice::ReadOnly)) {
            problem(projectName, tr("%1 cannot be read: %2").arg(fileName, file.errorString()));
            return;
        }
        const QByteArray text = file.read(largestProjectFile + 1);
        if (file.error() != QFileDevice::NoError) {
            problem(projectName, tr("%1 cannot be read: %2").arg(fileName, file.errorString()));
            return;
        }
        if (text.size() > largestProjectFile) {
            problem(projectName,
                tr("%1 is larger than 16 MB: a project file is a small text").arg(fileName));
            return;
        }
        request.projectFile = fileName;
        const std::string_view content(text.constData(), static_cast<std::size_t>(text.size()));
        if (looksLikeProjectFile(content)
            || fileName.endsWith(fromCore(projectFileExtension), Qt::CaseInsensitive)) {
            readVesselFile(request, content);
            return;
        }
        Project project = orvane::readProject(content, fileName.toStdString());
        for (const std::string &message : project.problems)
            problems << QString::fromStdString(message);
        request.vessel.name = QFileInfo(fileName).completeBaseName().toStdString();
        request.vessel.rings = std::move(project.rings);
    }

    void readVesselFile(Request &request, std::string_view content)
    {
        const QString &fileName = request.projectFile;
        ProjectFileReading reading = readProjectFile(content, fileName.toStdString());
        for (const std::string &message : reading.problems)
            problems << QString::fromStdString(message);
        if (!reading.vessel)
            return;
        // The window opens a vessel without rings; here there would be nothing to compute.
        if (reading.vessel->rings.empty()) {
            problems << tr("%1: no rings: the vessel has none to compute; add them in the vessel "
                           "window")
                            .arg(fileName);
        }
        request.vessel = std::move(*reading.vessel);
        request.vesselFile = true;
    }
};

} // namespace

RequestReading readRequest(const QStringList &arguments)
{
    return ArgumentReader().read(arguments);
}

} // namespace orvane
