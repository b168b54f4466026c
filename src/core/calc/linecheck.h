#pragma once

#include "calc/spangeometry.h"
#include "data/lineprofile.h"
#include "l10n/coretexts.h"
#include "l10n/units.h"

#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace velmora {

// The state a wire hangs in: its horizontal stress and its specific load.
struct HangingState
{
    double sigma = 0; // daN/mm²
    double gamma = 0; // daN/(m·mm²)
};

// What the line is checked against, from one sag template of the project.
struct LineConditions
{
    int mode = 0; // the template's design mode (7 maximum temperature, 2 ice, ...)
    double span = 0; // m, the template's design span PR
    HangingState design; // the template's mode at PR: the clearances and the wind and weight spans
    HangingState cold; // the minimum-temperature mode (6) at PR: the weight spans in the cold
    double clearance = 0; // m, C = TG + Zapas
};

// One end of a span: where the tower stands and how high above the ground the wire hangs.
struct SpanEnd
{
    double station = 0; // m
    double height = 0; // m, attachment height above the ground
};

// The wire curve between two ends over the ground in a state.
SpanCurve CurveBetween(std::span<const GroundPoint> ground, SpanEnd a, SpanEnd b,
                       const HangingState &state);

// The distance of a crossed object below the wire of a span.
struct CrossingCheck
{
    std::size_t crossing = 0; // index into the crossings given
    double wire = 0; // m, elevation of the wire above the crossing
    double distance = 0; // m, wire − top
    bool ok = false; // distance >= the crossing's own clearance
};

// One span checked in one state: its clearance over the ground against clearance, and the
// crossings with a ≤ station ≤ b against their own.
struct SpanCheck
{
    double length = 0; // m, b − a
    double dh = 0; // m, attachment elevation of b minus that of a
    SpanClearance ground; // the smallest distance to the ground and its station
    bool groundOk = false;
    std::vector<CrossingCheck> crossings;
    bool ok = false; // the ground and every crossing
};
SpanCheck CheckSpan(std::span<const GroundPoint> ground, std::span<const Crossing> crossings,
                    SpanEnd a, SpanEnd b, const HangingState &state, double clearance);

// Wind span of an inner tower, (l_left + l_right) / 2.
double WindSpan(double leftLength, double rightLength);
// Weight span of an inner tower: the low point of the span ahead minus that of the span behind;
// negative when the wire pulls the tower up.
double WeightSpan(const SpanCurve &behind, const SpanCurve &ahead);

// The wind and weight spans of an inner tower against its type.
struct TowerSpansCheck
{
    double wind = 0; // m
    double weight = 0; // m, in the design state
    double weightCold = 0; // m, in the cold state
    bool windOk = false;
    bool weightOk = false;
    bool weightColdOk = false;
    bool ok() const { return windOk && weightOk && weightColdOk; }
};
TowerSpansCheck CheckTowerSpans(const TowerType &type, const SpanCurve &behind,
                                const SpanCurve &ahead, const SpanCurve &behindCold,
                                const SpanCurve &aheadCold);

// The line checked whole.
struct LineSpanResult
{
    std::size_t from = 0, to = 0; // tower indexes
    SpanCheck design; // in the template state
    SpanClearance ruling; // the clearance with the ruling span's stress
    bool rulingOk = false;
};

struct LineTowerResult
{
    double station = 0; // m
    int type = 0;
    double ground = 0; // m, ground elevation
    double attachment = 0; // m, ground + H
    bool inner = false; // the end towers get no wind or weight check
    TowerSpansCheck spans; // inner towers only
    bool ok = true; // its spans hold and it stands in no forbidden stretch
};

struct LineCrossingResult
{
    std::size_t crossing = 0; // index into the line's crossings
    std::size_t span = 0; // the span above it
    CrossingCheck check;
};

struct LineCheck
{
    LineConditions conditions;
    double rulingSpan = 0; // m, √(Σ l³ / Σ l)
    double rulingStress = 0; // daN/mm², the template's mode at the ruling span
    std::vector<LineSpanResult> spans;
    std::vector<LineTowerResult> towers;
    std::vector<LineCrossingResult> crossings;
    std::vector<std::string> violations; // one line each, in the language of the check
    bool ok() const { return violations.empty(); }
};

// The horizontal lengths of the line's spans. Throws velmora::Error for fewer than two towers.
std::vector<double> SpanLengths(const LineProfile &line);

// Checks line (CheckLineProfile must have passed) in the conditions, and every span's clearance
// again with rulingStress in the template's load; a tower in a forbidden stretch (ends
// included) is a violation too. A span that passes in the template state and
// fails with the ruling stress is the first violation. The violations word the ruling stress
// through units (daN/mm² or N/mm²); the numbers of the result stay in daN/mm².
LineCheck CheckLine(const LineProfile &line, const LineConditions &conditions, double rulingSpan,
                    double rulingStress, Lang lang, UnitFactors units = {});

} // namespace velmora
