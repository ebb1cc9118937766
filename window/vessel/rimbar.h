#pragma once

// The bar over the ring table that says when a vessel's rings do not end at its profile's rim,
// rings above it or a stack that stops below it, and offers the command that puts it right.

#include <QFrame>

class QAction;
class QHBoxLayout;
class QLabel;

namespace orvane {

class VesselDocument;

class RimBar : public QFrame
{
    Q_OBJECT

public:
    explicit RimBar(QWidget *parent = nullptr);

    // A button for `action`, shown while the action is enabled.
    void offer(QAction *action);
    // Shows what the document's rings come to at the rim, or hides the bar where they end there.
    void showRim(const VesselDocument &document);

private:
    QLabel *message = nullptr;
    QHBoxLayout *buttons = nullptr;
};

} // namespace orvane
