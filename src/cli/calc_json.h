#pragma once

#include "calc/driver.h"

#include <string>

namespace velmora::cli {

// The result object of "velmora-calc calc" for a run that went through: "ok", "wire", "Ki",
// "Kd", "b", then (only when spans were calculated) "Kw", "Cx", "loads", "modes", "l1", "l2",
// "l3"; then "spans", "state" (only when calculated), "results". l1 and l3 are null for an
// imaginary span. Ends with a line break.
std::string CalcResultJson(const CalcRun &run);

// {"ok": false, "message": "<text>"} and a line break.
std::string CalcFailureJson(const std::string &message);

} // namespace velmora::cli
