#pragma once

// The vessel's totals: its rings, height and widest diameter, and the board feet and strip length
// of all its rings, per wood and together, and per wood and board thickness: what to buy.

#include "core/vessel.h"

#include <QWidget>

class QLabel;
class QTableWidget;

namespace orvane {

struct VesselResults;

class TotalsPanel : public QWidget
{
    Q_OBJECT

public:
    explicit TotalsPanel(QWidget *parent = nullptr);

    void showTotals(const VesselResults &results, Units units);

private:
    QLabel *size = nullptr;
    QTableWidget *woods = nullptr;
    QTableWidget *boards = nullptr;
};

} // namespace orvane
