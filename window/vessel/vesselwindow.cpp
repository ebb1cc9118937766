#include "window/vessel/vesselwindow.h"

#include "drawing/conversions.h"
#include "window/vessel/preferencesdialog.h"
#include "window/vessel/profileeditor.h"
#include "window/vessel/rimbar.h"
#include "window/vessel/ringtablemodel.h"
#include "window/vessel/ringtableview.h"
#include "window/vessel/selectedringview.h"
#include "window/vessel/stackview.h"
#include "window/vessel/totalspanel.h"
#include "window/vessel/vesseldialogs.h"
#include "window/vessel/vesseldocument.h"
#include "window/vessel/vesselpictureview.h"
#include "window/vessel/vesselsettings.h"
#include "window/vessel/woodsdialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace orvane {

VesselWindow::VesselWindow(Vessel vessel, const QString &fileName, QWidget *parent)
    : QMainWindow(parent)
    , vesselDocument(std::make_unique<VesselDocument>(std::move(vessel), fileName))
    , vesselDialogs(standardVesselDialogs())
{
    setObjectName(QStringLiteral("vesselWindow"));
    buildLayout();
    buildMenus();
    connectDocument();

    showResults();
    updateTitle();
    // The keys go to the table from the start, on the first ring's first cell.
    if (model->rowCount() > 0)
        table->setCurrentIndex(model->index(0, 0));
    table->setFocus();
    showSelectedRing();
    // As large as the table wants, within the screen.
    const QRect screenArea = screen()->availableGeometry();
    resize(
        std::min(1360, screenArea.width() * 9 / 10), std::min(760, screenArea.height() * 9 / 10));
}

VesselWindow::~VesselWindow()
{
    // The views and the model read the document, which goes with the window's members: they go
    // first, any cell still being edited handing in its value while the document is there.
    delete takeCentralWidget();
    delete model;
}

void VesselWindow::setDialogs(std::shared_ptr<VesselDialogs> dialogs)
{
    vesselDialogs = std::move(dialogs);
}

QString VesselWindow::displayName() const
{
    if (!vesselDocument->fileName().isEmpty())
        return QFileInfo(vesselDocument->fileName()).fileName();
    const std::string &name = vesselDocument->vessel().name;
    return name.empty() ? tr("Untitled") : shown(name);
}

void VesselWindow::buildLayout()
{
    auto *nameLabel = new QLabel(tr("&Project name:"));
    nameBox = new QLineEdit;
    nameBox->setObjectName(QStringLiteral("projectName"));
    nameBox->setAccessibleName(tr("Project name"));
    nameBox->setPlaceholderText(tr("named after its file"));
    nameLabel->setBuddy(nameBox);
    auto *nameRow = new QHBoxLayout;
    nameRow->addWidget(nameLabel);
    nameRow->addWidget(nameBox, 1);

    model = new RingTableModel(*vesselDocument, this);
    table = new RingTableView;
    table->setObjectName(QStringLiteral("ringTable"));
    table->setAccessibleName(tr("Rings"));
    table->setAccessibleDescription(tr("One row per ring, the bottom ring first: its name, "
                                       "inputs and wood, then its cut and lumber"));
    table->setRingModel(model);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 8);

    totals = new TotalsPanel;
    rimBar = new RimBar;

    auto *left = new QWidget;
    auto *leftLayout = new QVBoxLayout(left);
    leftLayout->addLayout(nameRow);
    leftLayout->addWidget(rimBar);
    leftLayout->addWidget(table, 1);
    leftLayout->addWidget(totals);

    // The drawing of the whole vessel: the stack, and later other views of the vessel in its
    // place, one at a time.
    stack = new StackView(*vesselDocument);
    drawing = new QStackedWidget;
    drawing->setObjectName(QStringLiteral("vesselDrawing"));
    drawing->addWidget(stack);
    addProfileEditor();
    selectedRing = new SelectedRingView;

    // The section and the vessel in 3D, one at a time.
    picture = new VesselPictureView(*vesselDocument);
    auto *views = new QTabWidget;
    views->setObjectName(QStringLiteral("vesselViews"));
    views->setDocumentMode(true);
    views->addTab(drawing, tr("&Section"));
    views->addTab(picture, tr("&3D"));

    auto *right = new QWidget;
    auto *rightLayout = new QVBoxLayout(right);
    rightLayout->addWidget(views, 1);
    rightLayout->addWidget(selectedRing);

    auto *splitter = new QSplitter(Qt::Horizontal);
    splitter->setObjectName(QStringLiteral("vesselSplitter"));
    splitter->addWidget(left);
    splitter->addWidget(right);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 0);
    splitter->setChildrenCollapsible(false);
    setCentralWidget(splitter);

    // The checks: how many fired and the first; every one in the tool tip and on its ring.
    checkSummary = new QLabel;
    checkSummary->setObjectName(QStringLiteral("vesselChecks"));
    checkSummary->setMaximumWidth(checkSummary->fontMetrics().averageCharWidth() * 90);
    statusBar()->addPermanentWidget(checkSummary);

    setTabOrder(table, nameBox);
}

void VesselWindow::connectDocument()
{
    VesselDocument &document = *vesselDocument;
    connect(&document, &VesselDocument::recomputed, this, &VesselWindow::showResults);
    connect(&document, &VesselDocument::fileNameChanged, this, &VesselWindow::updateTitle);
    connect(&document.undoStack(), &QUndoStack::cleanChanged, this,
        [this](bool clean) { setWindowModified(!clean); });
    // The ring an edit, an undo or a redo touches becomes the current one.
    connect(&document, &VesselDocument::ringReplaced, this, &VesselWindow::goToRing);
    connect(&document, &VesselDocument::ringInserted, this, &VesselWindow::goToRing);
    connect(&document, &VesselDocument::ringMoved, this, [this](int, int to) { goToRing(to); });
    connect(&document, &VesselDocument::ringRemoved, this,
        [this](int place) { goToRing(std::min(place, model->rowCount() - 1)); });
    connect(stack, &StackView::ringClicked, this, [this](std::size_t ring) {
        goToRing(static_cast<int>(ring));
        table->setFocus();
    });
    connect(table->selectionModel(), &QItemSelectionModel::currentChanged, this,
        &VesselWindow::showSelectedRing);
    connect(model, &RingTableModel::editRefused, this,
        [this](const QModelIndex &index, const QString &reason) {
            showRefusal(reason, index.row(), index.column());
        });
    connect(nameBox, &QLineEdit::editingFinished, this, &VesselWindow::takePendingEdits);
    connect(selectedRing, &SelectedRingView::segmentWoodChosen, this,
        [this](std::size_t place, std::size_t segment, const QString &wood) {
            vesselDocument->setSegmentWood(place, segment, wood.toStdString());
        });
}

void VesselWindow::takePendingEdits()
{
    table->takeOpenEdit();
    profileEditor->takePendingEdits();
    if (nameBox->isModified()) {
        nameBox->setModified(false);
        vesselDocument->setName(nameBox->text().trimmed().toStdString());
    }
}

void VesselWindow::goToRing(int place)
{
    table->goToRing(place);
    showSelectedRing();
}

// Everything that shows the vessel, from the document's results of the last change.
void VesselWindow::showResults()
{
    const VesselDocument &document = *vesselDocument;
    statusBar()->clearMessage();
    totals->showTotals(document.results(), document.vessel().units);
    stack->update();
    showSelectedRing();
    showChecks();
    rimBar->showRim(document);
    if (!nameBox->hasFocus())
        nameBox->setText(shown(document.vessel().name));
    inchesAction->setChecked(document.vessel().units == Units::inches);
    millimetresAction->setChecked(document.vessel().units == Units::millimetres);
    updateTitle();
    updateActions();
}

void VesselWindow::showSelectedRing()
{
    const int row = table->currentRing();
    const auto &rings = vesselDocument->results().rings;
    // The woods to draw in and to choose from: the lists', then those only the rings name.
    std::vector<Wood> woods = vesselDocument->woodColours();
    for (const Wood &named : vesselDocument->vesselToSave().woods) {
        if (std::none_of(woods.begin(), woods.end(),
                [&named](const Wood &wood) { return wood.name == named.name; }))
            woods.push_back(named);
    }
    if (row < 0 || row >= static_cast<int>(rings.size())) {
        selectedRing->showRing(nullptr, 0, woods);
        stack->setSelectedRing(std::nullopt);
    } else {
        const auto place = static_cast<std::size_t>(row);
        selectedRing->showRing(&rings[place], place, woods);
        stack->setSelectedRing(place);
    }
    updateActions();
}

void VesselWindow::showChecks()
{
    const std::vector<VesselCheck> &checks = vesselDocument->checks();
    QStringList messages;
    for (const VesselCheck &check : checks)
        messages << shown(check.message);
    if (messages.isEmpty()) {
        checkSummary->clear();
        checkSummary->setToolTip({});
        return;
    }
    const QString count
        = messages.size() == 1 ? tr("1 warning") : tr("%1 warnings").arg(messages.size());
    const QString summary = count + QStringLiteral(": ") + messages.front();
    checkSummary->setText(checkSummary->fontMetrics().elidedText(
        summary, Qt::ElideRight, checkSummary->maximumWidth()));
    checkSummary->setToolTip(messages.join(u'\n'));
}

void VesselWindow::showRefusal(const QString &reason, int row, int column)
{
    const std::size_t place = static_cast<std::size_t>(row);
    const QString ring = shown(vesselDocument->vessel().rings.at(place).name);
    const QString what = model->headerData(column, Qt::Horizontal).toString();
    statusBar()->showMessage(
        tr("Not taken, %1 of ring %2 (%3): %4").arg(what.toLower()).arg(row + 1).arg(ring, reason));
}

void VesselWindow::updateTitle()
{
    setWindowTitle(displayName() + QStringLiteral("[*] — ") + tr("Orvane"));
    setWindowModified(vesselDocument->isModified());
}

QString VesselWindow::tableText() const
{
    QString text;
    const auto line = [&text](const QStringList &cells) { text += cells.join(u'\t') + u'\n'; };
    QStringList header;
    for (int column = 0; column < model->columnCount(); ++column)
        header << model->headerData(column, Qt::Horizontal).toString();
    line(header);
    for (int row = 0; row < model->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model->columnCount(); ++column)
            cells << model->index(row, column).data().toString();
        line(cells);
    }
    return text;
}

void VesselWindow::addRing()
{
    const int row = table->currentRing();
    vesselDocument->addRing(row >= 0 ? std::optional(static_cast<std::size_t>(row)) : std::nullopt);
}

void VesselWindow::removeRing()
{
    if (const int row = table->currentRing(); row >= 0)
        vesselDocument->removeRing(static_cast<std::size_t>(row));
}

void VesselWindow::moveRing(int direction)
{
    const int row = table->currentRing();
    if (row < 0 || vesselDocument->moveRing(static_cast<std::size_t>(row), direction))
        return;
    statusBar()->showMessage(direction > 0 ? tr("Ring %1 is the top ring already").arg(row + 1)
                                           : tr("Ring %1 is the foot already").arg(row + 1));
}

void VesselWindow::takeDiametersFromProfile()
{
    if (const int row = table->currentRing(); row >= 0)
        vesselDocument->takeDiametersFromProfile(static_cast<std::size_t>(row));
}

void VesselWindow::fillToRim()
{
    if (vesselDocument->fillToRim() == 0)
        statusBar()->showMessage(
            tr("No rings added: the top ring is no thicker than the flattening allowance"));
}

void VesselWindow::removeRingsAboveRim()
{
    vesselDocument->removeRingsAboveRim();
}

void VesselWindow::editPreferences()
{
    auto *dialog = new PreferencesDialog(
        vesselSettings::checkSettings(), vesselDocument->vessel().units, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [dialog] {
        const CheckSettings settings = dialog->settings();
        vesselSettings::setCheckSettings(settings);
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *window = qobject_cast<VesselWindow *>(widget))
                window->document().setCheckSettings(settings);
        }
    });
    dialog->open();
}

void VesselWindow::editWoods()
{
    auto *dialog = new WoodsDialog(vesselSettings::woods(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [dialog] {
        vesselSettings::setWoods(dialog->woods());
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *window = qobject_cast<VesselWindow *>(widget))
                window->document().setUserWoods(dialog->woods());
        }
    });
    dialog->open();
}

void VesselWindow::closeEvent(QCloseEvent *event)
{
    takePendingEdits();
    if (!vesselDocument->isModified()) {
        event->accept();
        return;
    }
    switch (vesselDialogs->askToSave(this, displayName())) {
    case VesselDialogs::UnsavedChanges::save:
        if (save())
            event->accept();
        else
            event->ignore();
        break;
    case VesselDialogs::UnsavedChanges::discard: event->accept(); break;
    case VesselDialogs::UnsavedChanges::cancel: event->ignore(); break;
    }
}

} // namespace orvane
