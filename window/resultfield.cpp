#include "window/resultfield.h"

#include "window/looks.h"

namespace orvane {

ResultField::ResultField(QWidget *parent)
    : QLabel(parent)
{
    setFont(looks::smallFont());
    setAutoFillBackground(true);
    setEnabled(false);
    QPalette colours = palette();
    const QColor background = colours.color(QPalette::Active, QPalette::HighlightedText);
    for (const auto group : { QPalette::Active, QPalette::Inactive, QPalette::Disabled })
        colours.setColor(group, QPalette::Window, background);
    colours.setColor(QPalette::Disabled, QPalette::WindowText, looks::greyedText);
    setPalette(colours);
}

} // namespace orvane
