#include "window/templatedialog.h"

#include "core/length.h"
#include "report/pdfformat.h"
#include "report/templatecutlist.h"
#include "report/templateoutput.h"
#include "window/pdffile.h"
#include "window/templatedialogs.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <cmath>

namespace orvane {

namespace {

// The paper box's entry for the default printer's paper, beside Letter and A4.
constexpr int printersPaper = -1;

// The kerf box's text read as a kerf in inches, or why it is none.
struct ReadKerf
{
    std::optional<double> inches;
    QString problem;
};

ReadKerf readKerf(const QString &text)
{
    const QString examples
        = QObject::tr("Enter it in inches, as 0.125 or 1/8, or in millimetres, as 3 mm.");
    if (text.trimmed().isEmpty())
        return { {}, QObject::tr("The kerf is empty. %1").arg(examples) };
    const auto length = readLength(text.toStdString());
    if (!length || !std::isfinite(*length))
        return { {},
            QObject::tr("The kerf \"%1\" is not a length. %2").arg(text.trimmed(), examples) };
    if (*length < 0)
        return { {}, QObject::tr("The kerf cannot be negative.") };
    if (*length > widestKerf)
        return { {}, QObject::tr("The kerf cannot be wider than 1 inch (25.4 mm).") };
    return { length, {} };
}

// The template's PDF in the user's documents, named after the project.
QString suggestedTemplatePath(const QString &projectName)
{
    const QString name = projectName.simplified();
    return suggestedPdfPath(
        QObject::tr("%1 template").arg(name.isEmpty() ? QObject::tr("Orvane") : name));
}

} // namespace

TemplateDialog::TemplateDialog(
    const QString &projectName, const RingDesign &ringDesign, QWidget *parent)
    : QDialog(parent)
    , ring(ringDesign)
    , printerPaper(QPrinterInfo::defaultPrinter().defaultPageSize())
    , dialogs(standardTemplateDialogs())
{
    setWindowTitle(tr("Full-Size Template"));
    buildControls(projectName);
    showProblem();
}

TemplateDialog::~TemplateDialog() = default;

void TemplateDialog::buildControls(const QString &projectName)
{
    projectBox = new QLineEdit(projectName, this);
    projectBox->setObjectName(QStringLiteral("projectName"));
    kerfBox = new QLineEdit(QStringLiteral("1/8"), this);
    kerfBox->setObjectName(QStringLiteral("kerf"));
    kerfBox->setToolTip(tr("The width of the saw's cut: inches as 0.125 or 1/8, or millimetres "
                           "as 3 mm"));
    problemLine = new QLabel(this);
    problemLine->setObjectName(QStringLiteral("problem"));
    problemLine->setWordWrap(true);
    problemLine->setStyleSheet(QStringLiteral("color: #b00000"));

    paperBox = new QComboBox(this);
    paperBox->setObjectName(QStringLiteral("paper"));
    if (printerPaper.isValid()) {
        paperBox->addItem(tr("The default printer's (%1)").arg(printerPaper.name()), printersPaper);
    }
    paperBox->addItem(tr("Letter"), int(QPageSize::Letter));
    paperBox->addItem(tr("A4"), int(QPageSize::A4));
    if (!printerPaper.isValid())
        paperBox->setCurrentIndex(paperBox->findData(int(localePaper().id())));

    auto *form = new QFormLayout;
    form->addRow(tr("&Project name:"), projectBox);
    form->addRow(tr("Saw &kerf:"), kerfBox);
    form->addRow(QString(), problemLine);
    form->addRow(tr("P&aper:"), paperBox);

    auto *buttons = new QDialogButtonBox(this);
    printButton = buttons->addButton(tr("Print…"), QDialogButtonBox::ActionRole);
    printButton->setObjectName(QStringLiteral("print"));
    pdfButton = buttons->addButton(tr("Save as PDF…"), QDialogButtonBox::ActionRole);
    pdfButton->setObjectName(QStringLiteral("saveAsPdf"));
    cancelButton = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    cancelButton->setObjectName(QStringLiteral("cancel"));
    printButton->setDefault(true);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    connect(kerfBox, &QLineEdit::textChanged, this, &TemplateDialog::showProblem);
    connect(printButton, &QPushButton::clicked, this, &TemplateDialog::print);
    connect(pdfButton, &QPushButton::clicked, this, &TemplateDialog::saveAsPdf);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TemplateDialog::setDialogs(std::unique_ptr<PageDialogs> replacement)
{
    dialogs = std::move(replacement);
}

TemplateDialog::Template TemplateDialog::currentTemplate() const
{
    const ReadKerf kerf = readKerf(kerfBox->text());
    if (!kerf.inches)
        return { {}, kerf.problem };
    RingDesign design = ring;
    design.kerf = *kerf.inches;
    // The template is one of the calculator's outputs: it computes the counts the calculator does.
    const TemplateRing made { projectBox->text(),
        computeRingResult(design, calculatorLargestCount) };
    if (const auto problem = templateProblem(made))
        return { {}, tr("No template can be made of this ring: %1.").arg(*problem) };
    return { made, {} };
}

QPageSize TemplateDialog::pdfPaper() const
{
    const int chosen = paperBox->currentData().toInt();
    if (chosen == printersPaper)
        return printerPaper;
    return QPageSize(QPageSize::PageSizeId(chosen));
}

void TemplateDialog::showProblem()
{
    const QString problem = currentTemplate().problem;
    problemLine->setText(problem);
    problemLine->setVisible(!problem.isEmpty());
    kerfBox->setAccessibleDescription(problem);
    printButton->setEnabled(problem.isEmpty());
    pdfButton->setEnabled(problem.isEmpty());
}

void TemplateDialog::print()
{
    const Template chosen = currentTemplate();
    if (!chosen.ring) {
        showProblem();
        return;
    }
    // The default printer, full resolution; the print dialog may choose another.
    QPrinter printer(QPrinter::HighResolution);
    if (paperBox->currentData().toInt() != printersPaper)
        printer.setPageSize(pdfPaper());
    printer.setPageOrientation(templateOrientation(printer.pageLayout(), { *chosen.ring }));
    if (!dialogs->choosePrinter(this, printer))
        return;
    if (const auto failure = printTemplate(printer, { *chosen.ring })) {
        const QString name = destinationName(printer);
        dialogs->showFailure(this,
            name.isEmpty()
                ? tr("The template could not be printed: %1.").arg(*failure)
                : tr("The template could not be printed on %1: %2.").arg(name, *failure));
        return;
    }
    accept();
}

void TemplateDialog::saveAsPdf()
{
    const Template chosen = currentTemplate();
    if (!chosen.ring) {
        showProblem();
        return;
    }
    const QString fileName = dialogs->pdfFileName(this, suggestedTemplatePath(projectBox->text()));
    if (fileName.isEmpty())
        return;
    if (const auto failure = saveTemplateAsPdf(fileName, { *chosen.ring }, pdfPaper())) {
        dialogs->showFailure(this,
            tr("The template could not be saved as %1: %2.")
                .arg(QDir::toNativeSeparators(fileName), *failure));
        return;
    }
    accept();
}

} // namespace orvane
