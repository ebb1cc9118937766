#include "window/vessel/preferencesdialog.h"

#include "window/vessel/ringedit.h"
#include "window/vessel/vesseltexts.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace orvane {

PreferencesDialog::PreferencesDialog(const CheckSettings &settings, Units units, QWidget *parent)
    : QDialog(parent)
    , shownUnits(units)
{
    setObjectName(QStringLiteral("preferences"));
    setWindowTitle(tr("Preferences"));
    widestBoard = new QLineEdit(inputText(settings.widestBoard, units));
    widestBoard->setObjectName(QStringLiteral("widestBoard"));
    widestBoard->setToolTip(tr("A ring whose segments take a wider board, or a disc whose blank "
                               "is wider, is named in the checks"));
    smallestOpening = new QLineEdit(inputText(settings.smallestOpening, units));
    smallestOpening->setObjectName(QStringLiteral("smallestOpening"));
    smallestOpening->setToolTip(
        tr("A vessel whose opening is narrower than a hand turns the inside through is named in "
           "the checks"));
    problem = new QLabel;
    problem->setObjectName(QStringLiteral("preferencesProblem"));
    problem->setWordWrap(true);
    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);

    auto *form = new QFormLayout;
    form->addRow(tr("&Widest board:"), widestBoard);
    form->addRow(tr("&Smallest rim opening:"), smallestOpening);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(problem);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    for (QLineEdit *box : { widestBoard, smallestOpening })
        connect(box, &QLineEdit::textChanged, this, &PreferencesDialog::checkTexts);
    checkTexts();
}

std::optional<double> PreferencesDialog::lengthIn(const QLineEdit *box) const
{
    const std::optional<double> inches = typedLength(box->text().toStdString(), shownUnits);
    if (inches && *inches > 0 && std::isfinite(*inches))
        return inches;
    return std::nullopt;
}

CheckSettings PreferencesDialog::settings() const
{
    const CheckSettings defaults;
    return { lengthIn(widestBoard).value_or(defaults.widestBoard),
        lengthIn(smallestOpening).value_or(defaults.smallestOpening) };
}

void PreferencesDialog::checkTexts()
{
    QStringList problems;
    if (!lengthIn(widestBoard))
        problems << tr("The widest board is not a length more than 0.");
    if (!lengthIn(smallestOpening))
        problems << tr("The smallest rim opening is not a length more than 0.");
    problem->setText(problems.join(u' '));
    problem->setVisible(!problems.isEmpty());
    buttons->button(QDialogButtonBox::Ok)->setEnabled(problems.isEmpty());
}

} // namespace orvane
