#pragma once

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

} // namespace velmora
