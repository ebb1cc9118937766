#include "window/looks.h"

#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace orvane::looks {

namespace {

// The face the layout names is a Windows bitmap font; where it is missing, its nearest relatives
// stand in, in this order.
const QString layoutFace = QStringLiteral("MS Sans Serif");
const QStringList standIns
    = { QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"),
          QStringLiteral("Arimo"), QStringLiteral("Arial"), QStringLiteral("DejaVu Sans") };

// Whether the font database holds `family`, under its own name or as "family [foundry]".
bool installed(const QStringList &families, const QString &family)
{
    return std::any_of(families.begin(), families.end(), [&family](const QString &name) {
        const qsizetype foundry = name.indexOf(QLatin1String(" ["));
        return QStringView(name)
                   .left(foundry < 0 ? name.size() : foundry)
                   .compare(family, Qt::CaseInsensitive)
            == 0;
    });
}

// The first of the layout's face and its stand-ins that is installed. Naming it directly spares
// the font database a search for fallbacks of a face it does not have, which costs more than all
// the rest of choosing a font. Where none is installed, the font asks for the layout's face and
// leaves the stand-ins to the font database.
QString layoutFamily()
{
    static const QString family = [] {
        const QStringList families = QFontDatabase::families();
        for (const QString &candidate : QStringList { layoutFace } + standIns) {
            if (installed(families, candidate))
                return candidate;
        }
        QFont::insertSubstitutions(layoutFace, standIns);
        return layoutFace;
    }();
    return family;
}

QFont layoutFont(qreal points)
{
    QFont font(layoutFamily());
    font.setPointSizeF(points);
    return font;
}

void setForAllGroups(QPalette &palette, QPalette::ColorRole role, const QColor &colour)
{
    for (const auto group : { QPalette::Active, QPalette::Inactive, QPalette::Disabled })
        palette.setColor(group, role, colour);
}

} // namespace

QFont windowFont()
{
    return layoutFont(12);
}
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
    setForAllGroups(
        palette, QPalette::Window, palette.color(QPalette::Active, QPalette::Highlight));
    setForAllGroups(palette, QPalette::WindowText, captionYellow);
    label->setPalette(palette);
    // A caption label is as wide as its caption, on one line: the width QLabel::sizeHint() gives,
    // measured once instead of three times (it lays the text out again for the minimum size).
    label->ensurePolished();
    const QRect text
        = label->fontMetrics().boundingRect(QRect(0, 0, 2000, 2000), Qt::AlignLeft, label->text());
    const QMargins margins = label->contentsMargins();
    label->resize(
        text.width() + 2 * label->margin() + margins.left() + margins.right(), label->height());
}

void makeInputBox(QLineEdit *box)
{
    box->setEnabled(false);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Disabled, QPalette::Text, greyedText);
    palette.setColor(
        QPalette::Disabled, QPalette::Base, palette.color(QPalette::Active, QPalette::Base));
    box->setPalette(palette);
}

void makePicture(QWidget *picture)
{
    QPalette palette = picture->palette();
    setForAllGroups(palette, QPalette::Window, pictureTeal);
    setForAllGroups(
        palette, QPalette::WindowText, palette.color(QPalette::Active, QPalette::ButtonText));
    picture->setPalette(palette);
    picture->setFocusPolicy(Qt::StrongFocus);
}

} // namespace orvane::looks
