#include "tests/support/recalculationlog.h"

#include "tests/support/windowdriver.h"

#include <QLineEdit>

RecalculationLog::RecalculationLog(const WindowDriver &watched)
    : driver(watched)
{
    for (const QString &name : WindowDriver::inputBoxes()) {
        auto *box = driver.control<QLineEdit>(name);
        if (!box)
            continue;
        if (name == QLatin1String("boardthick")) {
            connect(box, &QLineEdit::textChanged, this, [this] { ++thicknessWrites; });
            continue;
        }
        connect(box, &QLineEdit::textChanged, this, [this] {
            entries.append({ driver.inputs(), driver.results() });
        });
    }
}

QStringList RecalculationLog::diameters() const
{
    QStringList seen;
    for (const Entry &entry : entries)
        seen.append(entry.inputs.value(QStringLiteral("outerdiam")) + QLatin1Char('/')
            + entry.inputs.value(QStringLiteral("innerdiam")));
    return seen;
}

void RecalculationLog::clear()
{
    entries.clear();
    thicknessWrites = 0;
}
