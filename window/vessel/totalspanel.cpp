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
    ringsColumn, // the thickness in the table per board
    segmentsColumn,
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

QTableWidget *totalsTable(const QString &name, const QString &accessibleName,
    const QString &secondColumn, QWidget *parent)
{
    auto *table = new QTableWidget(0, numberOfColumns, parent);
    table->setObjectName(name);
    table->setAccessibleName(accessibleName);
    table->setHorizontalHeaderLabels({ QObject::tr("Wood"), secondColumn, QObject::tr("Segments"),
        QObject::tr("Board Feet"), QObject::tr("Strip Length") });
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 8);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setFocusPolicy(Qt::NoFocus);
    table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    table->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    return table;
}

QString woodName(const std::string &wood)
{
    return wood.empty() ? QObject::tr("(no wood given)") : shown(wood);
}

} // namespace

TotalsPanel::TotalsPanel(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("totals"));
    size = new QLabel(this);
    size->setObjectName(QStringLiteral("vesselSize"));
    size->setTextInteractionFlags(Qt::TextSelectableByMouse);
    woods = totalsTable(QStringLiteral("woodTotals"), tr("Totals per wood"), tr("Rings"), this);
    boards = totalsTable(QStringLiteral("boardTotals"), tr("Totals per wood and board thickness"),
        tr("Thickness"), this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(size);
    layout->addWidget(woods);
    layout->addWidget(boards);
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
    const auto showRow
        = [&](QTableWidget *table, int row, const QString &wood, const QString &second,
              const QString &segments, double boardFeet, double stripLength) {
              const auto [stripText, stripDetail] = strip(stripLength);
              table->setItem(row, woodColumn, cell(wood));
              table->setItem(row, ringsColumn, cell(second));
              table->setItem(row, segmentsColumn, cell(segments));
              table->setItem(row, boardFeetColumn, cell(shown(boardFeetCaption(boardFeet))));
              table->setItem(row, stripLengthColumn, cell(stripText, stripDetail));
          };
    int segments = 0;
    woods->setRowCount(static_cast<int>(results.woods.size()) + 1);
    for (std::size_t i = 0; i < results.woods.size(); ++i) {
        const WoodTotal &wood = results.woods[i];
        showRow(woods, int(i), woodName(wood.wood), QString::number(wood.rings),
            QString::number(wood.segments), wood.boardFeet, wood.stripLength);
        segments += wood.segments;
    }
    showRow(woods, woods->rowCount() - 1, tr("All rings"), QString::number(rings),
        QString::number(segments), results.boardFeet, results.stripLength);
    boards->setRowCount(static_cast<int>(results.boards.size()));
    for (std::size_t i = 0; i < results.boards.size(); ++i) {
        const WoodTotal &board = results.boards[i];
        showRow(boards, int(i), woodName(board.wood), sizeText(board.thickness, units),
            QString::number(board.segments), board.boardFeet, board.stripLength);
    }
}

} // namespace orvane
