#pragma once

// The preferences of the vessel windows: the widest board and the smallest rim opening the checks
// compare with, typed as lengths in the units of the window that asks.

#include "core/vessel.h"
#include "core/vesselchecks.h"

#include <QDialog>

#include <optional>

class QDialogButtonBox;
class QLabel;
class QLineEdit;

namespace orvane {

class PreferencesDialog : public QDialog
{
    Q_OBJECT

public:
    PreferencesDialog(const CheckSettings &settings, Units units, QWidget *parent = nullptr);

    // The settings as typed; the dialog is accepted only when both are lengths more than 0.
    CheckSettings settings() const;

private:
    std::optional<double> lengthIn(const QLineEdit *box) const;
    void checkTexts();

    Units shownUnits;
    QLineEdit *widestBoard = nullptr;
    QLineEdit *smallestOpening = nullptr;
    QLabel *problem = nullptr;
    QDialogButtonBox *buttons = nullptr;
};

} // namespace orvane
