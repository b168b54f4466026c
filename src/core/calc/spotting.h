#pragma once

#include "data/lineprofile.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <vector>

namespace velmora {

// What the tower spotting works on: the ground and everything fixed about the line.
struct SpottingInput
{
    std::vector<GroundPoint> ground; // stations strictly increasing
    std::vector<TowerType> types;
    std::vector<Crossing> crossings;
    std::vector<ForbiddenStretch> forbidden; // no candidate site inside these (closed)
    Tower first; // the dead-end towers, fixed
    Tower last;
    double sigmaTemplate = 0; // daN/mm², the template state
    double gammaTemplate = 0; // daN/(m·mm²)
    double sigmaCold = 0; // daN/mm², the minimum-temperature state
    double gammaCold = 0;
    double clearance = 0; // m, C: the least distance from the wire to the ground
    double grid = 5; // m, Δ: candidate sites at first + kΔ
};

// Reported while the spotting runs; stop, when set, ends it early.
struct SpottingControl
{
    std::function<void(double fraction)> progress; // from 0 to 1, called from the calling thread
    const std::atomic<bool> *stop = nullptr;
};

struct SpottingResult
{
    enum class Outcome { Found, NoneFeasible, Cancelled };
    Outcome outcome = Outcome::NoneFeasible;
    std::vector<Tower> towers; // the first tower, the spotted ones, the last tower
    double cost = 0; // the inner towers' costs summed
    std::size_t sites = 0; // candidate sites (outside the forbidden stretches)
    std::size_t spansExamined = 0; // spans whose clearance was decided
    // When no line is feasible: no feasible line's span gets past blockedFrom; blockedTo is the
    // next place a tower could stand (the next candidate site or the last tower).
    double blockedFrom = 0;
    double blockedTo = 0;
};

// The cheapest feasible line over the candidate sites, exactly: every span at most twice the
// largest max wind span of the types, its clearance at least C and each crossing in it above its
// own clearance (template state); every inner tower's wind span within its type's maximum and its
// weight span within its type's limits in both the template and the cold state. Cost is the sum
// of the inner towers' costs, counted to 10⁻⁶ of a unit; among equal costs the line with fewer
// towers wins. Throws velmora::Error on input it cannot work on.
SpottingResult SpotTowers(const SpottingInput &input, const SpottingControl &control = {});

} // namespace velmora
