// The window's commands beyond its buttons: a context menu and keyboard shortcuts that start or
// open a vessel, print, save the report as PDF, open the full-size template, copy the results,
// show the help and close.

#include "core/reading.h"
#include "drawing/conversions.h"
#include "window/orvane.h"
#include "window/projectprompt.h"
#include "window/spinner.h"
#include "window/templatedialog.h"
#include "window/vessel/vesseldialogs.h"
#include "window/vessel/vesselopening.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace orvane {

namespace {

QAction *command(QWidget *window, const QString &text, const QList<QKeySequence> &shortcuts)
{
    auto *action = new QAction(text, window);
    action->setShortcuts(shortcuts);
    action->setShortcutContext(Qt::WindowShortcut);
    window->addAction(action);
    return action;
}

} // namespace

void Orvane::buildCommands()
{
    // Right-click anywhere shows the commands: the spinners give up their own scroll-bar menu for
    // it, the text boxes keep theirs.
    setContextMenuPolicy(Qt::ActionsContextMenu);
    for (Spinner *spinner : findChildren<Spinner *>())
        spinner->setContextMenuPolicy(Qt::NoContextMenu);

    connect(command(this, tr("New Vessel…"), { QKeySequence(Qt::CTRL | Qt::Key_N) }),
        &QAction::triggered, this, &Orvane::startVessel);
    connect(command(this, tr("Open Vessel…"), { QKeySequence(Qt::CTRL | Qt::Key_O) }),
        &QAction::triggered, this, [this] {
            if (!vesselDialogs)
                vesselDialogs = standardVesselDialogs();
            askToOpenVessel(vesselDialogs, this);
        });
    connect(command(this, tr("Print…"), { QKeySequence(Qt::CTRL | Qt::Key_P) }),
        &QAction::triggered, this, &Orvane::askForProjectName);
    connect(command(this, tr("Save Report as PDF…"), { QKeySequence(Qt::CTRL | Qt::Key_S) }),
        &QAction::triggered, this, &Orvane::saveReportAsPdf);
    connect(command(this, tr("Full-Size Template…"), { QKeySequence(Qt::CTRL | Qt::Key_T) }),
        &QAction::triggered, this, &Orvane::openTemplate);
    // A text box with the focus keeps Ctrl+C for copying its own selection.
    connect(command(this, tr("Copy Results"), { QKeySequence(Qt::CTRL | Qt::Key_C) }),
        &QAction::triggered, this, [this] { QApplication::clipboard()->setText(resultsText()); });
    connect(command(this, tr("Help"), { QKeySequence(Qt::Key_F1) }), &QAction::triggered, this,
        &Orvane::showHelp);
    connect(command(this, tr("Close"),
                { QKeySequence(Qt::CTRL | Qt::Key_Q), QKeySequence(Qt::CTRL | Qt::Key_W) }),
        &QAction::triggered, this, &QWidget::close);
}

// One quantity a line, its name and its values separated by tabs, so that the results paste into
// a spreadsheet as a table. Texts are the window's own, blanks around them trimmed.
QString Orvane::resultsText() const
{
    const auto caption = [this](const char *name) {
        return findChild<QLabel *>(QLatin1String(name))->text().trimmed();
    };
    const auto row = [](const QString &quantity, const QStringList &values) {
        return quantity + QLatin1Char('\t') + values.join(QLatin1Char('\t')) + QLatin1Char('\n');
    };
    const auto input = [&](const char *label, const QLineEdit *box) {
        return row(caption(label), { box->text().trimmed() });
    };
    QString text;
    text += input("Label1", segmentCountBox);
    text += input("Label2", outerDiameterBox);
    text += input("Label3", innerDiameterBox);
    text += input("Label4", fudgeBox);
    text += input("Label6", thicknessBox);
    const auto value = [](const std::string &shownText) { return shown(shownText).trimmed(); };
    const auto length = [&value](const std::optional<LengthResult> &inches) {
        return inches ? QStringList { value(inches->fraction), value(inches->decimal) }
                      : QStringList { QString(), QString() };
    };
    text += row(tr("Miter angle, Long Side"), { value(result.longSideAngleText) });
    text += row(tr("Miter angle, Short Side"), { value(result.shortSideAngleText) });
    text += row(caption("Label8"), length(result.longSide));
    text += row(caption("Label9"), length(result.shortSide));
    text += row(caption("Label10"), length(result.boardWidth));
    text += row(caption("Label7"), { value(result.boardFeetText) });
    return text;
}

void Orvane::setVesselDialogs(std::shared_ptr<VesselDialogs> dialogs)
{
    vesselDialogs = std::move(dialogs);
}

// A vessel of one ring: the ring the window shows, or the start ring when that one is not a ring
// to cut, with a word why in the new window.
void Orvane::startVessel()
{
    if (!vesselDialogs)
        vesselDialogs = standardVesselDialogs();
    RingDesign ring = result.design;
    QString note;
    const std::vector<RingProblem> problems = computeRingResult(ring).problems;
    if (!problems.empty()) {
        note = tr("The calculator's ring is not a ring to cut (%1): the vessel starts with the "
                  "start ring.")
                   .arg(shown(problems.front().message));
        ring = defaultRing();
    }
    showVesselWindow(newVessel(ring, projectPrompt->nameBox()->text().trimmed().toStdString()), {},
        vesselDialogs, note);
}

void Orvane::openTemplate()
{
    TemplateDialog dialog(projectPrompt->nameBox()->text(), readRing(), this);
    dialog.exec();
}

} // namespace orvane
