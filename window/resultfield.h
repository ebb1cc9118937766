#pragma once

// A result field: a disabled label showing one result of the recalculation, greyed but legible,
// on the colour of title-bar text.

#include <QLabel>

class ResultField : public QLabel
{
    Q_OBJECT

public:
    explicit ResultField(QWidget *parent = nullptr);
};
