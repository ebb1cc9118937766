#pragma once

// Drawing surfaces that draw nothing and keep the list of what was drawn on them: every figure and
// text with its single-precision arguments and the user scale it was drawn in, so that tests can
// see where each one lands. Setting the scale or the text position draws nothing and is not
// listed; what it does shows in the figures and texts drawn afterwards.

#include "drawing/surface.h"
#include "tests/support/viewscale.h"

#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>

#include <optional>

struct Operation
{
    enum Kind
    {
        Clear,
        Line,
        Circle,
        Arc,
        Print,
        // Operations only a printed page has.
        Rectangle,
        NewPage,
        EndDocument,
    };
    Kind kind;
    QList<float> args; // coordinates, radius and angles in call order; where a print wrote
    std::optional<QRgb> colour; // lines and arcs drawn in a colour of their own
    QString text; // what a print wrote
    ViewScale scale; // the user scale in force
    // On a printed page, the font size and pen width in force; 0 elsewhere.
    float fontSize = 0;
    int penWidth = 0;

    // Where the point (x, y) of this operation's scale lands: the fraction of the way across the
    // surface from its left edge and down from its top edge.
    QPointF landing(double x, double y) const;

    // A readable form for failure messages, such as "line 46.35 25 146.35 25 #ffff00".
    QString toString() const;
};

// The operations of one kind, in order.
QList<Operation> ofKind(const QList<Operation> &operations, Operation::Kind kind);
// What a surface shows at the end: the operations after the last clear.
QList<Operation> shownAfterLastClear(const QList<Operation> &operations);
// Every operation in its readable form.
QStringList describe(const QList<Operation> &operations);

// Records the drawing operations made on a surface of type `Surface`.
template <typename Surface> class Recording : public Surface
{
public:
    QList<Operation> operations;

    // How far a printed line moves the text position down the surface, in scale units.
    float lineHeight = 1;

    void clear() override { record(Operation::Clear, {}); }
    void circle(float x, float y, float radius) override
    {
        record(Operation::Circle, { x, y, radius });
    }
    void arc(float x, float y, float radius, QRgb colour, float start, float end) override
    {
        record(Operation::Arc, { x, y, radius, start, end }, colour);
    }
    void print(const QString &text) override
    {
        record(Operation::Print, { this->currentX(), this->currentY() }, std::nullopt, text);
        this->newLine(this->scaleHeight() < 0 ? -lineHeight : lineHeight);
    }

    QList<Operation> ofKind(Operation::Kind kind) const { return ::ofKind(operations, kind); }
    QStringList log() const { return describe(operations); }

protected:
    void drawLine(float x1, float y1, float x2, float y2, std::optional<QRgb> colour) override
    {
        record(Operation::Line, { x1, y1, x2, y2 }, colour);
    }

    // Adds what else is in force on the surface to an operation about to be recorded.
    virtual void stamp(Operation &) const { }

    void record(Operation::Kind kind, QList<float> args, std::optional<QRgb> colour = std::nullopt,
        const QString &text = {})
    {
        Operation operation { kind, std::move(args), colour, text, scaleOf(*this) };
        stamp(operation);
        operations.append(operation);
    }
};

using RecordingSurface = Recording<orvane::DrawingSurface>;
