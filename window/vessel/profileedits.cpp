// The document's edits of the profile and the lengths that go with it. Each undo step holds the
// vessel before and after it: a profile edit changes the diameters of every ring at once.

#include "core/stacking.h"
#include "window/vessel/vesseldocument.h"

#include <QUndoCommand>

#include <utility>

namespace orvane {

namespace {

class VesselChange : public QUndoCommand
{
public:
    VesselChange(VesselDocument &vesselDocument, Vessel before, Vessel after, const QString &text)
        : QUndoCommand(text)
        , document(vesselDocument)
        , vesselBefore(std::move(before))
        , vesselAfter(std::move(after))
    { }
    void redo() override { document.replaceVesselValue(vesselAfter); }
    void undo() override { document.replaceVesselValue(vesselBefore); }

private:
    VesselDocument &document;
    Vessel vesselBefore;
    Vessel vesselAfter;
};

void push(VesselDocument &document, Vessel after, const QString &what)
{
    document.undoStack().push(
        new VesselChange(document, document.vessel(), std::move(after), what));
}

bool samePoints(const std::vector<ProfilePoint> &a, const std::vector<ProfilePoint> &b)
{
    return std::equal(
        a.begin(), a.end(), b.begin(), b.end(), [](const ProfilePoint &p, const ProfilePoint &q) {
            return p.r == q.r && p.h == q.h && p.corner == q.corner;
        });
}

QString lengthTitle(VesselLength field)
{
    switch (field) {
    case VesselLength::wall: return QObject::tr("Wall Thickness");
    case VesselLength::floor: return QObject::tr("Floor");
    case VesselLength::pad: return QObject::tr("Pad");
    case VesselLength::flatten: return QObject::tr("Flattening");
    }
    return {};
}

} // namespace

std::optional<std::string> VesselDocument::setProfile(
    const std::vector<ProfilePoint> &points, const QString &what)
{
    if (!points.empty()) {
        const std::vector<std::string> problems = profileProblems(points);
        if (!problems.empty())
            return problems.front();
    }
    if (samePoints(points, value.profile))
        return std::nullopt;
    Vessel after = value;
    after.profile = points;
    push(*this, std::move(after), what);
    return std::nullopt;
}

std::optional<std::string> VesselDocument::typeIntoPoint(
    std::size_t place, PointField field, const QString &text)
{
    const ProfileEdit edit
        = orvane::typeIntoPoint(value.profile, place, field, text.toStdString(), value.units);
    if (!edit.problem.empty())
        return edit.problem;
    return setProfile(
        edit.points, tr("%1 of Point %2").arg(field == PointField::r ? u'r' : u'h').arg(place + 1));
}

std::optional<std::string> VesselDocument::typeIntoVessel(VesselLength field, const QString &text)
{
    Vessel after = value;
    if (field == VesselLength::floor && text.trimmed().isEmpty()) {
        after.floor.reset(); // the floor as thick as the wall
    } else {
        const LengthReading reading
            = readTypedLength(text.toStdString(), value.units, field == VesselLength::wall);
        if (!reading.problem.empty())
            return reading.problem;
        switch (field) {
        case VesselLength::wall: after.wall = reading.inches; break;
        case VesselLength::floor: after.floor = reading.inches; break;
        case VesselLength::pad: after.pad = reading.inches; break;
        case VesselLength::flatten: after.flatten = reading.inches; break;
        }
    }
    if (after.wall != value.wall || after.floor != value.floor || after.pad != value.pad
        || after.flatten != value.flatten)
        push(*this, std::move(after), lengthTitle(field));
    return std::nullopt;
}

void VesselDocument::previewProfile(const std::vector<ProfilePoint> &points)
{
    if (samePoints(points, value.profile))
        return;
    Vessel shown = value;
    shown.profile = points;
    replaceVesselValue(shown);
}

void VesselDocument::finishPreview(const std::vector<ProfilePoint> &before, const QString &what)
{
    if (samePoints(before, value.profile))
        return;
    Vessel start = value;
    start.profile = before;
    history.push(new VesselChange(*this, std::move(start), value, what));
}

bool VesselDocument::drawProfile()
{
    if (!value.profile.empty())
        return false;
    std::vector<ProfilePoint> points = profileOfRings(value);
    if (points.size() < 2 || !profileProblems(points).empty())
        return false;
    Vessel after = value;
    after.profile = std::move(points);
    for (RingDesign &ring : after.rings) {
        ring.outerLocked = false;
        ring.innerLocked = false;
        ring.ownFudge = ring.inputs.fudge != after.pad;
    }
    push(*this, std::move(after), tr("Draw Profile"));
    return true;
}

std::vector<std::size_t> VesselDocument::removeProfile()
{
    std::vector<std::size_t> opened;
    if (value.profile.empty())
        return opened;
    Vessel after = value;
    after.profile.clear();
    for (const StackedRing &stacked : stackRings(value).rings) {
        RingDesign &ring = after.rings.at(stacked.place);
        ring.inputs = stacked.design.inputs;
        ring.outerLocked = true;
        ring.innerLocked = true;
        ring.ownFudge = true;
        if (stacked.disc) {
            ring.inputs.innerDiameter = 2 * ring.inputs.fudge;
            opened.push_back(stacked.place);
        }
    }
    push(*this, std::move(after), tr("Remove Profile"));
    return opened;
}

void VesselDocument::replaceVesselValue(const Vessel &vessel)
{
    // The ring table's rows stay as they are: no edit here adds or removes a ring.
    emit profileAboutToBeReplaced(static_cast<int>(vessel.profile.size()));
    value = vessel;
    computed = computeVessel(value);
    emit profileReplaced();
    emit recomputed();
}

} // namespace orvane
