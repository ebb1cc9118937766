#pragma once

// The window Orvane: five inputs set with spinners, the segment's angles and lengths, the board
// feet, the ring drawn to scale and one segment in detail, a help panel and a printed report.
// Every change of an input recomputes and redraws everything that depends on it at once.

#include "core/ringresult.h"
#include "report/reportpage.h"

#include <QWidget>

#include <memory>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace orvane {

class HelpPanel;
class PictureBox;
class PrintDialogs;
class ProjectPrompt;
class Spinner;
class VesselDialogs;

class Orvane : public QWidget
{
    Q_OBJECT

public:
    // Builds the window and runs the first recalculation, so that it shows the results of the
    // start inputs before it is first shown.
    explicit Orvane(QWidget *parent = nullptr);
    ~Orvane() override;

    // Reads the inputs, computes the ring and shows everything that depends on it.
    void recalculate();

    // The ring of the last recalculation; none when its count makes no ring.
    const std::optional<Ring> &ring() const { return result.geometry; }
    // Everything the window shows of the ring, from the last recalculation.
    const RingResult &ringResult() const { return result; }

    // Prints the one-page report of the current ring on the default printer. Without a printer
    // it offers to save the page as a PDF file; a report that does not get there is reported.
    void printReport();

    // Asks for a PDF file and saves the report of the current ring there.
    void saveReportAsPdf();

    // The inputs and results as plain text, a line each, for the clipboard.
    QString resultsText() const;

    // What printing asks the user; the system's dialogs unless replaced.
    void setPrintDialogs(std::unique_ptr<PrintDialogs> dialogs);
    // What opening a vessel asks the user, here and in the vessel windows opened from here; the
    // system's dialogs unless replaced.
    void setVesselDialogs(std::shared_ptr<VesselDialogs> dialogs);

private:
    void buildControls();
    void setFocusOrder();
    void connectEvents();
    void buildCommands();

    // The steps of a recalculation, in order.
    RingDesign readRing() const;
    void showMiterAngles();
    void showLengths();
    void showBoardFeet();
    void thicknessChanged();

    ReportValues reportValues() const;
    void showPrintFailure(const QString &printerName, const QString &cause);
    void keepInnerBelowOuter();
    void keepOuterAboveInner();
    void zoomOut();
    void zoomIn();
    void center();
    void updateZoomIn();
    void showHelp();
    void askForProjectName();
    void openTemplate();
    void startVessel();

    RingResult result;

    // Inputs and their spinners.
    QLineEdit *segmentCountBox = nullptr;
    QLineEdit *outerDiameterBox = nullptr;
    QLineEdit *innerDiameterBox = nullptr;
    QLineEdit *fudgeBox = nullptr;
    QLineEdit *thicknessBox = nullptr;
    Spinner *segmentCountSpinner = nullptr;
    Spinner *outerDiameterSpinner = nullptr;
    Spinner *innerDiameterSpinner = nullptr;
    Spinner *fudgeSpinner = nullptr;
    Spinner *thicknessSpinner = nullptr;

    // Results: each length as a fraction and as a decimal, the miter angles under the headings
    // "Long Side" and "Short Side", and the board feet.
    QLabel *longSideFraction = nullptr;
    QLabel *longSideDecimal = nullptr;
    QLabel *shortSideFraction = nullptr;
    QLabel *shortSideDecimal = nullptr;
    QLabel *boardWidthFraction = nullptr;
    QLabel *boardWidthDecimal = nullptr;
    QLabel *longSideAngle = nullptr;
    QLabel *shortSideAngle = nullptr;
    QLabel *boardFeetField = nullptr;

    // Drawings and the buttons that move the plan view.
    PictureBox *planView = nullptr;
    PictureBox *detailView = nullptr;
    QPushButton *zoomOutButton = nullptr;
    QPushButton *zoomInButton = nullptr;
    QPushButton *centerButton = nullptr;

    // Help, printing and the panels they open.
    QPushButton *helpButton = nullptr;
    QPushButton *printButton = nullptr;
    QPushButton *reportPrintButton = nullptr; // never shown: printing goes through the prompt
    HelpPanel *helpPanel = nullptr;
    ProjectPrompt *projectPrompt = nullptr;
    std::unique_ptr<PrintDialogs> printDialogs;
    std::shared_ptr<VesselDialogs> vesselDialogs;
};

} // namespace orvane

// The window is known by the program's name.
using orvane::Orvane;
