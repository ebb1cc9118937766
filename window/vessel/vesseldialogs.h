#pragma once

// What the vessel window asks the user through the system's dialogs and tells them. The program
// asks with the system's modal dialogs; a different set of answers can be put in where no one is
// there to click.

#include <QString>

#include <memory>

class QPrinter;
class QWidget;

namespace orvane {

class VesselDialogs
{
public:
    virtual ~VesselDialogs() = default;

    // The vessel `name` has changes that are not saved: save them, discard them, or keep the
    // window open.
    enum class UnsavedChanges
    {
        save,
        discard,
        cancel
    };
    virtual UnsavedChanges askToSave(QWidget *parent, const QString &name) = 0;

    // A file to read, starting in `folder`, of the kinds `filter` names ("Orvane vessels
    // (*.orvane)"); empty when the user cancels.
    virtual QString openFileName(
        QWidget *parent, const QString &title, const QString &folder, const QString &filter)
        = 0;
    // A file to write, starting from `suggested`; empty when the user cancels. Replacing a file
    // that exists is confirmed here.
    virtual QString saveFileName(
        QWidget *parent, const QString &title, const QString &suggested, const QString &filter)
        = 0;
    // The system print dialog, setting up `printer`; false when the user cancels.
    virtual bool choosePrinter(QWidget *parent, QPrinter &printer) = 0;
    // Something the user asked for did not happen: `message` says what and why.
    virtual void showProblem(QWidget *parent, const QString &title, const QString &message) = 0;
};

// The dialogs of the running program.
std::unique_ptr<VesselDialogs> standardVesselDialogs();

} // namespace orvane
