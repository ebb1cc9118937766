#include "tests/support/recordingsurface.h"

namespace {

const char *kindName(Operation::Kind kind)
{
    switch (kind) {
    case Operation::Clear: return "clear";
    case Operation::ScaleLeft: return "scaleLeft";
    case Operation::ScaleTop: return "scaleTop";
    case Operation::ScaleWidth: return "scaleWidth";
    case Operation::ScaleHeight: return "scaleHeight";
    case Operation::Line: return "line";
    case Operation::Circle: return "circle";
    case Operation::Arc: return "arc";
    case Operation::CurrentX: return "currentX";
    case Operation::CurrentY: return "currentY";
    case Operation::Print: return "print";
    case Operation::ScaleUnitInches: return "scaleUnitInches";
    case Operation::PrintableHeight: return "printableHeight";
    case Operation::PrintableWidth: return "printableWidth";
    case Operation::FontSize: return "fontSize";
    case Operation::PenWidth: return "penWidth";
    case Operation::Rectangle: return "rectangle";
    case Operation::EndDocument: return "endDocument";
    }
    return "?";
}

} // namespace

QString Operation::toString() const
{
    QString text = QLatin1String(kindName(kind));
    for (const float value : args)
        text += QLatin1Char(' ') + QString::number(value, 'g', 9);
    if (colour)
        text += QStringLiteral(" #%1").arg(*colour & 0xffffff, 6, 16, QLatin1Char('0'));
    if (kind == Print)
        text += QStringLiteral(" \"%1\"").arg(this->text);
    return text;
}

void RecordingSurface::record(
    Operation::Kind kind, QList<float> args, std::optional<QRgb> colour, const QString &text)
{
    operations.append(Operation { kind, std::move(args), colour, text });
}

void RecordingSurface::clear()
{
    record(Operation::Clear, {});
}

void RecordingSurface::setScaleLeft(float value)
{
    DrawingSurface::setScaleLeft(value);
    record(Operation::ScaleLeft, { value });
}

void RecordingSurface::setScaleTop(float value)
{
    DrawingSurface::setScaleTop(value);
    record(Operation::ScaleTop, { value });
}

void RecordingSurface::setScaleWidth(float value)
{
    DrawingSurface::setScaleWidth(value);
    record(Operation::ScaleWidth, { value });
}

void RecordingSurface::setScaleHeight(float value)
{
    DrawingSurface::setScaleHeight(value);
    record(Operation::ScaleHeight, { value });
}

void RecordingSurface::drawLine(float x1, float y1, float x2, float y2, std::optional<QRgb> colour)
{
    record(Operation::Line, { x1, y1, x2, y2 }, colour);
}

void RecordingSurface::circle(float x, float y, float radius)
{
    record(Operation::Circle, { x, y, radius });
}

void RecordingSurface::arc(float x, float y, float radius, QRgb colour, float start, float end)
{
    record(Operation::Arc, { x, y, radius, start, end }, colour);
}

void RecordingSurface::setCurrentX(float value)
{
    DrawingSurface::setCurrentX(value);
    record(Operation::CurrentX, { value });
}

void RecordingSurface::setCurrentY(float value)
{
    DrawingSurface::setCurrentY(value);
    record(Operation::CurrentY, { value });
}

void RecordingSurface::print(const QString &text)
{
    record(Operation::Print, { currentX(), currentY() }, std::nullopt, text);
    newLine(scaleHeight() < 0 ? -lineHeight : lineHeight);
}

QList<Operation> RecordingSurface::ofKind(Operation::Kind kind) const
{
    QList<Operation> found;
    for (const Operation &operation : operations) {
        if (operation.kind == kind)
            found.append(operation);
    }
    return found;
}

QStringList RecordingSurface::log() const
{
    QStringList lines;
    for (const Operation &operation : operations)
        lines.append(operation.toString());
    return lines;
}
