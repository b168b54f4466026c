#pragma once

#include "json.h"

#include "calc/results.h"

#include <optional>
#include <string>
#include <string_view>

namespace velmora::cli {

// The result object of "velmora-calc calc" for results whose check did not fail: "ok", "wire",
// "Ki", "Kd", "b", then (only when Calculated) "Kw", "Cx", "loads", "modes", "l1", "l2",
// "l3"; then "spans", "state" (only when Calculated), "results". l1 and l3 are null for an
// imaginary span. project (a line of --jsonl) comes first as "project", followed by
// "path_bytes" (its bytes as numbers) only when the path is not valid UTF-8. No line break at
// the end.
void WriteCalcResult(JsonText &out, const CalcResults &results,
                     std::optional<std::string_view> project = std::nullopt);

// {"ok": false, "message": "<text>"}; a line of --jsonl has "project" first and the exit
// status of the project ("status": 2 or 3) before the message.
void WriteCalcFailure(JsonText &out, std::string_view message,
                      std::optional<std::string_view> project = std::nullopt, int status = 0);

// The object of one project as "velmora-calc calc" prints it: WriteCalcResult laid out over
// lines, and a line break.
std::string CalcResultJson(const CalcResults &results);

// The failure object of one project and a line break.
std::string CalcFailureJson(std::string_view message);

} // namespace velmora::cli
