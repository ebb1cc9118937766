// The command line over vessels, the program run as a process with no display: project files
// found by their content or their name, refused with the reader's messages and exit status 2 with
// nothing written, rings saved from any source and read back digit for digit, and the cut list.

#include "core/projectfile.h"
#include "tests/support/pdfpage.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <numbers>

namespace {

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QStringList messages; // the program's own lines on standard error
};

// Runs the program as a script on a machine without a desktop would.
Run run(const QStringList &arguments, const QString &folder)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : { "QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY" })
        environment.remove(QLatin1String(name));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    process.start(QStringLiteral(ORVANE_EXECUTABLE), arguments);
    Run result;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput();
    for (const QString &line : QString::fromUtf8(process.readAllStandardError()).split('\n')) {
        if (line.startsWith(QLatin1String("orvane: ")))
            result.messages << line.mid(8);
    }
    return result;
}

QByteArray contents(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString example(const char *name)
{
    return QStringLiteral(ORVANE_SOURCE_DIR "/docs/examples/") + QLatin1String(name);
}

QString fromCore(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// A bowl drawn as a profile, its three rings up to the rim, and a tower of one too tall for any
// gauge on paper.
const QByteArray profiledBowl = R"({"format": "orvane-vessel", "version": 2, "name": "Bowl",
    "profile": [{"r": 2, "h": 0, "corner": true}, {"r": 3.5, "h": 1.5}, {"r": 3.8, "h": 2,
    "corner": true}], "rings": [{"segments": 8, "thickness": 0.75},
    {"segments": 12, "thickness": 0.75}, {"segments": 12, "thickness": 0.75}]})";
const QByteArray tower = R"({"format": "orvane-vessel", "version": 2, "name": "Tower",
    "profile": [{"r": 1, "h": 0, "corner": true}, {"r": 1, "h": 2000, "corner": true}],
    "rings": [{"segments": 8, "thickness": 0.75}]})";

} // namespace

class TestVesselCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void savedRingsReadBackDigitForDigit_data();
    void savedRingsReadBackDigitForDigit();
    void projectFiles_data();
    void projectFiles();
    void refusedOptions_data();
    void refusedOptions();
    void profileLeavesOutRingsAboveTheRim();
    void lumberPerWood_data();
    void lumberPerWood();

private:
    QTemporaryDir projects; // project files that are not to be written over
    QString project(const char *name) const { return projects.filePath(QLatin1String(name)); }
    std::unique_ptr<QTemporaryDir> folder;
    QString path(const QString &name) const { return folder->filePath(name); }
    Run orvane(const QStringList &arguments) const { return run(arguments, folder->path()); }
};

void TestVesselCommandLine::initTestCase()
{
    for (const auto &[name, text] :
        { std::pair { "bowl.orvane", profiledBowl }, std::pair { "tower.orvane", tower } }) {
        QFile file(project(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
    }
}

void TestVesselCommandLine::init()
{
    folder = std::make_unique<QTemporaryDir>();
    QVERIFY(folder->isValid());
}

void TestVesselCommandLine::savedRingsReadBackDigitForDigit_data()
{
    QTest::addColumn<QStringList>("source");
    QTest::addColumn<QString>("units"); // as saved, "" for the default
    QTest::newRow("one ring of options") << QStringList { "--segments", "12", "--outer", "10 1/2",
        "--inner", "203.2mm", "--wood", "Oak", "--name", "Bowl" }
                                         << QString();
    QTest::newRow("a CSV") << QStringList { "--project", example("vase.csv") } << QString();
    QTest::newRow("a project file")
        << QStringList { "--project", example("vase.orvane") } << QString();
    QTest::newRow("a CSV saved in millimetres")
        << QStringList { "--project", example("vase.csv") } << QStringLiteral("mm");
}

void TestVesselCommandLine::savedRingsReadBackDigitForDigit()
{
    QFETCH(QStringList, source);
    QFETCH(QString, units);
    const Run results = orvane(source + QStringList { "--results", "json" });
    QCOMPARE(results.exitCode, 0);

    // Saving prints nothing unless the results are asked for too.
    const QStringList inUnits = units.isEmpty() ? QStringList() : QStringList { "--units", units };
    const Run saved = orvane(source + inUnits + QStringList { "--save", "first.orvane" });
    QCOMPARE(saved.exitCode, 0);
    QVERIFY(saved.out.isEmpty() && saved.messages.isEmpty());
    const QByteArray first = contents(path("first.orvane"));
    QVERIFY(first.contains(units == "mm" ? "\"units\": \"mm\"" : "\"units\": \"in\""));

    // Read back, in inches or millimetres, the rings give the same results to the last digit,
    // and saved again (in the file's own units) the same bytes.
    const Run again = orvane({ "--project", "first.orvane", "--results", "json" });
    QCOMPARE(again.exitCode, 0);
    QCOMPARE(again.out, results.out);
    QCOMPARE(orvane({ "--project", "first.orvane", "--save", "second.orvane" }).exitCode, 0);
    QCOMPARE(contents(path("second.orvane")), first);
}

void TestVesselCommandLine::projectFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("message"); // a part of the one message; empty when read
    const QByteArray vase = contents(example("vase.orvane"));
    const QByteArray head = "{\"format\": \"orvane-vessel\", \"version\": 1, \"rings\": ";
    const QByteArray ring = "{\"segments\": 12, \"outer\": 10, \"inner\": 8}";
    QTest::newRow("a vessel by its content") << "vase.txt" << vase << QString();
    QTest::newRow("a CSV by its name")
        << "vase.orvane" << contents(example("vase.csv")) << fromCore(orvane::notJson);
    QTest::newRow("not JSON, with line and column")
        << "bad.orvane" << QByteArray("{\"format\": \"orvane-vessel\",\n\"version\" 1}")
        << QStringLiteral("bad.orvane:2:");
    QTest::newRow("another format")
        << "other.orvane" << QByteArray("{\"format\": \"csv\", \"version\": 1, \"rings\": []}")
        << fromCore(orvane::formatAllowed);
    QTest::newRow("a newer version")
        << "newer.orvane"
        << QByteArray("{\"format\": \"orvane-vessel\", \"version\": 7, \"rings\": []}")
        << fromCore(orvane::madeByNewer);
    QTest::newRow("a typo in a key")
        << "typo.orvane" << head + "[{\"segments\": 12, \"outr\": 10, \"inner\": 8}]}"
        << QStringLiteral("'outr'");
    QTest::newRow("a key twice") << "twice.orvane" << head + "[" + ring + "], \"rings\": []}"
                                 << fromCore(orvane::repeatedKey);
    QTest::newRow("a length as a string")
        << "string.orvane" << head + "[{\"segments\": 12, \"outer\": \"10\", \"inner\": 8}]}"
        << QStringLiteral("'outer'");
    QTest::newRow("a ring against the rules") << "rules.orvane"
                                              << head + "[" + ring
            + ", {\"name\": \"Belly\", \"segments\": 12, \"outer\": 8, "
              "\"inner\": 9}]}" << QStringLiteral("ring 2 (Belly)");
    QTest::newRow("no rings") << "empty.orvane" << head + "[]}" << QStringLiteral("no rings");
}

void TestVesselCommandLine::projectFiles()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, text);
    QFETCH(QString, message);
    QFile file(path(name));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
    file.close();
    const Run result = orvane({ "--project", name, "--cutlist", "cut.pdf", "--save", "out.orvane",
        "--units", "mm", "--results", "csv" });
    if (message.isEmpty()) {
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(
            result.out, orvane({ "--project", example("vase.orvane"), "--results", "csv" }).out);
        QVERIFY(contents(path("out.orvane")).contains("\"units\": \"mm\""));
        // The cut list names the vessel and gives each ring a row, its lengths in millimetres,
        // its board feet and, above the foot, its glue-up note.
        const QStringList lines = pdfpage::textLines(path("cut.pdf"), 1);
        QCOMPARE(lines.value(0), QStringLiteral("Vase Cut List Page 1 of 1"));
        QCOMPARE(
            lines.filter(QRegularExpression(" mm \\.\\d+( turn \\d+\\.\\d° from the ring below)?$"))
                .size(),
            7);
        return;
    }
    QCOMPARE(result.exitCode, 2);
    QVERIFY(result.out.isEmpty());
    // Every message names the file; one says what is wrong.
    QVERIFY2(!result.messages.filter(message).isEmpty()
            && result.messages.filter(QRegularExpression("^" + QRegularExpression::escape(name)))
                == result.messages,
        qPrintable(result.messages.join('\n')));
    QVERIFY(!QFile::exists(path("cut.pdf")) && !QFile::exists(path("out.orvane")));
}

// A profile's solid foot is a disc, with no template; a ring above the rim is left out, and said.
void TestVesselCommandLine::profileLeavesOutRingsAboveTheRim()
{
    QFile file(path("bowl.orvane"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(R"({"format": "orvane-vessel", "version": 2, "name": "Bowl",
        "profile": [{"r": 2, "h": 0, "corner": true}, {"r": 3.5, "h": 1.5}, {"r": 3.8, "h": 2,
        "corner": true}], "rings": [{"segments": 8, "thickness": 0.75},
        {"segments": 12, "thickness": 0.75}, {"segments": 12, "thickness": 0.75},
        {"name": "Spare", "segments": 12, "thickness": 0.75}]})");
    file.close();
    const Run result = orvane({ "--project", "bowl.orvane", "--results", "csv", "--template",
        "templates.pdf", "--cutlist", "cut.pdf", "--gauge", "gauge.pdf", "--units", "mm" });
    QCOMPARE(result.exitCode, 0);
    QVERIFY2(
        result.messages.filter(QStringLiteral("Spare")).filter(QStringLiteral("rim")).size() == 1,
        qPrintable(result.messages.join('\n')));
    QStringList kinds;
    for (const QByteArray &line : result.out.trimmed().split('\n').mid(1))
        kinds << QString::fromUtf8(line.split(',').value(23));
    QCOMPARE(kinds, QStringList({ "disc", "ring", "ring" }));
    const QString templates = pdfpage::textLines(path("templates.pdf"), 1).join(u' ');
    // Two templates, the first of them the first ring above the disc.
    QVERIFY2(templates.contains(QString::fromUtf8("Bowl – Ring 2 Cut List Ring 1 of 2")),
        qPrintable(templates));
    // The gauge ticks the joints of the rings below the rim, in the units asked for.
    const QString gauge = pdfpage::textLines(path("gauge.pdf"), 2).join(u'\n');
    QVERIFY2(gauge.contains(QStringLiteral("h 19.0 mm, r 72.6 mm"))
            && gauge.contains(QStringLiteral("h 38.1 mm, r 88.9 mm")) && !gauge.contains("Spare"),
        qPrintable(gauge));
}

void TestVesselCommandLine::refusedOptions_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    QTest::newRow("a unit not known") << QStringList { "--units", "cm", "--save", "a.orvane" } << 2
                                      << QStringLiteral("--units: \"cm\" is not a unit: in or mm");
    QTest::newRow("units with nothing to write them")
        << QStringList { "--units", "mm", "--results" } << 2
        << QStringLiteral("--units: only with --save, --cutlist or --gauge: the results give "
                          "every length in inches and millimetres");
    QTest::newRow("no file name") << QStringList { "--save", "" } << 2
                                  << QStringLiteral(
                                         "--save: no file name: the name of the project file "
                                         "to write");
    QTest::newRow("two outputs to one file")
        << QStringList { "--cutlist", "a.pdf", "--save", "a.pdf" } << 2
        << QStringLiteral("--save: the same file as --cutlist: each output a file of its own");
    QTest::newRow("saved over the project")
        << QStringList { "--project", example("vase.orvane"), "--save", example("vase.orvane") }
        << 2 << QStringLiteral("--save: the same file as --project, which would be overwritten");
    QTest::newRow("no such folder") << QStringList { "--save", "missing/a.orvane" } << 1
                                    << QStringLiteral("missing/a.orvane could not be written: ");
    QTest::newRow("a gauge of one ring")
        << QStringList { "--gauge", "g.pdf" } << 2
        << QStringLiteral("--gauge: only with --project: the gauge is drawn from a vessel's "
                          "profile");
    for (const char *name : { "vase.orvane", "vase.csv" }) {
        QTest::addRow("a gauge of %s, without a profile", name)
            << QStringList { "--project", example(name), "--gauge", "g.pdf" } << 2
            << QStringLiteral("--gauge: %1 has no profile: the gauge is drawn from a vessel's "
                              "profile")
                   .arg(example(name));
    }
    QTest::newRow("a gauge too tall for paper")
        << QStringList { "--project", project("tower.orvane"), "--gauge", "g.pdf" } << 2
        << QStringLiteral("--gauge: the profile gauge could not be made: the gauge would take ");
    QTest::newRow("a gauge and a cut list in one file") << QStringList {
        "--project", project("bowl.orvane"), "--cutlist", "a.pdf", "--gauge", "a.pdf"
    } << 2 << QStringLiteral("--gauge: the same file as --cutlist: each output a file of its own");
    QTest::newRow("a gauge into no such folder")
        << QStringList { "--project", project("bowl.orvane"), "--gauge", "missing/g.pdf" } << 1
        << QStringLiteral("missing/g.pdf could not be written: ");
}

void TestVesselCommandLine::refusedOptions()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    const Run result = orvane(arguments);
    QCOMPARE(result.exitCode, exitCode);
    QVERIFY2(result.messages.size() == 1 && result.messages[0].startsWith(message),
        qPrintable(result.messages.join('\n')));
    QCOMPARE(QDir(folder->path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
        QStringList());
}

void TestVesselCommandLine::lumberPerWood_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("version 3") << "vase.orvane" << QByteArray(R"({"format": "orvane-vessel",
        "version": 3, "name": "Vase", "woods": [{"name": "Walnut", "colour": "#5b3d2a"},
        {"name": "Padauk", "colour": "#c2451f"}, {"name": "Maple", "colour": "#e9d7b0"}],
        "rings": [{"name": "Foot", "segments": 12, "outer": 8, "inner": 6,
        "pattern": ["Maple", "Walnut"]}, {"name": "Band", "segments": 10, "outer": 9, "inner": 7,
        "pattern": ["Padauk", "Maple", "Walnut"]}, {"name": "Rim", "segments": 8, "outer": 9,
        "inner": 7, "wood": "Walnut"}]})");
    QTest::newRow("CSV") << "Vase.csv"
                         << QByteArray(
                                "name,segments,outer,inner,wood\nFoot,12,8,6,Maple + Walnut\n"
                                "Band,10,9,7, Padauk + Maple + Walnut\nRim,8,9,7,Walnut\n");
}

// A vessel of three rings in three woods: each wood's segments, strip and board feet as worked
// out by hand from the rings, in json, csv and text alike.
void TestVesselCommandLine::lumberPerWood()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, text);
    QFile file(path(name));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
    file.close();

    // Each ring's segments of each wood: 12 alternating, 10 in threes from segment 1, 8 of one;
    // turned 0, then 180 / lcm(12, 10) = 3°, then 180 / lcm(10, 8) = 4.5° more.
    const QList<QMap<QString, int>> perRing { { { "Maple", 6 }, { "Walnut", 6 } },
        { { "Padauk", 4 }, { "Maple", 3 }, { "Walnut", 3 } }, { { "Walnut", 8 } } };
    const QStringList typed { "Maple + Walnut", "Padauk + Maple + Walnut", "Walnut" };
    const QList<double> rotations { 0, 3, 7.5 };

    const QJsonObject root
        = QJsonDocument::fromJson(orvane({ "--project", name, "--results", "json" }).out).object();
    const QJsonArray records = root.value("rings").toArray();
    const QList<QByteArray> csv
        = orvane({ "--project", name, "--results", "csv" }).out.trimmed().split('\n');
    QCOMPARE(records.size(), 3);
    QMap<QString, QPair<double, double>> lumber; // strip and board feet
    for (qsizetype r = 0; r < records.size(); ++r) {
        const QJsonObject ring = records[r].toObject();
        QCOMPARE(ring.value("wood").toString(), typed[r]);
        QCOMPARE(ring.value("rotation_deg").toDouble(), rotations[r]);
        QCOMPARE(csv.value(r + 1).split(',').value(22), typed[r].toUtf8());
        QCOMPARE(csv.value(r + 1).split(',').value(27).toDouble(), rotations[r]);
        const double n = ring.value("segments").toDouble();
        const double L = ring.value("long_side_in").toDouble();
        const double S = ring.value("short_side_in").toDouble();
        for (auto wood = perRing[r].begin(); wood != perRing[r].end(); ++wood) {
            const double c = wood.value();
            lumber[wood.key()].first += c * (L + S) / 2 + (L - S) / 2
                + (c - 1) * ring.value("kerf_in").toDouble() / std::cos(std::numbers::pi / n);
            lumber[wood.key()].second += ring.value("board_feet").toDouble() * c / n;
        }
    }

    // In the order the woods first appear from the foot; the text's table ends the results.
    const QStringList woods { "Maple", "Walnut", "Padauk" };
    const QJsonArray perWood = root.value("woods").toArray();
    const QStringList lines = QString::fromUtf8(orvane({ "--project", name }).out).split('\n');
    const qsizetype table = lines.indexOf(
        QStringLiteral("Lumber per wood                 Segments  Strip length, in.   Board feet"));
    QVERIFY(perWood.size() == 3 && table > 0 && lines.size() == table + 5);
    for (qsizetype w = 0; w < 3; ++w) {
        const QJsonObject wood = perWood[w].toObject();
        int segments = 0;
        for (const QMap<QString, int> &ring : perRing)
            segments += ring.value(woods[w]);
        QCOMPARE(wood.value("wood").toString(), woods[w]);
        QCOMPARE(wood.value("segments").toInt(), segments);
        QVERIFY(std::abs(wood.value("strip_length_in").toDouble() - lumber[woods[w]].first) < 1e-6);
        QVERIFY(std::abs(wood.value("board_feet").toDouble() - lumber[woods[w]].second) < 1e-12);
        QVERIFY2(lines[table + 1 + w].startsWith(woods[w].leftJustified(32)
                     + QString::number(segments).leftJustified(10)
                     + QString::number(lumber[woods[w]].first, 'f', 5)),
            qPrintable(lines[table + 1 + w]));
    }
}

QTEST_MAIN(TestVesselCommandLine)
#include "tst_vesselcommandline.moc"
