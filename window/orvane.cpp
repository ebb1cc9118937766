#include "window/orvane.h"

#include "core/reading.h"
#include "drawing/picturebox.h"
#include "drawing/twips.h"
#include "report/projectprompt.h"
#include "window/accessibility.h"
#include "window/helppanel.h"
#include "window/looks.h"
#include "window/printdialogs.h"
#include "window/resultfield.h"
#include "window/spinner.h"

#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The client area of the window, in twips.
constexpr int clientWidth = 9555;
constexpr int clientHeight = 8745;

QLabel *captionLabel(QWidget *parent, const char *name, QRect geometry, const QString &text,
    const QString &toolTip = {})
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setToolTip(toolTip);
    looks::makeCaptionLabel(label);
    return label;
}

QLabel *resultField(
    QWidget *parent, const char *name, int left, int top, const QString &toolTip = {})
{
    auto *field = new ResultField(parent);
    field->setObjectName(QLatin1String(name));
    field->setGeometry(twipsRect(left, top, 1335, 255));
    field->setToolTip(toolTip);
    return field;
}

QLineEdit *inputBox(QWidget *parent, const char *name, int left, int top, const QString &text)
{
    auto *box = new QLineEdit(text, parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(twipsRect(left, top, 975, 405));
    looks::makeInputBox(box);
    return box;
}

Spinner *spinner(QWidget *parent, const char *name, int left, int top, int bottom, int topValue,
    int value, int trackStep)
{
    auto *bar = new Spinner(bottom, topValue, value, trackStep, parent);
    bar->setObjectName(QLatin1String(name));
    bar->setGeometry(twipsRect(left, top, 255, 405));
    return bar;
}

QPushButton *button(QWidget *parent, const char *name, QRect geometry, const QString &text,
    const QString &toolTip = {})
{
    auto *push = new QPushButton(text, parent);
    push->setObjectName(QLatin1String(name));
    push->setGeometry(geometry);
    push->setToolTip(toolTip);
    return push;
}

// What a spinner counting quarter inches writes into its box: 144 gives "36", 121 "30.25".
QString quarterInches(int quarters)
{
    return QString::fromStdString(orvane::shortestDecimal(quarters / 4.0));
}

QIcon applicationIcon()
{
    QIcon icon;
    for (const int size : { 16, 32, 48, 256 })
        icon.addFile(QStringLiteral(":/icons/orvane-%1.png").arg(size), QSize(size, size));
    return icon;
}

double numberIn(const QLineEdit *box)
{
    return orvane::leadingNumber(box->text().toStdString());
}

} // namespace

Orvane::Orvane(QWidget *parent)
    : QWidget(parent)
    , printDialogs(standardPrintDialogs())
{
    setObjectName(QStringLiteral("Orvane"));
    setWindowTitle(QStringLiteral("Orvane"));
    setWindowIcon(applicationIcon());
    setFixedSize(pixels(clientWidth), pixels(clientHeight));
    setFont(looks::windowFont());
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, looks::windowBlue);
    setPalette(background);

    accessibility::install();
    buildInputs();
    buildResults();
    buildViews();
    buildPanels();
    setFocusOrder();
    accessibility::nameControls(this);
    connectEvents();

    calcs(); // the load event: everything is shown before the window first is
}

Orvane::~Orvane() = default;

void Orvane::buildInputs()
{
    captionLabel(this, "Label1", twipsRect(120, 360, 1035, 195), QStringLiteral("# of Segments"));
    captionLabel(
        this, "Label2", twipsRect(120, 960, 1320, 195), QStringLiteral("Outer Diameter, in."));
    captionLabel(
        this, "Label3", twipsRect(120, 1800, 1290, 195), QStringLiteral("Inner Diameter, in."));
    captionLabel(this, "Label4", twipsRect(120, 2520, 1200, 195),
        QStringLiteral("Fudge Factor, in."), QStringLiteral("Material beyond the cut line"));
    captionLabel(
        this, "Label6", twipsRect(360, 7080, 1395, 195), QStringLiteral("Board thickness, in."));

    numsegs = inputBox(this, "numsegs", 1440, 240, QStringLiteral("6"));
    outerdiam = inputBox(this, "outerdiam", 1440, 840, QStringLiteral("36"));
    innerdiam = inputBox(this, "innerdiam", 1440, 1680, QStringLiteral("30"));
    fudge = inputBox(this, "fudge", 1440, 2400, QStringLiteral(".25"));
    boardthick = inputBox(this, "boardthick", 1800, 6960, QStringLiteral("0.75"));

    // Values are segments for the first spinner and quarter inches for the others.
    VScroll1 = spinner(this, "VScroll1", 2520, 240, 4, 24, 6, 1);
    VScroll2 = spinner(this, "VScroll2", 2520, 840, 16, 288, 144, 5);
    VScroll3 = spinner(this, "VScroll3", 2520, 1680, 12, 284, 120, 5);
    VScroll4 = spinner(this, "VScroll4", 2520, 2400, 0, 16, 1, 1);
    VScroll5 = spinner(this, "VScroll5", 2880, 6960, 1, 32, 3, 1);
}

void Orvane::buildResults()
{
    captionLabel(this, "Label18", twipsRect(1680, 3240, 1155, 195),
        QStringLiteral("Approx. Fraction"), QStringLiteral("Decimal value to the nearest 1/16\""));
    captionLabel(this, "Label17", twipsRect(3120, 3240, 1020, 195), QStringLiteral("Decimal Value"),
        QStringLiteral("Calculated value to 5 places"));

    captionLabel(
        this, "Label8", twipsRect(120, 3480, 1485, 195), QStringLiteral("Long side Length, in."));
    longside = resultField(this, "longside", 1680, 3480, QStringLiteral("Long side of segment"));
    longsidedec
        = resultField(this, "longsidedec", 3120, 3480, QStringLiteral("Long side of segment"));
    captionLabel(
        this, "Label9", twipsRect(120, 3840, 1500, 195), QStringLiteral("Short side Length, in."));
    shortside = resultField(this, "shortside", 1680, 3840, QStringLiteral("Short side of segment"));
    shortsidedec
        = resultField(this, "shortsidedec", 3120, 3840, QStringLiteral("Short side of segment"));
    captionLabel(
        this, "Label10", twipsRect(120, 4200, 1095, 195), QStringLiteral("Board width, in."));
    bwidth = resultField(this, "bwidth", 1680, 4200, QStringLiteral("Width of board"));
    boardwidthdec
        = resultField(this, "boardwidthdec", 3120, 4200, QStringLiteral("Width of board"));

    captionLabel(this, "Label20", twipsRect(120, 4680, 3375, 195),
        QStringLiteral("Note: + sign means fraction was rounded down "));
    captionLabel(this, "Label21", twipsRect(480, 4920, 2640, 195),
        QStringLiteral("- sign means fraction was rounded up"));

    captionLabel(this, "Label5", twipsRect(1560, 5640, 720, 195), QStringLiteral("Long Side"));
    captionLabel(this, "Label19", twipsRect(3000, 5640, 735, 195), QStringLiteral("Short Side"));
    captionLabel(this, "Label12", twipsRect(120, 5880, 885, 195), QStringLiteral("Miter angle,°"));
    shortangle = resultField(this, "shortangle", 1560, 5880);
    longangle = resultField(this, "longangle", 3000, 5880);

    captionLabel(
        this, "Label7", twipsRect(360, 7680, 1425, 195), QStringLiteral("Board feet of lumber"));
    boardfeet = resultField(this, "boardfeet", 1800, 7680);

    captionLabel(
        this, "Label25", twipsRect(0, 0, 1755, 195), QStringLiteral("Orvane ring calculator"));
}

void Orvane::buildViews()
{
    Picture1 = new PictureBox(twipsRect(4560, 360, 4695, 4695).size(), this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->move(twipsRect(4560, 360, 4695, 4695).topLeft());
    Picture1->setFont(looks::smallFont());
    looks::makePicture(Picture1);
    // The ring plan view starts 92.7 inches across, its centre well above the middle.
    Picture1->setScaleLeft(0);
    Picture1->setScaleTop(50);
    Picture1->setScaleWidth(92.7f);
    Picture1->setScaleHeight(-92.7f);

    Command2 = button(this, "Command2", twipsRect(4560, 5040, 2055, 495),
        QStringLiteral("ZOOM OUT"), QStringLiteral("Zoom out"));
    Command8 = button(this, "Command8", twipsRect(6600, 5040, 615, 495), QStringLiteral("Center"),
        QStringLiteral("Center image/reset scale"));
    Command3 = button(this, "Command3", twipsRect(7200, 5040, 2055, 495), QStringLiteral("ZOOM IN"),
        QStringLiteral("Zoom in"));
    for (QPushButton *view : { Command2, Command8, Command3 })
        view->setFont(looks::smallFont());

    Picture2 = new PictureBox(twipsRect(4560, 5760, 4700, 2760).size(), this);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->move(twipsRect(4560, 5760, 4700, 2760).topLeft());
    looks::makePicture(Picture2);
}

void Orvane::buildPanels()
{
    Command9 = button(this, "Command9", twipsRect(240, 8160, 1335, 495), QStringLiteral("Help"));
    Command13
        = button(this, "Command13", twipsRect(1800, 8160, 1575, 495), QStringLiteral("Print"));
    // The report's own button is never shown: printing goes through the project name prompt.
    Command11
        = button(this, "Command11", twipsRect(3480, 7440, 1575, 495), QStringLiteral("Print"));
    Command11->hide();

    Picture3 = new HelpPanel(this);
    Picture3->setGeometry(twipsRect(6960, 7680, 5535, 8415));
    Picture3->hide();

    Frame1 = new ProjectPrompt(this);
    Frame1->setGeometry(twipsRect(2760, 3120, 4095, 2775));
    Frame1->hide();
}

void Orvane::setFocusOrder()
{
    const QList<QWidget *> order { Picture1, Command2, Command3, Command8, VScroll1, VScroll3,
        VScroll2, VScroll4, Picture2, VScroll5, Command9, Picture3, Picture3->closeButton(),
        Frame1->nameBox(), Frame1->okButton(), Command13 };
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void Orvane::connectEvents()
{
    connect(VScroll1, &Spinner::spinnerChanged, this,
        [this](int value) { numsegs->setText(QString::number(value)); });
    connect(VScroll2, &Spinner::spinnerChanged, this, [this](int value) {
        outerdiam->setText(quarterInches(value));
        outerSideCheck();
    });
    connect(VScroll3, &Spinner::spinnerChanged, this, [this](int value) {
        innerdiam->setText(quarterInches(value));
        innerSideCheck();
    });
    connect(VScroll4, &Spinner::spinnerChanged, this,
        [this](int value) { fudge->setText(quarterInches(value)); });
    connect(VScroll5, &Spinner::spinnerChanged, this,
        [this](int value) { boardthick->setText(quarterInches(value)); });

    for (QLineEdit *box : { numsegs, outerdiam, innerdiam, fudge })
        connect(box, &QLineEdit::textChanged, this, &Orvane::calcs);
    // The thickness enters nothing but the board feet.
    connect(boardthick, &QLineEdit::textChanged, this, &Orvane::calcfeet);

    connect(Command2, &QPushButton::clicked, this, &Orvane::zoomOut);
    connect(Command3, &QPushButton::clicked, this, &Orvane::zoomIn);
    connect(Command8, &QPushButton::clicked, this, &Orvane::center);

    connect(Command9, &QPushButton::clicked, this, [this] {
        Picture3->move(twipsRect(2520, 120, 0, 0).topLeft());
        Picture3->show();
        Picture3->raise();
        Frame1->raise(); // the prompt lies above the help panel
    });
    connect(Command13, &QPushButton::clicked, this, [this] {
        Frame1->show();
        Frame1->raise();
    });
    connect(Command11, &QPushButton::clicked, this, &Orvane::printreport);
    connect(Frame1, &ProjectPrompt::accepted, this, &Orvane::printreport);
}

// The outer diameter lowered to the inner one or below: the inner one drops a quarter inch.
void Orvane::outerSideCheck()
{
    if (numberIn(innerdiam) >= numberIn(outerdiam))
        VScroll3->setSpinnerValue(VScroll3->spinnerValue() - 1);
}

// The inner diameter raised above the outer one: the outer one rises to a quarter inch above it.
// An inner diameter equal to the outer one is left as it is.
void Orvane::innerSideCheck()
{
    if (numberIn(outerdiam) < numberIn(innerdiam))
        VScroll2->setSpinnerValue(VScroll3->spinnerValue() + 1);
}

orvane::RingInputs Orvane::ringInputs() const
{
    return { numberIn(numsegs), numberIn(outerdiam), numberIn(innerdiam), numberIn(fudge) };
}
