#include "window/vessel/woodsdialog.h"

#include "window/vessel/woodtablemodel.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace orvane {

WoodsDialog::WoodsDialog(std::vector<Wood> woods, QWidget *parent)
    : QDialog(parent)
    , model(new WoodTableModel(std::move(woods), this))
    , view(new QTableView(this))
{
    setWindowTitle(tr("Woods"));
    view->setObjectName(QStringLiteral("woodTable"));
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->horizontalHeader()->setStretchLastSection(true);
    view->verticalHeader()->hide();
    view->resizeColumnsToContents();

    auto *add = new QPushButton(tr("Add"), this);
    auto *remove = new QPushButton(tr("Remove"), this);
    auto *colour = new QPushButton(tr("Colour…"), this);
    add->setObjectName(QStringLiteral("addWood"));
    remove->setObjectName(QStringLiteral("removeWood"));
    colour->setObjectName(QStringLiteral("chooseWoodColour"));
    connect(add, &QPushButton::clicked, this, [this] {
        const QModelIndex name = model->index(model->addWood(), WoodTableModel::nameColumn);
        view->setCurrentIndex(name);
        view->edit(name);
    });
    connect(remove, &QPushButton::clicked, this,
        [this] { model->removeWood(view->currentIndex().row()); });
    connect(colour, &QPushButton::clicked, this, &WoodsDialog::chooseColour);
    const auto updateButtons = [this, remove, colour] {
        const bool current = view->currentIndex().isValid();
        remove->setEnabled(current);
        colour->setEnabled(current);
    };
    connect(view->selectionModel(), &QItemSelectionModel::currentChanged, this, updateButtons);
    connect(model, &QAbstractItemModel::rowsRemoved, this, updateButtons);
    updateButtons();

    auto *commands = new QHBoxLayout;
    commands->addWidget(add);
    commands->addWidget(remove);
    commands->addWidget(colour);
    commands->addStretch();
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(view);
    layout->addLayout(commands);
    layout->addWidget(buttons);
    resize(360, 420);
}

const std::vector<Wood> &WoodsDialog::woods() const
{
    return model->woods();
}

void WoodsDialog::chooseColour()
{
    const int row = view->currentIndex().row();
    if (row < 0)
        return;
    const QString current = model->index(row, WoodTableModel::colourColumn).data().toString();
    const QColor chosen = QColorDialog::getColor(QColor(current), this,
        tr("Colour of %1").arg(model->index(row, WoodTableModel::nameColumn).data().toString()));
    if (chosen.isValid())
        model->setColour(row, chosen.name());
}

} // namespace orvane
