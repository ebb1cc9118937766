#include "window/vessel/vesseldocument.h"

#include "core/stacking.h"
#include "window/vessel/ringedit.h"
#include "window/vessel/vesselsettings.h"

#include <QUndoCommand>

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>

namespace orvane {

namespace {

QString fieldTitle(RingField field)
{
    switch (field) {
    case RingField::name: return QObject::tr("Name");
    case RingField::segments: return QObject::tr("Segments");
    case RingField::outer: return QObject::tr("Outer");
    case RingField::inner: return QObject::tr("Inner");
    case RingField::fudge: return QObject::tr("Fudge");
    case RingField::thickness: return QObject::tr("Thickness");
    case RingField::kerf: return QObject::tr("Kerf");
    case RingField::wood: return QObject::tr("Wood");
    }
    return {};
}

// An undo step: the change and its opposite, each holding the part of the value it puts in.
class Change : public QUndoCommand
{
public:
    Change(const QString &text, std::function<void()> forward, std::function<void()> backward)
        : QUndoCommand(text)
        , redoChange(std::move(forward))
        , undoChange(std::move(backward))
    { }
    void redo() override { redoChange(); }
    void undo() override { undoChange(); }

private:
    std::function<void()> redoChange;
    std::function<void()> undoChange;
};

int row(std::size_t place)
{
    return static_cast<int>(place);
}

bool sameRing(const RingDesign &a, const RingDesign &b)
{
    return a.name == b.name && a.inputs.segmentCount == b.inputs.segmentCount
        && a.inputs.outerDiameter == b.inputs.outerDiameter
        && a.inputs.innerDiameter == b.inputs.innerDiameter && a.inputs.fudge == b.inputs.fudge
        && a.thickness == b.thickness && a.kerf == b.kerf && a.wood == b.wood
        && a.pattern == b.pattern && a.rotation == b.rotation && a.outerLocked == b.outerLocked
        && a.innerLocked == b.innerLocked && a.ownFudge == b.ownFudge;
}

} // namespace

std::string unusedRingName(const Vessel &vessel, std::size_t place)
{
    for (std::size_t n = place + 1;; ++n) {
        std::string name = defaultRingName(n);
        if (std::none_of(vessel.rings.begin(), vessel.rings.end(),
                [&name](const RingDesign &ring) { return ring.name == name; }))
            return name;
    }
}

VesselDocument::VesselDocument(Vessel vessel, QString fileName, QObject *parent)
    : QObject(parent)
    , value(std::move(vessel))
    , file(std::move(fileName))
    , limits(vesselSettings::checkSettings())
    , userWoods(vesselSettings::woods())
{
    computed = computeVessel(value);
    found = checkVessel(value, computed, limits);
    // Connected first, so the checks are new before anyone else hears of a change.
    connect(this, &VesselDocument::recomputed, this,
        [this] { found = checkVessel(value, computed, limits); });
}

void VesselDocument::setCheckSettings(const CheckSettings &settings)
{
    limits = settings;
    emit recomputed();
}

std::vector<Wood> VesselDocument::woodColours() const
{
    std::vector<Wood> colours = value.woods;
    colours.insert(colours.end(), userWoods.begin(), userWoods.end());
    return colours;
}

void VesselDocument::setUserWoods(const std::vector<Wood> &woods)
{
    userWoods = woods;
    emit recomputed();
}

Vessel VesselDocument::vesselToSave() const
{
    Vessel saved = value;
    const std::vector<Wood> colours = woodColours();
    const auto listed = [&saved](const std::string &name) {
        return std::any_of(saved.woods.begin(), saved.woods.end(),
            [&name](const Wood &wood) { return wood.name == name; });
    };
    for (const RingDesign &ring : value.rings) {
        for (std::size_t i = 0; i < std::max<std::size_t>(1, ring.pattern.size()); ++i) {
            const std::string &name = segmentWood(ring, i);
            if (isWoodName(name) && !listed(name))
                saved.woods.push_back({ name, woodColour(name, colours) });
        }
    }
    return saved;
}

void VesselDocument::setFileName(const QString &fileName)
{
    file = fileName;
    emit fileNameChanged();
}

std::optional<std::string> VesselDocument::typeIntoRing(
    std::size_t place, RingField field, const QString &text)
{
    const RingEdit edit = editVesselRing(value, place, field, text.toStdString());
    if (!edit.problem.empty())
        return edit.problem;
    const RingDesign &before = value.rings[place];
    if (!sameRing(edit.ring, before)) {
        history.push(new Change(
            tr("%1 of %2").arg(fieldTitle(field), QString::fromStdString(before.name)),
            [this, place, after = edit.ring] { replaceRingValue(place, after); },
            [this, place, before] { replaceRingValue(place, before); }));
    }
    return std::nullopt;
}

std::optional<std::string> VesselDocument::typeRotation(std::size_t place, const QString &text)
{
    if (place >= value.rings.size())
        return std::nullopt;
    QString degrees = text.trimmed();
    if (degrees.endsWith(u'°'))
        degrees.chop(1);
    RingDesign after = value.rings[place];
    after.rotation.reset();
    if (!degrees.trimmed().isEmpty()) {
        bool number = false;
        const double typed = degrees.trimmed().toDouble(&number);
        if (!number || !std::isfinite(typed)) {
            return tr("%1 is not allowed: the rotation in degrees counter-clockwise, such as 15; "
                      "empty for the default")
                .arg(text.trimmed())
                .toStdString();
        }
        after.rotation = typed;
    }
    const RingDesign &before = value.rings[place];
    if (!sameRing(after, before)) {
        history.push(new Change(
            tr("Rotation of %1").arg(QString::fromStdString(before.name)),
            [this, place, after] { replaceRingValue(place, after); },
            [this, place, before] { replaceRingValue(place, before); }));
    }
    return std::nullopt;
}

void VesselDocument::setSegmentWood(std::size_t place, std::size_t segment, const std::string &wood)
{
    if (place >= value.rings.size() || !isWoodName(wood))
        return;
    const RingDesign &before = value.rings[place];
    const double count = before.inputs.segmentCount;
    if (!(count >= 1) || double(segment) >= count || count > largestSegmentCount)
        return;
    std::vector<std::string> woods;
    for (std::size_t i = 0; double(i) < count; ++i)
        woods.push_back(i == segment ? wood : segmentWood(before, i));
    RingDesign after = before;
    const bool oneWood = std::all_of(
        woods.begin(), woods.end(), [&wood](const std::string &each) { return each == wood; });
    after.wood = oneWood ? wood : std::string();
    after.pattern = oneWood ? std::vector<std::string> {} : woods;
    if (sameRing(after, before))
        return;
    history.push(new Change(
        tr("Wood of segment %1 of %2").arg(segment + 1).arg(QString::fromStdString(before.name)),
        [this, place, after] { replaceRingValue(place, after); },
        [this, place, before] { replaceRingValue(place, before); }));
}

std::size_t VesselDocument::addRing(std::optional<std::size_t> place)
{
    RingDesign ring;
    std::size_t newPlace = 0;
    if (place && *place < value.rings.size()) {
        ring = value.rings[*place];
        newPlace = *place + 1;
    } else {
        ring = defaultRing();
        ring.kerf = value.kerf;
        newPlace = value.rings.size();
    }
    ring.name = unusedRingName(value, newPlace);
    history.push(new Change(
        tr("Add Ring"), [this, newPlace, ring] { insertRingValue(newPlace, ring); },
        [this, newPlace] { removeRingValue(newPlace); }));
    return newPlace;
}

void VesselDocument::removeRing(std::size_t place)
{
    if (place >= value.rings.size())
        return;
    history.push(new Change(
        tr("Remove Ring"), [this, place] { removeRingValue(place); },
        [this, place, ring = value.rings[place]] { insertRingValue(place, ring); }));
}

bool VesselDocument::moveRing(std::size_t place, int direction)
{
    if (place >= value.rings.size() || (direction < 0 && place == 0)
        || (direction > 0 && place + 1 >= value.rings.size()))
        return false;
    const std::size_t to = direction > 0 ? place + 1 : place - 1;
    history.push(new Change(
        direction > 0 ? tr("Move Up") : tr("Move Down"),
        [this, place, to] { moveRingValue(place, to); },
        [this, place, to] { moveRingValue(to, place); }));
    return true;
}

void VesselDocument::setUnits(Units units)
{
    if (units == value.units)
        return;
    history.push(new Change(
        units == Units::inches ? tr("Inches") : tr("Millimetres"),
        [this, units] { setUnitsValue(units); },
        [this, before = value.units] { setUnitsValue(before); }));
}

void VesselDocument::setName(const std::string &name)
{
    if (name == value.name)
        return;
    history.push(new Change(
        tr("Project Name"), [this, name] { setNameValue(name); },
        [this, before = value.name] { setNameValue(before); }));
}

bool VesselDocument::takeDiametersFromProfile(std::size_t place)
{
    if (place >= value.rings.size() || !profileGivesDiameters(value))
        return false;
    const RingDesign &before = value.rings[place];
    if (!before.outerLocked && !before.innerLocked)
        return false;
    RingDesign after = before;
    after.outerLocked = false;
    after.innerLocked = false;
    history.push(new Change(
        tr("Take Diameters from Profile"), [this, place, after] { replaceRingValue(place, after); },
        [this, place, before] { replaceRingValue(place, before); }));
    return true;
}

std::size_t VesselDocument::fillToRim()
{
    if (!stackBelowRim(value, computed))
        return 0;
    const std::vector<RingDesign> filled = orvane::fillToRim(value);
    const std::size_t from = value.rings.size();
    if (filled.size() <= from)
        return 0;
    const std::vector<RingDesign> added(filled.begin() + row(from), filled.end());
    history.push(new Change(
        tr("Fill to Rim"),
        [this, from, added] {
            for (std::size_t i = 0; i < added.size(); ++i)
                insertRingValue(from + i, added[i]);
        },
        [this, from, count = added.size()] {
            for (std::size_t i = from + count; i-- > from;)
                removeRingValue(i);
        }));
    return added.size();
}

std::size_t VesselDocument::removeRingsAboveRim()
{
    const std::vector<std::size_t> places = computed.aboveRim; // from the foot up
    std::vector<RingDesign> removed;
    for (const std::size_t place : places)
        removed.push_back(value.rings.at(place));
    if (places.empty())
        return 0;
    history.push(new Change(
        tr("Remove Rings Above the Rim"),
        [this, places] {
            for (std::size_t i = places.size(); i-- > 0;)
                removeRingValue(places[i]);
        },
        [this, places, removed] {
            for (std::size_t i = 0; i < places.size(); ++i)
                insertRingValue(places[i], removed[i]);
        }));
    return places.size();
}

void VesselDocument::replaceRingValue(std::size_t place, const RingDesign &ring)
{
    value.rings.at(place) = ring;
    computed = computeVessel(value);
    emit ringReplaced(row(place));
    emit recomputed();
}

void VesselDocument::insertRingValue(std::size_t place, const RingDesign &ring)
{
    emit ringAboutToBeInserted(row(place));
    value.rings.insert(value.rings.begin() + row(place), ring);
    computed = computeVessel(value);
    emit ringInserted(row(place));
    emit recomputed();
}

void VesselDocument::removeRingValue(std::size_t place)
{
    emit ringAboutToBeRemoved(row(place));
    value.rings.erase(value.rings.begin() + row(place));
    computed = computeVessel(value);
    emit ringRemoved(row(place));
    emit recomputed();
}

void VesselDocument::moveRingValue(std::size_t from, std::size_t to)
{
    emit ringAboutToBeMoved(row(from), row(to));
    std::swap(value.rings.at(from), value.rings.at(to));
    computed = computeVessel(value);
    emit ringMoved(row(from), row(to));
    emit recomputed();
}

void VesselDocument::setUnitsValue(Units units)
{
    value.units = units;
    computed = computeVessel(value);
    emit recomputed();
}

void VesselDocument::setNameValue(const std::string &name)
{
    value.name = name;
    computed = computeVessel(value);
    emit recomputed();
}

} // namespace orvane
