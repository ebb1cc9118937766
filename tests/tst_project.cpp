// Project files: the rings they hold, the defaults of the optional columns, and a message for every
// problem, naming the file, the line and the column and saying what is allowed.

#include "core/project.h"
#include "core/reading.h"
#include "core/ringreader.h"

#include <QTest>

#include <string>

using namespace orvane;

class TestProject : public QObject
{
    Q_OBJECT

private slots:
    void rings();
    void columnsInAnyOrder();
    void defaults();
    void units();
    void problems_data();
    void problems();
    void everyProblemReported();
    void thousandRings();
    void fieldValues_data();
    void fieldValues();
};

namespace {

QStringList problemsOf(const Project &project)
{
    QStringList problems;
    for (const std::string &problem : project.problems)
        problems << QString::fromStdString(problem);
    return problems;
}

} // namespace

void TestProject::rings()
{
    const Project project = readProject("# A small bowl\n"
                                        "name,segments,outer,inner,fudge,thickness,kerf\n"
                                        "Base,8,6,0.25,.125,1,0.1\n"
                                        "\n"
                                        "\"Rim, top\",12,10 1/2,9,0,0.75,0\n",
        "bowl.csv");
    QCOMPARE(problemsOf(project), QStringList {});
    QCOMPARE(project.rings.size(), 2u);
    const RingDesign &base = project.rings[0];
    QCOMPARE(base.name, std::string("Base"));
    QCOMPARE(base.line, 3);
    QCOMPARE(base.inputs.segmentCount, 8.0);
    QCOMPARE(base.inputs.outerDiameter, 6.0);
    QCOMPARE(base.inputs.innerDiameter, 0.25);
    QCOMPARE(base.inputs.fudge, 0.125);
    QCOMPARE(base.thickness, 1.0);
    QCOMPARE(base.kerf, 0.1);
    const RingDesign &rim = project.rings[1];
    QCOMPARE(rim.name, std::string("Rim, top"));
    QCOMPARE(rim.line, 5);
    QCOMPARE(rim.inputs.segmentCount, 12.0);
    QCOMPARE(rim.inputs.outerDiameter, 10.5);
    QCOMPARE(rim.inputs.innerDiameter, 9.0);
    QCOMPARE(rim.inputs.fudge, 0.0);
    QCOMPARE(rim.kerf, 0.0);
}

void TestProject::columnsInAnyOrder()
{
    const Project project = readProject(" Inner , KERF,outer, name ,segments\n"
                                        "20, 0.2, 24 , Middle ring ,16\n",
        "p.csv");
    QCOMPARE(problemsOf(project), QStringList {});
    QCOMPARE(project.rings.size(), 1u);
    const RingDesign &ring = project.rings[0];
    QCOMPARE(ring.name, std::string("Middle ring"));
    QCOMPARE(ring.inputs.segmentCount, 16.0);
    QCOMPARE(ring.inputs.outerDiameter, 24.0);
    QCOMPARE(ring.inputs.innerDiameter, 20.0);
    QCOMPARE(ring.kerf, 0.2);
}

// A missing column, and an empty cell of an optional column, take the window's start values.
void TestProject::defaults()
{
    const Project project = readProject("name,segments,outer,inner,thickness\n"
                                        "A,6,36,30,\n"
                                        "B,6,36,30,1.5\n"
                                        "C,6,36,30\n",
        "p.csv");
    QCOMPARE(problemsOf(project), QStringList {});
    QCOMPARE(project.rings.size(), 3u);
    for (const RingDesign &ring : project.rings) {
        QCOMPARE(ring.inputs.fudge, 0.25);
        QCOMPARE(ring.kerf, 0.125);
    }
    QCOMPARE(project.rings[0].thickness, 0.75);
    QCOMPARE(project.rings[1].thickness, 1.5);
    QCOMPARE(project.rings[2].thickness, 0.75);

    // The calculator window starts with the same ring: its boxes' texts read as these numbers.
    namespace start = ringDefaults;
    QCOMPARE(leadingNumber(start::segmentCountText), start::segmentCount);
    QCOMPARE(leadingNumber(start::outerDiameterText), start::outerDiameter);
    QCOMPARE(leadingNumber(start::innerDiameterText), start::innerDiameter);
    QCOMPARE(leadingNumber(start::fudgeText), start::fudge);
    QCOMPARE(leadingNumber(start::thicknessText), start::thickness);
}

void TestProject::units()
{
    const Project project = readProject("name,segments,outer,inner,fudge,thickness,kerf\n"
                                        "m,12,254mm,20.32 cm,6.35mm,3/4\",3.175 mm\n",
        "p.csv");
    QCOMPARE(problemsOf(project), QStringList {});
    QCOMPARE(project.rings.size(), 1u);
    const RingDesign &ring = project.rings[0];
    QCOMPARE(ring.inputs.outerDiameter, 10.0);
    QCOMPARE(ring.inputs.innerDiameter, 8.0);
    QCOMPARE(ring.inputs.fudge, 0.25);
    QCOMPARE(ring.thickness, 0.75);
    QCOMPARE(ring.kerf, 0.125);
}

void TestProject::problems_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("problems");

    const QByteArray header = "name,segments,outer,inner,fudge,thickness,kerf\n";
    const QString length = QStringLiteral(
        "a number with an optional unit in, \", mm or cm (inches when none is given); inches "
        "also as a fraction such as 3/4, 10 1/2 or 10-1/2");

    QTest::newRow("empty file") << QByteArray("")
                                << QStringList { "v.csv: no header row: the first line names the "
                                                 "columns, name, segments, outer and inner, and "
                                                 "may add fudge, thickness, kerf and wood" };
    QTest::newRow("only comments")
        << QByteArray("# nothing\n\n")
        << QStringList { "v.csv: no header row: the first line names the columns, name, "
                         "segments, outer and inner, and may add fudge, thickness, kerf and wood" };
    QTest::newRow("header only") << header
                                 << QStringList {
                                        "v.csv: no rings: after the header row, each line is a ring"
                                    };
    QTest::newRow("unknown column")
        << QByteArray("name,segments,outer,inner,thicknes\nA,6,36,30,1\n")
        << QStringList { "v.csv:1: unknown column 'thicknes'; the columns are name, segments, "
                         "outer, inner, fudge, thickness, kerf and wood" };
    QTest::newRow("missing required column")
        << QByteArray("name,segments,outer\nA,6,36\n")
        << QStringList { "v.csv:1: no column 'inner': the header must name the columns name, "
                         "segments, outer and inner" };
    QTest::newRow("column twice") << QByteArray("name,segments,outer,inner,Outer\nA,6,36,30,36\n")
                                  << QStringList {
                                         "v.csv:1: column 'outer' is named twice: each column once"
                                     };
    QTest::newRow("count below 3")
        << header + "A,2,36,30,,,\n"
        << QStringList { "v.csv:2: column 'segments': \"2\" is not allowed: a whole number from "
                         "3 to 100" };
    QTest::newRow("count not whole")
        << header + "A,6.5,36,30,,,\n"
        << QStringList { "v.csv:2: column 'segments': \"6.5\" is not allowed: a whole number "
                         "from 3 to 100" };
    QTest::newRow("count above 100")
        << header + "A,101,36,30,,,\n"
        << QStringList { "v.csv:2: column 'segments': \"101\" is not allowed: a whole number "
                         "from 3 to 100" };
    QTest::newRow("count not a number")
        << header + "A,six,36,30,,,\n"
        << QStringList { "v.csv:2: column 'segments': \"six\" is not allowed: a whole number "
                         "from 3 to 100" };
    QTest::newRow("outer not a length")
        << header + "A,6,abc,30,,,\n"
        << QStringList { "v.csv:2: column 'outer': \"abc\" is not a length: " + length };
    QTest::newRow("outer zero")
        << header + "A,6,0,0,,,\n"
        << QStringList { "v.csv:2: column 'outer': \"0\" is not allowed: a length more than 0" };
    QTest::newRow("inner negative")
        << header + "A,6,36,-1,,,\n"
        << QStringList { "v.csv:2: column 'inner': \"-1\" is not allowed: a length below the "
                         "outer diameter and at least twice the fudge" };
    QTest::newRow("inner below twice the fudge")
        << header + "A,6,36,0.4,,,\n"
        << QStringList { "v.csv:2: column 'inner': 0.4 in is not allowed: the inner diameter must "
                         "be at least twice the fudge, or the short side would be below zero (the "
                         "fudge is 0.25 in)" };
    QTest::newRow("semicolons and decimal commas")
        << QByteArray("name;segments;outer;inner;fudge\nA;6;36,5;30;0,25\nB;6;10,5mm;1,0.5;\n")
        << QStringList { "v.csv:3: column 'inner': \"1,0.5\" is not a length: a length has one "
                         "decimal mark: a comma or a point, not both" };
    QTest::newRow("inner equal to outer")
        << header + "A,6,36,36,,,\n"
        << QStringList { "v.csv:2: column 'inner': 36 in is not allowed: a length below the "
                         "outer diameter (the outer diameter is 36 in)" };
    QTest::newRow("inner above outer, in mm")
        << header + "A,6,254mm,10 1/4,,,\n"
        << QStringList { "v.csv:2: column 'inner': 10.25 in is not allowed: a length below the "
                         "outer diameter (the outer diameter is 10 in)" };
    QTest::newRow("negative fudge")
        << header + "A,6,36,30,-.25,,\n"
        << QStringList { "v.csv:2: column 'fudge': \"-.25\" is not allowed: a length of 0 or "
                         "more" };
    QTest::newRow("zero thickness")
        << header + "A,6,36,30,,0,\n"
        << QStringList { "v.csv:2: column 'thickness': \"0\" is not allowed: a length more "
                         "than 0" };
    QTest::newRow("negative thickness")
        << header + "A,6,36,30,,-1mm,\n"
        << QStringList { "v.csv:2: column 'thickness': \"-1mm\" is not allowed: a length more "
                         "than 0" };
    QTest::newRow("negative kerf")
        << header + "A,6,36,30,,,-1/8\n"
        << QStringList { "v.csv:2: column 'kerf': \"-1/8\" is not allowed: a length of 0 or "
                         "more" };
    QTest::newRow("kerf with a zero denominator")
        << header + "A,6,36,30,,,1/0\n"
        << QStringList { "v.csv:2: column 'kerf': \"1/0\" is not a length: " + length };
    QTest::newRow("missing required cell")
        << header + "A,6,,30,,,\n"
        << QStringList { "v.csv:2: column 'outer': missing: a length more than 0" };
    QTest::newRow("missing name")
        << header + " ,6,36,30,,,\n"
        << QStringList { "v.csv:2: column 'name': missing: the ring's name, any text" };
    QTest::newRow("short row lacks required cells")
        << QByteArray("name,segments,outer,inner\nA,6\n")
        << QStringList { "v.csv:2: column 'outer': missing: a length more than 0",
               "v.csv:2: column 'inner': missing: a length below the outer diameter and at least "
               "twice the fudge" };
    QTest::newRow("too many cells")
        << QByteArray("name,segments,outer,inner\nA,6,36,30,1\n")
        << QStringList { "v.csv:2: 5 cells, but the header names 4 columns" };
    QTest::newRow("unclosed quote")
        << header + "\"A,6,36,30\n"
        << QStringList { "v.csv:2: a quoted field is not closed: a field in double quotes ends "
                         "with a double quote" };
    QTest::newRow("lines counted past comments and quoted line breaks")
        << "# vase\n" + header + "\"two\nlines\",6,36,30,,,\n\nB,6,x,30,,,\n"
        << QStringList { "v.csv:6: column 'outer': \"x\" is not a length: " + length };
    QTest::newRow("results too large")
        << header + "A,6," + QByteArray(200, '9') + ",30,,1" + QByteArray(200, '0') + ",\n"
        << QStringList { "v.csv:2: the ring is too large: its results are beyond the range of "
                         "a number; smaller lengths are allowed" };
}

void TestProject::problems()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, problems);
    const Project project = readProject(text.toStdString(), "v.csv");
    QCOMPARE(problemsOf(project), problems);
    QVERIFY(project.rings.empty());
}

// Every problem of every row is told at once, and a file with any problem gives no rings at all.
void TestProject::everyProblemReported()
{
    const Project project = readProject("name,segments,outer,inner\n"
                                        "Good,6,36,30\n"
                                        "A,2,36,30\n"
                                        "B,6,x,y\n",
        "v.csv");
    QCOMPARE(project.problems.size(), 3u);
    QVERIFY(project.problems[0].starts_with("v.csv:3: column 'segments': "));
    QVERIFY(project.problems[1].starts_with("v.csv:4: column 'outer': "));
    QVERIFY(project.problems[2].starts_with("v.csv:4: column 'inner': "));
    QVERIFY(project.rings.empty());
}

void TestProject::thousandRings()
{
    std::string text = "name,segments,outer,inner,fudge\n";
    for (int i = 0; i < 1000; ++i) {
        text += "\"Ring " + std::to_string(i) + ", of a tall vase\"," + std::to_string(4 + i % 27)
            + "," + std::to_string(10 + i % 50) + " 1/2 in," + std::to_string(8 + i % 50)
            + ",1/8\n";
    }
    const Project project = readProject(text, "tall.csv");
    QCOMPARE(problemsOf(project), QStringList {});
    QCOMPARE(project.rings.size(), 1000u);
    const RingDesign &last = project.rings.back();
    QCOMPARE(last.name, std::string("Ring 999, of a tall vase"));
    QCOMPARE(last.inputs.segmentCount, 4.0 + 999 % 27);
    QCOMPARE(last.inputs.outerDiameter, 10 + 999 % 50 + 0.5);
    QCOMPARE(last.inputs.innerDiameter, 8.0 + 999 % 50);
    QCOMPARE(last.inputs.fudge, 0.125);
}

// The options of the command line read their values with the same rules as the cells.
void TestProject::fieldValues_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("allowed");

    const auto row = [](const char *name, RingField field, const char *text, double value,
                         bool allowed) {
        QTest::newRow(name) << static_cast<int>(field) << QByteArray(text) << value << allowed;
    };
    row("least count", RingField::segments, "3", 3, true);
    row("largest count", RingField::segments, "30", 30, true);
    row("count written as a decimal", RingField::segments, "12.0", 12, true);
    row("count with blanks", RingField::segments, " 8 ", 8, true);
    row("count 2", RingField::segments, "2", 0, false);
    row("count 31", RingField::segments, "31", 31, true);
    row("count 100", RingField::segments, "100", 100, true);
    row("count 101", RingField::segments, "101", 0, false);
    row("count with a line feed", RingField::segments, "6\n", 0, false);
    row("count 0", RingField::segments, "0", 0, false);
    row("negative count", RingField::segments, "-6", 0, false);
    row("count with a unit", RingField::segments, "6mm", 0, false);
    row("count, then text", RingField::segments, "6x", 0, false);
    row("huge count", RingField::segments, "1e400", 0, false);
    row("outer in mm", RingField::outer, "254mm", 10, true);
    row("tiny outer", RingField::outer, "0.001", 0.001, true);
    row("negative outer", RingField::outer, "-36", 0, false);
    row("inner zero", RingField::inner, "0", 0, true);
    row("fudge zero", RingField::fudge, "0", 0, true);
    row("fudge a fraction", RingField::fudge, "1/16", 0.0625, true);
    row("negative zero fudge", RingField::fudge, "-0", 0, true);
    row("thickness in cm", RingField::thickness, "1.905cm", 0.75, true);
    row("thickness zero in mm", RingField::thickness, "0mm", 0, false);
    row("kerf zero", RingField::kerf, "0", 0, true);
    row("kerf not a length", RingField::kerf, "thin", 0, false);
}

void TestProject::fieldValues()
{
    QFETCH(int, field);
    QFETCH(QByteArray, text);
    QFETCH(double, value);
    QFETCH(bool, allowed);
    const FieldReading reading = readRingField(static_cast<RingField>(field), text.toStdString());
    QCOMPARE(reading.problem.empty(), allowed);
    if (allowed)
        QCOMPARE(reading.value, value);
    else
        QVERIFY(reading.problem.starts_with('"' + text.toStdString() + '"'));
}

QTEST_APPLESS_MAIN(TestProject)
#include "tst_project.moc"
