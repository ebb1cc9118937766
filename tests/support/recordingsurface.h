#pragma once

// A drawing surface that draws nothing and keeps the ordered list of operations made on it, with
// their single-precision arguments, so that tests can see exactly what a drawing did.

#include "drawing/surface.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

struct Operation
{
    enum Kind
    {
        Clear,
        ScaleLeft,
        ScaleTop,
        ScaleWidth,
        ScaleHeight,
        Line,
        Circle,
        Arc,
        CurrentX,
        CurrentY,
        Print,
        // Operations only a printed page has.
        ScaleUnitInches,
        PrintableHeight,
        PrintableWidth,
        FontSize,
        PenWidth,
        Rectangle,
        EndDocument,
    };
    Kind kind;
    QList<float> args; // coordinates, radius, angles or the value set or read, in call order
    std::optional<QRgb> colour; // lines and arcs drawn in a colour of their own
    QString text; // what a print wrote

    // A readable form for failure messages, such as "line 46.35 25 146.35 25 #ffff00".
    QString toString() const;
};

class RecordingSurface : public virtual DrawingSurface
{
public:
    QList<Operation> operations;

    // How far a printed line moves the text position down the surface, in scale units.
    float lineHeight = 1;

    void clear() override;
    void setScaleLeft(float value) override;
    void setScaleTop(float value) override;
    void setScaleWidth(float value) override;
    void setScaleHeight(float value) override;
    void circle(float x, float y, float radius) override;
    void arc(float x, float y, float radius, QRgb colour, float start, float end) override;
    void setCurrentX(float value) override;
    void setCurrentY(float value) override;
    void print(const QString &text) override;

    // The operations of one kind, in order.
    QList<Operation> ofKind(Operation::Kind kind) const;
    // Every operation in its readable form.
    QStringList log() const;

protected:
    void drawLine(float x1, float y1, float x2, float y2, std::optional<QRgb> colour) override;

    void record(Operation::Kind kind, QList<float> args, std::optional<QRgb> colour = std::nullopt,
        const QString &text = {});
};
