#include "window/vessel/totalspanel.h"

#include "core/boardfeet.h"
#include "core/ringresult.h"
#include "core/vesselresults.h"
#include "drawing/conversions.h"
#include "window/vessel/vesseltexts.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace orvane {

namespace {

enum Column
{
    woodColumn,
    ringsColumn,
    boardFeetColumn,
    stripLengthColumn,
    numberOfColumns
};

QTableWidgetItem *cell(const QString &text, const QString &toolTip = {})
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setToolTip(toolTip);
    return item;
}

} // namespace

TotalsPanel::TotalsPanel(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("totals"));
    size = new QLabel(this);
    size->setObjectName(QStringLiteral("vesselSize"));
    size->setTextInteractionFlags(Qt::TextSelectableByMouse);
    woods = new QTableWidget(0, numberOfColumns, this);
    woods->setObjectName(QStringLiteral("woodTotals"));
    woods->setAccessibleName(tr("Totals per wood"));
    woods->setHorizontalHeaderLabels(
        { tr("Wood"), tr("Rings"), tr("Board Feet"), tr("Strip Length") });
    woods->verticalHeader()->hide();
    woods->verticalHeader()->setDefaultSectionSize(woods->fontMetrics().height() + 8);
    woods->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    woods->setEditTriggers(QAbstractItemView::NoEditTriggers);
    woods->setFocusPolicy(Qt::NoFocus);
    woods->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    woods->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(size);
    layout->addWidget(woods);
}

void TotalsPanel::showTotals(const VesselResults &results, Units units)
{
    const int rings = static_cast<int>(results.rings.size());
    const QString count = rings == 1 ? tr("1 ring") : tr("%1 rings").arg(rings);
    size->setText(
        tr("%1, %2 high, %3 at the widest")
            .arg(count, sizeText(results.height, units), sizeText(results.widestDiameter, units)));
    size->setAccessibleName(size->text());

    const auto strip = [units](double inches) {
        const LengthResult length = lengthResult(inches);
        return std::pair { resultText(length, units), resultDetail(length, units) };
    };
    woods->setRowCount(static_cast<int>(results.woods.size()) + 1);
    int row = 0;
    const auto showRow
        = [&](const QString &wood, int woodRings, double boardFeet, double stripLength) {
              const auto [stripText, stripDetail] = strip(stripLength);
              woods->setItem(row, woodColumn, cell(wood));
              woods->setItem(row, ringsColumn, cell(QString::number(woodRings)));
              woods->setItem(row, boardFeetColumn, cell(shown(boardFeetCaption(boardFeet))));
              woods->setItem(row, stripLengthColumn, cell(stripText, stripDetail));
              ++row;
          };
    for (const WoodTotal &wood : results.woods) {
        showRow(wood.wood.empty() ? tr("(no wood given)") : shown(wood.wood), wood.rings,
            wood.boardFeet, wood.stripLength);
    }
    showRow(tr("All rings"), rings, results.boardFeet, results.stripLength);
}

} // namespace orvane
