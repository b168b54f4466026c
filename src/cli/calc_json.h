#pragma once

#include "json.h"

#include "calc/driver.h"

#include <optional>
#include <string>
#include <string_view>

namespace velmora::cli {

// The result object of "velmora-calc calc" for a run that went through: "ok", "wire", "Ki",
// "Kd", "b", then (only when spans were calculated) "Kw", "Cx", "loads", "modes", "l1", "l2",
// "l3"; then "spans", "state" (only when calculated), "results". l1 and l3 are null for an
// imaginary span. project (a line of --jsonl) comes first as "project". No line break at the
// end.
void WriteCalcResult(JsonText &out, const CalcRun &run,
                     std::optional<std::string_view> project = std::nullopt);

// {"ok": false, "message": "<text>"}; a line of --jsonl has "project" first and the exit
// status of the project ("status": 2 or 3) before the message.
void WriteCalcFailure(JsonText &out, std::string_view message,
                      std::optional<std::string_view> project = std::nullopt, int status = 0);

// The object of one project as "velmora-calc calc" prints it: WriteCalcResult laid out over
// lines, and a line break.
std::string CalcResultJson(const CalcRun &run);

// The failure object of one project and a line break.
std::string CalcFailureJson(std::string_view message);

} // namespace velmora::cli
