#pragma once

#include "calc/linecheck.h"
#include "data/project.h"
#include "data/wirerec.h"
#include "l10n/units.h"

#include <QString>

#include <optional>
#include <vector>

namespace velmora {

// A violation of the line and where it is, for the list beside the profile and its red mark.
struct ProfileViolation
{
    QString text; // the check's own wording
    double station = 0; // m: a span's lowest clearance, a crossing, a tower
    double elevation = 0; // m: the wire there (the tower's attachment for a tower)
};

// What the profile window shows of a line: the check of the core in the chosen template's
// conditions, the wire curves of each span in both states and the violations with their place.
struct ProfileCheck
{
    LineCheck check;
    std::vector<SpanCurve> design; // one a span
    std::vector<SpanCurve> cold;
    std::vector<ProfileViolation> violations; // in the check's order
    double cost = 0; // the inner towers' costs summed (what the spotting minimises)
};

// The line of project checked with the template at templateIndex and wire; throws
// velmora::Error with the text of the first refusal (input, template or line). The violations
// word stresses through units.
ProfileCheck CheckProfile(const TProject &project, const LineProfile &line, int templateIndex,
                          const TWireRec &wire, Lang lang, UnitFactors units = {});

// The inner towers' costs summed.
double LineCost(const LineProfile &line, const std::vector<Tower> &towers);

} // namespace velmora
