#pragma once

// The vessel window: every ring of one piece in a table, the stack drawn from the side, the
// selected ring in plan and in detail, and the totals, with the menus that open, save, print and
// edit the vessel. Every edit goes through the document's undo history; whatever it changes is
// shown again from the document's one set of results.

#include "core/vessel.h"

#include <QMainWindow>

#include <memory>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QStackedWidget;

namespace orvane {

class RimBar;
class ProfileEditor;
class RingTableModel;
class RingTableView;
class SelectedRingView;
class StackView;
class TotalsPanel;
class VesselPictureView;
class VesselDialogs;
class VesselDocument;

class VesselWindow : public QMainWindow
{
    Q_OBJECT

public:
    // `fileName` is the project file the vessel was read from; empty for one never saved.
    explicit VesselWindow(Vessel vessel, const QString &fileName = {}, QWidget *parent = nullptr);
    ~VesselWindow() override;

    VesselDocument &document() const { return *vesselDocument; }
    RingTableView *ringTable() const { return table; }

    // What the window asks the user; the system's dialogs unless replaced. Windows opened from
    // this one ask through the same.
    void setDialogs(std::shared_ptr<VesselDialogs> dialogs);
    const std::shared_ptr<VesselDialogs> &dialogs() const { return vesselDialogs; }

    // The name the window is known by: the project file's, or the vessel's while it has none.
    QString displayName() const;

    // The file commands. Each tells the user, through the dialogs, what did not work.
    bool save();
    bool saveAs();
    void exportCsv();
    void printCutList();
    void saveCutListAsPdf();
    void saveTemplatesAsPdf();
    // The profile gauge, for a vessel with a profile to draw.
    void saveProfileGaugeAsPdf();

    // The edit commands, on the ring of the current cell.
    void addRing();
    void removeRing();
    void moveRing(int direction);
    // With a profile: the current ring's diameters given back to it, rings added up to the rim,
    // and the rings above the rim removed.
    void takeDiametersFromProfile();
    void fillToRim();
    void removeRingsAboveRim();
    // Asks for the limits the checks compare with; every vessel window checks again with them.
    void editPreferences();
    // Asks for the user's woods and their colours; every vessel window draws with them.
    void editWoods();
    // The table as the window shows it, tab-separated: a header row, then a row per ring.
    QString tableText() const;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildLayout();
    void buildMenus();
    QMenu *buildFileMenu();
    QMenu *buildEditMenu();
    QMenu *buildViewMenu();
    // The profile editor in the drawing's place while the vessel has a profile, and the commands
    // that give it one and take it away (vesselprofile.cpp).
    void addProfileEditor();
    void buildProfileCommands(QMenu *menu);
    void fillRecentMenu();
    void connectDocument();

    void showResults();
    void showSelectedRing();
    void showChecks();
    void updateTitle();
    void updateActions();
    void showRefusal(const QString &reason, int row, int column);
    void goToRing(int place);
    // Whatever is still being typed, in a cell or the name's box, is taken before the vessel is
    // saved, written out or closed.
    void takePendingEdits();

    // The name files written from the vessel are named after, without an extension.
    QString fileStem() const;
    // Where a file the user saves starts, and the file chosen with `extension` added when it
    // has none; empty when the user cancels.
    QString askForFileToWrite(const QString &title, const QString &suggestedName,
        const QString &extension, const QString &filter);
    bool writeProjectFile(const QString &fileName);

    std::unique_ptr<VesselDocument> vesselDocument;
    std::shared_ptr<VesselDialogs> vesselDialogs;

    RingTableModel *model = nullptr;
    RingTableView *table = nullptr;
    QLineEdit *nameBox = nullptr;
    QStackedWidget *drawing = nullptr;
    StackView *stack = nullptr;
    ProfileEditor *profileEditor = nullptr;
    VesselPictureView *picture = nullptr;
    SelectedRingView *selectedRing = nullptr;
    TotalsPanel *totals = nullptr;
    QLabel *checkSummary = nullptr;
    RimBar *rimBar = nullptr;

    QMenu *recentMenu = nullptr;
    QAction *removeRingAction = nullptr;
    QAction *moveUpAction = nullptr;
    QAction *moveDownAction = nullptr;
    QAction *takeFromProfileAction = nullptr;
    QAction *fillToRimAction = nullptr;
    QAction *removeAboveRimAction = nullptr;
    QAction *inchesAction = nullptr;
    QAction *millimetresAction = nullptr;
    QList<QAction *> needRings; // the commands that need at least one ring
    QAction *profileGaugeAction = nullptr; // needs a profile
};

} // namespace orvane
