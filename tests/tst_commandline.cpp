// The command line end to end: the program run as a process with no display and no platform
// chosen, its results against the window's captions and the closed forms, its report against
// the page the window saves, every bad input, and outputs that cannot be written.

#include "report/templateoutput.h"
#include "tests/support/expected.h"
#include "tests/support/pdfpages.h"
#include "window/orvane.h"
#include "window/printdialogs.h"
#include "window/spinner.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLocale>
#include <QPageSize>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// How a test changes the process before it starts the program.
struct Setup
{
    QString standardOutputFile; // standard output goes here when set
    qint64 largestFileWrite = 0; // the most bytes a file may grow to when set: a full disk
};

// Runs the program with `arguments` as a script on a machine without a desktop would: no
// display, no platform plugin chosen.
Run run(const QStringList &arguments, const Setup &setup = {})
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : { "QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY" })
        environment.remove(QLatin1String(name));
    process.setProcessEnvironment(environment);
    if (!setup.standardOutputFile.isEmpty())
        process.setStandardOutputFile(setup.standardOutputFile);
    if (setup.largestFileWrite > 0) {
        const rlim_t limit = static_cast<rlim_t>(setup.largestFileWrite);
        process.setChildProcessModifier([limit] {
            // A write beyond the limit then fails as on a full disk instead of ending the program.
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit fileSize { limit, limit };
            setrlimit(RLIMIT_FSIZE, &fileSize);
        });
    }
    process.start(QStringLiteral(ORVANE_EXECUTABLE), arguments);
    Run result;
    if (!process.waitForStarted() || !process.waitForFinished(120000)
        || process.exitStatus() != QProcess::NormalExit) {
        result.err = "the program did not run to its end: " + process.errorString().toUtf8();
        return result;
    }
    result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

QByteArray described(const Run &result)
{
    return "exit " + QByteArray::number(result.exitCode) + "\nstderr: " + result.err
        + "\nstdout: " + result.out.left(2000);
}

// The program's messages, one a line, without what Qt itself may add about the environment.
QStringList messages(const Run &result)
{
    QStringList lines;
    for (const QString &line : QString::fromUtf8(result.err).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("orvane: ")))
            lines << line;
    }
    return lines;
}

int pdfPages(const QString &fileName)
{
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), { fileName });
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return -1;
    for (const QString &line : QString::fromUtf8(process.readAllStandardOutput()).split('\n')) {
        if (line.startsWith(QLatin1String("Pages:")))
            return line.mid(6).trimmed().toInt();
    }
    return -1;
}

QByteArray contents(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool write(const QString &fileName, const QByteArray &bytes)
{
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A ring as the window's spinners set it: the count, then quarter inches.
struct SpinnerRing
{
    int segments;
    int outer;
    int inner;
    int fudge;
    int thickness;
};

QString quarters(int value)
{
    return QString::number(value / 4.0, 'g', 17);
}

// The options of the same ring, each length written the way a user might: inches as a decimal,
// a whole number and a fraction, or millimetres.
QStringList ringOptions(const SpinnerRing &ring)
{
    const auto wholeAndFraction = [](int value) {
        static const char *const fractions[] = { "", " 1/4", " 1/2", " 3/4" };
        return QString::number(value / 4) + QLatin1String(fractions[value % 4]);
    };
    const auto millimetres = [](int value) {
        return QString::number(value * 635 / 100) + QLatin1Char('.')
            + QString::number(value * 635 % 100).rightJustified(2, QLatin1Char('0'))
            + QStringLiteral("mm");
    };
    return { QStringLiteral("--segments"), QString::number(ring.segments),
        QStringLiteral("--outer"), millimetres(ring.outer), QStringLiteral("--inner"),
        wholeAndFraction(ring.inner), QStringLiteral("--fudge"), quarters(ring.fudge),
        QStringLiteral("--thickness"), wholeAndFraction(ring.thickness) };
}

// The window at `ring`, set through its spinners; the inner diameter goes to its bottom first,
// so that no spinner pushes another while the ring is set.
bool setWindow(orvane::Orvane &window, const SpinnerRing &ring)
{
    const auto spinner = [&](const char *name) {
        return window.findChild<orvane::Spinner *>(QLatin1String(name));
    };
    const std::pair<const char *, int> steps[] = { { "VScroll3", 12 },
        { "VScroll1", ring.segments }, { "VScroll2", ring.outer }, { "VScroll3", ring.inner },
        { "VScroll4", ring.fudge }, { "VScroll5", ring.thickness } };
    for (const auto &[name, value] : steps) {
        if (!spinner(name))
            return false;
        spinner(name)->setSpinnerValue(value);
    }
    for (const auto &[name, value] : steps) {
        if (spinner(name)->spinnerValue() != (name == steps[0].first ? ring.inner : value))
            return false;
    }
    return true;
}

QMap<QString, QString> captionsShown(const orvane::Orvane &window)
{
    QMap<QString, QString> captions;
    for (const char *name : { "longside", "longsidedec", "shortside", "shortsidedec", "bwidth",
             "boardwidthdec", "shortangle", "longangle", "boardfeet" }) {
        const auto *label = window.findChild<QLabel *>(QLatin1String(name));
        captions.insert(QLatin1String(name), label ? label->text() : QStringLiteral("(missing)"));
    }
    return captions;
}

// The captions of one ring of the json results, made from its numbers with formats written
// independently of the program's, and its own fraction texts.
QMap<QString, QString> captionsOfJson(const QJsonObject &ring)
{
    const auto number
        = [&](const char *field) { return ring.value(QLatin1String(field)).toDouble(); };
    const auto text
        = [&](const char *field) { return ring.value(QLatin1String(field)).toString(); };
    return {
        { QStringLiteral("longside"), text("long_side_fraction") },
        { QStringLiteral("longsidedec"), expected::fiveDecimals(number("long_side_in")) },
        { QStringLiteral("shortside"), text("short_side_fraction") },
        { QStringLiteral("shortsidedec"), expected::fiveDecimals(number("short_side_in")) },
        { QStringLiteral("bwidth"), text("board_width_fraction") },
        { QStringLiteral("boardwidthdec"), expected::fiveDecimals(number("board_width_in")) },
        { QStringLiteral("shortangle"), expected::angle(number("long_side_angle_deg")) },
        { QStringLiteral("longangle"), expected::angle(number("short_side_angle_deg")) },
        { QStringLiteral("boardfeet"), expected::fourDecimals(number("board_feet")) },
    };
}

// The window's captions with the blanks around the fractions taken off, as the csv and json
// give them.
QMap<QString, QString> trimmedFractions(QMap<QString, QString> captions)
{
    for (const char *name : { "longside", "shortside", "bwidth" })
        captions[QLatin1String(name)] = captions[QLatin1String(name)].trimmed();
    return captions;
}

// Saves the report the window's Print makes as a PDF file, as a user without a printer does.
class SaveAs : public orvane::PrintDialogs
{
public:
    explicit SaveAs(QString fileName)
        : target(std::move(fileName))
    { }
    QStringList failures;
    bool offerPdf(QWidget *) override { return true; }
    Instead offerChoice(QWidget *) override { return Instead::SavePdf; }
    bool choosePrinter(QWidget *, QPrinter &) override { return false; }
    QString pdfFileName(QWidget *, const QString &) override { return target; }
    void showFailure(QWidget *, const QString &message) override { failures << message; }

private:
    QString target;
};

const QString source = QStringLiteral(ORVANE_SOURCE_DIR);

} // namespace

Q_DECLARE_METATYPE(SpinnerRing)

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void version();
    void help();
    void windowSystemOptionsOpenTheWindow();
    void agreesWithTheWindow_data();
    void agreesWithTheWindow();
    void sameRingInEveryUnit_data();
    void sameRingInEveryUnit();
    void defaultsAreTheWindowsStart();
    void reportAsTheWindowSavesIt();
    void templateAsTheReportLayerDrawsIt();
    void ringsWithoutTemplate();
    void badInput_data();
    void badInput();
    void badProject_data();
    void badProject();
    void unwritableOutput_data();
    void unwritableOutput();
    void fullDiskKeepsTheOldFile_data();
    void fullDiskKeepsTheOldFile();
    void standardOutputFull();
    void projectOfSeveralRings();

private:
    std::unique_ptr<QTemporaryDir> folder;
    QString file(const QString &name) const { return folder->filePath(name); }
};

void TestCommandLine::init()
{
    folder = std::make_unique<QTemporaryDir>();
    QVERIFY(folder->isValid());
}

void TestCommandLine::version()
{
    const Run result = run({ QStringLiteral("--version") });
    QVERIFY2(result.exitCode == 0, described(result));
    QCOMPARE(result.out, QByteArray("orvane 1.0.0\n"));
    QCOMPARE(run({ QStringLiteral("-v") }).out, QByteArray("orvane 1.0.0\n"));
}

void TestCommandLine::help()
{
    for (const char *option : { "--help", "-h" }) {
        const Run result = run({ QLatin1String(option) });
        QVERIFY2(result.exitCode == 0, described(result));
        for (const char *documented :
            { "--segments", "--outer", "--inner", "--fudge", "--thickness", "--kerf", "--name",
                "--project", "--results", "--report", "--template", "--gauge", "--version", "mm",
                "10 1/2", "\"profile\"", "\"flatten\"", "blank_side_in", "Exit status" }) {
            QVERIFY2(result.out.contains(documented), documented);
        }
    }
}

// The options of the window system are the window's, not the command line's: the desktop
// restoring a session starts the program with "-session", and "-platform" picks the display.
void TestCommandLine::windowSystemOptionsOpenTheWindow()
{
    QProcess process;
    process.start(QStringLiteral(ORVANE_EXECUTABLE),
        { QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("-session"),
            QStringLiteral("1234_5678") });
    QVERIFY(process.waitForStarted());
    // The command line would have refused "-session" and ended at once; the window stays open.
    const bool ended = process.waitForFinished(3000);
    process.kill();
    process.waitForFinished();
    QVERIFY2(!ended, process.readAllStandardError());
    QVERIFY(!process.readAllStandardError().contains("orvane: "));
}

void TestCommandLine::agreesWithTheWindow_data()
{
    QTest::addColumn<SpinnerRing>("ring");
    QTest::newRow("start") << SpinnerRing { 6, 144, 120, 1, 3 };
    QTest::newRow("every spinner at its bottom") << SpinnerRing { 4, 16, 12, 0, 1 };
    QTest::newRow("every spinner at its top") << SpinnerRing { 24, 288, 284, 16, 32 };
    QTest::newRow("odd count") << SpinnerRing { 7, 100, 37, 5, 7 };
    QTest::newRow("thirteen") << SpinnerRing { 13, 57, 40, 2, 9 };
    QTest::newRow("seventeen") << SpinnerRing { 17, 203, 150, 11, 4 };
    QTest::newRow("thin ring") << SpinnerRing { 9, 64, 63, 3, 2 };
    QTest::newRow("inner diameter twice the fudge") << SpinnerRing { 20, 288, 32, 16, 32 };
    QTest::newRow("eleven, no fudge") << SpinnerRing { 11, 91, 77, 0, 5 };
    QTest::newRow("five") << SpinnerRing { 5, 150, 30, 8, 10 };
}

// For each ring the window shows, the command line's numbers give the very captions the window
// shows, and so do the closed forms.
void TestCommandLine::agreesWithTheWindow()
{
    QFETCH(SpinnerRing, ring);
    orvane::Orvane window;
    QVERIFY(setWindow(window, ring));
    const QMap<QString, QString> shown = captionsShown(window);
    const expected::Ring closedForm { ring.segments, ring.outer / 4.0, ring.inner / 4.0,
        ring.fudge / 4.0, ring.thickness / 4.0 };
    QCOMPARE(shown, expected::captions(closedForm));

    const Run json
        = run(ringOptions(ring) << QStringLiteral("--results") << QStringLiteral("json"));
    QVERIFY2(json.exitCode == 0, described(json));
    const QJsonArray rings = QJsonDocument::fromJson(json.out).object().value("rings").toArray();
    QCOMPARE(rings.size(), 1);
    const QJsonObject object = rings[0].toObject();
    QCOMPARE(captionsOfJson(object), trimmedFractions(shown));
    // The inputs as the window's boxes hold them, in inches.
    QCOMPARE(object.value("segments").toDouble(), double(ring.segments));
    QCOMPARE(object.value("outer_in").toDouble(), ring.outer / 4.0);
    QCOMPARE(object.value("inner_in").toDouble(), ring.inner / 4.0);
    QCOMPARE(object.value("fudge_in").toDouble(), ring.fudge / 4.0);
    QCOMPARE(object.value("thickness_in").toDouble(), ring.thickness / 4.0);
    // Millimetres are inches times 25.4.
    QCOMPARE(
        object.value("long_side_mm").toDouble(), object.value("long_side_in").toDouble() * 25.4);

    // The csv row holds the same texts and numbers as the json.
    const Run csv = run(ringOptions(ring) << QStringLiteral("--results") << QStringLiteral("csv"));
    QVERIFY2(csv.exitCode == 0, described(csv));
    const QList<QByteArray> rows = csv.out.trimmed().split('\n');
    QCOMPARE(rows.size(), 2);
    const QList<QByteArray> header = rows[0].split(',');
    const QList<QByteArray> cells = rows[1].split(','); // no comma in this ring's texts
    QCOMPARE(cells.size(), header.size());
    for (qsizetype i = 1; i < header.size(); ++i) {
        const QJsonValue value = object.value(QString::fromUtf8(header[i]));
        if (value.isString()) {
            QCOMPARE(QString::fromUtf8(cells[i]), value.toString());
        } else {
            QVERIFY2(cells[i].toDouble() == value.toDouble(), header[i] + ": " + cells[i]);
        }
    }

    // The text shows the window's captions as they are, blanks and all.
    const Run text = run(ringOptions(ring) << QStringLiteral("--results"));
    QVERIFY2(text.exitCode == 0, described(text));
    const QString table = QString::fromUtf8(text.out);
    const auto line = [&](const QString &label) {
        for (const QString &each : table.split(QLatin1Char('\n'))) {
            if (each.startsWith(label))
                return each;
        }
        return QString();
    };
    const auto showsBoth = [&](const char *label, const char *fraction, const char *decimal) {
        const QString shownLine = line(QLatin1String(label));
        return shownLine.contains(shown[fraction]) && shownLine.contains(shown[decimal]);
    };
    QVERIFY2(showsBoth("Long side Length", "longside", "longsidedec"), qPrintable(table));
    QVERIFY2(showsBoth("Short side Length", "shortside", "shortsidedec"), qPrintable(table));
    QVERIFY2(showsBoth("Board width", "bwidth", "boardwidthdec"), qPrintable(table));
    const auto after
        = [&](const QString &label) { return line(label).mid(label.size()).simplified(); };
    QCOMPARE(after(QString::fromUtf8("Miter angle,°")),
        shown["shortangle"] + QLatin1Char(' ') + shown["longangle"]);
    QCOMPARE(after(QStringLiteral("Board feet of lumber")), shown["boardfeet"]);
}

void TestCommandLine::sameRingInEveryUnit_data()
{
    QTest::addColumn<QStringList>("first");
    QTest::addColumn<QStringList>("second");

    QTest::newRow("254mm is 10 in") << QStringList { "--outer", "254mm", "--inner", "8" }
                                    << QStringList { "--outer", "10", "--inner", "8" };
    QTest::newRow("cm and the inch mark") << QStringList { "--outer", "91.44 cm", "--inner",
        "30\"" } << QStringList { "--outer", "36in", "--inner", "30" };
    QTest::newRow("fractions") << QStringList { "--outer", "10 1/2", "--inner", "10-1/4", "--fudge",
        "1/8" } << QStringList { "--outer", "10.5", "--inner", "10.25", "--fudge", ".125" };
    QTest::newRow("thickness and kerf in mm") << QStringList { "--thickness", "19.05mm", "--kerf",
        "3.175mm" } << QStringList { "--thickness", "3/4", "--kerf", "1/8" };
}

void TestCommandLine::sameRingInEveryUnit()
{
    QFETCH(QStringList, first);
    QFETCH(QStringList, second);
    const Run one = run(first << QStringLiteral("--results") << QStringLiteral("json"));
    const Run other = run(second << QStringLiteral("--results") << QStringLiteral("json"));
    QVERIFY2(one.exitCode == 0, described(one));
    QVERIFY2(other.exitCode == 0, described(other));
    QCOMPARE(one.out, other.out);
}

// With no option at all but an output, the ring is the one the window starts with.
void TestCommandLine::defaultsAreTheWindowsStart()
{
    orvane::Orvane window;
    const Run result = run({ QStringLiteral("--results=json") });
    QVERIFY2(result.exitCode == 0, described(result));
    const QJsonObject ring
        = QJsonDocument::fromJson(result.out).object().value("rings").toArray()[0].toObject();
    QCOMPARE(captionsOfJson(ring), trimmedFractions(captionsShown(window)));
    QCOMPARE(ring.value("name").toString(), QStringLiteral("Segmented Circle "));
    QCOMPARE(ring.value("kerf_in").toDouble(), 0.125);
}

// The report of a ring is the page the window's Print saves for the same ring, to the pixel.
void TestCommandLine::reportAsTheWindowSavesIt()
{
    const SpinnerRing ring { 13, 57, 40, 2, 9 };
    orvane::Orvane window;
    QVERIFY(setWindow(window, ring));
    auto dialogs = std::make_unique<SaveAs>(file("window.pdf"));
    SaveAs *answers = dialogs.get();
    window.setPrintDialogs(std::move(dialogs));
    window.saveReportAsPdf();
    QCOMPARE(answers->failures, QStringList {});

    const Run result = run(ringOptions(ring) << QStringLiteral("--report") << file("cli.pdf"));
    QVERIFY2(result.exitCode == 0, described(result));
    QVERIFY2(result.out.isEmpty(), result.out);
    QCOMPARE(pdfPages(file("cli.pdf")), 1);

    const PdfContents fromWindow = readPdf(file("window.pdf"));
    const PdfContents fromCommandLine = readPdf(file("cli.pdf"));
    QCOMPARE(fromWindow.error, QString());
    QCOMPARE(fromCommandLine.texts(), fromWindow.texts());
    QVERIFY(fromCommandLine.texts().contains(QStringLiteral("Project Name: Segmented Circle")));
    const QByteArray windowPixels = renderPdf(file("window.pdf"), 60);
    QVERIFY(!windowPixels.isEmpty());
    QVERIFY(renderPdf(file("cli.pdf"), 60) == windowPixels);
}

// The template of a ring given in millimetres and fractions is the one the report layer draws for
// the same ring in inches, page for page.
void TestCommandLine::templateAsTheReportLayerDrawsIt()
{
    const Run result = run({ QStringLiteral("--name"), QStringLiteral("Rim, top"),
        QStringLiteral("--segments"), QStringLiteral("16"), QStringLiteral("--outer"),
        QStringLiteral("304.8mm"), QStringLiteral("--inner"), QStringLiteral("10 1/2"),
        QStringLiteral("--fudge"), QStringLiteral("1/8"), QStringLiteral("--thickness"),
        QStringLiteral("1"), QStringLiteral("--kerf"), QStringLiteral("3/32"),
        QStringLiteral("--template"), file("cli.pdf") });
    QVERIFY2(result.exitCode == 0, described(result));
    QVERIFY2(result.out.isEmpty(), result.out);

    const orvane::TemplateRing ring = orvane::makeTemplateRing(QStringLiteral("Rim, top"),
        orvane::ringOf(orvane::RingInputs { 16, 12, 10.5, 0.125 }, 1, 0.09375));
    const QPageSize paper(QLocale().measurementSystem() == QLocale::ImperialUSSystem
            ? QPageSize::Letter
            : QPageSize::A4);
    QCOMPARE(orvane::saveTemplateAsPdf(file("direct.pdf"), { ring }, paper), std::nullopt);

    const PdfContents fromCommandLine = readPdf(file("cli.pdf"));
    QCOMPARE(fromCommandLine.error, QString());
    QVERIFY(fromCommandLine.pages >= 2);
    QCOMPARE(fromCommandLine.texts(), readPdf(file("direct.pdf")).texts());
    QVERIFY(fromCommandLine.texts().contains(QStringLiteral("Project Name: Rim, top")));
    QVERIFY(renderPdf(file("cli.pdf"), 30) == renderPdf(file("direct.pdf"), 30));
}

// A ring the template cannot draw is refused before anything is written, the report too.
void TestCommandLine::ringsWithoutTemplate()
{
    QVERIFY(write(file("project.csv"),
        "name,segments,outer,inner,kerf\nA,6,36,30,2\nB,12,10,8,1/8\nC,6,36,30,1 1/4\n"));
    const Run result = run({ QStringLiteral("--project"), file("project.csv"),
        QStringLiteral("--template"), file("template.pdf"), QStringLiteral("--report"),
        file("report.pdf"), QStringLiteral("--results") });
    QVERIFY2(result.exitCode == 2, described(result));
    QVERIFY2(result.out.isEmpty(), result.out);
    const QString told = QStringLiteral(
        ": --template: the ring's template could not be made: the kerf must be a length from 0 "
        "to 1 inch");
    QCOMPARE(messages(result),
        QStringList({ "orvane: " + file("project.csv") + ":2" + told,
            "orvane: " + file("project.csv") + ":4" + told }));
    QVERIFY(!QFile::exists(file("template.pdf")));
    QVERIFY(!QFile::exists(file("report.pdf")));

    // Without the template the same kerf is only a wide saw blade.
    const Run results = run({ QStringLiteral("--project"), file("project.csv") });
    QVERIFY2(results.exitCode == 0, described(results));
}

void TestCommandLine::badInput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("expected");

    const QString length = QStringLiteral(
        "is not a length: a number with an optional unit in, \", mm or cm (inches when none is "
        "given); inches also as a fraction such as 3/4, 10 1/2 or 10-1/2");
    const auto row = [](const char *name, QStringList arguments, QStringList expected) {
        QTest::newRow(name) << arguments << expected;
    };
    row("count not whole", { "--segments", "6.5" },
        { "orvane: --segments: \"6.5\" is not allowed: a whole number from 3 to 100" });
    row("outer not a length", { "--outer", "abc" }, { "orvane: --outer: \"abc\" " + length });
    row("outer zero", { "--outer", "0", "--inner", "0" },
        { "orvane: --outer: \"0\" is not allowed: a length more than 0" });
    row("inner equal to outer", { "--outer", "30" },
        { "orvane: --inner: 30 in is not allowed: a length below the outer diameter (the outer "
          "diameter is 30 in)" });
    row("inner above outer in mm", { "--outer", "254mm", "--inner", "11" },
        { "orvane: --inner: 11 in is not allowed: a length below the outer diameter (the outer "
          "diameter is 10 in)" });
    row("inner zero with a fudge", { "--inner", "0" },
        { "orvane: --inner: 0 in is not allowed: the inner diameter must be at least twice the "
          "fudge, or the short side would be below zero (the fudge is 0.25 in)" });
    row("inner a hair below twice the fudge", { "--inner", "0.4", "--fudge", "0.2001" },
        { "orvane: --inner: 0.4 in is not allowed: the inner diameter must be at least twice "
          "the fudge, or the short side would be below zero (the fudge is 0.2001 in)" });
    row("negative fudge", { "--fudge", "-1/16" },
        { "orvane: --fudge: \"-1/16\" is not allowed: a length of 0 or more" });
    row("zero thickness", { "--thickness", "0" },
        { "orvane: --thickness: \"0\" is not allowed: a length more than 0" });
    row("negative kerf", { "--kerf", "-1mm" },
        { "orvane: --kerf: \"-1mm\" is not allowed: a length of 0 or more" });
    row("one message per problem", { "--segments", "0", "--fudge", "x", "--kerf", "-1" },
        { "orvane: --segments: \"0\" is not allowed: a whole number from 3 to 100",
            "orvane: --fudge: \"x\" " + length,
            "orvane: --kerf: \"-1\" is not allowed: a length of 0 or more" });
    row("unknown option", { "--diameter", "36" }, { "orvane: Unknown option 'diameter'." });
    row("option without its value", { "--outer" }, { "orvane: Missing value after '--outer'." });
    row("unknown format", { "--results", "xml" },
        { "orvane: --results: \"xml\" is not a format: text, csv or json" });
    row("stray argument", { "36" }, { "orvane: \"36\": not an option; see --help" });
    row("missing project file", { "--project", "/nonexistent/ring.csv" },
        { "orvane: --project: /nonexistent/ring.csv cannot be read: No such file or directory" });
    row("ring options with a project", { "--project", "x.csv", "--outer", "10" },
        { "orvane: --outer: not allowed with --project: the project file gives every ring's "
          "values",
            "orvane: --project: x.csv cannot be read: No such file or directory" });
    row("report without a file name", { "--report=" },
        { "orvane: --report: no file name: the name of the PDF file to write" });
}

// Bad input: exit status 2, a message per problem on standard error, nothing on standard output
// and no file written.
void TestCommandLine::badInput()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, expected);
    QVERIFY(write(file("kept.pdf"), "an older report"));
    // The report comes first, so that an option of the row that lacks its value or names a
    // report of its own still has the last word.
    const Run result
        = run(QStringList { QStringLiteral("--report"), file("kept.pdf") } + arguments);
    QVERIFY2(result.exitCode == 2, described(result));
    QVERIFY2(result.out.isEmpty(), result.out);
    QCOMPARE(messages(result), expected);
    QCOMPARE(QDir(folder->path()).entryList(QDir::Files | QDir::NoDotAndDotDot),
        QStringList { "kept.pdf" });
    QCOMPARE(contents(file("kept.pdf")), QByteArray("an older report"));
}

void TestCommandLine::badProject_data()
{
    QTest::addColumn<QByteArray>("project");
    QTest::addColumn<QStringList>("expected");

    const QByteArray header = "name,segments,outer,inner,thickness\n";
    QTest::newRow("bad cells, each told with its line and column")
        << "# a bowl\n" + header + "Base,6,10,8,\nRim,2,10,8,\nTop,6,ten,8,0\n"
        << QStringList { "orvane: P:4: column 'segments': \"2\" is not allowed: a whole "
                         "number from 3 to 100",
               "orvane: P:5: column 'outer': \"ten\" is not a length: a number with an "
               "optional unit in, \", mm or cm (inches when none is given); inches also as a "
               "fraction such as 3/4, 10 1/2 or 10-1/2",
               "orvane: P:5: column 'thickness': \"0\" is not allowed: a length more than 0" };
    QTest::newRow("missing required cell")
        << header + "Base,6,,8,1\n"
        << QStringList { "orvane: P:2: column 'outer': missing: a length more than 0" };
    QTest::newRow("unknown column")
        << QByteArray("name,segments,outer,inner,fudge_factor\nA,6,10,8,0\n")
        << QStringList { "orvane: P:1: unknown column 'fudge_factor'; the columns are name, "
                         "segments, outer, inner, fudge, thickness, kerf and wood" };
    QTest::newRow("empty file")
        << QByteArray()
        << QStringList { "orvane: P: no header row: the first line names the columns, name, "
                         "segments, outer and inner, and may add fudge, thickness, kerf and wood" };
}

void TestCommandLine::badProject()
{
    QFETCH(QByteArray, project);
    QFETCH(QStringList, expected);
    QVERIFY(write(file("project.csv"), project));
    for (QString &message : expected)
        message.replace(QStringLiteral(" P:"), QLatin1Char(' ') + file("project.csv") + ':');
    const Run result = run({ QStringLiteral("--project"), file("project.csv"),
        QStringLiteral("--report"), file("report.pdf"), QStringLiteral("--results") });
    QVERIFY2(result.exitCode == 2, described(result));
    QVERIFY2(result.out.isEmpty(), result.out);
    QCOMPARE(messages(result), expected);
    QVERIFY(!QFile::exists(file("report.pdf")));
}

void TestCommandLine::unwritableOutput_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("cause");
    QTest::newRow("no such folder") << "missing/report.pdf"
                                    << "No such file or directory";
    QTest::newRow("a file where a folder should be") << "plain/report.pdf"
                                                     << "Not a directory";
    QTest::newRow("a folder where the file should be") << "folder"
                                                       << "";
}

// An output that cannot be written: exit status 1, the file and the cause named, and nothing
// left behind; the results still go to standard output.
void TestCommandLine::unwritableOutput()
{
    QFETCH(QString, target);
    QFETCH(QString, cause);
    QVERIFY(write(file("plain"), "a plain file"));
    QVERIFY(QDir(folder->path()).mkdir(QStringLiteral("folder")));
    const QStringList before
        = QDir(folder->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

    const Run result
        = run({ QStringLiteral("--report"), file(target), QStringLiteral("--results") });
    QVERIFY2(result.exitCode == 1, described(result));
    const QStringList told = messages(result);
    QCOMPARE(told.size(), 1);
    QVERIFY2(told[0].startsWith("orvane: " + file(target) + " could not be written: "),
        qPrintable(told[0]));
    QVERIFY2(told[0].contains(cause), qPrintable(told[0]));
    QVERIFY(result.out.startsWith("Project Name: "));
    QCOMPARE(QDir(folder->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    QCOMPARE(
        QDir(file("folder")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList {});
}

void TestCommandLine::fullDiskKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("output");
    QTest::newRow("report") << QStringLiteral("--report");
    QTest::newRow("template") << QStringLiteral("--template");
}

// A disk that fills up while the PDF is written: the file that was there is kept as it was, and
// no part of the new one is left.
void TestCommandLine::fullDiskKeepsTheOldFile()
{
    QFETCH(QString, output);
    const QByteArray older = "an older PDF, which must survive";
    QVERIFY(write(file("old.pdf"), older));
    const QStringList arguments { output, file("old.pdf"), QStringLiteral("--segments"),
        QStringLiteral("12") };
    Setup fullDisk;
    fullDisk.largestFileWrite = 2000;
    const Run result = run(arguments, fullDisk);
    QVERIFY2(result.exitCode == 1, described(result));
    const QStringList told = messages(result);
    QCOMPARE(told.size(), 1);
    QVERIFY2(told[0].startsWith("orvane: " + file("old.pdf") + " could not be written: "),
        qPrintable(told[0]));
    QCOMPARE(contents(file("old.pdf")), older);
    QCOMPARE(QDir(folder->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
        QStringList { "old.pdf" });

    // Without the limit the new file replaces the old one completely.
    const Run again = run(arguments);
    QVERIFY2(again.exitCode == 0, described(again));
    QVERIFY(contents(file("old.pdf")).startsWith("%PDF-"));
    QVERIFY(pdfPages(file("old.pdf")) >= 1);
}

void TestCommandLine::standardOutputFull()
{
    Setup full;
    full.standardOutputFile = QStringLiteral("/dev/full");
    const Run result = run({ QStringLiteral("--results"), QStringLiteral("json") }, full);
    QVERIFY2(result.exitCode == 1, described(result));
    QCOMPARE(messages(result),
        QStringList { "orvane: standard output could not be written: No space left on device" });
}

// The sample project of the documentation: every ring in the results, a report page each.
void TestCommandLine::projectOfSeveralRings()
{
    const QString project = source + QStringLiteral("/docs/examples/vase.csv");
    const QStringList names { "Foot", "Base", "Belly, lower", "Belly, upper", "Shoulder", "Neck",
        "Lip" };

    const Run json = run({ QStringLiteral("--project"), project, QStringLiteral("--results"),
        QStringLiteral("json"), QStringLiteral("--report"), file("vase.pdf"),
        QStringLiteral("--template"), file("templates.pdf") });
    QVERIFY2(json.exitCode == 0, described(json));
    const QJsonObject root = QJsonDocument::fromJson(json.out).object();
    const QJsonArray rings = root.value("rings").toArray();
    QStringList shownNames;
    double boardFeet = 0;
    double strip = 0;
    for (const QJsonValue &ring : rings) {
        shownNames << ring.toObject().value("name").toString();
        boardFeet += ring.toObject().value("board_feet").toDouble();
        strip += ring.toObject().value("strip_length_in").toDouble();
    }
    QCOMPARE(shownNames, names);
    QCOMPARE(root.value("total_board_feet").toDouble(), boardFeet);
    QCOMPARE(root.value("total_strip_length_in").toDouble(), strip);
    // The foot is given in millimetres: 150 mm outside, 110 mm inside.
    QCOMPARE(rings[0].toObject().value("outer_in").toDouble(), 150 / 25.4);
    QCOMPARE(rings[0].toObject().value("inner_in").toDouble(), 110 / 25.4);
    QCOMPARE(rings[2].toObject().value("inner_in").toDouble(), 7.5);

    QCOMPARE(pdfPages(file("vase.pdf")), names.size());
    const PdfContents pages = readPdf(file("vase.pdf"));
    QCOMPARE(pages.error, QString());
    for (const QString &name : names)
        QVERIFY2(pages.texts().contains("Project Name: " + name), qPrintable(name));
    // Every ring's template: a page with its cut list, then the segment at full size.
    const PdfContents templates = readPdf(file("templates.pdf"));
    QCOMPARE(templates.error, QString());
    QVERIFY(templates.pages >= 2 * names.size());
    for (const QString &name : names)
        QVERIFY2(templates.texts().contains("Project Name: " + name), qPrintable(name));

    const Run csv = run({ QStringLiteral("--project"), project, QStringLiteral("--results"),
        QStringLiteral("csv") });
    QVERIFY2(csv.exitCode == 0, described(csv));
    QCOMPARE(csv.out.count('\n'), names.size() + 1);
    QVERIFY(csv.out.contains("\n\"Belly, lower\",16,10,7.5,"));

    const Run text = run({ QStringLiteral("--project"), project });
    QVERIFY2(text.exitCode == 0, described(text));
    QCOMPARE(text.out.count("Project Name: "), names.size());
}

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
