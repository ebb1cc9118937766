#pragma once

// The window Orvane: five inputs set with spinners, the segment's angles and lengths, the board
// feet, the ring drawn to scale and one segment in detail, a help panel and a printed report.
// Every change of an input recomputes and redraws everything that depends on it at once.

#include "core/formstate.h"
#include "core/ring.h"
#include "report/reportpage.h"

#include <QWidget>

#include <memory>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class HelpPanel;
class PictureBox;
class PrintDialogs;
class ProjectPrompt;
class Spinner;

class Orvane : public QWidget
{
    Q_OBJECT

public:
    // Builds the window and runs the first recalculation, so that it shows the results of the
    // start inputs before it is first shown.
    explicit Orvane(QWidget *parent = nullptr);
    ~Orvane() override;

    // The form state record as the last recalculation left it.
    const orvane::FormState &formState() const { return state; }

    // The recalculation chain: calcs computes the ring, draws the plan view and shows the miter
    // angles, then hands on to fractions (the lengths), segdrawing (the detail view) and calcfeet
    // (the board feet), each calling the next as its last step.
    void calcs();
    void fractions();
    void segdrawing();
    void calcfeet();

    // Prints the one-page report of the current ring on the default printer. Without a printer
    // it offers to save the page as a PDF file; a report that does not get there is reported.
    void printreport();

    // What printing asks the user; the system's dialogs unless replaced.
    void setPrintDialogs(std::unique_ptr<PrintDialogs> dialogs);

private:
    void buildInputs();
    void buildResults();
    void buildViews();
    void buildPanels();
    void setFocusOrder();
    void connectEvents();

    orvane::RingInputs ringInputs() const;
    ReportValues reportValues() const;
    void showLength(double value, QLabel *fraction, QLabel *decimal);
    void outerSideCheck();
    void innerSideCheck();
    void zoomOut();
    void zoomIn();
    void center();
    void updateZoomIn();

    orvane::FormState state;

    // Inputs and their spinners.
    QLineEdit *numsegs = nullptr;
    QLineEdit *outerdiam = nullptr;
    QLineEdit *innerdiam = nullptr;
    QLineEdit *fudge = nullptr;
    QLineEdit *boardthick = nullptr;
    Spinner *VScroll1 = nullptr;
    Spinner *VScroll2 = nullptr;
    Spinner *VScroll3 = nullptr;
    Spinner *VScroll4 = nullptr;
    Spinner *VScroll5 = nullptr;

    // Result fields.
    QLabel *longside = nullptr;
    QLabel *longsidedec = nullptr;
    QLabel *shortside = nullptr;
    QLabel *shortsidedec = nullptr;
    QLabel *bwidth = nullptr;
    QLabel *boardwidthdec = nullptr;
    QLabel *shortangle = nullptr;
    QLabel *longangle = nullptr;
    QLabel *boardfeet = nullptr;

    // Drawings and their buttons.
    PictureBox *Picture1 = nullptr;
    PictureBox *Picture2 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command8 = nullptr;

    // Help, printing and the panels they open.
    QPushButton *Command9 = nullptr;
    QPushButton *Command13 = nullptr;
    QPushButton *Command11 = nullptr;
    HelpPanel *Picture3 = nullptr;
    ProjectPrompt *Frame1 = nullptr;
    std::unique_ptr<PrintDialogs> printDialogs;
};
