#include "window/looks.h"

#include <QLabel>
#include <QLineEdit>

namespace looks {

namespace {

// The face the layout names is a Windows bitmap font; these are its nearest relatives, in order.
const QString layoutFace = QStringLiteral("MS Sans Serif");

QFont layoutFont(qreal points)
{
    static const bool substituted = [] {
        QFont::insertSubstitutions(layoutFace, { QStringLiteral("Microsoft Sans Serif"),
                                                 QStringLiteral("Liberation Sans"),
                                                 QStringLiteral("Arimo"), QStringLiteral("Arial"),
                                                 QStringLiteral("DejaVu Sans") });
        return true;
    }();
    (void)substituted;
    QFont font(layoutFace);
    font.setPointSizeF(points);
    return font;
}

void setForAllGroups(QPalette &palette, QPalette::ColorRole role, const QColor &colour)
{
    for (const auto group : { QPalette::Active, QPalette::Inactive, QPalette::Disabled })
        palette.setColor(group, role, colour);
}

} // namespace

QFont windowFont() { return layoutFont(12); }
QFont smallFont()
{
    // The layout's captions were fitted to a narrow bitmap face; its nearest outline relatives run
    // a little wider, so the small font is set slightly closer.
    QFont font = layoutFont(8.25);
    font.setLetterSpacing(QFont::PercentageSpacing, 95);
    return font;
}

void makeCaptionLabel(QLabel *label)
{
    label->setFont(smallFont());
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    setForAllGroups(palette, QPalette::Window, palette.color(QPalette::Active, QPalette::Highlight));
    setForAllGroups(palette, QPalette::WindowText, captionYellow);
    label->setPalette(palette);
    // A caption label is as wide as its caption, on one line.
    label->resize(label->sizeHint().width(), label->height());
}

void makeInputBox(QLineEdit *box)
{
    box->setEnabled(false);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Disabled, QPalette::Text, greyedText);
    palette.setColor(QPalette::Disabled, QPalette::Base, palette.color(QPalette::Active, QPalette::Base));
    box->setPalette(palette);
}

void makePicture(QWidget *picture)
{
    QPalette palette = picture->palette();
    setForAllGroups(palette, QPalette::Window, pictureTeal);
    setForAllGroups(palette, QPalette::WindowText,
                    palette.color(QPalette::Active, QPalette::ButtonText));
    picture->setPalette(palette);
    picture->setFocusPolicy(Qt::StrongFocus);
}

} // namespace looks
