#include "core/projectfile.h"

#include "core/jsontext.h"
#include "core/jsontree.h"
#include "core/length.h"
#include "core/ringreader.h"
#include "core/woods.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>

namespace orvane {

namespace {

using Kind = JsonValue::Kind;

class VesselFileReader;

// A key of the vessel: its name, the first version of the format that has it, whether a file must
// give it, whether the keys after it depend on it (a problem with it leaves them unread), what it
// holds, for the messages, and how it is read. A key that a later version adds is one more entry.
struct VesselKey
{
    std::string_view name;
    int since = 1;
    bool required = false;
    bool heading = false;
    std::string_view allowed;
    void (VesselFileReader::*read)(const JsonValue &value);
};

// A key of a ring, read by the ring reader as the ring's field of that name.
struct RingKey
{
    RingField field;
    int since = 1;
    bool required = false;
};

inline constexpr std::array ringKeys { RingKey { RingField::name },
    RingKey { RingField::segments, 1, true }, RingKey { RingField::outer, 1, true },
    RingKey { RingField::inner, 1, true }, RingKey { RingField::fudge },
    RingKey { RingField::thickness }, RingKey { RingField::kerf }, RingKey { RingField::wood } };

// Texts from a file as messages quote them: long ones cut short, control characters escaped.
std::string shown(std::string_view text)
{
    constexpr std::size_t longest = 40;
    std::string cut(text.substr(0, longest));
    if (text.size() > longest) {
        // Not in the middle of a character.
        while (!cut.empty() && (static_cast<unsigned char>(cut.back()) & 0xC0) == 0x80)
            cut.pop_back();
        if (!cut.empty() && static_cast<unsigned char>(cut.back()) >= 0xC0)
            cut.pop_back();
        cut += "...";
    }
    const std::string quoted = jsonString(cut);
    return quoted.substr(1, quoted.size() - 2);
}

std::string described(const JsonValue &value)
{
    switch (value.kind) {
    case Kind::null:
    case Kind::boolean: return value.text;
    case Kind::number: return "the number " + shown(value.text);
    case Kind::string: return "the text \"" + shown(value.text) + '"';
    case Kind::object: return "an object";
    case Kind::array: return "a list";
    }
    return {};
}

// "the text "10" is not a number: a length more than 0..."
std::string wrongType(const JsonValue &value, std::string_view expected, std::string_view allowed)
{
    return described(value) + " is not " + std::string(expected) + ": " + std::string(allowed);
}

std::string refusedValue(std::string_view written, std::string_view allowed)
{
    return '"' + shown(written) + '"' + std::string(notAllowed) + std::string(allowed);
}

// "name, segments and outer"
std::string listed(const std::vector<std::string_view> &names)
{
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            text += i + 1 == names.size() ? " and " : ", ";
        text += names[i];
    }
    return text;
}

template <typename Keys> std::size_t indexOf(const Keys &keys, RingField field)
{
    return static_cast<std::size_t>(std::find_if(keys.begin(), keys.end(),
                                        [field](const RingKey &key) { return key.field == field; })
        - keys.begin());
}

std::string baseName(std::string_view fileName)
{
    return std::filesystem::path(fileName).stem().string();
}

class VesselFileReader
{
public:
    explicit VesselFileReader(std::string_view fileName)
        : file(fileName)
    {
        vessel.name = baseName(fileName);
    }

    ProjectFileReading read(std::string_view text);

    void readFormat(const JsonValue &value);
    void readVersion(const JsonValue &value);
    void readName(const JsonValue &value);
    void readUnits(const JsonValue &value);
    void readKerf(const JsonValue &value);
    void readRings(const JsonValue &value);
    void readProfile(const JsonValue &value);
    void readWall(const JsonValue &value);
    void readFloor(const JsonValue &value);
    void readPad(const JsonValue &value);
    void readFlatten(const JsonValue &value);
    void readWoods(const JsonValue &value);

private:
    // A length of the vessel under `key`, or nothing after saying why it is not allowed.
    std::optional<double> vesselLength(
        const JsonValue &value, std::string_view key, std::string_view allowed, bool positive);
    std::optional<ProfilePoint> readPoint(const JsonValue &value, std::size_t place);
    void readRing(const JsonValue &value, std::size_t place);
    // Adds the wood to the project's; false after saying why it is not allowed.
    bool readWood(const JsonValue &value, std::size_t place);
    std::optional<std::vector<std::string>> readPattern(
        const JsonValue &value, std::string_view where);
    std::optional<double> readRotation(const JsonValue &value, std::string_view where);
    // Every wood of `ring` that the project's woods do not list, said under `key`.
    bool woodsListed(const RingDesign &ring, std::string_view where, std::string_view key);

    // The value given under each of `names` (none when not given); a problem for every other key
    // and for every key given more than once.
    std::vector<const JsonValue *> keyed(const JsonValue &object,
        const std::vector<std::string_view> &names, std::string_view where, std::string_view whose);

    void problem(std::string_view where, std::string_view key, std::string_view message);
    double inches(const JsonValue &number) const;
    std::string written(const JsonValue &number) const;
    std::string lengthAllowed(std::string_view allowed) const;

    std::string file;
    Vessel vessel;
    int version = projectFileVersion;
    bool woodsRead = true; // the project's woods, when given, read without a problem
    std::vector<std::string> problems;
};

const std::array vesselKeys {
    VesselKey { "format", 1, true, true, formatAllowed, &VesselFileReader::readFormat },
    VesselKey { "version", 1, true, true, versionAllowed, &VesselFileReader::readVersion },
    VesselKey { "name", 1, false, false, vesselNameAllowed, &VesselFileReader::readName },
    VesselKey { "units", 1, false, false, unitsAllowed, &VesselFileReader::readUnits },
    VesselKey { "kerf", 1, false, false, nonNegativeLengthAllowed, &VesselFileReader::readKerf },
    VesselKey { "profile", 2, false, false, profileAllowed, &VesselFileReader::readProfile },
    VesselKey { "wall", 2, false, false, positiveLengthAllowed, &VesselFileReader::readWall },
    VesselKey { "floor", 2, false, false, nonNegativeLengthAllowed, &VesselFileReader::readFloor },
    VesselKey { "pad", 2, false, false, nonNegativeLengthAllowed, &VesselFileReader::readPad },
    VesselKey {
        "flatten", 2, false, false, nonNegativeLengthAllowed, &VesselFileReader::readFlatten },
    VesselKey { "woods", 3, false, false, woodsAllowed, &VesselFileReader::readWoods },
    // The rings last: with a profile, their diameters may be left to it, and the woods they name
    // are the project's.
    VesselKey { "rings", 1, true, false, ringsAllowed, &VesselFileReader::readRings },
};

const JsonValue *firstMember(const JsonValue &object, std::string_view key)
{
    const auto found = std::find_if(object.members.begin(), object.members.end(),
        [&](const JsonValue &member) { return member.key == key; });
    return found == object.members.end() ? nullptr : &*found;
}

ProjectFileReading VesselFileReader::read(std::string_view text)
{
    const JsonTree tree = readJsonTree(text);
    if (tree.error) {
        problems.push_back(file + ':' + std::to_string(tree.error->line) + ':'
            + std::to_string(tree.error->column) + ": " + std::string(notJson)
            + tree.error->message);
    } else if (tree.root->kind != Kind::object) {
        problems.push_back(file + ": " + std::string(notAVessel));
    } else {
        const JsonValue &root = *tree.root;
        // The format and its version first: they say what the other keys may be.
        for (const VesselKey &key : vesselKeys) {
            if (!key.heading)
                continue;
            if (const JsonValue *value = firstMember(root, key.name))
                (this->*key.read)(*value);
            else
                problem({}, key.name, std::string(missingValue) + std::string(key.allowed));
        }
        if (problems.empty()) {
            std::vector<std::string_view> names;
            for (const VesselKey &key : vesselKeys) {
                if (key.since <= version)
                    names.push_back(key.name);
            }
            const std::vector<const JsonValue *> given = keyed(root, names, {}, "a vessel");
            std::size_t i = 0;
            for (const VesselKey &key : vesselKeys) {
                if (key.since > version)
                    continue;
                const JsonValue *value = given[i++];
                if (key.heading)
                    continue;
                if (value)
                    (this->*key.read)(*value);
                else if (key.required)
                    problem({}, key.name, std::string(missingValue) + std::string(key.allowed));
            }
        }
    }
    if (!problems.empty())
        return { std::nullopt, std::move(problems) };
    return { std::move(vessel), {} };
}

void VesselFileReader::readFormat(const JsonValue &value)
{
    if (value.kind != Kind::string)
        problem({}, "format", wrongType(value, "text", formatAllowed));
    else if (value.text != projectFileFormat)
        problem({}, "format", refusedValue(value.text, formatAllowed));
}

void VesselFileReader::readVersion(const JsonValue &value)
{
    if (value.kind != Kind::number)
        problem({}, "version", wrongType(value, "a number", versionAllowed));
    else if (value.number != std::floor(value.number) || value.number < 1)
        problem({}, "version", refusedValue(value.text, versionAllowed));
    else if (value.number > projectFileVersion)
        problem({}, "version",
            "version " + shown(value.text) + std::string(madeByNewer) + "version "
                + std::to_string(projectFileVersion));
    else
        version = static_cast<int>(value.number);
}

void VesselFileReader::readName(const JsonValue &value)
{
    if (value.kind != Kind::string)
        problem({}, "name", wrongType(value, "text", vesselNameAllowed));
    else
        vessel.name = value.text;
}

void VesselFileReader::readUnits(const JsonValue &value)
{
    if (value.kind != Kind::string)
        problem({}, "units", wrongType(value, "text", unitsAllowed));
    else if (value.text == "in")
        vessel.units = Units::inches;
    else if (value.text == "mm")
        vessel.units = Units::millimetres;
    else
        problem({}, "units", refusedValue(value.text, unitsAllowed));
}

void VesselFileReader::readKerf(const JsonValue &value)
{
    if (value.kind != Kind::number) {
        problem({}, "kerf", wrongType(value, "a number", lengthAllowed(nonNegativeLengthAllowed)));
        return;
    }
    const FieldReading kerf = checkRingField(RingField::kerf, inches(value), written(value));
    if (!kerf.problem.empty())
        problem({}, "kerf", kerf.problem);
    else
        vessel.kerf = kerf.value;
}

std::optional<double> VesselFileReader::vesselLength(
    const JsonValue &value, std::string_view key, std::string_view allowed, bool positive)
{
    if (value.kind != Kind::number) {
        problem({}, key, wrongType(value, "a number", lengthAllowed(allowed)));
        return std::nullopt;
    }
    const double length = inches(value);
    if (!std::isfinite(length) || (positive ? !(length > 0) : !(length >= 0))) {
        problem({}, key, refusedValue(written(value), allowed));
        return std::nullopt;
    }
    return length;
}

void VesselFileReader::readWall(const JsonValue &value)
{
    if (const auto wall = vesselLength(value, "wall", positiveLengthAllowed, true))
        vessel.wall = *wall;
}

void VesselFileReader::readFloor(const JsonValue &value)
{
    if (const auto floor = vesselLength(value, "floor", nonNegativeLengthAllowed, false))
        vessel.floor = *floor;
}

void VesselFileReader::readPad(const JsonValue &value)
{
    if (const auto pad = vesselLength(value, "pad", nonNegativeLengthAllowed, false))
        vessel.pad = *pad;
}

void VesselFileReader::readFlatten(const JsonValue &value)
{
    if (const auto flatten = vesselLength(value, "flatten", nonNegativeLengthAllowed, false))
        vessel.flatten = *flatten;
}

std::optional<ProfilePoint> VesselFileReader::readPoint(const JsonValue &value, std::size_t place)
{
    const std::string where = "point " + std::to_string(place) + ": ";
    if (value.kind != Kind::object) {
        problem({}, "profile", where + wrongType(value, "an object", pointAllowed));
        return std::nullopt;
    }
    ProfilePoint point;
    bool sound = true;
    int givenR = 0;
    int givenH = 0;
    for (const JsonValue &member : value.members) {
        if (member.key == "corner") {
            if (member.kind == Kind::boolean)
                point.corner = member.text == "true";
            else {
                problem({}, "profile",
                    where + "key 'corner': " + wrongType(member, "true or false", cornerAllowed));
                sound = false;
            }
            continue;
        }
        if (member.key != "r" && member.key != "h") {
            problem({}, "profile",
                where + "key '" + shown(member.key) + "': " + std::string(unknownKey)
                    + "a point are r, h and corner");
            sound = false;
            continue;
        }
        int &count = member.key == "r" ? givenR : givenH;
        if (++count > 1) {
            problem({}, "profile",
                where + "key '" + member.key + "': given twice" + std::string(repeatedKey));
            sound = false;
        } else if (member.kind != Kind::number) {
            problem({}, "profile",
                where + "key '" + member.key
                    + "': " + wrongType(member, "a number", lengthAllowed(pointLengthAllowed)));
            sound = false;
        } else {
            (member.key == "r" ? point.r : point.h) = inches(member);
        }
    }
    for (const auto &[count, key] : { std::pair { givenR, "r" }, std::pair { givenH, "h" } }) {
        if (count == 0) {
            problem({}, "profile",
                where + "key '" + key + "': " + std::string(missingValue)
                    + std::string(pointLengthAllowed));
            sound = false;
        }
    }
    return sound ? std::optional(point) : std::nullopt;
}

void VesselFileReader::readProfile(const JsonValue &value)
{
    if (value.kind != Kind::array) {
        problem({}, "profile", wrongType(value, "a list", profileAllowed));
        return;
    }
    std::vector<ProfilePoint> points;
    bool sound = true;
    for (std::size_t i = 0; i < value.members.size(); ++i) {
        if (const auto point = readPoint(value.members[i], i + 1))
            points.push_back(*point);
        else
            sound = false;
    }
    if (!sound)
        return;
    const std::vector<std::string> found = profileProblems(points);
    for (const std::string &message : found)
        problem({}, "profile", message);
    if (found.empty())
        vessel.profile = std::move(points);
}

void VesselFileReader::readRings(const JsonValue &value)
{
    if (value.kind != Kind::array) {
        problem({}, "rings", wrongType(value, "a list", ringsAllowed));
        return;
    }
    vessel.rings.reserve(value.members.size());
    for (std::size_t i = 0; i < value.members.size(); ++i)
        readRing(value.members[i], i + 1);
}

void VesselFileReader::readRing(const JsonValue &value, std::size_t place)
{
    // Every message names the ring by its place and, when it has one, its name.
    std::string name = defaultRingName(place);
    if (value.kind == Kind::object) {
        const JsonValue *given = firstMember(value, fieldName(RingField::name));
        if (given && given->kind == Kind::string)
            name = given->text;
    }
    std::string where = std::string(ringPrefix) + std::to_string(place);
    if (!name.empty())
        where += " (" + shown(name) + ')';
    where += ": ";
    if (value.kind != Kind::object) {
        problems.push_back(file + ": " + where + wrongType(value, "an object", ringAllowed));
        return;
    }

    std::vector<std::string_view> names;
    std::vector<RingKey> keys;
    for (RingKey key : ringKeys) {
        if (key.since <= version) {
            names.push_back(fieldName(key.field));
            // With a profile, the diameters come from it unless a ring types them.
            if (!vessel.profile.empty()
                && (key.field == RingField::outer || key.field == RingField::inner))
                key.required = false;
            keys.push_back(key);
        }
    }
    // Version 3's keys of a ring are not values the ring reader reads from a text.
    const std::size_t patternKey = names.size();
    const std::size_t rotationKey = patternKey + 1;
    if (version >= 3)
        names.insert(names.end(), { "pattern", "rotation" });
    const std::vector<const JsonValue *> values = keyed(value, names, where, "a ring");
    const JsonValue *givenPattern = version >= 3 ? values[patternKey] : nullptr;
    const JsonValue *givenRotation = version >= 3 ? values[rotationKey] : nullptr;

    RingDesign start = defaultRing();
    start.name = name;
    start.kerf = vessel.kerf;
    start.wood.clear();
    start.line = value.line;
    bool sound = true;
    if (givenPattern) {
        std::optional<std::vector<std::string>> pattern;
        if (values[indexOf(keys, RingField::wood)])
            problem(where, "pattern", woodAndPattern);
        else
            pattern = readPattern(*givenPattern, where);
        sound = pattern.has_value();
        start.pattern = pattern.value_or(std::vector<std::string> {});
    }
    if (givenRotation) {
        start.rotation = readRotation(*givenRotation, where);
        sound = sound && start.rotation;
    }
    RingReader reader(std::move(start));
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const RingField field = keys[i].field;
        const JsonValue *given = values[i];
        if (!given) {
            if (keys[i].required)
                reader.missing(field);
        } else if (isTextField(field)) {
            if (given->kind != Kind::string)
                reader.refuse(field, wrongType(*given, "text", fieldAllowed(field)));
            else if (field == RingField::wood && version >= 3
                && given->text.find('+') != std::string::npos)
                reader.refuse(field, refusedValue(given->text, ringWoodAllowed));
            else
                reader.text(field, given->text);
        } else if (given->kind != Kind::number) {
            reader.refuse(field,
                wrongType(*given, "a number",
                    field == RingField::segments ? std::string(segmentCountAllowed)
                                                 : lengthAllowed(fieldAllowed(field))));
        } else if (field == RingField::segments) {
            reader.number(field, given->number, given->text);
        } else {
            reader.number(field, inches(*given), written(*given));
        }
    }
    RingReader::Reading reading = reader.finish();
    if (!vessel.profile.empty()) {
        // The profile gives the diameters a ring leaves out, and makes a disc of one with an
        // inner diameter under twice its fudge: the rules between the diameters hold only
        // between typed ones.
        const bool outerGiven = values[indexOf(keys, RingField::outer)] != nullptr;
        const bool innerGiven = values[indexOf(keys, RingField::inner)] != nullptr;
        reading.ring.outerLocked = outerGiven;
        reading.ring.innerLocked = innerGiven;
        reading.ring.ownFudge = values[indexOf(keys, RingField::fudge)] != nullptr;
        std::erase_if(reading.problems, [&](const RingProblem &ringProblem) {
            const bool betweenDiameters = ringProblem.field == RingField::inner
                && (ringProblem.message.find(innerTwiceFudge) != std::string::npos
                    || (!(outerGiven && innerGiven)
                        && ringProblem.message.find(innerBelowOuter) != std::string::npos));
            return betweenDiameters || (!ringProblem.field && !(outerGiven && innerGiven));
        });
    }
    for (const RingProblem &ringProblem : reading.problems) {
        // A ring's woods are its wood or its pattern: a problem of them is the key's given.
        if (ringProblem.field == RingField::wood && givenPattern)
            problem(where, "pattern", ringProblem.message);
        else if (ringProblem.field)
            problem(where, fieldName(*ringProblem.field), ringProblem.message);
        else
            problems.push_back(file + ": " + where + ringProblem.message);
    }
    if (reading.problems.empty() && sound && version >= 3 && woodsRead)
        sound = woodsListed(reading.ring, where, givenPattern ? "pattern" : "wood");
    if (reading.problems.empty() && sound)
        vessel.rings.push_back(std::move(reading.ring));
}

void VesselFileReader::readWoods(const JsonValue &value)
{
    woodsRead = false;
    if (value.kind != Kind::array) {
        problem({}, "woods", wrongType(value, "a list", woodsAllowed));
        return;
    }
    bool sound = true;
    for (std::size_t i = 0; i < value.members.size(); ++i)
        sound = readWood(value.members[i], i + 1) && sound;
    woodsRead = sound;
}

bool VesselFileReader::readWood(const JsonValue &value, std::size_t place)
{
    const std::string where = "key 'woods': wood " + std::to_string(place) + ": ";
    if (value.kind != Kind::object) {
        problems.push_back(file + ": " + where + wrongType(value, "an object", woodEntryAllowed));
        return false;
    }
    const std::size_t before = problems.size();
    const std::vector<const JsonValue *> given
        = keyed(value, { "name", "colour" }, where, "a wood");
    Wood wood;
    const auto text = [&](const JsonValue *member, std::string_view key, std::string_view allowed,
                          bool (*allowedText)(std::string_view), std::string &into) {
        if (!member)
            problem(where, key, std::string(missingValue) + std::string(allowed));
        else if (member->kind != Kind::string)
            problem(where, key, wrongType(*member, "text", allowed));
        else if (!allowedText(member->text))
            problem(where, key, refusedValue(member->text, allowed));
        else
            into = member->text;
    };
    text(given[0], "name", woodNameAllowed, isWoodName, wood.name);
    text(given[1], "colour", colourAllowed, isColour, wood.colour);
    if (!wood.name.empty()
        && std::any_of(vessel.woods.begin(), vessel.woods.end(),
            [&wood](const Wood &listed) { return listed.name == wood.name; }))
        problem(where, "name", '"' + shown(wood.name) + '"' + std::string(listedTwice));
    if (problems.size() != before)
        return false;
    vessel.woods.push_back(std::move(wood));
    return true;
}

std::optional<std::vector<std::string>> VesselFileReader::readPattern(
    const JsonValue &value, std::string_view where)
{
    if (value.kind != Kind::array || value.members.empty()) {
        problem(where, "pattern",
            value.kind == Kind::array
                ? "an empty list is not allowed: " + std::string(patternAllowed)
                : wrongType(value, "a list", patternAllowed));
        return std::nullopt;
    }
    std::vector<std::string> pattern;
    for (std::size_t i = 0; i < value.members.size(); ++i) {
        const JsonValue &name = value.members[i];
        const std::string which = "name " + std::to_string(i + 1) + ": ";
        if (name.kind != Kind::string)
            problem(where, "pattern", which + wrongType(name, "text", woodNameAllowed));
        else if (!isWoodName(name.text))
            problem(where, "pattern", which + refusedValue(name.text, woodNameAllowed));
        else
            pattern.push_back(name.text);
    }
    if (pattern.size() != value.members.size())
        return std::nullopt;
    return pattern;
}

std::optional<double> VesselFileReader::readRotation(const JsonValue &value, std::string_view where)
{
    if (value.kind != Kind::number)
        problem(where, "rotation", wrongType(value, "a number", rotationAllowed));
    else if (!std::isfinite(value.number))
        problem(where, "rotation", refusedValue(value.text, rotationAllowed));
    else
        return value.number;
    return std::nullopt;
}

bool VesselFileReader::woodsListed(
    const RingDesign &ring, std::string_view where, std::string_view key)
{
    std::vector<std::string> missing;
    for (const std::string &name :
        ring.pattern.empty() ? std::vector { ring.wood } : ring.pattern) {
        const bool listed = name.empty()
            || std::any_of(vessel.woods.begin(), vessel.woods.end(),
                [&name](const Wood &wood) { return wood.name == name; });
        if (!listed && std::find(missing.begin(), missing.end(), name) == missing.end()) {
            missing.push_back(name);
            problem(where, key, '"' + shown(name) + '"' + std::string(notListed));
        }
    }
    return missing.empty();
}

std::vector<const JsonValue *> VesselFileReader::keyed(const JsonValue &object,
    const std::vector<std::string_view> &names, std::string_view where, std::string_view whose)
{
    std::vector<const JsonValue *> values(names.size(), nullptr);
    std::vector<int> counts(names.size(), 0);
    for (const JsonValue &member : object.members) {
        const auto found = std::find(names.begin(), names.end(), member.key);
        if (found == names.end()) {
            problem(where, member.key,
                std::string(unknownKey) + std::string(whose) + " are " + listed(names));
            continue;
        }
        const auto i = static_cast<std::size_t>(found - names.begin());
        if (counts[i]++ == 0)
            values[i] = &member;
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (counts[i] > 1) {
            problem(where, names[i],
                "given "
                    + (counts[i] == 2 ? std::string("twice") : std::to_string(counts[i]) + " times")
                    + std::string(repeatedKey));
        }
    }
    return values;
}

void VesselFileReader::problem(
    std::string_view where, std::string_view key, std::string_view message)
{
    problems.push_back(file + ": " + std::string(where) + std::string(keyPrefix) + shown(key)
        + "': " + std::string(message));
}

// A length in inches: millimetres converted as every length typed in millimetres is.
double VesselFileReader::inches(const JsonValue &number) const
{
    if (vessel.units != Units::millimetres)
        return number.number;
    return millimetresInInches(number.text).value_or(number.number / millimetresPerInch);
}

std::string VesselFileReader::written(const JsonValue &number) const
{
    return vessel.units == Units::millimetres ? number.text + " mm" : number.text;
}

std::string VesselFileReader::lengthAllowed(std::string_view allowed) const
{
    return std::string(allowed)
        + std::string(vessel.units == Units::millimetres ? inMillimetres : inInches);
}

} // namespace

ProjectFileReading readProjectFile(std::string_view text, std::string_view fileName)
{
    return VesselFileReader(fileName).read(text);
}

bool looksLikeProjectFile(std::string_view text)
{
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    const auto start = text.find_first_not_of(" \t\r\n");
    return start != std::string_view::npos && text[start] == '{';
}

} // namespace orvane
