#pragma once

#include "calc/calc_args.h"
#include "calc/governing.h"
#include "calc/loads.h"
#include "calc/solver.h"
#include "data/project.h"
#include "data/wirerec.h"
#include "l10n/coretexts.h"

#include <array>
#include <string>
#include <vector>

namespace velmora {

// Everything one run of CalcProject computed. Filled step by step: wire, Ki, Kd, b first; the
// rest only when more than one span is calculated (n > 1) and the critical-span check passed.
struct CalcRun
{
    TWireRec wire;
    double Ki = 0; // ice-thickness height coefficient
    double Kd = 0; // ice-thickness diameter coefficient
    double b = 0; // mm, refined ice wall thickness
    int n = 0; // spans of the range, trunc((Max − Min) / Step) + 1
    bool calculated = false; // n > 1 and the checks passed: everything below is set

    double Kw = 0; // wind-pressure height coefficient
    double Cx = 0; // drag coefficient of the bare wire
    LoadSet loads;
    DesignModeTable modes {};
    double l1 = 0, l2 = 0, l3 = 0; // m; l1 and l3 may be ImaginarySpan

    std::vector<double> spans; // m, n + 1 entries: l2, then Min + (i − 1) · Step
    std::vector<InitialState> state; // governing state of each entry of spans
    std::array<std::vector<double>, DesignModeCount> stress; // [mode − 1][span], daN/mm²
    std::array<std::vector<double>, DesignModeCount> sag; // [mode − 1][span], m
    std::vector<int> takenModes; // mode numbers 1..17 in the order they were taken

    std::string warning; // the failed critical-span check, in the language of the run

    // Template purpose only: the requested mode's specific load and its stress at the last span.
    double TemplateGamma = 0; // daN/(m·mm²)
    double TemplateNapr = 0; // daN/mm²
};

enum class CalcOutcome {
    Done, // the run went through (possibly with nothing calculated, n <= 1)
    CheckFailed, // a check of the critical spans failed: run.warning holds its text
};

enum class CalcPurpose {
    Full, // every mode of the project's RegimeFlags (the results, the report, velmora-calc)
    Template, // the template's design mode only
};

// The stress (daN/mm²), temperature (°C) and specific load (daN/(m·mm²)) of the initial state
// a span is governed by; NoState gives the values of StateMaxLoad.
struct InitialValues
{
    double sigma0, t0, gamma0;
};
InitialValues InitialOf(InitialState state, const CalcArgs &args, const LoadSet &loads);

// The three initial states of a calculated run (its loads and wire) with the permissible
// stresses of args: what GoverningState weighs.
InitialStates InitialStatesOf(const CalcRun &run, const CalcArgs &args);

// Largest number of span steps in one calculation: (Max − Min) / Step above it is refused.
inline constexpr double MaxSpanSteps = 600;

// Spans of a range with Step > 0 and at most MaxSpanSteps steps: trunc((Max − Min) / Step) + 1.
// A calculation needs at least two.
int SpanCount(double min, double max, double step);

// Why a span range cannot be calculated, in lang; the empty text when it can. The texts of
//   "Step_not_positive" for step <= 0 ("The change step of the spans must be greater than 0."),
//   "Min_above_max" for min > max,
//   "600_spans" when (max − min) / step is above 600.
// The window shows exactly this text; CheckCalcArgs throws it.
std::string SpanRangeRefusal(double min, double max, double step, Lang lang);

// Refuses the arguments before anything is divided by them. Throws velmora::Error, in lang:
// "<name> is not a finite number" (the text of "not_finite" after the name) for a NaN or
// infinite argument, then the SpanRangeRefusal of Min, Max and Step.
void CheckCalcArgs(const CalcArgs &args, Lang lang);

// One calculation of the wire (TProject's CalcProject); the caller looks the project's wire
// up (the empty record stands for a wire that is not in the catalogue). Reads from the project
// only Dat.RegimeFlags and Koef; everything else comes from the arguments. Texts (refusals,
// run.warning) are in lang. It asks nothing and writes nothing: the report and the windows
// read the run's results (calc/results.h) afterwards.
//   CalcPurpose::Full: the modes of RegimeFlags.
//   CalcPurpose::Template: only design mode templateMode (1..17); run.TemplateGamma and
//              run.TemplateNapr are set when the outcome is Done and n > 1.
// Throws velmora::Error for a refused span range (CheckCalcArgs), for arithmetic errors
// (a wire missing from the catalogue gives "Division by zero: the wire's cross-section is 0").
CalcOutcome CalcProject(const TProject &project, const TWireRec &wire, CalcPurpose purpose,
                        const CalcArgs &args, Lang lang, CalcRun &run, int templateMode = 0);

} // namespace velmora
