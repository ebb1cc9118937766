#pragma once

// The window's layout: every control with its object name, kind, text, tool tip and place in
// twips. The window builds itself from this table; assistive technology names controls from it,
// and the tests find and read the controls through it.

#include <QRect>
#include <QString>

#include <span>
#include <string_view>

class QWidget;

namespace orvane::layout {

enum class Kind
{
    CaptionLabel, // light yellow text on the colour of an active title bar
    InputBox, // a greyed box that only its spinner writes
    Spinner, // a vertical scroll bar whose top end holds the larger value
    ResultField, // a greyed label showing one result
    Button,
    Picture, // a teal drawing area
    HelpPanel, // the panel of answers that Help opens
    Answer, // a word-wrapped answer on the help panel
    Prompt, // the frame that asks for the project name
    PromptLabel, // a plain label on the prompt
    NameBox, // the prompt's text box
};

// A spinner's values: segments for the count, quarter inches for the lengths.
struct SpinnerRange
{
    int bottom = 0;
    int top = 0;
    int start = 0;
    int trackStep = 1; // how far a click in the track moves it
};

struct Control
{
    const char *name; // the object name
    Kind kind;
    QRect twips; // left, top, width, height, in twips of its parent
    const char *text = nullptr; // caption, button text or the box's start text; untranslated
    const char *toolTip = nullptr; // untranslated
    const char *parent = nullptr; // the panel it stands on; none for the window itself
    SpinnerRange range = {};
    // For input boxes, spinners and result fields: the caption label on their row and the column
    // heading above them, whose texts name them for assistive technology.
    const char *rowCaption = nullptr;
    const char *columnCaption = nullptr;
};

// Every control, in the order the window creates them (later ones lie above earlier ones).
std::span<const Control> controls();

// The control named `name`; every name the program asks for is in the table.
const Control &control(std::string_view name);

// The control's text and tool tip, translated; empty where it has none.
QString text(const Control &control);
QString toolTip(const Control &control);

// Gives `widget` the control's object name, place and tool tip.
void place(QWidget *widget, const Control &control);

// The window's client area, in twips.
inline constexpr int clientWidth = 9555;
inline constexpr int clientHeight = 8745;

// Where "Help" moves the help panel to, in twips.
inline constexpr int helpPanelLeft = 2520;
inline constexpr int helpPanelTop = 120;

// The context in which the table's texts are translated.
inline constexpr char translationContext[] = "Orvane";

} // namespace orvane::layout
