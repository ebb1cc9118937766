// The vessel window's profile: the profile editor in the stack's place while the vessel has a
// profile, and the commands that give the vessel one and take it away.

#include "window/vessel/profileeditor.h"
#include "window/vessel/ringtableview.h"
#include "window/vessel/stackview.h"
#include "window/vessel/vesseldocument.h"
#include "window/vessel/vesselwindow.h"

#include <QAction>
#include <QMenu>
#include <QStackedWidget>
#include <QStatusBar>

namespace orvane {

void VesselWindow::addProfileEditor()
{
    profileEditor = new ProfileEditor(*vesselDocument);
    drawing->addWidget(profileEditor);
    // An edit, an undo or a redo may give the vessel a profile or take it away.
    const auto showDrawing = [this] {
        if (vesselDocument->vessel().profile.empty())
            drawing->setCurrentWidget(stack);
        else
            drawing->setCurrentWidget(profileEditor);
    };
    connect(vesselDocument.get(), &VesselDocument::recomputed, this, showDrawing);
    showDrawing();
    connect(table->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        const int row = table->currentRing();
        profileEditor->setSelectedRing(
            row >= 0 ? std::optional(static_cast<std::size_t>(row)) : std::nullopt);
    });
    connect(profileEditor, &ProfileEditor::ringClicked, this,
        [this](std::size_t ring) { goToRing(static_cast<int>(ring)); });
    connect(profileEditor, &ProfileEditor::message, this,
        [this](const QString &text) { statusBar()->showMessage(text); });
}

void VesselWindow::buildProfileCommands(QMenu *menu)
{
    menu->addSeparator();
    QAction *draw = menu->addAction(tr("Draw Profile"));
    draw->setStatusTip(tr("A profile of the rings' outsides to shape the vessel by; the rings' "
                          "diameters then follow it"));
    connect(draw, &QAction::triggered, this, [this] {
        if (!vesselDocument->drawProfile())
            statusBar()->showMessage(tr("No profile drawn: no ring has a height to draw it from"));
    });
    QAction *remove = menu->addAction(tr("Remove Profile"));
    remove->setStatusTip(tr("The rings keep the diameters the profile gives them, typed"));
    connect(remove, &QAction::triggered, this, [this] {
        QStringList discs;
        for (const std::size_t place : vesselDocument->removeProfile())
            discs << QString::number(place + 1);
        if (discs.size() == 1) {
            statusBar()->showMessage(tr("A disc is a ring without its profile: ring %1 now has "
                                        "the smallest inner diameter its fudge allows")
                                         .arg(discs.front()));
        } else if (discs.size() > 1) {
            statusBar()->showMessage(tr("Discs are rings without their profile: rings %1 now "
                                        "have the smallest inner diameter their fudge allows")
                                         .arg(discs.join(QStringLiteral(", "))));
        }
    });
    const auto enable = [this, draw, remove] {
        const bool profiled = !vesselDocument->vessel().profile.empty();
        draw->setEnabled(!profiled && vesselDocument->ringCount() > 0);
        remove->setEnabled(profiled);
    };
    connect(vesselDocument.get(), &VesselDocument::recomputed, this, enable);
    enable();
}

} // namespace orvane
