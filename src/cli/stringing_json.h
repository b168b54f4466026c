#pragma once

#include "calc/stringing.h"
#include "data/section.h"

#include <string>
#include <vector>

namespace velmora::cli {

// {"ok": true, "sections": [...]} with, per section, "name", "spans", "reduced_span",
// "state", "temperatures", "stress" (daN/mm²), "tension" (daN), "sag_reduced" and "sags"
// (m; sags[i][k] is span i at temperature k). One section per line; ends with a line break.
std::string StringingResultJson(const std::vector<SectionTable> &tables);

} // namespace velmora::cli
