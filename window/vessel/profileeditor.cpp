#include "window/vessel/profileeditor.h"

#include "window/vessel/profileedit.h"
#include "window/vessel/profilepointmodel.h"
#include "window/vessel/profileview.h"
#include "window/vessel/vesseldocument.h"
#include "window/vessel/vesseltexts.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>

namespace orvane {

namespace {

constexpr std::array lengthFields { VesselLength::wall, VesselLength::floor, VesselLength::pad,
    VesselLength::flatten };

struct LengthLabel
{
    const char *objectName;
    const char *label;
    const char *name; // as the status bar names it
    const char *explanation;
};

LengthLabel labelOf(VesselLength field)
{
    switch (field) {
    case VesselLength::wall:
        return { "wallThickness", QT_TR_NOOP("&Wall:"), QT_TR_NOOP("wall thickness"),
            QT_TR_NOOP("The wall's thickness, measured square to the outside") };
    case VesselLength::floor:
        return { "floorHeight", QT_TR_NOOP("F&loor:"), QT_TR_NOOP("floor"),
            QT_TR_NOOP("The height of the solid floor above the bottom; empty for a floor as "
                       "thick as the wall") };
    case VesselLength::pad:
        return { "pad", QT_TR_NOOP("P&ad:"), QT_TR_NOOP("pad"),
            QT_TR_NOOP("The fudge of every ring without one of its own: the wood left inside and "
                       "outside the finished ring") };
    case VesselLength::flatten:
        return { "flatten", QT_TR_NOOP("Fla&ttening:"), QT_TR_NOOP("flattening"),
            QT_TR_NOOP("The height a ring loses when its faces are flattened for gluing") };
    }
    return {};
}

} // namespace

ProfileEditor::ProfileEditor(VesselDocument &vesselDocument, QWidget *parent)
    : QWidget(parent)
    , document(vesselDocument)
{
    setObjectName(QStringLiteral("profileEditor"));
    profileView = new ProfileView(document);

    model = new ProfilePointModel(document, this);
    table = new QTableView;
    table->setObjectName(QStringLiteral("profilePoints"));
    table->setAccessibleName(tr("Profile points"));
    table->setAccessibleDescription(
        tr("One row per point of the profile, from the bottom to the rim: its radius r, its "
           "height h and whether it is a corner"));
    table->setModel(model);
    table->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked
        | QAbstractItemView::EditKeyPressed);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setTabKeyNavigation(false);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000.00 mm")) * 3);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 8);
    table->installEventFilter(this);

    // The points and lengths in a column beside the drawing, which keeps the height: most
    // vessels are taller than their half is wide.
    auto *side = new QVBoxLayout;
    side->addWidget(table, 1);
    side->addWidget(buildLengths());
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(profileView, 1);
    layout->addLayout(side);

    // The point selected in the drawing is the table's current row, and back.
    connect(profileView, &ProfileView::pointSelected, this, &ProfileEditor::selectRow);
    connect(table->selectionModel(), &QItemSelectionModel::currentChanged, this,
        [this](const QModelIndex &current) {
            if (current.isValid())
                profileView->setSelectedPoint(current.row());
        });
    connect(model, &QAbstractItemModel::modelReset, this,
        [this] { selectRow(profileView->selectedPoint()); });
    connect(profileView, &ProfileView::ringClicked, this, &ProfileEditor::ringClicked);
    connect(profileView, &ProfileView::refused, this, &ProfileEditor::message);
    connect(model, &ProfilePointModel::editRefused, this,
        [this](const QModelIndex &index, const QString &reason) {
            emit message(tr("Not taken, %1 of point %2: %3")
                             .arg(model->headerData(index.column(), Qt::Horizontal).toString())
                             .arg(index.row() + 1)
                             .arg(reason));
        });
    connect(&document, &VesselDocument::recomputed, this, &ProfileEditor::showLengths);
    showLengths();
}

QWidget *ProfileEditor::buildLengths()
{
    auto *box = new QWidget;
    auto *form = new QFormLayout(box);
    form->setContentsMargins(0, 0, 0, 0);
    for (std::size_t i = 0; i < lengthFields.size(); ++i) {
        const LengthLabel label = labelOf(lengthFields[i]);
        auto *field = new QLineEdit;
        field->setObjectName(QString::fromLatin1(label.objectName));
        field->setAccessibleName(tr(label.name));
        field->setToolTip(tr(label.explanation));
        connect(field, &QLineEdit::editingFinished, this, [this, i] { takeLength(i); });
        form->addRow(tr(label.label), field);
        lengths[i] = field;
    }
    return box;
}

void ProfileEditor::takeLength(std::size_t field)
{
    QLineEdit *box = lengths.at(field);
    if (!box->isModified())
        return;
    box->setModified(false);
    if (const auto problem = document.typeIntoVessel(lengthFields[field], box->text())) {
        emit message(
            tr("Not taken, %1: %2")
                .arg(tr(labelOf(lengthFields[field]).name), QString::fromStdString(*problem)));
    }
    showLengths(); // the value taken, or the one kept, as the field writes it
}

void ProfileEditor::showLengths()
{
    const Vessel &vessel = document.vessel();
    for (std::size_t i = 0; i < lengthFields.size(); ++i) {
        QLineEdit *box = lengths[i];
        if (box->isModified())
            continue; // still being typed
        if (lengthFields[i] == VesselLength::floor && !vessel.floor) {
            box->clear();
            box->setPlaceholderText(
                tr("as the wall: %1").arg(inputText(vessel.wall, vessel.units)));
        } else {
            box->setText(inputText(vesselLength(vessel, lengthFields[i]), vessel.units));
        }
    }
}

void ProfileEditor::selectRow(int point)
{
    if (point < 0 || point >= model->rowCount()) {
        // No current row either, so that a click on any row selects its point again.
        table->selectionModel()->clear();
        return;
    }
    table->setCurrentIndex(model->index(point,
        table->currentIndex().isValid() ? table->currentIndex().column()
                                        : ProfilePointModel::rColumn));
}

void ProfileEditor::setSelectedRing(std::optional<std::size_t> ring)
{
    profileView->setSelectedRing(ring);
}

void ProfileEditor::takePendingEdits()
{
    for (std::size_t i = 0; i < lengths.size(); ++i)
        takeLength(i);
    QWidget *editor = window()->focusWidget(); // an open cell's editor has the keys
    if (editor == nullptr || !table->viewport()->isAncestorOf(editor))
        return;
    emit table->itemDelegate()->commitData(editor);
    emit table->itemDelegate()->closeEditor(editor, QAbstractItemDelegate::NoHint);
}

// Delete in the table removes the selected point, as in the drawing; a cell being typed into has
// the keys itself.
bool ProfileEditor::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == table && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->matches(QKeySequence::Delete)) {
        profileView->removeSelectedPoint();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace orvane
