// The vessel window on the offscreen platform, shown, with a vessel of 40 rings, the 21st ring
// selected:
//
// - CellEdit: one value typed into the 21st ring's outer diameter and taken, as the cell's editor
//   hands it to the table's model: the text read, the ring checked, the vessel computed again, the
//   table, the totals, the stack and the selected ring's two drawings shown again; then the event
//   loop's turn that paints all of it and hands the frame to the platform. The benchmark fails
//   unless the table, the stack and both drawings of the ring were painted every time.
// - CellEditWithoutPaint: the same edit up to the repaint.
// The value goes from 12 to 12.25 inches and back by turns, so that every edit changes the ring.

#include "core/vessel.h"
#include "window/vessel/ringtablemodel.h"
#include "window/vessel/ringtableview.h"
#include "window/vessel/vesseldocument.h"
#include "window/vessel/vesselwindow.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QWindow>

#include <benchmark/benchmark.h>
#include <cmath>
#include <memory>

namespace {

using orvane::RingTableModel;

// Forty rings from the foot up, in three woods, growing to the belly and narrowing to the rim.
orvane::Vessel fortyRings()
{
    orvane::Vessel vessel;
    vessel.name = "Forty rings";
    const char *woods[] = { "Maple", "Walnut", "Cherry" };
    for (int i = 0; i < 40; ++i) {
        orvane::RingDesign ring = orvane::defaultRing();
        ring.name = orvane::defaultRingName(static_cast<std::size_t>(i) + 1);
        const double outer = 6 + 6 * (1 - std::abs(i - 20) / 20.0);
        ring.inputs = { 12.0 + 4 * (i % 3), outer, outer - 1.5, 0.25 };
        ring.thickness = 0.75;
        ring.wood = woods[i % 3];
        vessel.rings.push_back(ring);
    }
    return vessel;
}

// Counts the paints of the parts an edit must show again.
class PaintCount : public QObject
{
public:
    explicit PaintCount(const QList<QWidget *> &watched)
        : parts(watched)
    {
        for (QWidget *part : watched)
            part->installEventFilter(this);
    }
    // Whether every part was painted since the last call.
    bool allPainted()
    {
        const bool all = painted.size() == parts.size();
        painted.clear();
        return all;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted.insert(watched);
        return false;
    }

private:
    QList<QWidget *> parts;
    QSet<QObject *> painted;
};

std::unique_ptr<orvane::VesselWindow> window;

void edit(benchmark::State &state, bool paint)
{
    QAbstractItemModel *model = window->ringTable()->model();
    const QModelIndex outer = model->index(20, RingTableModel::outerColumn);
    window->ringTable()->setCurrentIndex(outer);
    PaintCount paints({ window->ringTable()->viewport(),
        window->findChild<QWidget *>(QStringLiteral("stackView")),
        window->findChild<QWidget *>(QStringLiteral("ringPlanView")),
        window->findChild<QWidget *>(QStringLiteral("segmentDetailView")) });
    QApplication::processEvents();
    paints.allPainted();
    // Each value the other one, whatever an earlier run left in the cell.
    const QString values[] = { QStringLiteral("12.25"), QStringLiteral("12") };
    std::size_t turn = outer.data().toString() == values[0] ? 1 : 0;
    for (auto _ : state) {
        if (!model->setData(outer, values[turn++ % 2])) {
            state.SkipWithError("the value was refused");
            break;
        }
        if (paint) {
            QApplication::processEvents();
            if (!paints.allPainted()) {
                state.SkipWithError("the table, the stack or the ring was not painted");
                break;
            }
        }
    }
    QApplication::processEvents();
}

void cellEdit(benchmark::State &state)
{
    edit(state, true);
}
void cellEditWithoutPaint(benchmark::State &state)
{
    edit(state, false);
}

} // namespace

BENCHMARK(cellEdit)->Unit(benchmark::kMillisecond);
BENCHMARK(cellEditWithoutPaint)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir runtime; // somewhere for the toolkit's runtime files, when there is none
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtime.isValid()) {
        QFile::setPermissions(
            runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    }
    QApplication app(argc, argv);
    window = std::make_unique<orvane::VesselWindow>(fortyRings());
    // Each edit is a step of the undo history; a long run keeps only the last ones.
    window->document().undoStack().setUndoLimit(100);
    window->show();
    QDeadlineTimer shown(5000);
    while (!window->windowHandle()->isExposed() && !shown.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    QApplication::processEvents();

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    window.reset();
    return 0;
}
