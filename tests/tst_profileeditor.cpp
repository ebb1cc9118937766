// The profile editor worked as a user works it, in the real vessel window: points dragged with the
// mouse, added with a double-click, removed with Delete, turned with a right click, values typed
// into the point table and the wall's fields, a profile drawn from the rings and taken away. The
// rings' diameters are read from the ring table and checked against the straight lines of the
// profiles by hand; every change is one undo step.

#include "core/projectfile.h"
#include "window/vessel/profileeditor.h"
#include "window/vessel/profilepointmodel.h"
#include "window/vessel/profileview.h"
#include "window/vessel/ringtablemodel.h"
#include "window/vessel/ringtableview.h"
#include "window/vessel/vesseldocument.h"
#include "window/vessel/vesselwindow.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTableView>
#include <QTest>

#include <memory>

using namespace orvane;
using Points = QList<ProfilePoint>;

namespace {

// A cylinder of radius 3 up to 2 in, then a cone out to 4 at the rim, 4 in high; four rings of
// 1 in. Their outer diameters are 6, 6, 7 (2 x 3.5 at 3 in) and 8.
const QByteArray cone = R"({"format": "orvane-vessel", "version": 2, "units": "in",
 "profile": [{"r": 3, "h": 0, "corner": true}, {"r": 3, "h": 2, "corner": true},
             {"r": 4, "h": 4, "corner": true}],
 "rings": [{"segments": 12, "thickness": 1}, {"segments": 12, "thickness": 1},
           {"segments": 12, "thickness": 1}, {"segments": 12, "thickness": 1}]})";
// The same shape in millimetres: 75 to 50 mm, then out to 100 at 100 mm, rings of 25 mm.
const QByteArray metricCone = R"({"format": "orvane-vessel", "version": 2, "units": "mm",
 "profile": [{"r": 75, "h": 0, "corner": true}, {"r": 75, "h": 50, "corner": true},
             {"r": 100, "h": 100, "corner": true}],
 "rings": [{"segments": 12, "thickness": 25}, {"segments": 12, "thickness": 25},
           {"segments": 12, "thickness": 25}, {"segments": 12, "thickness": 25}]})";
// Rings without a profile: outer diameters 6, 9 and 7.
const QByteArray rings = R"({"format": "orvane-vessel", "version": 1, "units": "in", "rings": [
 {"segments": 8, "outer": 6, "inner": 4.25, "fudge": 0.125, "thickness": 0.75},
 {"segments": 12, "outer": 9, "inner": 5, "fudge": 0.25, "thickness": 1},
 {"segments": 16, "outer": 7, "inner": 6, "fudge": 0.25, "thickness": 0.75}]})";

Points profileOf(const VesselWindow &window)
{
    const auto &profile = window.document().vessel().profile;
    return Points(profile.begin(), profile.end());
}

bool same(const Points &a, const Points &b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
        [](auto p, auto q) { return p.r == q.r && p.h == q.h && p.corner == q.corner; });
}

QStringList ringColumn(const VesselWindow &window, int column)
{
    QStringList texts;
    const QAbstractItemModel *model = window.ringTable()->model();
    for (int row = 0; row < model->rowCount(); ++row)
        texts << model->index(row, column).data().toString();
    return texts;
}

QString statusText(const VesselWindow &window)
{
    return window.statusBar()->currentMessage();
}

void doubleClick(QWidget *widget, QPoint at)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
}

enum class Command
{
    doubleClick,
    deleteKey,
    rightClick,
    rightArrow
};

} // namespace

Q_DECLARE_METATYPE(Points)
Q_DECLARE_METATYPE(Command)

class TestProfileEditor : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { window.reset(); }

    void dragAPoint_data();
    void dragAPoint();
    void pointCommands_data();
    void pointCommands();
    void typeIntoThePointTable_data();
    void typeIntoThePointTable();
    void typeTheWallFloorPadAndFlattening_data();
    void typeTheWallFloorPadAndFlattening();
    void drawAndRemoveAProfile();
    void selectionsFollowEachOther();

private:
    // The window of a project file's text, shown and active.
    void open(const QByteArray &text);
    ProfileView *view() const { return window->findChild<ProfileView *>("profileView"); }
    QTableView *pointTable() const { return window->findChild<QTableView *>("profilePoints"); }
    QPoint pointOnView(double r, double h) const
    {
        return view()->frame().toTarget(r, h).toPoint();
    }
    void typeIntoCell(QTableView *table, int row, int column, const QString &text);

    std::unique_ptr<VesselWindow> window;
};

void TestProfileEditor::open(const QByteArray &text)
{
    ProjectFileReading reading = readProjectFile(text.toStdString(), "test.orvane");
    QVERIFY(reading.vessel);
    window = std::make_unique<VesselWindow>(std::move(*reading.vessel));
    window->resize(1100, 800);
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
}

void TestProfileEditor::typeIntoCell(QTableView *table, int row, int column, const QString &text)
{
    const QModelIndex index = table->model()->index(row, column);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(index).center());
    for (const QChar c : text) // the first key opens the cell's editor, which takes the rest
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCoreApplication::processEvents();
}

void TestProfileEditor::dragAPoint_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("point");
    QTest::addColumn<QPointF>("to"); // r and h where the mouse takes the point, in the file's units
    QTest::addColumn<bool>("shift");
    QTest::addColumn<QPointF>("expected"); // where the point lands
    QTest::addColumn<QStringList>("outers"); // the rings' outer diameters; none for a free drag

    // The rim out to 4 1/2: the cone's line gives 2 x 3.75 at 3 in and 2 x 4.5 at the rim.
    QTest::newRow("to 1/16 inch") << cone << 2 << QPointF(4.52, 4.01) << false << QPointF(4.5, 4)
                                  << QStringList { "6", "6", "7.5", "9" };
    QTest::newRow("to 1 mm") << metricCone << 2 << QPointF(112.3, 100.2) << false
                             << QPointF(112, 100)
                             << QStringList { "150 mm", "150 mm", "187 mm", "224 mm" };
    QTest::newRow("free with Shift")
        << cone << 2 << QPointF(4.52, 4.02) << true << QPointF(4.52, 4.02) << QStringList {};
    // Up past the rim's height it stops there: a flat top from 3 to 4.
    QTest::newRow("stopped at the next point's height")
        << cone << 1 << QPointF(3.02, 5.3) << false << QPointF(3, 4)
        << QStringList { "6", "6", "6", "8" };
    QTest::newRow("the first point stays at the bottom")
        << cone << 0 << QPointF(2.5, 1) << false << QPointF(2.5, 0)
        << QStringList { "5.5", "6", "7", "8" };
}

void TestProfileEditor::dragAPoint()
{
    QFETCH(QByteArray, file);
    QFETCH(int, point);
    QFETCH(QPointF, to);
    QFETCH(bool, shift);
    QFETCH(QPointF, expected);
    QFETCH(QStringList, outers);
    open(file);
    const double inches = window->document().vessel().units == Units::millimetres ? 25.4 : 1;
    const Points before = profileOf(*window);
    const QStringList outersBefore = ringColumn(*window, RingTableModel::outerColumn);
    QVERIFY(view()->isVisible());

    const ProfilePoint start = before[point];
    const QPointF handle = view()->frame().toTarget(start);
    const QPoint pressed = handle.toPoint();
    const QPointF target = view()->frame().toTarget(to.x() / inches, to.y() / inches);
    const Qt::KeyboardModifiers modifiers = shift ? Qt::ShiftModifier : Qt::NoModifier;
    QTest::mousePress(view(), Qt::LeftButton, modifiers, pressed);
    for (int step = 1; step <= 4; ++step) {
        const QPointF at = pressed + (target - handle) * step / 4;
        QTest::mouseEvent(QTest::MouseMove, view(), Qt::NoButton, modifiers, at.toPoint());
    }
    // The rings follow while the point is held, with no step taken yet.
    if (!outers.isEmpty())
        QCOMPARE(ringColumn(*window, RingTableModel::outerColumn), outers);
    QCOMPARE(window->document().undoStack().count(), 0);
    QTest::mouseRelease(view(), Qt::LeftButton, modifiers, (pressed + target - handle).toPoint());

    const ProfilePoint landed = profileOf(*window)[point];
    if (shift) {
        const double pixel = 1 / view()->frame().scale();
        QVERIFY(std::abs(landed.r - expected.x()) <= pixel);
        QVERIFY(std::abs(landed.h - expected.y()) <= pixel);
        QVERIFY(std::abs(landed.r * 16 - std::round(landed.r * 16)) > 1e-6);
    } else {
        QCOMPARE(landed.r, expected.x() / inches);
        QCOMPARE(landed.h, expected.y() / inches);
        const QString unit = inches == 1 ? QString() : QStringLiteral(" mm");
        const QAbstractItemModel *points = pointTable()->model();
        QCOMPARE(points->index(point, ProfilePointModel::rColumn).data().toString(),
            QString::number(expected.x()) + unit);
        QCOMPARE(points->index(point, ProfilePointModel::hColumn).data().toString(),
            QString::number(expected.y()) + unit);
        QCOMPARE(ringColumn(*window, RingTableModel::outerColumn), outers);
    }
    QCOMPARE(window->document().undoStack().count(), 1);
    QTest::keySequence(window.get(), QKeySequence::Undo);
    QVERIFY(same(profileOf(*window), before));
    QCOMPARE(ringColumn(*window, RingTableModel::outerColumn), outersBefore);
}

void TestProfileEditor::pointCommands_data()
{
    QTest::addColumn<Command>("command");
    QTest::addColumn<QPointF>("at"); // where the mouse clicks, r and h
    QTest::addColumn<Points>("expected");
    QTest::addColumn<QString>("message"); // what the status bar says of a change refused

    const ProfilePoint foot { 3, 0, true };
    const ProfilePoint knee { 3, 2, true };
    const ProfilePoint rim { 4, 4, true };
    QTest::newRow("double-click on the outside adds a point")
        << Command::doubleClick << QPointF(3.5, 3) << Points { foot, knee, { 3.5, 3, false }, rim }
        << QString();
    QTest::newRow("double-click away from the outside adds none")
        << Command::doubleClick << QPointF(1.5, 3) << Points { foot, knee, rim } << QString();
    QTest::newRow("Delete removes the selected point")
        << Command::deleteKey << QPointF(3, 2) << Points { foot, rim } << QString();
    QTest::newRow("Delete keeps the first point at the bottom")
        << Command::deleteKey << QPointF(3, 0) << Points { foot, knee, rim }
        << QStringLiteral("Point 1 not removed: point 1: h 2 is not allowed");
    QTest::newRow("a right click makes a corner smooth")
        << Command::rightClick << QPointF(3, 2) << Points { foot, { 3, 2, false }, rim }
        << QString();
    QTest::newRow("the right arrow moves the point 1/16 out")
        << Command::rightArrow << QPointF(3, 2) << Points { foot, { 3.0625, 2, true }, rim }
        << QString();
}

void TestProfileEditor::pointCommands()
{
    QFETCH(Command, command);
    QFETCH(QPointF, at);
    QFETCH(Points, expected);
    QFETCH(QString, message);
    open(cone);
    const Points before = profileOf(*window);
    const QPoint position = pointOnView(at.x(), at.y());
    switch (command) {
    case Command::doubleClick: doubleClick(view(), position); break;
    case Command::rightClick: QTest::mouseClick(view(), Qt::RightButton, {}, position); break;
    case Command::deleteKey:
    case Command::rightArrow:
        QTest::mouseClick(view(), Qt::LeftButton, {}, position);
        QTest::keyClick(view(), command == Command::deleteKey ? Qt::Key_Delete : Qt::Key_Right);
        break;
    }
    QVERIFY(same(profileOf(*window), expected));
    QCOMPARE(pointTable()->model()->rowCount(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        const QAbstractItemModel *points = pointTable()->model();
        QCOMPARE(points->index(int(i), ProfilePointModel::rColumn).data().toString(),
            QString::number(expected[i].r));
        QCOMPARE(points->index(int(i), ProfilePointModel::cornerColumn).data(Qt::CheckStateRole),
            QVariant(expected[i].corner ? Qt::Checked : Qt::Unchecked));
    }
    QVERIFY2(statusText(*window).startsWith(message), qPrintable(statusText(*window)));
    const bool changed = !same(expected, before);
    QCOMPARE(window->document().undoStack().count(), changed ? 1 : 0);
    QTest::keySequence(window.get(), QKeySequence::Undo);
    QVERIFY(same(profileOf(*window), before));
}

void TestProfileEditor::typeIntoThePointTable_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown"); // the cell's text after; the refusal for a value refused

    const int r = ProfilePointModel::rColumn;
    const int h = ProfilePointModel::hColumn;
    QTest::newRow("a fraction") << cone << 2 << r << "4 1/2"
                                << "4.5";
    QTest::newRow("millimetres in an inch project") << cone << 2 << r << "127 mm"
                                                    << "5";
    QTest::newRow("a plain number in a millimetre project") << metricCone << 2 << r << "120"
                                                            << "120 mm";
    QTest::newRow("below the point before")
        << cone << 2 << h << "1"
        << "Not taken, h of point 3: point 3: h 1 is below the height of the point before it (2)";
    QTest::newRow("the first point above the bottom")
        << cone << 0 << h << "0.5"
        << "Not taken, h of point 1: point 1: h 0.5 is not allowed: the first point is at the "
           "bottom, h 0";
    QTest::newRow("not a length") << cone << 1 << r << "wide"
                                  << "Not taken, r of point 2: \"wide\" is not a length: a number";
}

void TestProfileEditor::typeIntoThePointTable()
{
    QFETCH(QByteArray, file);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    open(file);
    const QModelIndex cell = pointTable()->model()->index(row, column);
    const QString before = cell.data().toString();
    typeIntoCell(pointTable(), row, column, typed);
    const bool refused = shown.startsWith(QStringLiteral("Not taken"));
    QCOMPARE(cell.data().toString(), refused ? before : shown);
    QVERIFY2(statusText(*window).startsWith(refused ? shown : QString()),
        qPrintable(statusText(*window)));
    QCOMPARE(window->document().undoStack().count(), refused ? 0 : 1);
}

void TestProfileEditor::typeTheWallFloorPadAndFlattening_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown"); // the field's text after
    QTest::addColumn<bool>("taken");
    QTest::addColumn<int>("ring"); // a ring's value that follows, from the ring table
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("value");

    // The third ring, 2 to 3 in: its inside is least at the knee, 3 less the wall.
    const int inner = RingTableModel::innerColumn;
    QTest::newRow("wall") << "wallThickness"
                          << "1/2"
                          << "0.5" << true << 2 << inner << "5";
    QTest::newRow("wall refused") << "wallThickness"
                                  << "0"
                                  << "0.25" << false << 2 << inner << "5.5";
    QTest::newRow("pad") << "pad"
                         << "1/8"
                         << "0.125" << true << 2 << int(RingTableModel::fudgeColumn) << "0.125";
    // Each ring 3/4 in high: the third from 1.5 to 2.25, 2 x (3 + 0.25 / 2) across its top.
    QTest::newRow("flattening") << "flatten"
                                << "0.25"
                                << "0.25" << true << 2 << int(RingTableModel::outerColumn)
                                << "6.25";
    // The second ring, 1 to 2 in, below the floor now: a disc, solid across.
    QTest::newRow("floor") << "floorHeight"
                           << "1.5"
                           << "1.5" << true << 1 << inner << "0";
}

void TestProfileEditor::typeTheWallFloorPadAndFlattening()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(bool, taken);
    QFETCH(int, ring);
    QFETCH(int, column);
    QFETCH(QString, value);
    open(cone);
    auto *box = window->findChild<QLineEdit *>(field);
    QVERIFY(box);
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, typed);
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(box->text(), shown);
    QCOMPARE(ringColumn(*window, column)[ring], value);
    QCOMPARE(window->document().undoStack().count(), taken ? 1 : 0);
    QCOMPARE(
        statusText(*window).startsWith(QStringLiteral("Not taken, wall thickness: \"0\"")), !taken);
}

// Drawn from the rings, the profile keeps every ring's outer diameter; taken away, the rings keep
// what it gave them, a disc opened into a ring. Each is one undo step, and the stack comes back
// in the editor's place.
void TestProfileEditor::drawAndRemoveAProfile()
{
    open(rings);
    auto *drawing = window->findChild<QStackedWidget *>("vesselDrawing");
    QCOMPARE(drawing->currentWidget()->objectName(), QStringLiteral("stackView"));
    const QStringList inners = ringColumn(*window, RingTableModel::innerColumn);
    const auto command = [this](const QString &text) -> QAction * {
        for (QAction *action : window->findChildren<QAction *>()) {
            if (action->text() == text)
                return action;
        }
        return nullptr;
    };
    QAction *draw = command(QStringLiteral("Draw Profile"));
    QAction *remove = command(QStringLiteral("Remove Profile"));
    QVERIFY(draw && remove && draw->isEnabled() && !remove->isEnabled());
    draw->trigger();
    QCOMPARE(drawing->currentWidget()->objectName(), QStringLiteral("profileEditor"));
    // Up the foot, out along its top, in across the middle ring, up the top ring.
    QVERIFY(same(profileOf(*window),
        { { 3, 0, true }, { 3, 0.75, true }, { 4.5, 0.75, true }, { 3.5, 1.75, true },
            { 3.5, 2.5, true } }));
    QCOMPARE(ringColumn(*window, RingTableModel::outerColumn), QStringList({ "6", "9", "7" }));
    const QStringList profiled = ringColumn(*window, RingTableModel::innerColumn);
    QVERIFY(profiled != inners);
    QVERIFY(!draw->isEnabled() && remove->isEnabled());

    // The foot, solid below the floor, was a disc: a ring now, its inner diameter twice its fudge.
    QCOMPARE(profiled[0], QStringLiteral("0"));
    remove->trigger();
    QCOMPARE(drawing->currentWidget()->objectName(), QStringLiteral("stackView"));
    QVERIFY(window->document().vessel().profile.empty());
    QCOMPARE(ringColumn(*window, RingTableModel::innerColumn),
        QStringList({ "0.25", profiled[1], profiled[2] }));
    QVERIFY(statusText(*window).contains(QStringLiteral("ring 1 now has")));
    QVERIFY(window->document().results().rings[0].sound());
    QTest::keySequence(window.get(), QKeySequence::Undo);
    QCOMPARE(drawing->currentWidget()->objectName(), QStringLiteral("profileEditor"));
    QTest::keySequence(window.get(), QKeySequence::Undo);
    QCOMPARE(ringColumn(*window, RingTableModel::innerColumn), inners);
    QCOMPARE(window->document().undoStack().count(), 2);
}

// A point clicked in the drawing is the point table's row, a row clicked the drawing's point, and
// a click on a ring's band selects the ring in the ring table and no point, until a row is clicked
// again.
void TestProfileEditor::selectionsFollowEachOther()
{
    open(cone);
    QTest::mouseClick(view(), Qt::LeftButton, {}, pointOnView(3, 2));
    QCOMPARE(pointTable()->currentIndex().row(), 1);
    const QModelIndex rim = pointTable()->model()->index(2, ProfilePointModel::hColumn);
    QTest::mouseClick(
        pointTable()->viewport(), Qt::LeftButton, {}, pointTable()->visualRect(rim).center());
    QCOMPARE(view()->selectedPoint(), 2);
    QTest::mouseClick(view(), Qt::LeftButton, {}, pointOnView(3.4, 3.5));
    QCOMPARE(window->ringTable()->currentRing(), 3);
    QCOMPARE(view()->selectedPoint(), -1);
    QTest::mouseClick(
        pointTable()->viewport(), Qt::LeftButton, {}, pointTable()->visualRect(rim).center());
    QCOMPARE(view()->selectedPoint(), 2);
}

QTEST_MAIN(TestProfileEditor)
#include "tst_profileeditor.moc"
