#include "tests/support/recordingsurface.h"

namespace {

const char *kindName(Operation::Kind kind)
{
    switch (kind) {
    case Operation::Clear: return "clear";
    case Operation::Line: return "line";
    case Operation::Circle: return "circle";
    case Operation::Arc: return "arc";
    case Operation::Print: return "print";
    case Operation::Rectangle: return "rectangle";
    case Operation::NewPage: return "newPage";
    case Operation::EndDocument: return "endDocument";
    }
    return "?";
}

} // namespace

QPointF Operation::landing(double x, double y) const
{
    return { (x - scale.left) / scale.width, (y - scale.top) / scale.height };
}

QString Operation::toString() const
{
    QString result = QLatin1String(kindName(kind));
    for (const float value : args)
        result += QLatin1Char(' ') + QString::number(value, 'g', 9);
    if (colour)
        result += QStringLiteral(" #%1").arg(*colour & 0xffffff, 6, 16, QLatin1Char('0'));
    if (kind == Print)
        result += QStringLiteral(" \"%1\"").arg(text);
    return result;
}

QList<Operation> ofKind(const QList<Operation> &operations, Operation::Kind kind)
{
    QList<Operation> found;
    for (const Operation &operation : operations) {
        if (operation.kind == kind)
            found.append(operation);
    }
    return found;
}

QList<Operation> shownAfterLastClear(const QList<Operation> &operations)
{
    qsizetype first = 0;
    for (qsizetype i = 0; i < operations.size(); ++i) {
        if (operations[i].kind == Operation::Clear)
            first = i + 1;
    }
    return operations.mid(first);
}

QStringList describe(const QList<Operation> &operations)
{
    QStringList lines;
    for (const Operation &operation : operations)
        lines.append(operation.toString());
    return lines;
}
