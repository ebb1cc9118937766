#include "window/accessibility.h"

#include "window/spinner.h"

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QLabel>

namespace accessibility {

namespace {

// A spinner runs its scroll bar over the negated range, so the scroll bar's own value is the
// negative of what the user sees.
class SpinnerInterface : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit SpinnerInterface(Spinner *spinner)
        : QAccessibleWidget(spinner, QAccessible::SpinBox)
    { }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return QString::number(spinner()->spinnerValue());
        return QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return spinner()->spinnerValue(); }
    void setCurrentValue(const QVariant &value) override
    {
        spinner()->setSpinnerValue(value.toInt());
    }
    QVariant maximumValue() const override { return -spinner()->minimum(); }
    QVariant minimumValue() const override { return -spinner()->maximum(); }
    QVariant minimumStepSize() const override { return 1; }

private:
    Spinner *spinner() const { return static_cast<Spinner *>(widget()); }
};

// A result field is named after its caption; its text is its value.
class ResultFieldInterface : public QAccessibleWidget
{
public:
    explicit ResultFieldInterface(QLabel *field)
        : QAccessibleWidget(field, QAccessible::StaticText)
    { }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return static_cast<QLabel *>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    if (className == QLatin1String("Spinner"))
        return new SpinnerInterface(static_cast<Spinner *>(object));
    if (className == QLatin1String("ResultField"))
        return new ResultFieldInterface(static_cast<QLabel *>(object));
    return nullptr;
}

struct Naming
{
    const char *control;
    const char *caption; // the caption label on the control's row
    const char *column = nullptr; // the heading of its column, where there is one
};

const Naming namings[] = {
    { "numsegs", "Label1" },
    { "VScroll1", "Label1" },
    { "outerdiam", "Label2" },
    { "VScroll2", "Label2" },
    { "innerdiam", "Label3" },
    { "VScroll3", "Label3" },
    { "fudge", "Label4" },
    { "VScroll4", "Label4" },
    { "boardthick", "Label6" },
    { "VScroll5", "Label6" },
    { "longside", "Label8", "Label18" },
    { "longsidedec", "Label8", "Label17" },
    { "shortside", "Label9", "Label18" },
    { "shortsidedec", "Label9", "Label17" },
    { "bwidth", "Label10", "Label18" },
    { "boardwidthdec", "Label10", "Label17" },
    { "shortangle", "Label12", "Label5" },
    { "longangle", "Label12", "Label19" },
    { "boardfeet", "Label7" },
};

QString captionOf(QWidget *window, const char *labelName)
{
    const auto *label = window->findChild<QLabel *>(QLatin1String(labelName));
    return label ? label->text() : QString();
}

} // namespace

void install()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    (void)installed;
}

void nameControls(QWidget *window)
{
    for (const Naming &naming : namings) {
        auto *control = window->findChild<QWidget *>(QLatin1String(naming.control));
        if (!control)
            continue;
        QString name = captionOf(window, naming.caption);
        if (naming.column)
            name += QStringLiteral(", ") + captionOf(window, naming.column);
        control->setAccessibleName(name);
    }

    if (auto *plan = window->findChild<QWidget *>(QStringLiteral("Picture1"))) {
        plan->setAccessibleName(QStringLiteral("Ring plan view"));
        plan->setAccessibleDescription(QStringLiteral(
            "The ring seen from above, to scale: its inner and outer circle, a line for every "
            "joint between segments, and the outline of the glued-up segments in yellow."));
    }
    if (auto *detail = window->findChild<QWidget *>(QStringLiteral("Picture2"))) {
        detail->setAccessibleName(QStringLiteral("Segment detail view"));
        detail->setAccessibleDescription(QStringLiteral(
            "One segment as laid out on the board, long side at the bottom, with the angle "
            "between the long side and an end cut and the miter angle marked and labelled."));
    }
}

} // namespace accessibility
