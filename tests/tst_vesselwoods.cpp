// The woods in the vessel window: the user's woods edited in their dialog and drawn in every
// picture, the file keeping the colours seen, and the lumber to buy per wood and per board.

#include "core/ringdesign.h"
#include "tests/support/expected.h"
#include "tests/support/vesselpicturetab.h"
#include "window/vessel/ringplanview.h"
#include "window/vessel/ringtablemodel.h"
#include "window/vessel/ringtableview.h"
#include "window/vessel/vesseldocument.h"
#include "window/vessel/vesselpictureview.h"
#include "window/vessel/vesselsettings.h"
#include "window/vessel/vesselwindow.h"
#include "window/vessel/woodsdialog.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFont>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

#include <cmath>

using namespace orvane;

namespace {

// A ring of `count` segments, 6 in across, 4.5 in inside, 3/4 in thick.
RingDesign ring(int count, std::vector<std::string> pattern)
{
    RingDesign design = ringOf({ double(count), 6, 4.5, 0.25 }, 0.75, 0.125);
    if (pattern.size() == 1)
        design.wood = pattern.front();
    else
        design.pattern = std::move(pattern);
    return design;
}

// The pixels of the view whose colour is mostly `colour`'s: the same share of red, green and blue
// whatever the shading.
int pixelsOf(QWidget *view, const QColor &colour)
{
    const auto chroma = [](const QColor &c) {
        const double sum = c.red() + c.green() + c.blue() + 1e-9;
        return std::array { c.red() / sum, c.green() / sum, c.blue() / sum };
    };
    const auto wanted = chroma(colour);
    const QImage image = view->grab().toImage();
    int count = 0;
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2) {
            const auto seen = chroma(image.pixelColor(x, y));
            double distance = 0;
            for (std::size_t c = 0; c < 3; ++c)
                distance += (seen[c] - wanted[c]) * (seen[c] - wanted[c]);
            count += distance < 0.0005 ? 1 : 0;
        }
    }
    return count;
}

QString text(const QTableWidget *table, int row, int column)
{
    const QTableWidgetItem *item = table->item(row, column);
    return item ? item->text() : QString();
}

double number(const QTableWidget *table, int row, int column)
{
    const QTableWidgetItem *item = table->item(row, column);
    return item ? QString(item->toolTip().isEmpty() ? item->text() : item->toolTip())
                      .section(QLatin1Char(' '), 0, 0)
                      .toDouble()
                : std::nan("");
}

// The strip that `segments` of `ring` are cut from: the ring's own sides and angle.
double stripLength(const RingDesign &design, int segments)
{
    const expected::Ring ring { int(design.inputs.segmentCount), design.inputs.outerDiameter,
        design.inputs.innerDiameter, design.inputs.fudge, design.thickness };
    const double longSide = expected::longSide(ring);
    const double shortSide = expected::shortSide(ring);
    return segments * (longSide + shortSide) / 2 + (longSide - shortSide) / 2
        + (segments - 1) * design.kerf / std::cos(3.141592653589793 / ring.segmentCount);
}

// Clicks the cell, types `text` key by key and presses Enter, as in a spreadsheet.
void typeInto(VesselWindow &window, int row, int column, const QString &text)
{
    RingTableView *table = window.ringTable();
    const QModelIndex index = table->model()->index(row, column);
    table->scrollTo(index);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(index).center());
    QTest::keyClick(table, Qt::Key_F2);
    QTest::keySequence(QApplication::focusWidget(), QKeySequence::SelectAll);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
    QTest::keyClicks(QApplication::focusWidget(), text);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCoreApplication::processEvents(); // the editor hands in its value in the event loop's turn
}

double boardFeet(const RingDesign &design, int segments)
{
    const expected::Ring ring { int(design.inputs.segmentCount), design.inputs.outerDiameter,
        design.inputs.innerDiameter, design.inputs.fudge, design.thickness };
    return expected::boardFeet(ring) * segments / ring.segmentCount;
}

} // namespace

class TestVesselWoods : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { vesselSettings::setWoods(commonWoods()); }

    void woodsDialogColoursThePictureAndTheFile();
    void segmentsClickedInThePlan_data();
    void segmentsClickedInThePlan();
    void typedRotations_data();
    void typedRotations();
    void totalsPerWood_data();
    void totalsPerWood();
};

void TestVesselWoods::woodsDialogColoursThePictureAndTheFile()
{
    Vessel vessel;
    vessel.rings = { ring(12, { "Walnut" }), ring(12, { "Maple" }), ring(12, { "Walnut" }) };
    VesselWindow window(vessel);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    VesselPictureView *picture = openPictureTab(window);
    QVERIFY(picture);

    const QColor blue(32, 96, 224);
    const QColor walnut(QString::fromStdString(woodColour("Walnut", {})));
    QCOMPARE(pixelsOf(picture, blue), 0);
    QVERIFY(pixelsOf(picture, walnut) > 100);

    // Maple made blue in the dialog, its colour typed into its cell.
    window.findChild<QAction *>(QStringLiteral("editWoods"))->trigger();
    auto *dialog = window.findChild<WoodsDialog *>();
    QVERIFY(dialog && QTest::qWaitForWindowExposed(dialog));
    QTableView *table = dialog->table();
    const QModelIndexList maple = table->model()->match(
        table->model()->index(0, 0), Qt::DisplayRole, QStringLiteral("Maple"), 1, Qt::MatchExactly);
    QCOMPARE(maple.size(), 1);
    const QModelIndex colour = maple.front().siblingAtColumn(1);
    table->scrollTo(colour);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(colour).center());
    QTest::keyClick(table, Qt::Key_F2);
    auto *editor = table->viewport()->findChild<QLineEdit *>();
    QVERIFY(editor && editor->isVisible());
    QTest::keySequence(editor, QKeySequence::SelectAll);
    QTest::keyClicks(editor, QStringLiteral("#2060E0"));
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents(); // the editor hands in its value in the event loop's turn
    QCOMPARE(colour.data().toString(), QStringLiteral("#2060e0"));
    // A new wood's name is typed at once; one holding a '+' is refused, and the wood removed.
    const int woods = table->model()->rowCount();
    dialog->findChild<QPushButton *>(QStringLiteral("addWood"))->click();
    QCOMPARE(table->model()->rowCount(), woods + 1);
    QCoreApplication::processEvents();
    QLineEdit *nameEditor = nullptr;
    for (auto *open : table->viewport()->findChildren<QLineEdit *>())
        nameEditor = open->isVisible() ? open : nameEditor;
    QVERIFY(nameEditor);
    nameEditor->selectAll();
    QTest::keyClicks(nameEditor, QStringLiteral("Padauk + Ebony"));
    QTest::keyClick(nameEditor, Qt::Key_Return);
    QCoreApplication::processEvents();
    QCOMPARE(table->model()->index(woods, 0).data().toString(), QStringLiteral("New wood"));
    dialog->findChild<QPushButton *>(QStringLiteral("removeWood"))->click();
    QCOMPARE(table->model()->rowCount(), woods);
    dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();

    QVERIFY(pixelsOf(picture, blue) > 100);
    QVERIFY(pixelsOf(picture, walnut) > 100);
    const std::vector<Wood> kept = vesselSettings::woods();
    QVERIFY(std::find(kept.begin(), kept.end(), Wood { "Maple", "#2060e0" }) != kept.end());

    // The file keeps the colours the user sees; the project itself is left as it was.
    const std::vector<Wood> saved = window.document().vesselToSave().woods;
    QCOMPARE(saved.size(), std::size_t(2));
    QCOMPARE(saved[0], (Wood { "Walnut", walnut.name().toStdString() }));
    QCOMPARE(saved[1], (Wood { "Maple", "#2060e0" }));
    QVERIFY(window.document().vessel().woods.empty());
    QVERIFY(!window.document().isModified());
}

// A ring of 8 maple segments, 6 in across, clicked in its plan with walnut chosen: at 22.5°
// counter-clockwise from the right, the middle of segment 1 when the ring stands at 0.
void TestVesselWoods::segmentsClickedInThePlan_data()
{
    QTest::addColumn<QString>("typedWood");
    QTest::addColumn<double>("inner");
    QTest::addColumn<double>("rotation");
    QTest::addColumn<double>("clickedAt");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("woods");
    QTest::newRow("segment 1") << "Maple" << 4.5 << 0.0 << 22.5 << "Walnut"
                               << "Walnut + Maple + Maple + Maple + Maple + Maple + Maple + Maple";
    QTest::newRow("segment 3") << "Maple" << 4.5 << 0.0 << 112.5 << "Walnut"
                               << "Maple + Maple + Walnut + Maple + Maple + Maple + Maple + Maple";
    QTest::newRow("turned 45°: segment 8")
        << "Maple" << 4.5 << 45.0 << 22.5 << "Walnut"
        << "Maple + Maple + Maple + Maple + Maple + Maple + Maple + Walnut";
    QTest::newRow("the last other wood: one wood")
        << "Maple + Walnut" << 4.5 << 0.0 << 67.5 << "Maple"
        << "Maple";
    QTest::newRow("a ring with problems: no change") << "Maple" << 7.0 << 0.0 << 22.5 << "Walnut"
                                                     << "Maple";
}

void TestVesselWoods::segmentsClickedInThePlan()
{
    QFETCH(QString, typedWood);
    QFETCH(double, inner);
    QFETCH(double, rotation);
    QFETCH(double, clickedAt);
    QFETCH(QString, chosen);
    QFETCH(QString, woods);

    Vessel vessel;
    RingDesign foot = ring(8, { "Maple" });
    if (typedWood.contains(u'+'))
        foot = ring(8, { "Maple", "Walnut", "Maple", "Maple", "Maple", "Maple", "Maple", "Maple" });
    foot.rotation = rotation;
    foot.inputs.innerDiameter = inner;
    vessel.rings = { foot };
    VesselWindow window(vessel);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *plan = window.findChild<RingPlanView *>(QStringLiteral("ringPlanView"));
    auto *wood = window.findChild<QComboBox *>(QStringLiteral("segmentWood"));
    QVERIFY(plan && wood);
    wood->setCurrentIndex(wood->findText(chosen));
    QCOMPARE(wood->currentText(), chosen);

    // Inside the ring, between its inner and outer corners, y up the screen.
    const double radians = clickedAt * 3.141592653589793 / 180;
    const double reach = 0.35 * plan->width();
    const QPoint at = plan->rect().center()
        + QPoint(int(std::lround(reach * std::cos(radians))),
            int(-std::lround(reach * std::sin(radians))));
    QTest::mouseClick(plan, Qt::LeftButton, {}, at);
    const QModelIndex cell = window.ringTable()->model()->index(0, RingTableModel::woodColumn);
    QCOMPARE(cell.data().toString(), woods);
    if (woods == typedWood) {
        QVERIFY(!window.document().undoStack().canUndo());
        return;
    }
    QCOMPARE(plan->grab().toImage().pixelColor(at),
        QColor(QString::fromStdString(woodColour(chosen.toStdString(), {}))));

    window.document().undoStack().undo();
    QCOMPARE(cell.data().toString(),
        QString(typedWood.contains(u'+')
                ? "Maple + Walnut + Maple + Maple + Maple + Maple + Maple + Maple"
                : "Maple"));
    QVERIFY(!window.document().isModified());
}

// Three rings of 12: each by default half a segment, 15°, from the ring below.
void TestVesselWoods::typedRotations_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("middle");
    QTest::addColumn<QString>("top");
    QTest::addColumn<QString>("note");
    QTest::newRow("degrees") << "40"
                             << "40.0°"
                             << "55.0°"
                             << "turn 40.0° from the ring below";
    QTest::newRow("with the sign") << "7.5°"
                                   << "7.5°"
                                   << "22.5°"
                                   << "turn 7.5° from the ring below";
    QTest::newRow("empty: the default") << ""
                                        << "15.0°"
                                        << "30.0°"
                                        << "turn 15.0° from the ring below";
}

void TestVesselWoods::typedRotations()
{
    QFETCH(QString, typed);
    QFETCH(QString, middle);
    QFETCH(QString, top);
    QFETCH(QString, note);

    Vessel vessel;
    vessel.rings = { ring(12, { "Maple" }), ring(12, { "Maple" }), ring(12, { "Maple" }) };
    vessel.rings[1].rotation = 20; // typed before: the empty text takes it back
    VesselWindow window(vessel);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const QAbstractItemModel *model = window.ringTable()->model();
    const auto cell
        = [model](int row) { return model->index(row, RingTableModel::rotationColumn); };
    const auto italic
        = [](const QModelIndex &index) { return index.data(Qt::FontRole).value<QFont>().italic(); };
    QCOMPARE(cell(1).data().toString(), QStringLiteral("20.0°"));

    typeInto(window, 1, RingTableModel::rotationColumn, typed);
    QCOMPARE(cell(1).data().toString(), middle);
    QCOMPARE(italic(cell(1)), typed.isEmpty());
    QVERIFY2(cell(1).data(Qt::ToolTipRole).toString().contains(note),
        qPrintable(cell(1).data(Qt::ToolTipRole).toString()));
    // The ring above keeps its default, turned from where this one now stands.
    QCOMPARE(cell(2).data().toString(), top);
    QVERIFY(italic(cell(2)));
    QVERIFY(cell(2)
                .data(Qt::ToolTipRole)
                .toString()
                .contains(QStringLiteral("turn 15.0° from the ring below")));

    // One step of the history.
    window.document().undoStack().undo();
    QCOMPARE(cell(1).data().toString(), QStringLiteral("20.0°"));
    QCOMPARE(cell(2).data().toString(), QStringLiteral("35.0°"));
    QVERIFY(!window.document().isModified());
}

void TestVesselWoods::totalsPerWood_data()
{
    // A foot of 8 segments, maple and walnut in turn, under a walnut ring of 12, 1 in thick.
    RingDesign foot = ring(8, { "Maple", "Walnut" });
    RingDesign band = ring(12, { "Walnut" });
    band.thickness = 1;
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("wood");
    QTest::addColumn<QString>("second");
    QTest::addColumn<int>("segments");
    QTest::addColumn<double>("boardFeet");
    QTest::addColumn<double>("strip");
    QTest::newRow("maple") << "woodTotals" << 0 << "Maple"
                           << "1" << 4 << boardFeet(foot, 4) << stripLength(foot, 4);
    QTest::newRow("walnut") << "woodTotals" << 1 << "Walnut"
                            << "2" << 16 << boardFeet(foot, 4) + boardFeet(band, 12)
                            << stripLength(foot, 4) + stripLength(band, 12);
    QTest::newRow("all") << "woodTotals" << 2 << "All rings"
                         << "2" << 20 << boardFeet(foot, 8) + boardFeet(band, 12) << -1.0;
    QTest::newRow("maple 3/4") << "boardTotals" << 0 << "Maple"
                               << "0.75 in" << 4 << boardFeet(foot, 4) << stripLength(foot, 4);
    QTest::newRow("walnut 3/4") << "boardTotals" << 1 << "Walnut"
                                << "0.75 in" << 4 << boardFeet(foot, 4) << stripLength(foot, 4);
    QTest::newRow("walnut 1") << "boardTotals" << 2 << "Walnut"
                              << "1 in" << 12 << boardFeet(band, 12) << stripLength(band, 12);
}

void TestVesselWoods::totalsPerWood()
{
    QFETCH(QString, table);
    QFETCH(int, row);
    QFETCH(QString, wood);
    QFETCH(QString, second);
    QFETCH(int, segments);
    QFETCH(double, boardFeet);
    QFETCH(double, strip);

    Vessel vessel;
    RingDesign band = ring(12, { "Walnut" });
    band.thickness = 1;
    vessel.rings = { ring(8, { "Maple", "Walnut" }), band };
    VesselWindow window(vessel);
    window.show();
    const auto *totals = window.findChild<QTableWidget *>(table);
    QVERIFY(totals);
    QCOMPARE(totals->rowCount(), 3);
    QCOMPARE(text(totals, row, 0), wood);
    QCOMPARE(text(totals, row, 1), second);
    QCOMPARE(text(totals, row, 2), QString::number(segments));
    QVERIFY2(std::abs(number(totals, row, 3) - boardFeet) < 0.01, qPrintable(text(totals, row, 3)));
    if (strip > 0) {
        QVERIFY2(std::abs(number(totals, row, 4) - strip) < 1e-4,
            qPrintable(totals->item(row, 4)->toolTip()));
    }
}

QTEST_MAIN(TestVesselWoods)
#include "tst_vesselwoods.moc"
