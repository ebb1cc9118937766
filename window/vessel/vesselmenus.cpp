// The vessel window's menus and their keys: the standard keys of the desktop where there are
// such, and keys of the window's own for the ring commands.

#include "core/presets.h"
#include "core/ringdesign.h"
#include "core/vesselchecks.h"
#include "drawing/conversions.h"
#include "report/profilegauge.h"
#include "window/vessel/rimbar.h"
#include "window/vessel/ringtableview.h"
#include "window/vessel/vesseldocument.h"
#include "window/vessel/vesselopening.h"
#include "window/vessel/vesselpictureview.h"
#include "window/vessel/vesselsettings.h"
#include "window/vessel/vesselwindow.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

namespace orvane {

namespace {

QAction *command(QMenu *menu, const QString &text, const QList<QKeySequence> &keys = {})
{
    QAction *action = menu->addAction(text);
    action->setShortcuts(keys);
    return action;
}

} // namespace

void VesselWindow::buildMenus()
{
    menuBar()->addMenu(buildFileMenu());
    menuBar()->addMenu(buildEditMenu());
    menuBar()->addMenu(buildViewMenu());
}

QMenu *VesselWindow::buildFileMenu()
{
    auto *menu = new QMenu(tr("&File"), this);
    // A new vessel: of the start ring, or one of the presets to start a design from.
    QMenu *newMenu = menu->addMenu(tr("New"));
    newMenu->setObjectName(QStringLiteral("newVessel"));
    connect(command(newMenu, tr("Empty"), QKeySequence::keyBindings(QKeySequence::New)),
        &QAction::triggered, this,
        [this] { showVesselWindow(newVessel(defaultRing()), {}, vesselDialogs); });
    newMenu->addSeparator();
    for (const Preset preset : allPresets) {
        connect(command(newMenu, shown(std::string(presetName(preset)))), &QAction::triggered, this,
            [this, preset] { showVesselWindow(newVessel(preset), {}, vesselDialogs); });
    }
    connect(command(menu, tr("Open…"), QKeySequence::keyBindings(QKeySequence::Open)),
        &QAction::triggered, this, [this] { askToOpenVessel(vesselDialogs, this); });
    recentMenu = menu->addMenu(tr("Open Recent"));
    recentMenu->setObjectName(QStringLiteral("recentFiles"));
    connect(recentMenu, &QMenu::aboutToShow, this, &VesselWindow::fillRecentMenu);
    connect(menu, &QMenu::aboutToShow, this,
        [this] { recentMenu->setEnabled(!vesselSettings::recentFiles().isEmpty()); });
    connect(command(menu, tr("Save"), QKeySequence::keyBindings(QKeySequence::Save)),
        &QAction::triggered, this, &VesselWindow::save);
    connect(command(menu, tr("Save As…"), QKeySequence::keyBindings(QKeySequence::SaveAs)),
        &QAction::triggered, this, &VesselWindow::saveAs);
    menu->addSeparator();
    connect(command(menu, tr("Import CSV…")), &QAction::triggered, this,
        [this] { askToImportCsv(vesselDialogs, this); });
    QAction *exportCsv = command(menu, tr("Export CSV…"));
    connect(exportCsv, &QAction::triggered, this, &VesselWindow::exportCsv);
    menu->addSeparator();
    QAction *print
        = command(menu, tr("Print Cut List…"), QKeySequence::keyBindings(QKeySequence::Print));
    connect(print, &QAction::triggered, this, &VesselWindow::printCutList);
    QAction *cutListPdf = command(menu, tr("Save Cut List as PDF…"));
    connect(cutListPdf, &QAction::triggered, this, &VesselWindow::saveCutListAsPdf);
    QAction *templatesPdf = command(menu, tr("Save Templates as PDF…"));
    connect(templatesPdf, &QAction::triggered, this, &VesselWindow::saveTemplatesAsPdf);
    profileGaugeAction = command(menu, tr("Save Profile Gauge as PDF…"));
    connect(profileGaugeAction, &QAction::triggered, this, &VesselWindow::saveProfileGaugeAsPdf);
    menu->addSeparator();
    connect(command(menu, tr("Close"), QKeySequence::keyBindings(QKeySequence::Close)),
        &QAction::triggered, this, &QWidget::close);
    // A vessel of no rings has nothing to write out.
    needRings = { exportCsv, print, cutListPdf, templatesPdf };
    return menu;
}

void VesselWindow::fillRecentMenu()
{
    recentMenu->clear();
    const QStringList files = vesselSettings::recentFiles();
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString &file = files[i];
        QAction *action = recentMenu->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(file).fileName()));
        action->setToolTip(QDir::toNativeSeparators(file));
        action->setStatusTip(QDir::toNativeSeparators(file));
        connect(action, &QAction::triggered, this,
            [this, file] { openVesselFile(file, vesselDialogs, this); });
    }
}

QMenu *VesselWindow::buildEditMenu()
{
    auto *menu = new QMenu(tr("&Edit"), this);
    QUndoStack &history = vesselDocument->undoStack();
    // The texts stay "Undo" and "Redo"; what they undo and redo is in their tool tips.
    QAction *undo = command(menu, tr("Undo"), QKeySequence::keyBindings(QKeySequence::Undo));
    connect(undo, &QAction::triggered, &history, &QUndoStack::undo);
    connect(&history, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    connect(&history, &QUndoStack::undoTextChanged, undo,
        [undo](const QString &text) { undo->setToolTip(tr("Undo %1").arg(text)); });
    undo->setEnabled(history.canUndo());
    QAction *redo = command(menu, tr("Redo"), QKeySequence::keyBindings(QKeySequence::Redo));
    connect(redo, &QAction::triggered, &history, &QUndoStack::redo);
    connect(&history, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    connect(&history, &QUndoStack::redoTextChanged, redo,
        [redo](const QString &text) { redo->setToolTip(tr("Redo %1").arg(text)); });
    redo->setEnabled(history.canRedo());
    menu->addSeparator();

    QAction *add = command(menu, tr("Add Ring"), { QKeySequence(Qt::CTRL | Qt::Key_Plus) });
    add->setStatusTip(tr("A copy of the selected ring, on top of it"));
    connect(add, &QAction::triggered, this, &VesselWindow::addRing);
    removeRingAction = command(menu, tr("Remove Ring"), { QKeySequence(Qt::CTRL | Qt::Key_Minus) });
    connect(removeRingAction, &QAction::triggered, this, &VesselWindow::removeRing);
    moveUpAction
        = command(menu, tr("Move Up"), { QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Up) });
    moveUpAction->setStatusTip(tr("One place toward the rim"));
    connect(moveUpAction, &QAction::triggered, this, [this] { moveRing(+1); });
    moveDownAction
        = command(menu, tr("Move Down"), { QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Down) });
    moveDownAction->setStatusTip(tr("One place toward the foot"));
    connect(moveDownAction, &QAction::triggered, this, [this] { moveRing(-1); });
    menu->addSeparator();
    takeFromProfileAction = command(menu, tr("Take Diameters from Profile"));
    takeFromProfileAction->setStatusTip(
        tr("The selected ring's typed diameters given back to the profile"));
    connect(
        takeFromProfileAction, &QAction::triggered, this, &VesselWindow::takeDiametersFromProfile);
    fillToRimAction = command(menu, tr("Fill to Rim"));
    fillToRimAction->setStatusTip(
        tr("Rings like the top ring added until the rings reach the profile's rim"));
    connect(fillToRimAction, &QAction::triggered, this, &VesselWindow::fillToRim);
    removeAboveRimAction = command(menu, tr("Remove Rings Above the Rim"));
    connect(removeAboveRimAction, &QAction::triggered, this, &VesselWindow::removeRingsAboveRim);
    rimBar->offer(fillToRimAction);
    rimBar->offer(removeAboveRimAction);
    menu->addSeparator();
    QAction *copy = command(menu, tr("Copy"), QKeySequence::keyBindings(QKeySequence::Copy));
    copy->setStatusTip(tr("The table as tab-separated text"));
    connect(copy, &QAction::triggered, this,
        [this] { QApplication::clipboard()->setText(tableText()); });
    buildProfileCommands(menu);
    menu->addSeparator();
    QAction *woods = command(menu, tr("Woods…"));
    woods->setObjectName(QStringLiteral("editWoods"));
    woods->setStatusTip(tr("The woods rings can be made of, and the colours they are drawn in"));
    connect(woods, &QAction::triggered, this, &VesselWindow::editWoods);
    QAction *preferences
        = command(menu, tr("Preferences…"), QKeySequence::keyBindings(QKeySequence::Preferences));
    preferences->setMenuRole(QAction::PreferencesRole);
    preferences->setStatusTip(tr("The widest board and the smallest rim opening the checks use"));
    connect(preferences, &QAction::triggered, this, &VesselWindow::editPreferences);
    return menu;
}

QMenu *VesselWindow::buildViewMenu()
{
    auto *menu = new QMenu(tr("&View"), this);
    auto *units = new QActionGroup(this);
    inchesAction = command(menu, tr("Inches"));
    millimetresAction = command(menu, tr("Millimetres"));
    for (QAction *action : { inchesAction, millimetresAction }) {
        action->setCheckable(true);
        units->addAction(action);
    }
    const auto setUnits = [this](Units chosen) {
        vesselDocument->setUnits(chosen);
        vesselSettings::rememberForNewVessels(chosen, vesselDocument->vessel().kerf);
    };
    connect(inchesAction, &QAction::triggered, this, [setUnits] { setUnits(Units::inches); });
    connect(
        millimetresAction, &QAction::triggered, this, [setUnits] { setUnits(Units::millimetres); });
    menu->addSeparator();
    QMenu *pictureMenu = menu->addMenu(tr("3D Picture"));
    pictureMenu->addActions(picture->actions3d());
    return menu;
}

void VesselWindow::updateActions()
{
    const std::size_t rings = vesselDocument->ringCount();
    const int row = table->currentRing();
    // The move commands stay on at the ends, where they say why nothing moves, so that their
    // keys never fall through to the table as keys that move the cell.
    for (QAction *action : { removeRingAction, moveDownAction, moveUpAction })
        action->setEnabled(row >= 0);
    for (QAction *action : std::as_const(needRings))
        action->setEnabled(rings > 0);
    const Vessel &vessel = vesselDocument->vessel();
    const VesselResults &results = vesselDocument->results();
    const bool locked = row >= 0 && static_cast<std::size_t>(row) < rings
        && (vessel.rings[static_cast<std::size_t>(row)].outerLocked
            || vessel.rings[static_cast<std::size_t>(row)].innerLocked);
    takeFromProfileAction->setEnabled(
        locked && !vessel.profile.empty() && results.profileProblems.empty());
    fillToRimAction->setEnabled(stackBelowRim(vessel, results));
    removeAboveRimAction->setEnabled(!results.aboveRim.empty());
    profileGaugeAction->setEnabled(!gaugeProblem(vessel));
}

} // namespace orvane
