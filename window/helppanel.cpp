#include "window/helppanel.h"

#include "drawing/twips.h"

#include <QLabel>
#include <QPushButton>

namespace {

const char *const answerFudge
    = "What is Fudge factor?  Fudge is the extra material beyond the cut line.  Its there for "
      "tolerances.  Trying to make your cuts exactly to the line would be difficult.";
const char *const answerPlusMinus
    = "What is this +/- thing all about?  The \"real\" values are calculated in decimal form, then "
      "converted to fractions.  Since most of the calculated values aren't even fractions, the "
      "closest fraction to the decimal value is calculated.  The plus or minus tells you whether "
      "the fraction was rounded up or down.  For example, if the decimal value is 14.130, the "
      "fraction qould be 14 1/8+ meaning that the fraction is a small amount less than the "
      "decimal value.  The software rounds to the nearest 1/16\".  ";
const char *const answerLines
    = "Why don't the lines meet on the screen?  The picture boxes on the screen are scaled using "
      "integers.  Most of the coordinates are not integers, so there is a small error depending "
      "on the scale values.  The values are based on calculations, however, and are not "
      "affected by the scaling of the pictures.";

void answer(QWidget *panel, const char *name, QRect geometry, const char *text)
{
    auto *label = new QLabel(QString::fromUtf8(text), panel);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

} // namespace

HelpPanel::HelpPanel(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Picture3"));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    setFocusPolicy(Qt::StrongFocus);

    answer(this, "Label22", twipsRect(240, 120, 4500, 1260), answerFudge);
    answer(this, "Label23", twipsRect(240, 1560, 4815, 3855), answerPlusMinus);
    answer(this, "Label24", twipsRect(240, 5400, 4815, 2175), answerLines);

    Command10 = new QPushButton(QStringLiteral("Close"), this);
    Command10->setObjectName(QStringLiteral("Command10"));
    Command10->setGeometry(twipsRect(4560, 7560, 735, 735));
    connect(Command10, &QPushButton::clicked, this, &QWidget::hide);
}
