#pragma once

#include "calc/linecheck.h"

#include <string>

namespace velmora::cli {

// The result object of "velmora-calc line" and a line break: "ok" (every check holds),
// "template" and "cold" (σ daN/mm², γ daN/(m·mm²); the template also its mode, span PR and
// clearance C), "ruling_span" (l_r, its stress), "spans", "towers" (1-based numbers in the
// texts, 0-based indexes in "from" and "to"), "crossings" and "violations". line gives the
// type names and the crossings' names.
std::string LineResultJson(const LineCheck &check, const LineProfile &line);

} // namespace velmora::cli
