// Project files: good files read with their defaults and units, files read and written again
// unchanged digit for digit, and every problem of a bad file named with its place and key.

#include "core/jsontext.h"
#include "core/length.h"
#include "core/project.h"
#include "core/projectfile.h"

#include <QFile>
#include <QTest>

using namespace orvane;

class TestProjectFile : public QObject
{
    Q_OBJECT

private slots:
    void reads_data();
    void reads();
    void readsBackDigitForDigit_data();
    void readsBackDigitForDigit();
    void millimetresWrittenShortest();
    void problems_data();
    void problems();
    void oldestVersionWritten();
    void recognised();
    void exampleIsTheCsvVase();
    void examplesReadBackAsWritten_data();
    void examplesReadBackAsWritten();
};

namespace {

// A vessel as lines of text, lengths in inches to the last digit: the oracle of every test here.
QStringList shown(const Vessel &vessel)
{
    const auto number = [](double value) { return QString::fromStdString(shortestNumber(value)); };
    QStringList lines { QString::fromStdString(vessel.name)
        + (vessel.units == Units::inches ? " in" : " mm") + " kerf " + number(vessel.kerf) };
    for (const RingDesign &ring : vessel.rings) {
        lines << QStringLiteral(
            "line %1: %2, %3 segments, %4 / %5, fudge %6, thickness %7, kerf %8, %9")
                     .arg(ring.line)
                     .arg(QString::fromStdString(ring.name), number(ring.inputs.segmentCount),
                         number(ring.inputs.outerDiameter), number(ring.inputs.innerDiameter),
                         number(ring.inputs.fudge),
                         ring.thickness ? number(*ring.thickness) : "none", number(ring.kerf),
                         ring.wood.empty() && ring.pattern.empty()
                             ? QStringLiteral("no wood")
                             : QString::fromStdString(woodText(ring)));
        if (!ring.pattern.empty())
            lines.back() += QStringLiteral(" (%1 woods)").arg(ring.pattern.size());
    }
    return lines;
}

// A length given in thousandths of a millimetre, in inches: one rounding of the exact quotient.
QString mm(int thousandths)
{
    return QString::fromStdString(shortestNumber(thousandths / 25'400.0));
}

QStringList problemsOf(const ProjectFileReading &reading)
{
    QStringList problems;
    for (const std::string &problem : reading.problems)
        problems << QString::fromStdString(problem);
    return problems;
}

// A file of version 1 with the given keys after its format and version.
QByteArray file(const QByteArray &rest)
{
    return "{\"format\": \"orvane-vessel\", \"version\": 1, " + rest + "}";
}

} // namespace

void TestProjectFile::reads_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("vessel");

    QTest::newRow("every key")
        << "vase.orvane"
        << QByteArray("{\"format\": \"orvane-vessel\", \"version\": 1, \"name\": \"Vase\",\n"
                      " \"units\": \"in\", \"kerf\": 0.1,\n \"rings\": [\n"
                      "  {\"name\": \"Foot\", \"segments\": 8, \"outer\": 6, \"inner\": 4.25, "
                      "\"fudge\": 0.125, \"thickness\": 0.75, \"kerf\": 0.09375, \"wood\": "
                      "\"Maple\"},\n  {\"segments\": 12.0, \"outer\": 7.5, \"inner\": 5}]}")
        << QStringList { "Vase in kerf 0.1",
               "line 4: Foot, 8 segments, 6 / 4.25, fudge 0.125, thickness 0.75, kerf "
               "0.09375, Maple",
               "line 5: Ring 2, 12 segments, 7.5 / 5, fudge 0.25, thickness 0.75, kerf "
               "0.1, no wood" };
    QTest::newRow("defaults, the name from the file's")
        << "/home/ann/My Vase.v2.orvane"
        << file("\"rings\": [{\"segments\": 6, \"outer\": "
                "36, \"inner\": 30}]")
        << QStringList { "My Vase.v2 in kerf 0.125",
               "line 1: Ring 1, 6 segments, 36 / 30, fudge "
               "0.25, thickness 0.75, kerf 0.125, no wood" };
    // A length reads the same whatever its number of digits; a thickness left out is 3/4 inch.
    QTest::newRow("millimetres, the units after the rings")
        << "bowl.orvane"
        << file("\"kerf\": 2.99999999999999999999, \"rings\": [{\"segments\": 12, \"outer\": "
                "254.5, \"inner\": 150, "
                "\"fudge\": 3.175}], \"units\": \"mm\"")
        << QStringList { "bowl mm kerf " + mm(3000),
               QStringLiteral(
                   "line 1: Ring 1, 12 segments, %1 / %2, fudge %3, thickness %4, kerf %5, no wood")
                   .arg(mm(254'500), mm(150'000), mm(3175), mm(19050), mm(3000)) };
    // An older file's wood is read as typed.
    QTest::newRow("a pattern typed in an older file")
        << "bowl.orvane"
        << file(R"("rings": [{"segments": 7, "outer": 10, "inner": 8, "wood": " Ash+Red Oak "}])")
        << QStringList { "bowl in kerf 0.125",
               "line 1: Ring 1, 7 segments, 10 / 8, fudge 0.25, thickness 0.75, kerf 0.125, "
               "Ash + Red Oak (2 woods)" };
    QTest::newRow("no rings, a byte order mark")
        << "empty.orvane"
        << "\xEF\xBB\xBF" + file("\"rings\": []") << QStringList { "empty in kerf 0.125" };
}

void TestProjectFile::reads()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, text);
    QFETCH(QStringList, vessel);

    const ProjectFileReading reading = readProjectFile(text.toStdString(), fileName.toStdString());
    QCOMPARE(problemsOf(reading), QStringList {});
    QVERIFY(reading.vessel);
    QCOMPARE(shown(*reading.vessel), vessel);
}

void TestProjectFile::readsBackDigitForDigit_data()
{
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("inches") << QByteArray(R"({
  "format": "orvane-vessel",
  "version": 1,
  "name": "Vase \"Ø\" \\ 1",
  "units": "in",
  "kerf": 0.125,
  "rings": [
    {"name": "Foot", "segments": 8, "outer": 6, "inner": 4.25, "fudge": 0.125, "thickness": 0.75, "kerf": 0.125, "wood": "Maple"},
    {"name": "Belly", "segments": 16, "outer": 10.333333333333334, "inner": 7.1, "fudge": 0, "thickness": 1e-05, "kerf": 0.09375}
  ]
}
)");
    QTest::newRow("millimetres") << QByteArray(R"({
  "format": "orvane-vessel",
  "version": 1,
  "name": "Bowl",
  "units": "mm",
  "kerf": 3.175,
  "rings": [
    {"name": "Foot", "segments": 8, "outer": 150, "inner": 110.5, "fudge": 3.175, "thickness": 19.05, "kerf": 2.4, "wood": "Cherry"},
    {"name": "Rim", "segments": 24, "outer": 254.5, "inner": 203.2, "fudge": 6.35, "thickness": 12.7, "kerf": 0.1}
  ]
}
)");
    // Version 2: the profile, and a ring's diameters and fudge only where typed.
    QTest::newRow("profile") << QByteArray(R"({
  "format": "orvane-vessel",
  "version": 2,
  "name": "Vase",
  "units": "mm",
  "kerf": 3.175,
  "profile": [
    {"r": 40, "h": 0, "corner": true},
    {"r": 76.2, "h": 50.8},
    {"r": 50.5, "h": 120, "corner": true}
  ],
  "wall": 6.35,
  "floor": 8,
  "pad": 5,
  "flatten": 0.5,
  "rings": [
    {"name": "Foot", "segments": 8, "thickness": 19.05, "kerf": 2.4, "wood": "Cherry"},
    {"name": "Rim", "segments": 24, "outer": 110, "fudge": 3.175, "thickness": 12.7, "kerf": 0.1}
  ]
}
)");
    // Version 3: every wood the rings name listed with its colour.
    QTest::newRow("woods") << QByteArray(R"({
  "format": "orvane-vessel",
  "version": 3,
  "name": "Vase",
  "units": "in",
  "kerf": 0.125,
  "wall": 0.25,
  "pad": 0.25,
  "flatten": 0,
  "woods": [
    {"name": "Maple", "colour": "#e9d7b0"},
    {"name": "Bubinga", "colour": "#A0522D"}
  ],
  "rings": [
    {"name": "Foot", "segments": 8, "outer": 6, "inner": 4.25, "fudge": 0.125, "thickness": 0.75, "kerf": 0.125, "wood": "Maple", "rotation": 0},
    {"name": "Belly", "segments": 16, "outer": 10, "inner": 7, "fudge": 0.25, "thickness": 1, "kerf": 0.125, "pattern": ["Maple", "Bubinga", "Maple"], "rotation": 33.75}
  ]
}
)");
    QTest::newRow("no rings") << QByteArray(
        "{\n  \"format\": \"orvane-vessel\",\n  \"version\": 1,\n  \"name\": \"\",\n  \"units\": "
        "\"mm\",\n  \"kerf\": 0,\n  \"rings\": []\n}\n");
}

void TestProjectFile::readsBackDigitForDigit()
{
    QFETCH(QByteArray, text);

    const ProjectFileReading reading = readProjectFile(text.toStdString(), "vase.orvane");
    QCOMPARE(problemsOf(reading), QStringList {});
    QCOMPARE(QByteArray::fromStdString(writeProjectFile(*reading.vessel)), text);
}

void TestProjectFile::millimetresWrittenShortest()
{
    // Every length to a hundredth of a millimetre up to a metre reads as the exact quotient and
    // is written as typed, without trailing zeros.
    for (int hundredths = 1; hundredths <= 100'000; ++hundredths) {
        QString typed = QString::number(hundredths / 100) + '.'
            + QString::number(hundredths % 100 + 100).sliced(1);
        while (typed.endsWith('0'))
            typed.chop(1);
        if (typed.endsWith('.'))
            typed.chop(1);
        const double inches = hundredths / 2540.0;
        const std::string written = shortestMillimetres(inches);
        if (millimetresInInches(typed.toStdString()) != inches || written != typed.toStdString())
            QFAIL(qPrintable(typed + " mm written as " + QString::fromStdString(written)));
    }
}

void TestProjectFile::problems_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("problems");

    const QByteArray foot = "{\"name\": \"Foot\", \"segments\": 8, \"outer\": 6, \"inner\": 4.25";
    QTest::newRow("not JSON")
        << QByteArray("{\"format\": \"orvane-vessel\",\n \"version\": 1 \"rings\": []}")
        << QStringList { "vase.orvane:2:21: not JSON: syntax error while parsing object" };
    QTest::newRow("not an object")
        << QByteArray("[]") << QStringList { "vase.orvane: not an Orvane vessel" };
    QTest::newRow("another format, no version")
        << QByteArray("{\"format\": \"orvane-bowl\", \"rings\": []}")
        << QStringList {
               "vase.orvane: key 'format': \"orvane-bowl\" is not allowed: \"orvane-vessel\"",
               "vase.orvane: key 'version': missing"
           };
    QTest::newRow("newer version")
        << QByteArray(R"({"format": "orvane-vessel", "version": 4, "gauge": []})")
        << QStringList { "vase.orvane: key 'version': version 4, made by a newer Orvane" };
    QTest::newRow("profile going down")
        << QByteArray(R"({"format": "orvane-vessel", "version": 2, "rings": [],
            "profile": [{"r": 2, "h": 0}, {"r": 3, "h": 2}, {"r": 3, "h": 1, "corner": true}]})")
        << QStringList { "vase.orvane: key 'profile': point 3: h 1 is below the height of the "
                         "point before it (2)" };
    QTest::newRow("point without h")
        << QByteArray(R"({"format": "orvane-vessel", "version": 2, "rings": [], "wall": 0,
            "profile": [{"r": 2, "hh": 0, "corner": 1}]})")
        << QStringList { "vase.orvane: key 'profile': point 1: key 'hh': unknown",
               "vase.orvane: key 'profile': point 1: key 'corner': the number 1 is not true or "
               "false",
               "vase.orvane: key 'profile': point 1: key 'h': missing",
               "vase.orvane: key 'wall': \"0\" is not allowed: a length more than 0" };
    QTest::newRow("profile in version 1") << file(R"("rings": [], "profile": [])")
                                          << QStringList { "vase.orvane: key 'profile': unknown" };
    QTest::newRow("ring without diameters, no profile")
        << QByteArray(R"({"format": "orvane-vessel", "version": 2, "rings": [{"segments": 8}]})")
        << QStringList { "vase.orvane: ring 1 (Ring 1): key 'outer': missing",
               "vase.orvane: ring 1 (Ring 1): key 'inner': missing" };
    QTest::newRow("woods in version 2")
        << QByteArray(R"({"format": "orvane-vessel", "version": 2, "rings": [], "woods": []})")
        << QStringList { "vase.orvane: key 'woods': unknown" };
    QTest::newRow("the project's woods")
        << QByteArray(R"({"format": "orvane-vessel", "version": 3, "rings": [], "woods": [
            {"name": "Maple", "colour": "#e9d7b0"}, {"name": "Maple", "colour": "e9d7b0"},
            {"name": "Maple + Walnut", "colour": "#000000", "grain": "fine"}, "Oak",
            {"colour": 5}]})")
        << QStringList { "vase.orvane: key 'woods': wood 2: key 'colour': \"e9d7b0\" is not",
               "vase.orvane: key 'woods': wood 2: key 'name': \"Maple\" is listed twice",
               "vase.orvane: key 'woods': wood 3: key 'grain': unknown",
               "vase.orvane: key 'woods': wood 3: key 'name': \"Maple + Walnut\" is not allowed",
               "vase.orvane: key 'woods': wood 4: the text \"Oak\" is not an object",
               "vase.orvane: key 'woods': wood 5: key 'name': missing",
               "vase.orvane: key 'woods': wood 5: key 'colour': the number 5 is not text" };
    QTest::newRow("a ring's woods and rotation")
        << QByteArray(R"({"format": "orvane-vessel", "version": 3,
            "woods": [{"name": "Maple", "colour": "#e9d7b0"}], "rings": [
            {"segments": 3, "outer": 10, "inner": 8, "pattern": ["Maple", "Oak", "Ash", "Oak"]},
            {"segments": 6, "outer": 10, "inner": 8, "wood": "Maple", "pattern": ["Maple"]},
            {"segments": 6, "outer": 10, "inner": 8, "pattern": []},
            {"segments": 6, "outer": 10, "inner": 8, "pattern": ["Maple", " Oak", 3]},
            {"segments": 6, "outer": 10, "inner": 8, "wood": "Maple + Oak", "rotation": "15"},
            {"name": "Top", "segments": 6, "outer": 10, "inner": 8, "pattern": ["Oak", "Maple"]}]})")
        << QStringList { "vase.orvane: ring 1 (Ring 1): key 'pattern': a pattern of 4 woods is",
               "vase.orvane: ring 2 (Ring 2): key 'pattern': given with 'wood'",
               "vase.orvane: ring 3 (Ring 3): key 'pattern': an empty list is not allowed",
               "vase.orvane: ring 4 (Ring 4): key 'pattern': name 2: \" Oak\" is not allowed",
               "vase.orvane: ring 4 (Ring 4): key 'pattern': name 3: the number 3 is not text",
               "vase.orvane: ring 5 (Ring 5): key 'rotation': the text \"15\" is not a number",
               "vase.orvane: ring 5 (Ring 5): key 'wood': \"Maple + Oak\" is not allowed",
               "vase.orvane: ring 6 (Top): key 'pattern': \"Oak\" is not one of the project's" };
    QTest::newRow("a typed pattern longer than the count, in an older file")
        << file(R"("rings": [{"segments": 3, "outer": 10, "inner": 8, "wood": "A+B+C+D"}])")
        << QStringList { "vase.orvane: ring 1 (Ring 1): key 'wood': a pattern of 4 woods" };
    QTest::newRow("version not whole")
        << QByteArray(R"({"format": "orvane-vessel", "version": 0.5, "rings": []})")
        << QStringList { "vase.orvane: key 'version': \"0.5\" is not allowed" };
    QTest::newRow("unknown and repeated keys, no rings")
        << file(R"("colour": "red", "kerf": 0.1, "kerf": 0.1)")
        << QStringList {
               "vase.orvane: key 'colour': unknown: the keys of a vessel are format, version, "
               "name, units, kerf and rings",
               "vase.orvane: key 'kerf': given twice", "vase.orvane: key 'rings': missing"
           };
    QTest::newRow("units in centimetres, text for a length")
        << file(R"("units": "cm", "kerf": "1/8", "rings": [])")
        << QStringList { "vase.orvane: key 'units': \"cm\" is not allowed: \"in\" or \"mm\"",
               "vase.orvane: key 'kerf': the text \"1/8\" is not a number: a length of 0 or more" };
    QTest::newRow("every ring's problems")
        << file("\"rings\": [" + foot + ", \"woood\": \"Oak\", \"inner\": 4}, 8, " + foot
               + ", \"outer\": \"6\"},\n {\"segments\": 7.5, \"inner\": true}]")
        << QStringList {
               "vase.orvane: ring 1 (Foot): key 'woood': unknown: the keys of a ring are name, "
               "segments, outer, inner, fudge, thickness, kerf and wood",
               "vase.orvane: ring 1 (Foot): key 'inner': given twice",
               "vase.orvane: ring 2 (Ring 2): the number 8 is not an object",
               "vase.orvane: ring 3 (Foot): key 'outer': given twice",
               "vase.orvane: ring 4 (Ring 4): key 'segments': \"7.5\" is not allowed: a whole "
               "number",
               "vase.orvane: ring 4 (Ring 4): key 'outer': missing",
               "vase.orvane: ring 4 (Ring 4): key 'inner': true is not a number"
           };
    QTest::newRow("inner not below outer")
        << file("\"rings\": [" + foot
               + "}, {\"name\": \"Belly\", \"segments\": 12, \"outer\": 10, \"inner\": 10}]")
        << QStringList {
               "vase.orvane: ring 2 (Belly): key 'inner': 10 in is not allowed: a length below "
               "the outer diameter"
           };
    QTest::newRow("inner below twice the fudge, in millimetres") << file(
        R"("units": "mm", "rings": [{"segments": 12, "outer": 100, "inner": 6.35, "fudge": 6.35}])")
                                                                 << QStringList {
                                                                        "vase.orvane: ring 1 (Ring "
                                                                        "1): key 'inner': 0.25 in "
                                                                        "is not allowed: the inner "
                                                                        "diameter must be at least "
                                                                        "twice the fudge"
                                                                    };
    QTest::newRow("a negative length in millimetres")
        << file(R"("units": "mm", "rings": [{"segments": 12, "outer": -50, "inner": 6}])")
        << QStringList {
               "vase.orvane: ring 1 (Ring 1): key 'outer': \"-50 mm\" is not allowed: a length "
               "more than 0"
           };
}

void TestProjectFile::problems()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, problems);

    const ProjectFileReading reading = readProjectFile(text.toStdString(), "vase.orvane");
    QVERIFY(!reading.vessel);
    const QStringList actual = problemsOf(reading);
    QCOMPARE(actual.size(), problems.size());
    for (qsizetype i = 0; i < problems.size(); ++i) {
        if (!actual[i].startsWith(problems[i]))
            QFAIL(qPrintable(actual.join('\n')));
    }
}

// A file is written in the oldest version that holds the vessel: a version 1 file stays version
// 1, and a pattern makes version 3 with every wood listed in the colour it is drawn in.
void TestProjectFile::oldestVersionWritten()
{
    const std::string old = file(R"("rings": [{"segments": 8, "outer": 10, "inner": 8,
        "wood": "Maple"}, {"segments": 9, "outer": 10, "inner": 8, "wood": "Maple + Zebrawood"}])")
                                .toStdString();
    Vessel vessel = *readProjectFile(old, "vase.orvane").vessel;
    Vessel first = vessel;
    first.rings.pop_back();
    QVERIFY(writeProjectFile(first).find("\"version\": 1,") != std::string::npos);

    const std::string written = writeProjectFile(vessel);
    QVERIFY(written.find("\"version\": 3,") != std::string::npos);
    const ProjectFileReading again = readProjectFile(written, "vase.orvane");
    QCOMPARE(problemsOf(again), QStringList {});
    const std::vector<Wood> woods { { "Maple", "#e9d7b0" },
        { "Zebrawood", woodColour("Zebrawood", {}) } };
    QVERIFY(again.vessel->woods == woods);
    QCOMPARE(again.vessel->rings[1].pattern, vessel.rings[1].pattern);
    QCOMPARE(writeProjectFile(*again.vessel), written);
}

void TestProjectFile::recognised()
{
    QVERIFY(looksLikeProjectFile("\xEF\xBB\xBF \r\n\t{\"format\""));
    QVERIFY(!looksLikeProjectFile("name,segments,outer,inner\n"));
    QVERIFY(!looksLikeProjectFile("# {\n"));
    QVERIFY(!looksLikeProjectFile(" \n"));
}

void TestProjectFile::exampleIsTheCsvVase()
{
    const auto contents = [](const char *name) {
        QFile file(QStringLiteral(ORVANE_SOURCE_DIR "/docs/examples/") + name);
        if (!file.open(QIODevice::ReadOnly))
            qFatal("%s cannot be read", name);
        return file.readAll().toStdString();
    };
    const std::string text = contents("vase.orvane");
    const ProjectFileReading reading = readProjectFile(text, "vase.orvane");
    QCOMPARE(problemsOf(reading), QStringList {});
    QCOMPARE(writeProjectFile(*reading.vessel), text);

    // The same rings as the CSV's, which has no woods.
    Vessel fromCsv { "Vase", Units::inches, 0.125,
        readProject(contents("vase.csv"), "vase.csv").rings };
    QCOMPARE(fromCsv.rings.size(), reading.vessel->rings.size());
    for (std::size_t i = 0; i < fromCsv.rings.size(); ++i) {
        fromCsv.rings[i].wood = reading.vessel->rings[i].wood;
        fromCsv.rings[i].line = reading.vessel->rings[i].line;
    }
    QCOMPARE(shown(fromCsv), shown(*reading.vessel));
}

void TestProjectFile::examplesReadBackAsWritten_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name :
        { "vase.orvane", "bowl.orvane", "vase-profile.orvane", "vase-two-woods.orvane" })
        QTest::newRow(name) << QString::fromLatin1(name);
}

// Every example project reads without a problem and is what the program writes of it.
void TestProjectFile::examplesReadBackAsWritten()
{
    QFETCH(QString, name);
    QFile file(QStringLiteral(ORVANE_SOURCE_DIR "/docs/examples/") + name);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const std::string text = file.readAll().toStdString();
    const ProjectFileReading reading = readProjectFile(text, name.toStdString());
    QCOMPARE(problemsOf(reading), QStringList {});
    QCOMPARE(writeProjectFile(*reading.vessel), text);
}

QTEST_GUILESS_MAIN(TestProjectFile)
#include "tst_projectfile.moc"
