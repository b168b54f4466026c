#pragma once

#include "calc/linecheck.h"
#include "calc/spotting.h"
#include "data/project.h"
#include "data/wirerec.h"

namespace velmora {

// The conditions of the line check from the template at index (0-based) of the project: its
// design mode and span PR, σ and γ exactly as the template drawing computes them, the cold
// state (mode 6) at PR the same way, and C = TG + Zapas. Throws velmora::Error, in lang, for
// an index past the templates, a template without a type (TipShablona other than 0 or 1) and
// any refusal of the calculation (its text).
LineConditions LineConditionsOf(const TProject &project, int templateIndex, const TWireRec &wire,
                                Lang lang);

// The spotting's input for line between its first and last towers in the conditions of the
// template at templateIndex (LineConditionsOf, whose errors it throws), candidate sites every
// grid metres.
SpottingInput SpottingInputOf(const TProject &project, const LineProfile &line, int templateIndex,
                              const TWireRec &wire, double grid, Lang lang);

// The stress (daN/mm²) of the design mode at a span of span_m from the state that governs it,
// as the template drawing finds it at its own span. Throws velmora::Error for a refusal of the
// calculation and when no state governs the span.
double ModeStressAt(const TProject &project, const TWireRec &wire, int mode, double span_m,
                    Lang lang);

// The whole check of line (checked first with CheckLineProfile) in the conditions of the
// template at templateIndex, with the ruling-span verification; units as CheckLine takes them.
LineCheck RunLineCheck(const TProject &project, const LineProfile &line, int templateIndex,
                       const TWireRec &wire, Lang lang, UnitFactors units = {});

} // namespace velmora
