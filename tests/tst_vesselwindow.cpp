// The vessel window worked as a user works it: project files opened in the real window, values
// typed into the ring table's cells, the ring commands on their keys, undo, saving and closing,
// with the results checked against the closed forms of the shared oracle.

#include "core/projectfile.h"
#include "tests/support/expected.h"
#include "tests/support/pdfpages.h"
#include "window/orvane.h"
#include "window/vessel/ringtablemodel.h"
#include "window/vessel/ringtableview.h"
#include "window/vessel/vesseldialogs.h"
#include "window/vessel/vesseldocument.h"
#include "window/vessel/vesselopening.h"
#include "window/vessel/vesselsettings.h"
#include "window/vessel/vesselwindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <algorithm>
#include <cmath>
#include <memory>

using namespace orvane;
using Model = RingTableModel;

namespace {

// Three rings from the foot up; neighbours share at least half an inch of glue face.
const QByteArray vase = R"({"format": "orvane-vessel", "version": 1, "name": "Vase", "units": "in",
 "kerf": 0.125, "rings": [
  {"name": "Foot", "segments": 8, "outer": 6, "inner": 4.25, "fudge": 0.125, "thickness": 0.75,
   "kerf": 0.125, "wood": "Maple"},
  {"name": "Belly", "segments": 12, "outer": 9, "inner": 5, "fudge": 0.25, "thickness": 1,
   "kerf": 0.125, "wood": "Walnut"},
  {"name": "Rim", "segments": 16, "outer": 7, "inner": 6, "fudge": 0.25, "thickness": 0.75,
   "kerf": 0.125, "wood": "Maple"}]}
)";
// A bowl drawn as a profile: its foot a disc, two rings up to the rim.
const QByteArray profiledBowl = R"({"format": "orvane-vessel", "version": 2, "name": "Bowl",
 "profile": [{"r": 2, "h": 0, "corner": true}, {"r": 3.5, "h": 1.5}, {"r": 3.8, "h": 2,
 "corner": true}], "rings": [{"name": "Foot", "segments": 8, "thickness": 0.75},
 {"name": "Belly", "segments": 12, "thickness": 0.75},
 {"name": "Lip", "segments": 12, "thickness": 0.75}]})";
const QByteArray metricBowl = R"({"format": "orvane-vessel", "version": 1, "units": "mm",
 "rings": [{"segments": 12, "outer": 150, "inner": 110}]})";
// A jar drawn as a profile, 6 in across and 3 in high with a wall of 1/2 in: its two rings stop
// halfway to the rim, the foot a disc, the ring above it 6 in outside and 5 in inside.
const QByteArray jar = R"({"format": "orvane-vessel", "version": 2, "name": "Jar",
 "profile": [{"r": 3, "h": 0, "corner": true}, {"r": 3, "h": 3, "corner": true}], "wall": 0.5,
 "rings": [{"segments": 12, "thickness": 0.75}, {"segments": 12, "thickness": 0.75}]})";

class ScriptedVesselDialogs : public VesselDialogs
{
public:
    UnsavedChanges answer = UnsavedChanges::cancel;
    QString fileToOpen;
    QString fileToSave;
    QStringList askedToSave;
    QStringList problems;

    UnsavedChanges askToSave(QWidget *, const QString &name) override
    {
        askedToSave << name;
        return answer;
    }
    QString openFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        return fileToOpen;
    }
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        return fileToSave;
    }
    bool choosePrinter(QWidget *, QPrinter &) override { return false; }
    void showProblem(QWidget *, const QString &, const QString &message) override
    {
        problems << message;
    }
};

QList<VesselWindow *> vesselWindows()
{
    QList<VesselWindow *> windows;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<VesselWindow *>(widget))
            windows << window;
    }
    return windows;
}

QString cell(const VesselWindow *window, int row, int column)
{
    return window->ringTable()->model()->index(row, column).data().toString();
}

QString toolTip(const VesselWindow *window, int row, int column)
{
    return window->ringTable()->model()->index(row, column).data(Qt::ToolTipRole).toString();
}

QStringList column(const VesselWindow *window, int column)
{
    QStringList texts;
    for (int row = 0; row < window->ringTable()->model()->rowCount(); ++row)
        texts << cell(window, row, column);
    return texts;
}

void press(const QKeySequence &keys)
{
    QTest::keySequence(QApplication::focusWidget(), keys);
}

// Clicks the cell, types `text` key by key and presses Enter, as in a spreadsheet, unless the
// value is to be left open in its cell.
enum class Then
{
    enter,
    leaveOpen
};
void typeInto(
    VesselWindow *window, int row, int column, const QString &text, Then then = Then::enter)
{
    RingTableView *table = window->ringTable();
    const QModelIndex index = table->model()->index(row, column);
    table->scrollTo(index);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(index).center());
    for (const QChar c : text)
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    if (then == Then::leaveOpen)
        return;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCoreApplication::processEvents(); // the editor hands in its value in the event loop's turn
}

// The button the bar over the table offers for the command `text`, when it shows one.
QToolButton *rimButton(VesselWindow *window, const QString &text)
{
    for (auto *button : window->findChild<QWidget *>("rimBar")->findChildren<QToolButton *>()) {
        if (button->text() == text && button->isVisible())
            return button;
    }
    return nullptr;
}

bool italic(const VesselWindow *window, int row, int column)
{
    return window->ringTable()
        ->model()
        ->index(row, column)
        .data(Qt::FontRole)
        .value<QFont>()
        .italic();
}

QAction *menuAction(VesselWindow *window, const QString &text)
{
    for (QAction *action : window->findChildren<QAction *>()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

QByteArray contents(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A length as the table's tool tip gives it: five decimals, no zero before the point.
double stripLength(const expected::Ring &ring, double kerf)
{
    const double n = ring.segmentCount;
    const double longSide = expected::longSide(ring);
    const double shortSide = expected::shortSide(ring);
    return n * (longSide + shortSide) / 2 + (longSide - shortSide) / 2
        + (n - 1) * kerf / std::cos(3.141593 / n);
}

} // namespace

Q_DECLARE_METATYPE(VesselDialogs::UnsavedChanges)
Q_DECLARE_METATYPE(expected::Ring)

class TestVesselWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void opensWithTheKeysOnTheFirstCell();
    void typedValuesAreTaken_data();
    void typedValuesAreTaken();
    void resultsFollowTheRing_data();
    void resultsFollowTheRing();
    void refusedValuesKeepTheCell_data();
    void refusedValuesKeepTheCell();
    void ringCommands_data();
    void ringCommands();
    void undoRestoresTheFileByteForByte();
    void unitsAreAnEditSavedInTheFile();
    void closingAsksAboutUnsavedChanges_data();
    void closingAsksAboutUnsavedChanges();
    void copyGivesTheTable();
    void checksOnTheRingsAndInTheStatusBar();
    void diametersTypedAreLocked();
    void ringsFilledToTheRimAndRemovedAboveIt();
    void presetsUnderNew();
    void filesThatCannotOpen_data();
    void filesThatCannotOpen();
    void csvOpensAsANewVessel();
    void pagesOfTheVessel_data();
    void pagesOfTheVessel();
    void vesselWithoutRings();
    void profileWithADiscAndARingAboveTheRim();
    void editsThatChangeNothing();
    void projectNameAndRecentFiles();
    void calculatorStartsAVessel();

private:
    // The window of a project file written with `text`, shown and active.
    VesselWindow *open(const QByteArray &text, const QString &name = QStringLiteral("vase.orvane"));
    QString path(const QString &name) const { return folder->filePath(name); }

    std::unique_ptr<QTemporaryDir> folder;
    std::shared_ptr<ScriptedVesselDialogs> dialogs;
};

void TestVesselWindow::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true); // settings of the tests' own
}

void TestVesselWindow::init()
{
    folder = std::make_unique<QTemporaryDir>();
    QVERIFY(folder->isValid());
    dialogs = std::make_shared<ScriptedVesselDialogs>();
    vesselSettings::rememberForNewVessels(Units::inches, 0.125);
    vesselSettings::setLastFolder(folder->path());
    vesselSettings::setCheckSettings({});
}

void TestVesselWindow::cleanup()
{
    qDeleteAll(vesselWindows());
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<Orvane *>(widget))
            delete widget;
    }
}

VesselWindow *TestVesselWindow::open(const QByteArray &text, const QString &name)
{
    QFile file(path(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        return nullptr;
    file.close();
    VesselWindow *window = openVesselFile(path(name), dialogs, nullptr);
    if (window) {
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window))
            return nullptr;
    }
    return window;
}

void TestVesselWindow::opensWithTheKeysOnTheFirstCell()
{
    VesselWindow *window = open(vase);
    QVERIFY(window);
    QCOMPARE(window->objectName(), QStringLiteral("vesselWindow"));
    QCOMPARE(QApplication::focusWidget(), window->ringTable());
    QCOMPARE(window->ringTable()->currentIndex(), window->ringTable()->model()->index(0, 0));
    QCOMPARE(window->windowTitle(), QStringLiteral("vase.orvane[*] — Orvane"));
    QCOMPARE(column(window, Model::nameColumn), QStringList({ "Foot", "Belly", "Rim" }));
    for (const char *name : { "ringTable", "stackView", "ringPlanView", "segmentDetailView",
             "woodTotals", "projectName" }) {
        auto *control = window->findChild<QWidget *>(QLatin1String(name));
        QVERIFY2(control && !control->accessibleName().isEmpty(), name);
    }
    QCOMPARE(window->findChild<QLabel *>("vesselSize")->text(),
        QStringLiteral("3 rings, 2.5 in high, 9 in at the widest"));
}

void TestVesselWindow::typedValuesAreTaken_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("name") << vase << 0 << int(Model::nameColumn) << "Base"
                          << "Base";
    QTest::newRow("count") << vase << 0 << int(Model::segmentsColumn) << "12"
                           << "12";
    QTest::newRow("fraction") << vase << 1 << int(Model::outerColumn) << "10 1/2"
                              << "10.5";
    QTest::newRow("millimetres") << vase << 1 << int(Model::outerColumn) << "254mm"
                                 << "10";
    QTest::newRow("inch mark") << vase << 1 << int(Model::innerColumn) << "5 1/4\""
                               << "5.25";
    QTest::newRow("fudge") << vase << 0 << int(Model::fudgeColumn) << "1/4"
                           << "0.25";
    QTest::newRow("thickness") << vase << 2 << int(Model::thicknessColumn) << "1.5"
                               << "1.5";
    QTest::newRow("wood") << vase << 2 << int(Model::woodColumn) << "Cherry"
                          << "Cherry";
    QTest::newRow("plain number in a millimetre project")
        << metricBowl << 0 << int(Model::outerColumn) << "160"
        << "160 mm";
    QTest::newRow("inches in a millimetre project")
        << metricBowl << 0 << int(Model::outerColumn) << "6in"
        << "152.4 mm";
}

// The typed value is shown, the window has unsaved changes, and Enter moved on to the ring above.
void TestVesselWindow::typedValuesAreTaken()
{
    QFETCH(QByteArray, file);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QString, shown);

    VesselWindow *window = open(file);
    QVERIFY(window);
    typeInto(window, row, column, typed);
    QCOMPARE(cell(window, row, column), shown);
    QVERIFY(window->isWindowModified());
    const int rows = window->ringTable()->model()->rowCount();
    QCOMPARE(window->ringTable()->currentIndex().row(), std::min(row + 1, rows - 1));
    QCOMPARE(window->ringTable()->currentIndex().column(), column);
}

void TestVesselWindow::resultsFollowTheRing_data()
{
    QTest::addColumn<expected::Ring>("ring");
    QTest::newRow("12 segments") << expected::Ring { 12, 10, 8, 0.25, 0.75 };
    QTest::newRow("7 segments") << expected::Ring { 7, 12, 9, 0.125, 1 };
    QTest::newRow("24 segments, wide") << expected::Ring { 24, 30, 28, 0.5, 0.5 };
    QTest::newRow("100 segments") << expected::Ring { 100, 40, 39, 0.0625, 0.75 };
}

// Every result of a ring typed in, in inches and in millimetres.
void TestVesselWindow::resultsFollowTheRing()
{
    QFETCH(expected::Ring, ring);
    VesselWindow *window = open(vase);
    QVERIFY(window);
    typeInto(window, 0, Model::segmentsColumn, QString::number(ring.segmentCount));
    typeInto(window, 0, Model::outerColumn, QString::number(ring.outerDiameter));
    typeInto(window, 0, Model::innerColumn, QString::number(ring.innerDiameter));
    typeInto(window, 0, Model::fudgeColumn, QString::number(ring.fudge));
    typeInto(window, 0, Model::thicknessColumn, QString::number(*ring.thickness));

    QCOMPARE(cell(window, 0, Model::sawAngleColumn), expected::angle(180.0 / ring.segmentCount));
    QCOMPARE(
        cell(window, 0, Model::boardFeetColumn), expected::fourDecimals(expected::boardFeet(ring)));
    const QList<QPair<int, double>> lengths { { Model::longSideColumn, expected::longSide(ring) },
        { Model::shortSideColumn, expected::shortSide(ring) },
        { Model::boardWidthColumn, expected::boardWidth(ring) },
        { Model::stripLengthColumn, stripLength(ring, 0.125) } };
    for (const auto &[lengthColumn, inches] : lengths) {
        QCOMPARE(cell(window, 0, lengthColumn), expected::sixteenths(inches).trimmed());
        QCOMPARE(toolTip(window, 0, lengthColumn), expected::fiveDecimals(inches));
    }
    menuAction(window, QStringLiteral("Millimetres"))->trigger();
    QCOMPARE(cell(window, 0, Model::outerColumn),
        QString::number(ring.outerDiameter * 25.4) + QStringLiteral(" mm"));
    for (const auto &[lengthColumn, inches] : lengths) {
        QCOMPARE(cell(window, 0, lengthColumn),
            QString::number(inches * 25.4, 'f', 1) + QStringLiteral(" mm"));
    }
}

void TestVesselWindow::refusedValuesKeepTheCell_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("reason");
    QTest::newRow("too few segments") << 0 << int(Model::segmentsColumn) << "2"
                                      << "\"2\" is not allowed: a whole number from 3 to 100";
    QTest::newRow("not a length") << 0 << int(Model::outerColumn) << "six"
                                  << "\"six\" is not a length: a number with an optional unit";
    QTest::newRow("inner not below outer")
        << 0 << int(Model::innerColumn) << "7"
        << "7 in is not allowed: a length below the outer diameter (the outer diameter is 6 in)";
    QTest::newRow("outer not above inner") << 1 << int(Model::outerColumn) << "4"
                                           << "a length below the outer diameter";
    QTest::newRow("fudge leaves no short side")
        << 0 << int(Model::fudgeColumn) << "3"
        << "the inner diameter must be at least twice the fudge";
    QTest::newRow("no thickness") << 2 << int(Model::thicknessColumn) << "0"
                                  << "\"0\" is not allowed: a length more than 0";
}

// A refused value is not taken: the cell keeps its value and stays current, its tool tip and the
// status bar say why, and nothing is there to undo.
void TestVesselWindow::refusedValuesKeepTheCell()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QString, reason);

    VesselWindow *window = open(vase);
    QVERIFY(window);
    const QString before = cell(window, row, column);
    typeInto(window, row, column, typed);
    QCOMPARE(cell(window, row, column), before);
    QVERIFY2(
        toolTip(window, row, column).contains(reason), qPrintable(toolTip(window, row, column)));
    QVERIFY2(window->statusBar()->currentMessage().contains(reason),
        qPrintable(window->statusBar()->currentMessage()));
    QCOMPARE(window->ringTable()->currentIndex(), window->ringTable()->model()->index(row, column));
    QVERIFY(!window->isWindowModified());
    QCOMPARE(window->document().undoStack().count(), 0);
}

void TestVesselWindow::ringCommands_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("current");
    QTest::newRow("add: a copy on top")
        << 1 << QKeySequence("Ctrl++") << QStringList { "Foot", "Belly", "Ring 3", "Rim" } << 2;
    QTest::newRow("remove") << 1 << QKeySequence("Ctrl+-") << QStringList { "Foot", "Rim" } << 1;
    QTest::newRow("move up, toward the rim")
        << 0 << QKeySequence("Ctrl+Shift+Up") << QStringList { "Belly", "Foot", "Rim" } << 1;
    QTest::newRow("move down, toward the foot")
        << 2 << QKeySequence("Ctrl+Shift+Down") << QStringList { "Foot", "Rim", "Belly" } << 1;
    QTest::newRow("the foot moves no lower")
        << 0 << QKeySequence("Ctrl+Shift+Down") << QStringList { "Foot", "Belly", "Rim" } << 0;
    QTest::newRow("all removed, then the start ring")
        << 0 << QKeySequence("Ctrl+-, Ctrl+-, Ctrl+-, Ctrl++") << QStringList { "Ring 1" } << 0;
}

// The ring commands on their keys, each undone again with Ctrl+Z.
void TestVesselWindow::ringCommands()
{
    QFETCH(int, row);
    QFETCH(QKeySequence, keys);
    QFETCH(QStringList, names);
    QFETCH(int, current);

    VesselWindow *window = open(vase);
    QVERIFY(window);
    window->ringTable()->setCurrentIndex(window->ringTable()->model()->index(row, 0));
    const QStringList outers = column(window, Model::outerColumn);
    press(keys);
    QCOMPARE(column(window, Model::nameColumn), names);
    QCOMPARE(window->ringTable()->currentIndex().row(), current);
    if (names.contains(QStringLiteral("Ring 3"))) // the copy has the values of the one below
        QCOMPARE(cell(window, 2, Model::outerColumn), outers[1]);

    while (window->document().undoStack().canUndo())
        press(QKeySequence::Undo);
    QCOMPARE(column(window, Model::nameColumn), QStringList({ "Foot", "Belly", "Rim" }));
    QCOMPARE(column(window, Model::outerColumn), outers);
    QVERIFY(!window->isWindowModified());
}

// Edits of every kind, saved; all undone and saved again, the file is what it was, byte for byte;
// all redone, it is the edited one.
void TestVesselWindow::undoRestoresTheFileByteForByte()
{
    VesselWindow *window = open(vase);
    QVERIFY(window);
    press(QKeySequence::Save);
    const QByteArray original = contents(path("vase.orvane"));
    QVERIFY(!original.isEmpty());

    typeInto(window, 1, Model::outerColumn, QStringLiteral("241.3mm"));
    typeInto(window, 0, Model::woodColumn, QStringLiteral("Oak"));
    typeInto(window, 2, Model::fudgeColumn, QStringLiteral("3/16"));
    press(QKeySequence("Ctrl++"));
    press(QKeySequence("Ctrl+Shift+Down"));
    menuAction(window, QStringLiteral("Millimetres"))->trigger();
    press(QKeySequence::Save);
    const QByteArray edited = contents(path("vase.orvane"));
    QVERIFY(edited != original);
    QVERIFY(!window->isWindowModified());

    while (window->document().undoStack().canUndo())
        press(QKeySequence::Undo);
    QVERIFY(window->isWindowModified());
    press(QKeySequence::Save);
    QCOMPARE(contents(path("vase.orvane")), original);

    while (window->document().undoStack().canRedo())
        press(QKeySequence::Redo);
    press(QKeySequence::Save);
    QCOMPARE(contents(path("vase.orvane")), edited);
}

// The units are the project's: an edit that can be undone, written into the file, and the units
// a new vessel starts with.
void TestVesselWindow::unitsAreAnEditSavedInTheFile()
{
    VesselWindow *window = open(vase);
    QVERIFY(window);
    menuAction(window, QStringLiteral("Millimetres"))->trigger();
    QCOMPARE(
        column(window, Model::outerColumn), QStringList({ "152.4 mm", "228.6 mm", "177.8 mm" }));
    QVERIFY(window->isWindowModified());
    QCOMPARE(vesselSettings::newVesselUnits(), Units::millimetres);
    press(QKeySequence::Save);
    const QByteArray saved = contents(path("vase.orvane"));
    const ProjectFileReading reading = readProjectFile(saved.toStdString(), "vase.orvane");
    QVERIFY(reading.vessel);
    QCOMPARE(reading.vessel->units, Units::millimetres);
    QCOMPARE(reading.vessel->rings[0].inputs.outerDiameter, 6.0);

    press(QKeySequence::Undo);
    QCOMPARE(column(window, Model::outerColumn), QStringList({ "6", "9", "7" }));
    QVERIFY(menuAction(window, QStringLiteral("Inches"))->isChecked());
}

void TestVesselWindow::closingAsksAboutUnsavedChanges_data()
{
    QTest::addColumn<bool>("edited");
    QTest::addColumn<VesselDialogs::UnsavedChanges>("answer");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("saved");
    using Answer = VesselDialogs::UnsavedChanges;
    QTest::newRow("save") << true << Answer::save << true << true;
    QTest::newRow("discard") << true << Answer::discard << true << false;
    QTest::newRow("cancel") << true << Answer::cancel << false << false;
    QTest::newRow("nothing to save") << false << Answer::cancel << true << false;
}

void TestVesselWindow::closingAsksAboutUnsavedChanges()
{
    QFETCH(bool, edited);
    QFETCH(VesselDialogs::UnsavedChanges, answer);
    QFETCH(bool, closed);
    QFETCH(bool, saved);

    QPointer<VesselWindow> window = open(vase);
    QVERIFY(window);
    if (edited) // still open in its cell: closing takes it as Enter would
        typeInto(window, 0, Model::woodColumn, QStringLiteral("Oak"), Then::leaveOpen);
    dialogs->answer = answer;
    press(QKeySequence::Close);
    QCOMPARE(dialogs->askedToSave,
        edited ? QStringList { QStringLiteral("vase.orvane") } : QStringList());
    QTRY_COMPARE(window.isNull() || !window->isVisible(), closed);
    QCOMPARE(contents(path("vase.orvane")).contains("\"Oak\""), saved);
}

void TestVesselWindow::copyGivesTheTable()
{
    VesselWindow *window = open(vase);
    QVERIFY(window);
    press(QKeySequence::Copy);
    const QStringList lines = QApplication::clipboard()->text().split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines[0].split(u'\t'),
        QStringList({ "Name", "Segments", "Outer", "Inner", "Fudge", "Thickness", "Wood",
            "Rotation", "Saw Angle", "Long Side", "Short Side", "Board Width", "Strip Length",
            "Board Feet" }));
    const expected::Ring belly { 12, 9, 5, 0.25, 1 };
    // 12 joints over 8: a turn of 180° / lcm(8, 12) from the foot's at 0.
    QCOMPARE(lines[2].split(u'\t').mid(0, 11),
        QStringList({ "Belly", "12", "9", "5", "0.25", "1", "Walnut", "7.5°", "15.0°",
            expected::sixteenths(expected::longSide(belly)).trimmed(),
            expected::sixteenths(expected::shortSide(belly)).trimmed() }));
}

// The checks mark their rings in the table and fill the status bar: a narrow glue face until a
// diameter typed in gives it enough; then a board wider than the widest board the preferences
// set, in every window open.
void TestVesselWindow::checksOnTheRingsAndInTheStatusBar()
{
    QByteArray narrow = vase;
    narrow.replace("\"inner\": 5,", "\"inner\": 5.75,"); // 3 - 2.875: an eighth of an inch
    VesselWindow *window = open(narrow);
    QVERIFY(window);
    auto *checks = window->findChild<QLabel *>("vesselChecks");
    const QString joint = "ring 2 (Belly): it and ring 1 (Foot) share 0.125 in of glue face, "
                          "less than 0.25 in: the joint may not hold";
    // The first warning, cut short where the status bar has no room for it; all in the tool tip.
    QVERIFY2(checks->text().startsWith("1 warning: ring 2 (Belly): it and ring 1 (Foot) share"),
        qPrintable(checks->text()));
    QCOMPARE(checks->toolTip(), joint);
    const auto icon = [window](int row) {
        return window->ringTable()->model()->index(row, 0).data(Qt::DecorationRole).value<QIcon>();
    };
    for (int row : { 0, 1 }) {
        QCOMPARE(toolTip(window, row, Model::nameColumn), joint);
        QVERIFY(!icon(row).isNull());
    }
    QVERIFY(toolTip(window, 2, Model::nameColumn).isEmpty());
    QVERIFY(icon(2).isNull());
    QVERIFY(!menuAction(window, QStringLiteral("Fill to Rim"))->isEnabled()); // no profile

    typeInto(window, 1, Model::innerColumn, QStringLiteral("5.5"));
    QCOMPARE(checks->text(), QString());
    QVERIFY(toolTip(window, 0, Model::nameColumn).isEmpty());

    press(QKeySequence::New); // the start ring: a board 5.476 in wide
    VesselWindow *other
        = vesselWindows().value(0) == window ? vesselWindows().value(1) : vesselWindows().value(0);
    QCOMPARE(other->findChild<QLabel *>("vesselChecks")->text(), QString());
    menuAction(window, QStringLiteral("Preferences…"))->trigger();
    auto *preferences = window->findChild<QDialog *>("preferences");
    QVERIFY(preferences && preferences->isVisible());
    auto *widest = preferences->findChild<QLineEdit *>("widestBoard");
    QCOMPARE(widest->text(), QStringLiteral("7.25"));
    QPushButton *ok = preferences->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
    widest->selectAll();
    QTest::keyClicks(widest, QStringLiteral("two"));
    QVERIFY(!ok->isEnabled());
    widest->selectAll();
    QTest::keyClicks(widest, QStringLiteral("2"));
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(vesselSettings::checkSettings().widestBoard, 2.0);
    for (VesselWindow *each : { window, other }) {
        const auto *label = each->findChild<QLabel *>("vesselChecks");
        QVERIFY2(label->text().startsWith("1 warning: "), qPrintable(label->text()));
        QVERIFY2(label->toolTip().contains("wider than the widest board (2 in)"),
            qPrintable(label->toolTip()));
    }
}

// In a vessel with a profile the diameters come from it, until one is typed: then it is locked,
// and saved, until the profile is asked for it again or its cell is cleared. A typed fudge is
// the ring's own. A locked diameter that no longer covers the wall is a check.
void TestVesselWindow::diametersTypedAreLocked()
{
    VesselWindow *window = open(jar, QStringLiteral("jar.orvane"));
    QVERIFY(window);
    QCOMPARE(cell(window, 1, Model::outerColumn), QStringLiteral("6"));
    QVERIFY(italic(window, 1, Model::outerColumn));
    QCOMPARE(toolTip(window, 1, Model::outerColumn), QStringLiteral("From the profile"));

    typeInto(window, 1, Model::outerColumn, QStringLiteral("6.5"));
    typeInto(window, 0, Model::fudgeColumn, QStringLiteral("1/8"));
    QCOMPARE(cell(window, 1, Model::outerColumn), QStringLiteral("6.5"));
    QVERIFY(!italic(window, 1, Model::outerColumn));
    QVERIFY(toolTip(window, 1, Model::outerColumn).startsWith("Locked"));
    QVERIFY(italic(window, 1, Model::innerColumn));
    QVERIFY(!italic(window, 0, Model::fudgeColumn));
    press(QKeySequence::Save);
    const QByteArray saved = contents(path("jar.orvane"));
    QVERIFY(saved.contains(R"({"name": "Ring 1", "segments": 12, "fudge": 0.125, "thickness")"));
    QVERIFY(saved.contains(R"({"name": "Ring 2", "segments": 12, "outer": 6.5, "thickness")"));

    typeInto(window, 1, Model::outerColumn, QStringLiteral("5.5"));
    auto *checks = window->findChild<QLabel *>("vesselChecks");
    const QString uncovered = "its locked outer diameter, 5.5 in, is smaller than the 6 in";
    QVERIFY2(checks->toolTip().contains(uncovered), qPrintable(checks->toolTip()));
    QVERIFY(toolTip(window, 1, Model::nameColumn).contains(uncovered));

    window->ringTable()->setCurrentIndex(window->ringTable()->model()->index(1, 0));
    menuAction(window, QStringLiteral("Take Diameters from Profile"))->trigger();
    QCOMPARE(cell(window, 1, Model::outerColumn), QStringLiteral("6"));
    QVERIFY(italic(window, 1, Model::outerColumn));
    QVERIFY(!checks->toolTip().contains(uncovered));
    QVERIFY(!menuAction(window, QStringLiteral("Take Diameters from Profile"))->isEnabled());
    press(QKeySequence::Undo); // one step
    QCOMPARE(cell(window, 1, Model::outerColumn), QStringLiteral("5.5"));

    // Cleared, the cell takes the profile's value again.
    RingTableView *table = window->ringTable();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
        table->visualRect(table->model()->index(1, Model::outerColumn)).center());
    QTest::keyClick(table, Qt::Key_F2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCoreApplication::processEvents();
    QCOMPARE(cell(window, 1, Model::outerColumn), QStringLiteral("6"));
    QVERIFY(!window->document().vessel().rings[1].outerLocked);
}

// A stack that stops below the rim is filled up to it in one step; rings added above it are
// offered for removal, in one step.
void TestVesselWindow::ringsFilledToTheRimAndRemovedAboveIt()
{
    VesselWindow *window = open(jar, QStringLiteral("jar.orvane"));
    QVERIFY(window);
    auto *message = window->findChild<QLabel *>("rimMessage");
    QVERIFY(message->isVisible());
    QCOMPARE(message->text(), QStringLiteral("The rings stop 1.5 in below the rim."));
    QToolButton *fill = rimButton(window, QStringLiteral("Fill to Rim"));
    QVERIFY(fill);
    QVERIFY(!rimButton(window, QStringLiteral("Remove Rings Above the Rim")));
    QTest::mouseClick(fill, Qt::LeftButton);
    QCOMPARE(
        column(window, Model::nameColumn), QStringList({ "Ring 1", "Ring 2", "Ring 3", "Ring 4" }));
    QCOMPARE(cell(window, 3, Model::innerColumn), QStringLiteral("5"));
    QVERIFY(!message->isVisible());
    QVERIFY(!menuAction(window, QStringLiteral("Fill to Rim"))->isEnabled());
    press(QKeySequence::Undo);
    QCOMPARE(window->ringTable()->model()->rowCount(), 2);
    press(QKeySequence::Redo);
    QCOMPARE(window->ringTable()->model()->rowCount(), 4);

    window->ringTable()->setCurrentIndex(window->ringTable()->model()->index(3, 0));
    press(QKeySequence("Ctrl++, Ctrl++"));
    QCOMPARE(message->text(),
        QStringLiteral("Rings 5 to 6 start at or above the rim: they are not part of the vessel."));
    QVERIFY(window->findChild<QLabel *>("vesselChecks")
                ->toolTip()
                .contains("ring 6 (Ring 6): it starts at or above the rim (3 in)"));
    QTest::mouseClick(
        rimButton(window, QStringLiteral("Remove Rings Above the Rim")), Qt::LeftButton);
    QCOMPARE(window->ringTable()->model()->rowCount(), 4);
    QVERIFY(!message->isVisible());
    press(QKeySequence::Undo);
    QCOMPARE(window->ringTable()->model()->rowCount(), 6);
}

// File > New starts an empty vessel (Ctrl+N) or one of the presets, ready to cut: no warnings.
void TestVesselWindow::presetsUnderNew()
{
    VesselWindow *window = open(vase);
    QVERIFY(window);
    auto *menu = window->findChild<QMenu *>("newVessel");
    QStringList names;
    for (QAction *action : menu->actions())
        names << action->text();
    QCOMPARE(names, QStringList({ "Empty", "", "Bowl", "Vase", "Hollow Form", "Box" }));
    QCOMPARE(menu->actions()[0]->shortcut(), QKeySequence(QKeySequence::New));
    menu->actions().value(3)->trigger();
    const QList<VesselWindow *> windows = vesselWindows();
    VesselWindow *preset = windows.value(0) == window ? windows.value(1) : windows.value(0);
    QCOMPARE(preset->displayName(), QStringLiteral("Vase"));
    QCOMPARE(preset->ringTable()->model()->rowCount(), 10);
    QCOMPARE(preset->findChild<QLabel *>("vesselChecks")->text(), QString());
    QVERIFY(!preset->findChild<QWidget *>("rimBar")->isVisible());
}

void TestVesselWindow::filesThatCannotOpen_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("reason");
    QTest::newRow("not JSON") << "broken.orvane" << QByteArray("{\"format\": ")
                              << "broken.orvane:1:";
    QByteArray newer = vase;
    newer.replace("\"version\": 1", "\"version\": 99");
    QTest::newRow("newer version") << "newer.orvane" << newer << "made by a newer Orvane";
    QTest::newRow("CSV with a bad ring")
        << "bad.csv" << QByteArray("name,segments,outer,inner\nFoot,2,6,4\n") << "bad.csv:2:";
    QTest::newRow("no such file") << "missing.orvane" << QByteArray() << "cannot be read";
}

// A file that cannot be opened opens no window: the window says why, and the program given it
// as an argument says why on its error output and ends with status 2.
void TestVesselWindow::filesThatCannotOpen()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, text);
    QFETCH(QString, reason);

    QFile good(path("vase.orvane"));
    QVERIFY(good.open(QIODevice::WriteOnly));
    good.write(vase);
    good.close();
    if (!text.isEmpty()) {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    QVERIFY(!openVesselFile(path(name), dialogs, nullptr));
    QCOMPARE(dialogs->problems.size(), 1);
    QVERIFY2(dialogs->problems[0].contains(reason), qPrintable(dialogs->problems[0]));
    QVERIFY(vesselWindows().isEmpty());

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(ORVANE_EXECUTABLE), { path("vase.orvane"), path(name) });
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitCode(), 2);
    QVERIFY2(program.readAllStandardError().contains(reason.toUtf8()), qPrintable(reason));
}

// A CSV's rings open as a new vessel named after the file; saving it asks where, and writes a
// project file, not the CSV.
void TestVesselWindow::csvOpensAsANewVessel()
{
    const QByteArray csv("name,segments,outer,inner,thickness,wood\nFoot,8,6,4.25,3/4,Ash\n"
                         "Rim,12,150mm,120mm,1,Ash\n");
    VesselWindow *window = open(csv, QStringLiteral("bowl.csv"));
    QVERIFY(window);
    QCOMPARE(window->displayName(), QStringLiteral("bowl"));
    QCOMPARE(column(window, Model::outerColumn), QStringList({ "6", "5.90551" }));
    dialogs->fileToSave = path("bowl");
    press(QKeySequence::Save);
    QCOMPARE(window->document().fileName(), path("bowl.orvane"));
    QCOMPARE(contents(path("bowl.csv")), csv);
    const ProjectFileReading saved
        = readProjectFile(contents(path("bowl.orvane")).toStdString(), "bowl.orvane");
    QVERIFY(saved.vessel);
    QCOMPARE(saved.vessel->name, std::string("bowl"));
    QCOMPARE(saved.vessel->rings.size(), std::size_t(2));
    QCOMPARE(vesselSettings::recentFiles().value(0), path("bowl.orvane"));
}

void TestVesselWindow::pagesOfTheVessel_data()
{
    QTest::addColumn<QByteArray>("project");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("under");
    QTest::addColumn<QStringList>("names"); // on the pages; none when nothing is written
    const QStringList vaseNames { "Vase", "Foot", "Belly", "Rim" };
    const QString gauge = QStringLiteral("Save Profile Gauge as PDF…");
    QTest::newRow("cut list") << vase << "Save Cut List as PDF…"
                              << "" << vaseNames;
    QTest::newRow("templates") << vase << "Save Templates as PDF…"
                               << "" << vaseNames;
    QTest::newRow("cut list, no such folder") << vase << "Save Cut List as PDF…"
                                              << "gone/" << QStringList();
    QTest::newRow("profile gauge")
        << profiledBowl << gauge << "" << QStringList { "Bowl", "Profile Gauge", "Belly", "Lip" };
    QTest::newRow("profile gauge, no such folder")
        << profiledBowl << gauge << "gone/" << QStringList();
}

// The vessel's pages saved from the File menu, under the project's name and each ring's name; a
// file that cannot be written is reported. The profile gauge is there only for a vessel drawn as
// a profile.
void TestVesselWindow::pagesOfTheVessel()
{
    QFETCH(QByteArray, project);
    QFETCH(QString, command);
    QFETCH(QString, under);
    QFETCH(QStringList, names);

    VesselWindow *window = open(project);
    QVERIFY(window);
    QCOMPARE(menuAction(window, QStringLiteral("Save Profile Gauge as PDF…"))->isEnabled(),
        project.contains("\"profile\""));
    dialogs->fileToSave = path(under + QStringLiteral("pages"));
    menuAction(window, command)->trigger();
    QCOMPARE(dialogs->problems.size(), names.isEmpty() ? 1 : 0);
    if (names.isEmpty())
        return;
    const PdfContents pdf = readPdf(path("pages.pdf"));
    QVERIFY2(pdf.error.isEmpty(), qPrintable(pdf.error));
    const QString text = pdf.texts().join(u' ');
    for (const QString &name : names)
        QVERIFY2(text.contains(name), qPrintable(name));
}

// A project file without rings opens as a new vessel: nothing to print or export until a ring is
// added, and the first ring added is the start ring.
void TestVesselWindow::vesselWithoutRings()
{
    VesselWindow *window
        = open(R"({"format": "orvane-vessel", "version": 1, "name": "Bowl", "rings": []})");
    QVERIFY(window);
    QCOMPARE(window->ringTable()->model()->rowCount(), 0);
    QCOMPARE(window->findChild<QLabel *>("vesselSize")->text(),
        QStringLiteral("0 rings, 0 in high, 0 in at the widest"));
    for (const char *command : { "Export CSV…", "Print Cut List…", "Save Cut List as PDF…",
             "Save Templates as PDF…", "Remove Ring", "Move Up" })
        QVERIFY2(!menuAction(window, QString::fromUtf8(command))->isEnabled(), command);
    press(QKeySequence("Ctrl++"));
    QCOMPARE(window->tableText().split(u'\n')[1].split(u'\t').mid(0, 6),
        QStringList({ "Ring 1", "6", "36", "30", "0.25", "0.75" }));
    QVERIFY(menuAction(window, QStringLiteral("Print Cut List…"))->isEnabled());
}

// A vessel drawn as a profile: its foot a solid disc, its last ring above the rim. Every ring has
// its row; the one above the rim shows what was typed and no results, and its place says why.
void TestVesselWindow::profileWithADiscAndARingAboveTheRim()
{
    VesselWindow *window = open(R"({"format": "orvane-vessel", "version": 2, "name": "Bowl",
        "profile": [{"r": 2, "h": 0, "corner": true}, {"r": 3.5, "h": 1.5}, {"r": 3.8, "h": 2,
        "corner": true}], "rings": [{"segments": 8, "thickness": 0.75},
        {"segments": 12, "thickness": 0.75}, {"segments": 12, "thickness": 0.75},
        {"name": "Spare", "segments": 12, "thickness": 0.75}]})");
    QVERIFY(window);
    QAbstractItemModel *model = window->ringTable()->model();
    QCOMPARE(model->rowCount(), 4);
    QCOMPARE(model->index(0, Model::sawAngleColumn).data().toString(), QString());
    QVERIFY(!model->index(0, Model::boardFeetColumn).data().toString().isEmpty());
    QCOMPARE(model->index(1, Model::sawAngleColumn).data().toString(), QString::fromUtf8("15.0°"));
    QCOMPARE(model->index(3, Model::nameColumn).data().toString(), QStringLiteral("Spare"));
    QCOMPARE(model->index(3, Model::boardFeetColumn).data().toString(), QString());
    QVERIFY(model->index(3, Model::longSideColumn)
                .data(Qt::ToolTipRole)
                .toString()
                .contains(QStringLiteral("above the rim")));
    window->ringTable()->setCurrentIndex(model->index(3, 0));
    QCOMPARE(window->ringTable()->currentIndex().row(), 3);
}

// A cell's text handed back as the editor starts with it (F2, then Enter) keeps the value, even
// where the text is rounded; a value typed that is the ring's already is no edit either.
void TestVesselWindow::editsThatChangeNothing()
{
    VesselWindow *window = open(R"({"format": "orvane-vessel", "version": 1, "units": "mm",
        "rings": [{"segments": 12, "outer": 150.123, "inner": 110}]})");
    QVERIFY(window);
    RingTableView *table = window->ringTable();
    table->setCurrentIndex(table->model()->index(0, Model::outerColumn));
    QCOMPARE(cell(window, 0, Model::outerColumn), QStringLiteral("150.12 mm"));
    QTest::keyClick(table, Qt::Key_F2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCoreApplication::processEvents();
    typeInto(window, 0, Model::innerColumn, QStringLiteral("110"));
    QCOMPARE(window->document().undoStack().count(), 0);
    QVERIFY(!window->isWindowModified());
    QCOMPARE(window->document().vessel().rings[0].inputs.outerDiameter * 25.4, 150.123);
}

// The project's name is an edit like any other, taken when the file is saved even before Enter; a
// saved file is offered again under Open Recent.
void TestVesselWindow::projectNameAndRecentFiles()
{
    VesselWindow *window = open(vase);
    QVERIFY(window);
    auto *name = window->findChild<QLineEdit *>("projectName");
    name->setFocus();
    name->selectAll();
    QTest::keyClicks(name, QStringLiteral("Tall vase"));
    press(QKeySequence::Save); // takes the name as it stands in its box
    QCOMPARE(window->document().vessel().name, std::string("Tall vase"));
    QVERIFY(contents(path("vase.orvane")).contains("\"name\": \"Tall vase\""));
    window->ringTable()->setFocus();
    press(QKeySequence::Undo);
    QCOMPARE(name->text(), QStringLiteral("Vase"));

    press(QKeySequence::New); // a window that stays open after this one closes
    QCOMPARE(vesselWindows().size(), 2);
    dialogs->answer = VesselDialogs::UnsavedChanges::discard;
    window->close();
    QTRY_COMPARE(vesselWindows().size(), 1);
    auto *recent = vesselWindows()[0]->findChild<QMenu *>("recentFiles");
    emit recent->aboutToShow();
    QCOMPARE(recent->actions().value(0)->text(), QStringLiteral("&1 vase.orvane"));
    recent->actions().value(0)->trigger();
    const QList<VesselWindow *> windows = vesselWindows();
    QCOMPARE(windows.size(), 2);
    QVERIFY(std::any_of(windows.begin(), windows.end(),
        [](const VesselWindow *open) { return open->document().vessel().name == "Tall vase"; }));
}

// "New Vessel…" starts a vessel of the calculator's ring, or of the start ring with a word why;
// "Open Vessel…" opens a project file.
void TestVesselWindow::calculatorStartsAVessel()
{
    auto *calculator = new Orvane;
    calculator->setVesselDialogs(dialogs);
    calculator->show();
    QVERIFY(QTest::qWaitForWindowActive(calculator));
    calculator->findChild<QLineEdit *>("numsegs")->setText(QStringLiteral("12"));
    QTest::keyClick(calculator, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(vesselWindows().size(), 1);
    const VesselWindow *fromRing = vesselWindows()[0];
    QCOMPARE(fromRing->tableText().split(u'\n')[1].split(u'\t').mid(0, 7),
        QStringList({ "Ring 1", "12", "36", "30", "0.25", "0.75", "" }));
    QVERIFY(fromRing->statusBar()->currentMessage().isEmpty());

    calculator->findChild<QLineEdit *>("boardthick")->setText(QString());
    calculator->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(calculator));
    QTest::keyClick(calculator, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(vesselWindows().size(), 2);
    const VesselWindow *fromStart
        = vesselWindows()[0] == fromRing ? vesselWindows()[1] : vesselWindows()[0];
    QCOMPARE(fromStart->tableText().split(u'\n')[1].split(u'\t').mid(0, 6),
        QStringList({ "Ring 1", "6", "36", "30", "0.25", "0.75" }));
    QVERIFY2(fromStart->statusBar()->currentMessage().contains("not a ring to cut"),
        qPrintable(fromStart->statusBar()->currentMessage()));

    QFile file(path("vase.orvane"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(vase);
    file.close();
    dialogs->fileToOpen = path("vase.orvane");
    calculator->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(calculator));
    QTest::keyClick(calculator, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(vesselWindows().size(), 3);
}

QTEST_MAIN(TestVesselWindow)
#include "tst_vesselwindow.moc"
