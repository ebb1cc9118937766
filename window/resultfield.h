#pragma once

// A result field: a disabled label showing one result of the recalculation, greyed but legible,
// on the colour of title-bar text.

#include <QLabel>

namespace orvane {

class ResultField : public QLabel
{
    Q_OBJECT

public:
    explicit ResultField(QWidget *parent = nullptr);
};

} // namespace orvane
