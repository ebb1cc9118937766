#include "window/vessel/vesseldocument.h"

#include "window/vessel/ringedit.h"

#include <QUndoCommand>

#include <algorithm>
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

// The undo commands: each keeps the part of the value it replaces, before and after.

class RingReplacement : public QUndoCommand
{
public:
    RingReplacement(VesselDocument &document, std::size_t place, RingSpec after,
        const QString &text)
        : QUndoCommand(text)
        , document(document)
        , place(place)
        , before(document.vessel().rings[place])
        , after(std::move(after))
    { }
    void redo() override { document.replaceRingValue(place, after); }
    void undo() override { document.replaceRingValue(place, before); }

private:
    VesselDocument &document;
    std::size_t place;
    RingSpec before;
    RingSpec after;
};

class RingInsertion : public QUndoCommand
{
public:
    RingInsertion(VesselDocument &document, std::size_t place, RingSpec ring)
        : QUndoCommand(QObject::tr("Add Ring"))
        , document(document)
        , place(place)
        , ring(std::move(ring))
    { }
    void redo() override { document.insertRingValue(place, ring); }
    void undo() override { document.removeRingValue(place); }

private:
    VesselDocument &document;
    std::size_t place;
    RingSpec ring;
};

class RingRemoval : public QUndoCommand
{
public:
    RingRemoval(VesselDocument &document, std::size_t place)
        : QUndoCommand(QObject::tr("Remove Ring"))
        , document(document)
        , place(place)
        , ring(document.vessel().rings[place])
    { }
    void redo() override { document.removeRingValue(place); }
    void undo() override { document.insertRingValue(place, ring); }

private:
    VesselDocument &document;
    std::size_t place;
    RingSpec ring;
};

class RingMove : public QUndoCommand
{
public:
    RingMove(VesselDocument &document, std::size_t from, std::size_t to)
        : QUndoCommand(to > from ? QObject::tr("Move Up") : QObject::tr("Move Down"))
        , document(document)
        , from(from)
        , to(to)
    { }
    void redo() override { document.moveRingValue(from, to); }
    void undo() override { document.moveRingValue(to, from); }

private:
    VesselDocument &document;
    std::size_t from;
    std::size_t to;
};

class UnitsChange : public QUndoCommand
{
public:
    UnitsChange(VesselDocument &document, Units after)
        : QUndoCommand(after == Units::inches ? QObject::tr("Inches") : QObject::tr("Millimetres"))
        , document(document)
        , before(document.vessel().units)
        , after(after)
    { }
    void redo() override { document.setUnitsValue(after); }
    void undo() override { document.setUnitsValue(before); }

private:
    VesselDocument &document;
    Units before;
    Units after;
};

class NameChange : public QUndoCommand
{
public:
    NameChange(VesselDocument &document, std::string after)
        : QUndoCommand(QObject::tr("Project Name"))
        , document(document)
        , before(document.vessel().name)
        , after(std::move(after))
    { }
    void redo() override { document.setNameValue(after); }
    void undo() override { document.setNameValue(before); }

private:
    VesselDocument &document;
    std::string before;
    std::string after;
};

int row(std::size_t place)
{
    return static_cast<int>(place);
}

bool sameRing(const RingSpec &a, const RingSpec &b)
{
    return a.name == b.name && a.inputs.segmentCount == b.inputs.segmentCount
        && a.inputs.outerDiameter == b.inputs.outerDiameter
        && a.inputs.innerDiameter == b.inputs.innerDiameter && a.inputs.fudge == b.inputs.fudge
        && a.thickness == b.thickness && a.kerf == b.kerf && a.wood == b.wood;
}

} // namespace

std::string unusedRingName(const Vessel &vessel, std::size_t place)
{
    for (std::size_t n = place + 1;; ++n) {
        std::string name = defaultRingName(n);
        if (std::none_of(vessel.rings.begin(), vessel.rings.end(),
                [&name](const RingSpec &ring) { return ring.name == name; }))
            return name;
    }
}

VesselDocument::VesselDocument(Vessel vessel, QString fileName, QObject *parent)
    : QObject(parent)
    , value(std::move(vessel))
    , file(std::move(fileName))
{
    computed = computeVessel(value);
}

void VesselDocument::setFileName(const QString &fileName)
{
    file = fileName;
    emit fileNameChanged();
}

std::optional<std::string> VesselDocument::typeIntoRing(
    std::size_t place, RingField field, const QString &text)
{
    const RingEdit edit
        = editRing(value.rings.at(place), place, field, text.toStdString(), value.units);
    if (!edit.problem.empty())
        return edit.problem;
    if (!sameRing(edit.ring, value.rings[place])) {
        history.push(new RingReplacement(*this, place, edit.ring,
            tr("%1 of %2").arg(fieldTitle(field), QString::fromStdString(edit.ring.name))));
    }
    return std::nullopt;
}

std::size_t VesselDocument::addRing(std::optional<std::size_t> place)
{
    RingSpec ring;
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
    history.push(new RingInsertion(*this, newPlace, ring));
    return newPlace;
}

void VesselDocument::removeRing(std::size_t place)
{
    if (place < value.rings.size())
        history.push(new RingRemoval(*this, place));
}

bool VesselDocument::moveRing(std::size_t place, int direction)
{
    if (place >= value.rings.size() || (direction < 0 && place == 0)
        || (direction > 0 && place + 1 >= value.rings.size()))
        return false;
    history.push(new RingMove(*this, place, direction > 0 ? place + 1 : place - 1));
    return true;
}

void VesselDocument::setUnits(Units units)
{
    if (units != value.units)
        history.push(new UnitsChange(*this, units));
}

void VesselDocument::setName(const std::string &name)
{
    if (name != value.name)
        history.push(new NameChange(*this, name));
}

void VesselDocument::replaceRingValue(std::size_t place, const RingSpec &ring)
{
    value.rings.at(place) = ring;
    computed = computeVessel(value);
    emit ringReplaced(row(place));
    emit recomputed();
}

void VesselDocument::insertRingValue(std::size_t place, const RingSpec &ring)
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
