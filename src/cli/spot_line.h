#pragma once

#include "calc/linecheck.h"
#include "data/project.h"
#include "data/wirerec.h"

#include <string>
#include <vector>

namespace velmora::cli {

// The towers of "velmora-calc line --spot" placed by the optimum spotting between the line's
// first and last towers, in the conditions of the template at templateIndex.
struct SpottedLine
{
    bool found = false;
    std::vector<Tower> towers; // the spotted line, both ends included
    std::string spot; // the "spot" member of the JSON: cost, towers, sites, spans_examined, seconds
    std::string none; // when none is feasible: the message naming the stretch no span crosses
};
SpottedLine SpotLine(const TProject &project, const LineProfile &line, int templateIndex,
                     const TWireRec &wire, double grid, Lang lang);

// json (one object and a line break) with the member added at its end.
std::string WithMember(const std::string &json, const std::string &member);

} // namespace velmora::cli
