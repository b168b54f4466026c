#pragma once

#include "calc/preparation.h"
#include "calc/results.h"
#include "data/project.h"

#include <QString>

#include <memory>

namespace velmora {

class ProgramContext;

// One calculation of the results pane: the results, or why there are none.
struct LiveOutcome
{
    std::shared_ptr<const CalcResults> results; // null when refused or failed
    QString reason; // in the current language: why results is null
    bool loadsLow = false; // the reliability coefficients are below the standard ones
    std::vector<InputFinding> warnings; // the input's implausible values (PrepareCalculation)
};

// Calculates the project as the Calculate action would (PrepareCalculation), with the wire of the
// catalogue and the language of context, and no report, dialog or message box. The refusals of the
// Calculate action (a wire missing from the catalogue, a negative ice wall or wind, a refused span
// range, fewer than two spans), a failed critical-span check and an error of the engine
// ("Error data entry!" and the engine's text) come back as the reason. Coefficients below
// the standard are calculated (the action would ask) and flagged.
LiveOutcome CalculateLive(const TProject &project, const ProgramContext &context);

} // namespace velmora
