#pragma once

// A vessel being edited: its value, the project file it belongs to, and the undo history of its
// edits. Every edit replaces a part of the value through the undo stack; after each change the
// document computes the vessel's results once and says so, and everything the window shows of
// the vessel is drawn from those results.

#include "core/vessel.h"
#include "core/vesselchecks.h"
#include "core/vesselresults.h"
#include "window/vessel/profileedit.h"

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace orvane {

class VesselDocument : public QObject
{
    Q_OBJECT

public:
    // `fileName` is the project file the vessel was read from; empty for one never saved.
    explicit VesselDocument(Vessel vessel, QString fileName = {}, QObject *parent = nullptr);

    const Vessel &vessel() const { return value; }
    const VesselResults &results() const { return computed; }
    // What the checks find in the vessel, with the limits they compare with; computed with the
    // results, before anything that shows them hears of the change.
    const std::vector<VesselCheck> &checks() const { return found; }
    const CheckSettings &checkSettings() const { return limits; }
    void setCheckSettings(const CheckSettings &settings);
    std::size_t ringCount() const { return value.rings.size(); }
    // The colours every picture of the vessel draws its woods in: the project's woods, then the
    // user's own (see woodColour). Setting the user's woods redraws everything.
    std::vector<Wood> woodColours() const;
    void setUserWoods(const std::vector<Wood> &woods);
    // The vessel as its file keeps it: the project's woods completed with every other wood its
    // rings name, in the colour the window draws it in. The document itself does not change.
    Vessel vesselToSave() const;

    const QString &fileName() const { return file; }
    void setFileName(const QString &fileName);
    QUndoStack &undoStack() { return history; }
    // Whether the vessel has changed since it was read or last saved.
    bool isModified() const { return !history.isClean(); }

    // The edits, each one step of the undo history.
    // `text` typed into `field` of the ring at `place`: the reason when it is refused, and then
    // nothing changes. A text that gives the value the ring has already changes nothing either.
    std::optional<std::string> typeIntoRing(
        std::size_t place, RingField field, const QString &text);
    // Degrees typed as the rotation of the ring at `place` ("15", "15°"); an empty text gives
    // the ring its default rotation back. The reason when the text is not a number of degrees.
    std::optional<std::string> typeRotation(std::size_t place, const QString &text);
    // The segment at `segment` (segment 1 at 0) of the ring at `place` made of `wood`: the ring
    // gets a pattern of its count, or one wood when every segment is then of the same.
    void setSegmentWood(std::size_t place, std::size_t segment, const std::string &wood);
    // A copy of the ring at `place` on top of it, or the start ring in a vessel without rings;
    // gives the new ring's place.
    std::size_t addRing(std::optional<std::size_t> place);
    void removeRing(std::size_t place);
    // One place toward the rim (+1) or the foot (-1); false where the ring is already at the end.
    bool moveRing(std::size_t place, int direction);
    void setUnits(Units units);
    void setName(const std::string &name);
    // With a profile: the ring's diameters given back to the profile; false when neither was
    // locked.
    bool takeDiametersFromProfile(std::size_t place);
    // Rings added on top until the stack reaches the profile's rim (see fillToRim); the number
    // of rings added.
    std::size_t fillToRim();
    // The rings that start at or above the rim, removed; the number removed.
    std::size_t removeRingsAboveRim();

    // The profile's edits (profileedits.cpp), each one step of the undo history. A refused edit
    // gives its reason and changes nothing.
    std::optional<std::string> setProfile(
        const std::vector<ProfilePoint> &points, const QString &what);
    std::optional<std::string> typeIntoPoint(
        std::size_t place, PointField field, const QString &text);
    std::optional<std::string> typeIntoVessel(VesselLength field, const QString &text);
    // While a point is dragged, the profile is shown as `points` with no step of its own, until
    // the drag ends in one step from `before`, the profile as the drag found it, to the profile
    // shown last; or, cancelled, back at `before` with no step.
    void previewProfile(const std::vector<ProfilePoint> &points);
    void finishPreview(const std::vector<ProfilePoint> &before, const QString &what);
    // A profile made from the rings, whose diameters then follow it; false when the vessel has
    // one already or no ring of any height to make one from.
    bool drawProfile();
    // The profile taken away: each ring keeps the diameters and fudge the profile gave it, typed.
    // A disc, which only a profile makes, becomes a ring with the smallest inner diameter its
    // fudge allows, twice the fudge, so that the vessel can be saved and read again; gives their
    // places.
    std::vector<std::size_t> removeProfile();

    // One change to the value, as the undo commands make and unmake it: the value changed, the
    // results computed, then the signals. Anything else edits through the methods above, so that
    // it can be undone.
    void replaceRingValue(std::size_t place, const RingDesign &ring);
    void insertRingValue(std::size_t place, const RingDesign &ring);
    void removeRingValue(std::size_t place);
    void moveRingValue(std::size_t from, std::size_t to);
    void setUnitsValue(Units units);
    void setNameValue(const std::string &name);
    // Anything of the vessel but the number of its rings.
    void replaceVesselValue(const Vessel &vessel);

signals:
    // Around a change of the rings' number or order, for the table's model; places from 0.
    void ringAboutToBeInserted(int place);
    void ringInserted(int place);
    void ringAboutToBeRemoved(int place);
    void ringRemoved(int place);
    void ringAboutToBeMoved(int from, int to);
    void ringMoved(int from, int to);
    // A ring's values replaced.
    void ringReplaced(int place);
    // Around a change of the profile, for the point table's model; `points` is how many it has
    // after the change.
    void profileAboutToBeReplaced(int points);
    void profileReplaced();
    // After every change: the results are computed again.
    void recomputed();
    void fileNameChanged();

private:
    Vessel value;
    VesselResults computed;
    QString file;
    QUndoStack history;
    CheckSettings limits;
    std::vector<Wood> userWoods;
    std::vector<VesselCheck> found;
};

// A ring's name that no ring of `vessel` has: "Ring N", N from `place + 1` up.
std::string unusedRingName(const Vessel &vessel, std::size_t place);

} // namespace orvane
