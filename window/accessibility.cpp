#include "window/accessibility.h"

#include "window/layout.h"
#include "window/resultfield.h"
#include "window/spinner.h"

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QLabel>

namespace orvane::accessibility {

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
    if (className == QLatin1String(Spinner::staticMetaObject.className()))
        return new SpinnerInterface(static_cast<Spinner *>(object));
    if (className == QLatin1String(ResultField::staticMetaObject.className()))
        return new ResultFieldInterface(static_cast<QLabel *>(object));
    return nullptr;
}

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
    for (const layout::Control &control : layout::controls()) {
        if (!control.rowCaption)
            continue;
        auto *widget = window->findChild<QWidget *>(QLatin1String(control.name));
        if (!widget)
            continue;
        QString name = captionOf(window, control.rowCaption);
        if (control.columnCaption)
            name += QStringLiteral(", ") + captionOf(window, control.columnCaption);
        widget->setAccessibleName(name);
    }

    if (auto *plan = window->findChild<QWidget *>(QStringLiteral("Picture1"))) {
        plan->setAccessibleName(QObject::tr("Ring plan view"));
        plan->setAccessibleDescription(QObject::tr(
            "The ring seen from above, to scale: its inner and outer circle, a line for every "
            "joint between segments, and the outline of the glued-up segments in yellow."));
    }
    if (auto *detail = window->findChild<QWidget *>(QStringLiteral("Picture2"))) {
        detail->setAccessibleName(QObject::tr("Segment detail view"));
        detail->setAccessibleDescription(QObject::tr(
            "One segment as laid out on the board, long side at the bottom, with the angle "
            "between the long side and an end cut and the miter angle marked and labelled."));
    }
}

} // namespace orvane::accessibility
