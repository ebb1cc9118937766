#include "tests/support/windowprobe.h"

#include "drawing/picturebox.h"
#include "window/orvane.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

void clickUpArrow(QScrollBar *spinner)
{
    QStyleOptionSlider option;
    option.initFrom(spinner);
    option.orientation = spinner->orientation();
    option.minimum = spinner->minimum();
    option.maximum = spinner->maximum();
    option.sliderPosition = spinner->sliderPosition();
    option.sliderValue = spinner->value();
    option.singleStep = spinner->singleStep();
    option.pageStep = spinner->pageStep();
    option.upsideDown = spinner->invertedAppearance();
    option.subControls = QStyle::SC_All;
    const QRect arrow = spinner->style()->subControlRect(
        QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSubLine, spinner);
    QTest::mouseClick(spinner, Qt::LeftButton, Qt::NoModifier, arrow.center());
}

bool isOnTop(QWidget *window, QPoint point, QWidget *panel)
{
    for (QWidget *seen = window->childAt(point); seen; seen = seen->parentWidget()) {
        if (seen == panel)
            return true;
    }
    return false;
}

WindowState windowState(Orvane &window)
{
    WindowState state;
    for (const QLabel *label : window.findChildren<QLabel *>())
        state.texts.insert(label->objectName(), label->text());
    for (const QLineEdit *box : window.findChildren<QLineEdit *>())
        state.texts.insert(box->objectName(), box->text());
    for (const QScrollBar *bar : window.findChildren<QScrollBar *>())
        state.values.insert(bar->objectName(), bar->value());
    for (PictureBox *picture : window.findChildren<PictureBox *>())
        state.pictures.insert(picture->objectName(), picture->image());
    const orvane::FormState &record = window.formState();
    state.record = { record.longsidelen, record.shortsidelen, record.boardwidthlen,
        record.centralangle, record.pi };
    return state;
}
