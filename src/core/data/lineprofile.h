#pragma once

#include "l10n/coretexts.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace velmora {

// A point of the ground profile: station along the route and elevation, both in m. The ground
// between two points is the straight line through them.
struct GroundPoint
{
    double x = 0; // m, station
    double z = 0; // m, elevation
    bool operator==(const GroundPoint &) const = default;
};

// A kind of tower the line may use.
struct TowerType
{
    std::string name; // up to 64 characters
    double height = 0; // m, attachment height of the lowest wire above the ground, > 0
    double cost = 0; // > 0, in any unit
    double maxWindSpan = 0; // m
    double maxWeightSpan = 0; // m
    double minWeightSpan = 0; // m, may be 0 or negative; below maxWeightSpan
    bool operator==(const TowerType &) const = default;
};

// A tower standing on the profile.
struct Tower
{
    double station = 0; // m
    int type = 0; // index into the line's tower types
    bool operator==(const Tower &) const = default;
};

// An object the line crosses (a road, another line): its top and the clearance it requires.
struct Crossing
{
    double station = 0; // m
    double top = 0; // m, elevation of the object's top
    double clearance = 0; // m, required between the wire and the top
    std::string name;
    bool operator==(const Crossing &) const = default;
};

// A closed stretch of stations [from, to] where no tower may stand.
struct ForbiddenStretch
{
    double from = 0; // m
    double to = 0; // m
    bool operator==(const ForbiddenStretch &) const = default;
};

// The line on its ground: the inputs of the profile check and of the tower spotting.
struct LineProfile
{
    std::vector<GroundPoint> ground; // stations strictly increasing
    std::vector<TowerType> types;
    std::vector<Tower> towers; // stations strictly increasing; first and last are dead ends
    std::vector<Crossing> crossings;
    std::vector<ForbiddenStretch> forbidden;
    bool operator==(const LineProfile &) const = default;
    bool empty() const
    {
        return ground.empty() && types.empty() && towers.empty() && crossings.empty()
            && forbidden.empty();
    }
};

// Longest tower type name, in characters.
inline constexpr std::size_t MaxTowerTypeName = 64;
// Most points of a ground profile.
inline constexpr std::size_t MaxGroundPoints = 200000;

// The kinds of records of a line.
enum class LineRecord { Ground, Type, Tower, Crossing, Forbidden };

// The first fault of a line's records: which record (0-based within its kind), which field,
// and what is wrong with it, in the language asked for.
struct LineFault
{
    LineRecord record = LineRecord::Ground;
    std::size_t index = 0;
    std::size_t fieldIndex = 0; // the field's place in the record as the text files hold it
    std::string field; // the field's name, in the language asked for
    std::string problem; // "is not a finite number", "must be above the previous station", ...
};

// The name of a field of a record in lang: "station", "elevation", "name", "height", "cost",
// "max wind span", "max weight span", "min weight span", "type", "top", "clearance", "from",
// "to". Field order of each record as the text files hold them.
std::string LineFieldName(LineRecord record, std::size_t field, Lang lang);

// The first fault of line, or nothing: finite numbers; 2 to MaxGroundPoints ground points
// with strictly increasing stations; type names of 1 to MaxTowerTypeName characters, H > 0,
// cost > 0, min weight span below max; at least two towers with strictly increasing stations
// inside the profile and a known type; crossings inside the profile with a clearance of 0 or
// more; forbidden stretches with from ≤ to. An empty kind of record that is optional
// (crossings, forbidden stretches) is no fault. Whole-line faults (too few points or towers)
// name the record one past the last.
// With LineScope::Records only what each record says of itself and of the one before it is
// checked (numbers, order, types known): a line being entered (a project may hold the ground
// alone) passes.
enum class LineScope { Whole, Records };
std::optional<LineFault> FindLineFault(const LineProfile &line, Lang lang,
                                       LineScope scope = LineScope::Whole);

// Throws velmora::Error "<record> <n>, <field>: <problem>" for the first fault.
void CheckLineProfile(const LineProfile &line, Lang lang);

// "Ground point", "Tower type", "Tower", "Crossing", "Forbidden stretch" in lang.
std::string LineRecordName(LineRecord record, Lang lang);

} // namespace velmora
