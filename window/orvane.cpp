#include "window/orvane.h"

#include "core/reading.h"
#include "drawing/conversions.h"
#include "drawing/picturebox.h"
#include "window/accessibility.h"
#include "window/helppanel.h"
#include "window/layout.h"
#include "window/looks.h"
#include "window/printdialogs.h"
#include "window/projectprompt.h"
#include "window/resultfield.h"
#include "window/spinner.h"
#include "window/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace orvane {

namespace {

// What a spinner counting quarter inches writes into its box: 144 gives "36", 121 "30.25".
QString quarterInches(int quarters)
{
    return shown(shortestDecimal(quarters / 4.0));
}

double numberIn(const QLineEdit *box)
{
    return leadingNumber(box->text().toStdString());
}

// Makes the window's own control, a panel's controls being left to the panel.
QWidget *makeControl(const layout::Control &control, QWidget *window)
{
    using layout::Kind;
    const QString text = layout::text(control);
    QWidget *widget = nullptr;
    switch (control.kind) {
    case Kind::CaptionLabel: widget = new QLabel(text, window); break;
    case Kind::InputBox: widget = new QLineEdit(QLatin1String(control.text), window); break;
    case Kind::Spinner: {
        const layout::SpinnerRange &r = control.range;
        widget = new Spinner(r.bottom, r.top, r.start, r.trackStep, window);
        break;
    }
    case Kind::ResultField: widget = new ResultField(window); break;
    case Kind::Button: widget = new QPushButton(text, window); break;
    case Kind::Picture: {
        const QRect &g = control.twips;
        widget = new PictureBox(twipsRect(g.x(), g.y(), g.width(), g.height()).size(), window);
        break;
    }
    case Kind::HelpPanel: widget = new HelpPanel(window); break;
    case Kind::Prompt: widget = new ProjectPrompt(window); break;
    case Kind::Answer:
    case Kind::PromptLabel:
    case Kind::NameBox: return nullptr; // made by their panels
    }
    layout::place(widget, control);
    if (control.kind == Kind::CaptionLabel)
        looks::makeCaptionLabel(static_cast<QLabel *>(widget));
    else if (control.kind == Kind::InputBox)
        looks::makeInputBox(static_cast<QLineEdit *>(widget));
    else if (control.kind == Kind::Picture)
        looks::makePicture(widget);
    return widget;
}

} // namespace

Orvane::Orvane(QWidget *parent)
    : QWidget(parent)
    , printDialogs(standardPrintDialogs())
{
    setObjectName(QStringLiteral("Orvane"));
    setWindowTitle(tr("Orvane"));
    setFixedSize(pixels(layout::clientWidth), pixels(layout::clientHeight));
    setFont(looks::windowFont());
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, looks::windowBlue);
    setPalette(background);

    accessibility::install();
    buildControls();
    setFocusOrder();
    accessibility::nameControls(this);
    connectEvents();
    buildCommands();

    recalculate(); // everything is shown before the window first is
}

Orvane::~Orvane() = default;

void Orvane::buildControls()
{
    for (const layout::Control &control : layout::controls()) {
        if (control.parent == nullptr)
            makeControl(control, this);
    }
    const auto named = [this]<typename T>(T *&member, const char *name) {
        member = findChild<T *>(QLatin1String(name), Qt::FindDirectChildrenOnly);
    };
    named(segmentCountBox, "numsegs");
    named(outerDiameterBox, "outerdiam");
    named(innerDiameterBox, "innerdiam");
    named(fudgeBox, "fudge");
    named(thicknessBox, "boardthick");
    named(segmentCountSpinner, "VScroll1");
    named(outerDiameterSpinner, "VScroll2");
    named(innerDiameterSpinner, "VScroll3");
    named(fudgeSpinner, "VScroll4");
    named(thicknessSpinner, "VScroll5");
    named(longSideFraction, "longside");
    named(longSideDecimal, "longsidedec");
    named(shortSideFraction, "shortside");
    named(shortSideDecimal, "shortsidedec");
    named(boardWidthFraction, "bwidth");
    named(boardWidthDecimal, "boardwidthdec");
    named(longSideAngle, "shortangle");
    named(shortSideAngle, "longangle");
    named(boardFeetField, "boardfeet");
    named(planView, "Picture1");
    named(detailView, "Picture2");
    named(zoomOutButton, "Command2");
    named(zoomInButton, "Command3");
    named(centerButton, "Command8");
    named(helpButton, "Command9");
    named(printButton, "Command13");
    named(reportPrintButton, "Command11");
    named(helpPanel, "Picture3");
    named(projectPrompt, "Frame1");

    for (QPushButton *viewButton : { zoomOutButton, centerButton, zoomInButton })
        viewButton->setFont(looks::smallFont());
    planView->setFont(looks::smallFont());
    // The ring plan view starts 92.7 inches across, its centre well above the middle.
    planView->setScaleLeft(0);
    planView->setScaleTop(50);
    planView->setScaleWidth(92.7f);
    planView->setScaleHeight(-92.7f);

    reportPrintButton->hide();
    helpPanel->hide();
    projectPrompt->hide();
}

void Orvane::setFocusOrder()
{
    const QList<QWidget *> order { planView, zoomOutButton, zoomInButton, centerButton,
        segmentCountSpinner, innerDiameterSpinner, outerDiameterSpinner, fudgeSpinner, detailView,
        thicknessSpinner, helpButton, helpPanel, helpPanel->closeButton(), projectPrompt->nameBox(),
        projectPrompt->okButton(), printButton };
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void Orvane::connectEvents()
{
    connect(segmentCountSpinner, &Spinner::spinnerChanged, this,
        [this](int value) { segmentCountBox->setText(QString::number(value)); });
    // The diameter spinners keep the inner diameter below the outer one. Their checks run inside
    // the change: writing the box recalculates at once, and a check that moves the other spinner
    // writes the other box, which recalculates again before this change has returned.
    connect(outerDiameterSpinner, &Spinner::spinnerChanged, this, [this](int value) {
        outerDiameterBox->setText(quarterInches(value));
        keepInnerBelowOuter();
    });
    connect(innerDiameterSpinner, &Spinner::spinnerChanged, this, [this](int value) {
        innerDiameterBox->setText(quarterInches(value));
        keepOuterAboveInner();
    });
    connect(fudgeSpinner, &Spinner::spinnerChanged, this,
        [this](int value) { fudgeBox->setText(quarterInches(value)); });
    connect(thicknessSpinner, &Spinner::spinnerChanged, this,
        [this](int value) { thicknessBox->setText(quarterInches(value)); });

    for (QLineEdit *box : { segmentCountBox, outerDiameterBox, innerDiameterBox, fudgeBox })
        connect(box, &QLineEdit::textChanged, this, &Orvane::recalculate);
    // The thickness enters nothing but the board feet.
    connect(thicknessBox, &QLineEdit::textChanged, this, &Orvane::thicknessChanged);

    connect(zoomOutButton, &QPushButton::clicked, this, &Orvane::zoomOut);
    connect(zoomInButton, &QPushButton::clicked, this, &Orvane::zoomIn);
    connect(centerButton, &QPushButton::clicked, this, &Orvane::center);

    connect(helpButton, &QPushButton::clicked, this, &Orvane::showHelp);
    connect(printButton, &QPushButton::clicked, this, &Orvane::askForProjectName);
    connect(reportPrintButton, &QPushButton::clicked, this, &Orvane::printReport);
    connect(projectPrompt, &ProjectPrompt::accepted, this, &Orvane::printReport);
}

// The outer diameter lowered to the inner one or below: the inner one drops a quarter inch.
void Orvane::keepInnerBelowOuter()
{
    if (numberIn(innerDiameterBox) >= numberIn(outerDiameterBox))
        innerDiameterSpinner->setSpinnerValue(innerDiameterSpinner->spinnerValue() - 1);
}

// The inner diameter raised above the outer one: the outer one rises to a quarter inch above it.
// An inner diameter equal to the outer one is left as it is.
void Orvane::keepOuterAboveInner()
{
    if (numberIn(outerDiameterBox) < numberIn(innerDiameterBox))
        outerDiameterSpinner->setSpinnerValue(innerDiameterSpinner->spinnerValue() + 1);
}

void Orvane::showHelp()
{
    helpPanel->move(twipsRect(layout::helpPanelLeft, layout::helpPanelTop, 0, 0).topLeft());
    helpPanel->show();
    helpPanel->raise();
    projectPrompt->raise(); // the prompt lies above the help panel
}

void Orvane::askForProjectName()
{
    projectPrompt->show();
    projectPrompt->raise();
}

// The ring as the boxes give it: the four inputs by the leading-number rule, the thickness only
// when its box holds one number, and the project name as typed.
RingDesign Orvane::readRing() const
{
    RingDesign design = defaultRing();
    design.name = projectPrompt->nameBox()->text().toStdString();
    design.inputs = { numberIn(segmentCountBox), numberIn(outerDiameterBox),
        numberIn(innerDiameterBox), numberIn(fudgeBox) };
    design.thickness = wholeNumber(thicknessBox->text().toStdString());
    return design;
}

} // namespace orvane
